// foundations-bench-import [RUNS]: generated tables of support reactions of 1 000, 10 000 and
// 100 000 supports (three load combinations each, in kN), imported into a project, designed
// and written as the schedule CSV. For each size: the median time of each stage over RUNS runs
// (default 5), on the clock and on the processor, the designs per second, the peak memory and
// the processor time per footing against the smallest size, which stays near 1 while the cost
// grows in proportion to the size. Each size runs in a child process of its own (this program
// again, with --size N), so its peak memory is its own.
#include "app/design_windows.h"
#include "project/reactions.h"
#include "project/schedule.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <functional>
#include <random>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr std::size_t kSizes[] = {1000, 10000, 100000};
constexpr int kCombinations = 3;

// The median of `runs` timings of `work`, in milliseconds: the time on the clock, and the
// time this thread spent on the processor (which other work on the machine leaves alone).
struct Timing {
    double wall = 0, cpu = 0;
};

double threadCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

double median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    const std::size_t middle = times.size() / 2;
    return times.size() % 2 ? times[middle] : (times[middle - 1] + times[middle]) / 2;
}

// `before` runs ahead of each timing, untimed (freeing what the last run made).
Timing medianMs(int runs, const std::function<void()> &work, const std::function<void()> &before)
{
    std::vector<double> wall, cpu;
    for (int i = 0; i < runs; ++i) {
        before();
        const auto start = Clock::now();
        const double startCpu = threadCpuMs();
        work();
        cpu.push_back(threadCpuMs() - startCpu);
        wall.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    return {median(wall), median(cpu)};
}

std::string fixed(double value, int decimals)
{
    char text[32];
    const auto [end, error] =
        std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
    return error == std::errc() ? std::string(text, end) : std::string("-");
}

// A building's reactions as an analysis program writes them: per support three combinations
// with loads of 300 to 3000 kN and moments up to 150 kN.m (one support in seven has none).
std::string reactions(std::size_t supports)
{
    std::mt19937 random(20250601);
    std::uniform_real_distribution<double> load(300, 3000), moment(-150, 150);
    std::string text = "Joint,OutputCase,F3,M2,Depth,Width\r\n";
    for (std::size_t s = 0; s < supports; ++s) {
        const std::string label = "S" + std::to_string(s + 1);
        for (int k = 0; k < kCombinations; ++k) {
            const double m = s % 7 == 0 ? 0.0 : moment(random);
            text += label + ",ULS" + std::to_string(k + 1) + "," + fixed(load(random), 1) + "," +
                    fixed(m, 1) + "," + (s % 2 ? "40" : "50") + ",40\r\n";
        }
    }
    return text;
}

project::ImportOptions importOptions()
{
    project::ImportOptions options;
    options.columns = {"Joint", "F3", "M2", "Depth", "Width"};
    options.units = project::LoadUnits::Kilonewtons;
    return options;
}

struct Figures {
    Timing import, design, csv;
};

// One size, in this process: the median of each stage. Prints the wall and processor times
// of the import, the design and the CSV in ms.
int runSize(std::size_t supports, int runs)
{
    const std::string table = reactions(supports);
    const project::ImportOptions options = importOptions();
    project::Project building(app::designWindows());
    Figures figures;
    figures.import = medianMs(
        runs,
        [&] {
            if (project::importReactions(table, options, building))
                std::fprintf(stderr, "foundations-bench-import: the import was refused\n");
        },
        [&] { building = project::Project(app::designWindows()); });
    if (building.size() != supports)
        return 1;
    std::vector<project::ScheduleRow> rows;
    figures.design = medianMs(
        runs, [&] { rows = project::designAll(building); }, [&] { rows = {}; });
    std::string csv;
    figures.csv = medianMs(
        runs, [&] { csv = project::scheduleCsv(rows); }, [&] { csv = {}; });
    const std::size_t bytes = csv.size();
    std::printf("%.3f %.3f %.3f %.3f %.3f %.3f\n", figures.import.wall, figures.import.cpu,
                figures.design.wall, figures.design.cpu, figures.csv.wall, figures.csv.cpu);
    return bytes > 0 ? 0 : 1;
}

// Runs one size in a child process; its figures, and its peak resident memory in kB.
bool measureInChild(const char *self, std::size_t supports, int runs, Figures &figures,
                    long &peakKb)
{
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return false;
    const pid_t child = fork();
    if (child < 0)
        return false;
    if (child == 0) {
        dup2(pipeEnds[1], STDOUT_FILENO);
        close(pipeEnds[0]);
        close(pipeEnds[1]);
        const std::string size = std::to_string(supports), count = std::to_string(runs);
        execl(self, self, "--size", size.c_str(), count.c_str(), static_cast<char *>(nullptr));
        _exit(127);
    }
    close(pipeEnds[1]);
    std::string output;
    char buffer[256];
    for (ssize_t got; (got = read(pipeEnds[0], buffer, sizeof buffer)) > 0;)
        output.append(buffer, static_cast<std::size_t>(got));
    close(pipeEnds[0]);
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return false;
    peakKb = usage.ru_maxrss;
    return std::sscanf(output.c_str(), "%lf %lf %lf %lf %lf %lf", &figures.import.wall,
                       &figures.import.cpu, &figures.design.wall, &figures.design.cpu,
                       &figures.csv.wall, &figures.csv.cpu) == 6;
}

int readRuns(const char *text)
{
    int runs = 5;
    const std::string_view view = text;
    std::from_chars(view.data(), view.data() + view.size(), runs);
    return std::clamp(runs, 1, 1000);
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc == 4 && std::string_view(argv[1]) == "--size") {
        std::size_t supports = 0;
        const std::string_view size = argv[2];
        std::from_chars(size.data(), size.data() + size.size(), supports);
        return runSize(supports, readRuns(argv[3]));
    }
    const int runs = argc > 1 ? readRuns(argv[1]) : 5;
    std::printf("Median over %d runs of importing %d combinations per support (kN), designing "
                "every footing\nand writing the schedule CSV, in ms on the clock (and on the "
                "processor); peak memory\nof each size in a process of its own; the cost per "
                "footing, processor time of the three\nstages, against the smallest size\n",
                runs, kCombinations);
    std::printf("%9s %17s %17s %15s %12s %8s %15s\n", "supports", "import ms", "design ms",
                "csv ms", "designs/s", "peak MB", "us per footing");
    double firstPerFooting = 0;
    for (std::size_t supports : kSizes) {
        Figures f;
        long peakKb = 0;
        if (!measureInChild("/proc/self/exe", supports, runs, f, peakKb)) {
            std::fprintf(stderr, "foundations-bench-import: the run of %zu supports failed\n",
                         supports);
            return 1;
        }
        const double perFooting =
            1000 * (f.import.cpu + f.design.cpu + f.csv.cpu) / static_cast<double>(supports);
        if (firstPerFooting == 0)
            firstPerFooting = perFooting;
        const auto both = [](const Timing &t) {
            return fixed(t.wall, 1) + " (" + fixed(t.cpu, 1) + ")";
        };
        std::printf("%9zu %17s %17s %15s %12s %8s %7s (x%s)\n", supports, both(f.import).c_str(),
                    both(f.design).c_str(), both(f.csv).c_str(),
                    fixed(static_cast<double>(supports) / f.design.cpu * 1000, 0).c_str(),
                    fixed(static_cast<double>(peakKb) / 1024, 1).c_str(),
                    fixed(perFooting, 1).c_str(), fixed(perFooting / firstPerFooting, 2).c_str());
    }
    return 0;
}
