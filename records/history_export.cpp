#include "records/history_export.h"

#include <chrono>
#include <cstdio>

#include "rules/symbols.h"

namespace quov {

namespace {

constexpr const char* kColumns[] = {
    "id",        "time",      "kind",          "slot",        "lines",      "bet_per_line",
    "bet",       "stops",     "held_reels",    "voids",       "line_wins",  "scatters",
    "scatter_pay", "multiplier", "win",        "award",       "series",     "series_spin",
    "ball_start", "ball_cell", "prize",        "gambled",     "stake",      "gamble_steps",
    "money_in",  "paid",      "credit_before", "credit_after", "machinepay"};

std::string stopsText(const GameRecord& r) {
  std::string s;
  for (int v : r.stops) s += (s.empty() ? "" : " ") + std::to_string(v);
  return s;
}

std::string heldText(const GameRecord& r) {
  std::string s;
  for (int reel = 2; reel <= 4; ++reel)
    if (r.held & (1u << (reel - 1))) s += (s.empty() ? "" : " ") + std::to_string(reel);
  return s;
}

// The payout setting a record was played at; nothing for one kept before
// the history took it.
std::string payoutText(const GameRecord& r) {
  return r.machinepay > 0 ? std::to_string(r.machinepay) : std::string();
}

// Every column's value as text, in the order of kColumns.
std::vector<std::string> values(const GameRecord& r) {
  auto n = [](long long v) { return std::to_string(v); };
  return {n(r.id),          isoTime(r.timeMs),   kindName(r.kind),    n(r.slot),
          n(r.lines),       n(r.betPerLine),     n(r.bet),            stopsText(r),
          heldText(r),      n(r.voids),          lineWinsText(r),     n(r.scatters),
          n(r.scatterPay),  n(r.multiplier),     n(r.win),            n(r.award),
          n(r.series),      n(r.seriesSpin),     n(r.ballStart),      n(r.ballCell),
          prizeName(r.prize), n(r.gambled),      n(r.stake),          gambleStepsText(r),
          n(r.moneyIn),     n(r.paid),           n(r.creditBefore),   n(r.creditAfter),
          payoutText(r)};
}

std::string csvField(const std::string& v) {
  if (v.find_first_of(",\"\n") == std::string::npos) return v;
  std::string out = "\"";
  for (char c : v) out += c == '"' ? std::string("\"\"") : std::string(1, c);
  return out + "\"";
}

std::string jsonString(const std::string& v) {
  std::string out = "\"";
  for (char c : v) {
    if (c == '"' || c == '\\') out += '\\';
    out += c;
  }
  return out + "\"";
}

void writeJson(const GameRecord& r, std::ostream& out) {
  const std::vector<std::string> v = values(r);
  out << "{";
  for (std::size_t i = 0; i < v.size(); ++i) {
    const std::string col = kColumns[i];
    out << (i ? ", " : "") << jsonString(col) << ": ";
    if (col == "line_wins") {
      out << "[";
      for (std::size_t k = 0; k < r.lineWins.size(); ++k) {
        const LineWin& w = r.lineWins[k];
        out << (k ? ", " : "") << "{\"line\": " << int(w.line) << ", \"symbol\": "
            << jsonString(symbolName(static_cast<Symbol>(w.symbol))) << ", \"length\": "
            << int(w.length) << ", \"pay\": " << w.pay << "}";
      }
      out << "]";
    } else if (col == "gamble_steps") {
      out << "[";
      for (std::size_t k = 0; k < r.steps.size(); ++k) {
        const GambleStep& s = r.steps[k];
        out << (k ? ", " : "") << "{\"bet\": " << jsonString(betName(s.bet))
            << ", \"card\": " << jsonString(suitName(s.card))
            << ", \"won\": " << (s.won ? "true" : "false") << ", \"at_risk\": " << s.atRisk
            << "}";
      }
      out << "]";
    } else if (col == "machinepay" && v[i].empty()) {
      out << "null";
    } else if (col == "time" || col == "kind" || col == "stops" || col == "held_reels" ||
               col == "prize") {
      out << jsonString(v[i]);
    } else {
      out << v[i];
    }
  }
  out << "}";
}

}  // namespace

std::optional<ExportFormat> exportFormat(std::string_view name) {
  if (name == "csv") return ExportFormat::Csv;
  if (name == "json") return ExportFormat::Json;
  return std::nullopt;
}

std::int64_t writeHistory(GameHistory& history, ExportFormat format, std::ostream& out) {
  std::int64_t written = 0;
  if (format == ExportFormat::Csv) {
    for (std::size_t i = 0; i < std::size(kColumns); ++i) out << (i ? "," : "") << kColumns[i];
    out << "\n";
    history.forEach([&](const GameRecord& r) {
      const std::vector<std::string> v = values(r);
      for (std::size_t i = 0; i < v.size(); ++i) out << (i ? "," : "") << csvField(v[i]);
      out << "\n";
      ++written;
    });
  } else {
    out << "[";
    history.forEach([&](const GameRecord& r) {
      out << (written ? ",\n " : "\n ");
      writeJson(r, out);
      ++written;
    });
    out << (written ? "\n]\n" : "]\n");
  }
  return written;
}

std::string isoTime(std::int64_t ms) {
  using namespace std::chrono;
  const sys_time<milliseconds> t{milliseconds{ms}};
  const sys_days day = floor<days>(t);
  const year_month_day ymd{day};
  const hh_mm_ss<milliseconds> hms{t - day};
  char buf[40];
  std::snprintf(buf, sizeof buf, "%04d-%02u-%02uT%02ld:%02ld:%02ld.%03ldZ", int(ymd.year()),
                unsigned(ymd.month()), unsigned(ymd.day()), long(hms.hours().count()),
                long(hms.minutes().count()), long(hms.seconds().count()),
                long(hms.subseconds().count()));
  return buf;
}

const char* kindName(RecordKind kind) {
  constexpr const char* names[kRecordKinds] = {"spin",         "free spin", "collect",
                                               "jackpot time", "gamble",    "credit in"};
  const int k = static_cast<int>(kind);
  return k >= 0 && k < kRecordKinds ? names[k] : "?";
}

const char* prizeName(JackpotPrize prize) {
  constexpr const char* names[] = {"", "bet x10", "bet x20", "bet x30", "minor", "major", "grand"};
  const int k = static_cast<int>(prize);
  return k >= 0 && k <= 6 ? names[k] : "?";
}

const char* betName(GambleBet bet) {
  constexpr const char* names[] = {"red", "black", "hearts", "clubs", "diamonds", "spades"};
  const int k = static_cast<int>(bet);
  return k >= 0 && k <= 5 ? names[k] : "?";
}

const char* suitName(int suit) {
  constexpr const char* names[] = {"?", "hearts", "clubs", "diamonds", "spades"};
  return suit >= 1 && suit <= 4 ? names[suit] : "?";
}

std::string lineWinsText(const GameRecord& r) {
  std::string s;
  for (const LineWin& w : r.lineWins) {
    if (!s.empty()) s += "; ";
    s += "line " + std::to_string(w.line) + ": " + symbolName(static_cast<Symbol>(w.symbol)) +
         " x" + std::to_string(w.length) + " = " + std::to_string(w.pay);
  }
  return s;
}

std::string gambleStepsText(const GameRecord& r) {
  std::string s;
  for (const GambleStep& g : r.steps) {
    if (!s.empty()) s += "; ";
    s += std::string(betName(g.bet)) + " on " + suitName(g.card) + (g.won ? " won " : " lost ") +
         std::to_string(g.atRisk);
  }
  return s;
}

}  // namespace quov
