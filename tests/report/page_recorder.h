#pragma once

// A paint device that records what the report painter paints on it: the texts with the
// rectangles they cover, and the width of every stroke.

#include "project/project_report.h"
#include "report/report.h"
#include "widgets/report_painter.h"

#include <QPaintDevice>
#include <QPaintEngine>
#include <QPen>
#include <QRectF>
#include <QString>
#include <QTransform>
#include <vector>

namespace report_test {

constexpr double kDpi = 1200;

struct Painted {
    std::vector<QString> texts;
    std::vector<QRectF> textRects; // in device pixels
    double thinnestPen = 1e9;      // device pixels, of every stroked line
    int strokes = 0;
};

class RecordingEngine : public QPaintEngine
{
public:
    RecordingEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}

    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    Type type() const override { return QPaintEngine::User; }
    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}

    void updateState(const QPaintEngineState &state) override
    {
        if (state.state() & QPaintEngine::DirtyPen)
            m_pen = state.pen();
        if (state.state() & QPaintEngine::DirtyTransform)
            m_transform = state.transform();
    }
    void drawTextItem(const QPointF &p, const QTextItem &item) override
    {
        painted.texts.push_back(item.text());
        const QRectF box(p.x(), p.y() - item.ascent(), item.width(),
                         item.ascent() + item.descent());
        painted.textRects.push_back(m_transform.mapRect(box));
    }
    void drawLines(const QLineF *, int) override { stroke(); }
    void drawRects(const QRectF *, int) override { stroke(); }
    void drawPolygon(const QPointF *, int, PolygonDrawMode) override { stroke(); }
    void drawPath(const QPainterPath &) override { stroke(); }

    Painted painted;

private:
    void stroke()
    {
        if (m_pen.style() == Qt::NoPen)
            return;
        const double scale = std::sqrt(std::abs(m_transform.determinant()));
        const double width =
            m_pen.isCosmetic() ? std::max(1.0, m_pen.widthF()) : m_pen.widthF() * scale;
        painted.thinnestPen = std::min(painted.thinnestPen, width);
        ++painted.strokes;
    }

    QPen m_pen;
    QTransform m_transform;
};

// The printable area of an A4 page at 1200 dpi.
class RecordingDevice : public QPaintDevice
{
public:
    RecordingDevice()
        : m_size(ui::reportPageLayout().paintRectPixels(static_cast<int>(kDpi)).size())
    {}
    QPaintEngine *paintEngine() const override { return &m_engine; }
    QSize size() const { return m_size; }
    Painted &painted() const { return m_engine.painted; }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth:
            return m_size.width();
        case PdmHeight:
            return m_size.height();
        case PdmWidthMM:
            return static_cast<int>(m_size.width() * 25.4 / kDpi);
        case PdmHeightMM:
            return static_cast<int>(m_size.height() * 25.4 / kDpi);
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return static_cast<int>(kDpi);
        case PdmDepth:
            return 32;
        case PdmNumColors:
            return 256;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return static_cast<int>(devicePixelRatioFScale());
        }
        return 0;
    }

private:
    QSize m_size;
    mutable RecordingEngine m_engine;
};

// Page `page` of the report painted into `rect` of a recording device (all of it when null).
Painted paintPage(const report::Report &report, int page, const QRectF &rect = {});
// Page `page` of a project's printed calculation, the same way.
Painted paintProjectPage(const project::ProjectReport &project, int page);

// The texts of the pages one after the other, without blanks.
QString joined(const std::vector<Painted> &pages);

} // namespace report_test
