// Printing: every window's client area as a vector page at true scale, through the print
// seam, to a printer set up once in the print dialog or, without a printer, to a PDF file.

#include "shell/registry.h"
#include "shell/shell_window.h"
#include "support/gui_test.h"
#include "support/pdf_page.h"
#include "widgets/controls.h"
#include "widgets/page_painter.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPageLayout>
#include <QSettings>
#include <QStandardPaths>
#include <QTabBar>
#include <QTemporaryDir>
#include <random>

namespace {

using shell::WindowKind;
using testing_support::GuiTest;
using testing_support::messages;
using testing_support::PdfPage;

constexpr double kPointsPerMillimetre = 72 / 25.4;

// The real printing path on a machine without a printer, its dialogs answered by the test.
class PdfPrintTest : public GuiTest
{
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        QSettings().remove(QStringLiteral("printing"));
        ui::setPrintSeam(&m_printer);
        messages().answer = true;
    }
    void TearDown() override
    {
        ui::setPrintSeam(&testing_support::printer());
        GuiTest::TearDown();
    }

    // Prints a window to a PDF file and reads the page back.
    PdfPage printToPdf(WindowKind kind, const QString &name)
    {
        messages().fileName = m_folder.filePath(name);
        shell::printWindow(kind);
        QFile file(messages().fileName);
        if (!file.open(QIODevice::ReadOnly)) {
            PdfPage failed;
            failed.error = QStringLiteral("no file ") + messages().fileName;
            return failed;
        }
        m_size = file.size();
        return testing_support::readPdfPage(file.readAll());
    }

    ui::PagePrinter m_printer{[] { return false; }};
    QTemporaryDir m_folder;
    qint64 m_size = 0;
};

// The texts a window shows: every visible caption, field, list, button and tab.
QStringList shownTexts(const QWidget &form)
{
    QStringList texts;
    for (QWidget *widget : form.findChildren<QWidget *>()) {
        if (!widget->isVisibleTo(&form) || qobject_cast<QComboBox *>(widget->parentWidget()))
            continue;
        if (const auto *bar = qobject_cast<QTabBar *>(widget)) {
            for (int i = 0; i < bar->count(); ++i)
                texts.append(bar->tabText(i));
        } else if (qobject_cast<QLabel *>(widget) || qobject_cast<QLineEdit *>(widget) ||
                   qobject_cast<QComboBox *>(widget) || qobject_cast<QAbstractButton *>(widget)) {
            texts.append(ui::captionOf(widget));
        }
    }
    return texts;
}

QString withoutSpaces(QString text)
{
    text.remove(QRegularExpression(QStringLiteral("\\s")));
    return text;
}

bool isLatin(const QString &text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x250; });
}

struct WindowRow {
    const char *name;
    WindowKind kind;
    int footingCase;
    int tab; // the tab on show, -1 for windows without tabs
};

class PrintedWindowTest : public PdfPrintTest, public ::testing::WithParamInterface<WindowRow>
{
};

TEST_P(PrintedWindowTest, PageIsVectorWithItsTextSmallAndNoPenThinnerThanAQuarterMillimetre)
{
    const WindowRow &row = GetParam();
    shell::ShellWindow *window = nullptr;
    if (row.kind == WindowKind::MainWindow) {
        shell::showWindow(row.kind);
        window = shell::instance(row.kind);
    } else {
        window = testing_support::openDesignWindow(row.kind, row.footingCase);
        ASSERT_NE(window, nullptr);
        window->runDesign();
        if (row.tab >= 0) {
            auto *tabs = window->form().findChild<ui::TabControl *>();
            ASSERT_NE(tabs, nullptr);
            tabs->setCurrentIndex(row.tab);
        }
    }
    const PdfPage page = printToPdf(row.kind, QStringLiteral("page.pdf"));
    ASSERT_TRUE(page.error.isEmpty()) << page.error.toStdString();

    // A few hundred kB at most: fonts and vectors, no picture of the window.
    EXPECT_LT(m_size, 200 * 1024);
    for (const PdfPage::Image &image : page.images) {
        EXPECT_LE(image.width, 32);
        EXPECT_LE(image.height, 32);
    }
    // Every text the window shows is text on the page.
    const QString pageText = withoutSpaces(page.allText());
    int checked = 0;
    for (const QString &text : shownTexts(window->form())) {
        if (withoutSpaces(text).isEmpty() || !isLatin(text))
            continue;
        ++checked;
        EXPECT_TRUE(pageText.contains(withoutSpaces(text))) << text.toStdString();
    }
    EXPECT_GT(checked, 1);
    // Lines, borders and sketches at least 0.25 mm wide on paper.
    ASSERT_FALSE(page.strokeWidths.empty());
    for (const double width : page.strokeWidths)
        ASSERT_GE(width, 0.25 * kPointsPerMillimetre - 1e-6);
    // On A4 or Letter.
    const QSizeF portrait(std::min(page.mediaBox.width(), page.mediaBox.height()),
                          std::max(page.mediaBox.width(), page.mediaBox.height()));
    const bool a4 = std::abs(portrait.width() - 595) < 1 && std::abs(portrait.height() - 842) < 1;
    const bool letter =
        std::abs(portrait.width() - 612) < 1 && std::abs(portrait.height() - 792) < 1;
    EXPECT_TRUE(a4 || letter) << portrait.width() << " x " << portrait.height();
}

INSTANTIATE_TEST_SUITE_P(Windows, PrintedWindowTest,
                         ::testing::Values(WindowRow{"Isolated", WindowKind::Isolated, 0, -1},
                                           WindowRow{"IsolatedNonUniform", WindowKind::Isolated, 3,
                                                     -1},
                                           WindowRow{"Strip", WindowKind::Strip, 0, -1},
                                           WindowRow{"StripColumns", WindowKind::Strip, 3, -1},
                                           WindowRow{"CombinedOutput", WindowKind::Combined, 0, 1},
                                           WindowRow{"CombinedDetails", WindowKind::Combined, 0, 3},
                                           WindowRow{"StrapInput", WindowKind::Strap, 0, 0},
                                           WindowRow{"StrapDrawing", WindowKind::Strap, 0, 3},
                                           WindowRow{"MainWindow", WindowKind::MainWindow, 0, -1}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(PdfPrintTest, PdfFileIsProposedInTheDocumentsFolderThenInTheFolderLastSavedTo)
{
    shell::showWindow(WindowKind::MainWindow);
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);

    messages().fileName.clear(); // cancelled
    shell::printWindow(WindowKind::MainWindow);
    ASSERT_EQ(messages().shown.size(), 2u);
    EXPECT_EQ(messages().shown[0].kind, "ask");
    EXPECT_EQ(messages().shown[1].kind, "save");
    EXPECT_EQ(messages().shown[1].text, QDir(documents).filePath("Design Of Foundations.pdf"));

    // Saved without a suffix: the file gets one, and its folder is remembered.
    messages().shown.clear();
    messages().fileName = m_folder.filePath(QStringLiteral("first"));
    shell::printWindow(WindowKind::MainWindow);
    EXPECT_TRUE(QFile::exists(m_folder.filePath(QStringLiteral("first.pdf"))));
    EXPECT_EQ(ui::PagePrinter::pdfFolder(), m_folder.path());

    messages().shown.clear();
    messages().fileName.clear();
    shell::printWindow(WindowKind::MainWindow);
    ASSERT_EQ(messages().shown.size(), 2u);
    EXPECT_EQ(messages().shown[1].text, m_folder.filePath("Design Of Foundations.pdf"));
}

TEST_F(PdfPrintTest, DecliningOrAFolderThatCannotBeWrittenLeavesNoFileAndTheFolderUnchanged)
{
    shell::showWindow(WindowKind::MainWindow);
    messages().answer = false;
    messages().fileName = m_folder.filePath(QStringLiteral("declined.pdf"));
    shell::printWindow(WindowKind::MainWindow);
    EXPECT_FALSE(QFile::exists(messages().fileName));
    ASSERT_EQ(messages().shown.size(), 1u); // the question only

    messages().answer = true;
    messages().shown.clear();
    messages().fileName = m_folder.filePath(QStringLiteral("missing/folder/page.pdf"));
    shell::printWindow(WindowKind::MainWindow);
    ASSERT_EQ(messages().shown.size(), 3u);
    EXPECT_EQ(messages().shown[2].kind, "warn");
    EXPECT_TRUE(messages().shown[2].text.contains(QStringLiteral("could not be written")));
    EXPECT_TRUE(QDir(m_folder.path()).entryList(QDir::Files).isEmpty());
    EXPECT_EQ(ui::PagePrinter::pdfFolder(),
              QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
}

// With a printer, the print dialog comes up on the first printout and only until the user
// accepts it; later printouts go to the printer chosen there.
TEST_F(GuiTest, PrintDialogComesUpOnceAfterTheProgramStarts)
{
    QTemporaryDir folder;
    ui::PagePrinter printing([] { return true; });
    ui::setPrintSeam(&printing);
    shell::showWindow(WindowKind::MainWindow);

    messages().printerFile.clear(); // cancelled
    shell::printWindow(WindowKind::MainWindow);
    messages().printerFile = folder.filePath(QStringLiteral("printer.pdf"));
    shell::printWindow(WindowKind::MainWindow);
    ASSERT_TRUE(QFile::exists(messages().printerFile));
    QFile::remove(messages().printerFile);
    shell::printWindow(WindowKind::MainWindow);
    shell::printWindow(WindowKind::MainWindow);
    ui::setPrintSeam(&testing_support::printer());

    ASSERT_EQ(messages().shown.size(), 2u);
    EXPECT_EQ(messages().shown[0].kind, "print dialog");
    EXPECT_EQ(messages().shown[1].kind, "print dialog");
    EXPECT_EQ(messages().shown[1].title, "Design Of Foundations");
    EXPECT_TRUE(QFile::exists(messages().printerFile)); // printed again without asking
}

TEST(PagePlacement, FitsReducedButNeverEnlargedCentredAcrossAndAtTheTop)
{
    std::mt19937 random(20240607);
    std::uniform_real_distribution<double> side(50, 2000);
    for (int i = 0; i < 2000; ++i) {
        const QSizeF client(side(random), side(random));
        const QSizeF printable(side(random), side(random));
        const ui::PagePlacement place = ui::placeOnPage(client, printable);
        const QSizeF shown = client * place.scale;
        ASSERT_LE(place.scale, 1.0);
        ASSERT_LE(shown.width(), printable.width() + 1e-9);
        ASSERT_LE(shown.height(), printable.height() + 1e-9);
        // As large as it can be: at true size, or touching the printable area on one side.
        const bool trueSize = place.scale == 1.0;
        const bool touches = std::abs(shown.width() - printable.width()) < 1e-9 ||
                             std::abs(shown.height() - printable.height()) < 1e-9;
        ASSERT_TRUE(trueSize || touches);
        ASSERT_EQ(trueSize,
                  client.width() <= printable.width() && client.height() <= printable.height());
        ASSERT_NEAR(place.origin.x() * 2 + shown.width(), printable.width(), 1e-9);
        ASSERT_EQ(place.origin.y(), 0.0);
    }
}

// The non-white part of an image.
QRect inked(const QImage &image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                box |= QRect(x, y, 1, 1);
    return box;
}

TEST_F(GuiTest, PaperShowsAWindowThatFitsAtTrueScaleAndALargerOneReducedToThePrintableArea)
{
    shell::showWindow(WindowKind::MainWindow);
    const QWidget &small = shell::instance(WindowKind::MainWindow)->form();
    const QPageLayout a4(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                         QPageLayout::Millimeter);
    // At 96 dpi one designed pixel is one pixel of the sheet.
    const QImage sheet = ui::pageImage(small, a4);
    EXPECT_EQ(sheet.size(), a4.fullRectPixels(ui::kPageDpi).size());
    const QRect paint = a4.paintRectPixels(ui::kPageDpi);
    const QRect window = inked(sheet);
    EXPECT_EQ(window.size(), small.size());
    EXPECT_NEAR(window.left(), paint.left() + (paint.width() - small.width()) / 2.0, 1);
    EXPECT_EQ(window.top(), paint.top());

    shell::DesignWindow *isolated = testing_support::openDesignWindow(WindowKind::Isolated);
    const QWidget &large = isolated->form();
    const QPageLayout layout = ui::defaultPageLayout(large.size());
    EXPECT_EQ(layout.orientation(), QPageLayout::Landscape);
    const QImage reduced = ui::pageImage(large, layout);
    const QRect area = layout.paintRectPixels(ui::kPageDpi);
    const QRect drawn = inked(reduced);
    EXPECT_TRUE(area.contains(drawn));
    // Reduced just enough: the client area spans the printable height.
    EXPECT_NEAR(drawn.height(), area.height(), 1);
    EXPECT_NEAR(double(drawn.width()) / drawn.height(), double(large.width()) / large.height(),
                0.01);
}

} // namespace
