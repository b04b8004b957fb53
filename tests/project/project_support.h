#pragma once

#include "project/project.h"

#include <filesystem>
#include <random>
#include <string>

namespace project_test {

// A folder of its own for one test, removed with everything in it afterwards.
class TempFolder
{
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder &) = delete;
    TempFolder &operator=(const TempFolder &) = delete;

    std::filesystem::path path(const std::string &name) const { return m_path / name; }
    const std::filesystem::path &path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

// Fails the test with the problem's message if there is one.
void expectAccepted(const std::optional<project::Problem> &problem);

std::string readText(const std::filesystem::path &file);
void writeText(const std::filesystem::path &file, const std::string &text);

// Texts a user could have typed into every input of the window: numbers around the
// defaults, list entries, options either way, and now and then an empty field.
core::FieldTexts randomTexts(const core::DesignWindowInfo &window, std::mt19937 &random);

// A project of random footings of every window and case, with marks and a title block that
// hold quotes, backslashes, commas, line breaks and characters beyond ASCII.
project::Project randomProject(project::Catalogue windows, std::mt19937 &random);

// Everything a run hands to a window and a report, for comparing two runs: each event, each
// trace entry with its value to the last bit, each check, or the refusal.
std::string fingerprint(const core::DesignResult &result);

// A small valid project of the program's four windows: F1 isolated, W1 strip, F2 combined.
project::Project sampleProject();

} // namespace project_test
