#include "app/design_windows.h"
#include "project_support.h"

#include <gtest/gtest.h>
#include <set>

namespace {

using project::Project;
using project_test::sampleProject;

std::string lower(std::string text)
{
    for (char &c : text)
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return text;
}

// Whatever the user does in the schedule, an edit applies whole or not at all, the marks stay
// unique, and what is left can be saved and read back as it is.
TEST(ProjectEdits, AnySequenceOfEditsKeepsAProjectThatReadsBackAsItIs)
{
    std::mt19937 random(7);
    const auto windows = app::designWindows();
    const std::vector<std::string> marks{"F1", "f2", "W1", "", " F3", "A\tB", "Ф1", "F9"};
    const std::vector<std::string> texts{"90", "", "2.5e1", "abc", "1,5", "1e999", "0", "1"};
    Project building(windows);
    int applied = 0;
    for (int step = 0; step < 400; ++step) {
        const Project before = building;
        const auto pick = [&](std::size_t n) {
            return std::uniform_int_distribution<std::size_t>(0, n - 1)(random);
        };
        const std::size_t index = pick(building.size() + 2); // now and then out of range
        std::optional<project::Problem> problem;
        // Kept to a schedule of about a dozen footings.
        switch (building.size() > 12 ? 2 : pick(7)) {
        case 0:
            problem = building.add(pick(5) == 4 ? "spread" : windows[pick(4)]->command,
                                   static_cast<int>(pick(5)));
            break;
        case 1:
            problem = building.duplicate(index);
            break;
        case 2:
            problem = building.remove(index);
            break;
        case 3:
            problem = building.rename(index, marks[pick(marks.size())]);
            break;
        case 4:
            problem = building.setCase(index, static_cast<int>(pick(5)) - 1);
            break;
        case 5: {
            core::FieldTexts edit{{pick(6) == 0 ? "Text99" : "Text" + std::to_string(1 + pick(9)),
                                   texts[pick(texts.size())]}};
            if (pick(3) == 0)
                edit["Option1"] = pick(2) ? "1" : "0";
            problem = building.setTexts(index, edit);
            break;
        }
        case 6:
            problem = building.move(index, pick(building.size() + 1));
            break;
        }
        if (problem) {
            ASSERT_EQ(building, before) << "step " << step << ": " << problem->message;
            EXPECT_FALSE(problem->message.empty());
        } else {
            ++applied;
        }
        std::set<std::string> unique;
        for (const project::Footing &footing : building.footings())
            ASSERT_TRUE(unique.insert(lower(footing.mark)).second) << footing.mark;
        Project reread(windows);
        const auto readProblem = reread.readJson(building.toJson());
        ASSERT_FALSE(readProblem) << "step " << step << ": " << readProblem->message;
        ASSERT_EQ(reread, building) << "step " << step;
    }
    EXPECT_GT(applied, 100);
}

TEST(ProjectEdits, NextMarkFollowsTheHighestFNumber)
{
    struct Row {
        std::vector<std::string> marks;
        std::string next;
    };
    for (const Row &row :
         {Row{{}, "F1"}, Row{{"F1", "F2"}, "F3"}, Row{{"F7", "F1", "W12"}, "F8"}, Row{{"f4"}, "F5"},
          Row{{"F-1", "Fx", "F"}, "F1"}, Row{{"F007"}, "F8"}, Row{{"F1234567890"}, "F1"}}) {
        Project building(app::designWindows());
        for (const std::string &mark : row.marks) {
            ASSERT_FALSE(building.add("isolated"));
            ASSERT_FALSE(building.rename(building.size() - 1, mark));
        }
        EXPECT_EQ(building.nextMark(), row.next) << ::testing::PrintToString(row.marks);
    }
}

TEST(ProjectEdits, DuplicatePutsTheCopyAfterItUnderTheNextMark)
{
    Project building = sampleProject(); // F1, W1, F2
    ASSERT_FALSE(building.setTexts(1, {{"Text1", "37.5"}}));
    ASSERT_FALSE(building.duplicate(1));
    ASSERT_EQ(building.size(), 4u);
    const project::Footing &copy = building.footings()[2];
    EXPECT_EQ(copy.mark, "F3");
    EXPECT_EQ(copy.window, "strip");
    EXPECT_EQ(copy.footingCase, 1);
    EXPECT_EQ(copy.texts, building.footings()[1].texts);
    EXPECT_EQ(building.footings()[3].mark, "F2");
}

TEST(ProjectEdits, MoveTakesAFootingToItsNewPlace)
{
    Project building = sampleProject();
    ASSERT_FALSE(building.move(0, 2));
    EXPECT_EQ(building.footings()[0].mark, "W1");
    EXPECT_EQ(building.footings()[2].mark, "F1");
    ASSERT_FALSE(building.move(2, 0));
    EXPECT_EQ(building, sampleProject());
}

TEST(ProjectEdits, RefusedEditsSayWhy)
{
    struct Row {
        std::optional<project::Problem> (*edit)(Project &);
        std::string says;
    };
    const Row rows[] = {
        {[](Project &p) { return p.rename(0, "w1"); }, "already used by footing 2 (\"W1\")"},
        {[](Project &p) { return p.rename(0, "  "); }, "needs a mark"},
        {[](Project &p) { return p.rename(0, " F1"); }, "starts or ends with a blank"},
        {[](Project &p) { return p.rename(0, "F\n1"); }, "control character"},
        {[](Project &p) { return p.rename(0, "F\xff"); }, "not valid UTF-8"},
        {[](Project &p) { return p.rename(9, "F9"); }, "There is no footing 10"},
        {[](Project &p) { return p.setCase(0, 4); }, "from 0 to 3, not 4"},
        {[](Project &p) { return p.setCase(2, 1); }, "the combined window has no cases"},
        {[](Project &p) {
             return p.setTexts(0, {{"Text1", "9O"}});
         },
         "\"9O\" is not one"},
        {[](Project &p) {
             return p.setTexts(1, {{"Option1", "yes"}});
         },
         "is an option"},
        {[](Project &p) {
             return p.setTexts(2, {{"Text14", "4"}});
         },
         "no field \"Text14\""},
        {[](Project &p) { return p.add("spread"); }, "\"spread\" is not one of"},
        {[](Project &p) {
             return p.setTitle({"\xc3", "", "", ""});
         },
         "not valid UTF-8"},
    };
    for (const Row &row : rows) {
        Project building = sampleProject();
        const auto problem = row.edit(building);
        ASSERT_TRUE(problem) << row.says;
        EXPECT_NE(problem->message.find(row.says), std::string::npos) << problem->message;
        EXPECT_EQ(building, sampleProject()) << row.says;
    }
}

} // namespace
