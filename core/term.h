#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace core {

// A number of a calculation that remembers how it was obtained, so a report can write the
// line a checker redoes by hand: the formula in symbols and the same formula with the numbers
// put in. Arithmetic on terms computes exactly what the same arithmetic on doubles computes,
// in the same order (x * y * z is (x * y) * z, as for doubles), so a design written with terms
// gives the same results, bit for bit, as one written with doubles. The text is built only
// when it is asked for.
class Term
{
public:
    // A constant, written as the number itself: `0.75 * fcu`.
    Term(double value);
    // A named value: an input (fcu) or an earlier result of the calculation (qcu). `inputs`
    // marks the inputs of the window it depends on (bit i for the i-th input field).
    static Term symbol(std::string_view name, double value, std::uint64_t inputs = 0);
    // A named constant of the rules, written by its name in formulas and by its value in the
    // numbers: `Term::constant("γc", 1.5)`.
    static Term constant(std::string_view name, double value);

    double value() const { return m_value; }
    // The formula in symbols: "0.75 × √(fcu / 1.5)".
    std::string formula() const;
    // The formula with every symbol replaced by its value: "0.75 × √(250 / 1.5)".
    std::string numbers() const;
    // A symbol or a constant, not a formula.
    bool isLeaf() const;
    // The named constants the formula writes by name, with their values ("π", "γc").
    std::vector<std::pair<std::string, double>> constants() const;
    // The inputs this number depends on, through every step that led to it (bit i for the
    // i-th input field), so a refusal can name the inputs behind a quantity that overflowed.
    std::uint64_t inputs() const;

    struct Node;

private:
    Term(double value, std::shared_ptr<const Node> node);
    friend Term apply(int op, const Term &a, const Term &b, double value);
    friend Term apply(int op, const Term &a, double value);

    double m_value = 0;
    std::shared_ptr<const Node> m_node;
};

Term operator+(const Term &a, const Term &b);
Term operator-(const Term &a, const Term &b);
Term operator*(const Term &a, const Term &b);
Term operator/(const Term &a, const Term &b);
Term operator-(const Term &a);

Term sqrt(const Term &x);                              // √(x)
Term square(const Term &x);                            // x², computed as x * x
Term floor(const Term &x);                             // ⌊x⌋
Term up5(const Term &x);                               // up5(x) = 5 (⌊x / 5⌋ + 1)
Term min(const Term &a, const Term &b);                // min(a, b): a when a < b, else b
Term max(const Term &a, const Term &b);                // max(a, b): a when a > b, else b
Term min(const Term &a, const Term &b, const Term &c); // min(min(a, b), c)

// A number as a report writes it: at most four significant digits below 1000, whole numbers
// from 1000 up, never an exponent ("9.682", "0.0125", "5097447", "-3.2").
std::string reportNumber(double value);

} // namespace core
