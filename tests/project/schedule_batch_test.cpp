// Designing a project in parts, on worker threads, with progress and a cancel.
#include "app/design_windows.h"
#include "project/schedule.h"
#include "project_support.h"

#include <gtest/gtest.h>
#include <thread>

namespace {

using project::ScheduleRow;

// Rows as the CSV writes them, so a difference shows as text.
std::vector<std::string> texts(const std::vector<ScheduleRow> &rows)
{
    std::vector<std::string> lines;
    for (const ScheduleRow &row : rows)
        lines.push_back(project::scheduleCsv(std::vector{row}));
    return lines;
}

project::Project randomBuilding(unsigned seed, std::size_t atLeast)
{
    std::mt19937 random(seed);
    project::Project building(app::designWindows());
    while (building.size() < atLeast) {
        const project::Project part = project_test::randomProject(app::designWindows(), random);
        for (const project::Footing &footing : part.footings()) {
            project::Footing copy = footing;
            copy.mark = "F" + std::to_string(building.size() + 1);
            project_test::expectAccepted(building.insert(building.size(), copy));
        }
    }
    return building;
}

TEST(ScheduleBatch, PartsAndThreadsGiveTheRowsOfDesignAll)
{
    const project::Project building = randomBuilding(11, 200);
    const std::vector<std::string> all = texts(project::designAll(building));
    ASSERT_EQ(all.size(), building.size());

    // Any split into ranges, in order, gives the same rows.
    for (std::size_t cut : {std::size_t{0}, std::size_t{1}, std::size_t{97}, building.size()}) {
        std::vector<ScheduleRow> joined = project::designRange(building, 0, cut);
        for (ScheduleRow &row : project::designRange(building, cut, building.size() + 5))
            joined.push_back(std::move(row));
        EXPECT_EQ(texts(joined), all) << "cut at " << cut;
    }
    EXPECT_TRUE(project::designRange(building, 50, 10).empty());

    // Four threads at once, each designing the whole project, give the same rows: the design
    // shares nothing mutable between runs.
    std::vector<std::vector<std::string>> byThread(4);
    std::vector<std::thread> threads;
    for (auto &rows : byThread)
        threads.emplace_back([&] { rows = texts(project::designAll(building)); });
    for (std::thread &thread : threads)
        thread.join();
    for (const auto &rows : byThread)
        EXPECT_EQ(rows, all);
}

TEST(ScheduleBatch, ProgressIsReportedByChunksAndACancelStopsTheDesign)
{
    const project::Project building = randomBuilding(5, 100);
    const std::size_t total = building.size();
    std::vector<std::size_t> reported;
    project::DesignProgress progress;
    progress.chunk = 30;
    progress.report = [&](std::size_t done, std::size_t of) {
        EXPECT_EQ(of, total);
        reported.push_back(done);
    };
    const std::vector<ScheduleRow> rows = project::designAll(building, progress);
    EXPECT_EQ(texts(rows), texts(project::designAll(building)));
    std::vector<std::size_t> expected;
    for (std::size_t done = 30; done < total; done += 30)
        expected.push_back(done);
    expected.push_back(total);
    EXPECT_EQ(reported, expected);

    // The caller cancels from the progress callback, as a Cancel button on another thread
    // would: the design stops before the next footing.
    std::atomic<bool> cancel{false};
    progress.cancel = &cancel;
    progress.report = [&](std::size_t done, std::size_t) {
        if (done >= 60)
            cancel = true;
    };
    const std::vector<ScheduleRow> part = project::designAll(building, progress);
    EXPECT_EQ(part.size(), 60u);
    EXPECT_EQ(texts(part), texts(project::designRange(building, 0, 60)));

    cancel = true;
    EXPECT_TRUE(project::designAll(building, progress).empty());
}

} // namespace
