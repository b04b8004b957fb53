#include "app/info_windows.h"
#include "app/main_window.h"
#include "app/printed_text.h"
#include "shell/registry.h"
#include "support/gui_test.h"
#include "widgets/controls.h"
#include "widgets/painting.h"

#include <QAction>
#include <QApplication>
#include <QFontMetricsF>
#include <QImage>
#include <QPushButton>
#include <cstdlib>
#include <string>

namespace {

using shell::WindowKind;
using testing_support::click;
using testing_support::flushDeletes;
using testing_support::GuiTest;
using testing_support::printer;
using testing_support::quitCount;

app::MainWindow *mainWindow()
{
    return shell::instanceAs<app::MainWindow>(WindowKind::MainWindow);
}

void choose(const char *entry)
{
    ASSERT_NE(mainWindow(), nullptr);
    QAction *action = mainWindow()->menuAction(QString::fromLatin1(entry));
    ASSERT_NE(action, nullptr) << entry;
    action->trigger();
}

app::PrintSurface *surfaceOf(WindowKind kind)
{
    auto *window = shell::instanceAs<app::PrintedWindow>(kind);
    return window ? &window->printSurface() : nullptr;
}

QRect pixels(int left, int top, int width, int height)
{
    return {core::px(left), core::px(top), core::px(width), core::px(height)};
}

// Pixels of this colour inside a rectangle of an image; antialiased edges count while each
// channel is within 60 of the colour.
int countColour(const QImage &image, const QRect &area, QRgb colour)
{
    int count = 0;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            count += std::abs(qRed(pixel) - qRed(colour)) <= 60 &&
                             std::abs(qGreen(pixel) - qGreen(colour)) <= 60 &&
                             std::abs(qBlue(pixel) - qBlue(colour)) <= 60
                         ? 1
                         : 0;
        }
    return count;
}

constexpr QRgb kRed = 0xFF0000;
constexpr QRgb kBlue = 0x0000FF;
constexpr QRgb kOrange = 0xFF8000;

class InfoTest : public GuiTest
{
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        shell::showWindow(WindowKind::MainWindow);
    }
};

// --- the menu entries ---------------------------------------------------------------------

struct EntryRow {
    const char *entry;
    WindowKind kind;
    const char *title;
    QSize client; // twips
    const char *okButton;
};

class MenuEntryTest : public InfoTest, public ::testing::WithParamInterface<EntryRow>
{
};

TEST_P(MenuEntryTest, OpensItsWindowBesideTheMainWindowAndOkClosesOnlyIt)
{
    const EntryRow &row = GetParam();
    choose(row.entry);
    shell::ShellWindow *window = shell::instance(row.kind);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8(row.title));
    EXPECT_EQ(window->form().size(),
              QSize(core::px(row.client.width()), core::px(row.client.height())));

    // The main window stays open and usable: nothing modal, its menu still works.
    ASSERT_NE(mainWindow(), nullptr);
    EXPECT_TRUE(mainWindow()->isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(mainWindow()->menuAction(QStringLiteral("o"))->isEnabled());
    choose("t");
    EXPECT_TRUE(shell::isOpen(WindowKind::TheDesigner));
    EXPECT_TRUE(shell::isOpen(row.kind));

    click(window->control(row.okButton));
    EXPECT_FALSE(shell::isOpen(row.kind));
    EXPECT_TRUE(shell::isOpen(WindowKind::MainWindow));
    EXPECT_EQ(quitCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Menu, MenuEntryTest,
    ::testing::Values(
        EntryRow{"a", WindowKind::Equation, "Design Equations", {7080, 7635}, "Command2"},
        EntryRow{"t", WindowKind::TheDesigner, "", {8880, 9315}, "Command1"},
        EntryRow{"pi", WindowKind::Pictures, "", {9600, 7170}, "Command1"},
        EntryRow{"de", WindowKind::Help, "Help", {8040, 6690}, "Command1"}),
    [](const auto &info) { return std::string(info.param.entry); });

TEST_F(InfoTest, ExitEndsTheProgramWithAllFourInformationWindowsOpen)
{
    for (const char *entry : {"a", "t", "pi", "de"})
        choose(entry);
    EXPECT_EQ(shell::openWindowCount(), 5);
    choose("e");
    EXPECT_EQ(quitCount(), 1);
    EXPECT_EQ(shell::openWindowCount(), 0);
}

TEST_F(InfoTest, MenuPrintPrintsOnlyTheMainWindow)
{
    for (const char *entry : {"a", "t", "pi", "de"})
        choose(entry);
    choose("p");
    ASSERT_EQ(printer().pages.size(), 1u);
    EXPECT_EQ(printer().pages[0].window, "Form1");
}

TEST_F(InfoTest, ClosingTheMainWindowWithTheSheetOpenEndsTheProgramOnlyAfterOk)
{
    choose("a");
    mainWindow()->close();
    EXPECT_FALSE(shell::isOpen(WindowKind::MainWindow));
    EXPECT_EQ(quitCount(), 0);
    click(shell::instance(WindowKind::Equation)->control("Command2"));
    EXPECT_EQ(quitCount(), 1);
    EXPECT_EQ(shell::openWindowCount(), 0);
}

// --- the design-equations sheet -----------------------------------------------------------

enum Ink { Red, Blue, ButtonText };

struct SheetRow {
    int number;
    double points;
    bool underline;
    Ink ink;
    const char *text;
};

// The sheet as it must come out, row by row.
constexpr SheetRow kSheet[] = {
    {1, 15, true, Red, "  Design Equations :- (U.L.S)"},
    {2, 12, true, Blue, "*For PC Footing :-"},
    {3, 12, false, ButtonText, " Apc=pt/(1.5*B/c)"},
    {4, 12, true, Blue, "*For RC Footing :-"},
    {5, 12, false, ButtonText, " B=B1-60cm ; L=L1-60cm (Using Projection=30cm)"},
    {6, 12, false, ButtonText, " qc=pt/(L*B) ; M=qc*c^2*B/8 ; c=(L-tc)/2"},
    {7, 12, false, ButtonText, "Depth=c1*sqr(M/(fcu*B)) ; As=M/(fy*j*depth)"},
    {8, 12, true, Blue, "*Check Of Shear :-"},
    {9, 12, false, ButtonText, "  qcu = 0.75 * Sqr(fcu / 1.5)"},
    {10, 12, false, ButtonText, "  Critical Section At Distance d/2 From Column Face"},
    {11, 12, true, Blue, ""},
    {12, 12, true, Blue, ""},
    {13, 12, true, Blue, ""},
    {14, 12, true, Blue, ""},
    {15, 12, true, Blue, "*Check Of Punch :-"},
    {16, 12, false, ButtonText, " qcup1 = 2.5 * ((4 * depth / per) + 0.2) * Sqr(fcu / 1.5)"},
    {17, 12, false, ButtonText, " qcup2 = (0.5 + (tc / bc)) * Sqr(fcu / 1.5)"},
    {18, 12, false, ButtonText, " qcup3 = Sqr(fcu / 1.5)"},
    {19, 12, true, Blue, "*Check Of Bond :-"},
    {20, 12, false, ButtonText, "  According To E.C Item (4-2-5-1)"},
    {21, 12, true, Blue, "*Min. Rienforcement :-"},
    {22, 12, false, ButtonText, "   Asmin=0.2*Ac"},
};
constexpr size_t kSheetLines = std::size(kSheet);

QColor colourOf(Ink ink)
{
    switch (ink) {
    case Red:
        return QColor(255, 0, 0);
    case Blue:
        return QColor(0, 0, 255);
    case ButtonText:
        break;
    }
    return QApplication::palette().color(QPalette::ButtonText);
}

class SheetRowTest : public InfoTest, public ::testing::WithParamInterface<SheetRow>
{
};

TEST_P(SheetRowTest, EachRowHasItsTextSizeUnderlineAndColourAndIsBold)
{
    const SheetRow &row = GetParam();
    choose("a");
    app::PrintSurface *surface = surfaceOf(WindowKind::Equation);
    ASSERT_NE(surface, nullptr);
    ASSERT_EQ(surface->lines().size(), kSheetLines);
    const app::PrintedLine &line = surface->lines()[size_t(row.number - 1)];
    EXPECT_EQ(line.text, QString::fromLatin1(row.text));
    EXPECT_DOUBLE_EQ(line.font.points, row.points);
    EXPECT_EQ(line.font.underline, row.underline);
    EXPECT_TRUE(line.font.bold);
    EXPECT_EQ(line.colour, colourOf(row.ink));
}

INSTANTIATE_TEST_SUITE_P(Equations, SheetRowTest, ::testing::ValuesIn(kSheet),
                         [](const auto &info) {
                             return "Row" + std::to_string(info.param.number);
                         });

TEST_F(InfoTest, SheetLinesStackFromTheTopLeftWithHeightsFollowingTheFont)
{
    choose("a");
    const app::PrintSurface &surface = *surfaceOf(WindowKind::Equation);
    const auto &lines = surface.lines();
    ASSERT_EQ(lines.size(), kSheetLines);
    EXPECT_DOUBLE_EQ(lines[0].top, 0.0);
    for (size_t i = 1; i < lines.size(); ++i)
        EXPECT_DOUBLE_EQ(lines[i].top, lines[i - 1].top + lines[i - 1].height) << "row " << i + 1;
    EXPECT_GT(lines[0].height, lines[1].height); // 15 pt against 12 pt
    for (size_t i = 2; i < lines.size(); ++i)
        EXPECT_DOUBLE_EQ(lines[i].height, lines[1].height) << "row " << i + 1;
    EXPECT_DOUBLE_EQ(surface.printY(), lines.back().top + lines.back().height);

    // The sheet ends with underline off in the button-text colour.
    EXPECT_FALSE(surface.currentFont().underline);
    EXPECT_TRUE(surface.currentFont().bold);
    EXPECT_EQ(surface.colour(), colourOf(ButtonText));
}

TEST_F(InfoTest, SheetLeavesRoomForTheSketchAndEndsAboveTheButtons)
{
    choose("a");
    shell::ShellWindow *window = shell::instance(WindowKind::Equation);
    const auto &lines = surfaceOf(WindowKind::Equation)->lines();
    ASSERT_EQ(lines.size(), kSheetLines);
    // The shear lines end above the column stub; the punching heading starts below the
    // footing in elevation and clears the shear section line.
    const QRect stub = window->control("Shape2")->geometry();
    const QRect footing = window->control("Shape1")->geometry();
    EXPECT_LE(lines[9].top + lines[9].height, stub.top());
    EXPECT_GE(lines[14].top, footing.bottom());
    const app::PrintedLine &punch = lines[14];
    EXPECT_LT(QFontMetricsF(ui::toQFont(punch.font)).horizontalAdvance(punch.text),
              window->control("Line1")->geometry().center().x());
    EXPECT_LE(lines.back().top + lines.back().height, window->control("Command1")->y());
    // Every line fits the width of the window.
    for (const app::PrintedLine &line : lines)
        EXPECT_LE(QFontMetricsF(ui::toQFont(line.font)).horizontalAdvance(line.text),
                  window->form().width())
            << line.text.toStdString();
}

TEST_F(InfoTest, SecondChoiceWhileOpenPrintsASecondCopyBelowTheFirst)
{
    choose("a");
    const double firstEnd = surfaceOf(WindowKind::Equation)->printY();
    choose("a");
    const auto &lines = surfaceOf(WindowKind::Equation)->lines();
    ASSERT_EQ(lines.size(), 2 * kSheetLines);
    EXPECT_DOUBLE_EQ(lines[kSheetLines].top, firstEnd);
    for (size_t i = 0; i < kSheetLines; ++i) {
        EXPECT_EQ(lines[kSheetLines + i].text, lines[i].text);
        EXPECT_EQ(lines[kSheetLines + i].colour, lines[i].colour);
        EXPECT_EQ(lines[kSheetLines + i].font, lines[i].font);
    }
    EXPECT_EQ(shell::openWindowCount(), 2);
}

TEST_F(InfoTest, ChoiceAfterOkStartsOneFreshCopyAtTheTop)
{
    choose("a");
    choose("a");
    click(shell::instance(WindowKind::Equation)->control("Command2"));
    flushDeletes();
    choose("a");
    const auto &lines = surfaceOf(WindowKind::Equation)->lines();
    ASSERT_EQ(lines.size(), kSheetLines);
    EXPECT_DOUBLE_EQ(lines[0].top, 0.0);
}

TEST_F(InfoTest, PrintedTextIsPartOfTheWindowImageUntilTheWindowCloses)
{
    choose("a");
    shell::ShellWindow *window = shell::instance(WindowKind::Equation);
    const double titleHeight = surfaceOf(WindowKind::Equation)->lines()[0].height;
    const QRect titleBand(0, 0, window->form().width(), int(titleHeight));
    const QImage before = window->form().grab().toImage();
    EXPECT_GT(countColour(before, titleBand, kRed), 20);

    // Covered and uncovered: painted again from what was printed.
    window->hide();
    window->show();
    EXPECT_EQ(window->form().grab().toImage(), before);

    // Gone with the window: shown again without a menu choice, it is blank at the top.
    click(window->control("Command2"));
    flushDeletes();
    shell::showWindow(WindowKind::Equation);
    const QImage fresh = shell::instance(WindowKind::Equation)->form().grab().toImage();
    EXPECT_EQ(countColour(fresh, titleBand, kRed), 0);
}

TEST_F(InfoTest, PrintButtonPrintsTheSheetWithTheSketch)
{
    choose("a");
    shell::ShellWindow *window = shell::instance(WindowKind::Equation);
    click(window->control("Command1"));
    ASSERT_EQ(printer().pages.size(), 1u);
    const auto &page = printer().pages[0];
    EXPECT_EQ(page.window, "equation");
    EXPECT_EQ(page.job, "Design Equations");
    const auto &lines = surfaceOf(WindowKind::Equation)->lines();
    const QRect title(0, 0, page.image.width(), int(lines[0].height));
    const QRect punchHeading(0, int(lines[14].top), core::px(2800), int(lines[14].height));
    EXPECT_GT(countColour(page.image, title, kRed), 20);         // the red title
    EXPECT_GT(countColour(page.image, punchHeading, kBlue), 20); // a blue heading
    EXPECT_GT(countColour(page.image, pixels(1560, 3720, 1335, 495), kOrange), 20); // hatch
    EXPECT_GT(countColour(page.image, pixels(5400, 5400, 975, 975), kRed), 20);     // perimeter
    EXPECT_TRUE(shell::isOpen(WindowKind::Equation));
}

TEST_F(InfoTest, EquationWindowControls)
{
    choose("a");
    shell::ShellWindow *window = shell::instance(WindowKind::Equation);
    EXPECT_FALSE(window->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    struct Button {
        const char *name;
        const char *caption;
        QRect geometry;
    };
    for (const Button &b : {Button{"Command1", "Print", pixels(2400, 7200, 1215, 375)},
                            Button{"Command2", "OK", pixels(3840, 7200, 1215, 375)}}) {
        QWidget *button = window->control(b.name);
        EXPECT_EQ(ui::captionOf(button), b.caption);
        EXPECT_EQ(button->geometry(), b.geometry) << b.name;
        EXPECT_EQ(button->palette().color(QPalette::Button), QColor(0x80, 0xFF, 0x80)) << b.name;
        EXPECT_TRUE(button->font().bold());
        EXPECT_DOUBLE_EQ(button->font().pointSizeF(), 9.75);
    }
    EXPECT_EQ(ui::captionOf(window->control("Label1")), "d/2");
    EXPECT_EQ(ui::foreColour(window->control("Label1")), QColor(255, 0, 0));
    EXPECT_EQ(ui::captionOf(window->control("Label2")), "d+tc");
    EXPECT_EQ(ui::captionOf(window->control("Label3")), "d+bc");
    EXPECT_EQ(window->control("Shape4")->geometry(), pixels(4800, 4920, 2175, 2055));
    EXPECT_EQ(window->control("Shape6")->geometry(), pixels(5400, 5400, 975, 975));
    // The printed text lies under every control and never takes a click.
    QWidget *surface = surfaceOf(WindowKind::Equation);
    EXPECT_EQ(window->form().children().first(), surface);
    EXPECT_TRUE(surface->testAttribute(Qt::WA_TransparentForMouseEvents));
}

// --- the about text -----------------------------------------------------------------------

TEST_F(InfoTest, AboutTextStartsTopLeftBoldUnderlinedRedAndKeepsItsLayout)
{
    choose("de");
    shell::ShellWindow *window = shell::instance(WindowKind::Help);
    const auto &lines = surfaceOf(WindowKind::Help)->lines();
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_DOUBLE_EQ(lines[0].top, 0.0);
    EXPECT_EQ(lines[0].text, "* About This Programe :-");
    EXPECT_DOUBLE_EQ(lines[0].font.points, 12.0);
    EXPECT_TRUE(lines[0].font.underline);
    EXPECT_EQ(lines[0].colour, QColor(255, 0, 0));
    for (const app::PrintedLine &line : lines)
        EXPECT_TRUE(line.font.bold) << line.text.toStdString();

    struct Row {
        size_t index;
        double points;
        bool underline;
        QColor colour;
        const char *text; // nullptr: the wording is free
    };
    const QColor red(255, 0, 0), blue(0, 0, 255);
    for (const Row &row :
         {Row{1, 10, false, blue,
              "  -This programe used to design any type of foundations with Ultimate "},
          Row{2, 10, false, blue, "   Limit State"},
          Row{3, 10, false, blue, "  -The reaction of columns must be with ultimate limit state"},
          Row{4, 12, true, red, "If your design with working :-"},
          Row{5, 10, false, blue, "  - Multiply your reaction with 1.5 and then use this programe"},
          Row{6, 10, false, blue, nullptr}, Row{7, 10, false, red, nullptr},
          Row{8, 15, false, red, nullptr}}) {
        const app::PrintedLine &line = lines[row.index];
        if (row.text) {
            EXPECT_EQ(line.text, row.text);
        }
        EXPECT_DOUBLE_EQ(line.font.points, row.points) << row.index + 1;
        EXPECT_EQ(line.font.underline, row.underline) << row.index + 1;
        EXPECT_EQ(line.colour, row.colour) << row.index + 1;
    }
    EXPECT_TRUE(lines[6].text.startsWith("  -") && !lines[6].text.startsWith("   "));
    EXPECT_TRUE(lines[7].text.startsWith("  -") && !lines[7].text.startsWith("   "));
    EXPECT_TRUE(lines[8].text.startsWith(QString(25, QLatin1Char(' '))));
    EXPECT_NE(lines[8].text.at(25), QLatin1Char(' '));

    // The text fits the window's width and ends above the name label.
    for (const app::PrintedLine &line : lines)
        EXPECT_LE(QFontMetricsF(ui::toQFont(line.font)).horizontalAdvance(line.text),
                  window->form().width())
            << line.text.toStdString();
    EXPECT_LE(lines.back().top + lines.back().height, window->control("Label1")->y());
}

TEST_F(InfoTest, AboutTextStaysReadableOverThePhotograph)
{
    choose("de");
    shell::ShellWindow *window = shell::instance(WindowKind::Help);
    const app::PrintedLine &closing = surfaceOf(WindowKind::Help)->lines().back();
    ASSERT_GT(closing.top + closing.height, window->control("Image1")->y());
    const QImage image = window->form().grab().toImage();
    const QRect band(0, int(closing.top), image.width(), int(closing.height));
    EXPECT_GT(countColour(image, band, kRed), 20);
    // Still beneath the name label and the OK button.
    QWidget *surface = surfaceOf(WindowKind::Help);
    const QObjectList &order = window->form().children();
    EXPECT_LT(order.indexOf(window->control("Image1")), order.indexOf(surface));
    EXPECT_LT(order.indexOf(surface), order.indexOf(window->control("Label1")));
    EXPECT_LT(order.indexOf(surface), order.indexOf(window->control("Command1")));
}

// --- the other information windows --------------------------------------------------------

TEST_F(InfoTest, HelpPicturesAndDesignerLayout)
{
    choose("de");
    shell::ShellWindow *help = shell::instance(WindowKind::Help);
    EXPECT_EQ(help->control("Image1")->geometry(), pixels(-480, 1800, 9600, 7200));
    EXPECT_EQ(help->control("Command1")->geometry(), pixels(6840, 1440, 1095, 375));
    EXPECT_EQ(help->control("Command1")->palette().color(QPalette::Button),
              QColor(0xC0, 0xC0, 0xFF));
    EXPECT_EQ(help->control("Label1")->pos(), QPoint(core::px(6480), core::px(2520)));
    EXPECT_EQ(ui::foreColour(help->control("Label1")), QColor(255, 0, 0));
    EXPECT_FALSE(help->control("Label1")->autoFillBackground());
    EXPECT_EQ(help->minimumSize(), help->maximumSize());

    choose("pi");
    shell::ShellWindow *pictures = shell::instance(WindowKind::Pictures);
    EXPECT_TRUE(pictures->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(pictures->control("Image1")->geometry(), pixels(0, 0, 9600, 7200));
    EXPECT_EQ(pictures->control("Command1")->geometry(), pixels(8040, 6480, 1335, 495));
    for (const char *name : {"Label1", "Label2"}) {
        QWidget *label = pictures->control(name);
        EXPECT_EQ(ui::foreColour(label), QColor(255, 0, 0)) << name;
        EXPECT_FALSE(label->autoFillBackground()) << name;
        EXPECT_FALSE(ui::captionOf(label).isEmpty()) << name;
        // Sized to its text.
        EXPECT_EQ(label->width(), label->sizeHint().width()) << name;
    }
    EXPECT_EQ(pictures->control("Label1")->pos(), QPoint(core::px(480), core::px(6480)));
    EXPECT_EQ(pictures->control("Label2")->pos(), QPoint(core::px(360), core::px(6840)));

    choose("t");
    shell::ShellWindow *designer = shell::instance(WindowKind::TheDesigner);
    EXPECT_TRUE(designer->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(ui::backColour(&designer->form()), QColor(0xFF, 0xC0, 0xC0));
    const QImage card = designer->form().grab().toImage();
    EXPECT_EQ(QColor(card.pixel(card.width() - 2, 2)), QColor(0xFF, 0xC0, 0xC0));
    EXPECT_EQ(designer->control("Image1")->geometry(), pixels(1320, 4800, 6210, 4335));
    EXPECT_EQ(designer->control("Command1")->geometry(), pixels(7680, 6480, 1095, 495));
    EXPECT_EQ(designer->control("Command1")->palette().color(QPalette::Button),
              QColor(0x80, 0xFF, 0x80));
}

TEST_F(InfoTest, DesignerCardPairsEachHeadingWithTheValueOnItsLeft)
{
    choose("t");
    shell::ShellWindow *designer = shell::instance(WindowKind::TheDesigner);
    for (auto [heading, value] : {std::pair{"Label2", "Label3"}, std::pair{"Label4", "Label5"},
                                  std::pair{"Label6", "Label7"}}) {
        QWidget *h = designer->control(heading);
        QWidget *v = designer->control(value);
        EXPECT_EQ(ui::backColour(h), QColor(0x80, 0xFF, 0xFF)) << heading;
        EXPECT_EQ(ui::backColour(v), QColor(0x80, 0xFF, 0x80)) << value;
        EXPECT_DOUBLE_EQ(h->font().pointSizeF(), 13.5);
        EXPECT_DOUBLE_EQ(v->font().pointSizeF(), 13.5);
        EXPECT_TRUE(h->font().bold() && v->font().bold());
        EXPECT_EQ(h->y(), v->y()) << heading;
        EXPECT_LT(v->geometry().right(), h->x()) << heading;
    }
    // The example addresses are the only addresses on the card.
    for (const char *name : {"Label11", "Label12"})
        EXPECT_TRUE(ui::captionOf(designer->control(name)).contains("@example."));
}

} // namespace
