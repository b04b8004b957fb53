// The headless command's argument handling, on any arguments: the bytes split at each 0 into
// arguments. Exit status, output and messages keep their promises.
#include "app/design_windows.h"
#include "app/headless.h"
#include "fuzz_checks.h"

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    std::vector<std::string> args;
    std::string_view bytes(reinterpret_cast<const char *>(data), size);
    while (!bytes.empty() && args.size() < 64) {
        const std::size_t end = bytes.find('\0');
        args.emplace_back(bytes.substr(0, end));
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
    }
    std::ostringstream out, err;
    const int code = headless::run(args, app::designWindows(), out, err);
    const std::string printed = out.str(), said = err.str();
    // The import lists each bad row on a line of its own before its message, and says on
    // stderr what it read when it imports.
    const bool import = !args.empty() && args.front() == "import";
    if (import && code != headless::kUsageError) {
        std::istringstream lines(said);
        for (std::string line; std::getline(lines, line);)
            fuzz::expectOneSafeLine(line, 700, "an import's message is not one safe line");
    }
    switch (code) {
    case headless::kDesigned:
        if (!said.empty() && !import)
            fuzz::fail("a design says something on stderr", said);
        break;
    case headless::kRefused:
    case headless::kUsageError: {
        if (!printed.empty())
            fuzz::fail("a refusal prints a run", printed);
        // The message, then for a usage error the two lines of usage.
        const std::string first = said.substr(0, said.find('\n'));
        fuzz::expectOneSafeLine(first, 700, "a message is not one safe line");
        if (code == headless::kRefused && said != first + "\n" && !import)
            fuzz::fail("a refusal of more than one line", said);
        break;
    }
    default:
        fuzz::fail("an unknown exit status", std::to_string(code));
    }
    // Every line printed is one event or trace entry, without control characters but tabs.
    std::istringstream lines(printed);
    for (std::string line; std::getline(lines, line);) {
        for (unsigned char c : line) {
            if ((c < 0x20 && c != '\t') || c == 0x7F)
                fuzz::fail("a printed line with a control character", line);
        }
    }
    return 0;
}
