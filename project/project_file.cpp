// The project file: JSON as docs/project-format.md describes it.

#include "project/project.h"

#include <algorithm>
#include <nlohmann/json.hpp>
#include <set>

namespace project {

namespace {

// Objects keep their keys in the order written, so a file reads top-down as the window does.
using Json = nlohmann::ordered_json;

constexpr std::string_view kBrick = "brick";
constexpr std::string_view kConcrete = "concrete";

// Reads the text into a document in one pass, and finds keys written twice in one object,
// which a JSON library would silently reduce to the last one, saying where: in which footing,
// or elsewhere in the file. (A parse with a callback would find them too, but walks the list
// of footings again at the end of every footing.)
class DocumentReader
{
public:
    explicit DocumentReader(Json &root) : m_root(root) {}

    bool null() { return put(Json(nullptr)); }
    bool boolean(bool value) { return put(Json(value)); }
    bool number_integer(Json::number_integer_t value) { return put(Json(value)); }
    bool number_unsigned(Json::number_unsigned_t value) { return put(Json(value)); }
    bool number_float(Json::number_float_t value, const Json::string_t &)
    {
        return put(Json(value));
    }
    bool string(Json::string_t &value) { return put(Json(std::move(value))); }
    bool binary(Json::binary_t &value) { return put(Json::binary(std::move(value))); }
    bool start_object(std::size_t) { return open(Json::object()); }
    bool start_array(std::size_t) { return open(Json::array()); }
    bool end_object() { return close(); }
    bool end_array() { return close(); }
    bool key(Json::string_t &key)
    {
        Frame &frame = m_frames.back();
        frame.key = key;
        if (!frame.keys.insert(frame.key).second && !m_found)
            m_found = where() + " holds the entry " + quote(frame.key) + " twice.";
        m_slot = &(*frame.value)[key];
        return true;
    }
    // As the library's own parse does: the error, with where it was found.
    template <class Exception>
    bool parse_error(std::size_t, const std::string &, const Exception &error)
    {
        throw error;
    }

    const std::optional<std::string> &found() const { return m_found; }

private:
    struct Frame {
        Json *value;
        std::set<std::string> keys; // objects
        std::string key;            // the key being read (objects)
        std::size_t elements;       // elements begun so far (arrays)
    };

    // Where the next value goes: the document, the end of an array, or an object's key.
    Json *place(Json value)
    {
        if (m_frames.empty()) {
            m_root = std::move(value);
            return &m_root;
        }
        Frame &frame = m_frames.back();
        if (frame.value->is_array()) {
            ++frame.elements;
            frame.value->push_back(std::move(value));
            return &frame.value->back();
        }
        *m_slot = std::move(value);
        return m_slot;
    }
    bool put(Json value)
    {
        place(std::move(value));
        return true;
    }
    bool open(Json value)
    {
        m_frames.push_back({place(std::move(value)), {}, {}, 0});
        return true;
    }
    bool close()
    {
        m_frames.pop_back();
        return true;
    }

    std::string where() const
    {
        if (m_frames.size() >= 3 && m_frames[0].key == "footings" &&
            m_frames[1].value->is_array()) {
            std::string name = footingName(m_frames[1].elements - 1);
            name[0] = 'F';
            return name;
        }
        return "The file";
    }

    Json &m_root;
    std::vector<Frame> m_frames;
    Json *m_slot = nullptr;
    std::optional<std::string> m_found;
};

Problem fileProblem(std::string message)
{
    return {std::move(message), std::nullopt, {}};
}

// nlohmann's messages start with "[json.exception.parse_error.101] " and may end by quoting
// the bytes last read, which in a file that is not text are not text either.
std::string withoutTag(const char *what)
{
    std::string text = what;
    const auto end = text.find("] ");
    if (end != std::string::npos)
        text.erase(0, end + 2);
    if (!isUtf8(text))
        text.erase(std::min(text.find("; last read:"), text.size()));
    return isUtf8(text) ? text : "unreadable bytes";
}

std::string footingPrefix(std::size_t index, std::string_view mark)
{
    std::string name = footingName(index, mark);
    name[0] = 'F';
    return name + ": ";
}

std::optional<Problem> unknownKeys(const Json &object,
                                   std::initializer_list<std::string_view> known,
                                   const std::string &where, std::optional<std::size_t> footing)
{
    for (const auto &[key, value] : object.items()) {
        if (std::find(known.begin(), known.end(), key) == known.end()) {
            std::string list;
            for (std::string_view name : known)
                list += (list.empty() ? "\"" : ", \"") + std::string(name) + "\"";
            return Problem{where + "holds an unknown entry " + quote(key) + " (it may hold " +
                               list + ").",
                           footing,
                           {}};
        }
    }
    return std::nullopt;
}

std::optional<Problem> readTitle(const Json &root, Project &project)
{
    const auto found = root.find("project");
    if (found == root.end())
        return std::nullopt;
    if (!found->is_object())
        return fileProblem("The title block \"project\" must be an object: { \"name\": ... }.");
    if (auto problem = unknownKeys(*found, {"name", "designer", "date", "notes"},
                                   "The title block ", std::nullopt))
        return problem;
    TitleBlock title;
    const std::pair<const char *, std::string *> entries[] = {{"name", &title.name},
                                                              {"designer", &title.designer},
                                                              {"date", &title.date},
                                                              {"notes", &title.notes}};
    for (const auto &[key, text] : entries) {
        const auto entry = found->find(key);
        if (entry == found->end())
            continue;
        if (!entry->is_string())
            return fileProblem(std::string("The title block's \"") + key +
                               "\" must be a text in double quotes.");
        *text = entry->get<std::string>();
    }
    return project.setTitle(std::move(title));
}

// The source of an imported footing: { "support": "A1", "line": 7, "row": "largest P" }.
std::optional<Problem> readSource(const Json &entry, const std::string &prefix, std::size_t index,
                                  Footing &footing)
{
    const std::string form =
        "its \"source\" must be an object: { \"support\": \"A1\", \"line\": 7, \"row\": "
        "\"largest P\" }";
    if (!entry.is_object())
        return Problem{prefix + form + ".", index, {}};
    if (auto problem =
            unknownKeys(entry, {"support", "line", "row"}, prefix + "its source ", index))
        return problem;
    ReactionSource source;
    const auto support = entry.find("support");
    const auto line = entry.find("line");
    const auto row = entry.find("row");
    if (support == entry.end() || !support->is_string() || line == entry.end() ||
        !line->is_number_unsigned() || (row != entry.end() && !row->is_string()))
        return Problem{prefix + form + ".", index, {}};
    source.support = support->get<std::string>();
    source.line = line->get<std::size_t>();
    if (row != entry.end())
        source.row = row->get<std::string>();
    footing.source = std::move(source);
    return std::nullopt;
}

std::optional<Problem> readFooting(const Json &item, std::size_t index, int version,
                                   Project &project)
{
    if (!item.is_object())
        return Problem{footingPrefix(index, {}) + "a footing must be an object: { \"mark\": ... }.",
                       index,
                       {}};
    const auto text = [&](const char *key) -> const Json * {
        const auto found = item.find(key);
        return found == item.end() ? nullptr : &*found;
    };
    const Json *mark = text("mark");
    if (!mark || !mark->is_string())
        return Problem{
            footingPrefix(index, {}) + "its \"mark\" must be a text in double quotes.", index, {}};
    Footing footing;
    footing.mark = mark->get<std::string>();
    const std::string prefix = footingPrefix(index, footing.mark);
    if (auto problem =
            version >= kDefaultsAndSourcesVersion
                ? unknownKeys(item, {"mark", "window", "case", "wall", "inputs", "source"}, prefix,
                              index)
                : unknownKeys(item, {"mark", "window", "case", "wall", "inputs"}, prefix, index))
        return problem;

    const Json *windowName = text("window");
    if (!windowName || !windowName->is_string())
        return Problem{prefix + "its \"window\" must be a text in double quotes.", index, {}};
    footing.window = windowName->get<std::string>();
    const core::DesignWindowInfo *window = findWindow(project.windows(), footing.window);
    if (!window) {
        // Refused by the same check as any other edit, in the same words.
        return project.insert(index, std::move(footing));
    }

    const Json *footingCase = text("case");
    if (!window->caseNames.empty()) {
        if (!footingCase || !footingCase->is_number_integer() || *footingCase < 0 ||
            *footingCase >= static_cast<int>(window->caseNames.size()))
            return Problem{prefix + "its \"case\" must be a whole number from 0 to " +
                               std::to_string(window->caseNames.size() - 1) + ".",
                           index,
                           {}};
        footing.footingCase = footingCase->get<int>();
    } else if (footingCase) {
        return Problem{prefix + "the " + footing.window + " window has no cases.", index, {}};
    }

    const Json *wall = text("wall");
    if (!window->wallOption.empty()) {
        if (!wall || !wall->is_string() || (*wall != kBrick && *wall != kConcrete))
            return Problem{prefix + "its \"wall\" must be \"brick\" or \"concrete\".", index,
                           std::string(window->wallOption)};
        footing.texts[std::string(window->wallOption)] =
            *wall == kBrick ? core::kSelected : core::kCleared;
    } else if (wall) {
        return Problem{prefix + "the " + footing.window + " window has no wall type.", index, {}};
    }

    const Json *inputs = text("inputs");
    if (!inputs || !inputs->is_object())
        return Problem{
            prefix + "its \"inputs\" must be an object: { \"Text1\": \"90\", ... }.", index, {}};
    for (const auto &[control, value] : inputs->items()) {
        if (control == window->wallOption)
            return Problem{prefix + "the wall type is written as \"wall\", not as field \"" +
                               control + "\".",
                           index, control};
        if (!value.is_string())
            return Problem{prefix + "the text of field " + quote(control) +
                               " must be in double quotes, as typed: \"90\", not 90.",
                           index, control};
        footing.texts[control] = value.get<std::string>();
    }
    if (const Json *source = text("source")) {
        if (auto problem = readSource(*source, prefix, index, footing))
            return problem;
    }
    return project.insert(index, std::move(footing));
}

// "defaults": { "isolated": { "Text4": "7.5" }, "strip": { "wall": "concrete" } }
std::optional<Problem> readDefaults(const Json &root, Project &project)
{
    const auto found = root.find("defaults");
    if (found == root.end())
        return std::nullopt;
    const std::string form = "The defaults must be an object of windows, each an object of "
                             "texts: \"defaults\": { \"isolated\": { \"Text4\": \"7.5\" } }.";
    if (!found->is_object())
        return fileProblem(form);
    for (const auto &[name, entries] : found->items()) {
        const core::DesignWindowInfo *window = findWindow(project.windows(), name);
        if (window && !entries.is_object())
            return fileProblem(form);
        core::FieldTexts texts;
        if (window) {
            for (const auto &[control, value] : entries.items()) {
                if (!window->wallOption.empty() && control == "wall") {
                    if (value != kBrick && value != kConcrete)
                        return Problem{"The defaults of the " + name +
                                           " window: its \"wall\" must be \"brick\" or "
                                           "\"concrete\".",
                                       {},
                                       std::string(window->wallOption)};
                    texts[std::string(window->wallOption)] =
                        value == kBrick ? core::kSelected : core::kCleared;
                    continue;
                }
                if (control == window->wallOption)
                    return Problem{"The defaults of the " + name +
                                       " window: the wall type is written as \"wall\", not as "
                                       "field \"" +
                                       control + "\".",
                                   {},
                                   control};
                if (!value.is_string())
                    return Problem{"The defaults of the " + name + " window: the text of field " +
                                       quote(control) +
                                       " must be in double quotes, as typed: \"90\", not 90.",
                                   {},
                                   control};
                texts[control] = value.get<std::string>();
            }
        }
        // An unknown window is refused here, in the words of any other edit.
        if (auto problem = project.setDefaults(name, std::move(texts)))
            return problem;
    }
    return std::nullopt;
}

std::optional<Problem> readProject(std::string_view text, Project &project)
{
    Json root;
    DocumentReader reader(root);
    try {
        Json::sax_parse(text.begin(), text.end(), &reader);
    } catch (const Json::parse_error &error) {
        if (error.byte >= text.size())
            return fileProblem("The file ends before the project does: it is cut short (" +
                               withoutTag(error.what()) + ").");
        return fileProblem("The file is not valid JSON (" + withoutTag(error.what()) + ").");
    } catch (const Json::exception &error) {
        return fileProblem("The file is not valid JSON (" + withoutTag(error.what()) + ").");
    }
    if (reader.found())
        return fileProblem(*reader.found());

    const std::string kind = "\"format\": \"" + std::string(kFormatName) + "\"";
    if (!root.is_object() || !root.contains("format") || root["format"] != kFormatName)
        return fileProblem("The file is not a foundations project: it has no " + kind + ".");
    const auto version = root.find("version");
    if (version == root.end() || !version->is_number_integer() || *version < 1)
        return fileProblem("The file gives no version of its format: it needs \"version\": " +
                           std::to_string(kFormatVersion) + ".");
    if (*version > kFormatVersion) {
        const std::string written = version->is_number_unsigned()
                                        ? std::to_string(version->get<std::uint64_t>())
                                        : std::to_string(version->get<std::int64_t>());
        return fileProblem("The file was written by a later version of the program (project "
                           "format " +
                           written + "); this version reads format " +
                           std::to_string(kFormatVersion) + ". Open it with a newer program.");
    }
    const int read = version->get<int>();
    if (auto problem =
            read >= kDefaultsAndSourcesVersion
                ? unknownKeys(root, {"format", "version", "project", "defaults", "footings"},
                              "The file ", std::nullopt)
                : unknownKeys(root, {"format", "version", "project", "footings"}, "The file ",
                              std::nullopt))
        return problem;
    if (auto problem = readTitle(root, project))
        return problem;
    if (auto problem = readDefaults(root, project))
        return problem;

    const auto footings = root.find("footings");
    if (footings == root.end() || !footings->is_array())
        return fileProblem("The file has no list of footings: it needs \"footings\": [ ... ].");
    for (std::size_t i = 0; i < footings->size(); ++i) {
        if (auto problem = readFooting((*footings)[i], i, read, project))
            return problem;
    }
    return std::nullopt;
}

} // namespace

int Project::formatVersion() const
{
    const bool anySource = std::any_of(m_footings.begin(), m_footings.end(),
                                       [](const Footing &footing) { return footing.source; });
    return m_defaults.empty() && !anySource ? 1 : kDefaultsAndSourcesVersion;
}

std::string Project::toJson() const
{
    Json root;
    root["format"] = kFormatName;
    root["version"] = formatVersion();
    root["project"] = {{"name", m_title.name},
                       {"designer", m_title.designer},
                       {"date", m_title.date},
                       {"notes", m_title.notes}};
    if (!m_defaults.empty()) {
        Json defaults = Json::object();
        for (const core::DesignWindowInfo *window : m_windows) {
            const auto own = m_defaults.find(window->command);
            if (own == m_defaults.end())
                continue;
            Json texts = Json::object();
            for (const core::InputField &input : window->inputs) {
                const auto found = own->second.find(input.control);
                if (found == own->second.end())
                    continue;
                if (input.control == window->wallOption)
                    texts["wall"] = found->second == core::kSelected ? kBrick : kConcrete;
                else
                    texts[std::string(input.control)] = found->second;
            }
            defaults[std::string(window->command)] = std::move(texts);
        }
        root["defaults"] = std::move(defaults);
    }
    Json footings = Json::array();
    for (const Footing &footing : m_footings) {
        const core::DesignWindowInfo &window = windowOf(footing);
        Json item;
        item["mark"] = footing.mark;
        item["window"] = footing.window;
        if (!window.caseNames.empty())
            item["case"] = footing.footingCase;
        if (!window.wallOption.empty()) {
            const auto wall = footing.texts.find(window.wallOption);
            const bool brick = wall != footing.texts.end() && wall->second == core::kSelected;
            item["wall"] = brick ? kBrick : kConcrete;
        }
        Json inputs = Json::object();
        for (const core::InputField &input : window.inputs) {
            if (input.control == window.wallOption)
                continue;
            const auto found = footing.texts.find(input.control);
            inputs[std::string(input.control)] =
                found == footing.texts.end() ? std::string() : found->second;
        }
        item["inputs"] = std::move(inputs);
        if (footing.source)
            item["source"] = {{"support", footing.source->support},
                              {"line", footing.source->line},
                              {"row", footing.source->row}};
        footings.push_back(std::move(item));
    }
    root["footings"] = std::move(footings);
    // Every text was checked to be UTF-8 when it came in; replacing never happens.
    return root.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

std::optional<Problem> Project::readJson(std::string_view json)
{
    Project read(m_windows);
    if (auto problem = readProject(json, read))
        return problem;
    *this = std::move(read);
    return std::nullopt;
}

std::optional<Problem> Project::open(const std::filesystem::path &file)
{
    std::string contents;
    if (auto problem = readSmallFile(file, kFileSizeLimit, contents))
        return Problem{std::move(*problem), std::nullopt, {}};
    return readJson(contents);
}

std::optional<Problem> Project::save(const std::filesystem::path &file,
                                     const WriteHooks &hooks) const
{
    if (auto problem = writeFileAtomically(file, toJson(), hooks))
        return Problem{std::move(*problem), std::nullopt, {}};
    return std::nullopt;
}

} // namespace project
