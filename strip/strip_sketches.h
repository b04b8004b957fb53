#pragma once

class QPainter;

// The drawings of the strip footing windows, in twips of their picture boxes.
namespace strip::sketches {

// The case chooser's four sketches (2970 x 2610 each).
void uniformCase(QPainter &painter);    // a wall on its footing over a uniform soil pressure
void momentCase(QPainter &painter);     // the wall with a load and a moment, uniform pressure
void nonUniformCase(QPainter &painter); // the wall with a load and a moment, trapezoidal pressure
void columnCase(QPainter &painter);     // an inverted-T: beam rising from the slab

// The design window's sketches (4095 x 3855): section above, plan below, with the leaders
// whose bar symbols the annotation labels stand beside.
void centredWall(QPainter &painter);    // Picture1
void offCentreWall(QPainter &painter);  // Picture2
void beamAndColumns(QPainter &painter); // Picture3

} // namespace strip::sketches
