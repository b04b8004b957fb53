#pragma once

#include <string_view>

namespace core::check {

// The texts of the check fields. The blink timers compare captions with the three unsafe
// texts exactly, so they live here once.
inline constexpr std::string_view kNoShear = "No Shear";
inline constexpr std::string_view kSafeShear = "Safe Shear Stress";
inline constexpr std::string_view kUnsafeShear = "Unsafe Shear Stress";
inline constexpr std::string_view kNoPunch = "No Punch";
inline constexpr std::string_view kSafePunch = "Safe Punch Stress";
inline constexpr std::string_view kUnsafePunch = "Unsafe Punch Stress";
inline constexpr std::string_view kSafeBond = "Safe Flexural Bond";
inline constexpr std::string_view kUnsafeBond = "Unsafe Flexural Bond";

} // namespace core::check
