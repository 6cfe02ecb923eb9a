// The player's return against the rules, worked by hand on short scripted
// histories: the band narrows as 2σ/√n with one setting, each game keeps
// its own expectation when lines or bet change, the meters are those of
// the history's check, and the credit, its marks and the win bands count
// the records they should.
#include <gtest/gtest.h>

#include <cmath>

#include "records/play_statistics.h"

namespace quov {
namespace {

class ScriptedPlay {
 public:
  explicit ScriptedPlay(int slot = 1) : slot_(slot) {}

  void insert(int cents) {
    GameRecord r = next(RecordKind::CreditIn);
    r.moneyIn = cents;
    settle(r);
  }
  void spin(int lines, int betPerLine, int win) {
    GameRecord r = next(RecordKind::Spin);
    r.lines = static_cast<std::int16_t>(lines);
    r.betPerLine = static_cast<std::int16_t>(betPerLine);
    r.bet = lines * betPerLine;
    r.win = r.paid = win;
    r.scatterPay = win;
    settle(r);
  }
  void jackpot(int prize) {
    GameRecord r = next(RecordKind::JackpotTime);
    r.paid = prize;
    settle(r);
  }
  void series(int total) {
    GameRecord r = next(RecordKind::Collect);
    r.paid = total;
    settle(r);
  }
  // The payout setting the games from now on are played at; 0, as records
  // kept before the history took it, when not known.
  void setting(int machinepay) { machinepay_ = machinepay; }
  const std::vector<GameRecord>& records() const { return records_; }

 private:
  GameRecord next(RecordKind kind) {
    GameRecord r;
    r.id = static_cast<std::int64_t>(records_.size()) + 1;
    r.kind = kind;
    r.slot = static_cast<std::int8_t>(slot_);
    r.machinepay = static_cast<std::int8_t>(machinepay_);
    r.creditBefore = credit_;
    return r;
  }
  void settle(GameRecord& r) {
    r.creditAfter = r.creditBefore + r.moneyIn - r.bet + r.paid;
    credit_ = r.creditAfter;
    records_.push_back(r);
  }
  int slot_, machinepay_ = 0;
  std::int32_t credit_ = 0;
  std::vector<GameRecord> records_;
};

PlayStatistics statisticsOf(const std::vector<GameRecord>& records, int machinepay = 4,
                            std::size_t mostPoints = 1500) {
  PlayStatisticsBuilder b(1, machinepay, mostPoints);
  for (const GameRecord& r : records) b.add(r);
  return b.result();
}

TEST(PlayStatistics, BandNarrowsAsTwoSigmaOverRootGamesWithOneSetting) {
  const ExpectedReturn e = *returnTable().at(4, 25, 1);
  ASSERT_GT(e.spread, 1.0);  // an ordinary spin alone spreads 1.52 total bets
  ScriptedPlay play;
  play.insert(5000);
  // 100 games at 25 x 1 cent: a win of 50 every fourth game.
  for (int g = 1; g <= 100; ++g) play.spin(25, 1, g % 4 == 0 ? 50 : 0);
  const PlayStatistics s = statisticsOf(play.records());
  ASSERT_EQ(s.returns.size(), 100u);
  for (const int n : {1, 4, 25, 100}) {
    SCOPED_TRACE(n);
    const ReturnPoint& p = s.returns[static_cast<std::size_t>(n - 1)];
    EXPECT_EQ(p.game, n);
    EXPECT_NEAR(p.expected, e.withoutJackpots(), 1e-12);
    EXPECT_NEAR(p.expectedWithJackpots, e.withJackpots(), 1e-12);
    EXPECT_NEAR(p.bandHigh - p.expected, 2 * e.spread / std::sqrt(n), 1e-12);
    EXPECT_NEAR(p.expected - p.bandLow, 2 * e.spread / std::sqrt(n), 1e-12);
  }
  // 25 wins of 50 cents over 2500 cents played.
  EXPECT_DOUBLE_EQ(s.last.measured, 1250.0 / 2500.0);
  EXPECT_NEAR(s.spread, e.spread / 10, 1e-12);
  EXPECT_NEAR(s.returnVerdict.z, (0.5 - e.withoutJackpots()) / (e.spread / 10), 1e-9);
}

TEST(PlayStatistics, ChangedLinesAndBetKeepEachGamesOwnExpectation) {
  const ExpectedReturn a = *returnTable().at(3, 25, 1);
  const ExpectedReturn b = *returnTable().at(3, 5, 2);
  ScriptedPlay play;
  play.insert(5000);
  for (int g = 0; g < 10; ++g) play.spin(25, 1, 0);
  for (int g = 0; g < 10; ++g) play.spin(5, 2, g == 0 ? 400 : 0);
  const PlayStatistics s = statisticsOf(play.records(), 3);
  // 250 cents at the first bet, then 100 at the second.
  const double expected = (a.withoutJackpots() * 250 + b.withoutJackpots() * 100) / 350;
  const double withJackpots = (a.withJackpots() * 250 + b.withJackpots() * 100) / 350;
  const double half = 2 * std::sqrt(10 * std::pow(a.spread * 25, 2) + 10 * std::pow(b.spread * 10, 2)) / 350;
  EXPECT_NEAR(s.last.expected, expected, 1e-12);
  EXPECT_NEAR(s.last.expectedWithJackpots, withJackpots, 1e-12);
  EXPECT_NEAR(s.last.bandHigh - s.last.expected, half, 1e-12);
  // After the first ten games the expectation was the first bet's alone.
  EXPECT_NEAR(s.returns[9].expected, a.withoutJackpots(), 1e-12);
  EXPECT_DOUBLE_EQ(s.last.measured, 400.0 / 350.0);
  // The jackpot is worth more per cent staked at 10 cents a game than at 25.
  EXPECT_GT(b.jackpot, a.jackpot);
}

TEST(PlayStatistics, ChangedPayoutSettingsKeepEachGamesOwnExpectation) {
  // Three games recorded before the history kept the setting (taken at the
  // slot's setting now, 3), four at setting 4, two at setting 1 and 5 x 2.
  const ExpectedReturn unknown = *returnTable().at(3, 25, 1);
  const ExpectedReturn realistic = *returnTable().at(4, 25, 1);
  const ExpectedReturn dream = *returnTable().at(1, 5, 2);
  ScriptedPlay play;
  play.insert(5000);
  for (int g = 0; g < 3; ++g) play.spin(25, 1, 0);
  play.setting(4);
  for (int g = 0; g < 4; ++g) play.spin(25, 1, g == 0 ? 50 : 0);
  play.setting(1);
  for (int g = 0; g < 2; ++g) play.spin(5, 2, g == 0 ? 40 : 0);
  const PlayStatistics s = statisticsOf(play.records(), 3);
  // 75 cents staked unknown, 100 at setting 4, 20 at setting 1.
  const double expected =
      (unknown.withoutJackpots() * 75 + realistic.withoutJackpots() * 100 + dream.withoutJackpots() * 20) / 195;
  const double withJackpots =
      (unknown.withJackpots() * 75 + realistic.withJackpots() * 100 + dream.withJackpots() * 20) / 195;
  const double half = 2 *
                      std::sqrt(3 * std::pow(unknown.spread * 25, 2) + 4 * std::pow(realistic.spread * 25, 2) +
                                2 * std::pow(dream.spread * 10, 2)) /
                      195;
  EXPECT_NEAR(s.last.expected, expected, 1e-12);
  EXPECT_NEAR(s.last.expectedWithJackpots, withJackpots, 1e-12);
  EXPECT_NEAR(s.last.bandHigh - s.last.expected, half, 1e-12);
  EXPECT_DOUBLE_EQ(s.last.measured, 90.0 / 195.0);
  ASSERT_EQ(s.returns.size(), 9u);
  EXPECT_NEAR(s.returns[2].expected, unknown.withoutJackpots(), 1e-12);
  EXPECT_NEAR(s.returns[6].expected,
              (unknown.withoutJackpots() * 75 + realistic.withoutJackpots() * 100) / 175, 1e-12);
  // Setting 1 keeps every win: it expects far more than setting 4 does.
  EXPECT_GT(dream.withoutJackpots(), 2 * realistic.withoutJackpots());
  EXPECT_EQ(s.gamesAtSetting, (std::array<std::int64_t, 5>{3, 2, 0, 0, 4}));
  EXPECT_EQ(s.settingWords,
            "played at payout settings 4 (4 games) and 1 (2 games); 3 games recorded before the "
            "history kept the payout setting are taken at the setting now, 3");
}

TEST(PlayStatistics, TheSettingsPlayedAreToldOnlyWhenTheyMatter) {
  ScriptedPlay known, old;
  known.setting(4);
  known.insert(5000);
  old.insert(5000);
  for (int g = 0; g < 5; ++g) {
    known.spin(25, 1, 0);
    old.spin(25, 1, 0);
  }
  EXPECT_EQ(statisticsOf(known.records(), 1).settingWords, "");
  // The slot's setting now does not touch games whose own setting is known.
  EXPECT_DOUBLE_EQ(statisticsOf(known.records(), 1).last.expected,
                   statisticsOf(known.records(), 4).last.expected);
  EXPECT_EQ(statisticsOf(old.records(), 4).settingWords,
            "5 games recorded before the history kept the payout setting are taken at the setting "
            "now, 4");
  std::array<std::int64_t, 5> one{};
  one[0] = 1;
  one[3] = 2;
  EXPECT_EQ(settingWords(one, 4),
            "played at payout setting 3 (2 games); 1 game recorded before the history kept the "
            "payout setting is taken at the setting now, 4");
}

TEST(PlayStatistics, MetersAreTheChecksAndOtherSlotsArePassedOver) {
  ScriptedPlay mine, theirs(2);
  mine.insert(5000);
  mine.spin(10, 5, 100);
  mine.series(730);
  mine.jackpot(2000);
  mine.spin(10, 5, 0);
  theirs.insert(5000);
  theirs.spin(25, 20, 9000);
  std::vector<GameRecord> all = mine.records();
  all.insert(all.begin() + 2, theirs.records().begin(), theirs.records().end());
  const PlayStatistics s = statisticsOf(all);
  IntegrityMeters check;
  for (const GameRecord& r : mine.records()) check.add(r);
  EXPECT_EQ(s.meters.moneyIn, check.moneyIn);
  EXPECT_EQ(s.meters.moneyPlayed, 100);
  EXPECT_EQ(s.meters.moneyWon, 830);
  EXPECT_EQ(s.meters.jackpotsPaid, 2000);
  EXPECT_EQ(s.meters.games, 2);
  EXPECT_DOUBLE_EQ(100 * s.last.measured, *check.measuredReturnWithoutJackpots());
  EXPECT_DOUBLE_EQ(100 * s.last.measuredWithJackpots, *check.measuredReturn());

  // The credit from before the first record, each record after, and its marks.
  ASSERT_EQ(s.credit.size(), 6u);
  EXPECT_EQ(s.credit.front().credit, 0);
  EXPECT_EQ(s.credit.back().credit, 5000 - 50 + 100 + 730 + 2000 - 50);
  ASSERT_EQ(s.marks.size(), 3u);
  EXPECT_EQ(s.marks[0].mark, CreditMark::Insertion);
  EXPECT_EQ(s.marks[0].amount, 5000);
  EXPECT_EQ(s.marks[1].mark, CreditMark::FreeSpins);
  EXPECT_EQ(s.marks[1].record, 3);
  EXPECT_EQ(s.marks[1].credit, 5000 - 50 + 100 + 730);
  EXPECT_EQ(s.marks[2].mark, CreditMark::JackpotPrize);
  EXPECT_EQ(s.marks[2].amount, 2000);
  EXPECT_EQ(s.creditWords,
            "credit $ 0 to $ 77.3 over 2 games: 1 insertion, 1 jackpot prize, 1 free-spin series");
}

TEST(PlayStatistics, WinsFallInTheRulesBandsAgainstTheirChances) {
  ScriptedPlay play;
  play.insert(100000);
  // At 25 cents: no win, 10 (under one bet), 25 (one bet), 240 (9.6 bets), 2500 (100 bets).
  for (const int win : {0, 0, 10, 25, 240, 2500}) play.spin(25, 1, win);
  const PlayStatistics s = statisticsOf(play.records());
  const ExpectedReturn e = *returnTable().at(4, 25, 1);
  const std::array<std::int64_t, 9> seen = {2, 1, 1, 0, 1, 0, 0, 0, 1};
  double chances = 0;
  for (std::size_t b = 0; b < s.bands.size(); ++b) {
    SCOPED_TRACE(s.bands[b].label);
    EXPECT_EQ(s.bands[b].observed, seen[b]);
    EXPECT_NEAR(s.bands[b].expected, 6 * e.bands[b], 1e-12);
    chances += e.bands[b];
  }
  EXPECT_NEAR(chances, 1, 1e-12);
  const double hit = 1 - e.bands[0];
  EXPECT_NEAR(s.winsVerdict.z, (4 - 6 * hit) / std::sqrt(6 * hit * (1 - hit)), 1e-9);
}

TEST(PlayStatistics, ReturnAndWinsPutIntoWords) {
  EXPECT_EQ(returnWords(0.3), "your return is within the range expected by chance");
  EXPECT_EQ(returnWords(-1.99), "your return is within the range expected by chance");
  // Two-sided: 2.5 standard deviations or more either way one time in 81.
  EXPECT_EQ(returnWords(-2.5),
            "your return is unusually low: 2.5 standard deviations below the expected; about 1 "
            "player in 81 would be as far from it by chance");
  EXPECT_EQ(returnWords(3.2).substr(0, 37), "your return is very unusually high: 3");
  EXPECT_TRUE(returnWords(40).ends_with(
      "fewer than 1 player in a billion would be as far from it by chance"));
  EXPECT_EQ(winsWords(7, 8.4, -0.6),
            "winning spins came up 7 times against 8 expected: within the range expected by chance");
  EXPECT_EQ(statisticsOf({}).returnVerdict.words, "no games played yet");
}

TEST(PlayStatistics, LongPlayIsThinnedAndEndsAtTheLastGame) {
  ScriptedPlay play;
  play.insert(1'000'000);
  for (int g = 1; g <= 1001; ++g) play.spin(5, 1, g % 3 == 0 ? 10 : 0);
  const PlayStatistics s = statisticsOf(play.records(), 4, 100);
  ASSERT_LE(s.returns.size(), 101u);
  ASSERT_GE(s.returns.size(), 50u);
  EXPECT_EQ(s.returns.front().game, 1);
  EXPECT_EQ(s.returns.back().game, 1001);
  EXPECT_DOUBLE_EQ(s.returns.back().measured, s.last.measured);
  for (std::size_t i = 1; i < s.returns.size(); ++i) {
    EXPECT_LT(s.returns[i - 1].game, s.returns[i].game);
    // Evenly spaced except for the last.
    if (i + 1 < s.returns.size()) {
      EXPECT_EQ(s.returns[i].game - s.returns[i - 1].game, s.returns[1].game - s.returns[0].game);
    }
  }
  EXPECT_EQ(s.credit.back().credit, play.records().back().creditAfter);
}

}  // namespace
}  // namespace quov
