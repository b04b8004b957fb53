#include "combined/combined_sketches.h"

#include "widgets/painting.h"
#include "widgets/sketch.h"

#include <QPainter>

namespace combined::sketches {

namespace {

// Heights of the section, twips from the top of the picture.
constexpr double kColumnTop = 420;
constexpr double kFootingTop = 1500;
constexpr double kFootingBottom = 2400;
constexpr double kBlindingBottom = 2640;
constexpr double kTopBar = 1590;     // longitudinal top bars
constexpr double kTopMesh = 1650;    // transverse top bars, end-on
constexpr double kBottomBar = 2310;  // longitudinal bottom bars
constexpr double kBottomMesh = 2250; // transverse bottom bars and beam bars, end-on
constexpr double kTopStroke = 1170;  // strokes under the symbols of the top leaders
constexpr double kBottomStroke = 3200;
constexpr double kFootingLeft = 240;
constexpr double kFootingRight = 7800;

const QColor kSteel(0x20, 0x20, 0x20);
const QColor kLeader(0xFF, 0x80, 0x00);

struct Leader {
    QPointF from; // on the bars
    QPointF phi;  // middle of the stroke under the symbol
};

struct Section {
    double c1Left, c1Right;
    double c2Left, c2Right;
    double beam1Inner, beam2Inner; // inner limits of the transverse beams
    Leader topMesh, topMain, beam1, bottomMain, bottomMesh, beam2;
};

// A column cut lengthwise: concrete, two starter bars hooked at the bottom mesh, and ties.
void drawColumn(ui::Sketch &sketch, double left, double right)
{
    const QRectF body(left, kColumnTop, right - left, kFootingTop - kColumnTop);
    sketch.concrete(body);
    // Break line across the top of the column.
    const double mid = (left + right) / 2;
    sketch.polyline({{left - 60, kColumnTop},
                     {mid - 40, kColumnTop},
                     {mid, kColumnTop - 60},
                     {mid + 20, kColumnTop + 60},
                     {mid + 60, kColumnTop},
                     {right + 60, kColumnTop}},
                    Qt::black);
    const double inner = 75;
    const double hook = 180;
    for (const double x : {left + inner, right - inner}) {
        const double inward = x < mid ? hook : -hook; // a flush face leaves no room outside
        sketch.polyline(
            {{x, kColumnTop + 30}, {x, kBottomMesh - 30}, {x + inward, kBottomMesh - 30}}, kSteel,
            1.5);
    }
    for (double y = kColumnTop + 150; y < kFootingTop - 60; y += 210)
        sketch.line({left + inner, y}, {right - inner, y}, kSteel, 1.0);
    for (const double y : {kFootingTop + 240, kFootingTop + 540})
        sketch.line({left + inner, y}, {right - inner, y}, kSteel, 1.0);
}

// Transverse bars seen end-on, evenly spaced from x1 to x2 at about `spacing`.
void barRow(ui::Sketch &sketch, double x1, double x2, double y, double spacing)
{
    const int count = std::max(2, static_cast<int>((x2 - x1) / spacing) + 1);
    sketch.barDots(x1, x2, y, count, 24, kSteel);
}

void drawLeader(ui::Sketch &sketch, const Leader &leader)
{
    sketch.line(leader.from, leader.phi, kLeader, 1.0);
    sketch.line({leader.phi.x() - 150, leader.phi.y()}, {leader.phi.x() + 150, leader.phi.y()},
                kLeader, 1.0);
    sketch.painter().setBrush(kLeader);
    sketch.painter().setPen(Qt::NoPen);
    sketch.painter().drawEllipse(leader.from, 32, 32);
    sketch.painter().setBrush(Qt::NoBrush);
    sketch.text(QRectF(leader.phi.x() - 120, leader.phi.y() - 225, 240, 225), ui::kPhi, Qt::black,
                core::fonts::regular, Qt::AlignHCenter | Qt::AlignBottom);
}

void drawSection(QPainter &painter, const Section &s)
{
    ui::Sketch sketch(painter);
    const double length = kFootingRight - kFootingLeft;
    sketch.concrete(QRectF(kFootingLeft, kFootingTop, length, kFootingBottom - kFootingTop));
    sketch.plainConcrete(
        QRectF(kFootingLeft, kFootingBottom, length, kBlindingBottom - kFootingBottom));

    // Longitudinal bars along the top and the bottom, with the transverse bars end-on: the
    // mesh between the beams, closer beam bars under the columns.
    const double barLeft = kFootingLeft + 75;
    const double barRight = kFootingRight - 75;
    sketch.line({barLeft, kTopBar}, {barRight, kTopBar}, kSteel, 2.0);
    sketch.line({barLeft, kBottomBar}, {barRight, kBottomBar}, kSteel, 2.0);
    sketch.line({barLeft, kTopBar}, {barLeft, kBottomBar}, kSteel, 2.0);
    sketch.line({barRight, kTopBar}, {barRight, kBottomBar}, kSteel, 2.0);
    barRow(sketch, barLeft + 60, barRight - 60, kTopMesh, 180);
    barRow(sketch, barLeft + 60, s.beam1Inner - 60, kBottomMesh, 105);
    barRow(sketch, s.beam1Inner + 120, s.beam2Inner - 120, kBottomMesh, 180);
    barRow(sketch, s.beam2Inner + 60, barRight - 60, kBottomMesh, 105);

    drawColumn(sketch, s.c1Left, s.c1Right);
    drawColumn(sketch, s.c2Left, s.c2Right);

    for (const double x : {s.beam1Inner, s.beam2Inner})
        sketch.line({x, kFootingTop - 120}, {x, kBlindingBottom + 120}, kLeader, 1.5, Qt::DashLine);

    for (const Leader &leader :
         {s.topMesh, s.topMain, s.beam1, s.bottomMain, s.bottomMesh, s.beam2})
        drawLeader(sketch, leader);
}

} // namespace

void sectionC1Flush(QPainter &painter)
{
    drawSection(painter, Section{
                             .c1Left = kFootingLeft,
                             .c1Right = 900,
                             .c2Left = 5800,
                             .c2Right = 6500,
                             .beam1Inner = 1800,
                             .beam2Inner = 4800,
                             .topMesh = {{2610, kTopMesh}, {2895, kTopStroke}},
                             .topMain = {{4300, kTopBar}, {4020, kTopStroke}},
                             .beam1 = {{560, kBottomMesh}, {720, kBottomStroke}},
                             .bottomMain = {{2900, kBottomBar}, {3180, kBottomStroke}},
                             .bottomMesh = {{4400, kBottomMesh}, {4845, kBottomStroke}},
                             .beam2 = {{7100, kBottomMesh}, {6825, kBottomStroke}},
                         });
}

void sectionC2Flush(QPainter &painter)
{
    drawSection(painter, Section{
                             .c1Left = 1200,
                             .c1Right = 1920,
                             .c2Left = 7140,
                             .c2Right = kFootingRight,
                             .beam1Inner = 2880,
                             .beam2Inner = 6240,
                             .topMesh = {{2650, kTopMesh}, {2910, kTopStroke}},
                             .topMain = {{4300, kTopBar}, {4020, kTopStroke}},
                             .beam1 = {{560, kBottomMesh}, {705, kBottomStroke}},
                             .bottomMain = {{3400, kBottomBar}, {3150, kBottomStroke}},
                             .bottomMesh = {{4500, kBottomMesh}, {4845, kBottomStroke}},
                             .beam2 = {{6700, kBottomMesh}, {6825, kBottomStroke}},
                         });
}

} // namespace combined::sketches
