// The settings store under faults: the two files describe one moment after a
// kill at any point of a save; pipes and folders in a file's place are
// refused without blocking; stale and garbage locks cost two short waits at
// most; a folder that refuses writes is reported once while play goes on,
// and the store keeps trying until nothing written is lost; the cabinet
// shows a line while saving fails.
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLockFile>
#include <QSysInfo>
#include <QThread>

#include "desktop/ini_text.h"
#include "desktop/settings_lock.h"
#include "engine/spin_cycle.h"
#include "records/save_notice.h"
#include "rules/jackpot.h"
#include "tests/qt/desktop_fixture.h"
#include "tests/qt/finishes_within.h"

namespace quov::test {
namespace {

using namespace std::chrono_literals;

// Far above what a lock costs (two waits of a few milliseconds), far below
// the half minute a garbage lock once froze the window for.
constexpr qint64 kLockCostBoundMs = 1000;

class StoreFaults : public DesktopTest {
 protected:
  QString file(const QString& name) const { return configFolder() + "/" + name; }
  // A file as a save would write it: `values` and the generation.
  void writeFile(const QString& name, IniValues values, int generation) {
    values.insert("store/generation", QString::number(generation));
    const QByteArray text = formatIni(values);
    QDir().mkpath(configFolder());
    QFile f(file(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text);
  }
  // A whole set of generation `g`: bank and grand meter both `g`.
  void writeSet(int g, const QString& suffix = "") {
    writeFile("quovslot.ini" + suffix, {{"player1/bank", QString::number(g)}}, g);
    writeFile("allslot.ini" + suffix, {{"player1/grand", QString::number(200000 + g)}}, g);
  }
  static std::string loaded(QtSettingsStore& s) {
    return s.read("quovslot", "player1", "bank") + "/" + s.read("allslot", "player1", "grand");
  }
  static bool waitUntil(const std::function<bool()>& done) {
    QElapsedTimer t;
    t.start();
    while (!done()) {
      if (t.elapsed() > 20000) return false;
      QThread::msleep(10);
    }
    return true;
  }
  QStringList leftovers() const {
    return QDir(configFolder())
        .entryList({"*.next", "*.tmp", "*.lock"}, QDir::Files | QDir::Hidden | QDir::System);
  }
};

TEST_F(StoreFaults, AKillAtAnyPointOfASaveLeavesOneWholeSet) {
  writeSet(1);
  {
    // Killed after both new files were written, before either was renamed.
    writeSet(2, ".next");
    QtSettingsStore store(configFolder());
    EXPECT_EQ(loaded(store), "2/200002");
  }
  writeSet(1);
  {
    // Killed between the two renames: the meters' new file still waits.
    writeFile("quovslot.ini", {{"player1/bank", "2"}}, 2);
    writeFile("allslot.ini.next", {{"player1/grand", "200002"}}, 2);
    QtSettingsStore store(configFolder());
    EXPECT_EQ(loaded(store), "2/200002");
  }
  QFile::remove(file("allslot.ini.next"));
  writeSet(1);
  {
    // Killed while the new files were written: only one is whole.
    writeFile("quovslot.ini.next", {{"player1/bank", "2"}}, 2);
    writeFile(".allslot.ini.next.999.0.tmp", {{"player1/grand", "2000"}}, 2);
    QtSettingsStore store(configFolder());
    EXPECT_EQ(loaded(store), "1/200001");
    store.write("quovslot", "player1", "bank", "3");
    store.flush();
    store.waitSaved();
    store.write("quovslot", "player1", "bank", "3");  // no change: no save
    store.flush();
    store.waitSaved();
    EXPECT_EQ(store.saveAttempts(), 1u);
    EXPECT_FALSE(store.health().failing);
  }
  QtSettingsStore reread(configFolder());
  EXPECT_EQ(loaded(reread), "3/200001");
  EXPECT_EQ(leftovers(), QStringList{}) << "the next save numbers past the stray file and clears it";
  EXPECT_EQ(fileValue("quovslot", "store/generation"), "3");
  EXPECT_EQ(fileValue("allslot", "store/generation"), "3");
}

TEST_F(StoreFaults, PipesAndFoldersInAFilesPlaceAreRefusedWithoutBlocking) {
  QDir().mkpath(configFolder());
  const QByteArray pipe = QFile::encodeName(file("quovslot.ini"));
  ASSERT_EQ(::mkfifo(pipe.constData(), 0600), 0);
  std::unique_ptr<QtSettingsStore> store;
  ASSERT_TRUE(finishesWithin(
      10s, [&] { store = std::make_unique<QtSettingsStore>(configFolder()); },
      [&] { openPipeForWriting(pipe.constData()); }));
  EXPECT_EQ(store->read("quovslot", "player1", "bank"), "");
  EXPECT_TRUE(store->health().failing);
  EXPECT_NE(store->health().reason.find("not a regular file"), std::string::npos);

  store->write("quovslot", "player1", "bank", "10");
  store->flush();
  ASSERT_TRUE(finishesWithin(10s, [&] { store->waitSaved(); },
                             [&] { openPipeForWriting(pipe.constData()); }));
  EXPECT_TRUE(store->health().failing);
  EXPECT_EQ(store->health().episode, 1u);
  struct stat st {};
  EXPECT_TRUE(::stat(pipe.constData(), &st) == 0 && S_ISFIFO(st.st_mode)) << "the pipe stays";
  EXPECT_FALSE(QFileInfo::exists(file("allslot.ini"))) << "no half set is written";
  ASSERT_TRUE(finishesWithin(10s, [&] { store.reset(); },
                             [&] { openPipeForWriting(pipe.constData()); }));

  QFile::remove(file("quovslot.ini"));
  QDir().mkpath(file("allslot.ini"));
  QtSettingsStore folderInTheWay(configFolder());
  EXPECT_TRUE(folderInTheWay.health().failing);
}

TEST_F(StoreFaults, AStaleOrGarbageLockCostsTwoShortWaitsAtMost) {
  QDir().mkpath(configFolder());
  const QString lockPath = file("quovslot.ini.lock");
  const auto plant = [&](const QByteArray& content) {
    QFile f(lockPath);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(content);
  };
  const pid_t child = ::fork();
  if (child == 0) ::_exit(0);
  ASSERT_GT(child, 0);
  ASSERT_EQ(::waitpid(child, nullptr, 0), child);
  const QByteArray deadOwner = QByteArray::number(child) + "\nquov\n" +
                               QSysInfo::machineHostName().toUtf8() + "\n";

  struct Case {
    const char* what;
    QByteArray content;
    int waits;
  };
  for (const Case& c : {Case{"a dead owner", deadOwner, 1}, Case{"garbage", "\x01\x02zz\n", 2},
                        Case{"an empty file", "", 2}}) {
    plant(c.content);
    QElapsedTimer cost;
    cost.start();
    SettingsLock lock(lockPath);
    EXPECT_EQ(lock.acquire(), "") << c.what;
    const qint64 ms = cost.elapsed();
    RecordProperty(std::string("lock cost in ms, ") + c.what, static_cast<int>(ms));
    EXPECT_LT(ms, kLockCostBoundMs) << c.what;
    EXPECT_LE(lock.waits(), c.waits) << c.what;
  }

  // A live owner's lock is not taken, and not waited out either.
  QLockFile live(lockPath);
  ASSERT_TRUE(live.tryLock());
  QElapsedTimer cost;
  cost.start();
  SettingsLock busy(lockPath);
  EXPECT_NE(busy.acquire().indexOf("in use"), -1);
  EXPECT_LT(cost.elapsed(), kLockCostBoundMs);
  live.unlock();

  // A pipe where the lock goes is junk, and is not opened.
  QFile::remove(lockPath);
  ASSERT_EQ(::mkfifo(QFile::encodeName(lockPath).constData(), 0600), 0);
  QString result = "not tried";
  ASSERT_TRUE(finishesWithin(
      10s, [&] { result = SettingsLock(lockPath).acquire(); },
      [&] { openPipeForWriting(QFile::encodeName(lockPath).constData()); }));
  EXPECT_EQ(result, "");
}

TEST_F(StoreFaults, AFailedSaveIsTriedAgainUntilTheNewestValuesAreOnDisk) {
  // A file where the folder should be: nothing can be written until it goes.
  QDir().mkpath(dir.path());
  QFile blocker(configFolder());
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  QtSettingsStore store(configFolder());
  for (const char* bank : {"1", "2", "3"}) {
    store.write("quovslot", "player1", "bank", bank);
    store.flush();
    store.waitSaved();
  }
  EXPECT_TRUE(store.health().failing);
  EXPECT_EQ(store.health().episode, 1u) << "one spell of failure, however many saves fail";
  EXPECT_GE(store.saveAttempts(), 3u);
  ASSERT_TRUE(QFile::remove(configFolder()));
  EXPECT_TRUE(waitUntil([&] { return !store.health().failing; }));
  EXPECT_EQ(store.health().episode, 1u);
  EXPECT_EQ(fileValue("quovslot", "player1/bank"), "3");
}

TEST_F(StoreFaults, ALinkedSettingsFileIsWrittenWhereItPoints) {
  const QString elsewhere = dir.path() + "/dotfiles";
  QDir().mkpath(elsewhere);
  QDir().mkpath(configFolder());
  QFile real(elsewhere + "/quovslot.ini");
  ASSERT_TRUE(real.open(QIODevice::WriteOnly));
  real.write("[player1]\nbank=7\n");
  real.close();
  ASSERT_TRUE(QFile::link(elsewhere + "/quovslot.ini", file("quovslot.ini")));
  {
    QtSettingsStore store(configFolder());
    EXPECT_EQ(store.read("quovslot", "player1", "bank"), "7");
    store.write("quovslot", "player1", "bank", "8");
  }
  EXPECT_TRUE(QFileInfo(file("quovslot.ini")).isSymLink());
  const QSettings ini(elsewhere + "/quovslot.ini", QSettings::IniFormat);
  EXPECT_EQ(ini.value("player1/bank").toString(), "8");
}

// Counts the store's warnings while it lives.
class WarningCounter {
 public:
  WarningCounter() { previous_ = qInstallMessageHandler(&WarningCounter::handle); }
  ~WarningCounter() { qInstallMessageHandler(previous_); }
  static int count() { return count_.load(); }

 private:
  static void handle(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtWarningMsg && text.contains("cannot be saved")) ++count_;
  }
  static inline std::atomic<int> count_{0};
  QtMessageHandler previous_ = nullptr;
};

// A folder the current user cannot write into. Permissions do not stop the
// root user, for whom a folder under /proc serves, which nobody may create.
QString unwritableFolder(const QString& folder) {
  QDir().mkpath(folder);
  QFile(folder).setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner);
  QFile probe(folder + "/probe");
  if (!probe.open(QIODevice::WriteOnly)) return folder;
  probe.remove();
  return "/proc/quov-unwritable/quov";
}

TEST_F(StoreFaults, AFolderThatRefusesWritesIsReportedOnceWhilePlayGoesOn) {
  writeIni("quovslot", "[player1]\nbank=5000\n");
  const QString folder = unwritableFolder(configFolder());
  const WarningCounter warnings;
  const int before = WarningCounter::count();
  machine = std::make_unique<DesktopMachine>(folder);
  machine->start();
  machine->mod.bank = 5000;  // whether or not the folder could be read
  for (int spin = 0; spin < 2; ++spin) {
    machine->random.push({2, 22, 8, 17, 1, 1});  // no jackpot time, a losing spin
    machine->cabinet.engine.spinCycle().btnstartall_click();
    machine->cabinet.engine.spinCycle().tmrtick_tick();  // idle again: the records are saved
    machine->store.waitSaved();
  }
  EXPECT_EQ(machine->mod.games, 2);
  EXPECT_EQ(machine->mod.bank, 5000 - 2 * 25);
  EXPECT_FALSE(machine->loop.ended());
  const SaveHealth health = machine->store.health();
  EXPECT_TRUE(health.failing);
  EXPECT_EQ(health.episode, 1u);
  EXPECT_FALSE(health.reason.empty());
  EXPECT_EQ(WarningCounter::count() - before, 1);
  QFile(configFolder()).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                       QFileDevice::ExeOwner);
}

TEST_F(StoreFaults, TheCabinetTellsOfSavesThatFailUntilSavingWorksAgain) {
  // A file stands where the settings folder belongs: no save can succeed.
  {
    QFile blocker(configFolder());
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  }
  start();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&machine->canvas));
  SpinCycle& spin = machine->cabinet.engine.spinCycle();
  Element& savenotice = machine->cabinet.saveNotice().savenotice;
  const RectF r = machine->canvas.mapping().toWindow(
      savenotice.screenLeft(), savenotice.screenTop(), savenotice.width, savenotice.height);
  const QRect notice = QRectF(r.x, r.y, r.w, r.h).toAlignedRect();

  machine->mod.bank = 5000;  // a change the idle ticker saves
  spin.tmrtick_tick();
  machine->store.waitSaved();
  spin.tmrtick_tick();
  ASSERT_TRUE(machine->store.health().failing);
  EXPECT_TRUE(savenotice.visible);
  EXPECT_EQ(savenotice.caption, kSaveNoticeText);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "nothing waits for an answer";
  // The line is drawn over the reels.
  const QImage marked = machine->canvas.grab().toImage().copy(notice);
  savenotice.hide();
  EXPECT_NE(machine->canvas.grab().toImage().copy(notice), marked);
  savenotice.show();

  // Play goes on; once the folder can be made, the next save succeeds.
  QFile::remove(configFolder());
  machine->random.push({2, 22, 8, 17, 1, 1});  // no jackpot time, a losing spin
  spin.btnstartall_click();
  spin.tmrtick_tick();
  machine->store.waitSaved();
  spin.tmrtick_tick();
  EXPECT_EQ(machine->mod.games, 1);
  EXPECT_FALSE(machine->store.health().failing);
  EXPECT_FALSE(savenotice.visible);
  EXPECT_EQ(fileValue("quovslot", "player1/bank"), "4975");
}

// An environment variable unset for one test, then put back.
struct Unset {
  explicit Unset(const char* n) : name(n), had(qEnvironmentVariableIsSet(n)), old(qgetenv(n)) {
    qunsetenv(n);
  }
  ~Unset() {
    if (had) qputenv(name, old);
  }
  const char* name;
  bool had;
  QByteArray old;
};

TEST_F(StoreFaults, WithoutAHomeNothingIsWrittenAndSavingIsReported) {
  const Unset home("HOME"), config("XDG_CONFIG_HOME"), cache("XDG_CACHE_HOME"),
      data("XDG_DATA_HOME");
  const bool historyAtTheRoot = QFileInfo::exists("/.local/share");
  const bool tuneAtTheRoot = QFileInfo::exists("/quovspin.midi");
  const bool configAtTheRoot = QFileInfo::exists("/.config/quov");
  const bool windowAtTheRoot = QFileInfo::exists("/window.ini");
  machine = std::make_unique<DesktopMachine>(QtSettingsStore::defaultFolder());
  machine->start();
  EXPECT_EQ(machine->cabinet.sounds.musicFolder, "");
  EXPECT_TRUE(machine->store.health().failing);
  EXPECT_NE(machine->store.health().reason.find("HOME"), std::string::npos);
  EXPECT_TRUE(machine->canvas.close());
  machine->store.waitSaved();
  EXPECT_EQ(QFileInfo::exists("/quovspin.midi"), tuneAtTheRoot);
  EXPECT_EQ(QFileInfo::exists("/.config/quov"), configAtTheRoot);
  EXPECT_EQ(QFileInfo::exists("/window.ini"), windowAtTheRoot);
  EXPECT_EQ(SqliteHistory::defaultPath(), "");
  EXPECT_EQ(QFileInfo::exists("/.local/share"), historyAtTheRoot);
}

TEST_F(StoreFaults, RecordsThatCannotBeReadAreNamedOnTheCabinetAndLeftAsTheyAre) {
  // Over 4 MiB: beyond what the store reads, for root too.
  const QByteArray records = "[player1]\nbank=9000\n[player2]\nbank=4400\n" + QByteArray(5 << 20, ';');
  writeIni("quovslot", records);
  writeIni("allslot", "[player1]\ngrand=250000\n");
  start();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&machine->canvas));
  SpinCycle& spin = machine->cabinet.engine.spinCycle();
  EXPECT_EQ(machine->mod.bank, 0) << "plays with the defaults";
  EXPECT_EQ(machine->mod.grand, 250000) << "what could be read plays";
  machine->mod.bank = 5000;  // a change the idle ticker saves
  spin.tmrtick_tick();
  machine->store.waitSaved();
  spin.tmrtick_tick();
  EXPECT_TRUE(machine->cabinet.saveNotice().savenotice.visible);
  EXPECT_EQ(machine->cabinet.saveNotice().savenotice.caption, std::string(kUnreadableNoticeStart) + "quovslot.ini is too large" +
                                      kUnreadableNoticeEnd);
  EXPECT_TRUE(machine->canvas.close());
  machine.reset();
  QFile f(file("quovslot.ini"));
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_TRUE(f.readAll() == records) << "not a byte changed";
  QFile meters(file("allslot.ini"));
  ASSERT_TRUE(meters.open(QIODevice::ReadOnly));
  EXPECT_EQ(meters.readAll(), "[player1]\ngrand=250000\n");
}

TEST_F(StoreFaults, ValuesThatCannotBeReadKeepTheirTextThroughTheExit) {
  // Each refused the same way: the game plays with its fallback and the
  // exit writes nothing over the text. Credit, counters and meters below 0
  // are refused too.
  const std::pair<const char*, const char*> bank[] = {
      {"bank", "+-5"}, {"bank", "1e99"}, {"bank", "2147483648"}, {"bank", "0x10"},
      {"bank", "\xd9\xa3"}, {"bank", "-5"}};
  const std::pair<const char*, const char*> others[] = {
      {"games", "-1"}, {"wager", "-300"}, {"amountinvested", "-1"}, {"howmanyspins", "-2"}};
  for (const auto& [key, text] : bank) {
    writeIni("quovslot", QByteArray("[player1]\n") + key + "=" + text + "\ngames=12\n");
    writeIni("allslot", "[player1]\ngrand=-200000\n");
    start();
    EXPECT_EQ(machine->mod.bank, 0) << text;
    EXPECT_EQ(machine->mod.games, 12) << text;
    EXPECT_EQ(machine->mod.grand, kGrandFloor) << "a meter below 0 starts at its floor";
    EXPECT_TRUE(machine->canvas.close());
    machine.reset();
    QFile f(file("quovslot.ini"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray saved = f.readAll();
    EXPECT_TRUE(saved.contains(QByteArray(key) + "=" + text + "\n")) << saved.toStdString();
    EXPECT_TRUE(saved.contains("games=12\n")) << saved.toStdString();
    QFile m(file("allslot.ini"));
    ASSERT_TRUE(m.open(QIODevice::ReadOnly));
    EXPECT_TRUE(m.readAll().contains("grand=-200000\n"));
  }
  QByteArray text = "[player1]\nbank=700\n";
  for (const auto& [key, value] : others) text += QByteArray(key) + "=" + value + "\n";
  writeIni("quovslot", text);
  start();
  EXPECT_EQ(machine->mod.games, 0);
  EXPECT_EQ(machine->mod.wager, 0);
  EXPECT_EQ(machine->mod.amountinvested, 0);
  EXPECT_EQ(machine->mod.howmanyspins, 0);
  // Once the game has a value of its own, that value is written.
  machine->mod.bank = 0;
  machine->mod.games = 3;
  EXPECT_TRUE(machine->canvas.close());
  machine.reset();
  QFile f(file("quovslot.ini"));
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  const QByteArray saved = f.readAll();
  EXPECT_TRUE(saved.contains("bank=0\n")) << saved.toStdString();
  EXPECT_TRUE(saved.contains("games=3\n")) << saved.toStdString();
  EXPECT_TRUE(saved.contains("wager=-300\n")) << saved.toStdString();
}

}  // namespace
}  // namespace quov::test
