#include "app/design_windows.h"
#include "app/headless.h"
#include "project/schedule.h"
#include "project_support.h"

#include <gtest/gtest.h>
#include <sstream>

namespace {

using project_test::readText;
using project_test::sampleProject;
using project_test::TempFolder;

struct Outcome {
    int code;
    std::string out;
    std::string err;
    std::vector<std::string> lines;
};

Outcome calc(std::vector<std::string> args)
{
    std::ostringstream out, err;
    const int code = headless::run(args, app::designWindows(), out, err);
    Outcome o{code, out.str(), err.str(), {}};
    std::istringstream text(o.out);
    for (std::string line; std::getline(text, line);)
        o.lines.push_back(line);
    return o;
}

TEST(HeadlessProject, PrintsOneLinePerFootingAndExitsZeroWhenAllAreDesigned)
{
    TempFolder folder;
    const auto file = folder.path("building.fdn");
    ASSERT_FALSE(sampleProject().save(file));
    const Outcome o = calc({"--project", file.string()});
    EXPECT_EQ(o.code, headless::kDesigned) << o.err;
    EXPECT_EQ(o.err, "");
    // Mark, result, worst utilisation, governing check; the windows record no checks of
    // their own yet, so they are judged by their check messages.
    ASSERT_EQ(o.lines.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        const project::ScheduleRow row = project::designFooting(sampleProject(), i);
        const std::string utilisation = project::utilisationText(row);
        EXPECT_EQ(o.lines[i], row.mark + "\t" + std::string(project::verdictText(row.verdict)) +
                                  "\t" + (utilisation.empty() ? "—" : utilisation) + "\t" +
                                  (row.governing.empty() ? "—" : row.governing));
    }
    EXPECT_EQ(o.lines[0].substr(0, 8), "F1\tpass\t");
}

TEST(HeadlessProject, ARefusedFootingIsListedWithItsReasonAndExitsOneAfterEveryLine)
{
    TempFolder folder;
    const auto file = folder.path("building.fdn");
    project::Project building = sampleProject();
    ASSERT_FALSE(building.setTexts(1, {{"Text4", "-5"}}));
    ASSERT_FALSE(building.save(file));
    const Outcome o = calc({"--project", file.string(), "--csv", folder.path("s.csv").string()});
    EXPECT_EQ(o.code, headless::kRefused);
    ASSERT_EQ(o.lines.size(), 3u);
    EXPECT_EQ(o.lines[1], "W1\trefused\t—\t\"Cover\" must be greater than 0.");
    EXPECT_EQ(o.lines[2].substr(0, 3), "F2\t");
    // The schedule is still written, the refused footing with its reason.
    EXPECT_EQ(readText(folder.path("s.csv")), project::scheduleCsv(project::designAll(building)));
}

TEST(HeadlessProject, ARefusedFilePrintsNothingAndExitsOne)
{
    TempFolder folder;
    const auto file = folder.path("building.fdn");
    project_test::writeText(file, sampleProject().toJson().substr(0, 300));
    const Outcome o = calc({"--project", file.string(), "--csv", folder.path("s.csv").string()});
    EXPECT_EQ(o.code, headless::kRefused);
    EXPECT_EQ(o.out, "");
    EXPECT_NE(o.err.find("cut short"), std::string::npos) << o.err;
    EXPECT_FALSE(std::filesystem::exists(folder.path("s.csv")));

    EXPECT_EQ(calc({"--project", folder.path("none.fdn").string()}).code, headless::kRefused);
}

TEST(HeadlessProject, ACsvFileThatCannotBeWrittenExitsOneAfterTheLines)
{
    TempFolder folder;
    const auto file = folder.path("building.fdn");
    ASSERT_FALSE(sampleProject().save(file));
    const Outcome o =
        calc({"--csv", folder.path("no/such/folder.csv").string(), "--project", file.string()});
    EXPECT_EQ(o.code, headless::kRefused);
    EXPECT_EQ(o.lines.size(), 3u);
    EXPECT_NE(o.err.find("No such file or directory"), std::string::npos) << o.err;
}

TEST(HeadlessProject, TheScheduleIsNeverWrittenOverTheProject)
{
    TempFolder folder;
    const auto file = folder.path("building.fdn");
    ASSERT_FALSE(sampleProject().save(file));
    const Outcome o = calc(
        {"--project", file.string(), "--csv", (folder.path() / "." / "building.fdn").string()});
    EXPECT_EQ(o.code, headless::kUsageError);
    EXPECT_EQ(readText(file), sampleProject().toJson());
}

TEST(HeadlessProject, UsageErrors)
{
    struct Case {
        std::vector<std::string> args;
        const char *says;
    };
    for (const Case &c : {Case{{"--project"}, "--project needs a file name"},
                          Case{{"--csv", "s.csv"}, "add --project FILE.fdn"},
                          Case{{"--project", "a.fdn", "--project", "b.fdn"}, "given twice"},
                          Case{{"--project", "a.fdn", "isolated"}, "unexpected argument"},
                          Case{{"isolated", "--project", "a.fdn"}, "unexpected argument"},
                          // Found by fuzzing: the argument is quoted on one line, escaped.
                          Case{{"isolated\x06"
                                "2",
                                "--project", "\x0f-trce"},
                               "unexpected argument \"isolated\\x062\";"}}) {
        const Outcome o = calc(c.args);
        EXPECT_EQ(o.code, headless::kUsageError) << c.says;
        EXPECT_EQ(o.out, "");
        EXPECT_NE(o.err.find(c.says), std::string::npos) << o.err;
        EXPECT_EQ(o.err.substr(0, o.err.find('\n')).find_first_of("\x06\x0f"), std::string::npos);
    }
}

TEST(HeadlessProject, AFileNameIsQuotedOnOneLine)
{
    const Outcome o = calc({"--project", "no\nsuch\x1b[2J.fdn"});
    EXPECT_EQ(o.code, headless::kRefused);
    EXPECT_EQ(o.err, "foundations-calc: Cannot open \"no\\nsuch\\x1B[2J.fdn\": No such file or "
                     "directory.\n");
}

TEST(HeadlessProject, HelpDescribesTheProjectCommand)
{
    const Outcome o = calc({"--help"});
    EXPECT_NE(o.out.find("foundations-calc --project FILE.fdn [--csv FILE.csv]"),
              std::string::npos);
    EXPECT_NE(o.out.find("--csv FILE"), std::string::npos);
}

TEST(HeadlessProject, TheSampleBuildingDesignsEveryFooting)
{
    const Outcome o = calc({"--project", FOUNDATIONS_EXAMPLES "/building.fdn"});
    EXPECT_EQ(o.code, headless::kDesigned) << o.err;
    ASSERT_EQ(o.lines.size(), 8u);
    for (const std::string &line : o.lines)
        EXPECT_NE(line.find("\tpass\t"), std::string::npos) << line;
    // The sample is written as the program writes projects.
    project::Project building(app::designWindows());
    ASSERT_FALSE(building.open(FOUNDATIONS_EXAMPLES "/building.fdn"));
    EXPECT_EQ(building.toJson(), readText(FOUNDATIONS_EXAMPLES "/building.fdn"));
}

} // namespace
