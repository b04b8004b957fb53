// foundations-bench-report [RUNS]: the median time per report of each design window on its
// default inputs, from the design run to the finished text, JSON and PDF (written to a
// temporary folder). Runs offscreen.
#include "app/design_windows.h"
#include "report/render.h"
#include "widgets/report_painter.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// The median of `runs` timings of `work`, in milliseconds.
double medianMs(int runs, const std::function<void()> &work)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const auto start = Clock::now();
        work();
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    const std::size_t middle = times.size() / 2;
    return times.size() % 2 ? times[middle] : (times[middle - 1] + times[middle]) / 2;
}

std::string fixed(double value, int decimals)
{
    char text[32];
    const auto [end, error] =
        std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
    return error == std::errc() ? std::string(text, end) : std::string("-");
}

report::Report reportOf(const core::DesignWindowInfo &window)
{
    const core::DesignRequest request = core::defaultRequest(window);
    const core::DesignResult result = window.design(request);
    return report::build(window, request, result.run, report::defaultTitle());
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    int runs = 21;
    if (argc > 1) {
        const std::string_view text = argv[1];
        std::from_chars(text.data(), text.data() + text.size(), runs);
        runs = std::clamp(runs, 1, 10000);
    }
    QTemporaryDir folder;
    if (!folder.isValid()) {
        std::fprintf(stderr, "foundations-bench-report: no temporary folder\n");
        return 1;
    }

    std::printf("Median time per report over %d runs (design run, report model and output)\n",
                runs);
    std::printf("%-10s %10s %10s %10s %7s %10s\n", "window", "text ms", "json ms", "pdf ms",
                "pages", "pdf kB");
    for (const core::DesignWindowInfo *window : app::designWindows()) {
        // The text and JSON are fast: time ten times as many of them.
        const double text = medianMs(runs * 10, [&] { (void)report::toText(reportOf(*window)); });
        const double json = medianMs(runs * 10, [&] {
            const core::DesignRequest request = core::defaultRequest(*window);
            const core::DesignResult result = window->design(request);
            (void)report::toJson(result.run, report::build(*window, request, result.run, {}));
        });
        const QString path =
            folder.filePath(QString::fromUtf8(window->command.data()) + QStringLiteral(".pdf"));
        bool written = true;
        const double pdf = medianMs(
            runs, [&] { written = ui::writeReportPdf(reportOf(*window), path) && written; });
        if (!written) {
            std::fprintf(stderr, "foundations-bench-report: could not write %s\n",
                         qPrintable(path));
            return 1;
        }
        std::printf("%-10s %10s %10s %10s %7d %10s\n", std::string(window->command).c_str(),
                    fixed(text, 3).c_str(), fixed(json, 3).c_str(), fixed(pdf, 2).c_str(),
                    ui::reportPageCount(reportOf(*window)),
                    fixed(static_cast<double>(QFileInfo(path).size()) / 1024, 1).c_str());
    }
    return 0;
}
