#include "app/main_window.h"
#include "strap/strap_design.h"
#include "strap/strap_tables.h"
#include "strap/strap_windows.h"
#include "strap_cases.h"
#include "support/gui_test.h"
#include "widgets/controls.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTabBar>

namespace {

using shell::WindowKind;
using strap_cases::DesignCase;
using testing_support::click;
using testing_support::messages;
using testing_support::pick;
using testing_support::printer;

QString qs(const std::string &text)
{
    return QString::fromStdString(text);
}

class StrapWindowTest : public testing_support::GuiTest
{
protected:
    strap::StrapWindow *open()
    {
        shell::openWindow(WindowKind::Strap, 9350, 5800);
        return shell::instanceAs<strap::StrapWindow>(WindowKind::Strap);
    }
    QString caption(const char *name) const
    {
        return ui::captionOf(shell::instance(WindowKind::Strap)->control(name));
    }
    QComboBox *list(const char *name) const
    {
        return shell::instance(WindowKind::Strap)->find<QComboBox>(name);
    }
    // Every result field's caption, by name.
    std::map<std::string, QString> results() const
    {
        std::map<std::string, QString> all;
        for (const std::string &line : strap_cases::kDefaults) {
            const std::string name = line.substr(0, line.find('='));
            all[name] = caption(name.c_str());
        }
        return all;
    }
};

TEST_F(StrapWindowTest, OpensOnInputDataWithTheDefaultTextsAndEmptyResults)
{
    strap::StrapWindow *window = open();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), "Design Of Strap Footing");
    EXPECT_EQ(window->form().size(), QSize(core::px(9180), core::px(5505)));
    EXPECT_EQ(window->currentTab(), 0);
    const QTabBar *bar = window->tabs()->tabBar();
    ASSERT_EQ(bar->count(), 4);
    EXPECT_EQ(bar->tabText(2), "S.F + B.M Ds");
    EXPECT_EQ(bar->tabText(3), "Rienforcement");
    EXPECT_TRUE(bar->font().bold());
    EXPECT_TRUE(window->control("Frame1")->isVisible());
    EXPECT_FALSE(window->control("Frame5")->isVisible());
    EXPECT_EQ(caption("Text1"), "70");
    EXPECT_EQ(caption("Text14"), "4.5");
    const char *lists[] = {"Combo1", "Combo2", "Combo3", "Combo4", "Combo5"};
    const char *texts[] = {"12", "12", "12", "12", "16"};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(caption(lists[i]), texts[i]) << lists[i];
    for (const auto &[name, text] : results())
        EXPECT_TRUE(text.isEmpty()) << name;
}

TEST_F(StrapWindowTest, EveryControlSitsOnItsTabOrContainer)
{
    strap::StrapWindow *window = open();
    for (const core::Control &row : strap::kControls) {
        QWidget *widget = window->control(row.name);
        ASSERT_NE(widget, nullptr) << row.name;
        if (row.parent == "SSTab1") {
            EXPECT_EQ(widget->parentWidget(), window->tabs()->page(row.tab)) << row.name;
        } else if (!row.parent.empty()) {
            EXPECT_EQ(widget->parentWidget(), window->control(row.parent)) << row.name;
        }
    }
    EXPECT_EQ(window->control("Command4")->toolTip(), QStringLiteral("ابدا التصميم"));
    EXPECT_EQ(window->control("Command9")->toolTip(), QStringLiteral("طباعة هذه الواجهه"));
    EXPECT_EQ(ui::backColour(window->control("Frame5")), QColor(0xFF, 0xFF, 0x00));
    EXPECT_EQ(ui::backColour(window->control("Label48")), QColor(0x80, 0xFF, 0xFF));
    EXPECT_EQ(ui::backColour(window->control("Label59")), QColor(0x00, 0xFF, 0xFF));
    EXPECT_TRUE(window->find<ui::PictureBox>("Image1")->hasDrawing());
}

class StrapWindowCase : public StrapWindowTest, public ::testing::WithParamInterface<DesignCase>
{
};

// The worked cases through the window: typed inputs, Design, the fields and the boxes.
TEST_P(StrapWindowCase, DesignFillsTheFieldsAndShowsTheBoxesInOrder)
{
    strap::StrapWindow *window = open();
    for (const auto &[control, text] : GetParam().inputs)
        ui::setInputText(window->control(control), qs(text));
    click(window->control("Command4"));
    std::vector<std::string> boxes;
    for (const std::string &line : GetParam().lines) {
        if (line.rfind("msgbox: ", 0) == 0) {
            boxes.push_back(line);
            continue;
        }
        const auto equals = line.find('=');
        EXPECT_EQ(caption(line.substr(0, equals).c_str()), qs(line.substr(equals + 1))) << line;
    }
    ASSERT_EQ(messages().shown.size(), boxes.size());
    for (size_t i = 0; i < boxes.size(); ++i) {
        EXPECT_EQ(messages().shown[i].kind, "inform");
        EXPECT_EQ("msgbox: " + messages().shown[i].text + " | " + messages().shown[i].title,
                  qs(boxes[i]));
    }
    EXPECT_EQ(window->currentTab(), 0); // Design leaves the tab on show as it is
}

INSTANTIATE_TEST_SUITE_P(Strap, StrapWindowCase, ::testing::ValuesIn(strap_cases::designCases()),
                         [](const auto &info) { return info.param.name; });

// Records, as each box comes up, what the window shows at that moment.
class SnoopingMessages : public testing_support::FakeMessages
{
public:
    void inform(QWidget *parent, const QString &title, const QString &text) override
    {
        FakeMessages::inform(parent, title, text);
        auto *window = shell::instance(WindowKind::Strap);
        seen.push_back({ui::captionOf(window->control("Label112")),
                        ui::captionOf(window->control("Label101")),
                        ui::captionOf(window->control("Label126")),
                        ui::captionOf(window->control("Label76"))});
    }
    std::vector<std::array<QString, 4>> seen;
};

TEST_F(StrapWindowTest, EachBoxComesUpAfterTheEarlierResultsAreOnTheWindow)
{
    SnoopingMessages snoop;
    ui::setMessageSeam(&snoop);
    strap::StrapWindow *window = open();
    ui::setInputText(window->control("Text12"), QStringLiteral("2400"));
    click(window->control("Command4"));
    ui::setMessageSeam(&messages());
    ASSERT_EQ(snoop.seen.size(), 2u);
    // Footing 1's bond box: its own fields are written, footing 2's not yet.
    EXPECT_EQ(snoop.seen[0], (std::array<QString, 4>{"12", "", "", ""}));
    // Footing 2's bond box: both footings written, the strap not yet.
    EXPECT_EQ(snoop.seen[1], (std::array<QString, 4>{"12", "2.45", "12", ""}));
    EXPECT_EQ(snoop.shown[1].title, "Footing -2-");
}

TEST_F(StrapWindowTest, APickInAnyListRerunsTheWholeDesign)
{
    // Each list and the drawing's field that shows its diameter.
    const std::pair<const char *, const char *> lists[] = {{"Combo1", "Label110"},
                                                           {"Combo2", "Label112"},
                                                           {"Combo3", "Label126"},
                                                           {"Combo4", "Label124"},
                                                           {"Combo5", "Label108"}};
    for (const auto &[name, diameter] : lists) {
        shell::resetForTests();
        open();
        ui::setInputText(shell::instance(WindowKind::Strap)->control("Text12"),
                         QStringLiteral("2400"));
        messages().shown.clear();
        pick(list(name), 1); // "12"
        EXPECT_EQ(caption(diameter), "12") << name;
        EXPECT_EQ(caption("Label95"), "1.9") << name;
        EXPECT_FALSE(caption("Label122").isEmpty()) << name;
        EXPECT_EQ(messages().shown.size(), 2u) << name << ": every failing box again";
    }
}

TEST_F(StrapWindowTest, TheStrapListChangesOnlyItsSevenFields)
{
    strap::StrapWindow *window = open();
    click(window->control("Command4"));
    const auto before = results();
    pick(list("Combo5"), 4); // "22"
    const auto after = results();
    const auto &seven = strap_cases::kStrapBarFields;
    for (const auto &[name, text] : before) {
        const bool isStrapBar = std::find(seven.begin(), seven.end(), name) != seven.end();
        EXPECT_EQ(after.at(name) != text, isStrapBar) << name << ": " << text.toStdString();
    }
    EXPECT_EQ(after.at("Label108"), "22");
}

TEST_F(StrapWindowTest, TypingInAListWaitsForTheNextRun)
{
    strap::StrapWindow *window = open();
    testing_support::typeInto(list("Combo1"), QStringLiteral("16"));
    EXPECT_EQ(caption("Label110"), "");
    click(window->control("Command4"));
    EXPECT_EQ(caption("Label110"), "16");
    EXPECT_EQ(caption("Label48"), "11"); // 20.9 / 2.01 = 10.4 bars of 16 mm
}

TEST_F(StrapWindowTest, RefusedInputLeavesTheResultsAndShowsOneWarning)
{
    strap::StrapWindow *window = open();
    click(window->control("Command4"));
    const auto before = results();
    ui::setInputText(window->control("Text12"), QStringLiteral("2400")); // would fail bond
    ui::setInputText(window->control("Text14"), QStringLiteral("0.5"));
    click(window->control("Command4"));
    EXPECT_EQ(results(), before);
    ASSERT_EQ(messages().shown.size(), 1u);
    EXPECT_EQ(messages().shown[0].kind, "warn");
    EXPECT_TRUE(messages().shown[0].text.contains("\"Column Spacing (L)\""));
}

TEST_F(StrapWindowTest, TheDrawingKeepsItsFixedSideBarLabels)
{
    strap::StrapWindow *window = open();
    click(window->control("Command4"));
    pick(list("Combo5"), 4);
    window->showTab(3);
    EXPECT_TRUE(window->control("Label107")->isVisible());
    EXPECT_EQ(caption("Label107"), "4");
    EXPECT_EQ(caption("Label108"), "22");
    for (const char *count : {"Label115", "Label116", "Label117"})
        EXPECT_EQ(caption(count), "2");
    for (const char *diameter : {"Label118", "Label119", "Label120"})
        EXPECT_EQ(caption(diameter), "12");
}

TEST_F(StrapWindowTest, BothBackButtonsOpenTheMainWindowAt7800By6060)
{
    for (const char *back : {"Command1", "Command5"}) {
        shell::resetForTests();
        strap::StrapWindow *window = open();
        window->showTab(back == std::string("Command1") ? 0 : 1);
        click(window->control(back));
        EXPECT_FALSE(shell::isOpen(WindowKind::Strap)) << back;
        ASSERT_TRUE(shell::isOpen(WindowKind::MainWindow)) << back;
        EXPECT_EQ(shell::instance(WindowKind::MainWindow)->size(),
                  QSize(core::px(7800), core::px(6060)));
    }
    EXPECT_EQ(testing_support::quitCount(), 0);
}

TEST_F(StrapWindowTest, BothExitButtonsEndTheProgram)
{
    for (const char *exit : {"Command3", "Command7"}) {
        shell::resetForTests();
        strap::StrapWindow *window = open();
        window->showTab(exit == std::string("Command3") ? 0 : 1);
        click(window->control(exit));
        EXPECT_EQ(shell::openWindowCount(), 0);
    }
    EXPECT_EQ(testing_support::quitCount(), 2);
}

TEST_F(StrapWindowTest, EachPrintButtonPrintsTheTabOnShow)
{
    strap::StrapWindow *window = open();
    click(window->control("Command4"));
    std::vector<QImage> tabs;
    for (int tab = 0; tab < 4; ++tab) {
        window->showTab(tab);
        tabs.push_back(window->form().grab().toImage());
    }
    const char *buttons[] = {"Command2", "Command6", "Command8", "Command9"};
    for (int tab = 0; tab < 4; ++tab) {
        window->showTab(tab);
        click(window->control(buttons[tab]));
        ASSERT_EQ(printer().pages.size(), size_t(tab + 1));
        const auto &page = printer().pages.back();
        EXPECT_EQ(page.window, "strap");
        EXPECT_EQ(page.job, "Design Of Strap Footing");
        for (int other = 0; other < 4; ++other)
            EXPECT_EQ(page.image == tabs[other], other == tab) << buttons[tab] << " " << other;
    }
}

TEST_F(StrapWindowTest, SwitchingTabsKeepsTheValues)
{
    strap::StrapWindow *window = open();
    click(window->control("Command4"));
    click(window->tabs()->tabBar(), window->tabs()->tabBar()->tabRect(1).center());
    EXPECT_EQ(window->currentTab(), 1);
    EXPECT_TRUE(window->control("Label98")->isVisible());
    EXPECT_FALSE(window->control("Text1")->isVisible());
    EXPECT_EQ(caption("Label98"), "1.9");
    EXPECT_EQ(caption("Text1"), "70");
}

} // namespace
