// Checks what a killed game left, for a test that kills the real program
// again and again: the two settings files come from one moment, and the
// player's records account for every game the history booked since the last
// start except at most the one in progress, with the money identity
//   credit + series total waiting for its collect
//     = 5000 + money put in - bets + total won + meter prizes + bet-multiple prizes.
// The records as last checked, the next history record and the bet-multiple
// prizes counted so far are kept in a state file between checks.
//   records_check <settings folder> <history file> <state file>
#include <QFile>
#include <QSettings>
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "desktop/ini_text.h"
#include "desktop/settings_files.h"
#include "desktop/sqlite_history.h"

namespace {

using quov::GameRecord;
using quov::RecordKind;

constexpr long long kStartingCredit = 5000;

// The player's books as the records hold them, and the bet-multiple prizes
// of jackpot time, which reach the credit and no other record.
struct Books {
  long long bank = kStartingCredit, games = 0, wager = 0, total = 0, invested = 0,
            jackpotbank = 0, betPrizes = 0;
  // The series kept: its total, counters and first spin's record.
  long long seriesWin = 0, given = 0, played = 0, seriesId = 0;
  bool sameRecords(const Books& o) const {
    return bank == o.bank && games == o.games && wager == o.wager && total == o.total &&
           invested == o.invested && jackpotbank == o.jackpotbank && seriesWin == o.seriesWin &&
           given == o.given && played == o.played && seriesId == o.seriesId;
  }
  std::string text() const {
    char s[320];
    std::snprintf(s, sizeof s,
                  "bank %lld games %lld wager %lld total %lld invested %lld jackpotbank %lld "
                  "series: total %lld given %lld played %lld game %lld",
                  bank, games, wager, total, invested, jackpotbank, seriesWin, given, played,
                  seriesId);
    return s;
  }
};

// What the game did with one booked record; false for a record this
// session cannot make (it never gambles).
bool book(Books& b, const GameRecord& r, std::string& fault) {
  switch (r.kind) {
    case RecordKind::Spin:
      b.games += 1;
      b.wager += r.bet;
      b.total += r.win;
      b.bank += r.paid - r.bet;
      if (r.award > 0) {  // the series starts with this spin's win
        b.seriesWin = r.win;
        b.given = r.award + 1;
        b.played = 1;
        b.seriesId = r.id;
      }
      return true;
    case RecordKind::FreeSpin:
      if (r.series != b.seriesId) {
        fault = "free spin " + std::to_string(r.id) + " names series " +
                std::to_string(r.series) + ", the records keep " + std::to_string(b.seriesId);
        return false;
      }
      b.total += r.win;
      b.seriesWin += r.win;
      b.played = r.seriesSpin + 1;
      if (r.award > 0) b.given += r.award + 1;
      return true;
    case RecordKind::Collect:
      if (r.series != b.seriesId || r.paid != b.seriesWin) {
        fault = "collect " + std::to_string(r.id) + " pays " + std::to_string(r.paid) +
                " for series " + std::to_string(r.series) + ", the records keep " +
                std::to_string(b.seriesWin) + " for " + std::to_string(b.seriesId);
        return false;
      }
      b.bank += r.paid;
      b.seriesWin = b.given = b.played = b.seriesId = 0;
      return true;
    case RecordKind::JackpotTime:
      b.bank += r.paid;
      if (r.prize == quov::JackpotPrize::Minor || r.prize == quov::JackpotPrize::Major ||
          r.prize == quov::JackpotPrize::Grand)
        b.jackpotbank += r.paid;
      else
        b.betPrizes += r.paid;
      return true;
    case RecordKind::CreditIn:
      b.bank += r.moneyIn;
      b.invested += r.moneyIn;
      return true;
    case RecordKind::Gamble:
      fault = "a gamble, which this session never plays";
      return false;
  }
  return false;
}

long long number(const quov::IniValues& v, const char* key) {
  return v.value(QString::fromLatin1(key)).toString().toLongLong();
}

Books fromStore(const quov::SettingsFiles::Apps& apps, long long betPrizes) {
  const quov::IniValues& p = apps.at("quovslot");
  Books b;
  b.bank = number(p, "player1/bank");
  b.games = number(p, "player1/games");
  b.wager = number(p, "player1/wager");
  b.total = number(p, "player1/total");
  b.invested = number(p, "player1/amountinvested");
  b.jackpotbank = number(p, "player1/jackpotbank");
  b.seriesWin = number(p, "player1/freespinwin");
  b.given = number(p, "player1/freespinsgiven");
  b.played = number(p, "player1/freespinsplayed");
  b.seriesId = number(p, "player1/seriesgame");
  b.betPrizes = betPrizes;
  return b;
}

// The generation of one file, 0 when it is not there.
quint64 generationOf(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return 0;
  quov::IniValues v;
  QString error;
  if (!quov::parseIni(f.readAll(), v, error)) return 0;
  return v.value(QStringLiteral("store/generation")).toULongLong();
}

// Both files from one moment, as the next start reads them: the newest
// generation every file has, in place or staged as ".next". A save killed
// while staging leaves a newer file beside a whole older set, which the
// start passes over.
bool oneMoment(const QString& folder, std::string& said) {
  const QString a = folder + "/quovslot.ini", b = folder + "/allslot.ini";
  const quint64 ga = generationOf(a), gb = generationOf(b);
  const quint64 na = generationOf(a + ".next"), nb = generationOf(b + ".next");
  said = "generations " + std::to_string(ga) + " and " + std::to_string(gb);
  if (ga == 0 && gb == 0 && na == 0 && nb == 0) {
    said = "nothing saved yet";
    return true;
  }
  quint64 whole = 0;
  for (const quint64 g : {ga, gb, na, nb})
    if (g > whole && (g == ga || g == na) && (g == gb || g == nb)) whole = g;
  if (whole == 0) return false;
  if (whole != ga || whole != gb)
    said += ", whole as generation " + std::to_string(whole) + " with the files waiting beside them";
  if (std::max(na, nb) > whole)
    said += ", a save of generation " + std::to_string(std::max(na, nb)) + " cut short beside them";
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: records_check <settings folder> <history file> <state file>\n");
    return 2;
  }
  const QString folder = QString::fromLocal8Bit(argv[1]);
  const std::string stateFile = argv[3];
  int failures = 0;
  auto fail = [&](const std::string& what) {
    std::printf("FAIL %s\n", what.c_str());
    ++failures;
  };

  std::string said;
  if (!oneMoment(folder, said)) fail("the two files are not from one moment: " + said);
  else std::printf("ok   one moment: %s\n", said.c_str());

  // The records as last checked (what this run started from).
  Books start;
  long long nextId = 1;
  {
    std::ifstream in(stateFile);
    in >> start.bank >> start.games >> start.wager >> start.total >> start.invested >>
        start.jackpotbank >> start.betPrizes >> start.seriesWin >> start.given >> start.played >>
        start.seriesId >> nextId;
  }
  quov::SqliteHistory history(QString::fromLocal8Bit(argv[2]));
  std::vector<GameRecord> booked;
  history.forEach([&](const GameRecord& r) {
    if (r.id >= nextId) booked.push_back(r);
  });

  const quov::SettingsFiles files(folder, {"quovslot", "allslot"});
  Books now = fromStore(files.load().apps, start.betPrizes);

  // The books with every record booked since the start, without the last
  // one, and without the last outcome and what followed it: the records
  // may lack the game in progress, no more.
  std::vector<std::pair<std::size_t, const char*>> candidates = {
      {booked.size(), "nothing lost"}};
  if (!booked.empty()) candidates.emplace_back(booked.size() - 1, "the last record lost");
  for (std::size_t i = booked.size(); i-- > 0;)
    if (booked[i].kind == RecordKind::Spin || booked[i].kind == RecordKind::FreeSpin ||
        booked[i].kind == RecordKind::JackpotTime) {
      candidates.emplace_back(i, "the last game lost");
      break;
    }
  bool matched = false;
  std::string why;
  for (const auto& [count, what] : candidates) {
    Books expected = start;
    bool ok = true;
    for (std::size_t i = 0; i < count && ok; ++i) ok = book(expected, booked[i], why);
    if (ok && expected.sameRecords(now)) {
      std::printf("ok   %zu records booked since the start: %s\n", booked.size(), what);
      now.betPrizes = expected.betPrizes;
      matched = true;
      break;
    }
  }
  if (!matched) {
    Books all = start;
    for (const GameRecord& r : booked)
      if (!book(all, r, why)) break;
    fail("the records lost more than the game in progress" + (why.empty() ? "" : ": " + why) +
         "\n       the history makes " + all.text() + "\n       the records hold " + now.text());
  }

  const long long left = now.bank + now.seriesWin;
  const long long right = kStartingCredit + now.invested - now.wager + now.total +
                          now.jackpotbank + now.betPrizes;
  if (left == right)
    std::printf("ok   credit %lld + series %lld = %lld + in %lld - bets %lld + won %lld + meters "
                "%lld + bet prizes %lld\n",
                now.bank, now.seriesWin, kStartingCredit, now.invested, now.wager, now.total,
                now.jackpotbank, now.betPrizes);
  else
    fail("credit " + std::to_string(now.bank) + " + series " + std::to_string(now.seriesWin) +
         " != " + std::to_string(right));
  std::printf("     records: %s\n", now.text().c_str());

  if (failures == 0) {
    const long long last = booked.empty() ? nextId - 1 : booked.back().id;
    std::ofstream out(stateFile, std::ios::trunc);
    out << now.bank << ' ' << now.games << ' ' << now.wager << ' ' << now.total << ' '
        << now.invested << ' ' << now.jackpotbank << ' ' << now.betPrizes << ' ' << now.seriesWin
        << ' ' << now.given << ' ' << now.played << ' ' << now.seriesId << ' ' << last + 1 << '\n';
  }
  return failures == 0 ? 0 : 1;
}
