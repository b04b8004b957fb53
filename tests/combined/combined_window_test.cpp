#include "app/main_window.h"
#include "combined/combined_design.h"
#include "combined/combined_windows.h"
#include "combined_cases.h"
#include "shell/registry.h"
#include "support/gui_test.h"
#include "widgets/controls.h"
#include "widgets/painting.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTimer>

namespace {

using combined::CombinedWindow;
using combined_cases::DesignCase;
using shell::WindowKind;
using testing_support::click;
using testing_support::GuiTest;
using testing_support::messages;
using testing_support::pick;
using testing_support::printer;
using testing_support::quitCount;
using testing_support::typeInto;

const QColor kCyan(0x00, 0xFF, 0xFF);
const QColor kLightCyan(0x80, 0xFF, 0xFF);
const QColor kRed(0xFF, 0x00, 0x00);
const QColor kBlue(0x00, 0x00, 0xFF);

CombinedWindow *window()
{
    return shell::instanceAs<CombinedWindow>(WindowKind::Combined);
}

QString caption(std::string_view control)
{
    return ui::captionOf(window()->control(control));
}

// The tab a control lives on, following its containers up to the tab control.
int tabOf(const core::Control &row)
{
    std::span<const core::Control> table = combined::windowInfo().controls;
    const core::Control *at = &row;
    while (at && at->parent != combined::kTabControl)
        at = at->parent.empty() ? nullptr : core::findControl(table, at->parent);
    return at ? at->tab : -1;
}

class CombinedWindowTest : public GuiTest
{
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        // As the type chooser opens it.
        shell::openWindow(WindowKind::Combined, 9350, 5800);
        ASSERT_NE(window(), nullptr);
    }

    // Types as a user does: brings the field's tab to the front first.
    void type(std::string_view field, const QString &text)
    {
        showTab(tabOf(*core::findControl(combined::windowInfo().controls, field)));
        QWidget *control = window()->control(field);
        if (auto *list = qobject_cast<QComboBox *>(control))
            typeInto(list, text);
        else
            typeInto(qobject_cast<QLineEdit *>(control), text);
    }

    void design()
    {
        showTab(combined::kInputTab);
        click(window()->control("Command1"));
    }

    void designWith(const combined_cases::Texts &inputs)
    {
        for (const auto &[field, text] : inputs)
            type(field, QString::fromStdString(text));
        design();
    }

    void showTab(int index)
    {
        QTabBar *bar = window()->tabs().tabBar();
        click(bar, bar->tabRect(index).center());
        ASSERT_EQ(window()->tabs().currentIndex(), index);
    }
};

TEST_F(CombinedWindowTest, OpensOnTheOutputTabWithEmptyResults)
{
    EXPECT_EQ(window()->windowTitle(), "Design Of Combined Footing");
    EXPECT_EQ(window()->centralWidget()->size(), QSize(core::px(9350), core::px(5800)));
    ui::TabControl &tabs = window()->tabs();
    ASSERT_EQ(tabs.pageCount(), 4);
    EXPECT_EQ(tabs.currentIndex(), combined::kOutputTab);
    const QStringList captions{"Input Data", "Output Data", "S.F + B.M Ds", "Rienf. Details"};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(tabs.tabBar()->tabText(i), captions[i]);
    EXPECT_TRUE(tabs.tabBar()->font().bold());
    EXPECT_EQ(tabs.geometry(), QRect(core::px(120), core::px(120), core::px(9015), core::px(5055)));

    for (const auto &[field, text] : combined_cases::defaultResults()) {
        if (field != "Label36" && field != "Label37" && field != "Label38") {
            EXPECT_EQ(caption(field), QString()) << field;
        }
    }
    EXPECT_EQ(caption("Label36"), "Check Of Shear");
    EXPECT_EQ(caption("Label37"), "Check Of Punch");
    EXPECT_EQ(caption("Label38"), "Check Of Flexure  Bond");
    for (std::string_view check : {"Label36", "Label37", "Label38"}) {
        EXPECT_EQ(ui::backColour(window()->control(check)), kLightCyan) << check;
        EXPECT_EQ(ui::foreColour(window()->control(check)), kRed) << check;
    }
    for (std::string_view picture : {"Picture2", "Picture3", "Picture4", "Picture5"})
        EXPECT_TRUE(!window()->control(picture)->isHidden()) << picture;
    EXPECT_TRUE(window()->find<ui::PictureBox>("Picture4")->hasDrawing());
    EXPECT_TRUE(window()->find<ui::PictureBox>("Picture5")->hasDrawing());
    EXPECT_EQ(window()->blinkTimer()->interval(), 500);
    EXPECT_TRUE(window()->blinkTimer()->isActive());
}

TEST_F(CombinedWindowTest, InputsListsAndButtonsAreAsDesigned)
{
    struct Row {
        const char *field, *text;
    };
    for (const Row row :
         {Row{"Text1", "100"}, Row{"Text2", "150"}, Row{"Text3", "40"}, Row{"Text4", "60"},
          Row{"Text5", "5"}, Row{"Text6", "30"}, Row{"Text7", "50"}, Row{"Text8", "30"},
          Row{"Text9", "70"}, Row{"Text10", "250"}, Row{"Text11", "3600"}, Row{"Text12", "1.25"},
          Row{"Text13", "3.5"}, Row{"Combo1", "16"}, Row{"Combo2", "12"}, Row{"Combo3", "16"},
          Row{"Combo4", "16"}})
        EXPECT_EQ(ui::inputText(window()->control(row.field)), row.text) << row.field;
    EXPECT_EQ(window()->find<QComboBox>("Combo1")->count(), 5);
    EXPECT_EQ(window()->find<QComboBox>("Combo3")->itemText(0), "12");
    EXPECT_EQ(window()->control("Command1")->toolTip(), QStringLiteral("ابدا التصميم"));
    EXPECT_EQ(window()->control("Command11")->toolTip(), QStringLiteral("طباعة هذه الواجهة"));
    EXPECT_EQ(window()->control("Command9")->toolTip(), QStringLiteral("طباعة هذه الواجهه"));
    // Positions are relative to the tab control, or to the frame or picture holding a control.
    EXPECT_EQ(window()->control("Label37")->geometry(),
              QRect(core::px(6720), core::px(1200), core::px(2175), core::px(255)));
    EXPECT_EQ(window()->control("Text13")->pos(), QPoint(core::px(7200), core::px(960)));
    EXPECT_EQ(window()->control("Combo3")->pos(), QPoint(core::px(3360), core::px(240)));
    EXPECT_EQ(ui::backColour(window()->control("Frame1")), QColor(0xFF, 0xFF, 0x00));
    EXPECT_EQ(ui::backColour(window()->control("Label29")), QColor(0x80, 0xFF, 0x80));
    EXPECT_DOUBLE_EQ(window()->control("Label1")->font().pointSizeF(), 9.75);
    EXPECT_TRUE(window()->control("Label61")->font().italic());
    EXPECT_TRUE(window()->control("Label62")->font().underline());
}

TEST_F(CombinedWindowTest, EachTabShowsOnlyItsOwnControls)
{
    for (int tab : {0, 2, 3, 1}) {
        showTab(tab);
        for (const core::Control &row : combined::windowInfo().controls) {
            if (row.name == combined::kTabControl)
                continue;
            EXPECT_EQ(window()->control(row.name)->isVisible(), tabOf(row) == tab)
                << row.name << " with tab " << tab << " in front";
        }
    }
}

class CombinedWindowCases : public CombinedWindowTest,
                            public ::testing::WithParamInterface<DesignCase>
{
};

TEST_P(CombinedWindowCases, DesignWritesTheWorkedResultsAndShowsItsLayout)
{
    const DesignCase &c = GetParam();
    designWith(c.inputs);
    EXPECT_TRUE(messages().shown.empty());
    for (const auto &[field, text] : c.expected)
        EXPECT_EQ(caption(field), QString::fromStdString(text)) << field;
    const combined::LayoutPictures shown = c.c2Flush ? combined::kC2Flush : combined::kC1Flush;
    const combined::LayoutPictures hidden = c.c2Flush ? combined::kC1Flush : combined::kC2Flush;
    showTab(combined::kDiagramsTab);
    EXPECT_TRUE(window()->control(shown.diagrams)->isVisible());
    EXPECT_FALSE(window()->control(hidden.diagrams)->isVisible());
    showTab(combined::kDetailsTab);
    EXPECT_TRUE(window()->control(shown.section)->isVisible());
    EXPECT_FALSE(window()->control(hidden.section)->isVisible());
    for (std::string_view check : {"Label36", "Label37", "Label38"}) {
        EXPECT_EQ(ui::backColour(window()->control(check)), kCyan) << check;
        EXPECT_EQ(ui::foreColour(window()->control(check)), kRed) << check;
    }
}

INSTANTIATE_TEST_SUITE_P(Examples, CombinedWindowCases,
                         ::testing::ValuesIn(combined_cases::designCases()),
                         [](const auto &info) { return info.param.name; });

TEST_F(CombinedWindowTest, SwitchingLayoutsLeavesTheHiddenDrawingsLabels)
{
    design();
    EXPECT_EQ(caption("Label81"), "81.05");
    designWith({{"Text1", "150"}, {"Text2", "110"}});
    EXPECT_EQ(caption("Label89"), "95.76");
    EXPECT_EQ(caption("Label88"), "39.14");
    // The C1-flush drawings are hidden and keep the first run's values...
    EXPECT_TRUE(window()->control("Picture2")->isHidden());
    EXPECT_EQ(caption("Label81"), "81.05");
    EXPECT_EQ(caption("Label87"), "12.23");
    EXPECT_EQ(caption("Label118"), "1.05");
    EXPECT_EQ(caption("Label123"), "9");
    // ...but the mesh, top and bottom bars of both sections are current.
    EXPECT_EQ(caption("Label109"), "26");
    EXPECT_EQ(caption("Label101"), "26");

    designWith({{"Text1", "100"}, {"Text2", "150"}});
    EXPECT_FALSE(window()->control("Picture2")->isHidden());
    EXPECT_TRUE(window()->control("Picture3")->isHidden());
    EXPECT_EQ(caption("Label89"), "95.76");
    EXPECT_EQ(caption("Label112"), "1.6");
    EXPECT_EQ(caption("Label109"), "25");
}

TEST_F(CombinedWindowTest, PickingAnyListEntryRerunsTheWholeDesign)
{
    design();
    showTab(combined::kInputTab);
    type("Text1", "150");
    type("Text2", "110");
    EXPECT_EQ(caption("Label76"), "3.1");         // typing alone runs nothing
    pick(window()->find<QComboBox>("Combo2"), 3); // "18"
    EXPECT_EQ(caption("Label76"), "3.25");
    EXPECT_EQ(caption("Label79"), "2.65");
    EXPECT_EQ(caption("Label89"), "95.76");
    EXPECT_EQ(caption("Label34"), "29.15");
    EXPECT_EQ(caption("Label35"), "12"); // 29.15 cm2 in 18 mm bars
    EXPECT_EQ(caption("Label102"), "18");
    EXPECT_TRUE(window()->control("Picture2")->isHidden());

    for (const char *list : {"Combo1", "Combo3", "Combo4"}) {
        type("Text1", "100");
        type("Text2", "150");
        pick(window()->find<QComboBox>(list), 1);
        EXPECT_EQ(caption("Label76"), "3.1") << list;
        type("Text1", "150");
        type("Text2", "110");
        pick(window()->find<QComboBox>(list), 1);
        EXPECT_EQ(caption("Label76"), "3.25") << list;
    }
}

TEST_F(CombinedWindowTest, TypingIntoAListRunsNothingUntilDesign)
{
    design();
    type("Combo1", "20");
    EXPECT_EQ(caption("Label30"), "25");
    EXPECT_EQ(caption("Label98"), "16");
    design();
    EXPECT_EQ(caption("Label30"), "16");
    EXPECT_EQ(caption("Label98"), "20");
    EXPECT_EQ(caption("Label108"), "20");
}

TEST_F(CombinedWindowTest, NothingBlinksBeforeTheFirstDesign)
{
    window()->blinkUnsafeChecks();
    for (std::string_view check : {"Label36", "Label37", "Label38"})
        EXPECT_EQ(ui::backColour(window()->control(check)), kLightCyan) << check;
}

TEST_F(CombinedWindowTest, UnsafeChecksBlinkAndSafeOnesStayCyan)
{
    // A 20 x 20 cm C1 on a 40 cm footing fails in shear and in punching at C1 only.
    designWith({{"Text6", "20"}, {"Text7", "20"}, {"Text4", "40"}});
    ASSERT_EQ(caption("Label36"), "Unsafe Shear Stress");
    ASSERT_EQ(caption("Label37"), "Unsafe Punch Stress");
    ASSERT_EQ(caption("Label38"), "Safe Flexural Bond");
    struct Look {
        QColor back, fore;
    };
    for (const Look expected : {Look{kRed, kBlue}, Look{kCyan, kRed}, Look{kRed, kBlue}}) {
        window()->blinkUnsafeChecks();
        for (std::string_view check : {"Label36", "Label37"}) {
            EXPECT_EQ(ui::backColour(window()->control(check)), expected.back) << check;
            EXPECT_EQ(ui::foreColour(window()->control(check)), expected.fore) << check;
        }
        EXPECT_EQ(ui::backColour(window()->control("Label38")), kCyan);
        EXPECT_EQ(ui::foreColour(window()->control("Label38")), kRed);
    }

    // A design that passes leaves the field cyan with red text, and it stays so.
    designWith({{"Text6", "30"}, {"Text7", "50"}, {"Text4", "60"}});
    EXPECT_EQ(caption("Label37"), "Safe Punch Stress");
    window()->blinkUnsafeChecks();
    for (std::string_view check : {"Label36", "Label37", "Label38"}) {
        EXPECT_EQ(ui::backColour(window()->control(check)), kCyan) << check;
        EXPECT_EQ(ui::foreColour(window()->control(check)), kRed) << check;
    }
}

TEST_F(CombinedWindowTest, BackFromEitherWorkingTabReturnsToTheMainWindow)
{
    for (const char *back : {"Command2", "Command6"}) {
        shell::resetForTests();
        shell::openWindow(WindowKind::Combined, 9350, 5800);
        showTab(back == std::string("Command2") ? combined::kInputTab : combined::kOutputTab);
        type("Text1", "150");
        design();
        click(window()->control(back));
        EXPECT_FALSE(shell::isOpen(WindowKind::Combined)) << back;
        ASSERT_TRUE(shell::isOpen(WindowKind::MainWindow)) << back;
        EXPECT_EQ(shell::instance(WindowKind::MainWindow)->size(),
                  QSize(core::px(7800), core::px(6060)));
        testing_support::flushDeletes();

        // Back through the type chooser: the window starts again from its defaults.
        click(shell::instance(WindowKind::MainWindow)->control("Command1"));
        click(shell::instance(WindowKind::TypeChooser)->control("Label3"));
        ASSERT_NE(window(), nullptr);
        EXPECT_EQ(ui::inputText(window()->control("Text1")), "100");
        EXPECT_EQ(caption("Label75"), QString());
        EXPECT_EQ(caption("Label37"), "Check Of Punch");
        EXPECT_EQ(window()->tabs().currentIndex(), combined::kOutputTab);
    }
    EXPECT_EQ(quitCount(), 0);
}

TEST_F(CombinedWindowTest, ExitFromEitherTabEndsTheProgram)
{
    for (const char *exit : {"Command4", "Command7"}) {
        shell::resetForTests();
        shell::openWindow(WindowKind::Combined, 9350, 5800);
        const int before = quitCount();
        window()->tabs().setCurrentIndex(exit == std::string("Command4") ? 0 : 1);
        click(window()->control(exit));
        EXPECT_EQ(quitCount(), before + 1) << exit;
        EXPECT_EQ(shell::openWindowCount(), 0);
    }
}

TEST_F(CombinedWindowTest, EachPrintButtonPrintsOnlyTheTabInFront)
{
    struct Row {
        const char *button;
        int tab;
        bool c2Flush;
    };
    std::vector<QImage> pages;
    for (const Row row :
         {Row{"Command3", 0, false}, Row{"Command5", 1, false}, Row{"Command10", 2, false},
          Row{"Command9", 2, true}, Row{"Command8", 3, false}, Row{"Command11", 3, true}}) {
        designWith(
            {{"Text1", row.c2Flush ? "150" : "100"}, {"Text2", row.c2Flush ? "110" : "150"}});
        showTab(row.tab);
        const size_t before = printer().pages.size();
        click(window()->control(row.button));
        ASSERT_EQ(printer().pages.size(), before + 1) << row.button;
        const auto &page = printer().pages.back();
        EXPECT_EQ(page.window, "combined");
        EXPECT_EQ(page.job, "Design Of Combined Footing");
        // The page is the window as it stands: the tab in front, no other tab's controls.
        EXPECT_EQ(page.image, window()->form().grab().toImage()) << row.button;
        for (int other = 0; other < 4; ++other) {
            EXPECT_EQ(window()->tabs().page(other)->isVisible(), other == row.tab)
                << row.button << " page " << other;
        }
        pages.push_back(page.image);
    }
    for (size_t i = 0; i < pages.size(); ++i) {
        for (size_t j = i + 1; j < pages.size(); ++j)
            EXPECT_NE(pages[i], pages[j]) << i << " and " << j;
    }
}

TEST_F(CombinedWindowTest, RefusedInputLeavesEveryFieldAsItWas)
{
    design();
    type("Text12", "100"); // a 5 cm PC footing
    design();
    ASSERT_EQ(messages().shown.size(), 1u);
    EXPECT_EQ(messages().shown[0].kind, "warn");
    EXPECT_TRUE(messages().shown[0].text.contains("\"B \\ C (kg\\cm2)\""));
    EXPECT_EQ(caption("Label76"), "3.1");
    EXPECT_EQ(caption("Label37"), "Safe Punch Stress");

    type("Text12", "1.25");
    type("Text1", "abc");
    pick(window()->find<QComboBox>("Combo4"), 0);
    ASSERT_EQ(messages().shown.size(), 2u);
    EXPECT_TRUE(messages().shown[1].text.contains("\"P1 (ton)\""));
    EXPECT_EQ(caption("Label48"), "13"); // not rerun with 12 mm bars
    EXPECT_FALSE(window()->control("Picture2")->isHidden());
}

} // namespace
