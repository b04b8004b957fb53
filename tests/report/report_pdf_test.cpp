// The report on paper: the PDF file of every design window, its pages as painted, and a file
// (of a report or of a project) that cannot be written.
#include "app/design_windows.h"
#include "project/project_report.h"
#include "report/document.h"
#include "support/full_disk.h"
#include "support/pdf_page.h"
#include "tests/report/fake_design.h"
#include "tests/report/page_recorder.h"
#include "widgets/report_painter.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <limits>
#include <unistd.h>

namespace {

using namespace report_test;

constexpr double kQuarterMm = 0.25 / 25.4 * kDpi; // device pixels

QString noBlanks(const std::string &text)
{
    return QString::fromStdString(text).remove(QLatin1Char(' '));
}

// ---- the reports under test -------------------------------------------------------------

struct Subject {
    std::string name;
    const core::DesignWindowInfo *window;
    int footingCase;
    std::vector<std::pair<std::string, std::string>> texts;
};

std::vector<Subject> subjects()
{
    std::vector<Subject> all;
    for (const core::DesignWindowInfo *window : app::designWindows())
        all.push_back({std::string(window->command), window, 0, {}});
    // The load far off centre: e = 100 × 60 / 99 = 60.6 cm > L / 6 = 43.3 cm, so part of the
    // footing lifts off the soil.
    all.push_back(
        {"isolated_partial_contact", app::findDesignWindow("isolated"), 3, {{"Text10", "60"}}});
    all.push_back({"pad_centred", &fake::padWindow(), fake::kCentred, {}});
    all.push_back({"pad_eccentric", &fake::padWindow(), fake::kEccentric, {}});
    return all;
}

report::Report reportOf(const Subject &s)
{
    core::DesignRequest request = core::defaultRequest(*s.window, s.footingCase);
    for (const auto &[control, text] : s.texts)
        request.texts[control] = text;
    const core::DesignResult result = s.window->design(request);
    EXPECT_TRUE(result.accepted()) << s.name;
    report::TitleBlock title = report::defaultTitle();
    title.project = "Tower A";
    title.mark = "F1";
    return report::build(*s.window, request, result.run, title);
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class ReportPages : public testing::TestWithParam<Subject>
{
};

TEST_P(ReportPages, APdfOfTheExpectedPagesWithTitleBlockAndNumberOnEach)
{
    const report::Report report = reportOf(GetParam());
    const int count = ui::reportPageCount(report);
    ASSERT_GE(count, 1);

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("report.pdf"));
    QString error;
    ASSERT_TRUE(ui::writeReportPdf(report, path, &error)) << error.toStdString();
    const QByteArray pdf = readAll(path);
    EXPECT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_TRUE(pdf.trimmed().endsWith("%%EOF"));
    EXPECT_EQ(testing_support::pdfPageCounts(pdf), std::make_pair(count, count));
    // Vector text and drawings: no pictures in the file.
    EXPECT_FALSE(pdf.contains("/Subtype /Image"));
    // Nothing left beside it.
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files),
              QStringList{QStringLiteral("report.pdf")});

    std::vector<Painted> pages;
    const QSize device = RecordingDevice().size();
    for (int page = 0; page < count; ++page) {
        pages.push_back(paintPage(report, page));
        const Painted &p = pages.back();
        const QString all = joined({p});
        EXPECT_TRUE(all.contains(QStringLiteral("Calculationreport"))) << page;
        EXPECT_TRUE(all.contains(noBlanks(report.title.window))) << page;
        EXPECT_TRUE(all.contains(QStringLiteral("page%1of%2").arg(page + 1).arg(count))) << page;
        // Every text on the page, and no pen thinner than a quarter of a millimetre.
        for (std::size_t i = 0; i < p.textRects.size(); ++i) {
            const QRectF &r = p.textRects[i];
            EXPECT_TRUE(r.left() >= -1 && r.right() <= device.width() + 1 && r.top() >= -1 &&
                        r.bottom() <= device.height() + 1)
                << GetParam().name << " page " << page << ": \"" << p.texts[i].toStdString()
                << "\" runs off the page";
        }
        EXPECT_GT(p.strokes, 0);
        EXPECT_GE(p.thinnestPen, kQuarterMm - 1e-6) << page;
    }
    // Every line of the calculation, every check, warning and bar line is on some page.
    const QString everything = joined(pages);
    for (const report::Section &section : report.sections) {
        for (const report::Line &line : section.lines)
            EXPECT_TRUE(everything.contains(noBlanks(line.text()))) << line.text();
    }
    for (const core::Check &check : report.checks)
        EXPECT_TRUE(everything.contains(noBlanks(report::verdict(check)))) << check.name;
    for (const core::Warning &warning : report.warnings)
        EXPECT_TRUE(everything.contains(noBlanks(warning.text))) << warning.text;
    for (const core::BarLine &bar : report.quantities.bars)
        EXPECT_TRUE(everything.contains(noBlanks(bar.description))) << bar.description;
    for (const core::Sketch &sketch : report.sketches) {
        for (const std::string &label : report::sketchTexts(sketch))
            EXPECT_TRUE(everything.contains(noBlanks(label))) << label;
    }
    // A page past the end paints nothing.
    EXPECT_TRUE(paintPage(report, count).texts.empty());
    EXPECT_TRUE(paintPage(report, -1).texts.empty());
}

INSTANTIATE_TEST_SUITE_P(Windows, ReportPages, testing::ValuesIn(subjects()),
                         [](const auto &info) { return info.param.name; });

TEST(ReportPages, ALongTableGoesOnOverPagesWithItsHeaderOnEach)
{
    report::Report report = reportOf(subjects().back());
    const core::BarLine bar = report.quantities.bars.front();
    for (int i = 0; i < 150; ++i) {
        core::BarLine more = bar;
        more.mark = std::to_string(i + 10);
        more.description = "bar set number " + std::to_string(i + 10);
        report.quantities.bars.push_back(more);
    }
    const int count = ui::reportPageCount(report);
    ASSERT_GE(count, 4);
    int withBars = 0;
    for (int page = 0; page < count; ++page) {
        const Painted p = paintPage(report, page);
        const bool rows = std::any_of(p.texts.begin(), p.texts.end(), [](const QString &t) {
            return t.startsWith(QStringLiteral("bar set number"));
        });
        if (!rows)
            continue;
        ++withBars;
        EXPECT_TRUE(std::find(p.texts.begin(), p.texts.end(), QStringLiteral("Description")) !=
                    p.texts.end())
            << "page " << page + 1 << " has bar rows but no header";
    }
    EXPECT_GE(withBars, 2);
}

TEST(ReportPages, SketchesOfAPointOrWithCoordinatesThatAreNotFiniteStayOnThePage)
{
    using K = core::SketchShape::Kind;
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    report::Report report = reportOf(subjects().back());
    report.sketches = {
        {"a point", {{K::Column, 5, 5, 5, 5, ""}, {K::Text, 5, 5, 0, 0, "here"}}},
        {"a line", {{K::Dimension, 0, 0, 300, 0, "3 m"}}},
        {"partly placed",
         {{K::ReinforcedConcrete, 0, 0, 100, 100, ""},
          {K::Bars, 0, nan, 100, 50, "lost bars"},
          {K::Dimension, 0, 0, inf, 0, "lost length"}}},
    };
    const int count = ui::reportPageCount(report);
    std::vector<Painted> pages;
    const QSize device = RecordingDevice().size();
    for (int page = 0; page < count; ++page) {
        pages.push_back(paintPage(report, page));
        for (const QRectF &r : pages.back().textRects)
            EXPECT_TRUE(QRectF(QPointF(-1, -1), device + QSize(2, 2)).contains(r));
    }
    const QString all = joined(pages);
    EXPECT_TRUE(all.contains(QStringLiteral("here")));
    EXPECT_TRUE(all.contains(QStringLiteral("3m")));
    EXPECT_FALSE(all.contains(QStringLiteral("lost")));
}

TEST(ReportPages, APageIsScaledIntoAnyRectangleAndCentred)
{
    const report::Report report = reportOf(subjects().back());
    // A wide rectangle away from the origin: the page keeps its shape, in the middle.
    const QRectF rect(300, 200, 20000, 6000);
    const Painted p = paintPage(report, 0, rect);
    ASSERT_FALSE(p.textRects.empty());
    QRectF used;
    for (const QRectF &r : p.textRects)
        used = used.united(r);
    EXPECT_TRUE(rect.contains(used))
        << used.left() << " " << used.top() << " " << used.right() << " " << used.bottom();
    const QSize page = RecordingDevice().size();
    const double scale = rect.height() / page.height();
    // The footer's page number ends at the right edge, the title texts start near the left.
    EXPECT_NEAR(used.center().x(), rect.center().x(), page.width() * scale * 0.01);
    // (The device's page is whole pixels, the layout's is not: a few pixels either way.)
    EXPECT_LE(used.width(), page.width() * scale * 1.002);
}

TEST(ReportPages, ThePictureOfAPageIsA4AtTheResolutionAsked)
{
    const report::Report report = reportOf(subjects().front());
    const QImage image = ui::reportPageImage(report, 0, 50);
    EXPECT_NEAR(image.width(), 210 / 25.4 * 50, 1.0);
    EXPECT_NEAR(image.height(), 297 / 25.4 * 50, 1.0);
    // Something is drawn; past the last page nothing is.
    auto inked = [](const QImage &picture) {
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                if (picture.pixel(x, y) != qRgb(255, 255, 255))
                    return true;
            }
        }
        return false;
    };
    EXPECT_TRUE(inked(image));
    EXPECT_FALSE(inked(ui::reportPageImage(report, ui::reportPageCount(report), 50)));
}

// ---- a PDF that cannot be written -------------------------------------------------------

// The two PDF files the program writes: a report, and a project's schedule with the reports of
// its footings.
struct PdfWriterRow {
    const char *name;
    bool (*write)(const QString &path, QString *error);
};

bool writeReport(const QString &path, QString *error)
{
    return ui::writeReportPdf(reportOf(subjects().back()), path, error);
}

bool writeProject(const QString &path, QString *error)
{
    project::Project building(app::designWindows());
    EXPECT_FALSE(building.add("isolated"));
    EXPECT_FALSE(building.add("strap"));
    return ui::writeProjectReportPdf(project::buildProjectReport(building), path, error);
}

class UnwritablePdf : public testing::TestWithParam<PdfWriterRow>
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_folder.isValid());
        m_existing = m_folder.filePath(QStringLiteral("report.pdf"));
        QFile old(m_existing);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("the report of yesterday");
    }

    bool write(const QString &path, QString *error) { return GetParam().write(path, error); }

    // The earlier file is as it was, and nothing was left beside it.
    void expectUntouched()
    {
        EXPECT_EQ(readAll(m_existing), QByteArray("the report of yesterday"));
        EXPECT_EQ(QDir(m_folder.path()).entryList(QDir::Files | QDir::Hidden),
                  QStringList{QStringLiteral("report.pdf")});
    }

    QTemporaryDir m_folder;
    QString m_existing;
};

TEST_P(UnwritablePdf, AMissingFolderOrAFolderNameIsRefusedWithTheReason)
{
    struct Case {
        QString path;
        const char *says;
    };
    const Case cases[] = {
        {m_folder.filePath(QStringLiteral("missing/report.pdf")), "does not exist"},
        {m_folder.filePath(QStringLiteral("report.pdf/inner.pdf")), "is not a folder"},
        {m_folder.path(), "is a folder"},
        {QString(), "No file name"},
    };
    for (const Case &c : cases) {
        QString error;
        EXPECT_FALSE(write(c.path, &error)) << c.says;
        EXPECT_TRUE(error.contains(QLatin1String(c.says))) << error.toStdString();
    }
    expectUntouched();
}

TEST_P(UnwritablePdf, AFullDiskLeavesTheEarlierFileIntact)
{
    QString error;
    bool written = true;
    testing_support::onAFullDisk([&] { written = write(m_existing, &error); });

    EXPECT_FALSE(written);
    EXPECT_TRUE(error.contains(QLatin1String("is the disk full?"))) << error.toStdString();
    EXPECT_TRUE(error.contains(QLatin1String("unchanged"))) << error.toStdString();
    expectUntouched();

    // With room again, the new report replaces the old one.
    ASSERT_TRUE(write(m_existing, &error)) << error.toStdString();
    EXPECT_TRUE(readAll(m_existing).startsWith("%PDF-"));
}

TEST_P(UnwritablePdf, AFolderWithoutWritePermissionIsRefused)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root writes into any folder";
    ASSERT_TRUE(
        QFile::setPermissions(m_folder.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    QString error;
    const bool written = write(m_existing, &error);
    QFile::setPermissions(m_folder.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_FALSE(written);
    EXPECT_TRUE(error.contains(QLatin1String("cannot be written"))) << error.toStdString();
    expectUntouched();
}

INSTANTIATE_TEST_SUITE_P(Writers, UnwritablePdf,
                         testing::Values(PdfWriterRow{"Report", writeReport},
                                         PdfWriterRow{"Project", writeProject}),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
