#pragma once

#include <functional>

namespace testing_support {

// Runs `write` as on a full disk: with the file-size limit at `bytes`, every write past it
// fails (and raises no signal). The limit is restored afterwards.
void onAFullDisk(const std::function<void()> &write, long bytes = 4096);

} // namespace testing_support
