#pragma once

class QPainter;

namespace combined::sketches {

// Longitudinal sections of the footing with its bars, drawn in twips of the picture box:
// the RC footing on its PC blinding, the two columns with ties and starter bars, the limits
// of the transverse beams and the six bar leaders, each ending at a stroke under the bar
// symbol, where the window's labels give the count and the diameter.
void sectionC1Flush(QPainter &painter); // C1 at the left end, C2 set in from the right
void sectionC2Flush(QPainter &painter); // C1 set in from the left end, C2 at the right

} // namespace combined::sketches
