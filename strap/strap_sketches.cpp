#include "strap/strap_sketches.h"

#include "widgets/sketch.h"

#include <QPainter>

namespace strap::sketches {

namespace {

// The drawing is laid out in twips of the tab, where the labels that carry the numbers sit;
// the picture itself starts at (600, 480) on the tab.
constexpr QPointF kPictureOnTab(600, 480);

const QColor kConcrete(Qt::black);
const QColor kBar(0xC0, 0x00, 0x00);
const QColor kLeader(0x00, 0x00, 0xC0);
const QColor kAxis(0x60, 0x60, 0x60);

// The bar symbol between a count label and its diameter label.
void phi(ui::Sketch &sketch, double centreX, double top)
{
    sketch.text(QRectF(centreX - 150, top, 300, 240), ui::kPhi, Qt::black, core::fonts::regular,
                Qt::AlignHCenter | Qt::AlignTop);
}

// A leader from a label to a bar, with a small dot where it touches the bar.
void leader(ui::Sketch &sketch, QPointF from, QPointF to)
{
    sketch.line(from, to, kLeader);
    sketch.barDots(to.x(), to.x(), to.y(), 1, 18, kLeader);
}

void columnWithBars(ui::Sketch &sketch, double left, double right)
{
    const double top = 1080;
    sketch.box(QRectF(left, top, right - left, 1560 - top), kConcrete, Qt::white,
               core::Fill::DiagonalCross, QColor(0xB0, 0xB0, 0xB0));
    // Break line across the top of the column.
    const double mid = (left + right) / 2;
    sketch.polyline({{left - 60, top},
                     {mid - 40, top},
                     {mid, top - 60},
                     {mid + 20, top + 60},
                     {mid + 60, top},
                     {right + 60, top}},
                    kConcrete);
    // Column bars anchored in the footing with a short foot.
    for (double x : {left + 60, right - 60}) {
        const double foot = x < mid ? 120 : -120;
        sketch.polyline({{x, top + 40}, {x, 2320}, {x + foot, 2320}}, kBar, 1.5);
    }
}

void footingWithBars(ui::Sketch &sketch, double left, double right, double pcLeft, double pcRight)
{
    sketch.box(QRectF(pcLeft, 2400, pcRight - pcLeft, 120), kConcrete, QColor(0xD8, 0xD8, 0xD8));
    sketch.box(QRectF(left, 2100, right - left, 300), kConcrete, Qt::white);
    // Bars along the elevation with their end hooks, and the bars across it seen end-on.
    sketch.polyline({{left + 60, 2200}, {left + 60, 2340}, {right - 60, 2340}, {right - 60, 2200}},
                    kBar, 2);
    sketch.barDots(left + 160, right - 140, 2300, 8, 22, kBar);
}

} // namespace

void reinforcement(QPainter &painter)
{
    ui::Sketch sketch(painter);
    painter.save();
    painter.translate(-kPictureOnTab);

    // --- elevation ---------------------------------------------------------------------------
    // Property line at the outer face of C1.
    sketch.line({840, 900}, {840, 2600}, kAxis, 1, Qt::DashDotLine);
    sketch.text(QRectF(760, 680, 300, 200), QStringLiteral("P.L"), kAxis, core::fonts::regular,
                Qt::AlignLeft | Qt::AlignBottom);

    footingWithBars(sketch, 840, 2940, 840, 2940);
    footingWithBars(sketch, 5880, 7920, 5700, 8100);

    // The strap beam from the property line to the far face of C2, over both footings.
    sketch.box(QRectF(840, 1560, 7080 - 840, 540), kConcrete, Qt::white);
    // Stirrups.
    for (double x = 1200; x <= 6600; x += 240)
        sketch.line({x, 1640}, {x, 2020}, kBar, 1);
    // Main bars at the top (the strap hogs), the other bars at the bottom, hooked at the ends.
    sketch.polyline({{900, 1800}, {900, 1620}, {7020, 1620}, {7020, 1800}}, kBar, 2);
    sketch.polyline({{900, 1880}, {900, 2040}, {7020, 2040}, {7020, 1880}}, kBar, 2);

    columnWithBars(sketch, 840, 1100);
    columnWithBars(sketch, 6720, 7080);
    sketch.text(QRectF(1150, 1120, 300, 220), QStringLiteral("C1"), Qt::black, core::fonts::bold);
    sketch.text(QRectF(7130, 1120, 300, 220), QStringLiteral("C2"), Qt::black, core::fonts::bold);

    // Strap bars: count (Label107), symbol, diameter (Label108) above; the bottom bars'
    // count (Label113) and diameter (Label114) below, between the footings.
    phi(sketch, 4250, 1320);
    leader(sketch, {4100, 1520}, {4200, 1620});
    phi(sketch, 4330, 2280);
    leader(sketch, {4200, 2280}, {4120, 2040});
    // Stirrups per metre (Label127) and their diameter (Label128).
    phi(sketch, 5720, 1200);
    sketch.text(QRectF(6040, 1200, 400, 240), QStringLiteral("/ m"), Qt::black,
                core::fonts::regular);
    leader(sketch, {5640, 1400}, {5760, 1700});

    // Footing 1: main bars (Label109, Label110) and secondary bars (Label111, Label112).
    phi(sketch, 1260, 2640);
    leader(sketch, {1180, 2640}, {1183, 2300});
    phi(sketch, 2690, 2640);
    leader(sketch, {2620, 2640}, {2560, 2340});
    // Footing 2, the mirror: secondary bars (Label123, Label124) and main bars (Label125,
    // Label126).
    phi(sketch, 6405, 2640);
    leader(sketch, {6300, 2640}, {6240, 2340});
    phi(sketch, 7487, 2640);
    leader(sketch, {7380, 2640}, {7463, 2300});

    // Section A-A cut through the strap over footing 1, looking towards C2.
    sketch.line({1660, 1470}, {1660, 2860}, kAxis, 1, Qt::DashDotLine);
    sketch.arrow({1660, 1470}, {1840, 1470}, kAxis, 1);
    sketch.arrow({1660, 2860}, {1840, 2860}, kAxis, 1);

    // --- section A-A -------------------------------------------------------------------------
    const QRectF section(3960, 2940, 420, 1260);
    sketch.box(section, kConcrete, Qt::white);
    sketch.box(section.adjusted(50, 50, -50, -50), kBar, QColor(), core::Fill::None, Qt::black, 1);
    sketch.barDots(4040, 4300, 3040, 4, 26, kBar); // top bars (Label121)
    sketch.barDots(4040, 4300, 4100, 3, 26, kBar); // bottom bars (Label122)
    for (double y : {3340.0, 3580.0, 3820.0}) {    // side bars: 2 of 12 mm a row
        sketch.barDots(4040, 4300, y, 2, 20, kBar);
        sketch.line({4300, y}, {4880, y}, kLeader);
        phi(sketch, 5065, y - 97);
    }
    leader(sketch, {4440, 2960}, {4300, 3040});
    leader(sketch, {4470, 3990}, {4300, 4100});

    painter.restore();
}

} // namespace strap::sketches
