#include "records/series_store.h"

#include <charconv>
#include <sstream>
#include <tuple>

#include "records/player_records.h"
#include "rules/checked.h"

namespace quov {

namespace {

// The series' single numbers, each under the name of the variable it holds.
struct NumberKey {
  const char* key;
  long long (*get)(const SeriesRecord&);
  bool (*set)(SeriesRecord&, const std::string&);
};

template <auto Field>
constexpr NumberKey number(const char* key) {
  return {key, [](const SeriesRecord& r) -> long long { return r.*Field; },
          [](SeriesRecord& r, const std::string& text) { return parseInto(r.*Field, text); }};
}
template <auto Field>
constexpr NumberKey counter(const char* key) {
  return {key, [](const SeriesRecord& r) -> long long { return r.series.*Field; },
          [](SeriesRecord& r, const std::string& text) { return parseInto(r.series.*Field, text); }};
}

constexpr NumberKey kNumbers[] = {
    number<&SeriesRecord::freespinmode>("freespinmode"),
    counter<&Series::given>("freespinsgiven"),
    counter<&Series::played>("freespinsplayed"),
    counter<&Series::bonuslevel>("bonuslevel"),
    number<&SeriesRecord::freespinwin>("freespinwin"),
    number<&SeriesRecord::spinwin>("spinwin"),
    number<&SeriesRecord::freespinmult>("freespinmult"),
    number<&SeriesRecord::linesplayed>("linesplayed"),
    number<&SeriesRecord::betlevel>("betlevel"),
    number<&SeriesRecord::historyId>("seriesgame"),
};
constexpr const char* kStopsKey = "reelstops";
constexpr const char* kHeldKey = "heldreels";
constexpr const char* kRunsKey = "winlength";

// The numbers, separated by blanks. Written on every change of a running
// series: straight into one buffer, without a string per number.
template <class Values>
std::string joined(const Values& values) {
  char text[std::tuple_size_v<Values> * 8];
  char* end = text;
  for (const auto v : values) {
    if (end != text) *end++ = ' ';
    end = std::to_chars(end, text + sizeof text, v).ptr;
  }
  return std::string(text, end);
}

// Exactly `out.size()` numbers separated by blanks, each fitting its type.
template <class T, std::size_t N>
bool readList(const std::string& text, std::array<T, N>& out) {
  std::istringstream in(text);
  std::string word;
  std::size_t n = 0;
  while (in >> word) {
    if (n == N || !parseInto(out[n], word)) return false;
    ++n;
  }
  return n == N;
}

std::string heldText(const SeriesRecord& r) {
  std::string text;
  for (int reel = 2; reel <= 4; ++reel)
    if (r.heldWild[static_cast<std::size_t>(reel - 2)]) {
      if (!text.empty()) text += ' ';
      text += static_cast<char>('0' + reel);
    }
  return text;
}

bool readHeld(const std::string& text, SeriesRecord& r) {
  std::istringstream in(text);
  std::string word;
  while (in >> word) {
    int reel = 0;
    if (!parseInto(reel, word) || reel < 2 || reel > 4) return false;
    r.heldWild[static_cast<std::size_t>(reel - 2)] = true;
  }
  return true;
}

}  // namespace

void writeSeries(SettingsStore& store, const std::string& section, const SeriesRecord& r) {
  const bool kept = r.active();
  for (const NumberKey& k : kNumbers)
    store.write(kPlayerApp, section, k.key, kept ? std::to_string(k.get(r)) : std::string());
  store.write(kPlayerApp, section, kStopsKey, kept ? joined(r.stops) : std::string());
  store.write(kPlayerApp, section, kHeldKey, kept ? heldText(r) : std::string());
  std::array<std::int16_t, kLines> runs{};
  std::copy(r.winlength.begin() + 1, r.winlength.end(), runs.begin());
  store.write(kPlayerApp, section, kRunsKey, kept ? joined(runs) : std::string());
}

std::optional<SeriesRecord> readSeries(SettingsStore& store, const std::string& section) {
  if (store.read(kPlayerApp, section, "freespinsgiven").empty()) return std::nullopt;
  SeriesRecord r;
  for (const NumberKey& k : kNumbers)
    if (!k.set(r, store.read(kPlayerApp, section, k.key))) return std::nullopt;
  std::array<std::int16_t, kLines> runs{};
  if (!readList(store.read(kPlayerApp, section, kStopsKey), r.stops) ||
      !readHeld(store.read(kPlayerApp, section, kHeldKey), r) ||
      !readList(store.read(kPlayerApp, section, kRunsKey), runs))
    return std::nullopt;
  std::copy(runs.begin(), runs.end(), r.winlength.begin() + 1);
  if (!r.active() || !plausible(r)) return std::nullopt;
  return r;
}

}  // namespace quov
