#include "rules/jackpot.h"

#include <array>

#include "rules/checked.h"

namespace quov {

namespace {
using P = JackpotPrize;
constexpr std::array<BoardCell, kBoardCells + 1> kBoard = {{
    {0, 0, P::None},
    {850, 600, P::BetX20},   {2600, 600, P::BetX10},  {4350, 600, P::BetX20},
    {6150, 600, P::Grand},   {7800, 600, P::BetX10},  {9500, 600, P::Minor},
    {9500, 2150, P::BetX10}, {9500, 3500, P::BetX30}, {9500, 4900, P::BetX20},
    {7800, 4900, P::BetX10}, {6150, 4900, P::Minor},  {4350, 4900, P::BetX10},
    {2600, 4900, P::Major},  {850, 4900, P::BetX10},  {850, 3500, P::BetX20},
    {850, 2150, P::BetX30},
}};
}  // namespace

const BoardCell& boardCell(int cell) {
  return kBoard[cell >= 1 && cell <= kBoardCells ? cell : 0];
}

std::optional<std::int16_t> betMultiple(int totalBet, int factor) {
  std::int16_t v = 0;
  if (!assign(v, static_cast<long long>(totalBet) * factor)) return std::nullopt;
  return v;
}

std::int32_t prizeValue(JackpotPrize kind, const PrizeValues& v) {
  switch (kind) {
    case P::BetX10: return v.betx10;
    case P::BetX20: return v.betx20;
    case P::BetX30: return v.betx30;
    case P::Minor: return v.minor;
    case P::Major: return v.major;
    case P::Grand: return v.grand;
    case P::None: break;
  }
  return 0;
}

JackpotPrize prizeByValue(std::int32_t prize, const PrizeValues& v) {
  for (P kind : {P::Minor, P::Major, P::Grand, P::BetX10, P::BetX20, P::BetX30})
    if (prize == prizeValue(kind, v)) return kind;
  return P::None;
}

JackpotPrize meterByValue(std::int32_t prize, const PrizeValues& v) {
  for (P kind : {P::Grand, P::Major, P::Minor})
    if (prize == prizeValue(kind, v)) return kind;
  return P::None;
}

std::int32_t meterFloor(JackpotPrize meter) {
  switch (meter) {
    case P::Grand: return kGrandFloor;
    case P::Major: return kMajorFloor;
    case P::Minor: return kMinorFloor;
    default: return 0;
  }
}

PrizeValues prizeValuesFor(const Meters& m, int totalBet) {
  PrizeValues v{m.grand, m.major, m.minor, 0, 0, 0};
  if (auto x = betMultiple(totalBet, 10)) v.betx10 = *x;
  if (auto x = betMultiple(totalBet, 20)) v.betx20 = *x;
  if (auto x = betMultiple(totalBet, 30)) v.betx30 = *x;
  return v;
}

JackpotPrize bookedPrize(std::int32_t prize, const PrizeValues& v, JackpotPrize cell) {
  const JackpotPrize byValue = prizeByValue(prize, v);
  return byValue != P::None ? byValue : cell;
}

JackpotPrize meterToEmpty(std::int32_t prize, const PrizeValues& v, JackpotPrize booked) {
  const JackpotPrize meter = meterByValue(prize, v);
  if (meter == P::None && isMeterPrize(booked)) return booked;
  return meter;
}

void emptyMeter(Meters& m, JackpotPrize meter) {
  if (meter == P::Grand) m.grand = kGrandFloor;
  if (meter == P::Major) m.major = kMajorFloor;
  if (meter == P::Minor) m.minor = kMinorFloor;
}

JackpotWin jackpotWin(int balltarget, int totalBet, const Meters& m) {
  const PrizeValues v = prizeValuesFor(m, totalBet);
  JackpotWin w;
  w.cell = boardCell(balltarget).prize;
  w.prize = prizeValue(w.cell, v);
  w.booked = bookedPrize(w.prize, v, w.cell);
  w.emptied = meterToEmpty(w.prize, v, w.booked);
  return w;
}

std::int16_t jackpotWinFrame(JackpotPrize meter, std::int16_t jpframe) {
  int first = 0;
  if (meter == P::Minor) first = 1;
  if (meter == P::Major) first = 5;
  if (meter == P::Grand) first = 9;
  if (first == 0) return jpframe;
  if (jpframe < first || jpframe > first + 3) return static_cast<std::int16_t>(first);
  return jpframe;
}

double jackpotReturnAtFloor(int totalBet) {
  double prizes = 0;
  for (int cell = 1; cell <= kBoardCells; ++cell) prizes += jackpotWin(cell, totalBet, Meters{}).prize;
  const double meanPrize = prizes / kBoardCells;
  // Per press: the prize one time in kJackpotOdds, the stake the other times.
  return meanPrize / ((kJackpotOdds - 1) * static_cast<double>(totalBet));
}

}  // namespace quov
