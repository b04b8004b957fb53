#pragma once

// What the tests over all four design windows share: the configurations a window can run in
// (its cases, the wall types of the strip window), the inputs a configuration reads with their
// ranges, random and extreme requests, and what a run shows.

#include "core/design.h"

#include <cstdint>
#include <optional>
#include <ostream>
#include <random>
#include <span>
#include <string>
#include <vector>

namespace design_runs {

// One way to run a window: a case of its chooser and, for the strip window, the wall type.
struct Config {
    const core::DesignWindowInfo *window = nullptr;
    int footingCase = 0;
    std::optional<bool> brickWall; // only where the case reads the wall option
    std::string name;              // "strip_case2_concrete"

    // The inputs the design reads for this configuration, with their captions and ranges.
    std::span<const core::InputField> inputs() const;
    // The numeric inputs among them (every input with a range).
    std::vector<core::InputField> numbers() const;
    // Every input at its default text (a freshly opened window).
    core::DesignRequest defaults() const;
};

// Test names and failure messages show a configuration by its name.
void PrintTo(const Config &config, std::ostream *out);

// Every configuration of every design window, in the order the program offers them.
const std::vector<Config> &allConfigs();

// A small fast random generator with a fixed algorithm, so a seed gives the same numbers with
// every standard library.
class Random
{
public:
    explicit Random(std::uint64_t seed) : m_state(seed) {}
    std::uint64_t next();
    double uniform(double low, double high); // [low, high)
    int below(int n);                        // 0 .. n-1
    bool chance(double p);

private:
    std::uint64_t m_state;
};

// A number inside the input's range: log-uniform for positive ranges, uniform otherwise.
double randomInRange(const core::InputField &input, Random &random);
// The text a user would type for a number: up to 4 significant digits, never an exponent.
std::string typed(double value);

// A number the run writes to a field, in the order written: the control and the text.
struct ShownNumber {
    std::string control;
    std::string text;
    double value;
};
std::vector<ShownNumber> shownNumbers(const core::Run &run);

// What is wrong with an accepted run, or an empty string: a number that is not finite, written
// with an exponent or absurdly large, a count that is not a sane whole number.
std::string whatIsWrong(const core::Run &run);

// The value of a traced quantity (the first with that symbol), if the run noted it.
std::optional<double> traced(const core::Run &run, const std::string &symbol);

} // namespace design_runs
