#include "app/design_windows.h"
#include "project_support.h"

#include <csignal>
#include <gtest/gtest.h>
#include <set>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using project::Project;
using project_test::fingerprint;
using project_test::readText;
using project_test::sampleProject;
using project_test::TempFolder;
using project_test::writeText;

TEST(ProjectFile, EveryWindowAndCaseSavedAndOpenedGivesTheSameTextsAndTheSameRun)
{
    std::mt19937 random(20250314);
    std::set<std::string> covered; // window, case and wall type
    TempFolder folder;
    for (int round = 0; round < 40; ++round) {
        const Project saved = project_test::randomProject(app::designWindows(), random);
        const auto file = folder.path("round.fdn");
        ASSERT_FALSE(saved.save(file));
        Project opened(app::designWindows());
        const auto problem = opened.open(file);
        ASSERT_FALSE(problem) << problem->message;
        ASSERT_EQ(opened, saved);
        EXPECT_EQ(opened.toJson(), readText(file));
        for (std::size_t i = 0; i < saved.size(); ++i) {
            const core::DesignWindowInfo &window = saved.windowOf(saved.footings()[i]);
            EXPECT_EQ(fingerprint(window.design(opened.request(i))),
                      fingerprint(window.design(saved.request(i))))
                << saved.footings()[i].mark;
            const auto &texts = saved.footings()[i].texts;
            const auto wall = texts.find(window.wallOption);
            covered.insert(std::string(window.command) + " " +
                           std::to_string(saved.footings()[i].footingCase) +
                           (wall == texts.end() ? "" : " wall " + wall->second));
        }
    }
    // Four isolated cases, four strip cases under either wall, combined and strap.
    EXPECT_EQ(covered.size(), 4u + 8u + 1u + 1u);
}

// A valid file, edited into one that must be refused: the first `from` becomes `to`, or with
// no `from` the whole file is `to`.
struct Refusal {
    const char *name;
    std::string from, to;
    std::vector<std::string> says;
    std::optional<std::size_t> footing = std::nullopt;
    std::string field = {};
};

void PrintTo(const Refusal &refusal, std::ostream *out)
{
    *out << refusal.name;
}

// Opens `text` into a project that holds the sample, and expects it refused with the sample
// still open.
project::Problem refused(const std::string &text)
{
    TempFolder folder;
    writeText(folder.path("bad.fdn"), text);
    Project open = sampleProject();
    const auto problem = open.open(folder.path("bad.fdn"));
    EXPECT_EQ(open, sampleProject());
    EXPECT_TRUE(problem);
    return problem.value_or(project::Problem{"opened", {}, {}});
}

class RefusedFile : public ::testing::TestWithParam<Refusal>
{
};

TEST_P(RefusedFile, SaysWhereAndChangesNothingOpen)
{
    const Refusal &p = GetParam();
    std::string text = sampleProject().toJson();
    if (p.from.empty())
        text = p.to;
    else if (const auto at = text.find(p.from); at != std::string::npos)
        text.replace(at, p.from.size(), p.to);
    else
        FAIL() << "no " << p.from << " in the sample";
    const project::Problem problem = refused(text);
    for (const std::string &words : p.says)
        EXPECT_NE(problem.message.find(words), std::string::npos)
            << problem.message << "\nshould say: " << words;
    EXPECT_TRUE(project::isUtf8(problem.message));
    EXPECT_EQ(problem.footing, p.footing);
    EXPECT_EQ(problem.field, p.field);
}

INSTANTIATE_TEST_SUITE_P(
    Project, RefusedFile,
    ::testing::Values(
        Refusal{"Empty", "", "", {"cut short"}},
        Refusal{"NotJson", "", "Workshop: F1 isolated\n", {"not valid JSON", "line 1"}},
        Refusal{"NotText", "", "\x89PNG\r\n\x1a\n\xff\xfe\x80", {"not valid JSON"}},
        Refusal{"OtherJson", "", "{\"footings\": []}", {"not a foundations project"}},
        Refusal{"LaterVersion",
                "\"version\": 1",
                "\"version\": 3",
                {"later version", "format 3", "reads format 2"}},
        Refusal{"NoVersion", "\"version\": 1,", "", {"no version"}},
        Refusal{"UnknownWindow",
                "\"isolated\"",
                "\"spread\"",
                {"Footing 1 (\"F1\")", "\"spread\"", "isolated, strip, combined or strap"},
                0},
        Refusal{"UnknownField",
                "\"Text7\"",
                "\"Text77\"",
                {"Footing 1 (\"F1\")", "no field \"Text77\""},
                0,
                "Text77"},
        Refusal{"MissingField",
                "\"Text9\": \"1.25\",",
                "",
                {"Footing 1 (\"F1\")", "field \"Text9\" (qall", "missing"},
                0,
                "Text9"},
        Refusal{"LetterInNumber",
                "\"250\"",
                "\"25O\"",
                {"Footing 1 (\"F1\")", "field \"Text7\" (fcu", "\"25O\" is not"},
                0,
                "Text7"},
        Refusal{"NumberNotInQuotes",
                "\"250\"",
                "250",
                {"Footing 1 (\"F1\")", "\"Text7\"", "double quotes"},
                0,
                "Text7"},
        Refusal{"DuplicateMark",
                "\"W1\"",
                "\"f1\"",
                {"Footing 2 (\"f1\")", "already used by footing 1 (\"F1\")"},
                1},
        Refusal{"CaseOutOfRange",
                "\"case\": 2",
                "\"case\": 4",
                {"Footing 1 (\"F1\")", "from 0 to 3"},
                0},
        Refusal{"CaseOfAWindowWithout",
                "\"combined\",",
                "\"combined\", \"case\": 0,",
                {"Footing 3 (\"F2\")", "no cases"},
                2},
        Refusal{"UnknownWall",
                "\"brick\"",
                "\"stone\"",
                {"Footing 2 (\"W1\")", "\"brick\" or \"concrete\""},
                1,
                "Option1"},
        Refusal{"KeyTwice",
                "\"Text7\": \"250\"",
                "\"Text7\": \"250\", \"Text7\": \"3\"",
                {"Footing 1 holds the entry \"Text7\" twice"}},
        Refusal{"UnknownEntry",
                "\"version\"",
                "\"colour\": 1, \"version\"",
                {"unknown entry \"colour\""}}),
    [](const auto &info) { return std::string(info.param.name); });

// However a file is cut short, it is refused, and never read as a smaller project.
TEST(ProjectFile, EveryCutShortFileIsRefused)
{
    const std::string text = sampleProject().toJson();
    for (std::size_t size = 0; size < text.rfind('}'); size += 7) {
        const project::Problem problem = refused(text.substr(0, size));
        EXPECT_NE(problem.message.find("cut short"), std::string::npos) << problem.message;
        if (HasFailure())
            return;
    }
}

TEST(ProjectFile, AFileTooLargeToBeAProjectIsNotRead)
{
    const project::Problem problem = refused(std::string(project::kFileSizeLimit + 1, ' '));
    EXPECT_NE(problem.message.find("too large"), std::string::npos) << problem.message;
}

// Files in the folder other than `keep`.
std::vector<std::string> othersIn(const std::filesystem::path &folder, const std::string &keep)
{
    std::vector<std::string> names;
    for (const auto &entry : std::filesystem::directory_iterator(folder)) {
        if (entry.path().filename() != keep)
            names.push_back(entry.path().filename().string());
    }
    return names;
}

TEST(ProjectFile, AWriterKilledBeforeTheRenameLeavesTheOldProjectWhole)
{
    TempFolder folder;
    const auto file = folder.path("building.fdn");
    const Project old = sampleProject();
    ASSERT_FALSE(old.save(file));
    Project changed = old;
    ASSERT_FALSE(changed.add("strap"));

    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        project::WriteHooks hooks;
        hooks.beforeRename = [](const std::filesystem::path &) {
            ::raise(SIGKILL);
            return true;
        };
        changed.save(file, hooks);
        ::_exit(0); // not reached: the writer dies before the rename
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(WTERMSIG(status), SIGKILL);

    Project opened(app::designWindows());
    ASSERT_FALSE(opened.open(file));
    EXPECT_EQ(opened, old);
    // The new project was complete in its temporary file when the writer died.
    const auto leftovers = othersIn(folder.path(), "building.fdn");
    ASSERT_EQ(leftovers.size(), 1u);
    EXPECT_EQ(readText(folder.path(leftovers[0])), changed.toJson());
}

TEST(ProjectFile, AFullDiskLeavesTheOldProjectAndNoTemporaryFile)
{
    TempFolder folder;
    const auto file = folder.path("building.fdn");
    const Project old = sampleProject();
    ASSERT_FALSE(old.save(file));
    Project changed = old;
    ASSERT_FALSE(changed.remove(0));
    project::WriteHooks hooks;
    hooks.diskFullAfter = 100;
    const auto problem = changed.save(file, hooks);
    ASSERT_TRUE(problem);
    EXPECT_NE(problem->message.find("No space left on device"), std::string::npos)
        << problem->message;
    EXPECT_EQ(readText(file), old.toJson());
    EXPECT_TRUE(othersIn(folder.path(), "building.fdn").empty());
}

TEST(ProjectFile, SavingKeepsPermissionsAndWritesThroughALink)
{
    TempFolder folder;
    const auto real = folder.path("real.fdn");
    const auto link = folder.path("link.fdn");
    ASSERT_FALSE(sampleProject().save(real));
    ASSERT_EQ(::chmod(real.c_str(), 0640), 0);
    std::filesystem::create_symlink(real, link);

    Project changed = sampleProject();
    ASSERT_FALSE(changed.rename(0, "C7"));
    ASSERT_FALSE(changed.save(link));
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(readText(real), changed.toJson());
    struct stat info {
    };
    ASSERT_EQ(::stat(real.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}

TEST(ProjectFile, AFolderThatDoesNotExistIsReported)
{
    TempFolder folder;
    const auto problem = sampleProject().save(folder.path("missing") / "building.fdn");
    ASSERT_TRUE(problem);
    EXPECT_NE(problem->message.find("No such file or directory"), std::string::npos);
}

} // namespace
