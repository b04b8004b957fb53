#include "app/design_windows.h"
#include "project/project_report.h"
#include "shell/case_chooser.h"
#include "shell/registry.h"
#include "shell/shell_window.h"
#include "tools/snapshots/snapshots.h"
#include "widgets/report_painter.h"
#include "widgets/report_preview.h"

#include <QLabel>
#include <QPainter>
#include <QPixmap>

namespace snapshots {

namespace {

report::TitleBlock snapshotTitle()
{
    report::TitleBlock title = report::defaultTitle();
    title.project = "Snapshot";
    title.mark = "F1";
    title.date = "2000-01-01"; // the same picture every day
    return title;
}

// A picture in a label the tool photographs like a window. One label serves every picture;
// it lives as long as the tool.
QWidget *shown(const QImage &picture)
{
    static QLabel *label = new QLabel;
    label->setPixmap(QPixmap::fromImage(picture));
    label->resize(picture.size());
    return label;
}

// The first page of the window's report on its default inputs, as it prints (96 dpi).
QWidget *firstReportPage(const core::DesignWindowInfo &window)
{
    const core::DesignRequest request = core::defaultRequest(window);
    const core::DesignResult result = window.design(request);
    const report::Report report = report::build(window, request, result.run, snapshotTitle());
    return shown(ui::reportPageImage(report, 0, 96));
}

// The isolated footing's Report… on its defaults, as a user who chose case 0 sees it.
QWidget *reportPreview()
{
    shell::openWindow(shell::WindowKind::IsolatedCases);
    auto *chooser = shell::instanceAs<shell::CaseChooser>(shell::WindowKind::IsolatedCases);
    if (!chooser)
        return nullptr;
    chooser->chooseByCaption(0);
    auto *window = shell::instanceAs<shell::DesignWindow>(shell::WindowKind::Isolated);
    if (!window)
        return nullptr;
    window->setReportTitle(snapshotTitle);
    window->menuAction(QStringLiteral("report"))->trigger();
    return window->reportPreview();
}

// The first page of the sample building's printed calculation: its footing schedule.
QWidget *projectSchedule()
{
    project::Project building(app::designWindows());
    if (building.open(FOUNDATIONS_EXAMPLES "/building.fdn"))
        return nullptr;
    const project::ProjectReport printed = project::buildProjectReport(building);
    const QPageLayout layout = ui::projectReportPageLayout(printed, 0);
    QImage page(layout.fullRectPixels(96).size(), QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    ui::paintProjectReportPage(painter, printed, 0, QRectF(layout.paintRectPixels(96)));
    painter.end();
    return shown(page);
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
    pages.push_back({QStringLiteral("report-preview"), reportPreview});
    pages.push_back({QStringLiteral("report-project-schedule"), projectSchedule});
    return pages;
}

} // namespace snapshots
