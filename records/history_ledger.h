// What the game history proves: the books of every record balance (the
// credit after is the credit before, plus the money put in, less the bet and
// the stake, plus what was paid), each record takes up the credit where the
// one before left it, a series' collect pays exactly what its spins won, and
// a gamble pays what its cards made of the stake. A series interrupted by a
// kill goes on from where the player's records last stood: a free spin the
// records had not kept yet is played again under its number, and a collect
// they had not kept is made again. The later record replaces the earlier. And the meters a player
// can check the machine by: money in, money played, money won, jackpots
// paid, games, and the return measured over them.
#pragma once

#include <cstdint>
#include <map>
#include <optional>

#include "platform/game_history.h"

namespace quov {

struct IntegrityMeters {
  std::int64_t moneyIn = 0;
  std::int64_t moneyPlayed = 0;   // bets of ordinary spins; a gamble's re-wager is not play
  std::int64_t moneyWon = 0;      // spin wins, series totals and what gambles added or took
  std::int64_t jackpotsPaid = 0;  // every prize of jackpot time
  std::int64_t games = 0;         // ordinary spins
  void add(const RecordMoney& r);
  void add(const GameRecord& r) { add(moneyOf(r)); }
  IntegrityMeters& operator+=(const IntegrityMeters& other) {
    moneyIn += other.moneyIn;
    moneyPlayed += other.moneyPlayed;
    moneyWon += other.moneyWon;
    jackpotsPaid += other.jackpotsPaid;
    games += other.games;
    return *this;
  }
  // What play returned per money played, in percent, jackpots included;
  // nothing before any money was played.
  std::optional<double> measuredReturn() const;
  // The same without the jackpots' prizes.
  std::optional<double> measuredReturnWithoutJackpots() const;
};

struct LedgerReport {
  std::int64_t records = 0;
  std::int64_t unbalanced = 0;   // records whose own books do not balance
  std::int64_t breaks = 0;       // records that do not start where the previous one ended
  std::int64_t badSeries = 0;    // collects that do not pay what their series won
  std::int64_t badWins = 0;      // spins whose win is not what their lines and scatters paid
  std::int64_t badGambles = 0;   // gambles that do not pay what their cards made
  std::int64_t firstFault = 0;   // id of the first record at fault, 0 none
  bool sound() const { return unbalanced + breaks + badSeries + badWins + badGambles == 0; }
};

// Checks records one at a time, oldest first.
class LedgerCheck {
 public:
  void add(const GameRecord& r);
  const LedgerReport& report() const { return report_; }

 private:
  void fault(std::int64_t& counter, const GameRecord& r);
  LedgerReport report_;
  std::optional<std::int32_t> lastCredit_;
  // What each series won, by the id of its first spin: the wins by their
  // number in the series, the first spin's as 0.
  std::map<std::int64_t, std::map<std::int16_t, std::int64_t>> seriesWon_;
};

// The books of one record: credit after − credit before = in − bet − stake + paid.
bool balances(const GameRecord& r);

}  // namespace quov
