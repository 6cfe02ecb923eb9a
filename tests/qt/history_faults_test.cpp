// The desktop history when its file will not take a record: another program
// holds it (in WAL or in rollback-journal mode), it is read-only, it cannot
// be opened, a link stands in its place. Play never waits for it, the
// player is told on the cabinet, what waited is written once the file is
// free, and what never reached it is counted in the player's records. And
// its log, folded back while the game runs, stays a few megabytes however
// long the session.
#include <grp.h>
#include <signal.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <functional>

#include "engine/spin_cycle.h"
#include "headless/headless_machine.h"
#include "records/save_notice.h"
#include "tests/qt/desktop_fixture.h"

namespace quov::test {
namespace {

QByteArray bytesOf(const QString& file) {
  QFile f(file);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

GameRecord losingSpin(std::int8_t slot = 1) {
  GameRecord r;
  r.kind = RecordKind::Spin;
  r.slot = slot;
  r.lines = 25;
  r.betPerLine = 1;
  r.bet = 25;
  r.stops = {22, 8, 17, 1, 1};
  return r;
}

// Another program's hold on the file: a connection inside a write
// transaction that has written, so in rollback-journal mode nobody may
// even read.
class Hold {
 public:
  explicit Hold(const QString& path) {
    sqlite3_open(path.toUtf8().constData(), &db_);
    sqlite3_exec(db_, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr);
    sqlite3_exec(db_, "CREATE TABLE IF NOT EXISTS other (x)", nullptr, nullptr, nullptr);
  }
  ~Hold() { release(); }
  void release() {
    if (!db_) return;
    sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(db_);
    db_ = nullptr;
  }

 private:
  sqlite3* db_ = nullptr;
};

// The records in the file, read by a connection of the test's own.
std::int64_t rowsInFile(const QString& path) {
  sqlite3* db = nullptr;
  std::int64_t rows = -1;
  if (sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db, "SELECT COUNT(*) FROM records", -1, &st, nullptr);
    if (st && sqlite3_step(st) == SQLITE_ROW) rows = sqlite3_column_int64(st, 0);
    sqlite3_finalize(st);
  }
  sqlite3_close(db);
  return rows;
}

class HistoryFaults : public DesktopTest {
 protected:
  QString path() const { return dir.path() + "/data/history.sqlite"; }
  // A history file in WAL mode holding `records` spins.
  void existingHistory(int records) {
    SqliteHistory h(path());
    for (int i = 0; i < records; ++i) {
      GameRecord r = losingSpin();
      ASSERT_EQ(h.append(r), i + 1);
    }
  }
  // The real game on the history at path(), one losing spin, then idle so
  // the records are written and the cabinet follows how saving goes.
  void playLosingSpin() {
    machine->random.push({2, 22, 8, 17, 1, 1});
    click(machine->quov.btnspin);
    machine->cabinet.engine.spinCycle().tmrtick_tick();
  }
};

TEST_F(HistoryFaults, AHeldFileNeverHoldsUpAppendsAndWhatWaitedIsWrittenOnceItIsFree) {
  existingHistory(1);
  SqliteHistory h(path());
  Hold other(path());
  // Were an append to wait for the file, it would wait for this very
  // thread to let go of it.
  std::vector<std::int64_t> ids;
  for (int i = 0; i < 50; ++i) {
    GameRecord r = losingSpin();
    ids.push_back(h.append(r));
  }
  EXPECT_EQ(ids.front(), 2);
  EXPECT_EQ(ids.back(), 51) << "the ids run on while the records wait";
  EXPECT_EQ(h.waiting(), 50u);
  EXPECT_TRUE(h.health().failing);
  EXPECT_EQ(h.health().episode, 1u);
  EXPECT_FALSE(h.health().reason.empty());
  // The game reads the records that wait as if they were in the file.
  EXPECT_EQ(h.count(), 51);
  ASSERT_EQ(h.lastGames(2).size(), 2u);
  EXPECT_EQ(h.lastGames(2).back().id, 51);

  other.release();
  ASSERT_TRUE(QTest::qWaitFor([&] { return h.waiting() == 0; }, 60000));
  EXPECT_FALSE(h.health().failing);
  EXPECT_EQ(h.missed(1), 0);
  EXPECT_EQ(rowsInFile(path()), 51);
  std::vector<std::int64_t> read;
  h.forEach([&](const GameRecord& r) { read.push_back(r.id); });
  ASSERT_EQ(read.size(), 51u);
  EXPECT_EQ(read.back(), 51);
}

TEST_F(HistoryFaults, AFileHeldInRollbackJournalModeNeitherDelaysTheStartNorTheAppends) {
  {
    sqlite3* db = nullptr;
    QDir().mkpath(dir.path() + "/data");
    ASSERT_EQ(sqlite3_open(path().toUtf8().constData(), &db), SQLITE_OK);
    sqlite3_exec(db, "PRAGMA journal_mode=DELETE", nullptr, nullptr, nullptr);
    sqlite3_close(db);
  }
  Hold other(path());
  SqliteHistory h(path());  // would wait for this thread's hold, were it to wait
  EXPECT_TRUE(h.health().failing);
  GameRecord r = losingSpin();
  EXPECT_EQ(h.append(r), 1);
  other.release();
  ASSERT_TRUE(QTest::qWaitFor([&] { return h.waiting() == 0; }, 60000));
  EXPECT_FALSE(h.health().failing);
  EXPECT_EQ(rowsInFile(path()), 1);
}

TEST_F(HistoryFaults, TheGameTellsOfAHeldHistoryAndKeepsWhatItMissedInTheRecords) {
  writeIni("quovslot", "[player1]\nbank=5000\nmachinepay=1\n[player2]\nhistorymissed=7\n");
  existingHistory(0);
  const QByteArray before = bytesOf(path());
  Hold other(path());
  machine = std::make_unique<DesktopMachine>(configFolder(), path());
  machine->start();
  playLosingSpin();
  playLosingSpin();
  EXPECT_EQ(machine->mod.games, 2) << "play goes on";
  EXPECT_TRUE(machine->cabinet.saveNotice().savenotice.visible);
  EXPECT_EQ(machine->cabinet.saveNotice().savenotice.caption, kHistoryNoticeText);
  // The game ends while the file is still held: what waited is missed.
  machine->finish();
  EXPECT_EQ(machine->history.missed(1), 2);
  EXPECT_EQ(storedValue("quovslot", "player1/historymissed"), "2");
  EXPECT_EQ(fileValue("quovslot", "player2/historymissed"), "7") << "another slot's count stays";
  EXPECT_EQ(fileValue("quovslot", "player1/games"), "2");
  machine.reset();
  other.release();
  EXPECT_EQ(bytesOf(path()), before);
  EXPECT_EQ(rowsInFile(path()), 0);
}

TEST_F(HistoryFaults, TheNoticeGoesOnceWhatWaitedIsWritten) {
  writeIni("quovslot", "[player1]\nbank=5000\nmachinepay=1\n");
  existingHistory(0);
  auto other = std::make_unique<Hold>(path());
  machine = std::make_unique<DesktopMachine>(configFolder(), path());
  machine->start();
  playLosingSpin();
  EXPECT_TRUE(machine->cabinet.saveNotice().savenotice.visible);
  other.reset();
  ASSERT_TRUE(QTest::qWaitFor([&] { return machine->history.waiting() == 0; }, 60000));
  machine->cabinet.engine.spinCycle().tmrtick_tick();
  EXPECT_FALSE(machine->cabinet.saveNotice().savenotice.visible);
  machine->finish();
  EXPECT_EQ(storedValue("quovslot", "player1/historymissed"), "");
  EXPECT_EQ(rowsInFile(path()), 1);
}

// Runs `checks` in a child process, as a player without root's rights (uid
// and gid 65534) when the test runs as root, so that a read-only file stops
// the writes it stops on a desktop. The child's exit status is the number of
// the first check that failed, 0 when all held; 100 when it could not drop
// root's rights, 101 when it did not end within a minute.
constexpr uid_t kPlayer = 65534;

int asPlayer(const std::function<int()>& checks) {
  const pid_t pid = ::fork();
  if (pid == 0) {
    if (::geteuid() == 0 &&
        (::setgroups(0, nullptr) != 0 || ::setgid(kPlayer) != 0 || ::setuid(kPlayer) != 0))
      ::_exit(100);
    ::_exit(checks());
  }
  int status = 0;
  for (int waited = 0; waited < 60000; waited += 10) {
    if (::waitpid(pid, &status, WNOHANG) == pid) return WIFEXITED(status) ? WEXITSTATUS(status) : 102;
    QThread::msleep(10);
  }
  ::kill(pid, SIGKILL);
  ::waitpid(pid, &status, 0);
  return 101;
}

TEST_F(HistoryFaults, AReadOnlyFileIsToldAndLeftAsItIs) {
  existingHistory(3);
  ASSERT_TRUE(QFile(path()).setPermissions(QFileDevice::ReadOwner | QFileDevice::ReadGroup |
                                           QFileDevice::ReadOther));
  // The folders are the player's, as on a desktop; only the file is not
  // theirs to write.
  if (::geteuid() == 0) {
    for (const QString& folder : {dir.path(), dir.path() + "/data"}) {
      ASSERT_EQ(::chown(folder.toUtf8().constData(), kPlayer, kPlayer), 0);
    }
  }
  const QByteArray before = bytesOf(path());
  const QString file = path();
  const int failed = asPlayer([&file] {
    if (::access(file.toUtf8().constData(), W_OK) == 0) return 1;  // the mode must stop writes
    SqliteHistory h(file);
    if (!h.health().failing) return 2;
    if (h.health().reason.find("read-only") == std::string::npos) return 3;
    if (h.count() != 3) return 4;  // still read
    GameRecord r = losingSpin(4);
    if (h.append(r) != 4) return 5;
    h.finishWriting();
    if (h.missed(4) != 1) return 6;
    return 0;
  });
  EXPECT_EQ(failed, 0) << "1: writable, 2: not failing, 3: no reason, 4: not read, "
                          "5: not numbered, 6: miss not counted";
  EXPECT_EQ(bytesOf(path()), before);
}

TEST_F(HistoryFaults, AHistoryThatCannotBeOpenedIsToldAndItsMissesCounted) {
  // A file where the history's folder should be: nothing can be created.
  QFile blocker(dir.path() + "/blocked");
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  SqliteHistory h(dir.path() + "/blocked/history.sqlite");
  EXPECT_FALSE(h.isOpen());
  EXPECT_TRUE(h.health().failing);
  GameRecord a = losingSpin(1), b = losingSpin(3);
  h.append(a);
  h.append(b);
  h.finishWriting();
  EXPECT_EQ(h.missed(1), 1);
  EXPECT_EQ(h.missed(3), 1);
  EXPECT_EQ(h.waiting(), 0u);
  GameRecord late = losingSpin(1);
  EXPECT_EQ(h.append(late), 0) << "after the end every record is missed";
  EXPECT_EQ(h.missed(1), 2);
}

TEST_F(HistoryFaults, ALinkInPlaceOfTheHistoryOrItsLogIsNeverFollowed) {
  QDir().mkpath(dir.path() + "/data");
  const QString victim = dir.path() + "/victim.txt";
  QFile v(victim);
  ASSERT_TRUE(v.open(QIODevice::WriteOnly));
  v.write("keep me");
  v.close();
  for (const QString& planted : {path(), path() + "-wal"}) {
    SCOPED_TRACE(planted.toStdString());
    ASSERT_TRUE(QFile::link(victim, planted));
    {
      SqliteHistory h(path());
      EXPECT_TRUE(h.health().failing);
      EXPECT_NE(h.health().reason.find("link"), std::string::npos) << h.health().reason;
      GameRecord r = losingSpin();
      h.append(r);
      h.finishWriting();
      EXPECT_EQ(h.missed(1), 1);
    }
    EXPECT_EQ(bytesOf(victim), "keep me");
    EXPECT_TRUE(QFileInfo(planted).isSymLink());
    ASSERT_TRUE(QFile::remove(planted));
  }
}

// The game's own tune folder: a link planted in its place is not written
// through, and the target's file of that name is neither overwritten nor
// deleted; the game plays on without its tune.
TEST_F(HistoryFaults, ALinkInPlaceOfTheTunesFolderLeavesItsTargetAlone) {
  const QString target = dir.path() + "/elsewhere";
  QDir().mkpath(target);
  QFile v(target + "/quovspin.midi");
  ASSERT_TRUE(v.open(QIODevice::WriteOnly));
  v.write("keep me");
  v.close();
  const QString cache = DesktopMachine::cacheFolder();
  ASSERT_TRUE(cache.startsWith(dir.path()));
  QDir().mkpath(cache);
  ASSERT_TRUE(QFile::link(target, cache + "/brelk-video-slots"));
  writeIni("quovslot", "[player1]\nbank=5000\nmachinepay=1\n");
  start();
  playLosingSpin();
  EXPECT_EQ(machine->mod.games, 1);
  machine->finish();
  machine.reset();
  EXPECT_EQ(bytesOf(target + "/quovspin.midi"), "keep me");
  EXPECT_EQ(QDir(target).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

// Twenty thousand presses as the game records them, appended one by one:
// the log never grows past a few megabytes, and the file holds them all.
TEST_F(HistoryFaults, TheLogStaysAFewMegabytesOverTwentyThousandPresses) {
  HeadlessMachine played(17);
  Quov& q = played.quov;
  played.platform.store.write("quovslot", "player1", "bank", "100000000");
  played.platform.sound.recording = false;
  played.platform.store.recordWrites = false;
  played.start();
  played.advance(100);
  ASSERT_TRUE(played.click(q.autoplayon));
  while (played.mod.games < 20000) {
    played.advance(10000);
    ASSERT_TRUE(played.keepAutoplaying());
  }
  const MemoryHistory::Records& records = played.platform.history.records;
  ASSERT_GE(records.size(), 20000u);
  ASSERT_GE(played.mod.games, 20000);

  constexpr qint64 kLogBound = 5 * 1000 * 1000;
  const QString log = path() + "-wal";
  qint64 largest = 0;
  {
    SqliteHistory h(path());
    for (std::size_t i = 0; i < records.size(); ++i) {
      GameRecord r = records[i];
      ASSERT_NE(h.append(r), 0);
      if (i % 100 == 0) largest = std::max(largest, QFileInfo(log).size());
    }
    largest = std::max(largest, QFileInfo(log).size());
    EXPECT_FALSE(h.health().failing) << h.health().reason;
  }
  EXPECT_LE(largest, kLogBound);
  EXPECT_GT(largest, 0) << "the history writes through its log";
  EXPECT_LE(QFileInfo(log).size(), 0) << "closing folds the whole log back";
  EXPECT_EQ(rowsInFile(path()), static_cast<std::int64_t>(records.size()));
}

// A session of ordinary length: the log is folded back while the game
// still has the file open, not only when it closes.
TEST_F(HistoryFaults, TheLogIsFoldedBackWhileTheGameRuns) {
  SqliteHistory h(path());
  const qint64 empty = QFileInfo(path()).size();
  for (int i = 0; i < 300; ++i) {
    GameRecord r = losingSpin();
    ASSERT_NE(h.append(r), 0);
  }
  EXPECT_TRUE(QTest::qWaitFor([&] { return QFileInfo(path()).size() > empty + 4096; }, 60000))
      << "the file still holds " << QFileInfo(path()).size() << " bytes";
  EXPECT_FALSE(h.health().failing) << h.health().reason;
}

}  // namespace
}  // namespace quov::test
