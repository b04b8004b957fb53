#pragma once

#include "core/design.h"

#include <iosfwd>
#include <span>
#include <string>

namespace headless {

// The usage line of the import command, and its section of --help.
extern const char *const kImportUsage;
void printImportHelp(std::ostream &out);

// foundations-calc import REACTIONS.csv --map MAP --units kN|t [--rows max-P|max-M|each]
//                  [--case N] [--defaults FILE.fdn] [--skip-bad-rows] -o PROJECT.fdn
// `args` are the words after "import". Writes the project of the imported footings (after those
// of --defaults) through a temporary file and a rename, prints one line per footing on `out`,
// and on `err` each bad row skipped and the summary; kDesigned when written. Refused (kRefused,
// the reason on `err`, nothing on `out`, nothing written): a file that cannot be read, a table
// that cannot be imported, bad rows without --skip-bad-rows (each listed), a project that
// cannot be written. Usage errors: kUsageError.
int runImport(std::span<const std::string> args,
              std::span<const core::DesignWindowInfo *const> windows, std::ostream &out,
              std::ostream &err);

} // namespace headless
