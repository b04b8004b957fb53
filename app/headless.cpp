#include "app/headless.h"

#include "app/headless_import.h"
#include "core/number_text.h"
#include "project/project.h"
#include "project/schedule.h"
#include "report/render.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <optional>
#include <ostream>

namespace headless {

namespace {

constexpr const char *kUsage =
    "Usage: foundations-calc WINDOW [--case N] [--concrete] [--trace] [Name=text ...]\n"
    "       foundations-calc WINDOW ... --report FILE.pdf | --report - | --json\n"
    "                        [--project-name TEXT] [--mark TEXT] [--designer TEXT] [--date TEXT]\n"
    "       foundations-calc --project FILE.fdn [--csv FILE.csv] [--report FILE.pdf]\n"
    "       foundations-calc --help\n"
    "       foundations-calc --version\n";

void printProjectHelp(std::ostream &out)
{
    out << "\n"
        << "--project FILE.fdn designs every footing of a project file and prints one line\n"
           "per footing, its fields separated by tabs: the mark, the result (pass, fail,\n"
           "designed when the run reports no checks, or refused), the worst utilisation\n"
           "(— when no check gives one) and the governing check, or for a refused\n"
           "footing the reason.\n"
           "  --csv FILE   also write the footing schedule as CSV: a heading row, then one\n"
           "               row per footing, the mark first\n"
           "  --report FILE.pdf  also write one A4 PDF file: the footing schedule headed by\n"
           "               the project's name, designer and date, then the calculation\n"
           "               report of every footing designed; a refused footing is in the\n"
           "               schedule with its reason and has no report\n"
           "Exit status: 0 every footing designed, 1 after every line when a footing was\n"
           "refused or the CSV or PDF file cannot be written (a PDF is still written when\n"
           "a footing was refused), 1 with nothing printed when the project file is\n"
           "refused (the reasons on stderr), 2 usage error.\n"
           "The file format: docs/project-format.md.\n";
}

void printHelp(std::span<const core::DesignWindowInfo *const> windows, std::ostream &out)
{
    out << kUsage << kImportUsage << "\n"
        << "Runs the Design action of a design window on its default input texts, with any\n"
           "Name=text overriding the text of that input, and prints what the window would do,\n"
           "one event a line: Label37=2.45, show: Picture2, hide: Picture3,\n"
           "msgbox: TEXT | TITLE, colours: NAME back=#RRGGBB fore=#RRGGBB.\n"
           "  --case N     the loading case of the isolated and strip windows (default 0)\n"
           "  --concrete   the strip window's concrete wall (default: brick wall)\n"
           "  --trace      also print the intermediate values of the run\n"
           "  --report FILE.pdf  also write the calculation report as an A4 PDF file\n"
           "  --report -   print the calculation report as text instead of the events\n"
           "  --json       print the run and its report as one JSON object instead of the\n"
           "               events (see docs/report-json.md)\n"
           "  --project-name TEXT, --mark TEXT, --designer TEXT, --date TEXT\n"
           "               the report's title block (the date defaults to today's)\n"
           "Each number must lie in the range its input lists below (both ends included);\n"
           "a number outside it is refused.\n"
           "Exit status: 0 designed, 1 input refused or the PDF not written (the reason on\n"
           "stderr; nothing is printed or written), 2 usage error.\n";
    printProjectHelp(out);
    printImportHelp(out);
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

// The field of the report's title block a flag sets, or nullptr.
std::string *titleField(report::TitleBlock &title, const std::string &flag)
{
    if (flag == "--project-name")
        return &title.project;
    if (flag == "--mark")
        return &title.mark;
    if (flag == "--designer")
        return &title.designer;
    if (flag == "--date")
        return &title.date;
    return nullptr;
}

bool isOneLineOfText(std::string_view text)
{
    return project::isUtf8(text) && std::none_of(text.begin(), text.end(), [](char c) {
               const auto byte = static_cast<unsigned char>(c);
               return byte < 0x20 || byte == 0x7F;
           });
}

int usageError(std::ostream &err, const std::string &message)
{
    err << "foundations-calc: " << message << "\n" << kUsage;
    return kUsageError;
}

bool isProjectCommand(std::span<const std::string> args)
{
    return std::any_of(args.begin(), args.end(),
                       [](const std::string &arg) { return arg == "--project" || arg == "--csv"; });
}

// Whether two file names name the same file: one that exists under both, or one that would be
// made under both.
bool sameFile(const std::string &a, const std::string &b)
{
    std::error_code noFile;
    if (std::filesystem::equivalent(a, b, noFile))
        return true;
    const auto normal = [](const std::string &name) {
        std::error_code unknown;
        return std::filesystem::absolute(name, unknown).lexically_normal();
    };
    return normal(a) == normal(b);
}

// foundations-calc --project FILE.fdn [--csv FILE.csv] [--report FILE.pdf]: one line per
// footing; see printProjectHelp.
int runProject(std::span<const std::string> args,
               std::span<const core::DesignWindowInfo *const> windows, std::ostream &out,
               std::ostream &err, const ProjectPdfWriter &writeProjectPdf)
{
    std::optional<std::string> projectFile;
    std::optional<std::string> csvFile;
    std::optional<std::string> pdfFile;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string &arg = args[i];
        if (arg == "--help" || arg == "-h") {
            printHelp(windows, out);
            return kDesigned;
        }
        if (arg == "--project" || arg == "--csv" || arg == "--report") {
            std::optional<std::string> &file = arg == "--project" ? projectFile
                                               : arg == "--csv"   ? csvFile
                                                                  : pdfFile;
            if (file)
                return usageError(err, arg + " is given twice.");
            if (i + 1 == args.size())
                return usageError(err, arg + " needs a file name.");
            file = args[++i];
            if (arg == "--report" && (file->empty() || *file == "-"))
                return usageError(err, "--report with --project writes a PDF file: name it.");
        } else {
            return usageError(err, "unexpected argument " + core::quoteTyped(arg) +
                                       "; --project takes no window or inputs.");
        }
    }
    if (!projectFile)
        return usageError(err, "--csv writes the schedule of a project: add --project FILE.fdn.");
    std::error_code noFile;
    if (csvFile && std::filesystem::equivalent(*projectFile, *csvFile, noFile))
        return usageError(err, "--csv would write the schedule over the project file.");
    if (pdfFile && sameFile(*projectFile, *pdfFile))
        return usageError(err, "--report would write the PDF over the project file.");
    if (pdfFile && csvFile && sameFile(*csvFile, *pdfFile))
        return usageError(err, "--csv and --report name the same file.");
    if (pdfFile && !writeProjectPdf)
        return usageError(err, "this build cannot write PDF files.");

    project::Project building(windows);
    if (const auto problem = building.open(*projectFile)) {
        err << "foundations-calc: " << problem->message << "\n";
        return kRefused;
    }
    // Each footing is designed once: for the lines, the schedule and its report alike.
    std::optional<project::ProjectReport> printed;
    if (pdfFile)
        printed = project::buildProjectReport(building);
    const std::vector<project::ScheduleRow> designed =
        printed ? std::vector<project::ScheduleRow>() : project::designAll(building);
    const std::vector<project::ScheduleRow> &rows = printed ? printed->schedule : designed;
    bool anyRefused = false;
    for (const project::ScheduleRow &row : rows) {
        const bool refused = row.verdict == project::Verdict::Refused;
        anyRefused = anyRefused || refused;
        const std::string utilisation = project::utilisationText(row);
        const std::string &last = refused ? row.reason : row.governing;
        out << row.mark << '\t' << project::verdictText(row.verdict) << '\t'
            << (utilisation.empty() ? "—" : utilisation) << '\t' << (last.empty() ? "—" : last)
            << "\n";
    }
    bool written = true;
    if (csvFile) {
        if (const auto problem =
                project::writeFileAtomically(*csvFile, project::scheduleCsv(rows))) {
            err << "foundations-calc: " << *problem << "\n";
            written = false;
        }
    }
    if (printed) {
        if (const std::string problem = writeProjectPdf(*printed, *pdfFile); !problem.empty()) {
            err << "foundations-calc: " << problem << "\n";
            written = false;
        }
    }
    return anyRefused || !written ? kRefused : kDesigned;
}

} // namespace

int run(std::span<const std::string> args, std::span<const core::DesignWindowInfo *const> windows,
        std::ostream &out, std::ostream &err, const PdfWriter &writePdf,
        const ProjectPdfWriter &writeProjectPdf)
{
    if (args.empty())
        return usageError(err, "name a window: isolated, strip, combined or strap.");
    if (args.front() == "import")
        return runImport(args.subspan(1), windows, out, err);
    if (isProjectCommand(args))
        return runProject(args, windows, out, err, writeProjectPdf);
    if (args.front() == "--help" || args.front() == "-h") {
        printHelp(windows, out);
        return kDesigned;
    }
    if (args.front() == "--version") {
        out << "foundations-calc " << FOUNDATIONS_VERSION << "\n";
        return kDesigned;
    }
    const core::DesignWindowInfo *window = findWindow(windows, args.front());
    if (!window)
        return usageError(err, "unknown window " + core::quoteTyped(args.front()) +
                                   "; the windows are isolated, strip, combined and strap.");

    core::DesignRequest request = core::defaultRequest(*window);
    report::TitleBlock title = report::defaultTitle();
    bool trace = false;
    bool json = false;
    std::optional<std::string> reportTo; // "-" for stdout
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string &arg = args[i];
        if (arg == "--help" || arg == "-h") {
            printHelp(windows, out);
            return kDesigned;
        }
        if (arg == "--trace") {
            trace = true;
        } else if (arg == "--json") {
            json = true;
        } else if (arg == "--report") {
            if (reportTo)
                return usageError(err, "--report may be given once.");
            if (i + 1 == args.size() || args[i + 1].empty() || args[i + 1].rfind("--", 0) == 0)
                return usageError(err, "--report needs a file name, or - for the text report.");
            reportTo = args[++i];
        } else if (std::string *field = titleField(title, arg)) {
            if (i + 1 == args.size() || args[i + 1].rfind("--", 0) == 0)
                return usageError(err, arg + " needs a text.");
            // The title block heads every page and goes into the JSON for scripts: one line of
            // text, as a title is.
            if (!isOneLineOfText(args[i + 1]))
                return usageError(err, arg +
                                           " takes one line of text without control "
                                           "characters, not " +
                                           core::quoteTyped(args[i + 1]) + ".");
            *field = args[++i];
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

    const bool textReport = reportTo == "-";
    const bool pdf = reportTo && !textReport;
    if (textReport && json)
        return usageError(err, "--report - and --json both print on stdout: choose one.");
    if (pdf && !writePdf)
        return usageError(err, "this build cannot write PDF files.");

    const core::DesignResult result = window->design(request);
    if (!result.accepted()) {
        err << result.refusal->message << "\n";
        return kRefused;
    }
    if (reportTo || json) {
        const report::Report report = report::build(*window, request, result.run, title);
        // The file first: when it cannot be written nothing is printed, as for refused input.
        if (pdf) {
            const std::string problem = writePdf(report, *reportTo);
            if (!problem.empty()) {
                err << "foundations-calc: " << problem << "\n";
                return kRefused;
            }
        }
        if (textReport) {
            out << report::toText(report);
            return kDesigned;
        }
        if (json) {
            out << report::toJson(result.run, report);
            return kDesigned;
        }
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
