#include "isolated/isolated_sketches.h"

#include "widgets/sketch.h"

#include <QPainter>

namespace isolated::sketches {

namespace {

const QColor kLoad(0x00, 0x00, 0x80);
const QColor kPressure(0x00, 0x60, 0xC0);
const QColor kLongBars(0xC0, 0x00, 0x00);
const QColor kShortBars(0x00, 0x00, 0xC0);
const QColor kLeader(0xFF, 0x80, 0x00);
const QColor kOutline(0x60, 0x60, 0x60);
const QColor kSoil(0x8B, 0x5A, 0x2B);

// How the four cases differ in the chooser.
struct CaseLook {
    double centre;       // footing centre, twips from the left
    double columnShift;  // column centre relative to the footing centre
    double leftPressure; // ordinates of the pressure diagram
    double rightPressure;
    bool moment;
};

constexpr CaseLook kLooks[4] = {
    {1750, 0, 320, 320, false},   // uniform stress under an axial load
    {1800, 0, 0, 560, true},      // zero at one edge
    {1350, -350, 320, 320, true}, // column off-centre so the stress stays uniform
    {1300, 0, 200, 520, true},    // trapezoidal
};

// A bottom bar with its hooks, seen along its length.
void barWithHooks(ui::Sketch &sketch, double x1, double x2, double y, double hook,
                  const QColor &colour)
{
    sketch.polyline({{x1, y - hook}, {x1, y}, {x2, y}, {x2, y - hook}}, colour, 1.5);
}

} // namespace

void loadingCase(QPainter &painter, int footingCase)
{
    if (footingCase < 0 || footingCase > 3)
        return;
    const CaseLook &look = kLooks[footingCase];
    ui::Sketch sketch(painter);
    const double cx = look.centre;
    const double columnX = cx + look.columnShift;

    // Footing: RC on PC blinding, column on top.
    const QRectF rc(cx - 850, 1450, 1700, 270);
    const QRectF pc(cx - 950, 1720, 1900, 120);
    sketch.plainConcrete(pc);
    sketch.concrete(rc);
    sketch.column(QRectF(columnX - 140, 650, 280, 800));
    barWithHooks(sketch, rc.left() + 60, rc.right() - 60, 1660, 120, kLongBars);
    sketch.barDots(rc.left() + 120, rc.right() - 120, 1620, 9, 18, kShortBars);

    // Load and moment.
    sketch.arrow(QPointF(columnX, 120), QPointF(columnX, 640), kLoad, 2.0);
    sketch.text(QRectF(columnX + 50, 30, 300, 240), QStringLiteral("P"), kLoad, core::fonts::bold);
    if (look.moment) {
        sketch.momentArrow(QPointF(columnX, 530), 220, 160, -140, kLoad);
        sketch.text(QRectF(columnX - 480, 330, 240, 240), QStringLiteral("M"), kLoad,
                    core::fonts::bold);
    }

    // Soil pressure under the PC footing.
    sketch.pressure(pc.left(), pc.right(), pc.bottom() + 60, look.leftPressure, look.rightPressure,
                    kPressure);
}

void footing(QPainter &painter, bool offCentre)
{
    ui::Sketch sketch(painter);
    const double columnLeft = offCentre ? 1150 : 1800;

    // Section along L.
    const QRectF rc(600, 1350, 3000, 350);
    const QRectF pc(420, 1700, 3360, 180);
    sketch.line(QPointF(150, pc.bottom()), QPointF(4050, pc.bottom()), kSoil, 1.5);
    sketch.soil(QRectF(150, pc.bottom(), 3900, 150), kSoil);
    sketch.plainConcrete(pc);
    sketch.concrete(rc);
    sketch.column(QRectF(columnLeft, 650, 600, rc.top() - 650));
    barWithHooks(sketch, rc.left() + 60, rc.right() - 60, 1630, 150, kLongBars);
    sketch.barDots(rc.left() + 120, rc.right() - 120, 1590, 13, 24, kShortBars);

    // Plan: the PC outline, the RC footing with both layers of bars, the column.
    const QRectF pcPlan(420, 2120, 3360, 1480);
    const QRectF rcPlan(600, 2290, 3000, 1140);
    sketch.box(pcPlan, kOutline, QColor(0xE0, 0xE0, 0xE0));
    sketch.box(rcPlan, Qt::black, QColor(0xF0, 0xF0, 0xE8));
    for (double y = rcPlan.top() + 90; y < rcPlan.bottom() - 50; y += 120)
        sketch.line(QPointF(rcPlan.left() + 60, y), QPointF(rcPlan.right() - 60, y), kLongBars);
    for (double x = rcPlan.left() + 120; x < rcPlan.right() - 60; x += 230)
        sketch.line(QPointF(x, rcPlan.top() + 60), QPointF(x, rcPlan.bottom() - 60), kShortBars);
    const double columnMiddle = rcPlan.center().y();
    sketch.column(QRectF(columnLeft, columnMiddle - 150, 600, 300));
    sketch.text(QRectF(rcPlan.left(), pcPlan.bottom() + 20, rcPlan.width(), 240),
                QStringLiteral("L"), Qt::black, core::fonts::bold, Qt::AlignHCenter | Qt::AlignTop);
    sketch.text(QRectF(pcPlan.right() + 60, rcPlan.top(), 300, rcPlan.height()),
                QStringLiteral("B"), Qt::black, core::fonts::bold,
                Qt::AlignLeft | Qt::AlignVCenter);

    // Leaders from the bars to the bar notes: long bars, then short bars.
    if (offCentre) {
        sketch.leaderWithPhi({{2600, 1630}, {3135, 265}}, 1150, kLeader);
        sketch.leaderWithPhi({{3300, 1590}, {3855, 625}}, 1150, kLeader);
    } else {
        sketch.leaderWithPhi({{1100, 1630}, {765, 625}}, 1000, kLeader);
        sketch.leaderWithPhi({{3200, 1590}, {3645, 505}}, 1000, kLeader);
    }
}

} // namespace isolated::sketches
