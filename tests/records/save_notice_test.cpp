// The player learns that the records cannot be saved from a line on the
// cabinet, shown from the moment saving fails until it works again; no box
// asks for an answer and play goes on.
#include <gtest/gtest.h>

#include "engine/jackpot.h"
#include "machine_fixture.h"
#include "outcomes.h"
#include "records/save_notice.h"

namespace quov {
namespace {

using testing::MachineTest;

class SaveNoticeTest : public MachineTest {
 protected:
  MemoryStore& store = machine.platform.store;
};

TEST_F(SaveNoticeTest, ShownWhileSavingFailsGoneWhenItWorksAgainAndPlayGoesOn) {
  EXPECT_FALSE(machine.cabinet.saveNotice().savenotice.visible);
  store.saving = {true, 1, "No space left on device", ""};
  machine.advance(100);
  EXPECT_TRUE(machine.cabinet.saveNotice().savenotice.visible);
  EXPECT_EQ(machine.cabinet.saveNotice().savenotice.caption, kSaveNoticeText);
  EXPECT_TRUE(machine.platform.messages.shown.empty()) << "no box to answer";
  EXPECT_TRUE(q.screen.enabled);

  // The game plays on, and its records still go to the store to be tried.
  const testing::Stops lose = *testing::findStops(25, testing::losing);
  spin({lose[0], lose[1], lose[2], lose[3], lose[4]});
  machine.advance(100);
  EXPECT_EQ(m.games, 1);
  EXPECT_EQ(store.read("quovslot", "player1", "games"), "1");
  EXPECT_TRUE(machine.cabinet.saveNotice().savenotice.visible) << "the same spell of failure: still told, not told again";

  store.saving = {false, 1, "", ""};
  machine.advance(100);
  EXPECT_FALSE(machine.cabinet.saveNotice().savenotice.visible);

  store.saving = {true, 2, "Permission denied", ""};
  machine.advance(100);
  EXPECT_TRUE(machine.cabinet.saveNotice().savenotice.visible) << "a new spell of failure is told again";
  EXPECT_TRUE(machine.platform.messages.shown.empty());
}

TEST_F(SaveNoticeTest, RecordsThatCannotBeReadAreNamedWithWhyAndWithoutTheirFolder) {
  const std::string why = "cannot open /home/ona/.config/quov/quovslot.ini: Permission denied";
  store.saving = {true, 1, why, why};
  machine.advance(100);
  EXPECT_TRUE(machine.cabinet.saveNotice().savenotice.visible);
  EXPECT_EQ(machine.cabinet.saveNotice().savenotice.caption, std::string(kUnreadableNoticeStart) +
                                      "cannot open quovslot.ini: Permission denied" +
                                      kUnreadableNoticeEnd);
  EXPECT_TRUE(machine.platform.messages.shown.empty());
}

TEST_F(SaveNoticeTest, JackpotTimeRunsOnAndTheLineFollowsOnceItEnds) {
  // Jackpot time: the board runs by its timers; the line follows once the
  // prize is paid, when the records are written again.
  machine.platform.random.push(1);  // the 1-in-120 draw
  machine.pressSpin();
  ASSERT_TRUE(machine.jackpotTime());
  store.saving = {true, 1, "Read-only file system", ""};
  ASSERT_TRUE(machine.runUntil([&] { return !machine.jackpotTime(); }, 120000));
  machine.advance(100);
  EXPECT_TRUE(machine.cabinet.saveNotice().savenotice.visible);
  EXPECT_GT(m.bank, 100000) << "the prize was paid while saving failed";
}

}  // namespace
}  // namespace quov
