#include "project/project.h"

#include "core/number_text.h"

#include <algorithm>
#include <charconv>

namespace project {

namespace {

char lowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool isControl(unsigned char c)
{
    return c < 0x20 || c == 0x7F;
}

bool isOneLine(std::string_view text)
{
    return isUtf8(text) && std::none_of(text.begin(), text.end(), [](char c) {
               return isControl(static_cast<unsigned char>(c));
           });
}

std::optional<std::string> sourceProblem(const ReactionSource &source)
{
    if (!isOneLine(source.support) || !isOneLine(source.row))
        return "its source names the support or the row with text that is not one line of "
               "UTF-8 text";
    if (source.line == 0)
        return "its source gives the line of the table as 0; lines count from 1";
    return std::nullopt;
}

std::string capitalised(std::string text)
{
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z')
        text[0] = static_cast<char>(text[0] - 'a' + 'A');
    return text;
}

std::string windowList(Catalogue windows)
{
    std::string list;
    for (std::size_t i = 0; i < windows.size(); ++i) {
        if (i > 0)
            list += i + 1 == windows.size() ? " or " : ", ";
        list += windows[i]->command;
    }
    return list;
}

std::string fieldName(const core::DesignWindowInfo &window, std::string_view control)
{
    const std::string_view caption = core::captionOf(window, control);
    std::string name = "field \"" + std::string(control) + "\"";
    if (!caption.empty())
        name += " (" + std::string(caption) + ")";
    return name;
}

const core::InputField *findInput(const core::DesignWindowInfo &window, std::string_view control)
{
    const auto found =
        std::find_if(window.inputs.begin(), window.inputs.end(),
                     [&](const core::InputField &f) { return f.control == control; });
    return found == window.inputs.end() ? nullptr : &*found;
}

bool isOption(const core::DesignWindowInfo &window, std::string_view control)
{
    const core::Control *row = core::findControl(window.controls, control);
    return row && row->kind == core::Kind::OptionButton;
}

std::optional<std::string> caseProblem(const core::DesignWindowInfo &window, int footingCase)
{
    const auto cases = static_cast<int>(window.caseNames.size());
    if (cases == 0 && footingCase != 0)
        return "the " + std::string(window.command) + " window has no cases";
    if (cases > 0 && (footingCase < 0 || footingCase >= cases))
        return "the case of the " + std::string(window.command) + " window is a number from 0 to " +
               std::to_string(cases - 1) + ", not " + std::to_string(footingCase);
    return std::nullopt;
}

Problem problemAt(std::size_t index, std::string_view mark, const std::string &what,
                  std::string field = {})
{
    return {capitalised(footingName(index, mark)) + ": " + what + ".", index, std::move(field)};
}

} // namespace

const core::DesignWindowInfo *findWindow(Catalogue windows, std::string_view command)
{
    for (const core::DesignWindowInfo *window : windows) {
        if (window->command == command)
            return window;
    }
    return nullptr;
}

std::string quote(std::string_view text)
{
    return core::quoteTyped(text);
}

std::string footingName(std::size_t index, std::string_view mark)
{
    std::string name = "footing " + std::to_string(index + 1);
    if (!mark.empty())
        name += " (" + quote(mark) + ")";
    return name;
}

std::string foldedMark(std::string_view mark)
{
    std::string folded(mark);
    std::transform(folded.begin(), folded.end(), folded.begin(), lowerAscii);
    return folded;
}

std::string governingRowText(const ReactionSource &source)
{
    std::string text = "line " + std::to_string(source.line);
    if (!source.row.empty())
        text += ", " + source.row;
    return text;
}

bool isUtf8(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        std::size_t length = 0;
        char32_t code = 0;
        if (c < 0x80) {
            ++i;
            continue;
        } else if ((c & 0xE0) == 0xC0) {
            length = 2;
            code = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            length = 3;
            code = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            length = 4;
            code = c & 0x07;
        } else {
            return false;
        }
        if (i + length > text.size())
            return false;
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (next & 0x3F);
        }
        // No overlong forms, no surrogates, nothing above U+10FFFF.
        constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
        if (code < kLeast[length] || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF)
            return false;
        i += length;
    }
    return true;
}

std::optional<std::string> markProblem(std::string_view mark)
{
    if (mark.find_first_not_of(" \t") == std::string_view::npos)
        return "a footing needs a mark";
    if (!isUtf8(mark))
        return "the mark is not valid UTF-8 text";
    if (std::any_of(mark.begin(), mark.end(),
                    [](char c) { return isControl(static_cast<unsigned char>(c)); }))
        return "the mark " + quote(mark) + " holds a control character (a tab or a line break)";
    if (mark.front() == ' ' || mark.back() == ' ')
        return "the mark " + quote(mark) + " starts or ends with a blank";
    return std::nullopt;
}

std::optional<std::string> fieldTextProblem(const core::DesignWindowInfo &window,
                                            std::string_view control, std::string_view text)
{
    if (!findInput(window, control))
        return "the " + std::string(window.command) + " window has no field " + quote(control);
    if (isOption(window, control)) {
        if (text == core::kSelected || text == core::kCleared)
            return std::nullopt;
        return fieldName(window, control) + " is an option: \"" + std::string(core::kSelected) +
               "\" selects it and \"" + std::string(core::kCleared) + "\" clears it, not " +
               quote(text);
    }
    const core::ParsedNumber parsed = core::parseNumber(text);
    if (parsed.ok() || parsed.error == core::NumberTextError::Empty)
        return std::nullopt;
    if (parsed.error == core::NumberTextError::OutOfRange)
        return fieldName(window, control) + " holds " + quote(text) +
               ", a number too large or too small to design with";
    return fieldName(window, control) + " must hold a number written with a decimal point, and " +
           quote(text) + " is not one";
}

Project::Project(Catalogue windows) : m_windows(windows) {}

std::optional<Problem> Project::setTitle(TitleBlock title)
{
    for (const std::string *text : {&title.name, &title.designer, &title.date, &title.notes}) {
        if (!isUtf8(*text))
            return Problem{"The title block holds text that is not valid UTF-8.", {}, {}};
    }
    m_title = std::move(title);
    return std::nullopt;
}

std::optional<Problem> Project::setDefaults(std::string_view windowName, core::FieldTexts texts)
{
    const core::DesignWindowInfo *window = findWindow(m_windows, windowName);
    if (!window)
        return Problem{"The defaults name the window " + quote(windowName) +
                           ", which is not one of " + windowList(m_windows) + ".",
                       {},
                       {}};
    for (const auto &[control, text] : texts) {
        if (const auto problem = fieldTextProblem(*window, control, text))
            return Problem{"The defaults of the " + std::string(window->command) +
                               " window: " + *problem + ".",
                           {},
                           control};
    }
    if (texts.empty())
        m_defaults.erase(std::string(window->command));
    else
        m_defaults[std::string(window->command)] = std::move(texts);
    return std::nullopt;
}

core::FieldTexts Project::defaultTexts(std::string_view windowName, int footingCase) const
{
    const core::DesignWindowInfo *window = findWindow(m_windows, windowName);
    if (!window)
        return {};
    core::FieldTexts texts = core::defaultRequest(*window, footingCase).texts;
    if (const auto own = m_defaults.find(windowName); own != m_defaults.end()) {
        for (const auto &[control, text] : own->second)
            texts[control] = text;
    }
    return texts;
}

const core::DesignWindowInfo &Project::windowOf(const Footing &footing) const
{
    // Every footing of a project was checked against the catalogue when it came in.
    return *findWindow(m_windows, footing.window);
}

core::DesignRequest Project::request(std::size_t index) const
{
    const Footing &footing = m_footings.at(index);
    return {footing.footingCase, footing.texts};
}

std::optional<Problem> Project::checkMark(std::string_view mark, std::size_t index,
                                          std::optional<std::size_t> replacing) const
{
    if (const auto problem = markProblem(mark))
        return problemAt(index, {}, *problem);
    if (!m_marks.contains(foldedMark(mark)))
        return std::nullopt;
    const std::optional<std::size_t> other = findMark(mark);
    if (!other || other == replacing)
        return std::nullopt;
    return problemAt(index, mark,
                     "the mark " + quote(mark) + " is already used by " +
                         footingName(*other, m_footings[*other].mark));
}

std::optional<std::size_t> Project::findMark(std::string_view mark) const
{
    const std::string folded = foldedMark(mark);
    if (!m_marks.contains(folded))
        return std::nullopt;
    for (std::size_t i = 0; i < m_footings.size(); ++i) {
        if (foldedMark(m_footings[i].mark) == folded)
            return i;
    }
    return std::nullopt;
}

std::optional<Problem> Project::checkFooting(const Footing &footing, std::size_t index,
                                             std::optional<std::size_t> replacing) const
{
    if (const auto problem = checkMark(footing.mark, index, replacing))
        return problem;
    const core::DesignWindowInfo *window = findWindow(m_windows, footing.window);
    if (!window)
        return problemAt(index, footing.mark,
                         "the window " + quote(footing.window) + " is not one of " +
                             windowList(m_windows));
    if (const auto problem = caseProblem(*window, footing.footingCase))
        return problemAt(index, footing.mark, *problem);
    for (const auto &[control, text] : footing.texts) {
        if (const auto problem = fieldTextProblem(*window, control, text))
            return problemAt(index, footing.mark, *problem, control);
    }
    for (const core::InputField &input : window->inputs) {
        if (!footing.texts.contains(input.control))
            return problemAt(index, footing.mark,
                             "the text of " + fieldName(*window, input.control) + " is missing",
                             std::string(input.control));
    }
    if (footing.source) {
        if (const auto problem = sourceProblem(*footing.source))
            return problemAt(index, footing.mark, *problem);
    }
    return std::nullopt;
}

std::optional<Problem> Project::add(std::string_view windowName, int footingCase)
{
    const core::DesignWindowInfo *window = findWindow(m_windows, windowName);
    if (!window)
        return problemAt(m_footings.size(), {},
                         "the window " + quote(windowName) + " is not one of " +
                             windowList(m_windows));
    Footing footing{nextMark(), std::string(window->command), footingCase,
                    defaultTexts(window->command, footingCase)};
    return insert(m_footings.size(), std::move(footing));
}

std::optional<Problem> Project::insert(std::size_t index, Footing footing)
{
    if (index > m_footings.size())
        return Problem{
            "There is no place " + std::to_string(index + 1) + " in the schedule.", {}, {}};
    if (auto problem = checkFooting(footing, index, std::nullopt))
        return problem;
    m_marks.insert(foldedMark(footing.mark));
    m_footings.insert(m_footings.begin() + static_cast<std::ptrdiff_t>(index), std::move(footing));
    return std::nullopt;
}

std::optional<Problem> Project::append(std::vector<Footing> footings)
{
    const std::size_t first = m_footings.size();
    m_footings.reserve(first + footings.size());
    for (Footing &footing : footings) {
        if (auto problem = checkFooting(footing, m_footings.size(), std::nullopt)) {
            for (std::size_t i = first; i < m_footings.size(); ++i)
                m_marks.erase(foldedMark(m_footings[i].mark));
            m_footings.resize(first);
            return problem;
        }
        m_marks.insert(foldedMark(footing.mark));
        m_footings.push_back(std::move(footing));
    }
    return std::nullopt;
}

std::optional<Problem> Project::duplicate(std::size_t index)
{
    if (index >= m_footings.size())
        return Problem{"There is no " + footingName(index) + ".", {}, {}};
    Footing copy = m_footings[index];
    copy.mark = nextMark();
    return insert(index + 1, std::move(copy));
}

std::optional<Problem> Project::remove(std::size_t index)
{
    if (index >= m_footings.size())
        return Problem{"There is no " + footingName(index) + ".", {}, {}};
    m_marks.erase(foldedMark(m_footings[index].mark));
    m_footings.erase(m_footings.begin() + static_cast<std::ptrdiff_t>(index));
    return std::nullopt;
}

std::optional<Problem> Project::move(std::size_t from, std::size_t to)
{
    if (from >= m_footings.size() || to >= m_footings.size())
        return Problem{"There is no " + footingName(std::max(from, to)) + ".", {}, {}};
    const auto first = m_footings.begin();
    if (from < to)
        std::rotate(first + static_cast<std::ptrdiff_t>(from),
                    first + static_cast<std::ptrdiff_t>(from) + 1,
                    first + static_cast<std::ptrdiff_t>(to) + 1);
    else
        std::rotate(first + static_cast<std::ptrdiff_t>(to),
                    first + static_cast<std::ptrdiff_t>(from),
                    first + static_cast<std::ptrdiff_t>(from) + 1);
    return std::nullopt;
}

std::optional<Problem> Project::rename(std::size_t index, std::string_view mark)
{
    if (index >= m_footings.size())
        return Problem{"There is no " + footingName(index) + ".", {}, {}};
    if (auto problem = checkMark(mark, index, index))
        return problem;
    m_marks.erase(foldedMark(m_footings[index].mark));
    m_marks.insert(foldedMark(mark));
    m_footings[index].mark = std::string(mark);
    return std::nullopt;
}

std::optional<Problem> Project::setCase(std::size_t index, int footingCase)
{
    if (index >= m_footings.size())
        return Problem{"There is no " + footingName(index) + ".", {}, {}};
    Footing &footing = m_footings[index];
    if (const auto problem = caseProblem(windowOf(footing), footingCase))
        return problemAt(index, footing.mark, *problem);
    footing.footingCase = footingCase;
    return std::nullopt;
}

std::optional<Problem> Project::setTexts(std::size_t index, const core::FieldTexts &texts)
{
    if (index >= m_footings.size())
        return Problem{"There is no " + footingName(index) + ".", {}, {}};
    Footing &footing = m_footings[index];
    const core::DesignWindowInfo &window = windowOf(footing);
    for (const auto &[control, text] : texts) {
        if (const auto problem = fieldTextProblem(window, control, text))
            return problemAt(index, footing.mark, *problem, control);
    }
    for (const auto &[control, text] : texts)
        footing.texts[control] = text;
    return std::nullopt;
}

std::string Project::nextMark() const
{
    long highest = 0;
    for (const Footing &footing : m_footings) {
        const std::string_view mark = footing.mark;
        const std::string_view digits = mark.substr(std::min<std::size_t>(1, mark.size()));
        if (mark.empty() || lowerAscii(mark[0]) != 'f' || digits.empty() || digits.size() > 9 ||
            !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
            continue;
        long number = 0;
        std::from_chars(digits.data(), digits.data() + digits.size(), number);
        highest = std::max(highest, number);
    }
    return "F" + std::to_string(highest + 1);
}

} // namespace project
