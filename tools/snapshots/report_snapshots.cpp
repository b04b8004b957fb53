#include "app/design_windows.h"
#include "tools/snapshots/snapshots.h"
#include "widgets/report_painter.h"

#include <QLabel>
#include <QPixmap>

namespace snapshots {

namespace {

// The first page of the window's report on its default inputs, as it prints (96 dpi), in a
// label the tool photographs like a window.
QWidget *firstReportPage(const core::DesignWindowInfo &window)
{
    const core::DesignRequest request = core::defaultRequest(window);
    const core::DesignResult result = window.design(request);
    report::TitleBlock title = report::defaultTitle();
    title.project = "Snapshot";
    title.mark = "F1";
    title.date = "2000-01-01"; // the same picture every day
    const report::Report report = report::build(window, request, result.run, title);
    // One label serves every page; it lives as long as the tool.
    static QLabel *label = new QLabel;
    const QImage page = ui::reportPageImage(report, 0, 96);
    label->setPixmap(QPixmap::fromImage(page));
    label->resize(page.size());
    return label;
}

} // namespace

Snapshots reportPages()
{
    Snapshots pages;
    for (const core::DesignWindowInfo *window : app::designWindows()) {
        const QString command = QString::fromUtf8(window->command.data(),
                                                  static_cast<qsizetype>(window->command.size()));
        pages.push_back(
            {QStringLiteral("report-") + command, [window] { return firstReportPage(*window); }});
    }
    return pages;
}

} // namespace snapshots
