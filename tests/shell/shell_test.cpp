#include "app/main_window.h"
#include "app/start_window.h"
#include "shell/registry.h"
#include "shell/shell_window.h"
#include "support/gui_test.h"
#include "widgets/controls.h"

#include <QAction>
#include <QFile>
#include <QMenuBar>
#include <QPointer>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

namespace {

using shell::WindowKind;
using testing_support::click;
using testing_support::GuiTest;
using testing_support::messages;
using testing_support::printer;
using testing_support::quitCount;

QSize pixels(int widthTwips, int heightTwips)
{
    return {core::px(widthTwips), core::px(heightTwips)};
}

app::MainWindow *mainWindow()
{
    return shell::instanceAs<app::MainWindow>(WindowKind::MainWindow);
}

class ShellTest : public GuiTest
{
};

TEST_F(ShellTest, SplashEndsOnItsOnlyTickAndShowsTheMainWindowAtItsDesignSize)
{
    shell::showWindow(WindowKind::Start);
    auto *splash = shell::instanceAs<app::StartWindow>(WindowKind::Start);
    ASSERT_NE(splash, nullptr);
    EXPECT_EQ(splash->timer()->interval(), 3000);
    EXPECT_TRUE(splash->timer()->isActive());
    EXPECT_TRUE(splash->windowFlags() & Qt::FramelessWindowHint);

    splash->splashTick();
    EXPECT_FALSE(shell::isOpen(WindowKind::Start));
    ASSERT_NE(mainWindow(), nullptr);
    EXPECT_TRUE(mainWindow()->isVisible());
    EXPECT_EQ(mainWindow()->form().size(), pixels(7680, 5250));
    EXPECT_EQ(quitCount(), 0); // the splash closed before the main window opened
    EXPECT_EQ(shell::openWindowCount(), 1);
}

TEST_F(ShellTest, MainWindowHasItsControlsMenusAndShortcuts)
{
    shell::showWindow(WindowKind::MainWindow);
    app::MainWindow *window = mainWindow();
    EXPECT_EQ(window->windowTitle(), "Design Of Foundations");
    EXPECT_EQ(window->control("Command1")->geometry(), QRect(24, 272, 465, 33));
    EXPECT_EQ(window->control("Command1")->toolTip(),
              QStringLiteral("اختار نوع الاساس المطلوب تصميمة"));
    EXPECT_EQ(ui::captionOf(window->control("Label1")), QStringLiteral("بسم الله الرحمن الرحيم"));
    EXPECT_EQ(ui::foreColour(window->control("Label1")), QColor(0, 0, 255));
    EXPECT_DOUBLE_EQ(window->control("Label1")->font().pointSizeF(), 18.0);
    EXPECT_EQ(ui::foreColour(window->control("Label2")), QColor(255, 0, 0));
    EXPECT_TRUE(window->control("Label2")->font().italic());
    EXPECT_EQ(window->creditTimer()->interval(), 100);

    struct Entry {
        const char *name;
        const char *shortcut;
    };
    for (const Entry e : {Entry{"o", "Ctrl+O"}, Entry{"p", "Ctrl+P"}, Entry{"e", "Ctrl+E"},
                          Entry{"a", ""}, Entry{"t", ""}, Entry{"pi", ""}, Entry{"de", ""}}) {
        QAction *action = window->menuAction(e.name);
        ASSERT_NE(action, nullptr) << e.name;
        EXPECT_EQ(action->shortcut(), QKeySequence(e.shortcut)) << e.name;
    }
}

TEST_F(ShellTest, ChooseButtonAndOpenEntryOpenTheTypeChooserAndCloseTheMainWindow)
{
    for (bool viaMenu : {false, true}) {
        shell::resetForTests();
        shell::showWindow(WindowKind::MainWindow);
        if (viaMenu)
            mainWindow()->menuAction("o")->trigger();
        else
            click(mainWindow()->control("Command1"));
        EXPECT_FALSE(shell::isOpen(WindowKind::MainWindow));
        ASSERT_TRUE(shell::isOpen(WindowKind::TypeChooser));
        EXPECT_EQ(shell::instance(WindowKind::TypeChooser)->size(), pixels(7300, 9400));
        EXPECT_EQ(shell::instance(WindowKind::TypeChooser)->windowTitle(),
                  "Shoosing Of Foundation Type");
    }
    EXPECT_EQ(quitCount(), 0);
}

struct TypeRow {
    const char *caption;
    const char *picture;
    WindowKind target;
    QSize size;
    const char *title;
};

class TypeChooserTest : public GuiTest, public ::testing::WithParamInterface<TypeRow>
{
};

TEST_P(TypeChooserTest, CaptionAndPictureOpenTheSameWindowAndCloseTheChooser)
{
    const TypeRow &row = GetParam();
    for (bool onPicture : {false, true}) {
        shell::resetForTests();
        shell::openWindow(WindowKind::TypeChooser, 7300, 9400);
        shell::ShellWindow *chooser = shell::instance(WindowKind::TypeChooser);
        if (onPicture)
            click(chooser->control(row.picture), QPoint(8, 8)); // outside the caption
        else
            click(chooser->control(row.caption));
        EXPECT_FALSE(shell::isOpen(WindowKind::TypeChooser)) << row.caption;
        ASSERT_TRUE(shell::isOpen(row.target)) << row.caption;
        EXPECT_EQ(shell::instance(row.target)->centralWidget()->size(), row.size) << row.caption;
        EXPECT_EQ(shell::instance(row.target)->windowTitle(), row.title);
        EXPECT_EQ(shell::openWindowCount(), 1);
    }
    EXPECT_EQ(quitCount(), 0); // closing the chooser first never ends the program
}

INSTANTIATE_TEST_SUITE_P(
    Navigation, TypeChooserTest,
    ::testing::Values(TypeRow{"Label1", "Picture1(1)", WindowKind::IsolatedCases, QSize(453, 433),
                              "Shoosing Of Isolated Footing Cases"},
                      TypeRow{"Label2", "Picture1(0)", WindowKind::StripCases, QSize(453, 433),
                              "Shoosing Of Strip Footing Cases"},
                      TypeRow{"Label3", "Picture1(2)", WindowKind::Combined, QSize(623, 387),
                              "Design Of Combined Footing"},
                      TypeRow{"Label4", "Picture1(3)", WindowKind::Strap, QSize(623, 387),
                              "Design Of Strap Footing"}),
    [](const auto &info) { return std::string(info.param.caption); });

TEST_F(ShellTest, BackFromADesignWindowOpensTheMainWindowAt7800By6060)
{
    for (WindowKind design :
         {WindowKind::Isolated, WindowKind::Strip, WindowKind::Combined, WindowKind::Strap}) {
        shell::resetForTests();
        shell::openWindow(design, 9350, 5800);
        shell::backToMain(design);
        EXPECT_FALSE(shell::isOpen(design));
        ASSERT_NE(mainWindow(), nullptr);
        EXPECT_EQ(mainWindow()->size(), pixels(7800, 6060));
        EXPECT_TRUE(mainWindow()->menuAction("o")->isEnabled());
    }
    EXPECT_EQ(quitCount(), 0);
}

TEST_F(ShellTest, ReopenedWindowStartsFromItsDesignTimeContents)
{
    shell::showWindow(WindowKind::MainWindow);
    ui::setCaption(mainWindow()->control("Command1"), QStringLiteral("changed"));
    mainWindow()->find<ui::CaptionLabel>("Label2")->setCaption(app::MainWindow::arabicCredit());
    shell::openThenClose(WindowKind::MainWindow, WindowKind::TypeChooser, 7300, 9400);
    shell::closeThenOpen(WindowKind::TypeChooser, WindowKind::MainWindow, 7800, 6060);
    EXPECT_EQ(ui::captionOf(mainWindow()->control("Command1")),
              "Choose Your Foundation Type To Design");
    EXPECT_EQ(ui::captionOf(mainWindow()->control("Label2")), app::MainWindow::latinCredit());
}

TEST_F(ShellTest, ClosingAClosedWindowDoesNothing)
{
    shell::showWindow(WindowKind::MainWindow);
    shell::closeWindow(WindowKind::Help);
    EXPECT_TRUE(shell::isOpen(WindowKind::MainWindow));
    EXPECT_EQ(quitCount(), 0);
}

TEST_F(ShellTest, ClosingTheLastWindowWithItsFrameEndsTheProgram)
{
    shell::showWindow(WindowKind::MainWindow);
    shell::showWindow(WindowKind::Equation);
    mainWindow()->close(); // the frame's close button
    EXPECT_FALSE(shell::isOpen(WindowKind::MainWindow));
    EXPECT_EQ(quitCount(), 0); // the equations sheet is still open
    shell::instance(WindowKind::Equation)->close();
    EXPECT_EQ(quitCount(), 1);
    EXPECT_EQ(shell::openWindowCount(), 0);
}

TEST_F(ShellTest, ExitEndsTheProgramWithInformationWindowsOpen)
{
    shell::showWindow(WindowKind::MainWindow);
    for (WindowKind kind :
         {WindowKind::Equation, WindowKind::Help, WindowKind::Pictures, WindowKind::TheDesigner})
        shell::showWindow(kind);
    EXPECT_EQ(shell::openWindowCount(), 5);
    mainWindow()->menuAction("e")->trigger();
    EXPECT_EQ(quitCount(), 1);
    EXPECT_EQ(shell::openWindowCount(), 0);
}

TEST_F(ShellTest, MenuPrintPrintsOnlyTheMainWindow)
{
    shell::showWindow(WindowKind::MainWindow);
    shell::showWindow(WindowKind::Equation);
    mainWindow()->menuAction("p")->trigger();
    ASSERT_EQ(printer().pages.size(), 1u);
    EXPECT_EQ(printer().pages[0].window, "Form1");
    EXPECT_EQ(printer().pages[0].job, "Design Of Foundations");
    EXPECT_EQ(printer().pages[0].image.size(), pixels(7680, 5250));
}

TEST_F(ShellTest, WithoutAPrinterTheUserCanSaveThePageAsPdf)
{
    if (!QPrinterInfo::defaultPrinter().isNull())
        GTEST_SKIP() << "this machine has a default printer";
    ui::setPrintSeam(nullptr); // the real printing path
    shell::showWindow(WindowKind::MainWindow);

    messages().answer = false;
    shell::printWindow(WindowKind::MainWindow);
    ASSERT_EQ(messages().shown.size(), 1u);
    EXPECT_EQ(messages().shown[0].kind, "ask");
    EXPECT_EQ(messages().shown[0].text,
              "No printer is installed. Save the page as a PDF file instead?");

    QTemporaryDir folder;
    messages().shown.clear();
    messages().answer = true;
    messages().fileName = folder.filePath("page.pdf");
    shell::printWindow(WindowKind::MainWindow);
    QFile pdf(messages().fileName);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5).startsWith("%PDF"));
    EXPECT_EQ(messages().shown.size(), 2u); // the question and the file dialog, nothing else
    ui::setPrintSeam(&printer());
}

TEST_F(ShellTest, CreditLineTicks)
{
    shell::showWindow(WindowKind::MainWindow);
    auto *credit = mainWindow()->control("Label2");
    EXPECT_EQ(credit->x(), core::px(1575));

    mainWindow()->creditTick();
    EXPECT_EQ(app::creditOffset(), -100);
    EXPECT_EQ(credit->x(), core::px(-100));
    for (int tick = 2; tick <= 45; ++tick)
        mainWindow()->creditTick();
    EXPECT_EQ(app::creditOffset(), 7500);
    EXPECT_EQ(credit->x(), core::px(7500));
    EXPECT_EQ(ui::captionOf(credit), app::MainWindow::arabicCredit());
    for (int tick = 1; tick <= 119; ++tick)
        mainWindow()->creditTick();
    EXPECT_EQ(app::creditOffset(), -4400);
    EXPECT_EQ(ui::captionOf(credit), app::MainWindow::arabicCredit());
    mainWindow()->creditTick();
    EXPECT_EQ(app::creditOffset(), 7500);
    EXPECT_EQ(ui::captionOf(credit), app::MainWindow::latinCredit());
}

TEST_F(ShellTest, CreditOffsetSurvivesClosingTheMainWindowButTheCaptionRestartsLatin)
{
    shell::showWindow(WindowKind::MainWindow);
    for (int tick = 0; tick < 50; ++tick)
        mainWindow()->creditTick();
    EXPECT_EQ(app::creditOffset(), 7000);
    EXPECT_EQ(ui::captionOf(mainWindow()->control("Label2")), app::MainWindow::arabicCredit());

    shell::openWindow(WindowKind::Strap, 9350, 5800);
    shell::closeWindow(WindowKind::MainWindow);
    shell::backToMain(WindowKind::Strap);
    EXPECT_EQ(ui::captionOf(mainWindow()->control("Label2")), app::MainWindow::latinCredit());
    mainWindow()->creditTick();
    EXPECT_EQ(app::creditOffset(), 6900);
    EXPECT_EQ(mainWindow()->control("Label2")->x(), core::px(6900));
}

TEST_F(ShellTest, ClosedWindowsStopTheirTimers)
{
    shell::showWindow(WindowKind::MainWindow);
    QTimer *timer = mainWindow()->creditTimer();
    QPointer<QTimer> guard(timer);
    shell::closeWindow(WindowKind::MainWindow);
    ASSERT_FALSE(guard.isNull()); // deleted once control returns to the event loop
    EXPECT_FALSE(timer->isActive());
    testing_support::flushDeletes();
    EXPECT_TRUE(guard.isNull());
}

TEST_F(ShellTest, CatalogueFramesAndCaptions)
{
    for (const shell::WindowInfo &window : shell::kCatalogue) {
        shell::ShellWindow &instance = shell::ensureInstance(window.kind);
        EXPECT_EQ(instance.objectName().toStdString(), window.name);
        EXPECT_EQ(instance.windowTitle().toStdString(), window.caption);
        EXPECT_EQ(instance.form().size(), pixels(window.clientWidth, window.clientHeight))
            << window.name;
        const Qt::WindowFlags flags = instance.windowFlags();
        EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint) << window.name;
        EXPECT_EQ(bool(flags & Qt::WindowMinimizeButtonHint),
                  window.frame == shell::FrameStyle::Normal)
            << window.name;
        EXPECT_EQ(bool(flags & Qt::FramelessWindowHint), window.frame == shell::FrameStyle::None)
            << window.name;
    }
}

} // namespace
