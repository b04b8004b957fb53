#pragma once

#include "core/design.h"
#include "project/atomic_file.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace project {

// The design windows a project's footings may be designed in; the program passes its four.
using Catalogue = std::span<const core::DesignWindowInfo *const>;

// What a project file says it is, and the version of its format this program writes (and
// the latest it reads).
inline constexpr std::string_view kFormatName = "foundations-project";
inline constexpr int kFormatVersion = 1;
inline constexpr std::string_view kFileSuffix = ".fdn";
// A project file is refused beyond this size rather than read into memory.
inline constexpr std::size_t kFileSizeLimit = 8 * 1024 * 1024;

// The head of the project: what the schedule and the printed calculation are headed with.
struct TitleBlock {
    std::string name;
    std::string designer;
    std::string date; // as the designer writes it
    std::string notes;

    friend bool operator==(const TitleBlock &, const TitleBlock &) = default;
};

// One footing of the building: its mark on the drawings, the design window and case it is
// designed in, and the text of every input, list and option of that window by control name,
// exactly as typed (the strip window's wall type is its option among the texts).
struct Footing {
    std::string mark;    // "F1"
    std::string window;  // the window's command: "isolated", "strip", "combined", "strap"
    int footingCase = 0; // 0 for a window without cases
    core::FieldTexts texts;

    friend bool operator==(const Footing &, const Footing &) = default;
};

// Why a file or an edit was refused.
struct Problem {
    std::string message;                // a whole sentence naming the footing and the field
    std::optional<std::size_t> footing; // the footing it concerns, by position
    std::string field;                  // the control of the field it concerns, if any
};

// A building's footings and its title block. Every edit either applies completely or is
// refused with a Problem and changes nothing, so the project always holds what a file can
// hold: known windows and cases, a text for every input of the window, number texts that
// are numbers (or still empty), option texts that are options, and marks that are unique.
// A table model can wrap it; telling views about changes is left to the caller.
class Project
{
public:
    // The catalogue is kept by reference: it must outlive the project (the program's is
    // static).
    explicit Project(Catalogue windows);

    Catalogue windows() const { return m_windows; }

    const TitleBlock &title() const { return m_title; }
    std::optional<Problem> setTitle(TitleBlock title);

    const std::vector<Footing> &footings() const { return m_footings; }
    std::size_t size() const { return m_footings.size(); }
    // The window a footing is designed in (its window is always in the catalogue).
    const core::DesignWindowInfo &windowOf(const Footing &footing) const;
    // What the footing's window would design: its case and texts.
    core::DesignRequest request(std::size_t index) const;

    // Appends a footing of `window` and case at the window's default texts, marked with
    // nextMark().
    std::optional<Problem> add(std::string_view window, int footingCase = 0);
    // Inserts a footing at `index` (size() appends) after checking all of it.
    std::optional<Problem> insert(std::size_t index, Footing footing);
    // Copies a footing to the place after it, marked with nextMark().
    std::optional<Problem> duplicate(std::size_t index);
    std::optional<Problem> remove(std::size_t index);
    std::optional<Problem> move(std::size_t from, std::size_t to);
    std::optional<Problem> rename(std::size_t index, std::string_view mark);
    std::optional<Problem> setCase(std::size_t index, int footingCase);
    // Sets the given texts of a footing's fields, all of them or none.
    std::optional<Problem> setTexts(std::size_t index, const core::FieldTexts &texts);

    // "F" and one more than the highest number of an "F<number>" mark: F1, F2, ...
    std::string nextMark() const;

    // The project as the text of a project file (docs/project-format.md).
    std::string toJson() const;
    // Replaces the whole project by the one in `json`, or refuses it and keeps this one.
    std::optional<Problem> readJson(std::string_view json);
    // readJson on a file's contents; a file that cannot be read is refused the same way.
    std::optional<Problem> open(const std::filesystem::path &file);
    // Writes the project file through a temporary file and a rename (writeFileAtomically).
    std::optional<Problem> save(const std::filesystem::path &file,
                                const WriteHooks &hooks = {}) const;

    friend bool operator==(const Project &a, const Project &b)
    {
        return a.m_title == b.m_title && a.m_footings == b.m_footings;
    }

private:
    std::optional<Problem> checkFooting(const Footing &footing, std::size_t index,
                                        std::optional<std::size_t> replacing) const;
    std::optional<Problem> checkMark(std::string_view mark, std::size_t index,
                                     std::optional<std::size_t> replacing) const;

    Catalogue m_windows;
    TitleBlock m_title;
    std::vector<Footing> m_footings;
};

// The window of the catalogue with this command, or nullptr.
const core::DesignWindowInfo *findWindow(Catalogue windows, std::string_view command);

// How messages quote a text from a file or a field: as core::quoteTyped quotes typed text,
// on one short line with control characters escaped.
std::string quote(std::string_view text);

// How messages name a footing: `footing 3 ("F3")`, or `footing 3` before its mark is known.
std::string footingName(std::size_t index, std::string_view mark = {});

// Why a text cannot be the text of this field of the window, or nullopt if it can: the
// field must be one of the window's inputs; an option takes kSelected or kCleared; any other
// field a number, or nothing yet. The message starts with the field: `field "Text7" (fcu ...)`.
std::optional<std::string> fieldTextProblem(const core::DesignWindowInfo &window,
                                            std::string_view control, std::string_view text);

// Why a mark cannot be used, or nullopt: it must have a character that is not a blank, no
// blanks at its ends and no control characters, and be valid UTF-8.
std::optional<std::string> markProblem(std::string_view mark);

// True when `text` is valid UTF-8.
bool isUtf8(std::string_view text);

} // namespace project
