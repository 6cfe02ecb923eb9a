#include "records/player_records.h"

#include "engine/rules/checked.h"

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

namespace {

// A stored number of the player's section and the variable it holds.
struct NumberKey {
  const char* key;
  std::int16_t Modquov::*narrow;  // set for 16-bit variables
  std::int32_t Modquov::*wide;    // set for 32-bit variables
};
constexpr NumberKey k16(const char* key, std::int16_t Modquov::*v) { return {key, v, nullptr}; }
constexpr NumberKey k32(const char* key, std::int32_t Modquov::*v) { return {key, nullptr, v}; }

// The keys in the order the start-up reads them: the first options, the
// roll-up switch, the money and games, the name, the meters (in their own
// application) and the jackpot counters.
constexpr NumberKey kLeadingNumbers[] = {k16("howmanyspins", &Modquov::howmanyspins),
                                         k16("soundonoff", &Modquov::soundonoff),
                                         k16("machinepay", &Modquov::machinepay)};
constexpr NumberKey kWinroll = k16("winroll", &Modquov::winroll);
constexpr NumberKey kMiddleNumbers[] = {
    k16("reelspeed", &Modquov::reelspeed), k32("amountinvested", &Modquov::amountinvested),
    k32("wager", &Modquov::wager),         k32("total", &Modquov::total),
    k32("bank", &Modquov::bank),           k32("games", &Modquov::games)};
constexpr NumberKey kMeters[] = {k32("grand", &Modquov::grand), k32("major", &Modquov::major),
                                 k32("minor", &Modquov::minor)};
constexpr NumberKey kJackpotCounters[] = {
    k16("grandwon", &Modquov::grandwon), k16("majorwon", &Modquov::majorwon),
    k16("minorwon", &Modquov::minorwon), k32("jackpotbank", &Modquov::jackpotbank)};

void readKey(SettingsStore& store, const char* app, const std::string& section,
             const NumberKey& k, Modquov& m) {
  if (k.narrow)
    readNumber(store, app, section, k.key, m.*k.narrow);
  else
    readNumber(store, app, section, k.key, m.*k.wide);
}

void writeKey(SettingsStore& store, const char* app, const std::string& section,
              const NumberKey& k, const Modquov& m) {
  const long long v = k.narrow ? m.*k.narrow : m.*k.wide;
  store.write(app, section, k.key, std::to_string(v));
}

}  // namespace

void startupLoad(SettingsStore& store, Modquov& m) {
  const std::string s = "player1";
  (void)store.read(kPlayerApp, s, "sizescreen");
  for (const NumberKey& k : kLeadingNumbers) readKey(store, kPlayerApp, s, k, m);
  readKey(store, kPlayerApp, s, kWinroll, m);
  for (const NumberKey& k : kMiddleNumbers) readKey(store, kPlayerApp, s, k, m);
  m.currentplayer = store.read(kPlayerApp, s, "currentplayer");
  for (const NumberKey& k : kMeters) readKey(store, kMetersApp, s, k, m);
  for (const NumberKey& k : kJackpotCounters) readKey(store, kPlayerApp, s, k, m);
}

void exitSave(SettingsStore& store, const Modquov& m) {
  const std::string s = slotSection(m.playerslot);
  store.write(kPlayerApp, s, "sizescreen", "");
  for (const NumberKey& k : kLeadingNumbers) writeKey(store, kPlayerApp, s, k, m);
  writeKey(store, kPlayerApp, s, kWinroll, m);
  for (const NumberKey& k : kMiddleNumbers) writeKey(store, kPlayerApp, s, k, m);
  store.write(kPlayerApp, s, "currentplayer", m.currentplayer);
  for (const NumberKey& k : kJackpotCounters) writeKey(store, kPlayerApp, s, k, m);
  for (const NumberKey& k : kMeters) writeKey(store, kMetersApp, s, k, m);
  store.flush();
}

}  // namespace quov
