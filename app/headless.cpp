#include "app/headless.h"

#include "core/number_text.h"

#include <algorithm>
#include <cmath>
#include <ostream>

namespace headless {

namespace {

constexpr const char *kUsage =
    "Usage: foundations-calc WINDOW [--case N] [--concrete] [--trace] [Name=text ...]\n"
    "       foundations-calc --help\n";

void printHelp(std::span<const core::DesignWindowInfo *const> windows, std::ostream &out)
{
    out << kUsage << "\n"
        << "Runs the Design action of a design window on its default input texts, with any\n"
           "Name=text overriding the text of that input, and prints what the window would do,\n"
           "one event a line: Label37=2.45, show: Picture2, hide: Picture3,\n"
           "msgbox: TEXT | TITLE, colours: NAME back=#RRGGBB fore=#RRGGBB.\n"
           "  --case N     the loading case of the isolated and strip windows (default 0)\n"
           "  --concrete   the strip window's concrete wall (default: brick wall)\n"
           "  --trace      also print the intermediate values of the run\n"
           "Each number must lie in the range its input lists below (both ends included);\n"
           "a number outside it is refused.\n"
           "Exit status: 0 designed, 1 input refused (the reason on stderr), 2 usage error.\n";
    for (const core::DesignWindowInfo *window : windows) {
        out << "\n" << window->command << "  (" << window->title << ")\n";
        if (!window->caseNames.empty()) {
            out << "  cases:";
            for (size_t i = 0; i < window->caseNames.size(); ++i)
                out << (i ? ", " : " ") << i << " \"" << window->caseNames[i] << "\"";
            out << "\n";
        }
        if (!window->wallOption.empty())
            out << "  wall: brick, or concrete with --concrete (" << window->wallOption << "="
                << core::kCleared << ")\n";
        if (window->inputs.empty())
            out << "  (no inputs)\n";
        for (const core::InputField &input : window->inputs) {
            std::string name(input.control);
            name.resize(std::max<size_t>(name.size(), 8), ' ');
            out << "  " << name << "  " << input.caption << "  [default \""
                << core::defaultText(*window, input.control) << "\"";
            if (input.hasRange())
                out << ", " << core::rangeText(input);
            out << "]\n";
        }
    }
}

const core::DesignWindowInfo *findWindow(std::span<const core::DesignWindowInfo *const> windows,
                                         const std::string &name)
{
    for (const core::DesignWindowInfo *window : windows) {
        if (window->command == name)
            return window;
    }
    return nullptr;
}

int usageError(std::ostream &err, const std::string &message)
{
    err << "foundations-calc: " << message << "\n" << kUsage;
    return kUsageError;
}

} // namespace

int run(std::span<const std::string> args, std::span<const core::DesignWindowInfo *const> windows,
        std::ostream &out, std::ostream &err)
{
    if (args.empty())
        return usageError(err, "name a window: isolated, strip, combined or strap.");
    if (args.front() == "--help" || args.front() == "-h") {
        printHelp(windows, out);
        return kDesigned;
    }
    const core::DesignWindowInfo *window = findWindow(windows, args.front());
    if (!window)
        return usageError(err, "unknown window " + core::quoteTyped(args.front()) +
                                   "; the windows are isolated, strip, combined and strap.");

    core::DesignRequest request = core::defaultRequest(*window);
    bool trace = false;
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string &arg = args[i];
        if (arg == "--help" || arg == "-h") {
            printHelp(windows, out);
            return kDesigned;
        }
        if (arg == "--trace") {
            trace = true;
        } else if (arg == "--concrete") {
            if (window->wallOption.empty())
                return usageError(err, "--concrete applies to the strip window only.");
            request.texts[std::string(window->wallOption)] = core::kCleared;
        } else if (arg == "--case") {
            if (window->caseNames.empty())
                return usageError(err, "the " + args.front() + " window has no cases.");
            if (i + 1 == args.size())
                return usageError(err, "--case needs a number from 0 to " +
                                           std::to_string(window->caseNames.size() - 1) + ".");
            // A whole number of the window's cases, checked as a double: only then is it
            // small enough to become an int.
            const core::ParsedNumber number = core::parseNumber(args[++i]);
            const auto cases = static_cast<double>(window->caseNames.size());
            if (!number.ok() || !(number.value >= 0 && number.value < cases) ||
                number.value != std::floor(number.value))
                return usageError(err, "--case needs a number from 0 to " +
                                           std::to_string(window->caseNames.size() - 1) + ".");
            request.footingCase = static_cast<int>(number.value);
        } else if (const auto equals = arg.find('='); equals != std::string::npos) {
            const std::string name = arg.substr(0, equals);
            auto field = request.texts.find(name);
            if (field == request.texts.end())
                return usageError(err, "the " + args.front() + " window has no input " +
                                           core::quoteTyped(name) +
                                           "; see foundations-calc --help.");
            field->second = arg.substr(equals + 1);
        } else {
            return usageError(err, "unexpected argument " + core::quoteTyped(arg) + ".");
        }
    }

    const core::DesignResult result = window->design(request);
    if (!result.accepted()) {
        err << result.refusal->message << "\n";
        return kRefused;
    }
    for (const core::Event &event : result.run.events())
        out << core::describe(event) << "\n";
    if (trace) {
        for (const core::TraceEntry &entry : result.run.trace())
            out << core::describe(entry) << "\n";
    }
    return kDesigned;
}

} // namespace headless
