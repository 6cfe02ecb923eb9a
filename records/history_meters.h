// The integrity meters of each player slot, counted from the game history:
// the history is read through once, when the meters are first asked for,
// and every record the machine keeps afterwards is counted as it is kept,
// so a long history is never read twice in a run.
#pragma once

#include <array>

#include "platform/game_history.h"
#include "records/history_ledger.h"

namespace quov {

class HistoryMeters {
 public:
  explicit HistoryMeters(GameHistory& history) : history_(history) {}

  // The meters of player slot 1..6; empty meters for any other number.
  const IntegrityMeters& ofSlot(int slot);
  // A record the history has just kept.
  void kept(const GameRecord& r);

 private:
  GameHistory& history_;
  bool read_ = false;
  std::array<IntegrityMeters, 6> bySlot_{};  // slots 1..6
  IntegrityMeters none_;                     // stays empty
};

}  // namespace quov
