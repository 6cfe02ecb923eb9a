// The records are never wiped by a store the game cannot read. Each case
// runs the real desktop store in a child process, as a player without root's
// rights (uid and gid 65534) when the test runs as root, so that a file of
// mode 000 fails to open as it does on a desktop; the child loads, puts a new
// credit in and saves, and the parent compares every byte of the folder. A
// child that does not finish within a minute counts as a hang.
//   - no scratch files: a full temporary folder changes nothing;
//   - a file that cannot be opened, read whole (over 4 MiB) or parsed is left
//     exactly as it is, and the store names it and why;
//   - folders in the way of the staged files and the lock are stepped round;
//   - a sweep over 200 seeded broken stores.
#include <fcntl.h>
#include <grp.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <QString>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <sstream>
#include <thread>

#include "desktop/qt_settings_store.h"
#include "records/save_notice.h"

namespace quov {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

constexpr uid_t kPlayer = 65534;  // nobody: no right to read a file of mode 000

// What the child saw.
struct StoreRun {
  bool finished = false;  // exited on its own within the bound
  int status = -1;
  std::map<std::string, std::string> seen;  // "bank", "unreadable", "failing", "reason"
};

void writeAllTo(int fd, const std::string& text) {
  const char* p = text.data();
  std::size_t left = text.size();
  while (left > 0) {
    const ssize_t n = ::write(fd, p, left);
    if (n <= 0) return;
    p += n;
    left -= static_cast<std::size_t>(n);
  }
}

// Loads the store in `folder`, then (unless `newBank` is empty) writes the
// credit and waits for the save to be tried.
StoreRun runStore(const std::string& folder, const std::string& newBank, const std::string& tmpdir = "") {
  int out[2];
  if (::pipe(out) != 0) return {};
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::close(out[0]);
    if (::geteuid() == 0 &&
        (::setgroups(0, nullptr) != 0 || ::setgid(kPlayer) != 0 || ::setuid(kPlayer) != 0))
      ::_exit(3);
    if (!tmpdir.empty()) ::setenv("TMPDIR", tmpdir.c_str(), 1);
    std::string report;
    {
      QtSettingsStore store(QString::fromStdString(folder));
      report += "bank\t" + store.read("quovslot", "player1", "bank") + "\n";
      if (!newBank.empty()) {
        store.write("quovslot", "player1", "bank", newBank);
        store.write("allslot", "player1", "grand", "212345");
        store.flush();
        store.waitSaved();
      }
      const SaveHealth h = store.health();
      report += "unreadable\t" + h.unreadable + "\n";
      report += std::string("failing\t") + (h.failing ? "1" : "0") + "\n";
      report += "reason\t" + h.reason + "\n";
    }
    writeAllTo(out[1], report);
    ::_exit(0);
  }
  ::close(out[1]);
  StoreRun run;
  const auto deadline = std::chrono::steady_clock::now() + 60s;
  int status = 0;
  std::string text;
  char buffer[4096];
  ::fcntl(out[0], F_SETFL, O_NONBLOCK);
  for (;;) {
    ssize_t n;
    while ((n = ::read(out[0], buffer, sizeof buffer)) > 0) text.append(buffer, std::size_t(n));
    if (::waitpid(pid, &status, WNOHANG) == pid) {
      run.finished = true;
      run.status = status;
      break;
    }
    if (std::chrono::steady_clock::now() > deadline) {
      ::kill(pid, SIGKILL);
      ::waitpid(pid, &status, 0);
      break;
    }
    std::this_thread::sleep_for(5ms);
  }
  ssize_t n;
  while ((n = ::read(out[0], buffer, sizeof buffer)) > 0) text.append(buffer, std::size_t(n));
  ::close(out[0]);
  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line)) {
    const auto tab = line.find('\t');
    if (tab != std::string::npos) run.seen[line.substr(0, tab)] = line.substr(tab + 1);
  }
  return run;
}

// Every entry of a folder (and of the folders in it): its kind, mode and
// bytes or link target.
using Snapshot = std::map<std::string, std::string>;
Snapshot snapshot(const fs::path& folder) {
  Snapshot s;
  std::error_code ec;
  for (auto it = fs::recursive_directory_iterator(folder, ec); it != fs::recursive_directory_iterator();
       it.increment(ec)) {
    struct stat st {};
    if (::lstat(it->path().c_str(), &st) != 0) continue;
    std::string entry = std::to_string(st.st_mode) + ":";
    if (S_ISREG(st.st_mode)) {
      std::ifstream in(it->path(), std::ios::binary);
      entry += std::string(std::istreambuf_iterator<char>(in), {});
    } else if (S_ISLNK(st.st_mode)) {
      entry += fs::read_symlink(it->path(), ec).string();
    }
    s[fs::relative(it->path(), folder).string()] = entry;
  }
  return s;
}

void put(const fs::path& file, const std::string& bytes, mode_t mode = 0644) {
  fs::create_directories(file.parent_path());
  {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << bytes;
  }
  ::chmod(file.c_str(), mode);
}

std::string contents(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

const std::string kPlayerRecords =
    "[notice]\nautoplay=-1\n\n[player1]\nbank=9000\ncurrentplayer=Ona\ngames=200\n\n"
    "[player2]\nbank=4400\ncurrentplayer=Ilse\n\n[store]\ngeneration=7\n";
const std::string kMeters = "[player1]\ngrand=250000\n\n[player2]\ngrand=230000\n\n[store]\ngeneration=7\n";

class StoreUnreadable : public ::testing::Test {
 protected:
  void SetUp() override {
    char name[] = "/tmp/quov-unreadable-XXXXXX";
    ASSERT_NE(::mkdtemp(name), nullptr);
    root = name;
    ::chmod(root.c_str(), 0755);  // the player reaches the folder
    folder = root / "config" / "quov";
    fs::create_directories(folder);
    ::chmod((root / "config").c_str(), 0755);
    ::chmod(folder.c_str(), 0777);
  }
  void TearDown() override {
    if (!mounted.empty()) ::umount2(mounted.c_str(), MNT_DETACH);
    std::error_code ec;
    // Modes that would stop the removal are put back first.
    for (auto it = fs::recursive_directory_iterator(root, ec); it != fs::recursive_directory_iterator();
         it.increment(ec))
      if (!it->is_symlink(ec)) ::chmod(it->path().c_str(), 0755);
    fs::remove_all(root, ec);
  }
  void putSet() {
    put(folder / "quovslot.ini", kPlayerRecords);
    put(folder / "allslot.ini", kMeters);
  }
  // The store loaded nothing from, and wrote nothing over, what it could
  // not read, and told which file and why.
  void expectLeftAsItWas(const Snapshot& before, const StoreRun& run, const std::string& file,
                         const std::string& why) {
    ASSERT_TRUE(run.finished) << "the store hung";
    ASSERT_TRUE(WIFEXITED(run.status) && WEXITSTATUS(run.status) == 0) << run.status;
    EXPECT_EQ(snapshot(folder), before) << "a file that could not be read was changed";
    const std::string told = run.seen.at("unreadable");
    EXPECT_NE(told.find(file), std::string::npos) << told;
    EXPECT_NE(told.find(why), std::string::npos) << told;
    EXPECT_EQ(run.seen.at("failing"), "1");
    const std::string line = unreadableNotice(told);
    EXPECT_NE(line.find(file), std::string::npos) << line;
    EXPECT_EQ(line.find(folder.string()), std::string::npos) << "the cabinet line has no room for folders";
  }
  fs::path root, folder, mounted;
};

TEST_F(StoreUnreadable, AFullTemporaryFolderChangesNothing) {
  putSet();
  // A small tmpfs filled to the last block where this test may mount one,
  // otherwise a temporary folder that cannot hold a single file.
  fs::path tmp = root / "tmp";
  fs::create_directories(tmp);
  std::string how = "a path under a regular file";
  if (::mount("tmpfs", tmp.c_str(), "tmpfs", 0, "size=64k,mode=1777") == 0) {
    mounted = tmp;
    std::ofstream fill(tmp / "fill", std::ios::binary);
    const std::string block(4096, 'x');
    while (fill.write(block.data(), std::streamsize(block.size())) && fill.flush()) {
    }
    how = "a full 64 KiB tmpfs";
  } else {
    put(tmp / "file", "");
    tmp = tmp / "file" / "tmp";
  }
  RecordProperty("temporary_folder", how);
  const StoreRun run = runStore(folder.string(), "9100", tmp.string());
  ASSERT_TRUE(run.finished);
  EXPECT_EQ(run.seen.at("bank"), "9000") << "the store was read whole";
  EXPECT_EQ(run.seen.at("failing"), "0") << run.seen.at("reason");
  EXPECT_EQ(contents(folder / "quovslot.ini"),
            "[notice]\nautoplay=-1\n\n[player1]\nbank=9100\ncurrentplayer=Ona\ngames=200\n\n"
            "[player2]\nbank=4400\ncurrentplayer=Ilse\n\n[store]\ngeneration=8\n");
  EXPECT_EQ(contents(folder / "allslot.ini"),
            "[player1]\ngrand=212345\n\n[player2]\ngrand=230000\n\n[store]\ngeneration=8\n");
}

TEST_F(StoreUnreadable, AFileOfMode000IsLeftAsItIs) {
  putSet();
  ::chmod((folder / "quovslot.ini").c_str(), 0);
  const Snapshot before = snapshot(folder);
  const StoreRun run = runStore(folder.string(), "9100");
  EXPECT_EQ(run.seen.at("bank"), "") << "plays with the defaults";
  expectLeftAsItWas(before, run, "quovslot.ini", "Permission denied");
  // Once it can be read again, the next start has every slot.
  ::chmod((folder / "quovslot.ini").c_str(), 0644);
  EXPECT_EQ(runStore(folder.string(), "").seen.at("bank"), "9000");
}

TEST_F(StoreUnreadable, AFileOver4MiBIsLeftAsItIs) {
  putSet();
  put(folder / "allslot.ini", kMeters + std::string(5 << 20, ';'));
  const Snapshot before = snapshot(folder);
  const StoreRun run = runStore(folder.string(), "9100");
  expectLeftAsItWas(before, run, "allslot.ini", "too large");
}

TEST_F(StoreUnreadable, AFileThatIsNotIniIsLeftAsItIs) {
  const std::string cases[] = {
      kPlayerRecords + "this line is no setting\n", kPlayerRecords + "\xFF\xFE\n",
      kPlayerRecords.substr(0, 20) + std::string(1, '\0') + kPlayerRecords.substr(20),
      "[player1\nbank=9000\n"};
  for (const std::string& text : cases) {
    putSet();
    put(folder / "quovslot.ini", text);
    const Snapshot before = snapshot(folder);
    expectLeftAsItWas(before, runStore(folder.string(), "9100"), "quovslot.ini", "cannot be read");
  }
}

TEST_F(StoreUnreadable, AReadOnlyFileIsReadWholeAndEverySlotKept) {
  putSet();
  ::chmod((folder / "quovslot.ini").c_str(), 0444);
  const StoreRun run = runStore(folder.string(), "9100");
  ASSERT_TRUE(run.finished);
  EXPECT_EQ(run.seen.at("bank"), "9000");
  const std::string saved = contents(folder / "quovslot.ini");
  EXPECT_NE(saved.find("bank=9100"), std::string::npos) << saved;
  EXPECT_NE(saved.find("[player2]\nbank=4400\ncurrentplayer=Ilse"), std::string::npos) << saved;
  EXPECT_NE(saved.find("[notice]\nautoplay=-1"), std::string::npos) << saved;
}

TEST_F(StoreUnreadable, AReadOnlyFolderIsToldAndNothingChanges) {
  putSet();
  ::chmod(folder.c_str(), 0555);
  const Snapshot before = snapshot(folder);
  const StoreRun run = runStore(folder.string(), "9100");
  ASSERT_TRUE(run.finished);
  EXPECT_EQ(run.seen.at("bank"), "9000");
  EXPECT_EQ(run.seen.at("failing"), "1");
  EXPECT_NE(run.seen.at("reason"), "") << "told why";
  EXPECT_EQ(snapshot(folder), before);
}

TEST_F(StoreUnreadable, FoldersInTheWayOfStagedFilesAndLocksAreSteppedRound) {
  putSet();
  for (const char* name : {"quovslot.ini.next", "allslot.ini.next", "quovslot.ini.lock", "allslot.ini.lock"})
    fs::create_directories(folder / name / "inside");
  for (const char* bank : {"9100", "9200"}) {
    const StoreRun run = runStore(folder.string(), bank);
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.seen.at("failing"), "0") << run.seen.at("reason");
  }
  EXPECT_EQ(runStore(folder.string(), "").seen.at("bank"), "9200");
  EXPECT_NE(contents(folder / "quovslot.ini").find("[player2]\nbank=4400"), std::string::npos);
  EXPECT_TRUE(fs::is_directory(folder / "quovslot.ini.next" / "inside")) << "not the game's to remove";
  // Nothing staged under names of its own is left behind.
  for (const auto& e : fs::directory_iterator(folder))
    EXPECT_TRUE(e.is_directory() || e.path().filename().string().find(".next-") == std::string::npos)
        << e.path();
}

// One broken store, drawn from `seed`: the set with some of its files
// damaged in one of the ways a desktop damages them, staged files and locks
// beside it, folders and pipes in the way.
struct Broken {
  std::string unreadable;     // the first file the store must neither read nor write over
  bool keepsPlayer2 = false;  // the player records hold a whole second slot
};

Broken makeBroken(const fs::path& folder, unsigned seed) {
  std::mt19937 rng(seed);
  const auto chance = [&](unsigned percent) { return rng() % 100 < percent; };
  Broken b;
  const std::string names[] = {"quovslot.ini", "allslot.ini"};
  const std::string texts[] = {kPlayerRecords, kMeters};
  const std::string badValues[] = {"+-5", "1e99", "2147483648", "0x10", "-1", "\xd9\xa3"};
  for (int i = 0; i < 2; ++i) {
    const fs::path file = folder / names[i];
    std::string text = texts[i];
    bool bad = false;
    mode_t mode = 0644;
    // Half the files whole, the other half damaged one way or another.
    const unsigned kind = rng() % 24;
    switch (kind < 12 ? kind : 10) {
      case 0: ::mkfifo(file.c_str(), 0644); continue;        // refused, never opened
      case 1: fs::create_directories(file / "x"); continue;  // refused
      case 2: text += std::string((4 << 20) + rng() % 4096, ';'); bad = true; break;
      case 3: text.insert(rng() % text.size(), 1, '\0'); bad = true; break;
      case 4: text.insert(rng() % text.size(), "\xC3\x28"); bad = true; break;  // not UTF-8
      case 5: text += "a line that is no setting\n"; bad = true; break;
      case 6: text.insert(0, "[open section\n"); bad = true; break;
      case 7: mode = 0; bad = true; break;
      case 8: {
        const std::size_t at = text.find("=9000") != std::string::npos ? text.find("=9000") : text.find("=250000");
        text.replace(at + 1, text.find('\n', at) - at - 1, badValues[rng() % std::size(badValues)]);
        break;
      }
      case 9: text.resize(text.rfind('\n', rng() % text.size()) + 1); break;  // whole lines cut short
      case 10: break;
      default: text = "[store]\ngeneration=3\n"; break;
    }
    put(file, text, mode);
    if (bad && b.unreadable.empty()) b.unreadable = names[i];
    if (i == 0 && !bad) b.keepsPlayer2 = text.find("[player2]\nbank=4400\ncurrentplayer=Ilse\n") != std::string::npos;
  }
  if (chance(20)) fs::create_directories(folder / (names[rng() % 2] + ".next"));
  if (chance(20)) fs::create_directories(folder / (names[rng() % 2] + ".lock"));
  if (chance(15)) put(folder / (names[rng() % 2] + ".lock"), "garbage\n");
  if (chance(15)) put(folder / (names[rng() % 2] + ".next"), "[store]\ngeneration=2\n");
  if (chance(10)) {
    const std::string name = names[rng() % 2] + ".next-1-1";
    put(folder / name, std::string(1, '\0'));
    if (b.unreadable.empty()) b.unreadable = name;
  }
  return b;
}

TEST_F(StoreUnreadable, ASweepOverBrokenStoresNeverCrashesHangsOrChangesWhatCouldNotBeRead) {
  constexpr unsigned kStores = 200;
  int unreadable = 0, failing = 0, saved = 0;
  for (unsigned seed = 1; seed <= kStores; ++seed) {
    fs::remove_all(folder);
    fs::create_directories(folder);
    ::chmod(folder.c_str(), 0777);
    const Broken b = makeBroken(folder, seed);
    const Snapshot before = snapshot(folder);
    const StoreRun run = runStore(folder.string(), "9100");
    SCOPED_TRACE("seed " + std::to_string(seed));
    ASSERT_TRUE(run.finished) << "hung";
    ASSERT_TRUE(WIFEXITED(run.status) && WEXITSTATUS(run.status) == 0) << "crashed: " << run.status;
    const std::string told = run.seen.at("unreadable");
    if (!b.unreadable.empty()) {
      ++unreadable;
      EXPECT_EQ(snapshot(folder), before) << b.unreadable << " could not be read and was changed";
      EXPECT_NE(told.find(b.unreadable), std::string::npos) << told;
      EXPECT_EQ(run.seen.at("failing"), "1");
      continue;
    }
    EXPECT_EQ(told, "");
    if (run.seen.at("failing") == "1") {
      ++failing;
      EXPECT_NE(run.seen.at("reason"), "") << "a failing save is told";
      continue;
    }
    ++saved;
    const std::string records = contents(folder / "quovslot.ini");
    EXPECT_NE(records.find("bank=9100"), std::string::npos) << records;
    if (b.keepsPlayer2) {
      EXPECT_NE(records.find("[player2]\nbank=4400\ncurrentplayer=Ilse\n"), std::string::npos) << records;
    }
  }
  RecordProperty("unreadable", unreadable);
  RecordProperty("failing", failing);
  RecordProperty("saved", saved);
  std::printf("broken stores: %d unreadable and left as they were, %d told failing, %d saved\n",
              unreadable, failing, saved);
  // The draw reaches every outcome.
  EXPECT_GT(unreadable, 50);
  EXPECT_GT(saved, 20);
}

}  // namespace
}  // namespace quov
