// The player's records in the settings store: what the start-up reads, what
// the exit writes and where, how stored text becomes numbers, and the
// keeper that writes the records between spins only when they changed.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "cabinet/startup.h"
#include "headless/headless_machine.h"
#include "outcomes.h"
#include "records/player_records.h"
#include "records/record_keeper.h"

namespace quov {
namespace {

// A store that also logs every read, in order.
class LoggingStore : public MemoryStore {
 public:
  std::string read(const std::string& app, const std::string& section,
                   const std::string& key) override {
    reads.push_back(app + "/" + section + "/" + key);
    return MemoryStore::read(app, section, key);
  }
  std::vector<std::string> reads;
};

// The keys the exit save writes for a section: the player numbers, the
// name, the roll-up switch and the screen size in "quovslot", the meters
// in "allslot".
std::set<std::string> exitKeys(const std::string& section) {
  std::set<std::string> keys;
  for (const char* k : {"sizescreen", "howmanyspins", "soundonoff", "machinepay", "winroll",
                        "reelspeed", "amountinvested", "wager", "total", "bank", "games",
                        "currentplayer", "grandwon", "majorwon", "minorwon", "jackpotbank"})
    keys.insert(std::string("quovslot/") + section + "/" + k);
  for (const char* k : {"grand", "major", "minor"})
    keys.insert(std::string("allslot/") + section + "/" + k);
  return keys;
}

// What the machine writes on exit: the exit keys and those of the free-spin
// series, which hold the empty text outside a series.
std::set<std::string> recordKeys(const std::string& section) {
  std::set<std::string> keys = exitKeys(section);
  for (const char* k : {"freespinmode", "freespinsgiven", "freespinsplayed", "bonuslevel",
                        "freespinwin", "spinwin", "freespinmult", "linesplayed", "betlevel",
                        "seriesgame", "reelstops", "heldreels", "winlength"})
    keys.insert(std::string("quovslot/") + section + "/" + k);
  return keys;
}

// A record in which every stored variable holds a value of its own.
Modquov distinctRecord() {
  Modquov m;
  m.howmanyspins = 7;
  m.soundonoff = -1;
  m.machinepay = 3;
  m.winroll = 2;
  m.reelspeed = 8;
  m.amountinvested = 1500000;
  m.wager = 987654;
  m.total = 123456;
  m.bank = 42;
  m.games = 31337;
  m.currentplayer = "Ona Vale";
  m.grandwon = 1;
  m.majorwon = 2;
  m.minorwon = 32767;
  m.jackpotbank = 2147483647;
  m.grand = 250000;
  m.major = 21000;
  m.minor = 2100;
  m.playerslot = "1";
  return m;
}

TEST(PlayerRecords, StartUpReadsSlotOneInItsOrder) {
  LoggingStore store;
  Modquov m;
  startupLoad(store, m);
  const std::vector<std::string> order = {
      "quovslot/player1/sizescreen",  "quovslot/player1/howmanyspins",
      "quovslot/player1/soundonoff",  "quovslot/player1/machinepay",
      "quovslot/player1/winroll",     "quovslot/player1/reelspeed",
      "quovslot/player1/amountinvested", "quovslot/player1/wager",
      "quovslot/player1/total",       "quovslot/player1/bank",
      "quovslot/player1/games",       "quovslot/player1/currentplayer",
      "allslot/player1/grand",        "allslot/player1/major",
      "allslot/player1/minor",        "quovslot/player1/grandwon",
      "quovslot/player1/majorwon",    "quovslot/player1/minorwon",
      "quovslot/player1/jackpotbank"};
  EXPECT_EQ(store.reads, order);
  EXPECT_TRUE(store.writtenKeys.empty());
}

TEST(PlayerRecords, EveryStoredVariableRoundTripsThroughExitAndStartUp) {
  const Modquov saved = distinctRecord();
  MemoryStore store;
  exitSave(store, saved);
  Modquov loaded;
  startupLoad(store, loaded);
  EXPECT_EQ(loaded.howmanyspins, saved.howmanyspins);
  EXPECT_EQ(loaded.soundonoff, saved.soundonoff);
  EXPECT_EQ(loaded.machinepay, saved.machinepay);
  EXPECT_EQ(loaded.winroll, saved.winroll);
  EXPECT_EQ(loaded.reelspeed, saved.reelspeed);
  EXPECT_EQ(loaded.amountinvested, saved.amountinvested);
  EXPECT_EQ(loaded.wager, saved.wager);
  EXPECT_EQ(loaded.total, saved.total);
  EXPECT_EQ(loaded.bank, saved.bank);
  EXPECT_EQ(loaded.games, saved.games);
  EXPECT_EQ(loaded.currentplayer, saved.currentplayer);
  EXPECT_EQ(loaded.grandwon, saved.grandwon);
  EXPECT_EQ(loaded.majorwon, saved.majorwon);
  EXPECT_EQ(loaded.minorwon, saved.minorwon);
  EXPECT_EQ(loaded.jackpotbank, saved.jackpotbank);
  EXPECT_EQ(loaded.grand, saved.grand);
  EXPECT_EQ(loaded.major, saved.major);
  EXPECT_EQ(loaded.minor, saved.minor);
}

TEST(PlayerRecords, ExitWritesEveryKeyOnceAsDecimalTextWithAnEmptyScreenSize) {
  MemoryStore store;
  store.write("quovslot", "player1", "sizescreen", "800x600");
  store.writtenKeys.clear();
  exitSave(store, distinctRecord());
  const std::set<std::string> written(store.writtenKeys.begin(), store.writtenKeys.end());
  EXPECT_EQ(written, exitKeys("player1"));
  EXPECT_EQ(store.writtenKeys.size(), written.size()) << "no key is written twice";
  EXPECT_EQ(store.read("quovslot", "player1", "sizescreen"), "");
  EXPECT_EQ(store.read("quovslot", "player1", "soundonoff"), "-1");
  EXPECT_EQ(store.read("quovslot", "player1", "bank"), "42");
  EXPECT_EQ(store.read("quovslot", "player1", "jackpotbank"), "2147483647");
  EXPECT_EQ(store.read("quovslot", "player1", "winroll"), "2");
  EXPECT_EQ(store.read("allslot", "player1", "grand"), "250000");
  EXPECT_FALSE(store.has("quovslot", "player1", "grand")) << "meters live in their own application";
  EXPECT_EQ(store.flushes, 1);
}

TEST(PlayerRecords, ExitWritesTheSectionOfTheCurrentSlotOrPlainPlayerForAnyOtherText) {
  for (const std::string slot : {"1", "2", "3", "4", "5", "6"}) {
    MemoryStore store;
    Modquov m = distinctRecord();
    m.playerslot = slot;
    exitSave(store, m);
    const std::set<std::string> written(store.writtenKeys.begin(), store.writtenKeys.end());
    EXPECT_EQ(written, exitKeys("player" + slot)) << slot;
  }
  for (const std::string slot : {"", "0", "7", "04", " 4", "4 ", "player4", "12"}) {
    EXPECT_EQ(slotSection(slot), "player") << '"' << slot << '"';
    MemoryStore store;
    Modquov m = distinctRecord();
    m.playerslot = slot;
    exitSave(store, m);
    const std::set<std::string> written(store.writtenKeys.begin(), store.writtenKeys.end());
    EXPECT_EQ(written, exitKeys("player")) << '"' << slot << '"';
  }
}

TEST(PlayerRecords, NamesRoundTripExactly) {
  const std::string names[] = {"", "A", "  padded  ", "Twelve chars", "Zoë Ångström",
                               "12345", "-7", "=;[x]#"};
  for (const std::string& name : names) {
    MemoryStore store;
    Modquov m = distinctRecord();
    m.currentplayer = name;
    exitSave(store, m);
    EXPECT_EQ(store.read("quovslot", "player1", "currentplayer"), name);
    Modquov loaded;
    loaded.currentplayer = "previous";
    startupLoad(store, loaded);
    EXPECT_EQ(loaded.currentplayer, name) << '"' << name << '"';
  }
}

TEST(PlayerRecords, NumbersOutsideTheirWidthOrNotNumbersFailAndLeaveTheVariable) {
  struct Case {
    const char* text;
    bool narrowOk, wideOk;
    long long value;
  };
  const Case cases[] = {
      {"0", true, true, 0},
      {"-1", true, true, -1},
      {"32767", true, true, 32767},
      {"-32768", true, true, -32768},
      {"32768", false, true, 32768},
      {"-32769", false, true, -32769},
      {"2147483647", false, true, 2147483647},
      {"-2147483648", false, true, -2147483648LL},
      {"2147483648", false, false, 0},
      {"-2147483649", false, false, 0},
      {"99999999999999999999", false, false, 0},
      {"", false, false, 0},
      {"abc", false, false, 0},
      {"12abc", false, false, 0},
      {"1.5", false, false, 0},
      {"--3", false, false, 0},
  };
  MemoryStore store;
  for (const Case& c : cases) {
    store.write("quovslot", "player1", "n", c.text);
    std::int16_t narrow = 17;
    std::int32_t wide = 17;
    EXPECT_EQ(readNumber(store, "quovslot", "player1", "n", narrow), c.narrowOk) << c.text;
    EXPECT_EQ(readNumber(store, "quovslot", "player1", "n", wide), c.wideOk) << c.text;
    EXPECT_EQ(narrow, c.narrowOk ? c.value : 17) << c.text;
    EXPECT_EQ(wide, c.wideOk ? c.value : 17) << c.text;
  }
  std::int32_t missing = 5;
  EXPECT_FALSE(readNumber(store, "quovslot", "player1", "absent", missing));
  EXPECT_EQ(missing, 5);
}

TEST(PlayerRecords, AFailedReadLeavesItsVariableAndTheLoadGoesOn) {
  MemoryStore store;
  store.write("quovslot", "player1", "howmanyspins", "40000");  // past 16 bits
  store.write("quovslot", "player1", "bank", "abc");
  store.write("quovslot", "player1", "games", "12");
  store.write("quovslot", "player1", "currentplayer", "Ona");
  store.write("allslot", "player1", "grand", "300000");
  store.write("quovslot", "player1", "jackpotbank", "900");
  Modquov m;
  m.howmanyspins = 3;
  m.bank = 777;
  startupLoad(store, m);
  EXPECT_EQ(m.howmanyspins, 3);
  EXPECT_EQ(m.bank, 777);
  EXPECT_EQ(m.games, 12);
  EXPECT_EQ(m.currentplayer, "Ona");
  EXPECT_EQ(m.grand, 300000);
  EXPECT_EQ(m.jackpotbank, 900);
}

TEST(PlayerRecords, CreditCountersAndMetersBelowZeroAreNotReadAndKeepTheirText) {
  MemoryStore store;
  const std::pair<const char*, const char*> refused[] = {
      {"bank", "-42"}, {"games", "-1"}, {"wager", "-7"}, {"total", "-1"}, {"amountinvested", "-3"},
      {"howmanyspins", "-1"}, {"grandwon", "-1"}, {"jackpotbank", "-100"}};
  for (const auto& [key, text] : refused) store.write("quovslot", "player1", key, text);
  store.write("allslot", "player1", "grand", "-200000");
  store.write("quovslot", "player1", "soundonoff", "-1");  // a switch: -1 is on
  Modquov m;
  m.bank = 5;
  startupLoad(store, m);
  EXPECT_EQ(m.bank, 5);
  EXPECT_EQ(m.games, 0);
  EXPECT_EQ(m.jackpotbank, 0);
  EXPECT_EQ(m.grand, 0);
  EXPECT_EQ(m.soundonoff, -1);
  m.bank = 0;
  m.grand = 200000;  // the floor the start-up puts it at
  exitSave(store, m);
  for (const auto& [key, text] : refused) EXPECT_EQ(store.read("quovslot", "player1", key), text) << key;
  EXPECT_EQ(store.read("allslot", "player1", "grand"), "-200000");
}

TEST(PlayerRecords, AnEmptyStoreStartsWithNoCreditSoundOffAndTheMetersAtTheirFloors) {
  HeadlessMachine machine;
  machine.start();
  const Modquov& m = machine.mod;
  EXPECT_EQ(m.bank, 0);
  EXPECT_EQ(m.soundonoff, 0);
  EXPECT_EQ(m.machinepay, 4);
  EXPECT_EQ(m.reelspeed, 1);
  EXPECT_EQ(m.grand, 200000);
  EXPECT_EQ(m.major, 20000);
  EXPECT_EQ(m.minor, 2000);
  EXPECT_EQ(m.playerslot, "1");
}

TEST(PlayerRecords, AMalformedCreditStartsAtZeroAndTheNextExitKeepsItsText) {
  HeadlessMachine machine;
  MemoryStore& store = machine.platform.store;
  store.write("quovslot", "player1", "bank", "abc");
  store.write("quovslot", "player1", "games", "9");
  machine.start();
  EXPECT_EQ(machine.mod.bank, 0);
  EXPECT_EQ(machine.mod.games, 9);
  machine.quov.screen.closeRequest();
  EXPECT_TRUE(machine.platform.loop.ended());
  EXPECT_EQ(store.read("quovslot", "player1", "bank"), "abc") << "never turned into a 0";
  EXPECT_EQ(store.read("quovslot", "player1", "games"), "9");
}

TEST(PlayerRecords, ExitAfterChoosingSlotFourWritesSlotFourAndTheNextStartLoadsSlotOne) {
  HeadlessMachine first;
  first.platform.store.write("quovslot", "player1", "bank", "1000");
  first.platform.store.write("quovslot", "player4", "bank", "4000");
  first.start();
  ASSERT_EQ(first.mod.bank, 1000);
  first.mod.playerslot = "4";  // the options screen's slot choice
  first.mod.bank = 4444;
  first.platform.store.writtenKeys.clear();
  first.cabinet.startup().xit_click();
  const std::set<std::string> written(first.platform.store.writtenKeys.begin(),
                                      first.platform.store.writtenKeys.end());
  EXPECT_EQ(written, recordKeys("player4"));
  EXPECT_EQ(first.platform.store.read("quovslot", "player4", "bank"), "4444");
  EXPECT_EQ(first.platform.store.read("quovslot", "player1", "bank"), "1000");

  HeadlessMachine next;
  next.platform.store.values = first.platform.store.values;
  next.start();
  EXPECT_EQ(next.mod.playerslot, "1");
  EXPECT_EQ(next.mod.bank, 1000);
}

TEST(RecordKeeper, WritesOnlyWhenARecordChanged) {
  HeadlessMachine machine;
  MemoryStore& store = machine.platform.store;
  machine.start();
  Modquov& m = machine.mod;
  m = distinctRecord();
  RecordKeeper& keeper = machine.cabinet.records();
  keeper.remember();
  EXPECT_FALSE(keeper.saveIfChanged());
  store.writtenKeys.clear();

  // Fields that are not stored do not count as a change.
  m.popupcount = 5;
  m.jackpotprize = 100;
  EXPECT_FALSE(keeper.saveIfChanged());
  EXPECT_TRUE(store.writtenKeys.empty());

  m.bank += 25;
  EXPECT_TRUE(keeper.saveIfChanged());
  EXPECT_EQ(std::set<std::string>(store.writtenKeys.begin(), store.writtenKeys.end()),
            recordKeys("player1"));
  EXPECT_EQ(store.read("quovslot", "player1", "bank"), std::to_string(m.bank));
  store.writtenKeys.clear();
  EXPECT_FALSE(keeper.saveIfChanged()) << "nothing changed since the last write";

  // Once the whole slot stands in the store, a change writes only itself.
  m.bank += 25;
  m.games += 1;
  EXPECT_TRUE(keeper.saveIfChanged());
  EXPECT_EQ(store.writtenKeys,
            (std::vector<std::string>{"quovslot/player1/bank", "quovslot/player1/games"}));
  EXPECT_EQ(store.read("quovslot", "player1", "games"), std::to_string(m.games));
  store.writtenKeys.clear();

  // Each stored variable on its own is a change; so is another slot.
  auto changes = [&](auto mutate) {
    mutate(m);
    return keeper.saveIfChanged();
  };
  EXPECT_TRUE(changes([](Modquov& r) { r.winroll = 0; }));
  EXPECT_TRUE(changes([](Modquov& r) { r.currentplayer = "Other"; }));
  EXPECT_TRUE(changes([](Modquov& r) { r.minor += 1; }));
  EXPECT_TRUE(changes([](Modquov& r) { r.minorwon -= 1; }));
  EXPECT_TRUE(changes([](Modquov& r) { r.reelspeed = 10; }));
  store.writtenKeys.clear();
  EXPECT_TRUE(changes([](Modquov& r) { r.playerslot = "2"; }));
  EXPECT_EQ(std::set<std::string>(store.writtenKeys.begin(), store.writtenKeys.end()),
            recordKeys("player2"));
  EXPECT_EQ(store.read("quovslot", "player2", "freespinsgiven"), "") << "no series is kept";
}

// The keys written after each settled press add up to the whole records:
// at any idle moment the store holds what a whole exit save would write,
// through credit, series, jackpot times and gambles.
TEST(RecordKeeper, ChangedKeysAloneLeaveTheStoreAsAWholeSaveWould) {
  HeadlessMachine machine(23);
  MemoryStore& store = machine.platform.store;
  store.write("quovslot", "player1", "bank", "100000");
  store.write("quovslot", "player1", "machinepay", "1");
  machine.start();
  machine.advance(100);
  Quov& q = machine.quov;
  ASSERT_TRUE(machine.click(q.autoplayon));
  for (int round = 0; round < 40; ++round) {
    machine.advance(60000);
    ASSERT_TRUE(machine.keepAutoplaying());
    if (machine.cabinet.records().saveIfChanged() || machine.mod.games == 0) continue;
    const MemoryStore::Values idle = store.values;
    machine.cabinet.records().saveAtExit();
    ASSERT_EQ(store.values, idle) << "after " << machine.mod.games << " games";
  }
  EXPECT_GT(machine.mod.games, 200);
}

TEST(RecordKeeper, TheMachineWritesItsRecordsAfterASpinAndNotWhileIdle) {
  HeadlessMachine machine;
  MemoryStore& store = machine.platform.store;
  store.write("quovslot", "player1", "bank", "100000");
  store.write("quovslot", "player1", "machinepay", "1");
  machine.start();
  store.writtenKeys.clear();
  machine.advance(5000);
  EXPECT_TRUE(store.writtenKeys.empty()) << "what start-up loaded and repaired is not a change";

  const testing::Stops s = *testing::findStops(25, testing::losing);
  machine.scriptSpin({s[0], s[1], s[2], s[3], s[4]});
  machine.pressSpin();
  ASSERT_TRUE(machine.settle());
  machine.advance(200);
  ASSERT_EQ(machine.mod.games, 1);
  EXPECT_EQ(std::count(store.writtenKeys.begin(), store.writtenKeys.end(),
                       "quovslot/player1/bank"),
            1);
  EXPECT_EQ(store.read("quovslot", "player1", "games"), "1");
  EXPECT_EQ(store.read("quovslot", "player1", "bank"), "99975");
  store.writtenKeys.clear();
  machine.advance(5000);
  EXPECT_TRUE(store.writtenKeys.empty());
}

// Records the history could not keep are added to their slot's count once
// each, whenever they were missed, and nothing is written while none is.
TEST(RecordKeeper, RecordsTheHistoryMissedAreCountedOnceEachInTheirSlot) {
  HeadlessMachine machine;
  MemoryStore& store = machine.platform.store;
  MemoryHistory& history = machine.platform.history;
  store.write("quovslot", "player1", "bank", "100000");
  store.write("quovslot", "player1", "historymissed", "4");
  machine.start();
  const testing::Stops s = *testing::findStops(25, testing::losing);
  auto spin = [&] {
    machine.scriptSpin({s[0], s[1], s[2], s[3], s[4]});
    machine.pressSpin();
    ASSERT_TRUE(machine.settle());
    machine.advance(200);
  };
  spin();
  EXPECT_EQ(store.read("quovslot", "player1", "historymissed"), "4") << "nothing missed yet";

  history.failing = true;
  spin();
  spin();
  history.failing = false;
  spin();
  EXPECT_EQ(history.missedTotal(), 2);
  EXPECT_EQ(history.missed(1), 2);
  EXPECT_EQ(store.read("quovslot", "player1", "historymissed"), "6");

  store.writtenKeys.clear();
  spin();
  EXPECT_EQ(std::count(store.writtenKeys.begin(), store.writtenKeys.end(),
                       "quovslot/player1/historymissed"),
            0)
      << "a count already added is not added again";
  EXPECT_EQ(store.read("quovslot", "player1", "historymissed"), "6");
}

// The history's total of missed records is the sum of its slots' counts; a
// record of no slot is counted in neither.
TEST(MemoryHistoryMissed, TheTotalIsTheSumOfTheSlots) {
  Scheduler clock;
  MemoryHistory history(clock);
  history.failing = true;
  for (const int slot : {1, 3, 3, 6, 0, 7}) {
    GameRecord r;
    r.slot = static_cast<std::int8_t>(slot);
    EXPECT_EQ(history.append(r), 0);
  }
  const GameHistory& asHistory = history;
  const GameHistory::MissedCounts slots = asHistory.missedBySlot();
  EXPECT_EQ(slots, (GameHistory::MissedCounts{0, 1, 0, 2, 0, 0, 1}));
  EXPECT_EQ(asHistory.missedTotal(), 4);
  EXPECT_EQ(asHistory.GameHistory::missedTotal(), 4) << "the plain sum agrees";
}

}  // namespace
}  // namespace quov
