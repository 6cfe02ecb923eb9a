// The INI-file store: exact round trips, missing keys, damaged files and
// folders that cannot be written.
#include <QFile>

#include "rules/jackpot.h"
#include "rules/money.h"
#include "tests/qt/desktop_fixture.h"

namespace quov::test {
namespace {

class SettingsStore : public DesktopTest {};

TEST_F(SettingsStore, NamesRoundTripWhateverTheyHold) {
  const std::vector<std::string> names = {
      "a = b", "[player2]", "semi;colon", "quote\"d", "back\\slash", "two\nlines", "tab\there",
      "Zoë Ångström", "日本語", " padded ", "@Variant(x)", "comma, list", "#hash", ""};
  {
    QtSettingsStore store(configFolder());
    for (std::size_t i = 0; i < names.size(); ++i)
      store.write("quovslot", "player" + std::to_string(i % 6 + 1), "currentplayer" + std::to_string(i),
                  names[i]);
    store.flush();
  }
  QtSettingsStore reread(configFolder());
  for (std::size_t i = 0; i < names.size(); ++i)
    EXPECT_EQ(reread.read("quovslot", "player" + std::to_string(i % 6 + 1),
                          "currentplayer" + std::to_string(i)),
              names[i]);
}

TEST_F(SettingsStore, OneFilePerApplicationOneGroupPerSection) {
  {
    QtSettingsStore store(configFolder());
    store.write("quovslot", "player3", "bank", "-120");
    store.write("allslot", "player3", "grand", "200000");
    store.write("quovslot", "notice", "autoplay", "-1");
    store.flush();
  }
  QSettings quovslot(configFolder() + "/quovslot.ini", QSettings::IniFormat);
  QSettings allslot(configFolder() + "/allslot.ini", QSettings::IniFormat);
  EXPECT_EQ(quovslot.value("player3/bank").toString(), "-120");
  EXPECT_EQ(quovslot.value("notice/autoplay").toString(), "-1");
  EXPECT_EQ(allslot.value("player3/grand").toString(), "200000");
  EXPECT_FALSE(quovslot.contains("player3/grand"));
}

TEST_F(SettingsStore, MissingKeysReadAsEmptyText) {
  QtSettingsStore store(configFolder());
  EXPECT_EQ(store.read("quovslot", "player1", "bank"), "");
  EXPECT_EQ(store.read("nosuchapp", "player9", "x"), "");
}

TEST_F(SettingsStore, DamagedFilesStartTheGameWithDefaults) {
  QByteArray garbage;
  for (int i = 0; i < 4096; ++i) garbage.append(static_cast<char>((i * 7919) % 256));
  writeIni("quovslot", "[player1\nbank=\x01\x02[[=\n" + garbage);
  writeIni("allslot", garbage.left(1000));
  DesktopMachine& m = start();
  EXPECT_EQ(m.mod.bank, 0);
  EXPECT_EQ(m.mod.grand, kGrandFloor);
  EXPECT_EQ(m.mod.reelspeed, 1);
  EXPECT_EQ(m.quov.Lblcredit.caption, moneyText(0));
}

TEST_F(SettingsStore, TruncatedFileKeepsWhatItStillHolds) {
  writeIni("quovslot", "[player1]\ngames=7\nbank=12");  // cut off mid-value
  DesktopMachine& m = start();
  EXPECT_EQ(m.mod.games, 7);
  EXPECT_EQ(m.mod.bank, 12);
}

TEST_F(SettingsStore, UnwritableFolderNeverStopsTheGame) {
  {
    QtSettingsStore store("/proc/no/such/folder");
    store.write("quovslot", "player1", "bank", "1");
    store.flush();
    EXPECT_EQ(store.read("quovslot", "player1", "bank"), "1");  // kept for this run
  }
  machine = std::make_unique<DesktopMachine>("/proc/no/such/folder");
  machine->start();
  EXPECT_EQ(machine->mod.bank, 0);
  EXPECT_TRUE(machine->canvas.close());
  EXPECT_TRUE(machine->loop.ended());
}

TEST_F(SettingsStore, FlushHandsTheFileToTheSavingThread) {
  QtSettingsStore store(configFolder());
  store.write("quovslot", "player1", "games", "1");
  store.flush();
  store.waitSaved();
  QFile f(configFolder() + "/quovslot.ini");
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_TRUE(f.readAll().contains("games=1"));
}

}  // namespace
}  // namespace quov::test
