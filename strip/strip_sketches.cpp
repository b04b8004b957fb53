#include "strip/strip_sketches.h"

#include "widgets/sketch.h"

#include <QPainter>

namespace strip::sketches {

namespace {

const QColor kBar(0x90, 0x00, 0x00);
const QColor kLeader(0xFF, 0x80, 0x00); // the colour of the bar annotations
const QColor kLoad(0xD0, 0x00, 0x00);
const QColor kPressure(0x00, 0x40, 0xC0);
const QColor kNote(0x50, 0x50, 0x50);
const QColor kPlanFill(0xEE, 0xEE, 0xE6);

QRectF span(double left, double right, double top, double bottom)
{
    return {left, top, right - left, bottom - top};
}

// A footing cut across: a wall or beam on the RC footing, which sits on the PC footing.
struct Section {
    double rcLeft, rcRight, rcTop, rcBottom;
    double pcBottom;
    double pcProjection; // PC beyond the RC footing on each side
};

double coverOf(const Section &s)
{
    return (s.rcBottom - s.rcTop) * 0.18;
}

double mainBarLevel(const Section &s)
{
    return s.rcBottom - coverOf(s);
}

double secondaryBarLevel(const Section &s)
{
    return mainBarLevel(s) - 40;
}

// PC and RC footings with the main bars along the bottom (hooked at the ends) and the
// secondary bars seen end-on just above them.
void footing(ui::Sketch &sketch, const Section &s, int secondaryBars, double dot)
{
    sketch.plainConcrete(
        span(s.rcLeft - s.pcProjection, s.rcRight + s.pcProjection, s.rcBottom, s.pcBottom));
    sketch.concrete(span(s.rcLeft, s.rcRight, s.rcTop, s.rcBottom));
    const double cover = coverOf(s);
    const double y = mainBarLevel(s);
    sketch.polyline({{s.rcLeft + cover, y - 1.5 * cover},
                     {s.rcLeft + cover, y},
                     {s.rcRight - cover, y},
                     {s.rcRight - cover, y - 1.5 * cover}},
                    kBar, 2.0);
    sketch.barDots(s.rcLeft + 2 * cover, s.rcRight - 2 * cover, secondaryBarLevel(s), secondaryBars,
                   dot, kBar);
}

// A wall standing on the RC footing.
void wall(ui::Sketch &sketch, const Section &s, double left, double right, double top)
{
    sketch.column(span(left, right, top, s.rcTop));
}

// The load P coming down onto the top of the wall or beam at x, named beside the arrow.
void load(ui::Sketch &sketch, double x, double top, double bottom, double labelTop)
{
    sketch.arrow(QPointF(x, top), QPointF(x, bottom), kLoad, 2.0);
    sketch.text(QRectF(x + 50, labelTop, 300, 240), QStringLiteral("P"), kLoad, core::fonts::bold);
}

// The moment M: a pair of curved arrows turning clockwise around the top of the load arrow.
void moment(ui::Sketch &sketch, QPointF centre, double radius)
{
    sketch.momentArrow(centre, radius, 150, -100, kLoad);
    sketch.momentArrow(centre, radius, -30, -100, kLoad);
    sketch.text(QRectF(centre.x() + radius + 20, centre.y() - radius - 60, 300, 240),
                QStringLiteral("M"), kLoad, core::fonts::bold);
}

// A beam of an inverted-T footing: web, stirrup, and its top and bottom bars.
void beam(ui::Sketch &sketch, const Section &s, double left, double right, double top, double dot)
{
    sketch.concrete(span(left, right, top, s.rcTop + 2));
    const double inset = (right - left) * 0.1;
    const QRectF stirrup = span(left + inset, right - inset, top + inset, mainBarLevel(s) - 25);
    sketch.box(stirrup, kBar, QColor(), core::Fill::None, Qt::black, 1.5);
    const double barInset = inset + 2.2 * dot;
    sketch.barDots(left + barInset, right - barInset, stirrup.top() + 2 * dot, 3, dot, kBar);
    sketch.barDots(left + barInset, right - barInset, stirrup.bottom() - 2 * dot, 3, dot, kBar);
}

// The plan of a strip: PC outline, RC footing with its bars, and what stands on it.
void plan(ui::Sketch &sketch, const QRectF &rc, double pcProjection, int mainBars,
          int secondaryBars)
{
    const QRectF pc = rc.adjusted(-pcProjection, -80, pcProjection, 80);
    sketch.polyline({pc.topLeft(), pc.topRight(), pc.bottomRight(), pc.bottomLeft(), pc.topLeft()},
                    kNote, 1.0, Qt::DashLine);
    sketch.box(rc, Qt::black, kPlanFill);
    for (int i = 0; i < mainBars; ++i) {
        const double y = rc.top() + rc.height() * (i + 0.5) / mainBars;
        sketch.line(QPointF(rc.left() + 60, y), QPointF(rc.right() - 60, y), kBar);
    }
    for (int i = 0; i < secondaryBars; ++i) {
        const double x = rc.left() + 100 + (rc.width() - 200) * i / (secondaryBars - 1);
        sketch.line(QPointF(x, rc.top() + 30), QPointF(x, rc.bottom() - 30), kBar, 1.0,
                    Qt::DashLine);
    }
}

void caption(ui::Sketch &sketch, const QRectF &box, const QString &text)
{
    sketch.text(box, text, kNote, core::fonts::regular, Qt::AlignHCenter | Qt::AlignTop);
}

// The design sketches share one section and one plan frame.
constexpr Section kDesignSection{500, 3600, 1150, 1550, 1720, 250};
const QRectF kDesignPlan = span(500, 3600, 2200, 3500);

void designFrame(ui::Sketch &sketch)
{
    footing(sketch, kDesignSection, 11, 26);
    caption(sketch, QRectF(0, 1760, 4065, 240), QStringLiteral("Section"));
    caption(sketch, QRectF(0, 3590, 4065, 240), QStringLiteral("Plan"));
}

// The leaders to the main bars (from the left) and to the secondary bars (from the right),
// ending in the bar symbols that the annotation labels stand beside.
void leaders(ui::Sketch &sketch, QPointF mainPhi, double mainFoot, QPointF secondaryPhi,
             double secondaryFoot)
{
    sketch.leaderWithPhi({QPointF(mainFoot, mainBarLevel(kDesignSection)), mainPhi}, 320, kLeader);
    sketch.leaderWithPhi({QPointF(secondaryFoot, secondaryBarLevel(kDesignSection)), secondaryPhi},
                         320, kLeader);
}

} // namespace

// --- the chooser ------------------------------------------------------------------------------

void uniformCase(QPainter &painter)
{
    ui::Sketch sketch(painter);
    const Section s{1050, 2450, 1350, 1650, 1790, 140};
    wall(sketch, s, 1530, 1970, 480);
    footing(sketch, s, 7, 20);
    load(sketch, 1750, 60, 470, 40);
    sketch.pressure(1050, 2450, 1810, 360, 360, kPressure);
}

void momentCase(QPainter &painter)
{
    ui::Sketch sketch(painter);
    const Section s{500, 1900, 1350, 1650, 1790, 140};
    wall(sketch, s, 830, 1270, 620);
    footing(sketch, s, 7, 20);
    load(sketch, 1050, 60, 610, 400);
    moment(sketch, QPointF(1050, 260), 190);
    sketch.pressure(500, 1900, 1810, 360, 360, kPressure);
}

void nonUniformCase(QPainter &painter)
{
    ui::Sketch sketch(painter);
    const Section s{1150, 2650, 1350, 1650, 1790, 140};
    wall(sketch, s, 1680, 2120, 620);
    footing(sketch, s, 7, 20);
    load(sketch, 1900, 60, 610, 400);
    moment(sketch, QPointF(1900, 260), 190);
    sketch.pressure(1150, 2650, 1810, 520, 180, kPressure);
}

void columnCase(QPainter &painter)
{
    ui::Sketch sketch(painter);
    const Section s{1000, 2650, 1350, 1650, 1790, 140};
    sketch.plainConcrete(
        span(s.rcLeft - s.pcProjection, s.rcRight + s.pcProjection, s.rcBottom, s.pcBottom));
    sketch.concrete(span(s.rcLeft, s.rcRight, s.rcTop, s.rcBottom));
    beam(sketch, s, 1600, 2050, 560, 22);
    const double y = mainBarLevel(s);
    sketch.line(QPointF(s.rcLeft + 50, y), QPointF(s.rcRight - 50, y), kBar, 2.0);
    sketch.barDots(s.rcLeft + 110, 1560, y - 40, 4, 20, kBar);
    sketch.barDots(2090, s.rcRight - 110, y - 40, 4, 20, kBar);
    load(sketch, 1825, 80, 550, 60);
    sketch.pressure(s.rcLeft, s.rcRight, 1810, 360, 360, kPressure);
}

// --- the design window ------------------------------------------------------------------------

void centredWall(QPainter &painter)
{
    ui::Sketch sketch(painter);
    designFrame(sketch);
    wall(sketch, kDesignSection, 1650, 2450, 620);
    leaders(sketch, QPointF(900, 455), 1250, QPointF(3360, 455), 2950);
    plan(sketch, kDesignPlan, 250, 9, 11);
    sketch.column(span(1650, 2450, kDesignPlan.top() - 60, kDesignPlan.bottom() + 60));
}

void offCentreWall(QPainter &painter)
{
    ui::Sketch sketch(painter);
    designFrame(sketch);
    wall(sketch, kDesignSection, 1000, 1800, 620);
    // The footing's centre line and the wall's, a distance e apart.
    const double middle = (kDesignSection.rcLeft + kDesignSection.rcRight) / 2;
    sketch.line(QPointF(middle, 330), QPointF(middle, 1900), kNote, 1.0, Qt::DashDotLine);
    sketch.line(QPointF(1400, 330), QPointF(1400, 1900), kNote, 1.0, Qt::DashDotLine);
    sketch.arrow(QPointF(middle, 450), QPointF(1400, 450), kNote, 1.0);
    sketch.text(QRectF(1400, 180, middle - 1400, 240), QStringLiteral("e"), kNote,
                core::fonts::bold, Qt::AlignHCenter | Qt::AlignTop);
    leaders(sketch, QPointF(2700, 215), 2450, QPointF(3360, 575), 3150);
    plan(sketch, kDesignPlan, 250, 9, 11);
    sketch.column(span(1000, 1800, kDesignPlan.top() - 60, kDesignPlan.bottom() + 60));
}

void beamAndColumns(QPainter &painter)
{
    ui::Sketch sketch(painter);
    designFrame(sketch);
    beam(sketch, kDesignSection, 2100, 2700, 480, 26);
    leaders(sketch, QPointF(900, 455), 1250, QPointF(3360, 455), 3050);
    // The beam in plan with the columns standing on it.
    plan(sketch, kDesignPlan, 250, 9, 11);
    sketch.box(span(2100, 2700, kDesignPlan.top() - 60, kDesignPlan.bottom() + 60), Qt::black,
               QColor(0xDD, 0xDD, 0xD4));
    for (double y : {2350.0, 3050.0})
        sketch.column(span(2100, 2700, y, y + 300));
}

} // namespace strip::sketches
