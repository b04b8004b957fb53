#include "project_support.h"

#include "app/design_windows.h"

#include <atomic>
#include <charconv>
#include <cmath>
#include <cstring>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <unistd.h>

namespace project_test {

TempFolder::TempFolder()
{
    static std::atomic<int> counter{0};
    m_path = std::filesystem::temp_directory_path() /
             ("foundations-project-test-" + std::to_string(::getpid()) + "-" +
              std::to_string(counter++));
    std::filesystem::remove_all(m_path);
    std::filesystem::create_directories(m_path);
}

TempFolder::~TempFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

std::string readText(const std::filesystem::path &file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void writeText(const std::filesystem::path &file, const std::string &text)
{
    std::ofstream(file, std::ios::binary) << text;
}

void expectAccepted(const std::optional<project::Problem> &problem)
{
    if (problem)
        ADD_FAILURE() << problem->message;
}

namespace {

std::string fixed(double value, int decimals)
{
    char text[64];
    const auto end =
        std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals).ptr;
    return std::string(text, end);
}

std::vector<std::string> listItems(std::string_view items)
{
    std::vector<std::string> entries;
    while (!items.empty()) {
        const auto bar = items.find('|');
        entries.emplace_back(items.substr(0, bar));
        items = bar == std::string_view::npos ? std::string_view{} : items.substr(bar + 1);
    }
    return entries;
}

std::string randomMark(std::mt19937 &random, std::size_t i)
{
    static const char *const kPieces[] = {"F", "W", "Ф", "\"", "\\", ",", "-", "é", " ", "A"};
    std::uniform_int_distribution<std::size_t> piece(0, std::size(kPieces) - 1);
    std::string mark = kPieces[piece(random)];
    mark += kPieces[piece(random)];
    if (mark.front() == ' ')
        mark.front() = 'C';
    return mark + std::to_string(i + 1); // unique, and never ends with a blank
}

} // namespace

core::FieldTexts randomTexts(const core::DesignWindowInfo &window, std::mt19937 &random)
{
    std::uniform_real_distribution<double> scale(-1.0, 1.0);
    std::uniform_int_distribution<int> percent(0, 99);
    core::FieldTexts texts;
    for (const core::InputField &input : window.inputs) {
        const core::Control *row = core::findControl(window.controls, input.control);
        std::string text;
        if (row && row->kind == core::Kind::OptionButton) {
            text = percent(random) < 50 ? core::kSelected : core::kCleared;
        } else if (row && row->kind == core::Kind::ComboBox && !row->items.empty()) {
            const auto items = listItems(row->items);
            text = items[std::uniform_int_distribution<std::size_t>(0, items.size() - 1)(random)];
        } else {
            const std::string_view standard = row ? row->text : "1";
            double value = 1.0;
            std::from_chars(standard.data(), standard.data() + standard.size(), value);
            text = fixed(value * std::exp2(scale(random)), 2);
        }
        if (percent(random) < 2 && !(row && row->kind == core::Kind::OptionButton))
            text.clear();
        texts[std::string(input.control)] = text;
    }
    return texts;
}

project::Project randomProject(project::Catalogue windows, std::mt19937 &random)
{
    project::Project building(windows);
    using namespace std::string_literals;
    expectAccepted(building.setTitle({"Block \"B\", Ground floor\\east", "Ф. Müller", "2025-03-14",
                                      "Line one\nline two,\twith a tab and a nul \0 too"s}));
    std::uniform_int_distribution<std::size_t> count(1, 12);
    const std::size_t footings = count(random);
    for (std::size_t i = 0; i < footings; ++i) {
        const core::DesignWindowInfo &window = *windows[i % windows.size()];
        const int cases = std::max<int>(1, static_cast<int>(window.caseNames.size()));
        project::Footing footing{randomMark(random, i), std::string(window.command),
                                 std::uniform_int_distribution<int>(0, cases - 1)(random),
                                 randomTexts(window, random)};
        expectAccepted(building.insert(building.size(), std::move(footing)));
    }
    return building;
}

std::string fingerprint(const core::DesignResult &result)
{
    std::ostringstream out;
    if (!result.accepted())
        return "refused: " + result.refusal->control + " " + result.refusal->message;
    for (const core::Event &event : result.run.events())
        out << core::describe(event) << "\n";
    for (const core::TraceEntry &entry : result.run.trace()) {
        std::uint64_t bits = 0;
        std::memcpy(&bits, &entry.value, sizeof bits);
        out << entry.symbol << " " << entry.unit << " " << bits << "\n";
    }
    for (const core::Check &check : result.run.checks())
        out << check.footing << "/" << check.name << " " << check.demand << " " << check.capacity
            << " " << static_cast<int>(check.outcome) << "\n";
    return out.str();
}

project::Project sampleProject()
{
    project::Project building(app::designWindows());
    expectAccepted(building.setTitle({"Workshop", "M. Hassan", "2025-03-14", "Revision B."}));
    expectAccepted(building.add("isolated", 2));
    expectAccepted(building.add("strip", 1));
    expectAccepted(building.rename(1, "W1"));
    expectAccepted(building.add("combined"));
    return building;
}

} // namespace project_test
