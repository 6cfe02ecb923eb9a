// A long history played by script in two player slots, for the tests of
// the history's summaries: bets, lines and payout settings that change
// (the first games at a setting not known), wins of every size, insertions,
// jackpot prizes and free-spin series, the slots' records interleaved.
// Each record balances; ids are left for the history to give.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "platform/game_history.h"

namespace quov::scripted {

inline std::vector<GameRecord> longScriptedHistory(std::int64_t count) {
  std::vector<GameRecord> out;
  out.reserve(static_cast<std::size_t>(count));
  std::uint64_t draw = 2026;
  auto next = [&draw](std::uint64_t below) {
    draw = draw * 6364136223846793005ULL + 1442695040888963407ULL;
    return (draw >> 33) % below;
  };
  std::array<std::int32_t, 3> credit{};
  constexpr std::array<std::array<int, 2>, 4> kBets = {{{25, 1}, {5, 2}, {10, 20}, {1, 1}}};
  for (std::int64_t i = 0; i < count; ++i) {
    GameRecord r;
    r.slot = static_cast<std::int8_t>(i % 7 == 3 ? 2 : 1);
    std::int32_t& c = credit[static_cast<std::size_t>(r.slot)];
    r.machinepay = static_cast<std::int8_t>(i < count / 8 ? 0 : i < count / 2 ? 4 : i % 3 == 0 ? 1 : 3);
    r.creditBefore = c;
    const std::uint64_t what = next(1000);
    if (c < 20000 || what < 2) {
      r.kind = RecordKind::CreditIn;
      r.moneyIn = 5000;
    } else if (what < 10) {
      r.kind = RecordKind::JackpotTime;
      r.paid = static_cast<std::int32_t>(100 + next(5000));
    } else if (what < 17) {
      r.kind = RecordKind::Collect;
      r.paid = static_cast<std::int32_t>(next(3000));
    } else if (what < 40) {
      r.kind = RecordKind::FreeSpin;
    } else {
      r.kind = RecordKind::Spin;
      const auto& bet = kBets[static_cast<std::size_t>((i / 5000) % kBets.size())];
      r.lines = static_cast<std::int16_t>(bet[0]);
      r.betPerLine = static_cast<std::int16_t>(bet[1]);
      r.bet = bet[0] * bet[1];
      const std::uint64_t luck = next(100);
      r.win = luck < 70 ? 0 : luck < 95 ? static_cast<std::int32_t>(next(3) * r.bet / 2 + 1)
                                        : static_cast<std::int32_t>(next(60) * r.bet);
      r.paid = r.win;
    }
    r.creditAfter = r.creditBefore + r.moneyIn - r.bet + r.paid;
    c = r.creditAfter;
    out.push_back(r);
  }
  return out;
}

}  // namespace quov::scripted
