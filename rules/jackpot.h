// The progressive jackpot meters and the jackpot board: the meters' floors
// and the step every kept outcome gives them, the sixteen cells the ball runs
// around with the prize each pays, and how a prize is recognised.
#pragma once

#include <cstdint>
#include <optional>

#include "rules/checked.h"

namespace quov {

inline constexpr std::int32_t kGrandFloor = 200000;
inline constexpr std::int32_t kMajorFloor = 20000;
inline constexpr std::int32_t kMinorFloor = 2000;

// One meter step: a meter below its floor is raised to it, any other grows
// by its increment (grand 50, major 30, minor 20 cents); a meter that would
// pass the 32-bit range keeps its value.
inline void stepMeter(std::int32_t& value, std::int32_t floor, int increment) {
  if (value < floor)
    value = floor;
  else
    add(value, increment);
}
inline void stepMeters(std::int32_t& grand, std::int32_t& major, std::int32_t& minor) {
  stepMeter(grand, kGrandFloor, 50);
  stepMeter(major, kMajorFloor, 30);
  stepMeter(minor, kMinorFloor, 20);
}

// The three meters together.
struct Meters {
  std::int32_t grand = kGrandFloor, major = kMajorFloor, minor = kMinorFloor;
};
inline void stepMeters(Meters& m) { stepMeters(m.grand, m.major, m.minor); }

// One press in this many starts jackpot time instead of a spin: the press
// draws 1..kJackpotOdds and a 1 starts it. It takes no bet and counts no game.
inline constexpr int kJackpotOdds = 120;
inline constexpr bool startsJackpotTime(int jackpotdraw) { return jackpotdraw == 1; }

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

// The prize values when the ball stops: the three meters as they stand and
// the bet multiples of the total bet.
PrizeValues prizeValuesFor(const Meters& m, int totalBet);

// What the show presents and books for a prize amount: the prize it equals
// by value (see prizeByValue); an amount that equals none of them is what
// the ball's cell paid.
JackpotPrize bookedPrize(std::int32_t prize, const PrizeValues& v, JackpotPrize cell);
// The meter the end of the show drops to its floor: the one the amount
// equals, compared in the order grand, major, minor; when it equals none, a
// meter prize's own meter; None for a bet multiple.
JackpotPrize meterToEmpty(std::int32_t prize, const PrizeValues& v, JackpotPrize booked);
// Drops a meter to its floor; nothing for None or a bet multiple.
void emptyMeter(Meters& m, JackpotPrize meter);

// One jackpot time, from the ball's stop to the end of its show, when
// nothing moves the meters meanwhile.
struct JackpotWin {
  JackpotPrize cell = JackpotPrize::None;    // what the cell the ball stopped on pays
  JackpotPrize booked = JackpotPrize::None;  // what the show presents and books
  JackpotPrize emptied = JackpotPrize::None; // the meter dropped to its floor
  std::int32_t prize = 0;                    // cents credited
};
JackpotWin jackpotWin(int balltarget, int totalBet, const Meters& m);

// What jackpot time returns per total bet staked with the meters at their
// floors: one press in kJackpotOdds starts it instead of a spin and stakes
// nothing, and the ball stops on each of the board's cells alike.
double jackpotReturnAtFloor(int totalBet);

// The picture of the jackpot-won animation for a meter: the show steps
// `jpframe` on every tick and this keeps it inside the meter's four
// pictures (minor 1..4, major 5..8, grand 9..12).
std::int16_t jackpotWinFrame(JackpotPrize meter, std::int16_t jpframe);

}  // namespace quov
