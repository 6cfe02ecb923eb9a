// The texts the desktop's history keeps its lists and block summaries in:
// each reads back as written, and a damaged text is refused rather than read
// as an empty list or a summary of nothing.
#include <gtest/gtest.h>

#include "desktop/history_text.h"
#include "headless/memory_history.h"
#include "records/history_blocks.h"
#include "tests/records/long_history.h"

namespace quov {
namespace {

TEST(StoredLists, ReadBackAsWrittenAndRefuseWhatIsNotAList) {
  const std::vector<LineWin> wins = {{1, 0, 5, 1500}, {25, 9, 2, -3}};
  EXPECT_EQ(encodeLineWins(wins), "1.0.5.1500,25.9.2.-3");
  EXPECT_EQ(decodeLineWins(encodeLineWins(wins)), wins);
  EXPECT_EQ(decodeLineWins(""), std::vector<LineWin>{});
  const std::vector<GambleStep> steps = {{GambleBet::Spades, 4, true, 400},
                                         {GambleBet::Red, 2, false, 0}};
  EXPECT_EQ(decodeGambleSteps(encodeGambleSteps(steps)), steps);
  for (const char* bad : {"1.0.5", "1.0.5.1500,", "26.0.3.1", "1.0.1.1", "1.0.5.x", "1..5.2",
                          "1.0.5.1500;2.0.2.2", "1.0.5.99999999999"})
    EXPECT_FALSE(decodeLineWins(bad)) << bad;
  for (const char* bad : {"6.1.1.2", "0.5.1.2", "0.1.2.2", "0.1.1"})
    EXPECT_FALSE(decodeGambleSteps(bad)) << bad;
}

TEST(StoredSummaries, ReadBackAsWrittenAndDamageIsRefused) {
  Scheduler clock;
  MemoryHistory history{clock};
  for (GameRecord r : scripted::longScriptedHistory(kDetailedIds + 3 * kIdsPerBlock + 77)) history.append(r);
  BlockSummaries all;
  for (const GameRecord& r : history.records) all.add(moneyOf(r));
  const std::vector<HistoryBlock> blocks = all.blocks();
  ASSERT_GE(blocks.size(), 6u);
  for (const HistoryBlock& b : blocks) ASSERT_EQ(decodeHistoryBlock(encodeHistoryBlock(b)), b);
  const std::string text = encodeHistoryBlock(blocks.front());
  EXPECT_FALSE(decodeHistoryBlock(text + " 7"));
  EXPECT_FALSE(decodeHistoryBlock(text.substr(0, text.rfind(' '))));  // a number short
  EXPECT_FALSE(decodeHistoryBlock("9999 " + text.substr(2)));  // no slot holds that
  EXPECT_FALSE(decodeHistoryBlock(""));
}

}  // namespace
}  // namespace quov
