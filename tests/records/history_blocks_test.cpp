// The history's summaries: a long history read as the summaries of its
// older blocks and its latest records one by one gives the very figures of
// every record read one by one, its marks and credit points are real ones,
// and two lists of summaries are compared block by block.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>

#include "headless/memory_history.h"
#include "records/history_blocks.h"
#include "records/play_statistics.h"
#include "tests/records/long_history.h"

namespace quov {
namespace {

void expectNearRelative(double a, double b) { EXPECT_NEAR(a, b, 1e-12 * std::max(1.0, std::fabs(b))); }

class Summaries : public ::testing::Test {
 protected:
  void SetUp() override {
    for (GameRecord r : scripted::longScriptedHistory(kDetailedIds + 30 * kIdsPerBlock + 77)) history.append(r);
  }
  Scheduler clock;
  MemoryHistory history{clock};
};

TEST_F(Summaries, TheFiguresAreThoseOfEveryRecord) {
  for (const int slot : {1, 2}) {
    SCOPED_TRACE(slot);
    std::int64_t blocks = 0, records = 0;
    history.forEachSummarized(
        slot, [&](const HistoryBlock&) { ++blocks; }, [&](const RecordMoney&) { ++records; });
    EXPECT_EQ(blocks, 30);
    EXPECT_LE(records, kDetailedIds);

    const PlayStatistics s = playStatistics(history, slot, 3);
    PlayStatisticsBuilder every(slot, 3);
    history.forEach([&](const GameRecord& r) { every.add(r); });
    const PlayStatistics e = every.result();
    ASSERT_GT(e.meters.games, 1000);
    EXPECT_EQ(s.meters.moneyIn, e.meters.moneyIn);
    EXPECT_EQ(s.meters.moneyPlayed, e.meters.moneyPlayed);
    EXPECT_EQ(s.meters.moneyWon, e.meters.moneyWon);
    EXPECT_EQ(s.meters.jackpotsPaid, e.meters.jackpotsPaid);
    EXPECT_EQ(s.meters.games, e.meters.games);
    EXPECT_EQ(s.gamesAtSetting, e.gamesAtSetting);
    EXPECT_EQ(s.settingWords, e.settingWords);
    EXPECT_EQ(s.creditWords, e.creditWords);
    EXPECT_EQ(s.insertions, e.insertions);
    EXPECT_EQ(s.jackpotPrizes, e.jackpotPrizes);
    EXPECT_EQ(s.freeSpinSeries, e.freeSpinSeries);
    expectNearRelative(s.last.measured, e.last.measured);
    expectNearRelative(s.last.measuredWithJackpots, e.last.measuredWithJackpots);
    expectNearRelative(s.last.expected, e.last.expected);
    expectNearRelative(s.last.expectedWithJackpots, e.last.expectedWithJackpots);
    expectNearRelative(s.last.bandLow, e.last.bandLow);
    expectNearRelative(s.last.bandHigh, e.last.bandHigh);
    expectNearRelative(s.spread, e.spread);
    EXPECT_NEAR(s.returnVerdict.z, e.returnVerdict.z, 1e-9);
    EXPECT_EQ(s.returnVerdict.words, e.returnVerdict.words);
    EXPECT_NEAR(s.winsVerdict.z, e.winsVerdict.z, 1e-9);
    EXPECT_EQ(s.winsVerdict.words, e.winsVerdict.words);
    for (std::size_t b = 0; b < s.bands.size(); ++b) {
      EXPECT_EQ(s.bands[b].observed, e.bands[b].observed) << s.bands[b].label;
      expectNearRelative(s.bands[b].expected, e.bands[b].expected);
    }
    EXPECT_EQ(s.returns.back().game, e.meters.games);
    EXPECT_EQ(s.credit.back().record, e.credit.back().record);
    EXPECT_EQ(s.credit.back().credit, e.credit.back().credit);
  }
}

// Each point and mark the charts draw from a summary is one a record made:
// the credit after the slot's record of its number, and a mark with its kind,
// credit and amount.
TEST_F(Summaries, CreditPointsAndMarksAreRealOnes) {
  std::vector<std::int64_t> creditAfter;  // by the slot's record number
  std::map<std::int64_t, CreditMarker> marks;
  for (const GameRecord& r : history.records) {
    if (r.slot != 1) continue;
    if (creditAfter.empty()) creditAfter.push_back(r.creditBefore);
    creditAfter.push_back(r.creditAfter);
    const auto n = static_cast<std::int64_t>(creditAfter.size()) - 1;
    if (r.kind == RecordKind::CreditIn) marks[n] = {n, r.creditAfter, CreditMark::Insertion, r.moneyIn};
    if (r.kind == RecordKind::JackpotTime) marks[n] = {n, r.creditAfter, CreditMark::JackpotPrize, r.paid};
    if (r.kind == RecordKind::Collect) marks[n] = {n, r.creditAfter, CreditMark::FreeSpins, r.paid};
  }
  const PlayStatistics s = playStatistics(history, 1, 4);
  ASSERT_GT(s.marks.size(), 100u);
  for (std::size_t i = 0; i < s.credit.size(); ++i) {
    const CreditPoint& p = s.credit[i];
    ASSERT_LT(p.record, static_cast<std::int64_t>(creditAfter.size()));
    EXPECT_EQ(p.credit, creditAfter[static_cast<std::size_t>(p.record)]) << p.record;
    if (i > 0) {
      EXPECT_LT(s.credit[i - 1].record, p.record);
    }
  }
  for (std::size_t i = 0; i < s.marks.size(); ++i) {
    const CreditMarker& m = s.marks[i];
    if (i > 0) {
      EXPECT_LT(s.marks[i - 1].record, m.record);
    }
    const auto real = marks.find(m.record);
    ASSERT_NE(real, marks.end()) << m.record;
    EXPECT_EQ(m.mark, real->second.mark);
    EXPECT_EQ(m.credit, real->second.credit);
    EXPECT_EQ(m.amount, real->second.amount);
  }
}

// A point a block and a point a game, thinned alike by where they stand:
// the older games are drawn as closely as the recent ones.
TEST_F(Summaries, TheLinesSpreadEvenlyOverSummariesAndRecords) {
  const PlayStatistics s = playStatistics(history, 1, 4);
  auto widestGap = [](const auto& points, auto place) {
    std::int64_t widest = 0;
    for (std::size_t i = 1; i < points.size(); ++i)
      widest = std::max(widest, points[i].*place - points[i - 1].*place);
    return widest;
  };
  ASSERT_GT(s.returns.size(), 700u);
  ASSERT_LE(s.returns.size(), 1501u);
  const std::int64_t even = s.meters.games / static_cast<std::int64_t>(s.returns.size());
  // No gap wider than the thinning's spacing and one block.
  EXPECT_LE(widestGap(s.returns, &ReturnPoint::game), 4 * even + kIdsPerBlock);
  const std::int64_t records = s.credit.back().record;
  EXPECT_LE(widestGap(s.credit, &CreditPoint::record),
            4 * records / static_cast<std::int64_t>(s.credit.size()) + kIdsPerBlock);
}

TEST_F(Summaries, DisagreeingBlocksAreCountedOnce) {
  BlockSummaries all;
  for (const GameRecord& r : history.records) all.add(moneyOf(r));
  const std::vector<HistoryBlock> blocks = all.blocks();
  ASSERT_EQ(blocks.size(), 2 * static_cast<std::size_t>(blockOf(history.count()) + 1));

  std::vector<HistoryBlock> changed = blocks;
  EXPECT_EQ(disagreeingBlocks(blocks, changed), 0);
  changed[5].moneyWon += 1;
  changed.erase(changed.begin() + 9);
  EXPECT_EQ(disagreeingBlocks(blocks, changed), 2);
}

TEST(SummaryBlocks, TheLatestRecordsAreReadOneByOneAndSummariesOnlyAsFarAsTheyGo) {
  EXPECT_EQ(firstDetailedId(0, 0), 1);
  EXPECT_EQ(firstDetailedId(kDetailedIds, kDetailedIds), 1);
  // A block is summarized whole or not at all.
  EXPECT_EQ(firstDetailedId(kDetailedIds + kIdsPerBlock, kDetailedIds + kIdsPerBlock), kIdsPerBlock + 1);
  EXPECT_EQ(firstDetailedId(1'000'000, 1'000'000), blockOf(1'000'000 - kDetailedIds + 1) * kIdsPerBlock + 1);
  // Summaries behind the records (a game that kept none appended since).
  EXPECT_EQ(firstDetailedId(1'000'000, 5 * kIdsPerBlock + 3), 5 * kIdsPerBlock + 1);
}

}  // namespace
}  // namespace quov
