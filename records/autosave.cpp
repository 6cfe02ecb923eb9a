#include "records/autosave.h"

#include "records/player_records.h"

namespace quov {

RecordKeeper::Snapshot RecordKeeper::snapshot(const Modquov& m) {
  return {m.howmanyspins, m.soundonoff, m.machinepay, m.winroll,  m.reelspeed,
          m.amountinvested, m.wager,    m.total,      m.bank,     m.games,
          m.currentplayer, m.grandwon,  m.majorwon,   m.minorwon, m.jackpotbank,
          m.grand,         m.major,     m.minor,      m.playerslot};
}

bool RecordKeeper::saveIfChanged(SettingsStore& store, const Modquov& m) {
  Snapshot now = snapshot(m);
  if (now == last_) return false;
  exitSave(store, m);
  last_ = std::move(now);
  return true;
}

}  // namespace quov
