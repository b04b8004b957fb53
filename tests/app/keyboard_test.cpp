// The program from the keyboard alone: Enter designs, Tab follows each form, the choosers and
// the information windows answer their keys, the tabs switch with Ctrl+Tab, and a refused
// input gets the focus.

#include "app/info_windows.h"
#include "app/main_window.h"
#include "shell/case_chooser.h"
#include "shell/registry.h"
#include "shell/shell_window.h"
#include "support/gui_test.h"
#include "widgets/controls.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>

namespace {

using shell::WindowKind;
using testing_support::activate;
using testing_support::focusedControl;
using testing_support::GuiTest;
using testing_support::messages;
using testing_support::openDesignWindow;

QString nameOf(QWidget *control)
{
    if (!control)
        return QStringLiteral("(none)");
    if (qobject_cast<QTabBar *>(control))
        return QStringLiteral("tabs");
    return control->objectName();
}

shell::DesignWindow *openActive(WindowKind kind, int footingCase = 0)
{
    shell::DesignWindow *window = openDesignWindow(kind, footingCase);
    if (window)
        activate(window);
    return window;
}

ui::TabControl *tabsOf(shell::ShellWindow *window)
{
    return window->form().findChild<ui::TabControl *>();
}

// --- Enter designs -------------------------------------------------------------------------

struct DesignRow {
    const char *name;
    WindowKind kind;
    int footingCase;
};

class EnterDesigns : public GuiTest, public ::testing::WithParamInterface<DesignRow>
{
};

// In every input the user can reach (text boxes, lists, the wall options), Enter and the
// keypad's Enter run the design once.
TEST_P(EnterDesigns, InEveryInputEnterAndKeypadEnterRunTheDesignOnce)
{
    const DesignRow &row = GetParam();
    shell::DesignWindow *window = openActive(row.kind, row.footingCase);
    ASSERT_NE(window, nullptr);
    if (ui::TabControl *tabs = tabsOf(window))
        tabs->setCurrentIndex(0);
    QSignalSpy designed(window, &shell::DesignWindow::designApplied);
    int expected = 0;
    for (const auto &[name, text] : window->request().texts) {
        QWidget *field = window->control(name);
        ui::revealControl(field);
        if (!field->isVisible() || !(field->focusPolicy() & Qt::TabFocus))
            continue;
        field->setFocus();
        QTest::keyClick(field, Qt::Key_Return);
        EXPECT_EQ(designed.count(), ++expected) << name;
        QTest::keyClick(field, Qt::Key_Enter, Qt::KeypadModifier);
        EXPECT_EQ(designed.count(), ++expected) << name;
    }
    EXPECT_GT(expected, 10);
    EXPECT_TRUE(messages().shown.empty());
}

INSTANTIATE_TEST_SUITE_P(Windows, EnterDesigns,
                         ::testing::Values(DesignRow{"Isolated", WindowKind::Isolated, 0},
                                           DesignRow{"IsolatedNonUniform", WindowKind::Isolated, 3},
                                           DesignRow{"StripWall", WindowKind::Strip, 0},
                                           DesignRow{"StripColumns", WindowKind::Strip, 3},
                                           DesignRow{"Combined", WindowKind::Combined, 0},
                                           DesignRow{"Strap", WindowKind::Strap, 0}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(GuiTest, EnterRunsTheDesignWithWhatWasTyped)
{
    shell::DesignWindow *window = openActive(WindowKind::Isolated);
    auto *load = window->find<QLineEdit>("Text1");
    load->setFocus();
    load->selectAll();
    QTest::keyClicks(load, QStringLiteral("400"));
    QTest::keyClick(load, Qt::Key_Return);
    // A load of 400 t on the default footing fails in punching.
    EXPECT_EQ(ui::captionOf(window->control("Label34")), QStringLiteral("Unsafe Punch Stress"));
}

// --- Tab follows the form ------------------------------------------------------------------

struct TabOrderRow {
    const char *name;
    WindowKind kind;
    int footingCase;
    int tab; // -1: no tabs
    std::vector<const char *> order;
};

class TabOrder : public GuiTest, public ::testing::WithParamInterface<TabOrderRow>
{
};

TEST_P(TabOrder, TabWalksTheFormInReadingOrderAndShiftTabWalksBack)
{
    const TabOrderRow &row = GetParam();
    shell::DesignWindow *window = openActive(row.kind, row.footingCase);
    ASSERT_NE(window, nullptr);
    if (row.tab >= 0)
        tabsOf(window)->setCurrentIndex(row.tab);
    QWidget *first = row.tab >= 0 ? static_cast<QWidget *>(tabsOf(window)->tabBar())
                                  : window->control(row.order.front());
    first->setFocus();
    ASSERT_EQ(focusedControl(), first);

    QStringList forward;
    for (size_t i = 0; i < row.order.size(); ++i) {
        forward.append(nameOf(focusedControl()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QStringList expected;
    for (const char *name : row.order)
        expected.append(QString::fromLatin1(name));
    EXPECT_EQ(forward, expected);
    EXPECT_EQ(focusedControl(), first); // round to the start

    QStringList backward;
    for (size_t i = 0; i < row.order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        backward.prepend(nameOf(focusedControl()));
    }
    EXPECT_EQ(backward, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Windows, TabOrder,
    ::testing::Values(
        TabOrderRow{"Isolated",
                    WindowKind::Isolated,
                    0,
                    -1,
                    {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7", "Text8",
                     "Text9", "Command1", "Combo2", "Combo1", "Command3", "Command2", "Command4"}},
        TabOrderRow{"IsolatedNonUniform",
                    WindowKind::Isolated,
                    3,
                    -1,
                    {"Text1", "Text10", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7",
                     "Text8", "Text9", "Text11", "Command1", "Combo2", "Combo1", "Command3",
                     "Command2", "Command4"}},
        // The wall options are one stop: the chosen one.
        TabOrderRow{"StripWall",
                    WindowKind::Strip,
                    0,
                    -1,
                    {"Text1", "Text2", "Text3", "Text4", "Text5", "Option1", "Text7", "Text8",
                     "Text9", "Command1", "Combo1", "Combo2", "Command3", "Command2", "Command4"}},
        // The wall's group lies under the columns' group: Tab never enters it.
        TabOrderRow{"StripColumns",
                    WindowKind::Strip,
                    3,
                    -1,
                    {"Text1", "Text2", "Text3", "Text4", "Text6", "Text11", "Text12", "Text7",
                     "Text8", "Text9", "Text13", "Command1", "Combo1", "Combo2", "Combo3", "Combo4",
                     "Command2", "Command3", "Command4"}},
        TabOrderRow{"CombinedInput",
                    WindowKind::Combined,
                    0,
                    0,
                    {"tabs", "Text1", "Text2", "Text3", "Text4", "Text5", "Text13", "Command1",
                     "Command2", "Command3", "Command4", "Text6", "Text7", "Text8", "Text9",
                     "Text10", "Text11", "Text12"}},
        TabOrderRow{
            "CombinedOutput",
            WindowKind::Combined,
            0,
            1,
            {"tabs", "Combo1", "Combo2", "Command5", "Command6", "Command7", "Combo3", "Combo4"}},
        TabOrderRow{"StrapInput",
                    WindowKind::Strap,
                    0,
                    0,
                    {"tabs", "Text1", "Text2", "Text7", "Text8", "Text9", "Text10", "Text14",
                     "Command4", "Command1", "Command2", "Command3", "Text3", "Text4", "Text5",
                     "Text6", "Text11", "Text12", "Text13"}},
        TabOrderRow{"StrapOutput",
                    WindowKind::Strap,
                    0,
                    1,
                    {"tabs", "Combo1", "Combo2", "Combo3", "Combo4", "Combo5", "Command6",
                     "Command5", "Command7"}}),
    [](const auto &info) { return std::string(info.param.name); });

// --- tabs ----------------------------------------------------------------------------------

TEST_F(GuiTest, CtrlTabAndCtrlShiftTabSwitchTheTabsRoundFromAnyControl)
{
    for (const WindowKind kind : {WindowKind::Combined, WindowKind::Strap}) {
        shell::resetForTests();
        shell::DesignWindow *window = openActive(kind);
        ui::TabControl *tabs = tabsOf(window);
        ASSERT_NE(tabs, nullptr);
        tabs->setCurrentIndex(0);
        window->control("Text1")->setFocus();
        std::vector<int> seen;
        for (int i = 0; i < 5; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
            seen.push_back(tabs->currentIndex());
        }
        EXPECT_EQ(seen, (std::vector<int>{1, 2, 3, 0, 1}));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab,
                        Qt::ControlModifier | Qt::ShiftModifier);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab,
                        Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(tabs->currentIndex(), 3);
    }
}

// --- refused input -------------------------------------------------------------------------

struct RefusalRow {
    const char *name;
    WindowKind kind;
    int shownTab; // the tab on show when Design runs; -1 for windows without tabs
    const char *field;
    const char *text;
};

class RefusedInput : public GuiTest, public ::testing::WithParamInterface<RefusalRow>
{
};

TEST_P(RefusedInput, FocusGoesToTheNamedFieldWithItsTextSelected)
{
    const RefusalRow &row = GetParam();
    shell::DesignWindow *window = openActive(row.kind);
    ASSERT_NE(window, nullptr);
    auto *field = window->find<QLineEdit>(row.field);
    field->setText(QString::fromLatin1(row.text));
    if (row.shownTab >= 0)
        tabsOf(window)->setCurrentIndex(row.shownTab);
    window->control("Text1")->setFocus();
    window->runDesign();

    ASSERT_EQ(messages().shown.size(), 1u);
    EXPECT_EQ(messages().shown[0].kind, "warn");
    EXPECT_TRUE(field->isVisible()); // its tab is brought forward
    EXPECT_EQ(focusedControl(), field);
    EXPECT_EQ(field->selectedText(), QString::fromLatin1(row.text));
}

INSTANTIATE_TEST_SUITE_P(
    Windows, RefusedInput,
    ::testing::Values(
        RefusalRow{"IsolatedConcreteStrength", WindowKind::Isolated, -1, "Text7", "0"},
        RefusalRow{"StripCover", WindowKind::Strip, -1, "Text4", "five"},
        RefusalRow{"CombinedSpacingFromOutputTab", WindowKind::Combined, 1, "Text13", "-3"},
        RefusalRow{"StrapSteelFromDrawingTab", WindowKind::Strap, 3, "Text12", "3600x"}),
    [](const auto &info) { return std::string(info.param.name); });

// --- choosers --------------------------------------------------------------------------------

struct ChooserRow {
    const char *name;
    WindowKind chooser;
    int steps; // presses of the right arrow after Tab has reached the first sketch
    Qt::Key pick;
    WindowKind opens;
    int footingCase; // for the case choosers
};

class ChooserKeys : public GuiTest, public ::testing::WithParamInterface<ChooserRow>
{
};

TEST_P(ChooserKeys, FocusStartsOnTheFirstSketchArrowsMoveAndEnterOrSpacePicks)
{
    const ChooserRow &row = GetParam();
    shell::openWindow(row.chooser);
    shell::ShellWindow *chooser = shell::instance(row.chooser);
    activate(chooser);
    ASSERT_NE(qobject_cast<ui::PictureBox *>(focusedControl()), nullptr);
    for (int i = 0; i < row.steps; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QTest::keyClick(QApplication::focusWidget(), row.pick);

    EXPECT_FALSE(shell::isOpen(row.chooser));
    ASSERT_TRUE(shell::isOpen(row.opens));
    if (auto *design = shell::instanceAs<shell::DesignWindow>(row.opens);
        design && row.chooser != WindowKind::TypeChooser) {
        EXPECT_EQ(design->footingCase(), row.footingCase);
    }
    EXPECT_EQ(testing_support::quitCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Choosers, ChooserKeys,
    ::testing::Values(ChooserRow{"IsolatedFirstByEnter", WindowKind::IsolatedCases, 0,
                                 Qt::Key_Return, WindowKind::Isolated, 0},
                      ChooserRow{"IsolatedThirdBySpace", WindowKind::IsolatedCases, 2,
                                 Qt::Key_Space, WindowKind::Isolated, 2},
                      ChooserRow{"StripLastByEnter", WindowKind::StripCases, 3, Qt::Key_Enter,
                                 WindowKind::Strip, 3},
                      ChooserRow{"TypeIsolatedByEnter", WindowKind::TypeChooser, 0, Qt::Key_Return,
                                 WindowKind::IsolatedCases, 0},
                      ChooserRow{"TypeStripBySpace", WindowKind::TypeChooser, 1, Qt::Key_Space,
                                 WindowKind::StripCases, 0},
                      ChooserRow{"TypeStrapByEnter", WindowKind::TypeChooser, 3, Qt::Key_Return,
                                 WindowKind::Strap, 0}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(GuiTest, ArrowsGoBackAndTabWalksTheSketchesInReadingOrder)
{
    shell::openWindow(WindowKind::TypeChooser);
    shell::ShellWindow *chooser = shell::instance(WindowKind::TypeChooser);
    activate(chooser);
    QStringList order{nameOf(focusedControl())};
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order.append(nameOf(focusedControl()));
    }
    // Isolated and strip side by side, then combined, then strap, and round again.
    EXPECT_EQ(order, (QStringList{"Picture1(1)", "Picture1(0)", "Picture1(2)", "Picture1(3)",
                                  "Picture1(1)"}));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
    EXPECT_EQ(nameOf(focusedControl()), "Picture1(3)");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    EXPECT_EQ(nameOf(focusedControl()), "Picture1(2)");
}

// --- information windows -----------------------------------------------------------------

struct InfoRow {
    const char *name;
    void (*open)();
    WindowKind kind;
};

class InfoKeys : public GuiTest, public ::testing::WithParamInterface<InfoRow>
{
};

TEST_P(InfoKeys, EscapeClosesAndEnterOrKeypadEnterPressesOk)
{
    const InfoRow &row = GetParam();
    for (const auto &[key, modifiers] :
         {std::pair{Qt::Key_Escape, Qt::NoModifier}, std::pair{Qt::Key_Return, Qt::NoModifier},
          std::pair{Qt::Key_Enter, Qt::KeypadModifier}}) {
        shell::resetForTests();
        shell::showWindow(WindowKind::MainWindow);
        row.open();
        shell::ShellWindow *window = shell::instance(row.kind);
        ASSERT_NE(window, nullptr);
        activate(window);
        QTest::keyClick(window, key, modifiers);
        EXPECT_FALSE(shell::isOpen(row.kind)) << key;
        EXPECT_TRUE(shell::isOpen(WindowKind::MainWindow)) << key;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Windows, InfoKeys,
    ::testing::Values(InfoRow{"Equation", &app::showEquations, WindowKind::Equation},
                      InfoRow{"Help", &app::showAbout, WindowKind::Help},
                      InfoRow{"Pictures", &app::showPictures, WindowKind::Pictures},
                      InfoRow{"Designer", &app::showDesigner, WindowKind::TheDesigner}),
    [](const auto &info) { return std::string(info.param.name); });

// --- the design windows' menu ------------------------------------------------------------

TEST_F(GuiTest, MenuShortcutsWorkWhileTypingInAField)
{
    shell::DesignWindow *window = openActive(WindowKind::Isolated);
    window->control("Text1")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_P, Qt::ControlModifier);
    ASSERT_EQ(testing_support::printer().pages.size(), 1u);
    EXPECT_EQ(testing_support::printer().pages[0].window, "isolated");

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left, Qt::AltModifier);
    EXPECT_FALSE(shell::isOpen(WindowKind::Isolated));
    ASSERT_TRUE(shell::isOpen(WindowKind::MainWindow));

    for (const Qt::Key exitKey : {Qt::Key_E, Qt::Key_Q}) {
        shell::resetForTests();
        window = openActive(WindowKind::Strip);
        window->control("Text1")->setFocus();
        const int quits = testing_support::quitCount();
        QTest::keyClick(QApplication::focusWidget(), exitKey, Qt::ControlModifier);
        EXPECT_EQ(testing_support::quitCount(), quits + 1) << exitKey;
        EXPECT_EQ(shell::openWindowCount(), 0) << exitKey;
    }
}

} // namespace
