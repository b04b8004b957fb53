#include "app/main_window.h"
#include "isolated/isolated_design.h"
#include "isolated/isolated_windows.h"
#include "isolated_examples.h"
#include "shell/case_chooser.h"
#include "shell/registry.h"
#include "support/gui_test.h"
#include "widgets/controls.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <map>

namespace {

using isolated::IsolatedWindow;
using isolated_examples::Example;
using isolated_examples::Texts;
using shell::WindowKind;
using testing_support::click;
using testing_support::GuiTest;
using testing_support::messages;
using testing_support::pick;
using testing_support::typeInto;

const QColor kGreen(0x00, 0xFF, 0x00);
const QColor kRed(0xFF, 0x00, 0x00);
const QColor kBlue(0x00, 0x00, 0xFF);
const QColor kCyan(0x00, 0xFF, 0xFF);

const std::vector<std::string> kResults{
    "Label37", "Label38", "Label39", "Label40", "Label41", "Label42", "Label33",
    "Label34", "Label35", "Label31", "Label28", "Label17", "Label27", "Label46",
    "Label47", "Label48", "Label49", "Label54", "Label55", "Label56", "Label57"};

QString q(const std::string &text)
{
    return QString::fromStdString(text);
}

shell::CaseChooser *openChooser()
{
    shell::showWindow(WindowKind::MainWindow);
    shell::openWindow(WindowKind::IsolatedCases, 6800, 6500);
    return shell::instanceAs<shell::CaseChooser>(WindowKind::IsolatedCases);
}

IsolatedWindow *window()
{
    return shell::instanceAs<IsolatedWindow>(WindowKind::Isolated);
}

// The design window of a case, opened from the chooser by its caption.
IsolatedWindow *openCase(int footingCase)
{
    shell::CaseChooser *chooser = openChooser();
    if (!chooser)
        return nullptr;
    chooser->chooseByCaption(footingCase);
    return window();
}

QString caption(const char *name)
{
    return ui::captionOf(window()->control(name));
}
QString caption(const std::string &name)
{
    return ui::captionOf(window()->control(name));
}

// Types a text into an input field or the edit field of a list, as a user would.
void enter(const std::string &control, const std::string &text)
{
    QWidget *field = window()->control(control);
    if (auto *list = qobject_cast<QComboBox *>(field))
        typeInto(list, q(text));
    else
        typeInto(qobject_cast<QLineEdit *>(field), q(text));
}

std::map<std::string, QString> resultTexts()
{
    std::map<std::string, QString> texts;
    for (const std::string &name : kResults)
        texts[name] = caption(name);
    return texts;
}

void expectColours(const char *name, const QColor &back, const QColor &fore)
{
    EXPECT_EQ(ui::backColour(window()->control(name)), back) << name;
    EXPECT_EQ(ui::foreColour(window()->control(name)), fore) << name;
}

class IsolatedWindowTest : public GuiTest
{
};

// --- opening a case ----------------------------------------------------------------------------

struct OpeningRow {
    int footingCase;
    bool byPicture;
    bool offCentreSketch;
    int designTop; // twips
    bool moment;
    bool assumedLength;
};

class CaseOpening : public GuiTest, public ::testing::WithParamInterface<OpeningRow>
{
};

TEST_P(CaseOpening, ShowsTheSketchFieldsAndDesignPositionOfTheCase)
{
    const OpeningRow &row = GetParam();
    shell::CaseChooser *chooser = openChooser();
    ASSERT_NE(chooser, nullptr);
    const std::string k = std::to_string(row.footingCase);
    if (row.byPicture)
        click(chooser->control("Picture1(" + k + ")"), QPoint(8, 8)); // beside the caption
    else
        click(chooser->control("Label" + std::to_string(row.footingCase + 1)));

    EXPECT_FALSE(shell::isOpen(WindowKind::IsolatedCases));
    EXPECT_FALSE(shell::isOpen(WindowKind::MainWindow));
    ASSERT_NE(window(), nullptr);
    EXPECT_TRUE(window()->isVisible());
    EXPECT_EQ(window()->footingCase(), row.footingCase);
    EXPECT_EQ(window()->centralWidget()->size(), QSize(core::px(11400), core::px(8800)));
    EXPECT_EQ(window()->windowTitle(), "Design Of Isolated Footing");
    EXPECT_EQ(window()->control("Picture1")->isVisible(), !row.offCentreSketch);
    EXPECT_EQ(window()->control("Picture2")->isVisible(), row.offCentreSketch);
    EXPECT_EQ(window()->control("Command1")->y(), core::px(row.designTop));
    EXPECT_EQ(window()->control("Command1")->x(), core::px(5280));
    EXPECT_EQ(window()->control("Label36")->isVisible(), row.moment);
    EXPECT_EQ(window()->control("Text10")->isVisible(), row.moment);
    EXPECT_EQ(window()->control("Label44")->isVisible(), row.assumedLength);
    EXPECT_EQ(window()->control("Text11")->isVisible(), row.assumedLength);
    EXPECT_EQ(shell::openWindowCount(), 1);
    EXPECT_EQ(testing_support::quitCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(Isolated, CaseOpening,
                         ::testing::Values(OpeningRow{0, false, false, 2900, false, false},
                                           OpeningRow{0, true, false, 2900, false, false},
                                           OpeningRow{1, false, false, 2900, true, false},
                                           OpeningRow{1, true, false, 2900, true, false},
                                           OpeningRow{2, false, true, 3360, true, true},
                                           OpeningRow{2, true, true, 3360, true, true},
                                           OpeningRow{3, false, false, 3360, true, true},
                                           OpeningRow{3, true, false, 3360, true, true}),
                         [](const auto &info) {
                             return "Case" + std::to_string(info.param.footingCase) +
                                    (info.param.byPicture ? "BySketch" : "ByCaption");
                         });

TEST_F(IsolatedWindowTest, ChooserShowsFourSketchesInADashedGrid)
{
    shell::CaseChooser *chooser = openChooser();
    ASSERT_NE(chooser, nullptr);
    EXPECT_EQ(chooser->windowTitle(), "Shoosing Of Isolated Footing Cases");
    struct Box {
        const char *picture;
        const char *label;
        const char *text;
        QPoint at; // twips
    };
    for (const Box &box : {Box{"Picture1(0)", "Label1", "Uniform Stress", {240, 240}},
                           Box{"Picture1(1)", "Label2", "Just No Tention", {3480, 240}},
                           Box{"Picture1(2)", "Label3", "Uniform With Moment", {240, 3120}},
                           Box{"Picture1(3)", "Label4", "Non Uniform", {3480, 3120}}}) {
        auto *picture = chooser->find<ui::PictureBox>(box.picture);
        ASSERT_NE(picture, nullptr) << box.picture;
        EXPECT_EQ(picture->geometry(), QRect(core::px(box.at.x()), core::px(box.at.y()),
                                             core::px(2970), core::px(2610)));
        EXPECT_TRUE(picture->hasDrawing()) << box.picture;
        QWidget *label = chooser->control(box.label);
        EXPECT_EQ(label->parentWidget(), picture) << box.label;
        EXPECT_EQ(ui::captionOf(label), box.text);
        EXPECT_TRUE(label->font().bold());
        EXPECT_DOUBLE_EQ(label->font().pointSizeF(), 9.75);
    }
    for (const char *line : {"Line1", "Line2", "Line3", "Line4", "Line5", "Line6"})
        EXPECT_NE(chooser->control(line), nullptr) << line;
}

TEST_F(IsolatedWindowTest, FreshWindowHidesEveryCaseControlAndBlinksFromCreation)
{
    std::unique_ptr<shell::ShellWindow> fresh(isolated::createDesignWindow());
    auto *design = dynamic_cast<IsolatedWindow *>(fresh.get());
    ASSERT_NE(design, nullptr);
    for (const char *name : {"Picture1", "Picture2", "Label36", "Text10", "Label44", "Text11"})
        EXPECT_TRUE(design->control(name)->isHidden()) << name;
    EXPECT_EQ(design->blinkTimer()->objectName(), "Timer1");
    EXPECT_EQ(design->blinkTimer()->interval(), 500);
    EXPECT_TRUE(design->blinkTimer()->isActive());
}

TEST_F(IsolatedWindowTest, ControlsStandWhereTheLayoutPutsThem)
{
    ASSERT_NE(openCase(0), nullptr);
    auto at = [](int left, int top, int width, int height) {
        return QRect(core::px(left), core::px(top), core::px(width), core::px(height));
    };
    EXPECT_EQ(window()->control("Label37")->geometry(), at(240, 840, 855, 375));
    EXPECT_EQ(window()->control("Label37")->parentWidget(), window()->control("Frame5"));
    EXPECT_EQ(window()->control("Frame8")->geometry(), at(120, 6360, 3495, 1815));
    EXPECT_EQ(window()->control("Label35")->geometry(), at(7560, 6120, 3495, 375));
    EXPECT_EQ(window()->control("Command4")->geometry(), at(8760, 7440, 1215, 375));
    for (const char *name : {"Label33", "Label34", "Label35"})
        expectColours(name, kGreen, kRed);
    EXPECT_EQ(caption("Label33"), "Check Of Shear Stress");
    EXPECT_EQ(caption("Label34"), "Check Of Punch");
    EXPECT_EQ(caption("Label35"), "Check Of Flexural Bond");
    EXPECT_EQ(caption("Label13"), " fcu (kg\\cm2)");
    EXPECT_FALSE(window()->control("Label13")->font().bold());
    EXPECT_EQ(caption("Label29"), "No. Of Used Bars \\ B");
    EXPECT_EQ(window()->control("Command1")->toolTip(), QStringLiteral("ابدا التصميم"));
    EXPECT_EQ(window()->control("Command2")->toolTip(), QStringLiteral("الرجوع للشاشه الرئيسية"));
    for (const char *name : {"Combo1", "Combo2"}) {
        auto *list = window()->find<QComboBox>(name);
        ASSERT_NE(list, nullptr);
        EXPECT_TRUE(list->isEditable());
        QStringList entries;
        for (int i = 0; i < list->count(); ++i)
            entries << list->itemText(i);
        EXPECT_EQ(entries, QStringList({"12", "16", "18", "22", "25"}));
        EXPECT_EQ(list->currentText(), "12");
    }
    for (const char *name : {"Label46", "Label47", "Label48", "Label49"})
        EXPECT_EQ(window()->control(name)->parentWidget(), window()->control("Picture1")) << name;
    for (const char *name : {"Label54", "Label55", "Label56", "Label57"})
        EXPECT_EQ(window()->control(name)->parentWidget(), window()->control("Picture2")) << name;
    EXPECT_EQ(ui::foreColour(window()->control("Label46")), QColor(0xFF, 0x80, 0x00));
}

// --- designing ---------------------------------------------------------------------------------

class WindowExample : public GuiTest, public ::testing::WithParamInterface<Example>
{
};

TEST_P(WindowExample, DesignShowsTheseTexts)
{
    const Example &example = GetParam();
    ASSERT_NE(openCase(example.footingCase), nullptr);
    for (const auto &[control, text] : example.inputs)
        enter(control, text);
    click(window()->control("Command1"));
    EXPECT_TRUE(messages().shown.empty());
    for (const auto &[control, text] : example.fields)
        EXPECT_EQ(caption(control), q(text)) << control;
}

INSTANTIATE_TEST_SUITE_P(Isolated, WindowExample,
                         ::testing::ValuesIn(isolated_examples::examples()),
                         [](const auto &info) { return info.param.name; });

class BarListPick : public GuiTest, public ::testing::WithParamInterface<int>
{
};

TEST_P(BarListPick, RerunsEveryFieldButTypingAloneDoesNot)
{
    const int footingCase = GetParam();
    ASSERT_NE(openCase(footingCase), nullptr);
    click(window()->control("Command1"));
    const auto before = resultTexts();

    enter("Text1", "200");
    enter("Combo1", "16"); // typed, not picked
    EXPECT_EQ(resultTexts(), before);

    pick(window()->find<QComboBox>("Combo2"), 4);
    core::DesignRequest request = window()->request();
    EXPECT_EQ(request.texts.at("Combo2"), "25");
    const core::DesignResult expected = isolated::design(request);
    ASSERT_TRUE(expected.accepted());
    EXPECT_EQ(expected.run.events().size(), 17u);
    for (const core::Event &event : expected.run.events())
        EXPECT_EQ(caption(event.target), q(event.text)) << event.target;
    EXPECT_NE(caption("Label38"), before.at("Label38")); // P = 200 changed the plan too
}

INSTANTIATE_TEST_SUITE_P(Isolated, BarListPick, ::testing::Values(0, 1, 2, 3),
                         [](const auto &info) { return "Case" + std::to_string(info.param); });

TEST_F(IsolatedWindowTest, BarPickByHandWorkedValues)
{
    ASSERT_NE(openCase(0), nullptr);
    enter("Text1", "400");
    pick(window()->find<QComboBox>("Combo2"), 4);
    // As = 113.95 cm2 of 25 mm bars (4.909 cm2 each): 23 bars and one more.
    EXPECT_EQ(caption("Label31"), "113.95");
    EXPECT_EQ(caption("Label28"), "24");
    EXPECT_EQ(caption("Label46"), "24");
    EXPECT_EQ(caption("Label47"), "25");
    EXPECT_EQ(caption("Label34"), "Unsafe Punch Stress");
}

TEST_F(IsolatedWindowTest, BadInputShowsOneMessageAndLeavesResultsAsTheyWere)
{
    ASSERT_NE(openCase(3), nullptr);
    click(window()->control("Command1"));
    const auto before = resultTexts();

    struct Bad {
        const char *control;
        const char *text;
        const char *named;
    };
    for (const Bad &bad :
         {Bad{"Text1", "abc", "\"P (ton)\""}, Bad{"Text11", "0", "Assume L1 (m)"},
          Bad{"Combo1", "x", "Short Rienforcement"}, Bad{"Text10", "-60", "\"M (t.m)\""}}) {
        messages().shown.clear();
        const std::string good = ui::inputText(window()->control(bad.control)).toStdString();
        enter(bad.control, bad.text);
        click(window()->control("Command1"));
        ASSERT_EQ(messages().shown.size(), 1u) << bad.control;
        EXPECT_EQ(messages().shown[0].kind, "warn");
        EXPECT_EQ(messages().shown[0].title, "Design Of Isolated Footing");
        EXPECT_TRUE(messages().shown[0].text.contains(QLatin1String(bad.named)))
            << messages().shown[0].text.toStdString();
        EXPECT_EQ(resultTexts(), before) << bad.control;
        enter(bad.control, good);
    }
    // Still usable: a corrected input designs again.
    messages().shown.clear();
    enter("Text10", "40");
    enter("Text11", "2");
    click(window()->control("Command1"));
    EXPECT_TRUE(messages().shown.empty());
    EXPECT_EQ(caption("Label31"), "57.75");
}

TEST_F(IsolatedWindowTest, CaseOutsideTheChooserLeavesEveryFieldAsItWas)
{
    ASSERT_NE(openCase(0), nullptr);
    const auto before = resultTexts();
    window()->setFootingCase(4);
    click(window()->control("Command1"));
    EXPECT_EQ(resultTexts(), before);
    EXPECT_TRUE(messages().shown.empty());
}

// --- blinking ----------------------------------------------------------------------------------

TEST_F(IsolatedWindowTest, BeforeAnyDesignTheChecksKeepTheirColours)
{
    ASSERT_NE(openCase(0), nullptr);
    for (int tick = 0; tick < 3; ++tick)
        window()->blinkUnsafeChecks();
    for (const char *name : {"Label33", "Label34", "Label35"})
        expectColours(name, kGreen, kRed);
}

TEST_F(IsolatedWindowTest, UnsafeChecksAlternateAndASafeResultKeepsTheLastColours)
{
    ASSERT_NE(openCase(0), nullptr);
    enter("Text1", "400");
    enter("Text3", "40"); // shear and punching both unsafe, bond safe
    click(window()->control("Command1"));
    ASSERT_EQ(caption("Label33"), "Unsafe Shear Stress");
    ASSERT_EQ(caption("Label34"), "Unsafe Punch Stress");

    window()->blinkUnsafeChecks();
    expectColours("Label33", kCyan, kRed);
    expectColours("Label34", kCyan, kRed);
    expectColours("Label35", kGreen, kRed);
    window()->blinkUnsafeChecks();
    expectColours("Label33", kRed, kBlue);
    expectColours("Label34", kRed, kBlue);
    window()->blinkUnsafeChecks();
    expectColours("Label34", kCyan, kRed);
    window()->blinkUnsafeChecks();
    expectColours("Label34", kRed, kBlue);

    // P = 90 with t = 40: both checks safe again; the fields keep the last blink colours.
    enter("Text1", "90");
    click(window()->control("Command1"));
    ASSERT_EQ(caption("Label34"), "Safe Punch Stress");
    ASSERT_EQ(caption("Label33"), "Safe Shear Stress");
    for (int tick = 0; tick < 3; ++tick)
        window()->blinkUnsafeChecks();
    expectColours("Label33", kRed, kBlue);
    expectColours("Label34", kRed, kBlue);
    expectColours("Label35", kGreen, kRed);
}

TEST_F(IsolatedWindowTest, UnsafeBondBlinksToo)
{
    ASSERT_NE(openCase(0), nullptr);
    enter("Text8", "2400");
    click(window()->control("Command1"));
    ASSERT_EQ(caption("Label35"), "Unsafe Flexural Bond");
    window()->blinkUnsafeChecks();
    expectColours("Label35", kCyan, kRed);
    expectColours("Label34", kGreen, kRed);
    window()->blinkUnsafeChecks();
    expectColours("Label35", kRed, kBlue);
}

// --- leaving -----------------------------------------------------------------------------------

TEST_F(IsolatedWindowTest, BackLandsOnTheMainWindowAndAReturnStartsFromTheDefaults)
{
    ASSERT_NE(openCase(2), nullptr);
    for (const auto &[control, text] :
         Texts{{"Text1", "200"}, {"Text10", "40"}, {"Text11", "4"}, {"Text3", "40"}})
        enter(control, text);
    enter("Combo2", "25");
    click(window()->control("Command1"));
    window()->blinkUnsafeChecks();
    ASSERT_EQ(ui::backColour(window()->control("Label34")), kCyan);
    click(window()->control("Command2"));
    testing_support::flushDeletes();

    EXPECT_FALSE(shell::isOpen(WindowKind::Isolated));
    EXPECT_FALSE(shell::isOpen(WindowKind::IsolatedCases));
    auto *main = shell::instanceAs<app::MainWindow>(WindowKind::MainWindow);
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(main->size(), QSize(core::px(7800), core::px(6060)));

    shell::openWindow(WindowKind::IsolatedCases, 6800, 6500);
    shell::instanceAs<shell::CaseChooser>(WindowKind::IsolatedCases)->chooseByCaption(2);
    ASSERT_NE(window(), nullptr);
    EXPECT_EQ(caption("Text1"), "90");
    EXPECT_EQ(caption("Text10"), "5");
    EXPECT_EQ(caption("Text11"), "3.2");
    EXPECT_EQ(caption("Combo2"), "12");
    EXPECT_EQ(caption("Label37"), "");
    EXPECT_EQ(caption("Label54"), "0");
    EXPECT_EQ(caption("Label55"), "12");
    EXPECT_EQ(caption("Label33"), "Check Of Shear Stress");
    for (const char *name : {"Label33", "Label34", "Label35"})
        expectColours(name, kGreen, kRed);
    EXPECT_EQ(testing_support::quitCount(), 0);
}

TEST_F(IsolatedWindowTest, PrintPrintsThisWindowAndExitEndsTheProgram)
{
    ASSERT_NE(openCase(1), nullptr);
    click(window()->control("Command1"));
    click(window()->control("Command3"));
    ASSERT_EQ(testing_support::printer().pages.size(), 1u);
    EXPECT_EQ(testing_support::printer().pages[0].window, "isolated");
    EXPECT_EQ(testing_support::quitCount(), 0);
    click(window()->control("Command4"));
    EXPECT_EQ(testing_support::quitCount(), 1);
}

} // namespace
