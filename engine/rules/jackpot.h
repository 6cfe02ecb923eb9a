// The progressive jackpot meters and the jackpot board: the meters' floors
// and the step every kept outcome gives them, the sixteen cells the ball runs
// around with the prize each pays, and how a prize is recognised.
#pragma once

#include <cstdint>
#include <optional>

namespace quov {

inline constexpr std::int32_t kGrandFloor = 200000;
inline constexpr std::int32_t kMajorFloor = 20000;
inline constexpr std::int32_t kMinorFloor = 2000;

// One meter step: a meter below its floor is raised to it, any other grows
// by its increment (grand 50, major 30, minor 20 cents); a meter that would
// pass the 32-bit range keeps its value.
void stepMeters(std::int32_t& grand, std::int32_t& major, std::int32_t& minor);

// One press in this many starts jackpot time instead of a spin.
inline constexpr int kJackpotOdds = 120;

// What a board cell pays: a multiple of the total bet or one of the meters.
enum class JackpotPrize : std::uint8_t { None, BetX10, BetX20, BetX30, Minor, Major, Grand };

inline constexpr bool isMeterPrize(JackpotPrize p) {
  return p == JackpotPrize::Minor || p == JackpotPrize::Major || p == JackpotPrize::Grand;
}

// The board's cells, numbered clockwise from the top-left corner.
inline constexpr int kBoardCells = 16;
struct BoardCell {
  int left, top;  // where the ball stands on it, twips on the main screen
  JackpotPrize prize;
};
// Cell 1..16 of the board.
const BoardCell& boardCell(int cell);

// Where the board comes to rest over the reels, and its slide-in: its Top is
// kBoardSlideStep x the idle ticks since jackpot time began, less
// kBoardSlideOffset.
inline constexpr int kBoardLeft = 800;
inline constexpr int kBoardTop = 675;
inline constexpr int kBoardSlideStep = 130;
inline constexpr int kBoardSlideOffset = 5500;

// A bet multiple as the machine works it out, in 16 bits: none when the
// product does not fit.
std::optional<std::int16_t> betMultiple(int totalBet, int factor);

// Everything a prize can equal at the moment it is shown and credited.
struct PrizeValues {
  std::int32_t grand = 0, major = 0, minor = 0;
  std::int32_t betx10 = 0, betx20 = 0, betx30 = 0;
};

// The value a cell's prize kind pays now.
std::int32_t prizeValue(JackpotPrize kind, const PrizeValues& v);

// Which prize an amount is, by value, comparing with minor, major, grand and
// then the three bet multiples, the first equal one deciding; None when it
// equals none of them. A bet multiple that happens to equal a meter is thus
// shown, booked and reset as that meter.
JackpotPrize prizeByValue(std::int32_t prize, const PrizeValues& v);

// The meter an amount empties, comparing with grand, major and minor in
// this order; None when it equals no meter.
JackpotPrize meterByValue(std::int32_t prize, const PrizeValues& v);

// The floor a meter drops back to.
std::int32_t meterFloor(JackpotPrize meter);

// The picture of the jackpot-won animation for a meter: the show steps
// `jpframe` on every tick and this keeps it inside the meter's four
// pictures (minor 1..4, major 5..8, grand 9..12).
std::int16_t jackpotWinFrame(JackpotPrize meter, std::int16_t jpframe);

}  // namespace quov
