#include "records/record_keeper.h"

#include "engine/engine.h"
#include "engine/free_spins.h"
#include "mainscreen/quov.h"
#include "records/game_recorder.h"
#include "records/player_records.h"
#include "records/series_store.h"

namespace quov {

namespace {
// The player's numbers and the series, in one flush: the series is written
// before the exit save's flush, so both reach the disk together.
void saveRecords(SettingsStore& store, const Modquov& m, const SeriesRecord& series) {
  writeSeries(store, slotSection(m.playerslot), series);
  exitSave(store, m);
}
}  // namespace

RecordKeeper::RecordKeeper(Engine& engine, GameRecorder& recorder)
    : engine_(engine), recorder_(recorder), store_(engine.q.p.store) {}

std::optional<SeriesRecord> RecordKeeper::storedSeries() {
  return readSeries(store_, slotSection(engine_.q.m.playerslot));
}

void RecordKeeper::resume(const SeriesRecord& series) {
  recorder_.resumeSeries(series.historyId);
  engine_.freeSpins().resume(series);
}

SeriesRecord RecordKeeper::series() const {
  SeriesRecord r = engine_.freeSpins().record();
  if (r.active()) r.historyId = recorder_.seriesId();
  return r;
}

void RecordKeeper::remember() {
  // The history takes up the credit where the records left it.
  recorder_.idle();
  settled_ = engine_.q.m;
  settledSeries_ = series();
  wholeWritten_ = false;
}

bool RecordKeeper::keepMissed() {
  const GameHistory& history = engine_.q.p.history;
  const std::int64_t total = history.missedTotal();
  if (total == missedSeen_) return false;  // nearly always
  missedSeen_ = total;
  return addMissed(history.missedBySlot());
}

bool RecordKeeper::addMissed(const GameHistory::MissedCounts& missedNow) {
  bool written = false;
  for (int slot = 1; slot <= 6; ++slot) {
    const std::int64_t missed = missedNow[static_cast<std::size_t>(slot)];
    std::int64_t& kept = missedKept_[static_cast<std::size_t>(slot)];
    if (missed <= kept) continue;
    // A count that cannot be read is not added to: it is kept as it is.
    if (const std::optional<std::int64_t> before = readMissed(store_, slot))
      store_.write(kPlayerApp, slotSection(std::to_string(slot)), kMissedKey,
                   std::to_string(*before + missed - kept));
    kept = missed;
    written = true;
  }
  if (written) store_.flush();
  return written;
}

bool RecordKeeper::saveIfChanged() {
  keepMissed();
  if (recorder_.gameInProgress()) return false;
  // Outside a series both records are empty: nothing to build or compare,
  // and between most ticks nothing the records hold has changed.
  const bool seriesKept = engine_.freeSpins().inSeries() || settledSeries_.active();
  if (!seriesKept && storedAlike(engine_.q.m, settled_)) return false;
  return save(seriesKept);
}

bool RecordKeeper::save(bool seriesKept) {
  const Modquov& m = engine_.q.m;
  SeriesRecord now = seriesKept ? series() : SeriesRecord{};
  const bool seriesChanged = seriesKept && !(now == settledSeries_);
  if (!seriesChanged && storedAlike(m, settled_)) return false;
  if (wholeWritten_ && m.playerslot == settled_.playerslot) {
    // Every other writer of the slot's section writes the game's own values,
    // so a value unchanged since the last write already stands there: a
    // settled press writes its few changed keys, not the whole slot.
    if (seriesChanged) writeSeries(store_, slotSection(m.playerslot), now);
    saveChanges(store_, settled_, m);
  } else {
    saveRecords(store_, m, now);
    wholeWritten_ = true;
  }
  settled_ = m;
  settledSeries_ = std::move(now);
  return true;
}

void RecordKeeper::saveAtExit() {
  keepMissed();
  if (recorder_.gameInProgress()) {
    // A spin between its settlement and its booking, jackpot time before
    // its prize, a gamble with its stake out of the credit: the game is
    // lost as a killed process would lose it, and the records stay whole.
    saveRecords(store_, settled_, settledSeries_);
    return;
  }
  settled_ = engine_.q.m;
  settledSeries_ = series();
  saveRecords(store_, settled_, settledSeries_);
}

}  // namespace quov
