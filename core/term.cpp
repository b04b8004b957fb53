#include "core/term.h"

#include "core/number_format.h"

#include <charconv>
#include <cmath>
#include <cstddef>
#include <new>

namespace core {

namespace {

enum Op : int {
    Number,   // a constant written as its value
    Symbol,   // a named value
    Constant, // a named constant: its name in formulas, its value in numbers
    Add,
    Subtract,
    Multiply,
    Divide,
    Negate,
    Sqrt,
    Square,
    Floor,
    Up5,
    Min,
    Max,
};

// Binding strength of what an operation writes, to decide where parentheses go.
int precedence(int op)
{
    switch (op) {
    case Add:
    case Subtract:
        return 1;
    case Multiply:
    case Divide:
        return 2;
    case Negate:
        return 3;
    case Square:
        return 4;
    default:
        return 5; // leaves and functions written with their own brackets
    }
}

} // namespace

struct Term::Node {
    int op = Number;
    std::string name;
    double value = 0;
    std::uint64_t inputs = 0;
    std::shared_ptr<const Node> a, b;
};

namespace {

using NodePtr = std::shared_ptr<const Term::Node>;

void write(const Term::Node &node, bool withNumbers, std::string &out);

// A leaf that writes a negative number needs brackets as an operand: 2 × (−3).
bool writesNegative(const Term::Node &node, bool withNumbers)
{
    const bool number =
        node.op == Number || (withNumbers && (node.op == Symbol || node.op == Constant));
    return number && node.value < 0;
}

// An operand, in parentheses when it binds less strongly than its place needs.
void operand(const Term::Node &node, int needed, bool withNumbers, std::string &out)
{
    const bool wrap = precedence(node.op) < needed || writesNegative(node, withNumbers);
    if (wrap)
        out += '(';
    write(node, withNumbers, out);
    if (wrap)
        out += ')';
}

void binary(const Term::Node &node, std::string_view sign, bool withNumbers, std::string &out)
{
    const int own = precedence(node.op);
    operand(*node.a, own, withNumbers, out);
    out += sign;
    // The right side of a subtraction or division needs brackets at equal strength too.
    const bool strict = node.op == Subtract || node.op == Divide;
    operand(*node.b, strict ? own + 1 : own, withNumbers, out);
}

void function(const Term::Node &node, std::string_view open, std::string_view close,
              bool withNumbers, std::string &out)
{
    out += open;
    write(*node.a, withNumbers, out);
    if (node.b) {
        out += ", ";
        write(*node.b, withNumbers, out);
    }
    out += close;
}

void write(const Term::Node &node, bool withNumbers, std::string &out)
{
    switch (node.op) {
    case Number:
        out += reportNumber(node.value);
        return;
    case Symbol:
    case Constant:
        out += withNumbers ? reportNumber(node.value) : node.name;
        return;
    case Add:
        return binary(node, " + ", withNumbers, out);
    case Subtract:
        return binary(node, " − ", withNumbers, out);
    case Multiply:
        return binary(node, " × ", withNumbers, out);
    case Divide:
        return binary(node, " / ", withNumbers, out);
    case Negate:
        out += "−";
        return operand(*node.a, precedence(Negate), withNumbers, out);
    case Sqrt:
        return function(node, "√(", ")", withNumbers, out);
    case Square:
        operand(*node.a, precedence(Square) + 1, withNumbers, out);
        out += "²";
        return;
    case Floor:
        return function(node, "⌊", "⌋", withNumbers, out);
    case Up5:
        return function(node, "up5(", ")", withNumbers, out);
    case Min:
        return function(node, "min(", ")", withNumbers, out);
    case Max:
        return function(node, "max(", ")", withNumbers, out);
    }
}

// The nodes of a design's terms come and go by the hundred, all of one size: each thread keeps
// the blocks of its freed nodes for its next ones rather than handing them back to the general
// heap, whose free lists thousands of designs in a row otherwise fragment. The lists are the
// thread's own (nothing is shared between threads); a node freed on another thread than the
// one that made it joins that thread's list, which is as good, since every block is alike.
template <std::size_t Size> class Pool
{
public:
    static void *take()
    {
        if (Block *block = tFree) {
            tFree = block->next;
            --tCount;
            return block;
        }
        (void)&tRelease; // makes sure the thread's blocks are freed when it ends
        return ::operator new(Size);
    }

    static void give(void *memory)
    {
        if (tEnded || tCount >= kKept) {
            ::operator delete(memory);
            return;
        }
        tFree = new (memory) Block{tFree};
        ++tCount;
    }

private:
    struct Block {
        Block *next;
    };
    static_assert(Size >= sizeof(Block));

    // Blocks kept at most; a design needs a few hundred at once.
    static constexpr std::size_t kKept = 4096;

    // Frees the thread's blocks when it ends; a node freed after that goes back to the heap.
    struct Release {
        ~Release()
        {
            while (Block *block = tFree) {
                tFree = block->next;
                ::operator delete(block);
            }
            tCount = 0;
            tEnded = true;
        }
    };

    // Trivially destructible, so they can still be read after the thread's Release has run.
    static thread_local inline Block *tFree = nullptr;
    static thread_local inline std::size_t tCount = 0;
    static thread_local inline bool tEnded = false;
    static thread_local inline Release tRelease;
};

// The allocator make_shared is given for nodes: their blocks (the node with its reference
// counts) come from the thread's pool of blocks of their size.
template <class T> struct NodeAllocator {
    using value_type = T;
    static_assert(alignof(T) <= alignof(std::max_align_t));

    NodeAllocator() = default;
    template <class U> NodeAllocator(const NodeAllocator<U> &) {}

    T *allocate(std::size_t n)
    {
        return n == 1 ? static_cast<T *>(Pool<sizeof(T)>::take()) : std::allocator<T>().allocate(n);
    }
    void deallocate(T *p, std::size_t n)
    {
        if (n == 1)
            Pool<sizeof(T)>::give(p);
        else
            std::allocator<T>().deallocate(p, n);
    }

    template <class U> friend bool operator==(const NodeAllocator &, const NodeAllocator<U> &)
    {
        return true;
    }
};

std::shared_ptr<Term::Node> newNode()
{
    return std::allocate_shared<Term::Node>(NodeAllocator<Term::Node>());
}

NodePtr leaf(int op, std::string_view name, double value, std::uint64_t inputs = 0)
{
    auto node = newNode();
    node->op = op;
    node->name = std::string(name);
    node->value = value;
    node->inputs = inputs;
    return node;
}

} // namespace

Term::Term(double value) : m_value(value) {}

Term::Term(double value, std::shared_ptr<const Node> node) : m_value(value), m_node(std::move(node))
{}

Term Term::symbol(std::string_view name, double value, std::uint64_t inputs)
{
    return Term(value, leaf(Symbol, name, value, inputs));
}

Term Term::constant(std::string_view name, double value)
{
    return Term(value, leaf(Constant, name, value));
}

bool Term::isLeaf() const
{
    return !m_node || m_node->op == Symbol || m_node->op == Constant || m_node->op == Number;
}

namespace {

void collectConstants(const Term::Node &node, std::vector<std::pair<std::string, double>> &out)
{
    if (node.op == Constant) {
        for (const auto &[name, value] : out) {
            if (name == node.name)
                return;
        }
        out.emplace_back(node.name, node.value);
        return;
    }
    if (node.a)
        collectConstants(*node.a, out);
    if (node.b)
        collectConstants(*node.b, out);
}

} // namespace

std::vector<std::pair<std::string, double>> Term::constants() const
{
    std::vector<std::pair<std::string, double>> out;
    if (m_node)
        collectConstants(*m_node, out);
    return out;
}

std::uint64_t Term::inputs() const
{
    return m_node ? m_node->inputs : 0;
}

std::string Term::formula() const
{
    if (!m_node)
        return reportNumber(m_value);
    std::string out;
    write(*m_node, false, out);
    return out;
}

std::string Term::numbers() const
{
    if (!m_node)
        return reportNumber(m_value);
    std::string out;
    write(*m_node, true, out);
    return out;
}

namespace {

// A plain constant has no node until it takes part in an operation.
NodePtr nodeOf(const Term &term, const std::shared_ptr<const Term::Node> &node)
{
    return node ? node : leaf(Number, {}, term.value());
}

} // namespace

Term apply(int op, const Term &a, const Term &b, double value)
{
    auto node = newNode();
    node->op = op;
    node->value = value;
    node->a = nodeOf(a, a.m_node);
    node->b = nodeOf(b, b.m_node);
    node->inputs = a.inputs() | b.inputs();
    return Term(value, std::move(node));
}

Term apply(int op, const Term &a, double value)
{
    auto node = newNode();
    node->op = op;
    node->value = value;
    node->a = nodeOf(a, a.m_node);
    node->inputs = a.inputs();
    return Term(value, std::move(node));
}

Term operator+(const Term &a, const Term &b)
{
    return apply(Add, a, b, a.value() + b.value());
}

Term operator-(const Term &a, const Term &b)
{
    return apply(Subtract, a, b, a.value() - b.value());
}

Term operator*(const Term &a, const Term &b)
{
    return apply(Multiply, a, b, a.value() * b.value());
}

Term operator/(const Term &a, const Term &b)
{
    return apply(Divide, a, b, a.value() / b.value());
}

Term operator-(const Term &a)
{
    return apply(Negate, a, -a.value());
}

Term sqrt(const Term &x)
{
    return apply(Sqrt, x, std::sqrt(x.value()));
}

Term square(const Term &x)
{
    return apply(Square, x, x.value() * x.value());
}

Term floor(const Term &x)
{
    return apply(Floor, x, std::floor(x.value()));
}

Term up5(const Term &x)
{
    return apply(Up5, x, core::up5(x.value()));
}

Term min(const Term &a, const Term &b)
{
    return apply(Min, a, b, b.value() < a.value() ? b.value() : a.value());
}

Term max(const Term &a, const Term &b)
{
    return apply(Max, a, b, a.value() < b.value() ? b.value() : a.value());
}

Term min(const Term &a, const Term &b, const Term &c)
{
    return min(min(a, b), c);
}

std::string reportNumber(double value)
{
    if (!std::isfinite(value))
        return "—";
    const double magnitude = std::fabs(value);
    double shown = 0;
    if (magnitude < 1e-6) {
        shown = 0; // below anything a footing calculation resolves
    } else if (magnitude >= 1000) {
        shown = std::round(value);
    } else if (magnitude > 0) {
        // Four significant digits.
        const int digits = 3 - static_cast<int>(std::floor(std::log10(magnitude)));
        const double scale = std::pow(10.0, digits);
        shown = std::round(value * scale) / scale;
        if (std::fabs(shown) >= 1000)
            shown = std::round(shown);
    }
    if (shown == 0)
        return "0";
    // Fixed notation with no more decimals than the rounding kept.
    char text[64];
    const auto [end, error] =
        std::to_chars(text, text + sizeof text, shown, std::chars_format::fixed);
    if (error != std::errc())
        return "—";
    return std::string(text, end);
}

} // namespace core
