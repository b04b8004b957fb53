// Report… in the design windows: the preview of the calculation report of the run on show,
// designed first when nothing is designed or the results are out of date, never of a refused
// run; the preview's pages, zoom and keys; Print and Save as PDF through the seams, and the real
// printing path behind the print seam.

#include "report/render.h"
#include "shell/shell_window.h"
#include "support/full_disk.h"
#include "support/gui_test.h"
#include "support/pdf_page.h"
#include "widgets/report_painter.h"
#include "widgets/report_preview.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPrintPreviewWidget>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace {

using shell::WindowKind;
using testing_support::GuiTest;
using testing_support::messages;
using testing_support::printer;
using testing_support::typeInto;

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int pdfPages(const QString &path)
{
    const auto [pages, count] = testing_support::pdfPageCounts(readAll(path));
    return pages == count ? pages : -1;
}

int warnings()
{
    return static_cast<int>(std::count_if(messages().shown.begin(), messages().shown.end(),
                                          [](const auto &shown) { return shown.kind == "warn"; }));
}

struct WindowRow {
    const char *name;
    WindowKind kind;
    int footingCase;
    const char *cover; // an input a negative number refuses
};

class ReportOfEachWindow : public GuiTest, public ::testing::WithParamInterface<WindowRow>
{
protected:
    shell::DesignWindow *open()
    {
        shell::DesignWindow *window =
            testing_support::openDesignWindow(GetParam().kind, GetParam().footingCase);
        EXPECT_NE(window, nullptr);
        return window;
    }
};

TEST_P(ReportOfEachWindow, OpensAPreviewOfEveryPageOfTheRunItDesigns)
{
    shell::DesignWindow *window = open();
    ASSERT_EQ(window->appliedRun(), nullptr);
    window->menuAction(QStringLiteral("report"))->trigger();
    ASSERT_NE(window->appliedRun(), nullptr); // designed first
    EXPECT_FALSE(window->resultsOutOfDate());
    EXPECT_EQ(warnings(), 0);

    ui::ReportPreview *preview = window->reportPreview();
    ASSERT_NE(preview, nullptr);
    EXPECT_TRUE(preview->isVisible());
    EXPECT_EQ(preview->parentWidget(), window);
    const int pages = ui::reportPageCount(preview->report());
    EXPECT_GE(pages, 2);
    EXPECT_EQ(preview->view()->pageCount(), pages);
    EXPECT_EQ(preview->pageText(), QStringLiteral("page 1 of %1").arg(pages));
    // The report of the very run on show.
    EXPECT_EQ(report::toText(preview->report()), report::toText(*window->appliedReport()));
    EXPECT_EQ(preview->report().title.caseName.empty(),
              GetParam().kind == WindowKind::Combined || GetParam().kind == WindowKind::Strap);
}

TEST_P(ReportOfEachWindow, ARefusedInputShowsOnlyItsMessage)
{
    shell::DesignWindow *window = open();
    auto *cover = window->find<QLineEdit>(GetParam().cover);
    ASSERT_NE(cover, nullptr);
    // Nothing designed yet; then a run on show whose inputs have since been refused.
    for (const bool designedBefore : {false, true}) {
        messages().shown.clear();
        if (designedBefore) {
            typeInto(cover, QStringLiteral("5"));
            window->runDesign();
            ASSERT_NE(window->appliedRun(), nullptr);
        }
        typeInto(cover, QStringLiteral("-5"));
        window->menuAction(QStringLiteral("report"))->trigger();
        EXPECT_EQ(warnings(), 1) << designedBefore;
        EXPECT_EQ(window->reportPreview(), nullptr) << designedBefore;
    }
}

INSTANTIATE_TEST_SUITE_P(Windows, ReportOfEachWindow,
                         ::testing::Values(WindowRow{"Isolated", WindowKind::Isolated, 0, "Text4"},
                                           WindowRow{"IsolatedNonUniform", WindowKind::Isolated, 3,
                                                     "Text4"},
                                           WindowRow{"Strip", WindowKind::Strip, 0, "Text4"},
                                           WindowRow{"StripColumns", WindowKind::Strip, 3, "Text4"},
                                           WindowRow{"Combined", WindowKind::Combined, 0, "Text5"},
                                           WindowRow{"Strap", WindowKind::Strap, 0, "Text10"}),
                         [](const auto &info) { return std::string(info.param.name); });

// ---- one window's preview --------------------------------------------------------------

class ReportPreviewTest : public GuiTest
{
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        QSettings().remove(QStringLiteral("printing"));
        ASSERT_TRUE(m_folder.isValid());
        m_window = testing_support::openDesignWindow(WindowKind::Isolated);
        ASSERT_NE(m_window, nullptr);
        m_window->setReportTitle([] {
            report::TitleBlock title;
            title.project = "Tower A";
            title.mark = "F1";
            title.designer = "R. Engineer";
            return title;
        });
    }

    void TearDown() override
    {
        ui::setPrintSeam(&printer());
        m_printing.reset();
        GuiTest::TearDown();
    }

    ui::ReportPreview *openPreview()
    {
        m_window->menuAction(QStringLiteral("report"))->trigger();
        return m_window->reportPreview();
    }
    // The preview with the real printing behind the print seam, on a system with a printer or
    // without one.
    ui::ReportPreview *openPreviewPrinting(bool printerInstalled)
    {
        m_printing =
            std::make_unique<ui::PagePrinter>([printerInstalled] { return printerInstalled; });
        ui::setPrintSeam(m_printing.get());
        return openPreview();
    }
    void press(ui::ReportPreview *preview, const char *entry)
    {
        QAction *action = preview->action(QString::fromLatin1(entry));
        ASSERT_NE(action, nullptr) << entry;
        action->trigger();
    }

    shell::DesignWindow *m_window = nullptr;
    QTemporaryDir m_folder;
    std::unique_ptr<ui::PagePrinter> m_printing;
};

TEST_F(ReportPreviewTest, OutOfDateResultsAreDesignedAgainBeforeTheReport)
{
    m_window->runDesign();
    typeInto(m_window->find<QLineEdit>("Text1"), QStringLiteral("120"));
    ASSERT_TRUE(m_window->resultsOutOfDate());
    ui::ReportPreview *preview = openPreview();
    ASSERT_NE(preview, nullptr);
    EXPECT_FALSE(m_window->resultsOutOfDate());
    EXPECT_EQ(m_window->appliedRequest()->texts.at("Text1"), "120");
    const auto load =
        std::find_if(preview->report().inputs.begin(), preview->report().inputs.end(),
                     [](const report::InputRow &row) { return row.control == "Text1"; });
    ASSERT_NE(load, preview->report().inputs.end());
    EXPECT_EQ(load->text, "120");
}

TEST_F(ReportPreviewTest, TheTitleBlockIsTheProvidersWithTodayAndTheVersionWhereItGivesNone)
{
    ui::ReportPreview *preview = openPreview();
    ASSERT_NE(preview, nullptr);
    const report::TitleBlock &title = preview->report().title;
    EXPECT_EQ(title.project, "Tower A");
    EXPECT_EQ(title.mark, "F1");
    EXPECT_EQ(title.designer, "R. Engineer");
    EXPECT_EQ(title.date, report::today());
    EXPECT_EQ(title.version, report::programVersion());
    EXPECT_EQ(title.window, "Design Of Isolated Footing");
    EXPECT_TRUE(preview->windowTitle().contains(QStringLiteral("F1 - Design Of Isolated Footing")));
}

TEST_F(ReportPreviewTest, CtrlROpensThePreviewEscapeClosesItAndAnotherReplacesIt)
{
    testing_support::activate(m_window);
    m_window->control("Text1")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_R, Qt::ControlModifier);
    ui::ReportPreview *preview = m_window->reportPreview();
    ASSERT_NE(preview, nullptr);
    ASSERT_TRUE(preview->isVisible());
    QTest::keyClick(preview, Qt::Key_Escape);
    EXPECT_FALSE(preview->isVisible());
    testing_support::flushDeletes();
    EXPECT_EQ(m_window->reportPreview(), nullptr); // closed is gone

    openPreview();
    openPreview(); // the one before closes
    testing_support::flushDeletes();
    EXPECT_EQ(m_window->findChildren<ui::ReportPreview *>().size(), 1);
    press(m_window->reportPreview(), "close");
    testing_support::flushDeletes();
    EXPECT_EQ(m_window->reportPreview(), nullptr);
}

TEST_F(ReportPreviewTest, GoesFromPageToPageAndZooms)
{
    ui::ReportPreview *preview = openPreview();
    ASSERT_NE(preview, nullptr);
    const int pages = preview->view()->pageCount();
    ASSERT_GE(pages, 3);
    QAction *previous = preview->action(QStringLiteral("previous"));
    QAction *next = preview->action(QStringLiteral("next"));
    EXPECT_FALSE(previous->isEnabled());
    EXPECT_TRUE(next->isEnabled());
    next->trigger();
    EXPECT_EQ(preview->view()->currentPage(), 2);
    EXPECT_EQ(preview->pageText(), QStringLiteral("page 2 of %1").arg(pages));
    EXPECT_TRUE(previous->isEnabled());
    for (int page = 2; page < pages; ++page)
        next->trigger();
    EXPECT_EQ(preview->pageText(), QStringLiteral("page %1 of %1").arg(pages));
    EXPECT_FALSE(next->isEnabled());
    previous->trigger();
    EXPECT_EQ(preview->view()->currentPage(), pages - 1);

    EXPECT_EQ(preview->view()->zoomMode(), QPrintPreviewWidget::FitToWidth);
    const double fitted = preview->view()->zoomFactor();
    press(preview, "zoomIn");
    EXPECT_GT(preview->view()->zoomFactor(), fitted);
    press(preview, "zoomOut");
    press(preview, "zoomOut");
    EXPECT_LT(preview->view()->zoomFactor(), fitted);
    press(preview, "fitWidth");
    EXPECT_EQ(preview->view()->zoomMode(), QPrintPreviewWidget::FitToWidth);
    EXPECT_DOUBLE_EQ(preview->view()->zoomFactor(), fitted);
}

TEST_F(ReportPreviewTest, PrintSendsTheReportToThePrintSeam)
{
    ui::ReportPreview *preview = openPreview();
    ASSERT_NE(preview, nullptr);
    press(preview, "print");
    ASSERT_EQ(printer().reports.size(), 1u);
    EXPECT_EQ(printer().reports[0].job, QStringLiteral("F1 - Design Of Isolated Footing"));
    EXPECT_EQ(printer().reports[0].window, preview->objectName());
    EXPECT_EQ(report::toText(printer().reports[0].report), report::toText(preview->report()));
    EXPECT_TRUE(printer().pages.empty()); // not the window's page
}

TEST_F(ReportPreviewTest, SaveAsPdfWritesEveryPageWhereTheUserSaysAndRemembersTheFolder)
{
    ui::ReportPreview *preview = openPreview();
    ASSERT_NE(preview, nullptr);
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    messages().fileName = m_folder.filePath(QStringLiteral("calculation")); // no suffix
    press(preview, "pdf");
    ASSERT_EQ(messages().shown.size(), 1u);
    EXPECT_EQ(messages().shown[0].kind, "save");
    EXPECT_EQ(messages().shown[0].text,
              QDir(documents).filePath(QStringLiteral("F1 - Design Of Isolated Footing.pdf")));
    const QString written = m_folder.filePath(QStringLiteral("calculation.pdf"));
    EXPECT_EQ(pdfPages(written), preview->view()->pageCount());
    EXPECT_EQ(ui::PagePrinter::pdfFolder(), m_folder.path());

    // The next proposal is in that folder; cancelling writes nothing.
    messages().shown.clear();
    messages().fileName.clear();
    press(preview, "pdf");
    ASSERT_EQ(messages().shown.size(), 1u);
    EXPECT_EQ(messages().shown[0].text,
              m_folder.filePath(QStringLiteral("F1 - Design Of Isolated Footing.pdf")));
    EXPECT_EQ(QDir(m_folder.path()).entryList(QDir::Files),
              QStringList{QStringLiteral("calculation.pdf")});
}

TEST_F(ReportPreviewTest, APdfThatCannotBeWrittenWarnsWithTheReasonAndLeavesTheEarlierFile)
{
    ui::ReportPreview *preview = openPreview();
    ASSERT_NE(preview, nullptr);
    const QString earlier = m_folder.filePath(QStringLiteral("calculation.pdf"));
    {
        QFile file(earlier);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("the calculation of yesterday");
    }
    messages().fileName = earlier;
    testing_support::onAFullDisk([&] { press(preview, "pdf"); });
    messages().fileName = m_folder.filePath(QStringLiteral("missing/calculation.pdf"));
    press(preview, "pdf");

    ASSERT_EQ(messages().shown.size(), 4u); // each: the file asked for, then why it failed
    EXPECT_EQ(messages().shown[1].kind, "warn");
    EXPECT_TRUE(messages().shown[1].text.contains(QStringLiteral("is the disk full?")))
        << messages().shown[1].text.toStdString();
    EXPECT_EQ(messages().shown[3].kind, "warn");
    EXPECT_TRUE(messages().shown[3].text.contains(QStringLiteral("does not exist")));
    EXPECT_EQ(readAll(earlier), QByteArray("the calculation of yesterday"));
    EXPECT_EQ(QDir(m_folder.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("calculation.pdf")});
    EXPECT_EQ(ui::PagePrinter::pdfFolder(),
              QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
}

// ---- the real printing of a report -----------------------------------------------------

TEST_F(ReportPreviewTest, WithAPrinterThePrintDialogComesUpOnceAndEveryPageIsPrinted)
{
    ui::ReportPreview *preview = openPreviewPrinting(true);
    ASSERT_NE(preview, nullptr);
    messages().printerFile = m_folder.filePath(QStringLiteral("printer.pdf"));
    press(preview, "print");
    EXPECT_EQ(pdfPages(messages().printerFile), preview->view()->pageCount());
    QFile::remove(messages().printerFile);
    press(preview, "print");

    EXPECT_EQ(pdfPages(messages().printerFile), preview->view()->pageCount());
    ASSERT_EQ(messages().shown.size(), 1u);
    EXPECT_EQ(messages().shown[0].kind, "print dialog");
    EXPECT_EQ(messages().shown[0].title, "F1 - Design Of Isolated Footing");
}

TEST_F(ReportPreviewTest, WithoutAPrinterTheReportCanBeSavedAsAPdfFile)
{
    ui::ReportPreview *preview = openPreviewPrinting(false);
    ASSERT_NE(preview, nullptr);
    messages().fileName = m_folder.filePath(QStringLiteral("declined.pdf"));
    messages().answer = false;
    press(preview, "print");
    messages().answer = true;
    messages().fileName = m_folder.filePath(QStringLiteral("saved.pdf"));
    press(preview, "print");

    ASSERT_EQ(messages().shown.size(), 3u);
    EXPECT_EQ(messages().shown[0].kind, "ask");
    EXPECT_EQ(messages().shown[1].kind, "ask");
    EXPECT_EQ(messages().shown[2].kind, "save");
    EXPECT_FALSE(QFile::exists(m_folder.filePath(QStringLiteral("declined.pdf"))));
    EXPECT_EQ(pdfPages(messages().fileName), preview->view()->pageCount());
}

// ---- the name of the file ----------------------------------------------------------------

TEST(ReportDocumentName, IsTheMarkAndTheWindowWithoutWhatAFileNameCannotHold)
{
    struct Case {
        const char *mark;
        const char *window;
        const char *name;
    };
    for (const Case &c : {
             Case{"F1", "Design Of Isolated Footing", "F1 - Design Of Isolated Footing"},
             Case{"", "Design Of Strap Footing", "Design Of Strap Footing"},
             Case{"  ", "Design Of Strap Footing", "Design Of Strap Footing"},
             Case{"F1", "", "F1"},
             Case{"A/B:3*?", "Design", "A B 3 - Design"},
             Case{"F\n1\t\"x\"", "W", "F 1 x - W"},
             Case{"../..", "", "Calculation report"},
             Case{"", "", "Calculation report"},
             Case{"<|>", "", "Calculation report"},
         }) {
        report::TitleBlock title;
        title.mark = c.mark;
        title.window = c.window;
        EXPECT_EQ(ui::reportDocumentName(title).toStdString(), c.name) << c.mark;
    }
    report::TitleBlock longTitle;
    longTitle.mark = std::string(300, 'F');
    longTitle.window = "Design Of Isolated Footing";
    EXPECT_EQ(ui::reportDocumentName(longTitle).size(), 120);
}

} // namespace
