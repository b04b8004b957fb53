// The project's own default texts per window, the sources of imported footings, and the
// versions of the file they are written in.
#include "app/design_windows.h"
#include "project/schedule.h"
#include "project_support.h"

#include <gtest/gtest.h>

namespace {

using project::Project;
using project_test::expectAccepted;
using project_test::sampleProject;

Project withDefaultsAndSources()
{
    Project building = sampleProject();
    expectAccepted(building.setDefaults("isolated", {{"Text4", "7.5"}, {"Combo2", "18"}}));
    expectAccepted(building.setDefaults("strip", {{"Option1", "0"}, {"Text9", " 2"}}));
    project::Footing imported{"C1", "isolated", 3, building.defaultTexts("isolated", 3),
                              project::ReactionSource{"C \"1\", east", 7, "largest P of 3 rows"}};
    expectAccepted(building.insert(building.size(), imported));
    return building;
}

TEST(ProjectDefaults, NewFootingsStartFromTheProjectsDefaults)
{
    Project building(app::designWindows());
    expectAccepted(building.setDefaults("isolated", {{"Text4", "7.5"}}));
    expectAccepted(building.add("isolated", 1));
    expectAccepted(building.add("strip"));
    const core::DesignWindowInfo &isolated = building.windowOf(building.footings()[0]);
    core::FieldTexts expected = core::defaultRequest(isolated, 1).texts;
    expected["Text4"] = "7.5";
    EXPECT_EQ(building.footings()[0].texts, expected);
    EXPECT_EQ(building.footings()[1].texts,
              core::defaultRequest(building.windowOf(building.footings()[1])).texts);
    // Clearing them brings back the window's own.
    expectAccepted(building.setDefaults("isolated", {}));
    EXPECT_TRUE(building.defaults().empty());
    EXPECT_EQ(building.defaultTexts("isolated", 1), core::defaultRequest(isolated, 1).texts);
    EXPECT_TRUE(building.defaultTexts("spread").empty());
}

TEST(ProjectDefaults, DefaultsAreCheckedAsFootingTextsAreAndRefusedWhole)
{
    const std::tuple<std::string, core::FieldTexts, std::string, std::string> cases[] = {
        {"spread", {{"Text1", "1"}}, "window \"spread\", which is not one of", ""},
        {"isolated", {{"Text4", "7.5"}, {"Text7", "25O"}}, "field \"Text7\" (fcu", "Text7"},
        {"isolated", {{"Text99", "1"}}, "no field \"Text99\"", "Text99"},
        {"strip", {{"Option1", "yes"}}, "is an option", "Option1"},
    };
    for (const auto &[window, texts, says, field] : cases) {
        Project building = withDefaultsAndSources();
        const Project before = building;
        const auto problem = building.setDefaults(window, texts);
        ASSERT_TRUE(problem) << says;
        EXPECT_NE(problem->message.find(says), std::string::npos) << problem->message;
        EXPECT_EQ(problem->field, field);
        EXPECT_EQ(building, before);
    }
}

TEST(ProjectDefaults, DefaultsAndSourcesGoThroughTheFileAsTheyAre)
{
    const Project saved = withDefaultsAndSources();
    const std::string json = saved.toJson();
    EXPECT_EQ(saved.formatVersion(), 2);
    EXPECT_NE(json.find("\"version\": 2"), std::string::npos);
    EXPECT_NE(json.find("\"defaults\": {\n    \"isolated\": {\n      \"Text4\": \"7.5\",\n      "
                        "\"Combo2\": \"18\"\n    },\n    \"strip\": {\n      \"Text9\": \" 2\",\n "
                        "     \"wall\": \"concrete\"\n    }\n  },"),
              std::string::npos)
        << json;
    EXPECT_NE(json.find("\"source\": {\n        \"support\": \"C \\\"1\\\", east\",\n        "
                        "\"line\": 7,\n        \"row\": \"largest P of 3 rows\"\n      }"),
              std::string::npos)
        << json;
    Project opened(app::designWindows());
    expectAccepted(opened.readJson(json));
    EXPECT_EQ(opened, saved);
    EXPECT_EQ(opened.toJson(), json);

    // The schedule lists the source last.
    const project::ScheduleRow row = project::designFooting(opened, 3);
    EXPECT_EQ(row.support, "C \"1\", east");
    EXPECT_EQ(row.governingRow, "line 7, largest P of 3 rows");
    const std::string csv = project::scheduleCsv(std::vector{row});
    EXPECT_NE(csv.find(",Reason,Support,Governing row\r\n"), std::string::npos) << csv;
    EXPECT_NE(csv.find(",\"C \"\"1\"\", east\",\"line 7, largest P of 3 rows\"\r\n"),
              std::string::npos)
        << csv;
}

// A project that uses nothing of version 2 is written as version 1, so the programs that read
// only version 1 still open it; and every version-1 file still opens.
TEST(ProjectDefaults, VersionOneFilesAreWrittenWhenNothingNewIsUsedAndStillRead)
{
    const Project plain = sampleProject();
    EXPECT_EQ(plain.formatVersion(), 1);
    EXPECT_NE(plain.toJson().find("\"version\": 1,"), std::string::npos);
    Project opened(app::designWindows());
    expectAccepted(opened.open(FOUNDATIONS_EXAMPLES "/building.fdn"));
    EXPECT_EQ(opened.formatVersion(), 1);
    EXPECT_EQ(opened.toJson(), project_test::readText(FOUNDATIONS_EXAMPLES "/building.fdn"));

    // A version-2 file with nothing new in it reads the same as the version-1 file.
    std::string two = plain.toJson();
    two.replace(two.find("\"version\": 1"), 12, "\"version\": 2");
    Project read(app::designWindows());
    expectAccepted(read.readJson(two));
    EXPECT_EQ(read, plain);
}

TEST(ProjectDefaults, RefusedEntriesOfVersionTwo)
{
    const std::string v2 = withDefaultsAndSources().toJson();
    // Each edit of the version-2 file, and what the refusal must say.
    const std::tuple<std::string, std::string, std::string> cases[] = {
        // Entries that version 1 does not have.
        {"\"version\": 2", "\"version\": 1", "unknown entry \"defaults\""},
        {"\"version\": 2", "\"version\": 3", "reads format 2"},
        {"\"Text4\": \"7.5\"", "\"Text4\": 7.5", "must be in double quotes"},
        {"\"Text4\": \"7.5\"", "\"Text4\": \"7,5\"", "field \"Text4\" (Cover)"},
        {"\"wall\": \"concrete\"", "\"wall\": \"stone\"", "\"brick\" or \"concrete\""},
        {"\"strip\": {", "\"spread\": {", "window \"spread\""},
        {"\"line\": 7", "\"line\": 0", "lines count from 1"},
        {"\"line\": 7", "\"line\": -7", "\"source\" must be an object"},
        {"\"line\": 7", "\"line\": 7, \"sheet\": 2", "its source holds an unknown entry \"sheet\""},
        {"\"support\": \"C \\\"1\\\", east\"", "\"support\": \"a\\nb\"", "not one line"},
    };
    for (const auto &[from, to, says] : cases) {
        std::string text = v2;
        const auto at = text.find(from);
        ASSERT_NE(at, std::string::npos) << from;
        text.replace(at, from.size(), to);
        Project building = sampleProject();
        const Project before = building;
        const auto problem = building.readJson(text);
        ASSERT_TRUE(problem) << to;
        EXPECT_NE(problem->message.find(says), std::string::npos) << problem->message;
        EXPECT_EQ(problem->message.find('\n'), std::string::npos);
        EXPECT_EQ(building, before);
    }
}

// Marks are checked against the others at once; the index stays true through every edit.
TEST(ProjectDefaults, MarksStayUniqueThroughAppendsRenamesAndRemovals)
{
    Project building(app::designWindows());
    std::vector<project::Footing> batch;
    for (int i = 1; i <= 3; ++i)
        batch.push_back({"P" + std::to_string(i), "isolated", 0, building.defaultTexts("isolated"),
                         std::nullopt});
    expectAccepted(building.append(batch));
    EXPECT_EQ(building.findMark("p2"), 1u);
    // A batch with a mark used twice, or one already in the project, adds none.
    batch = {batch[0]};
    batch[0].mark = "Q1";
    batch.push_back(batch[0]);
    batch[1].mark = "q1";
    const auto twice = building.append(batch);
    ASSERT_TRUE(twice);
    EXPECT_NE(twice->message.find("already used by footing 4 (\"Q1\")"), std::string::npos)
        << twice->message;
    EXPECT_EQ(building.size(), 3u);
    EXPECT_FALSE(building.findMark("Q1"));

    expectAccepted(building.rename(0, "R1"));
    EXPECT_FALSE(building.findMark("P1"));
    expectAccepted(building.add("isolated"));
    expectAccepted(building.rename(3, "p1"));
    expectAccepted(building.remove(1));
    EXPECT_FALSE(building.findMark("P2"));
    expectAccepted(building.add("isolated"));
    expectAccepted(building.rename(3, "P2"));
    EXPECT_TRUE(building.rename(3, "r1"));
    EXPECT_EQ(building.findMark("R1"), 0u);
}

} // namespace
