#include "project/atomic_file.h"

#include "core/number_text.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace project {

namespace {

std::string reason(int error)
{
    return std::generic_category().message(error);
}

// A file name as messages show it: on one line, control characters escaped, long enough
// to keep its folder.
std::string quoted(const std::filesystem::path &file)
{
    constexpr std::size_t kLongestShownPath = 200;
    return core::quoteTyped(file.string(), kLongestShownPath);
}

// Closes a file descriptor when it goes out of scope.
class Descriptor
{
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    ~Descriptor() { close(); }

    int get() const { return m_fd; }
    bool valid() const { return m_fd >= 0; }
    // Closes now; the error of close() matters after a write (NFS reports it there).
    int close()
    {
        if (m_fd < 0)
            return 0;
        const int result = ::close(m_fd);
        m_fd = -1;
        return result;
    }

private:
    int m_fd;
};

// Writes all of `data`, going on after short writes and interrupted calls; returns 0 or
// the error.
int writeAll(int fd, std::string_view data, std::optional<std::size_t> diskFullAfter)
{
    std::size_t written = 0;
    while (written < data.size()) {
        std::size_t chunk = data.size() - written;
        if (diskFullAfter) {
            if (written >= *diskFullAfter)
                return ENOSPC;
            chunk = std::min(chunk, *diskFullAfter - written);
        }
        const ssize_t n = ::write(fd, data.data() + written, chunk);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        written += static_cast<std::size_t>(n);
    }
    return 0;
}

// A symbolic link is written through, so the link stays a link to the new contents.
std::filesystem::path resolved(const std::filesystem::path &target)
{
    std::error_code error;
    if (!std::filesystem::is_symlink(target, error))
        return target;
    const std::filesystem::path real = std::filesystem::weakly_canonical(target, error);
    return error ? target : real;
}

// A new, empty file beside the target that nobody else is writing: ".NAME.tmp-PID-N".
int createTemporary(const std::filesystem::path &target, std::filesystem::path &temporary)
{
    static std::atomic<unsigned> counter{0};
    const std::filesystem::path folder =
        target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = folder / ("." + target.filename().string() + ".tmp-" +
                              std::to_string(::getpid()) + "-" + std::to_string(counter++));
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

// Makes the rename itself durable; a failure here leaves the new file in place, so it is
// not reported.
void syncFolder(const std::filesystem::path &target)
{
    const std::filesystem::path folder =
        target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
    Descriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.valid())
        ::fsync(dir.get());
}

} // namespace

std::optional<std::string> writeFileAtomically(const std::filesystem::path &requested,
                                               std::string_view contents, const WriteHooks &hooks)
{
    const std::filesystem::path target = resolved(requested);
    std::filesystem::path temporary;
    Descriptor file(createTemporary(target, temporary));
    if (!file.valid())
        return "Cannot create a file beside " + quoted(target) + ": " + reason(errno) + ".";

    const auto fail = [&](int error) -> std::optional<std::string> {
        file.close();
        ::unlink(temporary.c_str());
        return "Cannot write " + quoted(target) + ": " + reason(error) + ". The file is as it was.";
    };

    // Keep the permissions of the file being replaced.
    struct stat old {
    };
    if (::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode))
        ::fchmod(file.get(), old.st_mode & 07777);

    if (const int error = writeAll(file.get(), contents, hooks.diskFullAfter))
        return fail(error);
    if (::fsync(file.get()) != 0)
        return fail(errno);
    if (file.close() != 0)
        return fail(errno);

    if (hooks.beforeRename && !hooks.beforeRename(temporary))
        return "The write of " + quoted(target) + " was abandoned before the rename.";

    if (::rename(temporary.c_str(), target.c_str()) != 0)
        return fail(errno);
    syncFolder(target);
    return std::nullopt;
}

std::optional<std::string> readSmallFile(const std::filesystem::path &path, std::size_t limit,
                                         std::string &contents)
{
    Descriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!file.valid())
        return "Cannot open " + quoted(path) + ": " + reason(errno) + ".";
    std::string text;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(file.get(), buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return "Cannot read " + quoted(path) + ": " + reason(errno) + ".";
        }
        if (n == 0)
            break;
        if (text.size() + static_cast<std::size_t>(n) > limit)
            return quoted(path) + " is too large to read (more than " + std::to_string(limit) +
                   " bytes).";
        text.append(buffer, static_cast<std::size_t>(n));
    }
    contents = std::move(text);
    return std::nullopt;
}

} // namespace project
