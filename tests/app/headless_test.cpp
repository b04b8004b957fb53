#include "app/headless.h"
#include "report/render.h"
#include "tests/report/fake_design.h"

#include <array>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sstream>

namespace {

using namespace core;

constexpr std::array kControls{
    Control{.name = "Text1", .kind = Kind::TextBox, .text = "90"},
    Control{.name = "Combo1", .kind = Kind::ComboBox, .text = "12"},
    Control{.name = "Option1", .kind = Kind::OptionButton, .text = kSelected},
};
constexpr std::array kInputs{InputField{"Text1", "P (ton)", "P", "t", 1, 5000},
                             InputField{"Combo1", "Diam. Of Used Bars(mm)"},
                             InputField{"Option1", "Brick Wall"}};
constexpr std::array<std::string_view, 2> kCases{"Uniform Stress", "Just No Tention"};

// Echoes what it was given, so the tests see what the command passed on.
DesignResult echo(const DesignRequest &request)
{
    FieldReader reader(request.texts, kInputs);
    const double p = reader.positive("Text1").value();
    const bool brick = reader.selected("Option1");
    if (reader.failed())
        return reader.refused();
    Run run;
    run.setNumber("Label1", p);
    run.setText("Label2", request.texts.at("Combo1"));
    run.setNumber("Label3", request.footingCase);
    run.setText("Label4", brick ? "brick" : "concrete");
    run.show("Picture2");
    run.note("pt", 1.1 * p, "t");
    return finish(run, "P");
}

const DesignWindowInfo kWithCases{.command = "isolated",
                                  .title = "Design Of Isolated Footing",
                                  .controls = kControls,
                                  .inputs = kInputs,
                                  .caseNames = kCases,
                                  .design = echo};
const DesignWindowInfo kWithWall{.command = "strip",
                                 .title = "Design Of Strip Footing",
                                 .controls = kControls,
                                 .inputs = kInputs,
                                 .caseNames = kCases,
                                 .wallOption = "Option1",
                                 .design = echo};
const std::array<const DesignWindowInfo *, 2> kWindows{&kWithCases, &kWithWall};

struct Outcome {
    int code;
    std::string out;
    std::string err;
};

Outcome run(std::vector<std::string> args)
{
    std::ostringstream out, err;
    const int code = headless::run(args, kWindows, out, err);
    return {code, out.str(), err.str()};
}

TEST(Headless, PrintsTheRunOneEventALine)
{
    const Outcome o = run({"isolated", "--case", "1", "Text1=100", "Combo1=16"});
    EXPECT_EQ(o.code, headless::kDesigned);
    EXPECT_EQ(o.out, "Label1=100\nLabel2=16\nLabel3=1\nLabel4=brick\nshow: Picture2\n");
    EXPECT_EQ(o.err, "");
}

TEST(Headless, TraceAddsTheIntermediateValues)
{
    const Outcome o = run({"strip", "--concrete", "--trace"});
    EXPECT_EQ(o.code, headless::kDesigned);
    EXPECT_EQ(o.out, "Label1=90\nLabel2=12\nLabel3=0\nLabel4=concrete\nshow: Picture2\n"
                     "trace: pt = 99 t\n");
}

TEST(Headless, RefusedInputPrintsTheMessageOnStderrOnly)
{
    const Outcome o = run({"isolated", "Text1=abc"});
    EXPECT_EQ(o.code, headless::kRefused);
    EXPECT_EQ(o.out, "");
    EXPECT_EQ(o.err,
              "\"P (ton)\" must be a number, written with a decimal point (\"abc\" is not).\n");
}

TEST(Headless, AnOptionTakesOnlyItsTwoTexts)
{
    EXPECT_EQ(run({"strip", "Option1=0"}).out, run({"strip", "--concrete"}).out);
    const Outcome o = run({"strip", "Option1=yes"});
    EXPECT_EQ(o.code, headless::kRefused);
    EXPECT_EQ(o.err, "\"Brick Wall\" is an option: 1 selects it, 0 clears it.\n");
}

TEST(Headless, ANumberOutsideItsRangeIsRefusedNamingFieldAndRange)
{
    const Outcome o = run({"isolated", "Text1=1e300"});
    EXPECT_EQ(o.code, headless::kRefused);
    EXPECT_EQ(o.out, "");
    EXPECT_EQ(o.err, "\"P (ton)\" must be from 1 to 5000 t (\"1e300\" is not).\n");
}

TEST(Headless, UsageErrors)
{
    struct Case {
        std::vector<std::string> args;
        std::string says;
    };
    for (const Case &c : {Case{{}, "name a window"}, Case{{"spread"}, "unknown window \"spread\""},
                          Case{{"isolated", "Text99=5"}, "has no input \"Text99\""},
                          Case{{"isolated", "--case"}, "--case needs a number from 0 to 1"},
                          Case{{"isolated", "--case", "2"}, "--case needs a number from 0 to 1"},
                          Case{{"isolated", "--case", "0.5"}, "--case needs a number"},
                          // Far beyond an int: refused before any conversion (UBSan checks).
                          Case{{"isolated", "--case", "99999999999"}, "--case needs a number"},
                          Case{{"isolated", "--case", "-1e300"}, "--case needs a number"},
                          Case{{"isolated", "--case", "1e308"}, "--case needs a number"},
                          Case{{"isolated", "--case", "-0.5"}, "--case needs a number"},
                          // Typed text is quoted on one line, escapes shown, not acted on.
                          Case{{"spr\x1b[2J\nead"}, "unknown window \"spr\\x1B[2J\\nead\""},
                          Case{{"isolated", "Te\nxt1=5"}, "has no input \"Te\\nxt1\""},
                          Case{{"isolated", std::string(1000, '-')},
                               "unexpected argument \"" + std::string(40, '-') + "…\"."},
                          Case{{"isolated", "--concrete"}, "--concrete applies to the strip"},
                          Case{{"isolated", "extra"}, "unexpected argument \"extra\""}}) {
        const Outcome o = run(c.args);
        EXPECT_EQ(o.code, headless::kUsageError) << c.says;
        EXPECT_EQ(o.out, "") << c.says;
        EXPECT_NE(o.err.find(c.says), std::string::npos) << o.err;
        EXPECT_NE(o.err.find("Usage: foundations-calc"), std::string::npos);
    }
}

TEST(Headless, HelpListsEachWindowWithItsInputsCaptionsAndDefaults)
{
    const Outcome o = run({"--help"});
    EXPECT_EQ(o.code, headless::kDesigned);
    EXPECT_NE(o.out.find("isolated  (Design Of Isolated Footing)"), std::string::npos);
    EXPECT_NE(o.out.find("cases: 0 \"Uniform Stress\", 1 \"Just No Tention\""), std::string::npos);
    EXPECT_NE(o.out.find("Text1     P (ton)  [default \"90\", 1 to 5000 t]"), std::string::npos);
    EXPECT_NE(o.out.find("Combo1    Diam. Of Used Bars(mm)  [default \"12\"]"), std::string::npos);
    EXPECT_NE(o.out.find("wall: brick, or concrete with --concrete (Option1=0)"),
              std::string::npos);
    EXPECT_EQ(run({"strip", "--help"}).out, o.out);
}

// ---- the calculation report -------------------------------------------------------------

const std::array<const DesignWindowInfo *, 2> kReportWindows{&fake::padWindow(), &kWithCases};

// Records what the command asked the PDF writer to do, and answers with `problem`.
struct FakePdf {
    std::string problem;
    std::vector<std::string> paths;
    std::vector<report::Report> reports;

    headless::PdfWriter writer()
    {
        return [this](const report::Report &r, const std::string &path) {
            paths.push_back(path);
            reports.push_back(r);
            return problem;
        };
    }
};

Outcome runReport(std::vector<std::string> args, FakePdf *pdf = nullptr)
{
    std::ostringstream out, err;
    const int code =
        headless::run(args, kReportWindows, out, err, pdf ? pdf->writer() : headless::PdfWriter{});
    return {code, out.str(), err.str()};
}

// The report of the pad window's default run, as the command should make it.
report::Report expectedReport(int footingCase, const report::TitleBlock &title)
{
    const DesignRequest request = defaultRequest(fake::padWindow(), footingCase);
    return report::build(fake::padWindow(), request, fake::padWindow().design(request).run, title);
}

TEST(HeadlessReport, DashPrintsTheTextReportInsteadOfTheEvents)
{
    report::TitleBlock title = report::defaultTitle();
    title.project = "Tower A";
    title.mark = "F2";
    title.designer = "R. Engineer";
    title.date = "2000-01-31";
    const Outcome o =
        runReport({"pad", "--case", "1", "--report", "-", "--project-name", "Tower A", "--mark",
                   "F2", "--designer", "R. Engineer", "--date", "2000-01-31"});
    EXPECT_EQ(o.code, headless::kDesigned);
    EXPECT_EQ(o.err, "");
    EXPECT_EQ(o.out, report::toText(expectedReport(1, title)));
    // --trace adds to the event listing, which the report replaces.
    EXPECT_EQ(
        runReport({"pad", "--case", "1", "--trace", "--report", "-", "--project-name", "Tower A",
                   "--mark", "F2", "--designer", "R. Engineer", "--date", "2000-01-31"})
            .out,
        o.out);
    // Without --date the report carries today's.
    EXPECT_NE(runReport({"pad", "--report", "-"}).out.find("Date          " + report::today()),
              std::string::npos);
}

TEST(HeadlessReport, JsonPrintsOneObjectWithTheRunAndItsReport)
{
    const Outcome o = runReport({"pad", "--json", "--project-name", "Tower A", "Text1=100"});
    EXPECT_EQ(o.code, headless::kDesigned);
    EXPECT_EQ(o.err, "");
    const nlohmann::json doc = nlohmann::json::parse(o.out);
    EXPECT_EQ(doc["report"]["title"]["project"], "Tower A");
    EXPECT_EQ(doc["report"]["inputs"][0]["text"], "100");
    // One event for each line the plain listing prints.
    const Outcome plain = runReport({"pad", "Text1=100"});
    EXPECT_EQ(doc["events"].size(),
              static_cast<std::size_t>(std::count(plain.out.begin(), plain.out.end(), '\n')));
}

TEST(HeadlessReport, AFileGetsThePdfAndTheEventsArePrintedAsUsual)
{
    FakePdf pdf;
    const Outcome o = runReport({"pad", "--report", "out/pad.pdf", "--mark", "F7"}, &pdf);
    EXPECT_EQ(o.code, headless::kDesigned);
    EXPECT_EQ(o.err, "");
    EXPECT_EQ(o.out, runReport({"pad"}).out);
    ASSERT_EQ(pdf.paths, std::vector<std::string>{"out/pad.pdf"});
    EXPECT_EQ(pdf.reports[0].title.mark, "F7");
    EXPECT_EQ(pdf.reports[0].title.window, "Design Of Pad Footing");
    EXPECT_EQ(pdf.reports[0].checks.size(), 4u);

    // With --json as well: the file and the JSON.
    FakePdf both;
    const Outcome json = runReport({"pad", "--json", "--report", "b.pdf"}, &both);
    EXPECT_EQ(json.code, headless::kDesigned);
    EXPECT_EQ(both.paths.size(), 1u);
    EXPECT_TRUE(nlohmann::json::accept(json.out));
}

TEST(HeadlessReport, APdfThatCannotBeWrittenIsExitOneWithItsReasonAndNothingPrinted)
{
    FakePdf pdf;
    pdf.problem = "The report was not written: the folder /nowhere does not exist.";
    for (const std::vector<std::string> &args :
         {std::vector<std::string>{"pad", "--report", "/nowhere/pad.pdf"},
          std::vector<std::string>{"pad", "--json", "--report", "/nowhere/pad.pdf"}}) {
        const Outcome o = runReport(args, &pdf);
        EXPECT_EQ(o.code, headless::kRefused);
        EXPECT_EQ(o.out, "");
        EXPECT_EQ(o.err, "foundations-calc: " + pdf.problem + "\n");
    }
}

TEST(HeadlessReport, RefusedInputWritesNoReport)
{
    for (const std::vector<std::string> &args :
         {std::vector<std::string>{"pad", "Text1=-5", "--report", "pad.pdf"},
          std::vector<std::string>{"pad", "Text1=-5", "--report", "-"},
          std::vector<std::string>{"pad", "Text1=-5", "--json"}}) {
        FakePdf pdf;
        const Outcome o = runReport(args, &pdf);
        EXPECT_EQ(o.code, headless::kRefused) << args[3];
        EXPECT_EQ(o.out, "");
        EXPECT_EQ(o.err, "\"P (ton)\" must be greater than 0.\n");
        EXPECT_TRUE(pdf.paths.empty());
    }
}

TEST(HeadlessReport, UsageErrors)
{
    struct Case {
        std::vector<std::string> args;
        const char *says;
    };
    FakePdf pdf;
    for (const Case &c :
         {Case{{"pad", "--report"}, "--report needs a file name, or - for the text report."},
          Case{{"pad", "--report", ""}, "--report needs a file name"},
          Case{{"pad", "--report", "--json"}, "--report needs a file name"},
          Case{{"pad", "--report", "a.pdf", "--report", "b.pdf"}, "--report may be given once."},
          Case{{"pad", "--report", "-", "--json"}, "both print on stdout"},
          Case{{"pad", "--project-name"}, "--project-name needs a text."},
          Case{{"pad", "--date", "--json"}, "--date needs a text."},
          // Found by fuzzing: JSON leaves DEL as it is, so the title block refuses it.
          Case{{"pad", "--json", "--date", "b\x7f"},
               "--date takes one line of text without control characters, not \"b\\x7F\"."},
          Case{{"pad", "--mark", "F1\nF2"}, "not \"F1\\nF2\""},
          Case{{"pad", "--designer", "\xff\xfe"}, "--designer takes one line of text"}}) {
        const Outcome o = runReport(c.args, &pdf);
        EXPECT_EQ(o.code, headless::kUsageError) << c.says;
        EXPECT_EQ(o.out, "");
        EXPECT_NE(o.err.find(c.says), std::string::npos) << o.err;
    }
    EXPECT_TRUE(pdf.paths.empty());
    // A build without a PDF writer says so.
    const Outcome o = runReport({"pad", "--report", "a.pdf"});
    EXPECT_EQ(o.code, headless::kUsageError);
    EXPECT_NE(o.err.find("cannot write PDF files"), std::string::npos);
}

TEST(HeadlessReport, HelpDescribesTheReportFlags)
{
    const Outcome o = runReport({"--help"});
    for (const char *flag :
         {"--report FILE.pdf", "--report -", "--json", "--project-name TEXT", "--mark TEXT",
          "--designer TEXT", "--date TEXT", "docs/report-json.md"})
        EXPECT_NE(o.out.find(flag), std::string::npos) << flag;
}

} // namespace
