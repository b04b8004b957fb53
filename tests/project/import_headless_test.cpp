#include "app/design_windows.h"
#include "app/headless.h"
#include "project/schedule.h"
#include "project_support.h"

#include <gtest/gtest.h>
#include <sstream>

namespace {

using project_test::readText;
using project_test::TempFolder;
using project_test::writeText;

struct Outcome {
    int code;
    std::string out;
    std::string err;
    std::vector<std::string> lines, errLines;
};

std::vector<std::string> linesOf(const std::string &text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

Outcome calc(std::vector<std::string> args)
{
    std::ostringstream out, err;
    const int code = headless::run(args, app::designWindows(), out, err);
    return {code, out.str(), err.str(), linesOf(out.str()), linesOf(err.str())};
}

const std::string kTable = "Joint,Combo,F3,M2\n"
                           "A1,ULS1,981,49.05\n"
                           "A1,ULS2,1000,-98.1\n"
                           "B1,ULS1,500,0\n";

std::vector<std::string> importArgs(const TempFolder &folder, std::vector<std::string> more = {})
{
    std::vector<std::string> args{
        "import", folder.path("r.csv").string(), "--map", "mark=Joint,P=F3,M=M2", "--units", "kN",
        "-o",     folder.path("p.fdn").string()};
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

TEST(HeadlessImport, WritesTheProjectAndPrintsOneLinePerFootingThatDesignsAfter)
{
    TempFolder folder;
    writeText(folder.path("r.csv"), kTable);
    const Outcome o = calc(importArgs(folder));
    ASSERT_EQ(o.code, headless::kDesigned) << o.err;
    EXPECT_EQ(o.lines,
              (std::vector<std::string>{"A1\tA1\t101.937\t10\t3\tline 3, largest P of 2 rows",
                                        "B1\tB1\t50.968\t0\t0\tline 4, the only row"}));
    ASSERT_EQ(o.errLines.size(), 1u);
    EXPECT_NE(o.errLines[0].find("converted to t and t.m with g = 9.81"), std::string::npos)
        << o.err;

    project::Project building(app::designWindows());
    ASSERT_FALSE(building.open(folder.path("p.fdn")));
    ASSERT_EQ(building.size(), 2u);
    EXPECT_EQ(building.footings()[0].texts.at("Text1"), "101.937");

    const Outcome designed =
        calc({"--project", folder.path("p.fdn").string(), "--csv", folder.path("s.csv").string()});
    EXPECT_EQ(designed.lines.size(), 2u);
    EXPECT_EQ(readText(folder.path("s.csv")), project::scheduleCsv(project::designAll(building)));
    EXPECT_NE(readText(folder.path("s.csv")).find(",A1,\"line 3, largest P of 2 rows\"\r\n"),
              std::string::npos);
}

TEST(HeadlessImport, RulesAndCasesFromTheCommandLine)
{
    TempFolder folder;
    writeText(folder.path("r.csv"), kTable);
    const Outcome each = calc(importArgs(folder, {"--rows", "each", "--case", "2"}));
    ASSERT_EQ(each.code, headless::kDesigned) << each.err;
    EXPECT_EQ(each.lines, (std::vector<std::string>{"A1-1\tA1\t100\t5\t2\tline 2, row 1 of 2",
                                                    "A1-2\tA1\t101.937\t-10\t2\tline 3, row 2 of 2",
                                                    "B1-1\tB1\t50.968\t0\t0\tline 4, row 1 of 1"}));
    const Outcome tonnes =
        calc({"import", folder.path("r.csv").string(), "--map", "mark=Joint,P=F3", "--units", "t",
              "--rows", "max-M", "-o", folder.path("p.fdn").string()});
    ASSERT_EQ(tonnes.code, headless::kDesigned) << tonnes.err;
    EXPECT_EQ(tonnes.lines[0], "A1\tA1\t1000\t0\t0\tline 3, largest |M| of 2 rows");
}

TEST(HeadlessImport, BadRowsRefuseTheImportListingEachAndLeaveTheFileAsItWas)
{
    TempFolder folder;
    writeText(folder.path("r.csv"), kTable + "C1,ULS1,abc,1\nC2,ULS1,-5,1\nC3\n");
    writeText(folder.path("p.fdn"), "earlier");
    const Outcome o = calc(importArgs(folder));
    EXPECT_EQ(o.code, headless::kRefused);
    EXPECT_EQ(o.out, "");
    ASSERT_EQ(o.errLines.size(), 4u) << o.err;
    EXPECT_EQ(o.errLines[0], "line 5: the P cell \"abc\" (column \"F3\") is not a number");
    EXPECT_EQ(o.errLines[1].rfind("line 6: the P cell \"-5\" is negative", 0), 0u);
    EXPECT_EQ(o.errLines[2].rfind("line 7: the row has 1 cell, too few", 0), 0u);
    EXPECT_EQ(o.errLines[3], "foundations-calc: The reactions hold 3 bad rows (lines 5, 6, 7): "
                             "correct them, or skip them; nothing was imported.");
    EXPECT_EQ(readText(folder.path("p.fdn")), "earlier");

    const Outcome skipped = calc(importArgs(folder, {"--skip-bad-rows"}));
    EXPECT_EQ(skipped.code, headless::kDesigned) << skipped.err;
    EXPECT_EQ(skipped.lines.size(), 2u);
    ASSERT_EQ(skipped.errLines.size(), 4u);
    EXPECT_EQ(skipped.errLines[0], o.errLines[0]);
    EXPECT_NE(skipped.errLines[3].find("3 bad rows."), std::string::npos) << skipped.err;
}

TEST(HeadlessImport, DefaultsComeFromAnotherProjectWhoseFootingsStayFirst)
{
    TempFolder folder;
    writeText(folder.path("r.csv"), kTable);
    project::Project start = project_test::sampleProject();
    ASSERT_FALSE(start.setDefaults("isolated", {{"Text9", "2.5"}}));
    ASSERT_FALSE(start.rename(2, "b1"));
    ASSERT_FALSE(start.save(folder.path("start.fdn")));

    const Outcome clash =
        calc(importArgs(folder, {"--defaults", folder.path("start.fdn").string()}));
    EXPECT_EQ(clash.code, headless::kRefused);
    EXPECT_NE(clash.err.find("line 4: the mark \"B1\" is already used by footing 3 (\"b1\")"),
              std::string::npos)
        << clash.err;

    // Into the same file: the project grows by the imported footings.
    std::vector<std::string> args =
        importArgs(folder, {"--defaults", folder.path("start.fdn").string(), "--skip-bad-rows"});
    args[7] = folder.path("start.fdn").string();
    const Outcome o = calc(args);
    ASSERT_EQ(o.code, headless::kDesigned) << o.err;
    project::Project grown(app::designWindows());
    ASSERT_FALSE(grown.open(folder.path("start.fdn")));
    ASSERT_EQ(grown.size(), 4u);
    EXPECT_EQ(grown.title(), start.title());
    EXPECT_EQ(grown.defaults(), start.defaults());
    EXPECT_EQ(grown.footings()[2], start.footings()[2]);
    EXPECT_EQ(grown.footings()[3].texts.at("Text9"), "2.5");
}

TEST(HeadlessImport, FilesThatCannotBeReadAreRefused)
{
    TempFolder folder;
    writeText(folder.path("r.csv"), "Joint,P\nA1,1\n");
    const std::pair<std::vector<std::string>, const char *> cases[] = {
        {{"import", folder.path("none.csv").string()}, "Cannot open"},
        {{"import", folder.path("r.csv").string(), "--defaults", folder.path("none.fdn").string()},
         "Cannot open"},
        {{"import", folder.path("r.csv").string()}, "the column \"F3\" named for P"},
    };
    for (const auto &[args, says] : cases) {
        std::vector<std::string> all{"import",  args[1], "--map", "mark=Joint,P=F3",
                                     "--units", "t",     "-o",    folder.path("p.fdn").string()};
        all.insert(all.end(), args.begin() + 2, args.end());
        const Outcome o = calc(all);
        EXPECT_EQ(o.code, headless::kRefused) << says;
        EXPECT_NE(o.err.find(says), std::string::npos) << o.err;
        EXPECT_EQ(o.errLines.size(), 1u) << o.err;
        EXPECT_FALSE(std::filesystem::exists(folder.path("p.fdn")));
    }
    const Outcome noFolder =
        calc({"import", folder.path("r.csv").string(), "--map", "mark=Joint,P=P", "--units", "t",
              "-o", folder.path("no/such.fdn").string()});
    EXPECT_EQ(noFolder.code, headless::kRefused);
    EXPECT_EQ(noFolder.out, "");
}

TEST(HeadlessImport, UsageErrors)
{
    TempFolder folder;
    writeText(folder.path("r.csv"), "J,F3\nA,1\n");
    const std::vector<std::string> base{"import",  "r.csv", "--map", "mark=J,P=F3",
                                        "--units", "kN",    "-o",    "p.fdn"};
    const auto with = [&](std::vector<std::string> more) {
        std::vector<std::string> args = base;
        args.insert(args.end(), more.begin(), more.end());
        return args;
    };
    const std::pair<std::vector<std::string>, const char *> cases[] = {
        {{"import"}, "needs the file of reactions"},
        {{"import", "r.csv", "--units", "kN", "-o", "p.fdn"}, "needs --map"},
        {{"import", "r.csv", "--map", "mark=J,P=F3", "-o", "p.fdn"}, "needs --units"},
        {{"import", "r.csv", "--map", "mark=J,P=F3", "--units", "kN"}, "needs -o"},
        {with({"--units", "t"}), "--units is given twice"},
        {with({"--rows"}), "--rows needs a value"},
        {with({"--rows", "max"}), "--rows is max-P, max-M or each, not \"max\""},
        {with({"--case", "4"}), "--case needs a number from 0 to 3, not \"4\""},
        {with({"--case", "1.5"}), "from 0 to 3"},
        {with({"--trace"}), "unexpected argument \"--trace\""},
        {with({"s.csv"}), "one table of reactions, not also \"s.csv\""},
        {{"import", "r.csv", "--map", "P=F3", "--units", "kN", "-o", "p.fdn"},
         "--map: the column map must name"},
        {{"import", "r.csv", "--map", "mark=J,P=F3", "--units", "lb", "-o", "p.fdn"},
         "--units is kN or t, not \"lb\""},
        {{"import", folder.path("r.csv").string(), "--map", "mark=J,P=F3", "--units", "t", "-o",
          (folder.path() / "." / "r.csv").string()},
         "over the table of reactions"},
    };
    for (const auto &[args, says] : cases) {
        const Outcome o = calc(args);
        EXPECT_EQ(o.code, headless::kUsageError) << says;
        EXPECT_EQ(o.out, "");
        EXPECT_NE(o.err.find(says), std::string::npos) << o.err;
        EXPECT_NE(o.err.find("Usage: foundations-calc import REACTIONS.csv"), std::string::npos);
    }
    EXPECT_EQ(readText(folder.path("r.csv")), "J,F3\nA,1\n");
}

TEST(HeadlessImport, HelpDescribesTheImport)
{
    const Outcome o = calc({"--help"});
    for (const char *words :
         {"foundations-calc import REACTIONS.csv --map MAP --units kN|t", "--skip-bad-rows",
          "--rows RULE", "g = 9.81", "default 3, Non", "--defaults FILE.fdn"})
        EXPECT_NE(o.out.find(words), std::string::npos) << words;
    const Outcome own = calc({"import", "--help"});
    EXPECT_EQ(own.code, headless::kDesigned);
    EXPECT_EQ(own.out.rfind("Usage: foundations-calc import REACTIONS.csv", 0), 0u) << own.out;
    EXPECT_NE(own.out.find("--skip-bad-rows  import the good rows"), std::string::npos);
}

} // namespace
