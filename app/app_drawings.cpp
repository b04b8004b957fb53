#include "app/app_drawings.h"

#include "widgets/sketch.h"

#include <QLinearGradient>
#include <QPainter>

namespace app::drawings {

namespace {

const QColor kFace(0xC8, 0xC8, 0xC0);
const QColor kTop(0xE4, 0xE4, 0xDC);
const QColor kSide(0xA8, 0xA8, 0xA0);
const QColor kPcFace(0x98, 0x98, 0x98);
const QColor kPcTop(0xB8, 0xB8, 0xB8);
const QColor kPcSide(0x80, 0x80, 0x80);
const QColor kColumnFace(0xD8, 0xC8, 0xA8);
const QColor kColumnTop(0xEC, 0xE0, 0xC8);
const QColor kColumnSide(0xB8, 0xA8, 0x88);
const QColor kSoil(0x8B, 0x5A, 0x2B);

// A footing in three-quarter view: PC blinding, RC footing, and a column or wall on top.
// `x`, `y` is the front-bottom-left corner of the PC footing; sizes in twips.
struct FootingView {
    double x, y;
    double length;     // along the front face
    double depth;      // into the picture (drawn as an oblique offset)
    double columnLeft; // from the RC footing's left edge
    double columnWidth;
    double columnDepth;
    double columnHeight;
};

void drawFooting(ui::Sketch &sketch, const FootingView &v)
{
    const double pcHeight = 110, rcHeight = 260, projection = 110;
    const QPointF pcDepth(v.depth * 0.7, -v.depth * 0.5);
    sketch.block(QRectF(v.x, v.y - pcHeight, v.length, pcHeight), pcDepth, kPcFace, kPcTop,
                 kPcSide);
    const double rcX = v.x + projection * 0.6;
    const double rcLength = v.length - projection * 1.2;
    const QPointF rcShift(projection * 0.3, -projection * 0.2);
    const QPointF rcDepth(pcDepth * ((v.depth - projection) / v.depth));
    sketch.block(
        QRectF(QPointF(rcX, v.y - pcHeight - rcHeight) + rcShift, QSizeF(rcLength, rcHeight)),
        rcDepth, kFace, kTop, kSide);
    const QPointF columnDepth(v.columnDepth * 0.7, -v.columnDepth * 0.5);
    const QPointF inset = rcShift + (rcDepth - columnDepth) / 2;
    const QRectF column(QPointF(rcX + v.columnLeft, v.y - pcHeight - rcHeight - v.columnHeight) +
                            inset,
                        QSizeF(v.columnWidth, v.columnHeight));
    sketch.block(column, columnDepth, kColumnFace, kColumnTop, kColumnSide);
}

void ground(ui::Sketch &sketch, double x1, double x2, double y)
{
    sketch.line(QPointF(x1, y), QPointF(x2, y), kSoil, 1.5);
    sketch.soil(QRectF(x1, y, x2 - x1, 150), kSoil);
}

} // namespace

void splash(QPainter &painter)
{
    QLinearGradient sky(0, 0, 0, 7200);
    sky.setColorAt(0.0, QColor(0x10, 0x30, 0x70));
    sky.setColorAt(0.6, QColor(0x30, 0x70, 0xB0));
    sky.setColorAt(1.0, QColor(0xC8, 0xD8, 0xE8));
    painter.fillRect(QRectF(0, 0, 9600, 7200), sky);

    ui::Sketch sketch(painter);
    const core::Font title{26, true, false, false};
    const core::Font subtitle{12, true, true, false};
    sketch.text(QRectF(360, 600, 9000, 900), QStringLiteral("Design Of Foundations"), Qt::white,
                title, Qt::AlignHCenter | Qt::AlignTop);
    sketch.text(
        QRectF(360, 1650, 9000, 400),
        QStringLiteral("Reinforced-concrete shallow foundations by the ultimate limit state"),
        QColor(0xFF, 0xE0, 0x80), subtitle, Qt::AlignHCenter | Qt::AlignTop);
    sketch.line(QPointF(2400, 2250), QPointF(7560, 2250), QColor(0xFF, 0x80, 0x40), 2.0,
                Qt::DashLine);

    ground(sketch, 600, 9000, 6000);
    drawFooting(sketch, {1000, 6000, 2100, 1000, 700, 420, 300, 1800});
    drawFooting(sketch, {3900, 6000, 1800, 1400, 600, 360, 1300, 1500});
    drawFooting(sketch, {6700, 6000, 1700, 1000, 560, 420, 300, 2000});
    sketch.text(QRectF(360, 6300, 9000, 400),
                QStringLiteral("Isolated  \u2022  Strip  \u2022  Combined  \u2022  Strap"),
                QColor(0x20, 0x20, 0x40), core::fonts::largeBold, Qt::AlignHCenter | Qt::AlignTop);
}

void mainPicture(QPainter &painter)
{
    QLinearGradient sky(0, 0, 0, 2955);
    sky.setColorAt(0.0, QColor(0xE8, 0xF0, 0xFF));
    sky.setColorAt(1.0, QColor(0xFF, 0xFF, 0xFF));
    painter.fillRect(QRectF(0, 0, 6930, 2955), sky);
    ui::Sketch sketch(painter);
    ground(sketch, 120, 6800, 2500);
    // An isolated footing under a column on the left.
    drawFooting(sketch, {450, 2500, 2300, 1000, 780, 420, 300, 1500});
    // A strip footing under a wall on the right, running into the picture.
    drawFooting(sketch, {3700, 2500, 1500, 1700, 470, 380, 1600, 1400});
    sketch.text(QRectF(450, 2560, 2300, 300), QStringLiteral("Isolated footing"), Qt::darkBlue,
                core::fonts::bold, Qt::AlignHCenter | Qt::AlignTop);
    sketch.text(QRectF(3700, 2560, 2600, 300), QStringLiteral("Strip footing"), Qt::darkBlue,
                core::fonts::bold, Qt::AlignHCenter | Qt::AlignTop);
}

void isolatedType(QPainter &painter)
{
    ui::Sketch sketch(painter);
    ground(sketch, 60, 2880, 2250);
    drawFooting(sketch, {950, 2250, 1400, 800, 470, 300, 240, 1250});
}

void stripType(QPainter &painter)
{
    ui::Sketch sketch(painter);
    ground(sketch, 60, 2880, 2250);
    drawFooting(sketch, {1100, 2250, 1050, 1100, 330, 300, 950, 1150});
}

void combinedType(QPainter &painter)
{
    ui::Sketch sketch(painter);
    ground(sketch, 60, 6400, 2300);
    drawFooting(sketch, {900, 2300, 4700, 900, 500, 380, 280, 1100});
    // The second column on the same footing.
    const QRectF second(QPointF(900 + 66 + 3700, 2300 - 110 - 260 - 1100) + QPointF(33, -22) +
                            QPointF(140, -100),
                        QSizeF(380, 1100));
    ui::Sketch(painter).block(second, QPointF(196, -140), kColumnFace, kColumnTop, kColumnSide);
}

void strapType(QPainter &painter)
{
    ui::Sketch sketch(painter);
    ground(sketch, 60, 6400, 2300);
    drawFooting(sketch, {500, 2300, 1400, 900, 120, 320, 280, 1100});
    drawFooting(sketch, {4400, 2300, 1500, 1000, 560, 380, 280, 1100});
    // The strap beam joining the two columns.
    const QRectF strap(1050, 1560, 3550, 260);
    sketch.block(strap, QPointF(150, -110), QColor(0xB0, 0xC8, 0xE0), QColor(0xD0, 0xE0, 0xF0),
                 QColor(0x90, 0xA8, 0xC0));
}

} // namespace app::drawings
