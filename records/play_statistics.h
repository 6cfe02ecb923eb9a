// The player's return seen against the rules: from the game history of one
// player slot, what play returned game after game, what the rules expected
// of the very games played (each at its own payout setting, lines and bet),
// how far chance alone would carry it, the credit over time, and how often
// each size of win came up against how often the rules give it. Built one
// record at a time, oldest first, so the same figures follow a history of
// any length and grow as games are played.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/game_history.h"
#include "records/history_ledger.h"
#include "records/thinned_series.h"
#include "rules/base_game.h"
#include "rules/built_return_table.h"

namespace quov {

// The return after a number of games, per money played (1 is all of it back).
struct ReturnPoint {
  std::int64_t game = 0;
  double measured = 0;              // without the jackpots' prizes
  double measuredWithJackpots = 0;
  double expected = 0;              // of the games played, without jackpots
  double expectedWithJackpots = 0;  // ... with the jackpots at their floors
  double bandLow = 0, bandHigh = 0; // expected ± 2 standard deviations
};

// The credit after a record of the slot, by its number among the slot's records.
struct CreditPoint {
  std::int64_t record = 0;
  std::int64_t credit = 0;
};
enum class CreditMark : std::uint8_t { Insertion, JackpotPrize, FreeSpins };
struct CreditMarker {
  std::int64_t record = 0;
  std::int64_t credit = 0;
  CreditMark mark = CreditMark::Insertion;
  std::int64_t amount = 0;  // money put in, the prize, or the series' total
};

struct WinBandCount {
  const char* label = "";
  std::int64_t observed = 0;
  double expected = 0;
};

// How far a measurement lies from what the rules expect, in standard
// deviations, and that put into words.
struct Verdict {
  double z = 0;
  std::string words;
};

struct PlayStatistics {
  // `machinepay` is the slot's payout setting now, which the games recorded
  // before the history kept each game's setting are taken at.
  int slot = 1, machinepay = 4;
  // Games by the payout setting they were played at, 0 not known.
  std::array<std::int64_t, 5> gamesAtSetting{};
  std::string settingWords;  // when the settings played matter, which they were
  IntegrityMeters meters;  // the same meters as the history's check
  std::vector<ReturnPoint> returns;
  ReturnPoint last;          // after every game
  double spread = 0;         // standard deviation of the measured return now
  Verdict returnVerdict;
  std::vector<CreditPoint> credit;
  std::vector<CreditMarker> marks;
  std::int64_t insertions = 0, jackpotPrizes = 0, freeSpinSeries = 0;
  std::string creditWords;
  std::array<WinBandCount, kBetMultipleBands.size()> bands{};
  Verdict winsVerdict;  // winning spins against the rules' hit frequency
};

// The words for a return `z` standard deviations from the expected one.
std::string returnWords(double z);
// Which payout settings the games were played at, when it matters: more
// than one, or games whose setting is not known, taken at `machinepay`.
std::string settingWords(const std::array<std::int64_t, 5>& gamesAtSetting, int machinepay);
// The words for winning spins `z` standard deviations from the expected count.
std::string winsWords(std::int64_t observed, double expected, double z);

class PlayStatisticsBuilder {
 public:
  // Each game is taken at the payout setting it was played at; one recorded
  // before the history kept the setting, at `machinepay`, the slot's
  // setting now (the records keep no earlier one).
  PlayStatisticsBuilder(int slot, int machinepay, std::size_t mostPoints = 1500,
                        const ReturnTable& table = builtReturnTable());
  // A record of the history, oldest first; other slots' records are passed over.
  void add(const RecordMoney& r);
  void add(const GameRecord& r) { add(moneyOf(r)); }
  // The summary of a block of the history, in place of its records: the
  // figures come out as from the records, the lines with one point for
  // the block and its marks with the first of each kind.
  void add(const HistoryBlock& b);
  PlayStatistics result() const;
  std::int64_t records() const { return records_; }

 private:
  const ExpectedReturn* expectationOf(int machinepay, int lines, int betPerLine);
  // Spins at one expectation that took a bet: how many, their bets and
  // the squares of their bets added up.
  void expect(const ExpectedReturn& e, double spins, double stakes, double stakeSquares);
  ReturnPoint returnNow() const;

  int slot_, machinepay_;
  const ReturnTable& table_;
  IntegrityMeters meters_;
  std::int64_t records_ = 0;
  // The games the rules have figures for: their stakes, the expected wins
  // and the variance of the wins, in cents.
  double staked_ = 0, expectedWon_ = 0, expectedJackpots_ = 0, variance_ = 0;
  double hitsExpected_ = 0, hitsVariance_ = 0;
  std::int64_t hits_ = 0;
  int cachedSetting_ = -1, cachedLines_ = -1, cachedBet_ = -1;
  std::array<std::int64_t, 5> gamesAtSetting_{};
  std::optional<ExpectedReturn> cached_;
  ThinnedSeries<ReturnPoint, &ReturnPoint::game> returns_;
  ThinnedSeries<CreditPoint, &CreditPoint::record> credit_;
  ThinnedSeries<CreditMarker, &CreditMarker::record> marks_;
  std::int64_t insertions_ = 0, jackpotPrizes_ = 0, series_ = 0;
  std::int64_t lastCredit_ = 0;
  std::array<std::int64_t, kBetMultipleBands.size()> bandsSeen_{};
  std::array<double, kBetMultipleBands.size()> bandsExpected_{};
};

// Every record of the history through a builder, the older blocks by their
// summaries where the history keeps them.
PlayStatistics playStatistics(GameHistory& history, int slot, int machinepay);

}  // namespace quov
