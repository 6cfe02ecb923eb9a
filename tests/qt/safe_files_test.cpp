// The tune's file operations: written by renaming a new file into place (a
// planted link is replaced, its target untouched), nothing outside the
// user's cache folder, and nothing through a link planted in place of the
// tune's folder, while the cache folder itself may be a link the user made.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "desktop/std_files.h"

namespace quov::test {
namespace {

QByteArray contents(const QString& file) {
  QFile f(file);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

TEST(SafeFiles, APlantedLinkIsReplacedNeverWrittenThrough) {
  QTemporaryDir dir;
  const QString victim = dir.path() + "/victim";
  QFile v(victim);
  ASSERT_TRUE(v.open(QIODevice::WriteOnly));
  v.write("keep me");
  v.close();
  StdFiles files(dir.path().toStdString());
  const std::string tune = (dir.path() + "/music/quovspin.midi").toStdString();
  ASSERT_TRUE(files.createFolder(dir.path().toStdString() + "/music"));
  ASSERT_TRUE(QFile::link(victim, QString::fromStdString(tune)));

  ASSERT_TRUE(files.writeFile(tune, {'M', 'T', 'h', 'd'}));
  EXPECT_EQ(contents(victim), "keep me");
  EXPECT_FALSE(QFileInfo(QString::fromStdString(tune)).isSymLink());
  EXPECT_EQ(contents(QString::fromStdString(tune)), "MThd");
  EXPECT_EQ(QDir(dir.path() + "/music").entryList(QDir::Files | QDir::Hidden).size(), 1)
      << "no temporary file is left behind";

  // Out of the folder, by a way round or not at all.
  EXPECT_FALSE(files.writeFile(dir.path().toStdString() + "/music/../../escaped", {'x'}));
  EXPECT_FALSE(QFileInfo::exists(QFileInfo(dir.path()).path() + "/escaped"));
  EXPECT_FALSE(StdFiles("").writeFile(tune, {'x'}));
  EXPECT_EQ(contents(QString::fromStdString(tune)), "MThd");
}

TEST(SafeFiles, ALinkPlantedInPlaceOfTheTunesFolderIsNeverFollowed) {
  QTemporaryDir dir;
  // The user's cache folder is itself a link: that one is followed.
  ASSERT_TRUE(QDir().mkpath(dir.path() + "/real-cache"));
  ASSERT_TRUE(QFile::link(dir.path() + "/real-cache", dir.path() + "/cache"));
  ASSERT_TRUE(QDir().mkpath(dir.path() + "/elsewhere"));
  const QString victim = dir.path() + "/elsewhere/quovspin.midi";
  QFile v(victim);
  ASSERT_TRUE(v.open(QIODevice::WriteOnly));
  v.write("keep me");
  v.close();
  const std::string cache = (dir.path() + "/cache").toStdString();
  StdFiles files(cache);
  const std::string folder = cache + "/music", tune = folder + "/quovspin.midi";
  ASSERT_TRUE(QFile::link(dir.path() + "/elsewhere", QString::fromStdString(folder)));

  EXPECT_FALSE(files.createFolder(folder));
  EXPECT_FALSE(files.writeFile(tune, {'M', 'T', 'h', 'd'}));
  EXPECT_FALSE(files.deleteFile(tune));
  EXPECT_FALSE(files.removeFolder(folder));
  EXPECT_EQ(contents(victim), "keep me");
  EXPECT_EQ(QDir(dir.path() + "/elsewhere").entryList(QDir::Files | QDir::Hidden).size(), 1);
  EXPECT_TRUE(QFileInfo(QString::fromStdString(folder)).isSymLink());

  // With the link gone, the same calls work inside the user's linked folder.
  ASSERT_TRUE(QFile::remove(QString::fromStdString(folder)));
  EXPECT_TRUE(files.createFolder(folder));
  EXPECT_TRUE(files.writeFile(tune, {'M', 'T', 'h', 'd'}));
  EXPECT_EQ(contents(dir.path() + "/real-cache/music/quovspin.midi"), "MThd");
  EXPECT_TRUE(files.deleteFile(tune));
  EXPECT_TRUE(files.removeFolder(folder));
}

}  // namespace
}  // namespace quov::test
