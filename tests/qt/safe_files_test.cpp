// The tune's file operations: written by renaming a new file into place (a
// planted link is replaced, its target untouched), and nothing outside the
// user's cache folder.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "platform/qt/std_files.h"

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

}  // namespace
}  // namespace quov::test
