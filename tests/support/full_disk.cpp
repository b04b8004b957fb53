#include "support/full_disk.h"

#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace testing_support {

void onAFullDisk(const std::function<void()> &write, long bytes)
{
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = static_cast<rlim_t>(bytes);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    write();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);
}

} // namespace testing_support
