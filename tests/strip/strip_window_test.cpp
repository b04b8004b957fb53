#include "app/main_window.h"
#include "shell/case_chooser.h"
#include "shell/registry.h"
#include "strip/strip_design.h"
#include "strip/strip_tables.h"
#include "strip/strip_windows.h"
#include "strip_edge_cases.h"
#include "support/gui_test.h"
#include "widgets/controls.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <tuple>

namespace {

using shell::WindowKind;
using testing_support::click;
using testing_support::GuiTest;
using testing_support::messages;
using testing_support::pick;
using testing_support::printer;
using testing_support::quitCount;
using testing_support::typeInto;

QPoint at(int leftTwips, int topTwips)
{
    return {core::px(leftTwips), core::px(topTwips)};
}

QString caption(const shell::ShellWindow *window, const std::string &name)
{
    return ui::captionOf(window->control(name));
}

strip::StripDesignWindow *designWindow()
{
    return shell::instanceAs<strip::StripDesignWindow>(WindowKind::Strip);
}

// Opens the chooser as the foundation-type chooser does and picks a case by its caption or by
// its sketch.
strip::StripDesignWindow *openCase(int footingCase, bool bySketch = false)
{
    shell::openWindow(WindowKind::StripCases, 6800, 6500);
    shell::ShellWindow *chooser = shell::instance(WindowKind::StripCases);
    if (bySketch)
        click(chooser->control("Picture1(" + std::to_string(footingCase) + ")"),
              QPoint(8, 8)); // outside the caption
    else
        click(chooser->control("Label" + std::to_string(footingCase + 1)));
    return designWindow();
}

void type(shell::ShellWindow *window, const std::string &control, const QString &text)
{
    if (auto *list = window->find<QComboBox>(control))
        typeInto(list, text);
    else
        typeInto(window->find<QLineEdit>(control), text);
}

// Every control's visibility, place and caption.
using State = std::vector<std::tuple<std::string, bool, QRect, QString>>;

State stateOf(const shell::ShellWindow *window)
{
    State state;
    for (const core::Control &row : window->form().table()) {
        const QWidget *control = window->control(row.name);
        state.emplace_back(std::string(row.name), control->isHidden(), control->geometry(),
                           ui::captionOf(control));
    }
    return state;
}

// The texts of every field the design writes in any case.
std::map<std::string, QString> resultTexts(const shell::ShellWindow *window)
{
    std::map<std::string, QString> texts;
    for (int footingCase = 0; footingCase < 4; ++footingCase) {
        const core::DesignRequest request = core::defaultRequest(strip::windowInfo(), footingCase);
        const core::DesignResult result = strip::design(request);
        for (const core::Event &event : result.run.events())
            texts[event.target] = caption(window, event.target);
    }
    return texts;
}

class StripWindowTest : public GuiTest
{
};

// --- the chooser --------------------------------------------------------------------------------

TEST_F(StripWindowTest, ChooserShowsFourCaptionedSketchesInADashedGrid)
{
    shell::openWindow(WindowKind::StripCases, 6800, 6500);
    shell::ShellWindow *chooser = shell::instance(WindowKind::StripCases);
    ASSERT_NE(chooser, nullptr);
    EXPECT_EQ(chooser->windowTitle(), "Shoosing Of Strip Footing Cases");
    EXPECT_EQ(chooser->size(), QSize(core::px(6800), core::px(6500)));
    const char *captions[] = {"Uniform Stress", "Uniform Stress With Moment", "Non Uniform Stress",
                              "Series Of Column"};
    for (int k = 0; k < 4; ++k) {
        const std::string label = "Label" + std::to_string(k + 1);
        const auto *picture = chooser->find<ui::PictureBox>("Picture1(" + std::to_string(k) + ")");
        ASSERT_NE(picture, nullptr);
        EXPECT_TRUE(picture->hasDrawing()) << k;
        EXPECT_EQ(chooser->control(label)->parentWidget(), picture) << label;
        EXPECT_EQ(caption(chooser, label), captions[k]);
        EXPECT_EQ(ui::foreColour(chooser->control(label)), QColor(0, 0, 255));
        EXPECT_TRUE(chooser->control(label)->font().bold());
        EXPECT_DOUBLE_EQ(chooser->control(label)->font().pointSizeF(), 8.25);
    }
    EXPECT_EQ(chooser->control("Picture1(3)")->pos(), at(3480, 3120));
    for (int i = 1; i <= 6; ++i)
        EXPECT_NE(chooser->control("Line" + std::to_string(i)), nullptr);
}

struct CaseLook {
    int footingCase;
    const char *loadFrame;
    const char *loadCaption;
    int loadTop;
    int designTop;
    const char *sketch;
    bool moment;
    bool columns;
};

class StripCaseTest : public GuiTest, public ::testing::WithParamInterface<CaseLook>
{
};

TEST_P(StripCaseTest, CaptionAndSketchOpenTheSamePreparedWindow)
{
    const CaseLook &look = GetParam();
    State byCaption;
    for (bool bySketch : {false, true}) {
        shell::resetForTests();
        testing_support::flushDeletes();
        shell::showWindow(WindowKind::MainWindow);
        strip::StripDesignWindow *window = openCase(look.footingCase, bySketch);
        ASSERT_NE(window, nullptr);
        EXPECT_FALSE(shell::isOpen(WindowKind::StripCases));
        EXPECT_FALSE(shell::isOpen(WindowKind::MainWindow));
        EXPECT_EQ(shell::openWindowCount(), 1);
        EXPECT_EQ(window->footingCase(), look.footingCase);
        EXPECT_EQ(window->windowTitle(), "Design Of Strip Footing");
        EXPECT_EQ(window->centralWidget()->size(), QSize(core::px(11400), core::px(8500)));

        EXPECT_EQ(caption(window, "Frame1"), look.loadFrame);
        EXPECT_EQ(caption(window, "Label3"), look.loadCaption);
        EXPECT_EQ(window->control("Label3")->pos(), at(0, look.loadTop));
        EXPECT_EQ(window->control("Text1")->pos(), at(1200, look.loadTop));
        EXPECT_EQ(window->control("Command1")->pos(), at(4920, look.designTop));
        for (const char *sketch : {"Picture1", "Picture2", "Picture3"})
            EXPECT_EQ(window->control(sketch)->isVisible(), std::string(sketch) == look.sketch)
                << sketch;
        for (const char *name : {"Text10", "Label36"})
            EXPECT_EQ(window->control(name)->isVisible(), look.moment) << name;
        for (const char *name : {"Frame9", "Label50", "Label51", "Text13", "Frame10", "Label56",
                                 "Label57", "Label58", "Label59", "Label69", "Label70"})
            EXPECT_EQ(window->control(name)->isVisible(), look.columns) << name;
        EXPECT_FALSE(window->control("Frame3")->isHidden()); // covered, not hidden
        if (look.columns) {
            EXPECT_EQ(window->control("Command2")->pos(), at(9960, 6240));
            EXPECT_EQ(window->control("Command3")->pos(), at(9960, 6720));
            EXPECT_EQ(window->control("Command4")->pos(), at(9960, 7200));
        } else {
            EXPECT_EQ(window->control("Command2")->pos(), at(9720, 6600));
            EXPECT_EQ(window->control("Command3")->pos(), at(8040, 6600));
            EXPECT_EQ(window->control("Command4")->pos(), at(8880, 7200));
        }
        if (!bySketch)
            byCaption = stateOf(window);
        else
            EXPECT_EQ(stateOf(window), byCaption);
    }
    EXPECT_EQ(quitCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StripCaseTest,
    ::testing::Values(CaseLook{0, "Wall Load", "P (ton\\m)", 800, 2700, "Picture1", false, false},
                      CaseLook{1, "Wall Load", "P (ton\\m)", 600, 2700, "Picture2", true, false},
                      CaseLook{2, "Wall Load", "P (ton\\m)", 600, 2700, "Picture1", true, false},
                      CaseLook{3, "Column Load", "P (ton)", 800, 3240, "Picture3", false, true}),
    [](const auto &info) { return "Case" + std::to_string(info.param.footingCase); });

// --- the design window --------------------------------------------------------------------------

TEST_F(StripWindowTest, DesignWindowStartsWithABrickWallEditableListsAndItsSketches)
{
    shell::openWindow(WindowKind::Strip, 11400, 8500);
    strip::StripDesignWindow *window = designWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->find<QRadioButton>("Option1")->isChecked());
    EXPECT_FALSE(window->find<QRadioButton>("Option2")->isChecked());
    EXPECT_EQ(window->request().texts.at("Option1"), core::kSelected);
    for (const char *list : {"Combo1", "Combo2", "Combo3", "Combo4"})
        EXPECT_TRUE(window->find<QComboBox>(list)->isEditable()) << list;
    EXPECT_EQ(window->find<QComboBox>("Combo3")->currentText(), "8");
    // The column frame stands in front of the wall frame it covers.
    const QObjectList &stack = window->control("Frame9")->parentWidget()->children();
    EXPECT_GT(stack.indexOf(window->control("Frame9")), stack.indexOf(window->control("Frame3")));
    for (const char *sketch : {"Picture1", "Picture2", "Picture3"})
        EXPECT_TRUE(window->find<ui::PictureBox>(sketch)->hasDrawing()) << sketch;
    EXPECT_EQ(window->control("Label65")->parentWidget(), window->control("Picture3"));
}

TEST_F(StripWindowTest, WallTypeLabelsSwitchTheOptionsWithoutDesigning)
{
    strip::StripDesignWindow *window = openCase(0);
    const auto before = resultTexts(window);
    click(window->control("Label12"));
    EXPECT_TRUE(window->find<QRadioButton>("Option2")->isChecked());
    EXPECT_FALSE(window->find<QRadioButton>("Option1")->isChecked());
    EXPECT_EQ(window->request().texts.at("Option1"), core::kCleared);
    click(window->control("Label8"));
    EXPECT_TRUE(window->find<QRadioButton>("Option1")->isChecked());
    EXPECT_FALSE(window->find<QRadioButton>("Option2")->isChecked());
    EXPECT_EQ(resultTexts(window), before);
    EXPECT_TRUE(messages().shown.empty());

    // The next Design uses the choice.
    click(window->control("Label12"));
    click(window->control("Command1"));
    EXPECT_EQ(caption(window, "Label17"), "27.94");
    click(window->control("Option1"));
    EXPECT_EQ(window->request().texts.at("Option1"), core::kSelected);
    EXPECT_EQ(caption(window, "Label17"), "27.94"); // the option alone runs nothing
}

TEST_F(StripWindowTest, APickInAnyListRewritesEveryField)
{
    strip::StripDesignWindow *window = openCase(3);
    for (const char *list : {"Combo1", "Combo2", "Combo3", "Combo4"}) {
        const core::Run run = strip::design(window->request()).run;
        for (const core::Event &event : run.events())
            ui::setCaption(window->control(event.target), QStringLiteral("stale"));
        pick(window->find<QComboBox>(list), 1);
        const core::Run after = strip::design(window->request()).run;
        ASSERT_FALSE(after.events().empty());
        for (const core::Event &event : after.events())
            EXPECT_EQ(caption(window, event.target), QString::fromStdString(event.text))
                << list << " " << event.target;
    }
    EXPECT_EQ(caption(window, "Label66"), "16");
    EXPECT_EQ(caption(window, "Label68"), "16");
    EXPECT_EQ(caption(window, "Label73"), "8"); // 10 mm stirrups
}

TEST_F(StripWindowTest, TypingInAListRunsNothingUntilDesign)
{
    strip::StripDesignWindow *window = openCase(0);
    for (const char *list : {"Combo1", "Combo2", "Combo3", "Combo4"})
        typeInto(window->find<QComboBox>(list), QStringLiteral("14"));
    EXPECT_EQ(caption(window, "Label17"), "");
    EXPECT_EQ(caption(window, "Label34"), "12");
    EXPECT_TRUE(messages().shown.empty());
    click(window->control("Command1"));
    EXPECT_EQ(caption(window, "Label34"), "14");
    EXPECT_EQ(caption(window, "Label27"), "21");
}

TEST_F(StripWindowTest, BackReturnsToTheMainWindowAndAReturnShowsTheDefaults)
{
    strip::StripDesignWindow *window = openCase(3);
    type(window, "Text1", QStringLiteral("200"));
    click(window->control("Label12"));
    click(window->control("Command1"));
    EXPECT_EQ(caption(window, "Label73"), "35");
    click(window->control("Command2"));
    EXPECT_FALSE(shell::isOpen(WindowKind::Strip));
    auto *main = shell::instanceAs<app::MainWindow>(WindowKind::MainWindow);
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(main->size(), QSize(core::px(7800), core::px(6060)));
    testing_support::flushDeletes();

    // Main window, foundation-type chooser, strip chooser, "Uniform Stress With Moment".
    click(main->control("Command1"));
    click(shell::instance(WindowKind::TypeChooser)->control("Label2"));
    window = openCase(1);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(caption(window, "Text1"), "90");
    EXPECT_EQ(caption(window, "Label3"), "P (ton\\m)");
    EXPECT_EQ(caption(window, "Label17"), "");
    EXPECT_EQ(caption(window, "Label73"), "6");
    EXPECT_TRUE(window->find<QRadioButton>("Option1")->isChecked());
    EXPECT_FALSE(window->control("Frame9")->isVisible());
    EXPECT_EQ(quitCount(), 0);
}

TEST_F(StripWindowTest, BadInputShowsOneMessageAndLeavesTheResults)
{
    struct Bad {
        int footingCase;
        const char *control;
        const char *text;
        const char *named;
    };
    for (const Bad &bad :
         {Bad{0, "Text1", "abc", "\"P (ton\\m)\""},
          Bad{3, "Text13", "5", "\"Assume Beam Thickness\""},
          Bad{3, "Combo3", "0", "\"Stirrup Diam.\""}, Bad{2, "Text10", "-17", "\"M (t.m)\""}}) {
        shell::resetForTests();
        testing_support::flushDeletes();
        messages().shown.clear();
        strip::StripDesignWindow *window = openCase(bad.footingCase);
        click(window->control("Command1"));
        const auto designed = resultTexts(window);
        type(window, bad.control, QString::fromUtf8(bad.text));
        click(window->control("Command1"));
        ASSERT_EQ(messages().shown.size(), 1u) << bad.control;
        EXPECT_EQ(messages().shown[0].kind, "warn");
        EXPECT_EQ(messages().shown[0].title, "Design Of Strip Footing");
        EXPECT_TRUE(messages().shown[0].text.contains(QString::fromUtf8(bad.named)))
            << messages().shown[0].text.toStdString();
        EXPECT_EQ(resultTexts(window), designed) << bad.control;
    }
}

TEST_F(StripWindowTest, ACaseOutsideZeroToThreeLeavesEveryField)
{
    shell::openWindow(WindowKind::Strip, 11400, 8500);
    strip::StripDesignWindow *window = designWindow();
    window->setFootingCase(7);
    const State before = stateOf(window);
    click(window->control("Command1"));
    EXPECT_EQ(stateOf(window), before);
    EXPECT_TRUE(messages().shown.empty());
}

TEST_F(StripWindowTest, PrintPrintsTheWindowAndExitEndsTheProgram)
{
    strip::StripDesignWindow *window = openCase(2);
    click(window->control("Command3"));
    ASSERT_EQ(printer().pages.size(), 1u);
    EXPECT_EQ(printer().pages[0].window, "designstrip");
    EXPECT_TRUE(shell::isOpen(WindowKind::Strip));
    click(window->control("Command4"));
    EXPECT_EQ(quitCount(), 1);
}

// --- the worked examples, typed into the window ------------------------------------------------

class StripWindowExample : public GuiTest,
                           public ::testing::WithParamInterface<strip_cases::EdgeCase>
{
};

TEST_P(StripWindowExample, ShowsTheWorkedFieldTexts)
{
    const strip_cases::EdgeCase &edge = GetParam();
    strip::StripDesignWindow *window = openCase(edge.footingCase);
    ASSERT_NE(window, nullptr);
    if (edge.concrete && edge.footingCase == 3)
        window->chooseWall(true); // the wall frame lies under the column frame
    else if (edge.concrete)
        click(window->control("Label12"));
    for (const auto &[control, text] : edge.inputs)
        type(window, control, QString::fromStdString(text));
    click(window->control("Command1"));
    EXPECT_TRUE(messages().shown.empty());
    for (const auto &[control, text] : edge.expected)
        EXPECT_EQ(caption(window, control), QString::fromStdString(text)) << control;
}

INSTANTIATE_TEST_SUITE_P(Examples, StripWindowExample,
                         ::testing::ValuesIn(strip_cases::edgeCases()),
                         [](const auto &info) { return info.param.name; });

} // namespace
