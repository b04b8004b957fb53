#include "app/info_drawings.h"

#include "widgets/painting.h"
#include "widgets/sketch.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace app::drawings {

namespace {

// A small fixed pseudo-random sequence, so textures look the same on every paint.
class Scatter
{
public:
    explicit Scatter(std::uint32_t seed) : m_state(seed) {}
    // A number in [0, 1).
    double next()
    {
        m_state = m_state * 1664525u + 1013904223u;
        return (m_state >> 8) / double(1u << 24);
    }
    double between(double low, double high) { return low + (high - low) * next(); }

private:
    std::uint32_t m_state;
};

// An Arabic-capable face for large lettering, the calligraphic ones first.
QFont letteringFont(double pixelSize)
{
    QFont font;
    font.setFamilies({QStringLiteral("Amiri"), QStringLiteral("Scheherazade New"),
                      QStringLiteral("Noto Naskh Arabic"), QStringLiteral("Traditional Arabic"),
                      QStringLiteral("DejaVu Sans")});
    font.setPixelSize(static_cast<int>(pixelSize));
    font.setBold(true);
    return font;
}

// --- the construction site of the about window ---------------------------------------------

void sky(QPainter &painter)
{
    QLinearGradient light(0, 0, 0, 3300);
    light.setColorAt(0.0, QColor(0xFB, 0xF7, 0xEC));
    light.setColorAt(0.55, QColor(0xF8, 0xE2, 0xBC));
    light.setColorAt(1.0, QColor(0xEE, 0xB2, 0x74));
    painter.fillRect(QRectF(0, 0, 9600, 3300), light);

    QRadialGradient glow(QPointF(2300, 2750), 2200);
    glow.setColorAt(0.0, QColor(0xFF, 0xFB, 0xE8, 0xF0));
    glow.setColorAt(0.15, QColor(0xFF, 0xEC, 0xB0, 0xC0));
    glow.setColorAt(1.0, QColor(0xFF, 0xD8, 0x90, 0x00));
    painter.fillRect(QRectF(0, 0, 9600, 3300), glow);

    // Thin streaks of cloud.
    painter.setPen(Qt::NoPen);
    Scatter scatter(7);
    for (int i = 0; i < 9; ++i) {
        const double y = scatter.between(1300, 2500);
        const double x = scatter.between(500, 8500);
        const double w = scatter.between(900, 2200);
        painter.setBrush(QColor(0xFF, 0xFF, 0xFF, int(scatter.between(40, 90))));
        painter.drawEllipse(QRectF(x, y, w, scatter.between(50, 110)));
    }
}

void distantCity(QPainter &painter)
{
    QPainterPath hills;
    hills.moveTo(0, 3300);
    hills.lineTo(0, 2950);
    hills.quadTo(1200, 2780, 2400, 2960);
    hills.quadTo(3600, 3080, 5000, 2900);
    hills.quadTo(7000, 2700, 9600, 2980);
    hills.lineTo(9600, 3300);
    hills.closeSubpath();
    painter.fillPath(hills, QColor(0xB4, 0xA8, 0xA8, 0xB0));

    // Far towers, pale in the haze.
    Scatter scatter(21);
    for (double x = 300; x < 9400;) {
        const double w = scatter.between(180, 420);
        const double h = scatter.between(150, 700);
        painter.fillRect(QRectF(x, 3250 - h, w, h + 50), QColor(0x9C, 0x94, 0x9C, 0x90));
        x += w + scatter.between(60, 500);
    }
}

void groundAndPit(QPainter &painter)
{
    QLinearGradient earth(0, 3200, 0, 5200);
    earth.setColorAt(0.0, QColor(0xB8, 0x8E, 0x60));
    earth.setColorAt(1.0, QColor(0x6E, 0x4C, 0x30));
    painter.fillRect(QRectF(0, 3200, 9600, 4000), earth);

    // The excavation for the footings, seen from above its edge.
    QPainterPath pit;
    pit.moveTo(900, 3850);
    pit.lineTo(8700, 3850);
    pit.lineTo(9300, 5200);
    pit.lineTo(300, 5200);
    pit.closeSubpath();
    QLinearGradient pitShade(0, 3850, 0, 5200);
    pitShade.setColorAt(0.0, QColor(0x5A, 0x3E, 0x28));
    pitShade.setColorAt(1.0, QColor(0x7A, 0x58, 0x3A));
    painter.fillPath(pit, pitShade);
    painter.setPen(ui::cosmeticPen(QColor(0x4A, 0x30, 0x1C), 1.5));
    painter.drawLine(QPointF(900, 3850), QPointF(8700, 3850));

    // Pebbles and clods.
    Scatter scatter(99);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 420; ++i) {
        const double x = scatter.between(0, 9600);
        const double y = scatter.between(3300, 5000);
        const double r = scatter.between(10, 34);
        const bool light = scatter.next() < 0.5;
        painter.setBrush(light ? QColor(0xD8, 0xB8, 0x8C, 0x70) : QColor(0x40, 0x2A, 0x18, 0x60));
        painter.drawEllipse(QRectF(x, y, r * 1.6, r));
    }
}

// A footing cast in the pit: blinding, the concrete block and the column starter bars.
void castFooting(QPainter &painter, double centreX, double bottom, double width)
{
    const double pcHeight = 70, rcHeight = 260;
    painter.fillRect(QRectF(centreX - width / 2 - 80, bottom - pcHeight, width + 160, pcHeight),
                     QColor(0x9A, 0x96, 0x90));
    const QRectF block(centreX - width / 2, bottom - pcHeight - rcHeight, width, rcHeight);
    QLinearGradient face(block.topLeft(), block.bottomLeft());
    face.setColorAt(0.0, QColor(0xE2, 0xDE, 0xD6));
    face.setColorAt(1.0, QColor(0xA8, 0xA4, 0x9C));
    painter.fillRect(block, face);
    painter.fillRect(QRectF(block.left(), block.top() - 70, block.width(), 70),
                     QColor(0xEE, 0xEC, 0xE6));
    painter.setPen(ui::cosmeticPen(QColor(0x30, 0x2C, 0x28)));
    for (int bar = 0; bar < 4; ++bar) {
        const double x = centreX - 90 + bar * 60;
        painter.drawLine(QPointF(x, block.top() - 35), QPointF(x + 10, block.top() - 620));
    }
    painter.drawLine(QPointF(centreX - 100, block.top() - 300),
                     QPointF(centreX + 110, block.top() - 300));
}

void frameUnderConstruction(QPainter &painter)
{
    const QColor concrete(0x62, 0x5E, 0x5E);
    const double ground = 3500, storey = 430, left = 4700, bay = 700;
    const int bays = 4, storeys = 5;
    for (int floor = 0; floor < storeys; ++floor) {
        const double slab = ground - (floor + 1) * storey;
        const int spans = floor == storeys - 1 ? 2 : bays; // the top floor is half built
        for (int column = 0; column <= spans; ++column)
            painter.fillRect(QRectF(left + column * bay - 35, slab, 70, storey), concrete);
        painter.fillRect(QRectF(left - 80, slab - 50, spans * bay + 160, 60), concrete);
    }
    // Starter bars waiting on the top floor.
    painter.setPen(ui::cosmeticPen(QColor(0x40, 0x30, 0x28)));
    const double top = ground - storeys * storey - 50;
    for (int column = 0; column <= 2; ++column)
        for (int bar = -1; bar <= 1; bar += 2)
            painter.drawLine(QPointF(left + column * bay + bar * 18, top),
                             QPointF(left + column * bay + bar * 18, top - 220));
    // Scaffolding along the unfinished side.
    painter.setPen(ui::cosmeticPen(QColor(0x50, 0x48, 0x40, 0xC0)));
    const double x0 = left + bays * bay + 120, x1 = x0 + 260;
    painter.drawLine(QPointF(x0, ground), QPointF(x0, ground - 4 * storey));
    painter.drawLine(QPointF(x1, ground), QPointF(x1, ground - 4 * storey));
    for (int level = 0; level <= 4; ++level) {
        const double y = ground - level * storey;
        painter.drawLine(QPointF(x0, y), QPointF(x1, y));
        if (level < 4)
            painter.drawLine(QPointF(x0, y), QPointF(x1, y - storey));
    }
}

// Kept below the top of the picture, where the about text runs on over the sky.
void towerCrane(QPainter &painter)
{
    const QColor steel(0x3A, 0x36, 0x38);
    painter.setPen(ui::cosmeticPen(steel, 1.2));
    const double mastLeft = 3600, mastRight = 3740, mastFoot = 3500;
    const double jibTop = 1150, jibBottom = 1260, jibEnd = 6600, counterEnd = 2500;
    const QPointF apex(3670, 880);
    painter.drawLine(QPointF(mastLeft, mastFoot), QPointF(mastLeft, jibTop));
    painter.drawLine(QPointF(mastRight, mastFoot), QPointF(mastRight, jibTop));
    for (double y = mastFoot; y > jibBottom + 130; y -= 130)
        painter.drawLine(QPointF(mastLeft, y), QPointF(mastRight, y - 130));
    // Jib and counter-jib, latticed.
    painter.drawLine(QPointF(counterEnd, jibTop), QPointF(jibEnd, jibTop));
    painter.drawLine(QPointF(counterEnd, jibBottom), QPointF(jibEnd, jibBottom));
    bool up = true;
    for (double x = counterEnd; x < jibEnd; x += 110, up = !up)
        painter.drawLine(QPointF(x, up ? jibBottom : jibTop),
                         QPointF(x + 110, up ? jibTop : jibBottom));
    // The apex and its ties.
    painter.drawLine(QPointF(mastLeft, jibTop), apex);
    painter.drawLine(QPointF(mastRight, jibTop), apex);
    painter.drawLine(apex, QPointF(jibEnd - 500, jibTop));
    painter.drawLine(apex, QPointF(counterEnd + 100, jibTop));
    painter.fillRect(QRectF(counterEnd + 60, jibBottom, 380, 230), steel);
    painter.fillRect(QRectF(mastRight, jibBottom, 170, 150), steel);
    // The hook with a bundle of bars on its way to the top floor.
    const double hookX = 6000, hookY = 1750;
    painter.drawLine(QPointF(hookX, jibBottom), QPointF(hookX, hookY));
    painter.drawLine(QPointF(hookX, hookY), QPointF(hookX - 240, hookY + 110));
    painter.drawLine(QPointF(hookX, hookY), QPointF(hookX + 240, hookY + 110));
    for (int bar = 0; bar < 4; ++bar)
        painter.drawLine(QPointF(hookX - 480, hookY + 110 + bar * 14),
                         QPointF(hookX + 480, hookY + 110 + bar * 14));
}

void vignette(QPainter &painter)
{
    QRadialGradient shade(QPointF(4500, 2400), 5200);
    shade.setColorAt(0.0, QColor(0, 0, 0, 0));
    shade.setColorAt(0.7, QColor(0, 0, 0, 0));
    shade.setColorAt(1.0, QColor(0x20, 0x10, 0x00, 0x60));
    painter.fillRect(QRectF(0, 0, 9600, 7200), shade);
}

// --- the calligraphy ---------------------------------------------------------------------

// An eight-pointed star of two overlapping squares, the unit of the background pattern.
QPainterPath eightPointStar(QPointF centre, double radius)
{
    QPainterPath star;
    for (int square = 0; square < 2; ++square) {
        QPolygonF corners;
        for (int corner = 0; corner < 4; ++corner) {
            const double angle = std::numbers::pi / 4 * square + std::numbers::pi / 2 * corner;
            corners << centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
        }
        corners << corners.first();
        star.addPolygon(corners);
    }
    return star;
}

void parchment(QPainter &painter)
{
    QRadialGradient paper(QPointF(4800, 3400), 6600);
    paper.setColorAt(0.0, QColor(0xF5, 0xEA, 0xCC));
    paper.setColorAt(0.6, QColor(0xE2, 0xCC, 0x98));
    paper.setColorAt(1.0, QColor(0xB4, 0x90, 0x58));
    painter.fillRect(QRectF(0, 0, 9600, 7200), paper);

    painter.setPen(ui::cosmeticPen(QColor(0x8A, 0x5C, 0x20, 0x48)));
    painter.setBrush(Qt::NoBrush);
    for (double y = 0; y <= 7200; y += 800)
        for (double x = (int(y / 800) % 2) * 400; x <= 9600; x += 800)
            painter.drawPath(eightPointStar(QPointF(x, y), 300));

    Scatter scatter(3);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 1600; ++i) {
        const double r = scatter.between(6, 26);
        painter.setBrush(QColor(0x6A, 0x44, 0x18, int(scatter.between(10, 45))));
        painter.drawEllipse(QRectF(scatter.between(0, 9600), scatter.between(0, 7200), r, r));
    }

    // A double rule round the part of the picture the window shows (9600 x 7170).
    painter.setPen(ui::cosmeticPen(QColor(0x7A, 0x50, 0x18), 2.0));
    painter.drawRect(QRectF(45, 45, 9510, 7080));
    painter.setPen(ui::cosmeticPen(QColor(0xB8, 0x8A, 0x2A), 1.0));
    painter.drawRect(QRectF(105, 105, 9390, 6960));
}

void medallion(QPainter &painter, const QRectF &oval)
{
    QRadialGradient green(oval.center(), oval.width() / 2);
    green.setColorAt(0.0, QColor(0x23, 0x77, 0x58));
    green.setColorAt(1.0, QColor(0x0A, 0x36, 0x28));
    painter.setBrush(green);
    painter.setPen(ui::cosmeticPen(QColor(0xD8, 0xAE, 0x3C), 3.0));
    painter.drawEllipse(oval);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(ui::cosmeticPen(QColor(0xF0, 0xD0, 0x70), 1.0));
    painter.drawEllipse(oval.adjusted(90, 90, -90, -90));
    // Small gold stars on the rim.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xE0, 0xB4, 0x40));
    for (int i = 0; i < 16; ++i) {
        const double angle = 2 * std::numbers::pi * i / 16;
        const QPointF at(oval.center().x() + (oval.width() / 2 + 170) * std::cos(angle),
                         oval.center().y() + (oval.height() / 2 + 170) * std::sin(angle));
        painter.drawPath(eightPointStar(at, 70));
    }
    painter.setBrush(Qt::NoBrush);
}

// One line of lettering, centred on `centre`, gilded with a dark edge and a soft shadow.
void gildedLine(QPainter &painter, const QString &text, QPointF centre, double pixelSize)
{
    QPainterPath path;
    path.addText(0, 0, letteringFont(pixelSize), text);
    const QRectF bounds = path.boundingRect();
    path.translate(centre - bounds.center());
    painter.fillPath(path.translated(45, 45), QColor(0, 0, 0, 0x70));
    QLinearGradient gold(0, centre.y() - pixelSize / 2, 0, centre.y() + pixelSize / 2);
    gold.setColorAt(0.0, QColor(0xFF, 0xF4, 0xB0));
    gold.setColorAt(0.5, QColor(0xE0, 0xAC, 0x20));
    gold.setColorAt(1.0, QColor(0x9A, 0x6C, 0x10));
    painter.fillPath(path, gold);
    painter.strokePath(path, ui::cosmeticPen(QColor(0x4A, 0x30, 0x08), 1.0));
}

// --- the designer's portrait ------------------------------------------------------------

void portraitBackdrop(QPainter &painter, const QRectF &area)
{
    QRadialGradient studio(QPointF(area.center().x(), area.height() * 0.35), area.height() * 0.8);
    studio.setColorAt(0.0, QColor(0xD6, 0xE2, 0xEE));
    studio.setColorAt(1.0, QColor(0x5E, 0x78, 0x98));
    painter.fillRect(area, studio);
}

// --- the blueprint ----------------------------------------------------------------------

void blueprintGrid(QPainter &painter, const QRectF &sheet)
{
    QLinearGradient paper(sheet.topLeft(), sheet.bottomRight());
    paper.setColorAt(0.0, QColor(0x22, 0x58, 0x9C));
    paper.setColorAt(1.0, QColor(0x14, 0x3C, 0x74));
    painter.fillRect(sheet, paper);
    painter.setPen(ui::cosmeticPen(QColor(0xFF, 0xFF, 0xFF, 0x26)));
    for (double x = 0; x <= sheet.width(); x += 300)
        painter.drawLine(QPointF(x, 0), QPointF(x, sheet.height()));
    for (double y = 0; y <= sheet.height(); y += 300)
        painter.drawLine(QPointF(0, y), QPointF(sheet.width(), y));
}

// A dimension line with ticks at both ends and its text above the middle.
void dimension(ui::Sketch &sketch, QPointF from, QPointF to, const QString &text,
               const QColor &colour)
{
    sketch.line(from, to, colour);
    for (QPointF end : {from, to})
        sketch.line(end + QPointF(-45, 45), end + QPointF(45, -45), colour, 1.5);
    const QPointF middle = (from + to) / 2;
    sketch.text(QRectF(middle.x() - 600, middle.y() - 260, 1200, 240), text, colour,
                core::fonts::bold, Qt::AlignHCenter | Qt::AlignBottom);
}

} // namespace

void constructionSite(QPainter &painter)
{
    sky(painter);
    distantCity(painter);
    groundAndPit(painter);
    frameUnderConstruction(painter);
    towerCrane(painter);
    castFooting(painter, 2100, 4900, 1100);
    castFooting(painter, 4300, 4950, 1300);
    castFooting(painter, 6600, 4900, 1100);
    vignette(painter);
}

void calligraphy(QPainter &painter)
{
    parchment(painter);
    const QRectF oval(1500, 600, 6600, 5000);
    medallion(painter, oval);
    // "And say: my Lord, increase me in knowledge."
    gildedLine(painter, QStringLiteral("وقل رب"), QPointF(4800, 2400), 1100);
    gildedLine(painter, QStringLiteral("زدني علما"), QPointF(4800, 3850), 1100);
}

void designerPortrait(QPainter &painter)
{
    const QRectF area(0, 0, 1815, 2295);
    portraitBackdrop(painter, area);
    painter.setPen(Qt::NoPen);

    // Shoulders in a dark jacket, an open collar.
    QPainterPath jacket;
    jacket.moveTo(80, 2295);
    jacket.cubicTo(120, 1700, 420, 1560, 907, 1540);
    jacket.cubicTo(1395, 1560, 1695, 1700, 1735, 2295);
    jacket.closeSubpath();
    QLinearGradient cloth(0, 1540, 0, 2295);
    cloth.setColorAt(0.0, QColor(0x2E, 0x3A, 0x52));
    cloth.setColorAt(1.0, QColor(0x18, 0x20, 0x30));
    painter.fillPath(jacket, cloth);
    QPainterPath collar;
    collar.moveTo(700, 1560);
    collar.lineTo(907, 1900);
    collar.lineTo(1115, 1560);
    collar.closeSubpath();
    painter.fillPath(collar, QColor(0xF2, 0xF2, 0xEE));

    // Neck and head.
    const QColor skinLight(0xE9, 0xC4, 0x9E), skinDark(0xB8, 0x86, 0x60);
    painter.fillRect(QRectF(790, 1280, 235, 320), skinDark);
    QRadialGradient skin(QPointF(860, 900), 520);
    skin.setColorAt(0.0, skinLight);
    skin.setColorAt(1.0, skinDark);
    painter.setBrush(skin);
    painter.drawEllipse(QRectF(560, 620, 700, 820));

    // A safety helmet with its brim.
    QPainterPath helmet;
    helmet.moveTo(500, 900);
    helmet.cubicTo(500, 420, 1315, 420, 1315, 900);
    helmet.closeSubpath();
    QLinearGradient yellow(0, 480, 0, 900);
    yellow.setColorAt(0.0, QColor(0xFF, 0xE2, 0x50));
    yellow.setColorAt(1.0, QColor(0xD8, 0xA0, 0x10));
    painter.fillPath(helmet, yellow);
    painter.fillRect(QRectF(430, 870, 955, 70), QColor(0xC8, 0x90, 0x10));
    painter.fillRect(QRectF(880, 520, 55, 360), QColor(0xF8, 0xD0, 0x40));
    painter.setBrush(Qt::NoBrush);
}

void foundationBlueprint(QPainter &painter)
{
    const QRectF sheet(0, 0, 6210, 4335);
    blueprintGrid(painter, sheet);
    ui::Sketch sketch(painter);
    const QColor ink(0xF4, 0xF8, 0xFF);
    const QColor soft(0xB8, 0xD4, 0xF4);

    // A three-storey frame on isolated footings, in elevation.
    const double ground = 3000;
    const double columns[] = {700, 2400, 4100};
    const double floors[] = {2350, 1700, 1050};
    for (double x : columns)
        sketch.line(QPointF(x, ground), QPointF(x, floors[2]), ink, 2.0);
    for (double y : floors)
        sketch.line(QPointF(columns[0] - 300, y), QPointF(columns[2] + 300, y), ink, 2.0);
    sketch.line(QPointF(150, ground), QPointF(4900, ground), soft, 1.0);
    sketch.soil(QRectF(150, ground, 4750, 120), soft);
    for (double x : columns) {
        sketch.line(QPointF(x, ground), QPointF(x, 3330), ink, 2.0);
        sketch.box(QRectF(x - 380, 3330, 760, 260), ink, QColor(), core::Fill::UpwardDiagonal,
                   soft);
        sketch.box(QRectF(x - 480, 3590, 960, 90), ink);
    }
    dimension(sketch, QPointF(columns[0], 780), QPointF(columns[1], 780), QStringLiteral("L1"),
              ink);
    dimension(sketch, QPointF(columns[1], 780), QPointF(columns[2], 780), QStringLiteral("L2"),
              ink);
    dimension(sketch, QPointF(columns[2] - 480, 3900), QPointF(columns[2] + 480, 3900),
              QStringLiteral("B1"), ink);

    // The title block.
    const QRectF title(4850, 3450, 1260, 785);
    sketch.box(title, ink);
    sketch.line(QPointF(title.left(), title.top() + 300), QPointF(title.right(), title.top() + 300),
                ink);
    sketch.text(title.adjusted(0, 30, 0, 0), QStringLiteral("Foundations"), ink, core::fonts::bold,
                Qt::AlignHCenter | Qt::AlignTop);
    sketch.text(title.adjusted(0, 340, 0, 0), QStringLiteral("Sheet 1\nU.L.S"), soft,
                core::fonts::regular, Qt::AlignHCenter | Qt::AlignTop);
}

} // namespace app::drawings
