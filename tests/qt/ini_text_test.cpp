// The records' INI text is read and written in memory, and must stay the
// text QSettings reads and writes: what the game writes QSettings reads back
// the same, what QSettings wrote (the files of every earlier version) the
// game reads the same, over values full of quotes, separators, escapes and
// non-ASCII text. A text that is not whole INI is refused, not half read.
#include <gtest/gtest.h>

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <random>

#include "desktop/ini_text.h"

namespace quov {
namespace {

// Values made of the characters that need care in an INI file.
QString randomValue(std::mt19937& rng) {
  static const QString pieces[] = {
      "a",  "Z",  "0",  "9",   "f",  "x",  " ",   "\t", ";",  ",",  "=",  "#",   "\"",
      "\\", "@",  "[",  "]",   "%",  "\n", "\r",  "é",  "€",  "😀", "ß",  "\x01", "\x7f",
      "-5", "1e99", "0x10", "+-5", "٣", "  lead", "trail  ", "@@", "\\x41"};
  std::uniform_int_distribution<int> length(0, 8);
  std::uniform_int_distribution<std::size_t> pick(0, std::size(pieces) - 1);
  QString v;
  for (int n = length(rng); n > 0; --n) v += pieces[pick(rng)];
  return v;
}

IniValues randomValues(std::mt19937& rng) {
  IniValues values;
  std::uniform_int_distribution<int> count(1, 12), section(1, 6), key(0, 30);
  for (int n = count(rng); n > 0; --n)
    values.insert(QStringLiteral("player%1/key%2").arg(section(rng)).arg(key(rng)), randomValue(rng));
  return values;
}

class IniText : public ::testing::Test {
 protected:
  QString path() const { return dir.filePath(QStringLiteral("f%1.ini").arg(serial)); }
  QTemporaryDir dir;
  int serial = 0;
};

TEST_F(IniText, WhatTheGameWritesQSettingsReadsTheSameAndTheOtherWayRound) {
  std::mt19937 rng(20261210);
  for (int round = 0; round < 300; ++round) {
    const IniValues values = randomValues(rng);
    // Ours to QSettings.
    ++serial;
    {
      QFile f(path());
      ASSERT_TRUE(f.open(QIODevice::WriteOnly));
      f.write(formatIni(values));
    }
    {
      const QSettings settings(path(), QSettings::IniFormat);
      ASSERT_EQ(settings.status(), QSettings::NoError) << formatIni(values).toStdString();
      ASSERT_EQ(settings.allKeys().size(), values.size());
      for (auto it = values.cbegin(); it != values.cend(); ++it)
        ASSERT_EQ(settings.value(it.key()).toString(), it.value().toString())
            << it.key().toStdString() << " in\n" << formatIni(values).toStdString();
    }
    // QSettings to ours.
    ++serial;
    {
      QSettings settings(path(), QSettings::IniFormat);
      for (auto it = values.cbegin(); it != values.cend(); ++it) settings.setValue(it.key(), it.value());
      settings.sync();
    }
    QFile f(path());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray text = f.readAll();
    IniValues read;
    QString error;
    ASSERT_TRUE(parseIni(text, read, error)) << error.toStdString() << "\n" << text.toStdString();
    ASSERT_EQ(read.size(), values.size()) << text.toStdString();
    for (auto it = values.cbegin(); it != values.cend(); ++it)
      ASSERT_EQ(read.value(it.key()).toString(), it.value().toString())
          << it.key().toStdString() << " in\n" << text.toStdString();
  }
}

TEST_F(IniText, HandEditsReadAsQSettingsReadsThem) {
  const QByteArray text =
      "\xEF\xBB\xBF; a comment\r\n"
      "[General]\nloose = 1\n"
      "[player1]\n"
      "  bank =  9000  \n"
      "currentplayer=\"  Ona, the second  \"\n"
      "names=a, b ,c\n"
      "empty=\n"
      "notes=abc ; what follows is a comment\n"
      "[player%202]\nbank=5\n";
  IniValues values;
  QString error;
  ASSERT_TRUE(parseIni(text, values, error)) << error.toStdString();
  ++serial;
  QFile f(path());
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(text);
  f.close();
  const QSettings settings(path(), QSettings::IniFormat);
  QStringList keys = settings.allKeys();
  keys.sort();
  EXPECT_EQ(QStringList(values.keys()), keys);
  for (const QString& key : settings.allKeys())
    EXPECT_EQ(values.value(key), settings.value(key)) << key.toStdString();
  EXPECT_EQ(values.value("player1/bank").toString(), "9000");
  EXPECT_EQ(values.value("player1/names").toStringList(), QStringList({"a", "b", "c"}));
  EXPECT_EQ(values.value("player 2/bank").toString(), "5");
}

TEST_F(IniText, ATextThatIsNotWholeIniIsRefusedNotHalfRead) {
  const std::pair<QByteArray, const char*> cases[] = {
      {"[player1]\nbank=1\n\xFF\xFEjunk=2\n", "not UTF-8"},
      {QByteArray("[player1]\nbank=1\0\n", 18), "NUL"},
      {"[player1\nbank=1\n", "line 1"},
      {"[player1]\nbank=1\nthis line is not a setting\n", "line 3"},
      {"[player1]\n=5\n", "line 2"},
  };
  for (const auto& [text, why] : cases) {
    IniValues values;
    QString error;
    EXPECT_FALSE(parseIni(text, values, error)) << text.toStdString();
    EXPECT_TRUE(values.isEmpty()) << text.toStdString();
    EXPECT_TRUE(error.contains(QLatin1String(why))) << error.toStdString();
  }
  IniValues values;
  QString error;
  EXPECT_TRUE(parseIni("", values, error));
  EXPECT_TRUE(values.isEmpty());
}

}  // namespace
}  // namespace quov
