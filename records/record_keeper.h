// Crash-safe records: whenever the machine is idle and a record has changed
// since the last write, the records are written (the whole exit save the
// first time after they are loaded, then the keys that changed), so that a
// killed process loses at most the spin in progress. A free-spin series is kept
// with them, and the exit writes the records as they stood when the last
// game settled if one is still open, so no record ever counts part of a
// game, a series' win included. Beside them, each slot keeps how many
// records the game history missed, under "historymissed".
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "engine/series_record.h"
#include "mainscreen/modquov.h"
#include "platform/game_history.h"
#include "platform/services.h"

namespace quov {

class Engine;
class GameRecorder;

class RecordKeeper {
 public:
  RecordKeeper(Engine& engine, GameRecorder& recorder);

  // The series the records keep for the current slot, if any.
  std::optional<SeriesRecord> storedSeries();
  // Goes on with a stored series: the engine's part and the history's.
  void resume(const SeriesRecord& series);
  // Remembers what the store now holds (after the start-up), and the
  // history starts from the credit loaded.
  void remember();
  // Between games: writes the records when anything they hold has changed.
  // Nothing while the history has a game open.
  bool saveIfChanged();
  // The exit save: the records as they stand, or, while a game is still
  // open, as they stood when last written or loaded.
  void saveAtExit();

  // The series as it now stands, with the history's record of its start.
  SeriesRecord series() const;

  // Adds the records the history missed since the last call to each
  // slot's stored count; true when a count was written.
  bool keepMissed();

 private:
  Engine& engine_;
  GameRecorder& recorder_;
  SettingsStore& store_;
  // The records as last written or loaded.
  Modquov settled_;
  SeriesRecord settledSeries_;
  // Whether the whole slot has been written since the records were loaded;
  // after that, only what changed is.
  bool wholeWritten_ = false;
  // The history's missed records already added to the store, by slot, and
  // the history's total when they were last looked at.
  GameHistory::MissedCounts missedKept_{};
  std::int64_t missedSeen_ = 0;

  // The rare paths, apart from the checks every idle tick makes: adding
  // newly missed records, and writing what changed (false when nothing did).
  [[gnu::noinline]] bool addMissed(const GameHistory::MissedCounts& missedNow);
  [[gnu::noinline]] bool save(bool seriesKept);
};

}  // namespace quov
