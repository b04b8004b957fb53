#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace project {

// Ways to make a write fail where a real one can, so the tests can show what is left behind.
struct WriteHooks {
    // Called once the temporary file is complete and on disk, just before it replaces the
    // target. Returning false abandons the write there, as a crash would: the temporary file
    // stays and the target is untouched.
    std::function<bool(const std::filesystem::path &temporary)> beforeRename;
    // Makes the write report a full disk after this many bytes.
    std::optional<std::size_t> diskFullAfter;
};

// Writes `contents` to `target` so that the target is at every moment either its old
// contents or the new contents complete: the text goes to a new file in the same folder, is
// flushed to the disk, and is then renamed over the target (a symbolic link is followed, and
// the target's permissions kept). On failure the target is untouched, the temporary file is
// removed, and the message says what failed ("cannot write ...: No space left on device").
std::optional<std::string> writeFileAtomically(const std::filesystem::path &target,
                                               std::string_view contents,
                                               const WriteHooks &hooks = {});

// Reads a whole file of at most `limit` bytes into `contents`; on failure the message says
// why.
std::optional<std::string> readSmallFile(const std::filesystem::path &file, std::size_t limit,
                                         std::string &contents);

} // namespace project
