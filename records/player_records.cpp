#include "records/player_records.h"

#include "engine/checked.h"

namespace quov {

std::string slotSection(const std::string& playerslot) {
  for (const char* s : {"1", "2", "3", "4", "5", "6"})
    if (playerslot == s) return std::string("player") + s;
  return "player";
}

namespace {
template <class T>
bool readInto(SettingsStore& store, const char* app, const std::string& section, const char* key,
              T& v) {
  return parseInto(v, store.read(app, section, key));
}
}  // namespace

bool readNumber(SettingsStore& store, const char* app, const std::string& section,
                const char* key, std::int16_t& v) {
  return readInto(store, app, section, key, v);
}
bool readNumber(SettingsStore& store, const char* app, const std::string& section,
                const char* key, std::int32_t& v) {
  return readInto(store, app, section, key, v);
}

void startupLoad(SettingsStore& store, Modquov& m) {
  const std::string s = "player1";
  (void)store.read(kPlayerApp, s, "sizescreen");
  readNumber(store, kPlayerApp, s, "howmanyspins", m.howmanyspins);
  readNumber(store, kPlayerApp, s, "soundonoff", m.soundonoff);
  readNumber(store, kPlayerApp, s, "machinepay", m.machinepay);
  readNumber(store, kPlayerApp, s, "winroll", m.winroll);
  readNumber(store, kPlayerApp, s, "reelspeed", m.reelspeed);
  readNumber(store, kPlayerApp, s, "amountinvested", m.amountinvested);
  readNumber(store, kPlayerApp, s, "wager", m.wager);
  readNumber(store, kPlayerApp, s, "total", m.total);
  readNumber(store, kPlayerApp, s, "bank", m.bank);
  readNumber(store, kPlayerApp, s, "games", m.games);
  m.currentplayer = store.read(kPlayerApp, s, "currentplayer");
  readNumber(store, kMetersApp, s, "grand", m.grand);
  readNumber(store, kMetersApp, s, "major", m.major);
  readNumber(store, kMetersApp, s, "minor", m.minor);
  readNumber(store, kPlayerApp, s, "grandwon", m.grandwon);
  readNumber(store, kPlayerApp, s, "majorwon", m.majorwon);
  readNumber(store, kPlayerApp, s, "minorwon", m.minorwon);
  readNumber(store, kPlayerApp, s, "jackpotbank", m.jackpotbank);
}

void exitSave(SettingsStore& store, const Modquov& m) {
  const std::string s = slotSection(m.playerslot);
  auto put = [&](const char* key, long long v) { store.write(kPlayerApp, s, key, std::to_string(v)); };
  store.write(kPlayerApp, s, "sizescreen", "");
  put("howmanyspins", m.howmanyspins);
  put("soundonoff", m.soundonoff);
  put("machinepay", m.machinepay);
  put("winroll", m.winroll);
  put("reelspeed", m.reelspeed);
  put("amountinvested", m.amountinvested);
  put("wager", m.wager);
  put("total", m.total);
  put("bank", m.bank);
  put("games", m.games);
  store.write(kPlayerApp, s, "currentplayer", m.currentplayer);
  put("grandwon", m.grandwon);
  put("majorwon", m.majorwon);
  put("minorwon", m.minorwon);
  put("jackpotbank", m.jackpotbank);
  store.write(kMetersApp, s, "grand", std::to_string(m.grand));
  store.write(kMetersApp, s, "major", std::to_string(m.major));
  store.write(kMetersApp, s, "minor", std::to_string(m.minor));
  store.flush();
}

}  // namespace quov
