// A project's printed calculation: the footing schedule on A4 sheets turned across, headed by
// the project, then the calculation report of every footing designed, numbered through as one
// document; refused footings in the schedule with their reason and without a report.
#include "app/design_windows.h"
#include "project/project_report.h"
#include "support/pdf_page.h"
#include "tests/report/page_recorder.h"
#include "widgets/report_painter.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using namespace report_test;

QString noBlanks(const std::string &text)
{
    return QString::fromStdString(text).remove(QLatin1Char(' '));
}

project::Project sampleBuilding()
{
    project::Project building(app::designWindows());
    EXPECT_FALSE(building.open(FOUNDATIONS_EXAMPLES "/building.fdn"));
    return building;
}

QByteArray pdfOf(const project::ProjectReport &printed)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("building.pdf"));
    QString error;
    EXPECT_TRUE(ui::writeProjectReportPdf(printed, path, &error)) << error.toStdString();
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The pages of the document before each footing's report, and the total.
int reportPagesFrom(const project::ProjectReport &printed, int schedulePages)
{
    int pages = schedulePages;
    for (const report::Report &report : printed.reports)
        pages += ui::reportPageCount(report);
    return pages;
}

TEST(ProjectPdf, TheSampleBuildingIsItsScheduleThenTheReportOfEveryFootingNumberedThrough)
{
    const project::Project building = sampleBuilding();
    const project::ProjectReport printed = project::buildProjectReport(building);
    ASSERT_EQ(printed.reports.size(), building.size()); // every footing designed
    const int schedulePages = ui::schedulePageCount(printed);
    EXPECT_EQ(schedulePages, 1);
    const int total = reportPagesFrom(printed, schedulePages);
    EXPECT_EQ(ui::projectReportPageCount(printed), total);

    const QByteArray pdf = pdfOf(printed);
    EXPECT_EQ(testing_support::pdfPageCounts(pdf), std::make_pair(total, total));
    // The schedule's sheet lies across, and names the project and every footing.
    const testing_support::PdfPage first = testing_support::readPdfPage(pdf);
    ASSERT_TRUE(first.error.isEmpty()) << first.error.toStdString();
    EXPECT_NEAR(first.mediaBox.width(), 842, 1);
    EXPECT_NEAR(first.mediaBox.height(), 595, 1);
    const QString schedule = first.allText().remove(QLatin1Char(' '));
    for (const project::ScheduleColumn &column : project::scheduleColumns())
        EXPECT_TRUE(schedule.contains(noBlanks(std::string(column.heading)))) << column.heading;
    EXPECT_TRUE(schedule.contains(noBlanks(building.title().name)));
    EXPECT_TRUE(schedule.contains(noBlanks(building.title().designer)));
    EXPECT_TRUE(schedule.contains(QStringLiteral("page1of%1").arg(total)));
    for (const project::Footing &footing : building.footings())
        EXPECT_TRUE(schedule.contains(noBlanks(footing.mark))) << footing.mark;

    // Each report starts on the page after the one before it ends, its first and last pages
    // with its footing's mark and their number in the whole document. (Each page painted lays
    // the whole document out again: the first and last of each report stand for the rest.)
    int page = schedulePages;
    for (std::size_t f = 0; f < printed.reports.size(); ++f) {
        const report::Report &report = printed.reports[f];
        EXPECT_EQ(report.title.mark, building.footings()[f].mark);
        EXPECT_EQ(report.title.project, building.title().name);
        EXPECT_EQ(report.title.date, building.title().date);
        const int pages = ui::reportPageCount(report);
        for (const int shown : {page, page + pages - 1}) {
            const QString texts = joined({paintProjectPage(printed, shown)});
            EXPECT_TRUE(texts.contains(QStringLiteral("page%1of%2").arg(shown + 1).arg(total)))
                << report.title.mark << " page " << shown;
            EXPECT_TRUE(texts.contains(QStringLiteral("Footingmark") + noBlanks(report.title.mark)))
                << report.title.mark << " page " << shown;
            EXPECT_TRUE(texts.contains(noBlanks(report.title.window)));
        }
        EXPECT_EQ(ui::projectReportPageLayout(printed, page).orientation(), QPageLayout::Portrait);
        page += pages;
    }
    EXPECT_TRUE(paintProjectPage(printed, total).texts.empty());
}

TEST(ProjectPdf, ALongScheduleGoesOnOverPagesAndARefusedFootingHasNoReport)
{
    project::Project building(app::designWindows());
    ASSERT_FALSE(building.setTitle({"Tower A", "R. Engineer", "", ""}));
    for (int i = 0; i < 45; ++i)
        ASSERT_FALSE(building.add(i % 3 == 0 ? "strip" : "isolated"));
    ASSERT_FALSE(building.setTexts(7, {{"Text4", "-5"}})); // F8: a negative cover
    const project::ProjectReport printed = project::buildProjectReport(building);
    ASSERT_EQ(printed.schedule.size(), 45u);
    ASSERT_EQ(printed.reports.size(), 44u);
    for (const report::Report &report : printed.reports)
        EXPECT_NE(report.title.mark, "F8");
    EXPECT_EQ(printed.title.date, report::today()); // the project gives none

    const int schedulePages = ui::schedulePageCount(printed);
    ASSERT_GE(schedulePages, 2);
    const int total = ui::projectReportPageCount(printed);
    EXPECT_EQ(total, reportPagesFrom(printed, schedulePages));
    QString everything;
    for (int page = 0; page < schedulePages; ++page) {
        const Painted painted = paintProjectPage(printed, page);
        const QString texts = joined({painted});
        everything += texts;
        // The title block of the project and the column heads on every page of the schedule.
        EXPECT_TRUE(texts.contains(QStringLiteral("ProjectTowerA"))) << page;
        EXPECT_TRUE(texts.contains(QStringLiteral("DesignerR.Engineer"))) << page;
        EXPECT_TRUE(texts.contains(QStringLiteral("Footings45(1refused)"))) << page;
        EXPECT_TRUE(std::find(painted.texts.begin(), painted.texts.end(), QStringLiteral("Mark")) !=
                    painted.texts.end())
            << page;
        EXPECT_TRUE(texts.contains(QStringLiteral("page%1of%2").arg(page + 1).arg(total)));
        EXPECT_EQ(ui::projectReportPageLayout(printed, page).orientation(), QPageLayout::Landscape);
    }
    for (const project::ScheduleRow &row : printed.schedule)
        EXPECT_TRUE(everything.contains(noBlanks(row.mark))) << row.mark;
    EXPECT_TRUE(everything.contains(noBlanks(printed.schedule[7].reason)));
    EXPECT_TRUE(
        everything.contains(QStringLiteral("NocalculationreportfollowsfortherefusedfootingF8.")));
}

} // namespace
