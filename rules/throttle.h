// The payout throttle: a winning outcome stands only when a draw of
// 1..machinepay comes up 1; otherwise the settlement voids it and a fresh
// spin replaces it, drawn and settled in the same way, so voids can chain.
// A voided outcome leaves no trace but one: the run lengths its evaluation
// wrote stay on the lines, because only the spin press clears them, so the
// replacement pays no lotus pair on a line where the voided outcome had a
// longer run.
#pragma once

#include <cstdint>

namespace quov {

enum class SpinKind : std::uint8_t { Ordinary, Free };

// Payout settings: 4 "Realistic", 3 "Loose", 1 "Dream Machine !!".
inline constexpr int kPayoutSettings[] = {4, 3, 1};

// Whether the settlement draws 1..machinepay for an outcome: for every free
// spin, and for an ordinary spin unless the setting keeps every outcome.
constexpr bool throttleDraws(SpinKind kind, int machinepay) {
  return kind == SpinKind::Free || machinepay != 1;
}

// Whether an outcome stands after the draw: a draw of 1 keeps it, a losing
// outcome always stands, and so does a free spin with a held reel.
constexpr bool outcomeStands(SpinKind kind, int paydraw, bool heldReel, std::int32_t spinwin) {
  return paydraw == 1 || spinwin <= 0 || (kind == SpinKind::Free && heldReel);
}

}  // namespace quov
