// The progressive jackpot meters: their floors and the step every kept
// outcome gives them.
#pragma once

#include <cstdint>

namespace quov {

inline constexpr std::int32_t kGrandFloor = 200000;
inline constexpr std::int32_t kMajorFloor = 20000;
inline constexpr std::int32_t kMinorFloor = 2000;

// One meter step: a meter below its floor is raised to it, any other grows
// by its increment (grand 50, major 30, minor 20 cents); a meter that would
// pass the 32-bit range keeps its value.
void stepMeters(std::int32_t& grand, std::int32_t& major, std::int32_t& minor);

}  // namespace quov
