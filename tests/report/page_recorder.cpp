#include "tests/report/page_recorder.h"

#include <QPainter>

namespace report_test {

Painted paintPage(const report::Report &report, int page, const QRectF &rect)
{
    RecordingDevice device;
    QPainter painter(&device);
    ui::paintReportPage(painter, report, page,
                        rect.isNull() ? QRectF(QPointF(0, 0), device.size()) : rect);
    painter.end();
    return device.painted();
}

Painted paintProjectPage(const project::ProjectReport &project, int page)
{
    RecordingDevice device;
    QPainter painter(&device);
    ui::paintProjectReportPage(painter, project, page, QRectF(QPointF(0, 0), device.size()));
    painter.end();
    return device.painted();
}

QString joined(const std::vector<Painted> &pages)
{
    QString all;
    for (const Painted &page : pages) {
        for (const QString &text : page.texts)
            all += text;
    }
    return all.remove(QLatin1Char(' '));
}

} // namespace report_test
