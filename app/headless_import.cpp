#include "app/headless_import.h"

#include "app/headless.h"
#include "core/number_format.h"
#include "core/number_text.h"
#include "project/project.h"
#include "project/reactions.h"

#include <cmath>
#include <filesystem>
#include <optional>
#include <ostream>

namespace headless {

const char *const kImportUsage =
    "       foundations-calc import REACTIONS.csv --map MAP --units kN|t [--rows RULE]\n"
    "                        [--case N] [--defaults FILE.fdn] [--skip-bad-rows] -o FILE.fdn\n";

namespace {

int usageError(std::ostream &err, const std::string &message)
{
    // The usage line as --help indents it, under "Usage: " instead.
    err << "foundations-calc: " << message << "\n"
        << "Usage: " << std::string_view(kImportUsage).substr(7);
    return kUsageError;
}

int refused(std::ostream &err, const std::string &message)
{
    err << "foundations-calc: " << message << "\n";
    return kRefused;
}

std::optional<project::LoadUnits> unitsNamed(const std::string &name)
{
    const std::string folded = project::foldedMark(name);
    if (folded == "kn")
        return project::LoadUnits::Kilonewtons;
    if (folded == "t")
        return project::LoadUnits::Tonnes;
    return std::nullopt;
}

bool sameFile(const std::string &a, const std::string &b)
{
    std::error_code noFile;
    return std::filesystem::equivalent(a, b, noFile);
}

} // namespace

void printImportHelp(std::ostream &out)
{
    out << "\n"
        << "import REACTIONS.csv builds a project of isolated footings from the support\n"
           "reactions of a structural analysis: a table with a heading row, one row per\n"
           "support and load combination, as CSV or as text separated by semicolons or\n"
           "tabs (found from the heading row; a decimal comma is read where semicolons\n"
           "separate the cells). Each footing is marked with its support's label and gets\n"
           "the project's default texts, with the support's P, M and column sides.\n"
           "  --map MAP    the columns by their headings: mark=HEADING,P=HEADING, and\n"
           "               optionally M=, t= and b= (the column's sides in cm)\n"
           "  --units kN|t the loads' units: kN and kN.m are converted to t and t.m with\n"
           "               g = 9.81 (P / 9.81); loads are rounded to 3 decimals\n"
           "  --rows RULE  the row that governs a support's footing: max-P (the largest P,\n"
           "               the default), max-M (the largest |M|, with its own P), or each\n"
           "               (every row a footing, marked LABEL-1, LABEL-2, ... in order)\n"
           "  --case N     the isolated case of a footing with a moment (default 3, Non\n"
           "               Uniform: the footing centred over the assumed length L1, which\n"
           "               sizes a sensible footing for any moment; case 1 would make the\n"
           "               length 6 e, a few centimetres for a small moment). A footing\n"
           "               without a moment is case 0. In cases 1 and 3 M is written as\n"
           "               its size, in the others with its sign.\n"
           "  --defaults FILE.fdn  start from that project: its title block, its default\n"
           "               texts and its footings, the imported ones after them\n"
           "  --skip-bad-rows  import the good rows and skip the bad ones\n"
           "  -o FILE.fdn  the project file to write (an earlier file is replaced whole)\n"
           "Prints one line per footing, its fields separated by tabs: the mark, the\n"
           "support, P (t), M (t.m), the case and the governing row (line N, why); on\n"
           "stderr each bad row skipped (line N: why) and what was read and converted.\n"
           "A bad row (too few cells, no label, a cell that is not a number, a negative P,\n"
           "a mark already used, a label that differs from another only by case or\n"
           "blanks) refuses the import, listing every bad row, unless --skip-bad-rows.\n"
           "Exit status: 0 written, 1 refused (the reasons on stderr; nothing is written),\n"
           "2 usage error.\n";
}

int runImport(std::span<const std::string> args,
              std::span<const core::DesignWindowInfo *const> windows, std::ostream &out,
              std::ostream &err)
{
    std::optional<std::string> reactionsFile, map, units, rows, footingCase, defaultsFile,
        outputFile;
    bool skipBadRows = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &arg = args[i];
        std::optional<std::string> *value = arg == "--map"        ? &map
                                            : arg == "--units"    ? &units
                                            : arg == "--rows"     ? &rows
                                            : arg == "--case"     ? &footingCase
                                            : arg == "--defaults" ? &defaultsFile
                                            : arg == "-o"         ? &outputFile
                                                                  : nullptr;
        if (value) {
            if (*value)
                return usageError(err, arg + " is given twice.");
            if (i + 1 == args.size())
                return usageError(err, arg + " needs a value.");
            *value = args[++i];
        } else if (arg == "--skip-bad-rows") {
            skipBadRows = true;
        } else if (arg == "--help" || arg == "-h") {
            out << "Usage: " << std::string_view(kImportUsage).substr(7);
            printImportHelp(out);
            return kDesigned;
        } else if (arg.rfind("-", 0) == 0 && arg.size() > 1) {
            return usageError(err, "unexpected argument " + core::quoteTyped(arg) + ".");
        } else if (reactionsFile) {
            return usageError(err, "import reads one table of reactions, not also " +
                                       core::quoteTyped(arg) + ".");
        } else {
            reactionsFile = arg;
        }
    }
    if (!reactionsFile)
        return usageError(err, "import needs the file of reactions: import REACTIONS.csv ...");
    if (!map)
        return usageError(
            err, "import needs --map: the headings of the columns, mark=HEADING,P=HEADING.");
    if (!units)
        return usageError(err, "import needs --units kN or --units t.");
    if (!outputFile)
        return usageError(err, "import needs -o FILE.fdn: the project file to write.");

    project::ImportOptions options;
    options.skipBadRows = skipBadRows;
    if (const auto problem = project::readColumnMap(*map, options.columns))
        return usageError(err, "--map: " + *problem + ".");
    const auto unit = unitsNamed(*units);
    if (!unit)
        return usageError(err, "--units is kN or t, not " + core::quoteTyped(*units) + ".");
    options.units = *unit;
    if (rows) {
        const auto rule = project::ruleNamed(*rows);
        if (!rule)
            return usageError(err, "--rows is max-P, max-M or each, not " +
                                       core::quoteTyped(*rows) + ".");
        options.rule = *rule;
    }
    if (footingCase) {
        const core::DesignWindowInfo *isolated = project::findWindow(windows, "isolated");
        const std::size_t cases = isolated ? isolated->caseNames.size() : 0;
        // A whole number of the window's cases, checked as a double: only then is it small
        // enough to become an int.
        const core::ParsedNumber number = core::parseNumber(*footingCase);
        if (cases == 0 || !number.ok() ||
            !(number.value >= 0 && number.value < static_cast<double>(cases)) ||
            number.value != std::floor(number.value))
            return usageError(err, "--case needs a number from 0 to " +
                                       std::to_string(cases == 0 ? 0 : cases - 1) + ", not " +
                                       core::quoteTyped(*footingCase) + ".");
        options.momentCase = static_cast<int>(number.value);
    }
    if (sameFile(*reactionsFile, *outputFile))
        return usageError(err, "-o would write the project over the table of reactions.");

    project::Project building(windows);
    if (defaultsFile) {
        if (const auto problem = building.open(*defaultsFile))
            return refused(err, problem->message);
    }
    std::string table;
    if (const auto problem =
            project::readSmallFile(*reactionsFile, project::kReactionsSizeLimit, table))
        return refused(err, *problem);

    project::ImportPreview preview;
    if (const auto problem = project::importReactions(table, options, building, &preview)) {
        for (const project::BadRow &bad : preview.badRows)
            err << bad.text() << "\n";
        return refused(err, problem->message);
    }
    if (const auto problem = building.save(*outputFile))
        return refused(err, problem->message);
    for (const project::ImportedFooting &imported : preview.footings) {
        const project::Footing &footing = imported.footing;
        out << footing.mark << '\t' << footing.source->support << '\t'
            << core::formatNumber(imported.load) << '\t' << core::formatNumber(imported.moment)
            << '\t' << footing.footingCase << '\t' << project::governingRowText(*footing.source)
            << "\n";
    }
    for (const project::BadRow &bad : preview.badRows)
        err << bad.text() << "\n";
    err << "foundations-calc: " << preview.summary << "\n";
    return kDesigned;
}

} // namespace headless
