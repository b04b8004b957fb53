#pragma once

class QPainter;

namespace strap::sketches {

// The reinforcement drawing of the "Rienforcement" tab, in twips of its picture: the two
// footings and the strap in elevation with their bar marks, and section A-A of the strap.
// The bar counts and diameters are labels of the window placed next to the marks.
void reinforcement(QPainter &painter);

} // namespace strap::sketches
