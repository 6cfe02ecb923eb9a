// The tune's file operations: kept inside the user's cache folder, written
// by renaming a new file into place (a planted link is replaced, its target
// untouched), and no folder at all without a home.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "platform/qt/safe_files.h"
#include "platform/qt/std_files.h"
#include "platform/qt/user_folders.h"
#include "tests/qt/finishes_within.h"
#include "tests/qt/scoped_env.h"

namespace quov::test {
namespace {

using namespace std::chrono_literals;

class SafeFiles : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dir.isValid()); }
  std::string path(const char* name) const { return (dir.path() + "/" + name).toStdString(); }
  static QByteArray contents(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
  }
  QTemporaryDir dir;
  const Bytes tune{'M', 'T', 'h', 'd'};
};

TEST_F(SafeFiles, APlantedLinkIsReplacedNeverWrittenThrough) {
  const QString victim = dir.path() + "/victim";
  QFile v(victim);
  ASSERT_TRUE(v.open(QIODevice::WriteOnly));
  v.write("keep me");
  v.close();
  StdFiles files(dir.path().toStdString());
  ASSERT_TRUE(files.createFolder(path("music")));
  ASSERT_TRUE(QFile::link(victim, dir.path() + "/music/quovspin.midi"));

  ASSERT_TRUE(files.writeFile(path("music/quovspin.midi"), tune));
  EXPECT_EQ(contents(victim), "keep me");
  const QFileInfo written(dir.path() + "/music/quovspin.midi");
  EXPECT_FALSE(written.isSymLink());
  EXPECT_EQ(contents(written.filePath()), "MThd");
  EXPECT_EQ(QDir(dir.path() + "/music").entryList(QDir::Files | QDir::Hidden).size(), 1)
      << "no temporary file is left behind";

  ASSERT_TRUE(QFile::remove(written.filePath()));
  ASSERT_TRUE(QFile::link(victim, written.filePath()));
  EXPECT_TRUE(files.deleteFile(path("music/quovspin.midi")));
  EXPECT_EQ(contents(victim), "keep me") << "deleting removes the link only";
}

TEST_F(SafeFiles, NothingOutsideTheFolderIsTouched) {
  StdFiles files((dir.path() + "/cache").toStdString());
  EXPECT_FALSE(files.createFolder(path("elsewhere")));
  EXPECT_FALSE(files.writeFile(path("cache/../escaped.midi"), tune));
  EXPECT_FALSE(files.writeFile("/quovspin.midi", tune));
  EXPECT_FALSE(QFileInfo::exists(dir.path() + "/escaped.midi"));
  EXPECT_TRUE(files.createFolder(path("cache/music")));
  EXPECT_TRUE(files.writeFile(path("cache/music/quovspin.midi"), tune));

  StdFiles none("");
  EXPECT_FALSE(none.createFolder(path("cache/other")));
  EXPECT_FALSE(none.writeFile(path("cache/music/quovspin.midi"), tune));
  EXPECT_FALSE(none.deleteFile(path("cache/music/quovspin.midi")));
}

TEST_F(SafeFiles, OnlyRegularFilesAreReadAndNeverBlock) {
  const QString pipe = dir.path() + "/pipe";
  ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
  FileRead r;
  EXPECT_TRUE(finishesWithin(
      10s, [&] { r = readRegularFile(pipe, 1000); },
      [&] { openPipeForWriting(QFile::encodeName(pipe).constData()); }));
  EXPECT_EQ(r.outcome, FileRead::Outcome::Refused);
  EXPECT_EQ(fileKind(pipe), FileKind::Other);

  EXPECT_EQ(readRegularFile(dir.path(), 1000).outcome, FileRead::Outcome::Refused);
  EXPECT_EQ(readRegularFile("/dev/zero", 1000).outcome, FileRead::Outcome::Refused);
  EXPECT_EQ(readRegularFile(dir.path() + "/none", 1000).outcome, FileRead::Outcome::Missing);

  ASSERT_TRUE(replaceFile(dir.path(), "big", QByteArray(2000, 'x'), true).isEmpty());
  EXPECT_EQ(readRegularFile(dir.path() + "/big", 1000).outcome, FileRead::Outcome::Refused);
  const FileRead big = readRegularFile(dir.path() + "/big", 4000);
  EXPECT_EQ(big.outcome, FileRead::Outcome::Read);
  EXPECT_EQ(big.bytes.size(), 2000);
}

TEST(UserFolders, WithoutAHomeOnlyAnExplicitFolderCounts) {
  for (const char* home : {static_cast<const char*>(nullptr), "", "/", "relative"}) {
    ScopedEnv h("HOME", home);
    ScopedEnv c("XDG_CACHE_HOME", nullptr);
    EXPECT_EQ(userFolder(QStandardPaths::CacheLocation, "XDG_CACHE_HOME"), "")
        << "HOME=" << (home ? home : "(unset)");
    ScopedEnv x("XDG_CACHE_HOME", "/var/tmp/quov-cache");
    EXPECT_TRUE(userFolder(QStandardPaths::CacheLocation, "XDG_CACHE_HOME")
                    .startsWith("/var/tmp/quov-cache/"));
  }
  ScopedEnv h("HOME", "/home/player");
  ScopedEnv c("XDG_CACHE_HOME", nullptr);
  EXPECT_TRUE(userFolder(QStandardPaths::CacheLocation, "XDG_CACHE_HOME")
                  .startsWith("/home/player/.cache/"));
}

}  // namespace
}  // namespace quov::test
