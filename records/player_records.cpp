#include "records/player_records.h"

#include <charconv>
#include <iterator>
#include <optional>
#include <utility>

#include "rules/checked.h"
#include "rules/jackpot.h"

namespace quov {

int slotNumber(const std::string& playerslot) {
  for (int k = 1; k <= 6; ++k)
    if (playerslot == std::to_string(k)) return k;
  return 0;
}

std::string slotSection(const std::string& playerslot) {
  const int k = slotNumber(playerslot);
  return k ? "player" + playerslot : "player";
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
// Credit, counters and meters are never below 0: a stored value below 0 is
// as unreadable as "abc". `fallback` is what the game plays with when the
// value cannot be read (after the start-up's floors).
struct NumberKey {
  const char* key;
  std::int16_t Modquov::*narrow;  // set for 16-bit variables
  std::int32_t Modquov::*wide;    // set for 32-bit variables
  bool count;
  std::int32_t fallback;
};
constexpr NumberKey k16(const char* key, std::int16_t Modquov::*v, std::int32_t fallback = 0) {
  return {key, v, nullptr, false, fallback};
}
constexpr NumberKey count16(const char* key, std::int16_t Modquov::*v) {
  return {key, v, nullptr, true, 0};
}
constexpr NumberKey count32(const char* key, std::int32_t Modquov::*v, std::int32_t fallback = 0) {
  return {key, nullptr, v, true, fallback};
}

// The keys in the order the start-up reads them: the first options, the
// roll-up switch, the money and games, the name, the meters (in their own
// application) and the jackpot counters.
constexpr NumberKey kLeadingNumbers[] = {count16("howmanyspins", &Modquov::howmanyspins),
                                         k16("soundonoff", &Modquov::soundonoff),
                                         k16("machinepay", &Modquov::machinepay, 4)};
constexpr NumberKey kWinroll = k16("winroll", &Modquov::winroll);
constexpr NumberKey kMiddleNumbers[] = {
    k16("reelspeed", &Modquov::reelspeed, 1), count32("amountinvested", &Modquov::amountinvested),
    count32("wager", &Modquov::wager),        count32("total", &Modquov::total),
    count32("bank", &Modquov::bank),          count32("games", &Modquov::games)};
constexpr NumberKey kMeters[] = {count32("grand", &Modquov::grand, kGrandFloor),
                                 count32("major", &Modquov::major, kMajorFloor),
                                 count32("minor", &Modquov::minor, kMinorFloor)};
constexpr NumberKey kJackpotCounters[] = {
    count16("grandwon", &Modquov::grandwon), count16("majorwon", &Modquov::majorwon),
    count16("minorwon", &Modquov::minorwon), count32("jackpotbank", &Modquov::jackpotbank)};

// The stored text as the key's number; nothing when it cannot be read.
std::optional<long long> readable(const std::string& text, const NumberKey& k) {
  std::int32_t wide = 0;
  std::int16_t narrow = 0;
  const bool ok = k.narrow ? parseInto(narrow, text) : parseInto(wide, text);
  const long long v = k.narrow ? narrow : wide;
  if (!ok || (k.count && v < 0)) return std::nullopt;
  return v;
}

bool readKey(SettingsStore& store, const char* app, const std::string& section,
             const NumberKey& k, Modquov& m) {
  const std::optional<long long> v = readable(store.read(app, section, k.key), k);
  if (!v) return false;
  if (k.narrow) return assign(m.*k.narrow, *v);
  return assign(m.*k.wide, *v);
}

// A stored text the game could not read stays as it is while the game has
// only the fallback to put there: the player's "1e99" is not turned into a
// 0. Once the game has a value of its own (credit put in, a game played),
// that value is written.
void writeKey(SettingsStore& store, const char* app, const std::string& section,
              const NumberKey& k, const Modquov& m) {
  const long long v = k.narrow ? m.*k.narrow : m.*k.wide;
  if (v == k.fallback) {
    const std::string stored = store.read(app, section, k.key);
    if (!stored.empty() && !readable(stored, k)) return;
  }
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

std::string slotName(SettingsStore& store, int slot) {
  return store.read(kPlayerApp, "player" + std::to_string(slot), "currentplayer");
}

void slotLoad(SettingsStore& store, Modquov& m, int slot) {
  m.machinepay = 4;
  m.reelspeed = 0;
  m.amountinvested = m.wager = m.total = m.bank = m.games = 0;
  m.currentplayer.clear();
  m.howmanyspins = 0;
  m.grandwon = m.majorwon = m.minorwon = 0;
  m.jackpotbank = 0;
  const std::string s = "player" + std::to_string(slot);
  const auto read = [&](const char* app, const NumberKey& k) {
    if (!readKey(store, app, s, k, m)) m.reelspeed = 1;
  };
  for (const NumberKey& k : kLeadingNumbers) read(kPlayerApp, k);
  for (const NumberKey& k : kMiddleNumbers) read(kPlayerApp, k);
  m.currentplayer = store.read(kPlayerApp, s, "currentplayer");
  for (const NumberKey& k : kMeters) read(kMetersApp, k);
  for (const NumberKey& k : kJackpotCounters) read(kPlayerApp, k);
}

namespace {
void writeNumbersAndMeters(SettingsStore& store, const Modquov& m, const std::string& s) {
  for (const NumberKey& k : kLeadingNumbers) writeKey(store, kPlayerApp, s, k, m);
  for (const NumberKey& k : kMiddleNumbers) writeKey(store, kPlayerApp, s, k, m);
  for (const NumberKey& k : kJackpotCounters) writeKey(store, kPlayerApp, s, k, m);
  for (const NumberKey& k : kMeters) writeKey(store, kMetersApp, s, k, m);
}
}  // namespace

void slotSave(SettingsStore& store, const Modquov& m) {
  const std::string s = slotSection(m.playerslot);
  writeNumbersAndMeters(store, m, s);
  store.write(kPlayerApp, s, "currentplayer", m.currentplayer);
  store.flush();
}

void closeSave(SettingsStore& store, const Modquov& m) {
  writeNumbersAndMeters(store, m, slotSection(m.playerslot));
  store.flush();
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

namespace {
constexpr bool differs(const NumberKey& k, const Modquov& a, const Modquov& b) {
  return k.narrow ? a.*k.narrow != b.*k.narrow : a.*k.wide != b.*k.wide;
}

// Every key of a table alike, each one compared in place: the table is known
// when this compiles, so no key is looked up while the game runs (the idle
// ticker asks on every tick).
template <const auto& keys, std::size_t... i>
bool alike(const Modquov& a, const Modquov& b, std::index_sequence<i...>) {
  return (!differs(keys[i], a, b) && ...);
}
template <const auto& keys>
bool alike(const Modquov& a, const Modquov& b) {
  return alike<keys>(a, b, std::make_index_sequence<std::size(keys)>());
}

// The name and the slot, compared in place: they are a few characters, and
// a library call for them costs more than the comparing.
bool sameText(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (a[i] != b[i]) return false;
  return true;
}
}  // namespace

bool storedAlike(const Modquov& a, const Modquov& b) {
  // The money and the meters first: they are what moves between two ticks.
  return alike<kMiddleNumbers>(a, b) && alike<kMeters>(a, b) && alike<kJackpotCounters>(a, b) &&
         alike<kLeadingNumbers>(a, b) && !differs(kWinroll, a, b) &&
         sameText(a.currentplayer, b.currentplayer) && sameText(a.playerslot, b.playerslot);
}

void saveChanges(SettingsStore& store, const Modquov& before, const Modquov& now) {
  const std::string s = slotSection(now.playerslot);
  const auto save = [&](const char* app, const NumberKey& k) {
    if (differs(k, before, now)) writeKey(store, app, s, k, now);
  };
  for (const NumberKey& k : kLeadingNumbers) save(kPlayerApp, k);
  save(kPlayerApp, kWinroll);
  for (const NumberKey& k : kMiddleNumbers) save(kPlayerApp, k);
  if (before.currentplayer != now.currentplayer)
    store.write(kPlayerApp, s, "currentplayer", now.currentplayer);
  for (const NumberKey& k : kJackpotCounters) save(kPlayerApp, k);
  for (const NumberKey& k : kMeters) save(kMetersApp, k);
  store.flush();
}

std::optional<std::int64_t> readMissed(SettingsStore& store, int slot) {
  const std::string text = store.read(kPlayerApp, slotSection(std::to_string(slot)), kMissedKey);
  if (text.empty()) return 0;
  std::int64_t count = -1;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), count);
  if (error != std::errc() || end != text.data() + text.size() || count < 0) return std::nullopt;
  return count;
}

}  // namespace quov
