#pragma once

#include "core/design.h"
#include "project/atomic_file.h"

#include <cstddef>
#include <filesystem>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace project {

// The design windows a project's footings may be designed in; the program passes its four.
using Catalogue = std::span<const core::DesignWindowInfo *const>;

// What a project file says it is, and the latest version of its format this program reads. A
// project is written in the earliest version that holds all of it (Project::formatVersion), so
// a file that uses nothing new still opens in the programs that read only version 1.
inline constexpr std::string_view kFormatName = "foundations-project";
inline constexpr int kFormatVersion = 2;
// The first version with per-window default texts and the sources of imported footings.
inline constexpr int kDefaultsAndSourcesVersion = 2;
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

// Where the loads of an imported footing came from: the support of the structural analysis and
// the row of its table of reactions that governs the footing.
struct ReactionSource {
    std::string support;  // the support's label in the table: "A1"
    std::size_t line = 0; // the line of the table that row starts on, from 1
    std::string row;      // which row governs, in words: "largest P of 3 rows"

    friend bool operator==(const ReactionSource &, const ReactionSource &) = default;
};

// "line 7, largest P of 3 rows": the governing row as the schedule writes it.
std::string governingRowText(const ReactionSource &source);

// One footing of the building: its mark on the drawings, the design window and case it is
// designed in, and the text of every input, list and option of that window by control name,
// exactly as typed (the strip window's wall type is its option among the texts).
struct Footing {
    std::string mark;    // "F1"
    std::string window;  // the window's command: "isolated", "strip", "combined", "strap"
    int footingCase = 0; // 0 for a window without cases
    core::FieldTexts texts;
    std::optional<ReactionSource> source; // for a footing imported from a table of reactions

    friend bool operator==(const Footing &, const Footing &) = default;
};

// The texts a project gives the fields of a window's new footings in place of the window's own
// defaults: by window command, then by control. A field not listed keeps the window's default.
using WindowDefaults = std::map<std::string, core::FieldTexts, std::less<>>;

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

    const WindowDefaults &defaults() const { return m_defaults; }
    // Replaces the project's default texts of a window by `texts` (none clears them), each
    // checked as a footing's text is (fieldTextProblem), all or none.
    std::optional<Problem> setDefaults(std::string_view window, core::FieldTexts texts);
    // The texts a new footing of the window starts with: the window's defaults for the case,
    // with the project's in their place where it has them. Empty for a window not in the
    // catalogue.
    core::FieldTexts defaultTexts(std::string_view window, int footingCase = 0) const;

    const std::vector<Footing> &footings() const { return m_footings; }
    std::size_t size() const { return m_footings.size(); }
    // The window a footing is designed in (its window is always in the catalogue).
    const core::DesignWindowInfo &windowOf(const Footing &footing) const;
    // What the footing's window would design: its case and texts.
    core::DesignRequest request(std::size_t index) const;

    // Appends a footing of `window` and case at the project's default texts (defaultTexts),
    // marked with nextMark().
    std::optional<Problem> add(std::string_view window, int footingCase = 0);
    // Inserts a footing at `index` (size() appends) after checking all of it.
    std::optional<Problem> insert(std::size_t index, Footing footing);
    // Appends every footing after checking each of them against the project and the others,
    // or refuses the first that cannot come in and appends none.
    std::optional<Problem> append(std::vector<Footing> footings);
    // The footing whose mark is this one, compared as marks are (without regard to the case of
    // ASCII letters), or nullopt.
    std::optional<std::size_t> findMark(std::string_view mark) const;
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

    // The version of the format the project is written in: 1 when it has no defaults and no
    // footing with a source, else kDefaultsAndSourcesVersion.
    int formatVersion() const;
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
        return a.m_title == b.m_title && a.m_defaults == b.m_defaults &&
               a.m_footings == b.m_footings;
    }

private:
    std::optional<Problem> checkFooting(const Footing &footing, std::size_t index,
                                        std::optional<std::size_t> replacing) const;
    std::optional<Problem> checkMark(std::string_view mark, std::size_t index,
                                     std::optional<std::size_t> replacing) const;

    Catalogue m_windows;
    TitleBlock m_title;
    WindowDefaults m_defaults;
    std::vector<Footing> m_footings;
    // Every footing's mark with its ASCII letters in lower case, so a mark is checked against
    // the others at once rather than one by one (a project of thousands of imported footings).
    std::unordered_set<std::string> m_marks;
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

// A mark as marks are compared: ASCII letters in lower case ("f1" and "F1" are one mark).
std::string foldedMark(std::string_view mark);

// True when `text` is valid UTF-8.
bool isUtf8(std::string_view text);

} // namespace project
