// The golden corpus: a few hundred random inputs of every case of every design window, with
// the exit status and every line the headless command printed for them when the corpus was
// written. Any change of a number, a caption, a message or the order of the writes shows here.
// The intermediate values printed by --trace (15 significant digits) must still be there, in
// the same order; a run may note more of them than it did.
#include "app/design_windows.h"
#include "app/headless.h"

#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Record {
    std::vector<std::string> args;
    int exit = -1;
    std::string out, err;
    std::vector<std::string> trace;
    std::string command; // as written in the corpus, for the failure message
};

std::vector<std::string> split(const std::string &line)
{
    std::vector<std::string> words;
    std::istringstream in(line);
    for (std::string word; in >> word;)
        words.push_back(word);
    return words;
}

// "run: ARGS", "exit: N", then any number of "out: LINE" and "err: LINE".
std::vector<Record> readCorpus(const std::string &path)
{
    std::vector<Record> records;
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("run: ", 0) == 0) {
            records.push_back({});
            records.back().command = line.substr(5);
            // An argument with an empty text ("Text4=") stays one word.
            records.back().args = split(line.substr(5));
        } else if (records.empty()) {
            continue;
        } else if (line.rfind("exit: ", 0) == 0) {
            records.back().exit = std::stoi(line.substr(6));
        } else if (line.rfind("out: ", 0) == 0) {
            records.back().out += line.substr(5) + "\n";
        } else if (line.rfind("err: ", 0) == 0) {
            records.back().err += line.substr(5) + "\n";
        } else if (line.rfind("trace: ", 0) == 0) {
            records.back().trace.push_back(line);
        }
    }
    return records;
}

std::vector<std::string> lines(const std::string &text)
{
    std::vector<std::string> all;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        all.push_back(line);
    return all;
}

// The first recorded trace line that is missing from `traced`, in order; "" when none is.
std::string firstMissing(const std::vector<std::string> &recorded,
                         const std::vector<std::string> &traced)
{
    auto at = traced.begin();
    for (const std::string &line : recorded) {
        at = std::find(at, traced.end(), line);
        if (at == traced.end())
            return line;
        ++at;
    }
    return {};
}

TEST(HeadlessGoldenCorpus, EveryRecordedRunPrintsTheSameLines)
{
    const std::vector<Record> records = readCorpus(FOUNDATIONS_GOLDEN_CORPUS);
    ASSERT_GT(records.size(), 400u);
    int designed = 0, refused = 0;
    for (const Record &record : records) {
        std::ostringstream out, err;
        const int status = headless::run(record.args, app::designWindows(), out, err);
        EXPECT_EQ(status, record.exit) << record.command;
        EXPECT_EQ(out.str(), record.out) << record.command;
        EXPECT_EQ(err.str(), record.err) << record.command;
        (status == headless::kDesigned ? designed : refused) += 1;

        std::vector<std::string> args = record.args;
        args.push_back("--trace");
        std::ostringstream traceOut, traceErr;
        headless::run(args, app::designWindows(), traceOut, traceErr);
        EXPECT_EQ(firstMissing(record.trace, lines(traceOut.str())), "") << record.command;
    }
    // The corpus exercises both outcomes.
    EXPECT_GT(designed, 300);
    EXPECT_GT(refused, 20);
}

} // namespace
