// A design window around its run: results marked out of date while the inputs differ from
// the ones they were designed with, check ratios and warnings as tooltips and in the status
// line, and the menu bar and status line around the designed client area. A small design
// stands in for the footings, so every check, warning and refusal is under the test's control.

#include "isolated/isolated_windows.h"
#include "report/render.h"
#include "shell/registry.h"
#include "shell/shell_window.h"
#include "support/gui_test.h"
#include "widgets/apply_run.h"
#include "widgets/controls.h"
#include "widgets/page_painter.h"
#include "widgets/painting.h"
#include "widgets/report_preview.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QStatusBar>
#include <QWindow>
#include <array>
#include <memory>

namespace {

using namespace core;
using shell::WindowKind;
using testing_support::GuiTest;
using testing_support::messages;
using testing_support::pick;
using testing_support::typeInto;

constexpr std::string_view kLoadTip = "الحمل";
constexpr std::string_view kNoContact = "Part of the footing has no contact with the soil.";

// A row placed on the form, 300 twips high.
constexpr Control at(Control row, int left, int top, int width)
{
    row.left = left;
    row.top = top;
    row.width = width;
    row.height = 300;
    return row;
}

constexpr std::array kControls{
    at({.name = "Label3", .text = "P (ton)"}, 120, 120, 900),
    at({.name = "Text1", .kind = Kind::TextBox, .text = "10", .tooltip = kLoadTip}, 1200, 120, 900),
    at({.name = "Combo1",
        .kind = Kind::ComboBox,
        .text = "12",
        .items = "10|12|16",
        .action = Action::Design},
       1200, 600, 900),
    at({.name = "Label1", .fore = colours::blue, .font = fonts::largeBold}, 2400, 120, 1200),
    at({.name = "Label2",
        .back = colours::lightCyan,
        .fore = colours::red,
        .font = fonts::largeBold},
       2400, 600, 2400),
};

constexpr std::array kInputs{InputField{"Text1", "P (ton)", "P", "t"},
                             InputField{"Combo1", "Diam. (mm)", "φ", "mm"}};

int g_designs = 0; // how often the design below has run

// Punching stress 0.315 P against 12.91 kg/cm²; no one-way shear for 16 mm bars; no full
// contact above 40 t.
DesignResult design(const DesignRequest &request)
{
    ++g_designs;
    FieldReader reader(request.texts, kInputs);
    const double P = reader.positive("Text1").value();
    const double phi = reader.positive("Combo1").value();
    if (reader.failed())
        return reader.refused();
    Run run;
    run.setNumber("Label1", 2 * P);
    const double qp = 0.315 * P;
    const double qcup = 12.91;
    const bool safe = qp <= qcup;
    run.setText("Label2", safe ? "Safe Punch Stress" : "Unsafe Punch Stress");
    run.check({.footing = "Footing",
               .name = "Punching",
               .demandSymbol = "qp",
               .capacitySymbol = "qcup",
               .demand = qp,
               .capacity = qcup,
               .unit = "kg/cm2",
               .outcome = safe ? Check::Outcome::Pass : Check::Outcome::Fail,
               .control = "Label2"});
    if (phi == 16)
        run.check({.footing = "Footing",
                   .name = "One-way shear",
                   .outcome = Check::Outcome::NotApplicable,
                   .reason = "the critical section lies outside the footing",
                   .control = "Label1"});
    if (P > 40)
        run.warn({"Footing", std::string(kNoContact), {"Text1"}});
    return finish(run, "P");
}

const DesignWindowInfo kInfo{.command = "test",
                             .title = "A Test Design",
                             .controls = kControls,
                             .inputs = kInputs,
                             .design = design};

class DesignWindowTest : public GuiTest
{
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        m_window = std::make_unique<shell::DesignWindow>(WindowKind::Strap, kInfo);
        m_window->show();
    }
    void TearDown() override
    {
        m_window.reset();
        GuiTest::TearDown();
    }

    shell::DesignWindow &window() { return *m_window; }
    ui::CaptionLabel *caption(const char *name) { return window().find<ui::CaptionLabel>(name); }
    QLineEdit *load() { return window().find<QLineEdit>("Text1"); }
    QComboBox *list() { return window().find<QComboBox>("Combo1"); }
    bool stale(const char *name) { return caption(name)->isStale(); }

    std::unique_ptr<shell::DesignWindow> m_window;
};

TEST_F(DesignWindowTest, ResultsAreOutOfDateExactlyWhileAnInputDiffersFromTheDesignedOnes)
{
    EXPECT_FALSE(window().resultsOutOfDate()); // nothing designed yet
    typeInto(load(), QStringLiteral("11"));
    EXPECT_FALSE(window().resultsOutOfDate());

    window().runDesign();
    EXPECT_EQ(ui::captionOf(caption("Label1")), "22");
    EXPECT_FALSE(window().resultsOutOfDate());
    EXPECT_TRUE(window().statusText().isEmpty());

    typeInto(load(), QStringLiteral("12"));
    EXPECT_TRUE(window().resultsOutOfDate());
    EXPECT_TRUE(stale("Label1"));
    EXPECT_TRUE(stale("Label2"));
    EXPECT_FALSE(stale("Label3")); // a caption no run writes
    EXPECT_TRUE(window().statusText().startsWith(QStringLiteral("Out of date")));
    EXPECT_EQ(window().findChild<QLabel *>(QStringLiteral("status"))->text(),
              window().statusText());

    typeInto(load(), QStringLiteral("11")); // back to the designed text
    EXPECT_FALSE(window().resultsOutOfDate());
    EXPECT_FALSE(stale("Label1"));
    EXPECT_TRUE(window().statusText().isEmpty());

    testing_support::typeInto(list(), QStringLiteral("16")); // typed, not picked
    EXPECT_TRUE(window().resultsOutOfDate());
    pick(list(), 0); // a pick designs at once
    EXPECT_FALSE(window().resultsOutOfDate());
    EXPECT_FALSE(stale("Label2"));
}

TEST_F(DesignWindowTest, RefusedRunLeavesTheResultsMarkedAndTheNextDesignClearsThem)
{
    window().runDesign();
    typeInto(load(), QStringLiteral("ten"));
    window().runDesign();
    ASSERT_EQ(messages().shown.size(), 1u);
    EXPECT_EQ(messages().shown[0].kind, "warn");
    EXPECT_TRUE(window().resultsOutOfDate());
    EXPECT_TRUE(stale("Label1"));
    EXPECT_EQ(ui::captionOf(caption("Label1")), "20"); // still the last applied run's

    typeInto(load(), QStringLiteral("12"));
    window().runDesign();
    EXPECT_FALSE(window().resultsOutOfDate());
    EXPECT_FALSE(stale("Label1"));
    EXPECT_EQ(ui::captionOf(caption("Label1")), "24");
}

// Pixels of a colour in an image, exactly.
int count(const QImage &image, const QColor &colour)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixelColor(x, y) == colour ? 1 : 0;
    return n;
}

TEST_F(DesignWindowTest, OutOfDateCaptionsAreGreyOnScreenAndOnPaperWithTheirBackgroundKept)
{
    window().runDesign();
    QWidget *label = caption("Label2");
    const QColor red(Qt::red);
    const QColor cyan = ui::toQColor(colours::lightCyan.rgb);
    auto paper = [&] {
        QImage image(label->size(), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.translate(-label->pos());
        ui::paintClientArea(painter, window().form());
        return image;
    };
    EXPECT_GT(count(label->grab().toImage(), red), 20);
    EXPECT_GT(count(paper(), red), 20);

    typeInto(load(), QStringLiteral("12"));
    for (const QImage &image : {label->grab().toImage(), paper()}) {
        EXPECT_EQ(count(image, red), 0);
        EXPECT_GT(count(image, QColor(0x60, 0x60, 0x60)), 20);
        EXPECT_GT(count(image, cyan), image.width() * image.height() / 2);
    }
    EXPECT_EQ(ui::foreColour(label), red); // the colours the run set stay
}

TEST_F(DesignWindowTest, EachCheckShowsItsRatioOnItsLabelAndWarningsOnTheFieldsTheyName)
{
    window().runDesign();
    EXPECT_EQ(caption("Label2")->toolTip(), "qp = 3.15 kg/cm² ≤ qcup = 12.91 kg/cm²: 24 %");
    EXPECT_EQ(load()->toolTip(), QString::fromUtf8(kLoadTip.data()));
    EXPECT_TRUE(window().statusText().isEmpty());

    typeInto(load(), QStringLiteral("50"));
    testing_support::typeInto(list(), QStringLiteral("16"));
    window().runDesign();
    EXPECT_EQ(caption("Label2")->toolTip(), "qp = 15.75 kg/cm² > qcup = 12.91 kg/cm²: 122 %");
    EXPECT_EQ(caption("Label1")->toolTip(),
              "One-way shear not applicable: the critical section lies outside the footing");
    EXPECT_EQ(load()->toolTip(),
              QString::fromUtf8(kLoadTip.data()) + "\n" + QString::fromUtf8(kNoContact.data()));
    EXPECT_EQ(window().statusText(), QString::fromUtf8(kNoContact.data()));

    // The next run's record replaces this one's.
    typeInto(load(), QStringLiteral("10"));
    pick(list(), 1);
    EXPECT_EQ(caption("Label1")->toolTip(), "");
    EXPECT_EQ(load()->toolTip(), QString::fromUtf8(kLoadTip.data()));
    EXPECT_TRUE(window().statusText().isEmpty());
}

TEST_F(DesignWindowTest, MenuBarAndStatusLineLieOutsideTheDesignedClientArea)
{
    // Report…, Print, Back, a separator, Exit
    EXPECT_EQ(window().fileMenu()->actions().size(), 5);
    EXPECT_GT(window().addedChromeHeight(), 20);
    // Opened at its catalogue size, the window shows as much of its client area as before.
    window().setOuterSize(9350, 5800);
    const QMargins frame = window().windowHandle()->frameMargins();
    EXPECT_EQ(window().centralWidget()->size(),
              QSize(core::px(9350), core::px(5800)).shrunkBy(frame));
    EXPECT_EQ(window().form().size(), QSize(core::px(9180), core::px(5505)));
    window().setDesignSize();
    EXPECT_EQ(window().centralWidget()->size(), window().form().size());
}

TEST_F(DesignWindowTest, ReportIsTheFirstEntryOfTheFileMenuOnCtrlR)
{
    const QList<QAction *> entries = window().fileMenu()->actions();
    ASSERT_GE(entries.size(), 2);
    EXPECT_EQ(entries[0]->objectName(), "report");
    EXPECT_EQ(entries[0]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_R));
    EXPECT_EQ(entries[1]->objectName(), "print");
    EXPECT_EQ(window().menuAction(QStringLiteral("report")), entries[0]);
}

TEST_F(DesignWindowTest, TheReportIsOfTheRunOnShowAndNeverDesignsItAgain)
{
    g_designs = 0;
    window().showReport(); // nothing on show yet: designs once
    EXPECT_EQ(g_designs, 1);
    ASSERT_NE(window().reportPreview(), nullptr);
    window().reportPreview()->close();

    typeInto(load(), QStringLiteral("11"));
    typeInto(load(), QStringLiteral("10")); // back to the texts designed
    ASSERT_FALSE(window().resultsOutOfDate());
    window().showReport();
    EXPECT_EQ(g_designs, 1);
    ASSERT_NE(window().reportPreview(), nullptr);
    const report::Report &shown = window().reportPreview()->report();
    EXPECT_EQ(report::toText(shown),
              report::toText(report::build(kInfo, *window().appliedRequest(),
                                           *window().appliedRun(), window().reportTitle())));
    ASSERT_EQ(shown.checks.size(), 1u);
    EXPECT_DOUBLE_EQ(shown.checks[0].demand, 0.315 * 10);

    // Out of date: the report waits for the next run, one run.
    typeInto(load(), QStringLiteral("20"));
    window().showReport();
    EXPECT_EQ(g_designs, 2);
    EXPECT_DOUBLE_EQ(window().reportPreview()->report().checks[0].demand, 0.315 * 20);
}

// --- the footings' own windows ---------------------------------------------------------

TEST_F(GuiTest, UnsafeChecksKeepBlinkingWhileTheResultsAreOutOfDate)
{
    shell::DesignWindow *design = testing_support::openDesignWindow(WindowKind::Isolated);
    auto *window = dynamic_cast<isolated::IsolatedWindow *>(design);
    ASSERT_NE(window, nullptr);
    typeInto(window->find<QLineEdit>("Text1"), QStringLiteral("400"));
    window->runDesign();
    auto *punching = window->find<ui::CaptionLabel>("Label34");
    ASSERT_EQ(ui::captionOf(punching), "Unsafe Punch Stress");

    typeInto(window->find<QLineEdit>("Text1"), QStringLiteral("401"));
    ASSERT_TRUE(window->resultsOutOfDate());
    EXPECT_TRUE(punching->isStale());
    std::vector<QColor> backs;
    for (int tick = 0; tick < 3; ++tick) {
        window->blinkUnsafeChecks();
        backs.push_back(ui::backColour(punching));
    }
    // Cyan and red in turn.
    EXPECT_NE(backs[0], backs[1]);
    EXPECT_EQ(backs[0], backs[2]);
    for (const QColor &back : backs)
        EXPECT_TRUE(back == QColor(Qt::cyan) || back == QColor(Qt::red))
            << back.name().toStdString();
    EXPECT_TRUE(punching->isStale());
}

TEST_F(GuiTest, EveryDesignWindowMarksItsResultsOnEditAndClearsThemOnDesign)
{
    for (const WindowKind kind :
         {WindowKind::Isolated, WindowKind::Strip, WindowKind::Combined, WindowKind::Strap}) {
        shell::resetForTests();
        shell::DesignWindow *window = testing_support::openDesignWindow(kind);
        window->runDesign();
        ASSERT_FALSE(window->resultsOutOfDate());
        auto *cover = window->find<QLineEdit>(kind == WindowKind::Strap      ? "Text10"
                                              : kind == WindowKind::Combined ? "Text5"
                                                                             : "Text4");
        typeInto(cover, QStringLiteral("7"));
        EXPECT_TRUE(window->resultsOutOfDate());
        const QList<ui::CaptionLabel *> captions =
            window->form().findChildren<ui::CaptionLabel *>();
        EXPECT_GT(std::count_if(captions.begin(), captions.end(),
                                [](const ui::CaptionLabel *c) { return c->isStale(); }),
                  5);
        window->runDesign();
        EXPECT_FALSE(window->resultsOutOfDate());
        EXPECT_TRUE(std::none_of(captions.begin(), captions.end(),
                                 [](const ui::CaptionLabel *c) { return c->isStale(); }));
    }
}

// --- how checks and units read -------------------------------------------------------------

struct CheckRow {
    const char *name;
    Check check;
    const char *text;
};

class CheckText : public ::testing::TestWithParam<CheckRow>
{
};

TEST_P(CheckText, ReadsAsDemandAgainstCapacityWithTheRatio)
{
    EXPECT_EQ(ui::describeCheck(GetParam().check).toStdString(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Checks, CheckText,
    ::testing::Values(CheckRow{"Bearing",
                               {.name = "Bearing",
                                .demandSymbol = "q",
                                .capacitySymbol = "qall",
                                .demand = 1.2,
                                .capacity = 1.25,
                                .unit = "kg/cm2"},
                               "q = 1.2 kg/cm² ≤ qall = 1.25 kg/cm²: 96 %"},
                      CheckRow{"FailingShear",
                               {.name = "One-way shear",
                                .demandSymbol = "qsh",
                                .capacitySymbol = "qcu",
                                .demand = 9.6826,
                                .capacity = 7.071,
                                .unit = "kg/cm2",
                                .outcome = Check::Outcome::Fail},
                               "qsh = 9.683 kg/cm² > qcu = 7.071 kg/cm²: 137 %"},
                      CheckRow{"Unitless",
                               {.name = "Bars",
                                .demandSymbol = "n",
                                .capacitySymbol = "nmax",
                                .demand = 29,
                                .capacity = 30},
                               "n = 29 ≤ nmax = 30: 97 %"},
                      CheckRow{"ZeroCapacity",
                               {.name = "Bond",
                                .demandSymbol = "u",
                                .capacitySymbol = "ua",
                                .demand = 3,
                                .capacity = 0,
                                .unit = "kg/cm2",
                                .outcome = Check::Outcome::Fail},
                               "u = 3 kg/cm² > ua = 0 kg/cm²: — %"},
                      CheckRow{"NotApplicable",
                               {.name = "Punching",
                                .outcome = Check::Outcome::NotApplicable,
                                .reason = "the column is flush with the edge"},
                               "Punching not applicable: the column is flush with the edge"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(UnitText, SquaresAndCubesTheLengthUnitsOnly)
{
    const std::pair<const char *, const char *> cases[] = {
        {"kg/cm2", "kg/cm²"}, {"kg\\cm2", "kg\\cm²"}, {"m3", "m³"},     {"cm2/m", "cm²/m"},
        {"t.m", "t.m"},       {"mm", "mm"},           {"t/m2", "t/m²"}, {"", ""},
        {"m12", "m12"}};
    for (const auto &[unit, text] : cases)
        EXPECT_EQ(ui::unitText(unit).toStdString(), text) << unit;
}

} // namespace
