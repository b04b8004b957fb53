#pragma once

class QPainter;

namespace app::drawings {

// The pictures of the shell windows, drawn in twips of their picture boxes.
void splash(QPainter &painter);       // start, Image2 (9600 x 7200)
void mainPicture(QPainter &painter);  // Form1, Picture1 (6930 x 2955)
void isolatedType(QPainter &painter); // Form2, Picture1(1) (2970 x 2610)
void stripType(QPainter &painter);    // Form2, Picture1(0) (2970 x 2610)
void combinedType(QPainter &painter); // Form2, Picture1(2) (6495 x 2610)
void strapType(QPainter &painter);    // Form2, Picture1(3) (6495 x 2610)

} // namespace app::drawings
