#include "support/gui_test.h"
#include "widgets/apply_run.h"
#include "widgets/case_changes.h"
#include "widgets/controls.h"
#include "widgets/form.h"
#include "widgets/painting.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <array>

namespace {

using namespace core;
using namespace ui;
using testing_support::GuiTest;

constexpr std::array kTable{
    Control{.name = "Frame1",
            .kind = Kind::Frame,
            .text = "Column Loads",
            .left = 120,
            .top = 480,
            .width = 2175,
            .height = 1575,
            .back = colours::yellow,
            .font = fonts::bold},
    Control{.name = "Label3",
            .parent = "Frame1",
            .text = "P (ton)",
            .left = 240,
            .top = 600,
            .width = 735,
            .height = 375,
            .fore = colours::blue,
            .font = fonts::bold},
    Control{.name = "Text1",
            .kind = Kind::TextBox,
            .parent = "Frame1",
            .text = "90",
            .left = 1200,
            .top = 600,
            .width = 735,
            .height = 375},
    Control{.name = "Label36",
            .parent = "Frame1",
            .text = "M (t.m)",
            .left = 240,
            .top = 1080,
            .width = 855,
            .height = 255,
            .visible = false},
    Control{.name = "Combo1",
            .kind = Kind::ComboBox,
            .text = "12",
            .left = 2400,
            .top = 720,
            .width = 975,
            .height = 315,
            .items = "12|16|18|22|25",
            .action = Action::Design},
    Control{.name = "Command3",
            .kind = Kind::Button,
            .text = "Print",
            .left = 8040,
            .top = 6840,
            .width = 1095,
            .height = 375,
            .back = colours::lightOrange,
            .tooltip = "طباعة هذه الواجهه ",
            .action = Action::Print},
    Control{.name = "Picture1",
            .kind = Kind::PictureBox,
            .left = 6840,
            .top = 120,
            .width = 4260,
            .height = 3945},
    Control{.name = "Label46",
            .parent = "Picture1",
            .text = "0",
            .left = 300,
            .top = 360,
            .fore = colours::orange,
            .font = fonts::bold,
            .autoSize = true},
    line("Line1", {}, 6720, 0, 6720, 4200, colours::red, Pen::Dash),
    Control{.name = "SSTab1",
            .kind = Kind::TabControl,
            .left = 120,
            .top = 4320,
            .width = 9015,
            .height = 2000,
            .items = "Input Data|Output Data|S.F + B.M Ds|Rienf. Details"},
    Control{.name = "Label75",
            .parent = "SSTab1",
            .tab = 1,
            .left = 240,
            .top = 960,
            .width = 735,
            .height = 375},
};

class FormTest : public GuiTest
{
};

TEST_F(FormTest, BuildsEveryRowAtItsPlaceInPixels)
{
    Form form(kTable, 15240, 11010);
    EXPECT_EQ(form.size(), QSize(1016, 734));
    for (const Control &row : kTable)
        EXPECT_TRUE(form.has(row.name)) << row.name;

    QWidget *label = form.control("Label3");
    EXPECT_EQ(label->parentWidget(), form.control("Frame1"));
    EXPECT_EQ(label->geometry(), QRect(16, 40, 49, 25));
    EXPECT_EQ(foreColour(label), QColor(0, 0, 255));
    EXPECT_TRUE(label->font().bold());
    EXPECT_EQ(backColour(form.control("Frame1")), QColor(255, 255, 0));
    EXPECT_EQ(captionOf(form.control("Frame1")), "Column Loads");
    EXPECT_TRUE(form.control("Label36")->isHidden());

    auto *list = form.find<QComboBox>("Combo1");
    ASSERT_NE(list, nullptr);
    EXPECT_TRUE(list->isEditable());
    EXPECT_EQ(list->count(), 5);
    EXPECT_EQ(list->itemText(4), "25");
    EXPECT_EQ(list->currentText(), "12");

    EXPECT_EQ(form.control("Command3")->toolTip(), QStringLiteral("طباعة هذه الواجهه "));
    EXPECT_EQ(form.controlsWith(Action::Print), QList<QWidget *>{form.control("Command3")});
}

TEST_F(FormTest, PlacesPictureChildrenInsideTheBorderAndTabChildrenOnTheirPage)
{
    Form form(kTable, 15240, 11010);
    auto *picture = form.find<PictureBox>("Picture1");
    EXPECT_EQ(form.control("Label46")->pos(),
              QPoint(20, 24) + QPoint(picture->contentOffset(), picture->contentOffset()));
    auto *tabs = form.find<TabControl>("SSTab1");
    ASSERT_NE(tabs, nullptr);
    EXPECT_EQ(tabs->pageCount(), 4);
    EXPECT_EQ(form.control("Label75")->parentWidget(), tabs->page(1));
    EXPECT_EQ(tabs->page(1)->objectName(), "SSTab1.tab1");
}

TEST_F(FormTest, LinesLieBeneathTheOtherControls)
{
    Form form(kTable, 15240, 11010);
    const QObjectList &children = form.children();
    EXPECT_EQ(children.indexOf(form.control("Line1")), 0);
    // A line's widget covers its two end points.
    EXPECT_TRUE(form.control("Line1")->geometry().contains(QPoint(448, 100)));
}

TEST_F(FormTest, ApplyRunWritesShowsHidesAndColoursInOrder)
{
    Form form(kTable, 15240, 11010);
    core::Run run;
    run.setText("Label3", "first");
    run.setNumber("Label3", 2.45);
    run.show("Label36");
    run.hide("Frame1");
    run.setColours("Label46", 0x00FFFF, 0xFF0000);
    run.setText("Frame1", "Wall Load");
    applyRun(form, run);
    EXPECT_EQ(captionOf(form.control("Label3")), "2.45");
    EXPECT_FALSE(form.control("Label36")->isHidden());
    EXPECT_TRUE(form.control("Frame1")->isHidden());
    EXPECT_EQ(backColour(form.control("Label46")), QColor(0, 255, 255));
    EXPECT_EQ(foreColour(form.control("Label46")), QColor(255, 0, 0));
    EXPECT_EQ(captionOf(form.control("Frame1")), "Wall Load");
    EXPECT_TRUE(testing_support::messages().shown.empty());
}

TEST_F(FormTest, AutoSizedLabelsGrowWithTheirText)
{
    Form form(kTable, 15240, 11010);
    auto *count = form.find<CaptionLabel>("Label46");
    const int narrow = count->width();
    core::Run run;
    run.setText("Label46", "1234567");
    applyRun(form, run);
    EXPECT_GT(count->width(), narrow);
}

TEST_F(FormTest, MessageBoxEventsGoThroughTheSeam)
{
    Form form(kTable, 15240, 11010);
    core::Run run;
    run.setText("Label3", "written before the box");
    run.messageBox("Unsafe Punch Stress", "Footing -2-");
    applyRun(form, run);
    ASSERT_EQ(testing_support::messages().shown.size(), 1u);
    EXPECT_EQ(testing_support::messages().shown[0].kind, "inform");
    EXPECT_EQ(testing_support::messages().shown[0].title, "Footing -2-");
    EXPECT_EQ(testing_support::messages().shown[0].text, "Unsafe Punch Stress");
}

} // namespace

namespace {

using namespace core;
using namespace ui;
using testing_support::GuiTest;

class CaseChangesTest : public GuiTest
{
};

constexpr std::array kChecks{
    Control{.name = "Label35",
            .text = "Check Of Flexural Bond",
            .back = colours::green,
            .fore = colours::red},
    Control{.name = "Label33",
            .text = "Check Of Shear Stress",
            .back = colours::green,
            .fore = colours::red},
    Control{.name = "Picture1", .kind = Kind::PictureBox, .width = 3000, .height = 3000},
    Control{.name = "Label46", .parent = "Picture1", .left = 300, .top = 360},
};
constexpr std::array kBlink{BlinkField{"Label35", "Unsafe Flexural Bond"},
                            BlinkField{"Label33", "Unsafe Shear Stress"}};

TEST_F(CaseChangesTest, AppliesShowsMovesAndCaptionsInOrder)
{
    Form form(kChecks, 6000, 6000);
    constexpr std::array changes{hide("Picture1"),        setCaption("Label35", "Wall Load"),
                                 setTop("Label33", 2700), setLeft("Label33", 9960),
                                 setTop("Label46", 800),  show("Picture1")};
    applyChanges(form, changes);
    EXPECT_FALSE(form.control("Picture1")->isHidden());
    EXPECT_EQ(captionOf(form.control("Label35")), "Wall Load");
    EXPECT_EQ(form.control("Label33")->pos(), QPoint(664, 180));
    const int inside = form.find<PictureBox>("Picture1")->contentOffset();
    EXPECT_EQ(form.control("Label46")->pos(), QPoint(20 + inside, 53 + inside));
}

TEST_F(CaseChangesTest, BlinkFlashesOnlyFieldsThatShowTheirUnsafeText)
{
    Form form(kChecks, 6000, 6000);
    const QColor green(0, 255, 0), red(255, 0, 0), cyan(0, 255, 255), blue(0, 0, 255);
    blinkStep(form, kBlink); // nothing unsafe yet
    EXPECT_EQ(backColour(form.control("Label35")), green);

    setCaption(form.control("Label35"), "Unsafe Flexural Bond");
    setCaption(form.control("Label33"), "Unsafe Shear"); // not the exact text
    blinkStep(form, kBlink);
    EXPECT_EQ(backColour(form.control("Label35")), cyan);
    EXPECT_EQ(foreColour(form.control("Label35")), red);
    blinkStep(form, kBlink);
    EXPECT_EQ(backColour(form.control("Label35")), red);
    EXPECT_EQ(foreColour(form.control("Label35")), blue);
    EXPECT_EQ(backColour(form.control("Label33")), green);

    // Once safe, the field keeps the colours of its last flash.
    setCaption(form.control("Label35"), "Safe Flexural Bond");
    blinkStep(form, kBlink);
    EXPECT_EQ(backColour(form.control("Label35")), red);
    EXPECT_EQ(foreColour(form.control("Label35")), blue);
}

} // namespace
