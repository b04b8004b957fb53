#pragma once

class QPainter;

namespace isolated::sketches {

// The sketch of a loading case in the case chooser (picture box 2970 x 2610 twips): column,
// footing and bars, the load and moment arrows, and the soil pressure under the footing.
void loadingCase(QPainter &painter, int footingCase);

// The design window's sketch (picture box 4260 x 3945 twips): the footing in section above its
// plan with the bars of both directions, and the two leaders of the bar notes. The column
// stands in the middle, or off-centre towards the left.
void footing(QPainter &painter, bool offCentre);

} // namespace isolated::sketches
