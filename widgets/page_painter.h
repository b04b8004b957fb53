#pragma once

#include <QImage>
#include <QPointF>
#include <QSizeF>

class QPageLayout;
class QPagedPaintDevice;
class QPainter;
class QPrinter;
class QWidget;

namespace ui {

// A control that paints the same picture on screen and on paper: its paint event and a page
// both call paintOn, which draws text as text and lines as vectors with cosmetic pens. The
// background of a control that fills it is painted before paintOn, as on screen.
class PagePainted
{
public:
    virtual ~PagePainted() = default;
    virtual void paintOn(QPainter &painter) const = 0;
};

// The resolution of a printed page: one designed pixel is 1/96 inch on paper, so a cosmetic
// pen of one device pixel is 0.26 mm wide, never a hairline.
inline constexpr int kPageDpi = 96;

// Where the client area goes on a page: reduced to fit the printable area if it is larger,
// never enlarged, centred across the page and at the top. Sizes in page pixels (kPageDpi).
struct PagePlacement {
    double scale = 1.0;
    QPointF origin; // top-left corner of the client area in the printable area
};
PagePlacement placeOnPage(QSizeF client, QSizeF printable);

// Paints a window's client area onto any painter, in the client's own pixels: every visible
// control in stacking order, each clipped to its rectangle, with its background, its text as
// text and its lines, borders and sketches as vectors. What only the screen needs (the text
// cursor, the focus frame) is left out.
void paintClientArea(QPainter &painter, const QWidget &client);

// Paints the client area as one page of a printer or PDF writer (already set up: page size,
// orientation, margins), at kPageDpi. False when the device cannot be painted on.
bool printPage(const QWidget &client, QPrinter &printer);
bool printPage(const QWidget &client, QPagedPaintDevice &device);

// The whole sheet of paper of `layout` as it comes out of the printer, at `dpi`: white, with
// the page painted in its printable area (previews and snapshots).
QImage pageImage(const QWidget &client, const QPageLayout &layout, int dpi = kPageDpi);

// The page layout for a client area printed without a printer's own settings: A4, or Letter
// where the locale measures in inches; the orientation that prints it larger (portrait when
// both are the same); 10 mm margins.
QPageLayout defaultPageLayout(QSizeF client);

} // namespace ui
