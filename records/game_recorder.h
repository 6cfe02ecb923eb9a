// Keeps the game history: listens to what the engine reports and writes one
// record for every spin that stood, free spin, collect, jackpot time, gamble
// and coin, each with the credit before and after it.
#pragma once

#include <cstdint>

#include "mainscreen/game_events.h"
#include "platform/game_history.h"
#include "records/history_meters.h"

namespace quov {

class Engine;
class Quov;

class GameRecorder : public GameEvents {
 public:
  // Every record the history keeps is counted on `meters` too.
  GameRecorder(Engine& engine, GameHistory& history, HistoryMeters& meters);

  void outcomeDrawn() override;
  void outcomeVoided() override;
  void outcomeBooked(const SpinOutcome& outcome) override;
  void seriesCollected() override;
  void jackpotStarted() override;
  void jackpotPaid() override;
  void gambleOpening(std::int32_t stake) override;
  void gambleBet(const GambleBetResult& bet) override;
  void gambleCollected(std::int32_t collected) override;
  void creditInserted(std::int32_t cents) override;

  // An outcome has been drawn and is not booked yet, or a jackpot time or
  // a gamble runs: the player's records wait, so that they never count a
  // game the history does not hold.
  bool gameInProgress() const { return spinOpen_ || jackpotOpen_ || gambleOpen_; }
  // Between games: the credit as it now stands is where the next record
  // starts (the options screen may have loaded another player's).
  void idle();
  // The series running or waiting for its collect: the history's record of
  // the spin that started it (0 outside a series). A series resumed after a
  // restart goes on under the same record.
  std::int64_t seriesId() const { return series_; }
  void resumeSeries(std::int64_t id) { series_ = id; }
  // Records the history could not keep.
  std::int64_t failedAppends() const { return failed_; }

 private:
  GameRecord base(RecordKind kind) const;  // slot, bet and lines of the moment
  std::int64_t append(GameRecord& r);
  Engine& engine_;
  Quov& q;
  GameHistory& history_;
  HistoryMeters& meters_;
  std::int32_t credit_ = 0;  // the credit when the last record ended
  // The spin being settled.
  bool spinOpen_ = false, spinFree_ = false;
  std::int32_t spinCreditBefore_ = 0;
  std::int16_t voids_ = 0;
  std::uint8_t held_ = 0;
  // The series running or waiting for its collect.
  std::int64_t series_ = 0;
  // Jackpot time and the gamble being played.
  bool jackpotOpen_ = false, gambleOpen_ = false;
  std::int8_t ballStart_ = 0;
  GameRecord gamble_;
  std::int64_t lastWin_ = 0;  // the record whose win a gamble would stake
  std::int64_t failed_ = 0;
};

}  // namespace quov
