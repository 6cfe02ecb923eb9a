// The desktop's game history: records survive as written in an SQLite file
// in WAL mode, a second opening finds them all, the last games come back
// whole, a damaged row is left out and counted, and a history that cannot
// be opened keeps nothing while the game plays on. And the recall view:
// opened from the menu it draws the last spin's reels exactly as the
// cabinet showed them, and gives back a cabinet that spins.
#include <sqlite3.h>

#include <QFileInfo>
#include <QImage>

#include "headless/memory_history.h"
#include "records/game_recorder.h"
#include "records/history_blocks.h"
#include "records/play_statistics.h"
#include "tests/qt/desktop_fixture.h"
#include "tests/records/long_history.h"

namespace quov::test {
namespace {

// One record of every kind, with lists and signed amounts.
std::vector<GameRecord> variedRecords() {
  std::vector<GameRecord> out;
  for (int k = 0; k < kRecordKinds; ++k) {
    GameRecord r;
    r.kind = static_cast<RecordKind>(k);
    r.slot = static_cast<std::int8_t>(k % 6 + 1);
    r.lines = 25;
    r.betPerLine = 20;
    r.bet = k == 0 ? 500 : 0;
    const std::int8_t settings[kRecordKinds] = {4, 3, 1, 0, 4, 3};
    r.machinepay = settings[k];
    r.stops = {22, 1, 11, 7, static_cast<std::int8_t>(k + 1)};
    r.held = k == 1 ? 4 : 0;
    r.voids = static_cast<std::int16_t>(k);
    if (k <= 1) r.lineWins = {{1, 9, 5, 30000}, {25, 3, 2, 40}};
    r.scatters = 3;
    r.scatterPay = 2500;
    r.multiplier = k == 1 ? 10 : 1;
    r.win = 123456;
    r.award = k == 0 ? 15 : 0;
    r.series = k == 1 ? 7 : 0;
    r.seriesSpin = k == 1 ? 3 : 0;
    r.ballStart = k == 3 ? 16 : 0;
    r.ballCell = k == 3 ? 4 : 0;
    r.prize = k == 3 ? JackpotPrize::Grand : JackpotPrize::None;
    r.gambled = k == 4 ? 2 : 0;
    r.stake = k == 4 ? 250 : 0;
    if (k == 4) r.steps = {{GambleBet::Diamonds, 3, true, 1000}, {GambleBet::Black, 1, false, 0}};
    r.moneyIn = k == 5 ? 5000 : 0;
    r.paid = k == 2 ? 777 : 0;
    r.creditBefore = -5;
    r.creditAfter = 2147483647;
    out.push_back(r);
  }
  return out;
}

class History : public DesktopTest {
 protected:
  QString path() const { return dir.path() + "/data/history.sqlite"; }
};

TEST_F(History, RecordsReadBackAsWrittenAfterTheFileIsOpenedAgain) {
  std::vector<GameRecord> written = variedRecords();
  const qint64 before = QDateTime::currentMSecsSinceEpoch();
  {
    SqliteHistory h(path());
    ASSERT_TRUE(h.isOpen()) << h.error();
    for (GameRecord& r : written) EXPECT_EQ(h.append(r), &r - written.data() + 1);
    EXPECT_TRUE(QFileInfo::exists(path() + "-wal")) << "the file is in WAL mode";
    EXPECT_EQ(h.integrityCheck(), "ok");
  }
  SqliteHistory h(path());
  ASSERT_TRUE(h.isOpen());
  EXPECT_EQ(h.count(), 6);
  std::vector<GameRecord> read;
  h.forEach([&](const GameRecord& r) { read.push_back(r); });
  ASSERT_EQ(read, written);
  EXPECT_GE(read.front().timeMs, before);
  EXPECT_LE(read.back().timeMs, QDateTime::currentMSecsSinceEpoch());
  EXPECT_EQ(h.damagedRows(), 0);
}

// What the statistics read: the money of a slot's records (or of every
// slot's), the same from the file's lean reading as from the whole records,
// in memory or in the file, and with the records still waiting for it.
TEST_F(History, TheMoneyOfASlotIsThatOfItsWholeRecords) {
  Scheduler clock;
  MemoryHistory memory(clock);
  SqliteHistory file(path());
  ASSERT_TRUE(file.isOpen());
  for (int round = 0; round < 2; ++round)
    for (GameRecord r : variedRecords()) {
      GameRecord copy = r;
      memory.append(r);
      file.append(copy);
    }
  auto whole = [&](int slot) {
    std::vector<RecordMoney> out;
    memory.forEach([&](const GameRecord& r) {
      if (slot == 0 || r.slot == slot) out.push_back(moneyOf(r));
    });
    return out;
  };
  auto money = [](GameHistory& h, int slot) {
    std::vector<RecordMoney> out;
    h.forEachMoney(slot, [&](const RecordMoney& r) { out.push_back(r); });
    return out;
  };
  for (int slot : {0, 1, 4}) {
    SCOPED_TRACE(slot);
    const std::vector<RecordMoney> expected = whole(slot);
    EXPECT_EQ(expected.size(), slot == 0 ? 12u : 2u);
    EXPECT_EQ(money(memory, slot), expected);
    EXPECT_EQ(money(file, slot), expected);
  }
  // A record of slot 1 the file cannot take yet comes after the file's.
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(path().toUtf8().constData(), &db), SQLITE_OK);
  ASSERT_EQ(sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
  GameRecord late = variedRecords()[0];
  late.win = 7;
  EXPECT_EQ(file.append(late), 13);
  EXPECT_EQ(file.waiting(), 1u);
  const std::vector<RecordMoney> read = money(file, 1);
  ASSERT_EQ(read.size(), 3u);
  EXPECT_EQ(read.back().id, 13);
  EXPECT_EQ(read.back().win, 7);
  sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
  sqlite3_close(db);
}

TEST_F(History, TheLastGamesComeBackFromTheirFirstRecordOn) {
  Scheduler clock;
  MemoryHistory memory(clock);
  SqliteHistory file(path());
  ASSERT_TRUE(file.isOpen());
  const RecordKind script[] = {RecordKind::CreditIn, RecordKind::Spin,  RecordKind::FreeSpin,
                               RecordKind::Collect,  RecordKind::Gamble, RecordKind::JackpotTime,
                               RecordKind::CreditIn, RecordKind::Spin,  RecordKind::Gamble};
  for (RecordKind k : script) {
    GameRecord r;
    r.kind = k;
    GameRecord copy = r;
    memory.append(r);
    file.append(copy);
  }
  for (int games : {1, 2, 3, 4, 10}) {
    SCOPED_TRACE(games);
    std::vector<std::int64_t> fromMemory, fromFile;
    for (const GameRecord& r : memory.lastGames(games)) fromMemory.push_back(r.id);
    for (const GameRecord& r : file.lastGames(games)) fromFile.push_back(r.id);
    EXPECT_EQ(fromFile, fromMemory);
  }
  EXPECT_EQ(file.lastGames(2).front().id, 6) << "jackpot time, then money in, a spin, its gamble";
}

TEST_F(History, ADamagedRowIsLeftOutAndCounted) {
  {
    SqliteHistory h(path());
    for (GameRecord r : variedRecords()) h.append(r);
  }
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(path().toUtf8().constData(), &db), SQLITE_OK);
  ASSERT_EQ(sqlite3_exec(db, "UPDATE records SET line_wins = '1.9.5' WHERE id = 2", nullptr,
                         nullptr, nullptr),
            SQLITE_OK);
  // No payout setting is 9.
  ASSERT_EQ(sqlite3_exec(db, "UPDATE records SET machinepay = 9 WHERE id = 4", nullptr, nullptr,
                         nullptr),
            SQLITE_OK);
  sqlite3_close(db);
  SqliteHistory h(path());
  std::vector<std::int64_t> ids;
  h.forEach([&](const GameRecord& r) { ids.push_back(r.id); });
  EXPECT_EQ(ids, (std::vector<std::int64_t>{1, 3, 5, 6}));
  EXPECT_EQ(h.damagedRows(), 2);
}

// A history file as the game wrote it before it kept each record's payout
// setting: the same table without that column, two records in it.
void writeFileWithoutThePayoutSetting(const QString& path) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(path.toUtf8().constData(), &db), SQLITE_OK);
  const char* sql =
      "PRAGMA journal_mode=WAL;"
      "CREATE TABLE records ("
      " id INTEGER PRIMARY KEY, time INTEGER NOT NULL, kind INTEGER NOT NULL, slot INTEGER NOT NULL,"
      " lines INTEGER NOT NULL, bet_per_line INTEGER NOT NULL, bet INTEGER NOT NULL,"
      " reel1 INTEGER NOT NULL, reel2 INTEGER NOT NULL, reel3 INTEGER NOT NULL,"
      " reel4 INTEGER NOT NULL, reel5 INTEGER NOT NULL, held INTEGER NOT NULL,"
      " voids INTEGER NOT NULL, line_wins TEXT NOT NULL, scatters INTEGER NOT NULL,"
      " scatter_pay INTEGER NOT NULL, multiplier INTEGER NOT NULL, win INTEGER NOT NULL,"
      " award INTEGER NOT NULL, series INTEGER NOT NULL, series_spin INTEGER NOT NULL,"
      " ball_start INTEGER NOT NULL, ball_cell INTEGER NOT NULL, prize INTEGER NOT NULL,"
      " gambled INTEGER NOT NULL, stake INTEGER NOT NULL, gamble_steps TEXT NOT NULL,"
      " money_in INTEGER NOT NULL, paid INTEGER NOT NULL,"
      " credit_before INTEGER NOT NULL, credit_after INTEGER NOT NULL);"
      "INSERT INTO records VALUES (1, 1700000000000, 5, 1, 25, 1, 0, 0, 0, 0, 0, 0, 0, 0, '', 0,"
      " 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, '', 5000, 0, 0, 5000);"
      "INSERT INTO records VALUES (2, 1700000001000, 0, 1, 25, 1, 25, 3, 14, 9, 1, 22, 0, 2,"
      " '7.1.3.30', 0, 0, 1, 30, 0, 0, 0, 0, 0, 0, 0, 0, '', 0, 30, 5000, 5005);";
  ASSERT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
  sqlite3_close(db);
}

bool fileHasPayoutColumn(const QString& path) {
  sqlite3* db = nullptr;
  sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
  sqlite3_stmt* st = nullptr;
  sqlite3_prepare_v2(db, "SELECT COUNT(*) FROM pragma_table_info('records') WHERE name = 'machinepay'",
                     -1, &st, nullptr);
  const bool has = st && sqlite3_step(st) == SQLITE_ROW && sqlite3_column_int(st, 0) == 1;
  sqlite3_finalize(st);
  sqlite3_close(db);
  return has;
}

TEST_F(History, AFileWrittenBeforeThePayoutSettingWasKeptGainsItAndKeepsEveryRecord) {
  writeFileWithoutThePayoutSetting(path());
  if (HasFatalFailure()) return;
  auto ids = [](SqliteHistory& h) {
    std::vector<std::pair<std::int64_t, int>> out;
    h.forEach([&](const GameRecord& r) { out.emplace_back(r.id, r.machinepay); });
    return out;
  };
  using Read = std::vector<std::pair<std::int64_t, int>>;
  {
    // A check reads the file as it stands and changes nothing.
    SqliteHistory check(path(), SqliteHistory::Use::Check);
    ASSERT_TRUE(check.isOpen()) << check.error();
    EXPECT_EQ(ids(check), (Read{{1, 0}, {2, 0}}));
    EXPECT_EQ(check.lastGames(1).size(), 1u);
    EXPECT_EQ(check.damagedRows(), 0);
  }
  EXPECT_FALSE(fileHasPayoutColumn(path()));
  {
    SqliteHistory h(path());
    ASSERT_TRUE(h.isOpen()) << h.error();
    EXPECT_TRUE(fileHasPayoutColumn(path()));
    EXPECT_EQ(h.count(), 2);
    std::vector<GameRecord> read;
    h.forEach([&](const GameRecord& r) { read.push_back(r); });
    ASSERT_EQ(read.size(), 2u);
    EXPECT_EQ(read[1].win, 30);
    EXPECT_EQ(read[1].voids, 2);
    EXPECT_EQ(read[1].lineWins, (std::vector<LineWin>{{7, 1, 3, 30}}));
    EXPECT_EQ(read[1].creditAfter, 5005);
    GameRecord next = read[1];
    next.machinepay = 3;
    EXPECT_EQ(h.append(next), 3);
    EXPECT_EQ(h.integrityCheck(), "ok");
  }
  SqliteHistory again(path());
  EXPECT_EQ(ids(again), (Read{{1, 0}, {2, 0}, {3, 3}}));
  EXPECT_EQ(again.damagedRows(), 0);
}

// What the charts read of a long history: the summaries of the older
// blocks, then the latest records, alike from the file and from memory. A
// file a game without summaries wrote is read record by record until the
// game opens it and builds them, once, from its records; records such a
// game appended to a file with summaries are taken in at the next start.
struct Summarized {
  std::vector<HistoryBlock> blocks;
  std::vector<RecordMoney> records;
  friend bool operator==(const Summarized&, const Summarized&) = default;
};
Summarized summarizedOf(GameHistory& h, int slot) {
  Summarized out;
  h.forEachSummarized(
      slot, [&](const HistoryBlock& b) { out.blocks.push_back(b); },
      [&](const RecordMoney& r) { out.records.push_back(r); });
  return out;
}

void runSql(const QString& path, const char* sql) {
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(path.toUtf8().constData(), &db), SQLITE_OK);
  ASSERT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
  sqlite3_close(db);
}

TEST_F(History, SummariesAreKeptWithTheRecordsAndBuiltForAFileWithout) {
  Scheduler clock;
  MemoryHistory memory(clock);
  {
    SqliteHistory file(path());
    ASSERT_TRUE(file.isOpen()) << file.error();
    for (GameRecord r : scripted::longScriptedHistory(kDetailedIds + 40 * kIdsPerBlock + 9)) {
      GameRecord copy = r;
      memory.append(r);
      file.append(copy);
    }
    // Read while the game has the file open.
    EXPECT_EQ(summarizedOf(file, 2), summarizedOf(memory, 2));
  }
  auto sameAsInMemory = [&](SqliteHistory& h) {
    for (const int slot : {1, 2}) {
      SCOPED_TRACE(slot);
      const Summarized read = summarizedOf(h, slot);
      EXPECT_GT(read.blocks.size(), 30u);
      EXPECT_TRUE(read == summarizedOf(memory, slot));
    }
  };
  auto moneyWon = [](GameHistory& h) { return playStatistics(h, 1, 4).meters.moneyWon; };
  {
    SqliteHistory check(path(), SqliteHistory::Use::Check);
    sameAsInMemory(check);
    ASSERT_TRUE(check.storedSummaries());
    EXPECT_EQ(check.storedSummaries()->summarizedTo, memory.count());
  }

  runSql(path(), "DROP TABLE summary; PRAGMA user_version = 0");
  if (HasFatalFailure()) return;
  {
    SqliteHistory check(path(), SqliteHistory::Use::Check);
    EXPECT_FALSE(check.storedSummaries());
    const Summarized read = summarizedOf(check, 1);
    EXPECT_TRUE(read.blocks.empty());
    std::vector<RecordMoney> every;
    memory.forEachMoney(1, [&](const RecordMoney& r) { every.push_back(r); });
    EXPECT_TRUE(read.records == every);
    EXPECT_EQ(moneyWon(check), moneyWon(memory));
  }
  {
    SqliteHistory h(path());
    ASSERT_TRUE(h.isOpen()) << h.error();
    sameAsInMemory(h);
    EXPECT_EQ(h.count(), memory.count());
  }

  // As if a game without summaries had appended the records from block 20 on.
  runSql(path(), "DELETE FROM summary WHERE block >= 20");
  if (HasFatalFailure()) return;
  {
    SqliteHistory check(path(), SqliteHistory::Use::Check);
    const Summarized read = summarizedOf(check, 1);
    ASSERT_FALSE(read.blocks.empty());
    EXPECT_EQ(read.blocks.back().block, 19);
    EXPECT_GT(read.records.front().id, 20 * kIdsPerBlock);
    EXPECT_LE(read.records.front().id, 20 * kIdsPerBlock + 7);
    EXPECT_EQ(moneyWon(check), moneyWon(memory));
  }
  {
    SqliteHistory h(path());
    sameAsInMemory(h);
  }
  // SQLite finds the file sound after it all.
  SqliteHistory h(path(), SqliteHistory::Use::Check);
  EXPECT_EQ(h.integrityCheck(), "ok");
}

TEST_F(History, AHistoryThatCannotBeOpenedKeepsNothingAndTheGamePlaysOn) {
  writeIni("quovslot", "[player1]\nbank=5000\nmachinepay=1\n");
  // A file where the history's folder should be: nothing can be created.
  QFile blocker(dir.path() + "/blocked");
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  machine = std::make_unique<DesktopMachine>(configFolder(), dir.path() + "/blocked/history.sqlite");
  EXPECT_FALSE(machine->history.isOpen());
  EXPECT_FALSE(machine->history.error().empty());
  machine->start();
  machine->random.push({2, 22, 8, 17, 1, 1});
  click(machine->quov.btnspin);
  EXPECT_EQ(machine->mod.games, 1);
  EXPECT_EQ(machine->mod.bank, 4975);
  // The record waits for a history that can be written, and the history
  // says it fails.
  EXPECT_EQ(machine->history.waiting(), 1u);
  EXPECT_TRUE(machine->history.health().failing);
  EXPECT_EQ(machine->cabinet.recorder().failedAppends(), 0);
}

// The same picture, but for the last bit of smoothing: the two windows'
// caches may have drawn a symbol's edge a shade apart.
bool samePicture(const QImage& a, const QImage& b) {
  if (a.size() != b.size()) return false;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
      if (std::abs(qRed(p) - qRed(q)) > 8 || std::abs(qGreen(p) - qGreen(q)) > 8 ||
          std::abs(qBlue(p) - qBlue(q)) > 8)
        return false;
    }
  return true;
}

class RecallView : public DesktopTest {
 protected:
  void SetUp() override {
    DesktopTest::SetUp();
    writeIni("quovslot", "[player1]\nbank=5000\nmachinepay=1\n");
    start();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&machine->canvas));
  }
  Quov& q() { return machine->quov; }
  // The five reel windows as painted on `canvas`.
  std::vector<QImage> reels(Canvas& canvas) {
    const QImage all = canvas.grab().toImage();
    std::vector<QImage> out;
    for (int r = 1; r <= kReels; ++r) {
      const Element& w = q().Picture[r];
      const RectF px = canvas.mapping().toWindow(w.screenLeft(), w.screenTop(), w.width, w.height);
      out.push_back(all.copy(QRect(qRound(px.x), qRound(px.y), qRound(px.w), qRound(px.h))));
    }
    return out;
  }
};

TEST_F(RecallView, OpensFromTheMenuOnTheLastSpinAndGivesBackACabinetThatSpins) {
  // A spin that loses on every line: the cabinet shows its reels bare.
  machine->random.push({2, 22, 8, 17, 1, 1});
  click(q().btnspin);
  ASSERT_EQ(machine->mod.games, 1);
  // The idle ticker writes the records at its next tick, whenever a loaded
  // machine lets it come.
  EXPECT_TRUE(QTest::qWaitFor(
      [&] { return machine->store.read("quovslot", "player1", "games") == "1"; }, 20000));
  const auto last = machine->history.lastGames(1);
  ASSERT_EQ(last.size(), 1u);
  EXPECT_EQ(last[0].stops, (std::array<std::int8_t, 5>{22, 8, 17, 1, 1}));
  const std::vector<QImage> cabinetReels = reels(machine->canvas);

  // The pointer over MENU opens the panel; LAST GAMES opens the recall.
  QTest::mouseMove(&machine->canvas, centre(q().btnopenmenu));
  ASSERT_TRUE(q().menupic.visible);
  click(q().lastgames);
  QuovRecall& recall = machine->cabinet.quovrecall;
  ASSERT_TRUE(recall.screen.visible);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&machine->recallCanvas));
  EXPECT_FALSE(machine->canvas.isEnabled()) << "no play while the recall is open";
  EXPECT_EQ(machine->recallCanvas.windowTitle(), "QUOV LAST GAMES - RECALL");
  // The recall draws the very reels the cabinet showed (in a window of the
  // same size).
  machine->recallCanvas.resize(machine->canvas.size());
  QCoreApplication::processEvents();
  const std::vector<QImage> recalled = reels(machine->recallCanvas);
  ASSERT_EQ(recalled[0].size(), cabinetReels[0].size());
  for (int r = 0; r < kReels; ++r)
    EXPECT_TRUE(samePicture(recalled[r], cabinetReels[r])) << "reel " << r + 1;
  EXPECT_FALSE(samePicture(recalled[0], cabinetReels[1])) << "different stops look different";

  // RETURN TO GAME, then the cabinet spins again.
  const ViewMapping view = machine->recallCanvas.mapping();
  const Element& back = recall.btnreturn;
  const PointF p = view.toWindow(back.screenLeft() + back.width / 2.0, back.screenTop() + back.height / 2.0);
  QTest::mouseClick(&machine->recallCanvas, Qt::LeftButton, {}, QPoint(qRound(p.x), qRound(p.y)));
  EXPECT_FALSE(recall.screen.visible);
  EXPECT_FALSE(machine->recallCanvas.isVisible());
  EXPECT_TRUE(machine->canvas.isEnabled());
  machine->random.push({2, 22, 8, 17, 1, 1});
  // The idle ticker lets the next press in.
  ASSERT_TRUE(QTest::qWaitFor([&] { return q().inputAllowed(); }, 20000));
  click(q().btnspin);
  EXPECT_EQ(machine->mod.games, 2);
  EXPECT_EQ(machine->history.count(), 2);
}

}  // namespace
}  // namespace quov::test
