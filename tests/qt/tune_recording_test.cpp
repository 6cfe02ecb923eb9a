// The free-spin tune's recording: played as a loop it is what a looping
// MIDI player plays, and it is kept in the cache under a name that changes
// with the tune, read back from there, and never through a planted link.
#include <fluidsynth.h>
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <string>
#include <thread>
#include <vector>

#include "desktop/qt_resources.h"
#include "desktop/sound/tune_recording.h"

namespace quov {
namespace {

constexpr int kRate = 44100;
// The game's tune: 64 bars of four beats at 120 beats a minute.
constexpr std::size_t kPass = 128 * kRate;
constexpr std::size_t kJoin = 441;  // where the kept second pass blends into the first

// A standard MIDI file of one track, quick to render: a harp arpeggio of
// six eighth notes, played a semitone higher with `shift`.
QByteArray shortTune(int shift = 0) {
  QByteArray t;
  auto note = [&t](int delta, int status, int key, int velocity) {
    t.append(static_cast<char>(delta));  // every delta here fits in one byte
    t.append(static_cast<char>(status));
    t.append(static_cast<char>(key));
    t.append(static_cast<char>(velocity));
  };
  t.append("\x00\xC0\x2E", 3);  // program: orchestral harp
  const int keys[] = {57, 60, 64, 69, 72, 76};
  for (int k : keys) {
    note(0, 0x90, k + shift, 100);
    note(64, 0x80, k + shift, 0);  // eighth notes at 128 ticks a quarter
  }
  t.append("\x00\xFF\x2F\x00", 4);  // end of track
  QByteArray f("MThd\x00\x00\x00\x06\x00\x00\x00\x01\x00\x80", 14);
  f.append("MTrk", 4);
  const auto n = static_cast<quint32>(t.size());
  for (int s = 24; s >= 0; s -= 8) f.append(static_cast<char>((n >> s) & 0xFF));
  return f + t;
}

class TuneRecordingTest : public ::testing::Test {
 protected:
  std::string writeTune(const QByteArray& bytes) {
    const QString path = dir.path() + "/quovspin.midi";
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
    return path.toStdString();
  }
  std::string cacheFolder() const { return (dir.path() + "/cache").toStdString(); }
  QStringList kept() const {
    return QDir(dir.path() + "/cache").entryList({"quovspin-*.pcm"}, QDir::Files | QDir::System);
  }
  // Waits, with a bound only a broken recording reaches, for it to finish.
  static bool made(const TuneRecording& r) {
    for (int i = 0; i < 12000 && !r.complete() && !r.failed(); ++i)
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return r.complete();
  }
  // The recording played from its start, looping, for `frames` frames.
  static std::vector<float> looped(const TuneRecording& r, std::size_t frames) {
    std::vector<float> out;
    for (std::size_t i = 0, at = 0; i < frames; ++i, ++at) {
      if (at == r.length()) at = r.loopStart();
      out.push_back(static_cast<float>(r.frame(at)[0]) / 32767.0F);
      out.push_back(static_cast<float>(r.frame(at)[1]) / 32767.0F);
    }
    return out;
  }

  QTemporaryDir dir;
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(QDir().mkpath(dir.path() + "/cache"));
  }
};

// FluidSynth playing the tune with its player looping, as the game once
// played it live: the reference the recording must match.
std::vector<float> liveLoop(const std::string& tune, std::size_t frames) {
  fluid_settings_t* settings = new_fluid_settings();
  fluid_settings_setnum(settings, "synth.sample-rate", kRate);
  fluid_settings_setnum(settings, "synth.gain", 1.4);
  fluid_settings_setint(settings, "synth.chorus.active", 0);
  fluid_settings_setint(settings, "synth.polyphony", 64);
  fluid_settings_setint(settings, "synth.dynamic-sample-loading", 1);
  fluid_synth_t* synth = new_fluid_synth(settings);
  std::vector<float> out(2 * frames);
  if (fluid_synth_sfload(synth, QUOV_SOUNDFONT, 1) != FLUID_FAILED) {
    fluid_player_t* player = new_fluid_player(synth);
    fluid_player_add(player, tune.c_str());
    fluid_player_set_loop(player, -1);
    fluid_player_play(player);
    for (std::size_t at = 0; at < frames; at += 64)
      fluid_synth_write_float(synth, 64, out.data() + 2 * at, 0, 2, out.data() + 2 * at, 1, 2);
    delete_fluid_player(player);
  }
  delete_fluid_synth(synth);
  delete_fluid_settings(settings);
  return out;
}

// The game's own tune: what it holds is what the looping player, the way
// the game once played it live, sends out, to a sample's rounding; its
// second pass, once the first pass's last notes have rung out, is the first
// again; and the jump back to it makes no step.
TEST_F(TuneRecordingTest, PlayedAsALoopItIsTheTuneRepeatedSeamlessly) {
  const QByteArray midi = [] {
    const Bytes b = QtResources().load("MIDI", "1");
    return QByteArray(reinterpret_cast<const char*>(b.data()), static_cast<qsizetype>(b.size()));
  }();
  ASSERT_FALSE(midi.isEmpty());
  const std::string tune = writeTune(midi);
  TuneRecording r(QUOV_SOUNDFONT, tune, kRate, {});
  ASSERT_TRUE(made(r));
  ASSERT_EQ(r.length() - r.loopStart(), kPass) << "one pass of the tune";
  const auto heard = looped(r, r.length());

  const auto live = liveLoop(tune, r.length());
  double worst = 0, loudest = 0;
  for (std::size_t i = 0; i < 2 * (r.length() - kJoin); ++i) {
    loudest = std::max(loudest, std::abs(static_cast<double>(live[i])));
    worst = std::max(worst, std::abs(static_cast<double>(heard[i]) - live[i]));
  }
  ASSERT_GT(loudest, 0.1) << "the tune sounds";
  EXPECT_LT(worst, 1.0 / 32767) << "the player's own samples";

  // The last half second before the join against the same place of the
  // first pass: under -54 dB of full scale.
  double ringing = 0;
  for (std::size_t f = r.length() - kJoin - kRate / 2; f < r.length() - kJoin; ++f)
    for (std::size_t c = 0; c < 2; ++c)
      ringing = std::max(ringing, std::abs(static_cast<double>(heard[2 * f + c]) - heard[2 * (f - kPass) + c]));
  EXPECT_LT(ringing, 0.002);

  // At the jump, no larger step than the tune itself takes from one sample
  // to the next around it.
  double steps = 0;
  for (std::size_t f = r.loopStart(); f < r.loopStart() + kJoin; ++f)
    for (std::size_t c = 0; c < 2; ++c)
      steps = std::max(steps, std::abs(static_cast<double>(heard[2 * (f + 1) + c]) - heard[2 * f + c]));
  for (std::size_t c = 0; c < 2; ++c)
    EXPECT_LE(std::abs(static_cast<double>(heard[2 * r.loopStart() + c]) - heard[2 * (r.length() - 1) + c]),
              steps);
}

TEST_F(TuneRecordingTest, IsKeptInTheCacheAndReadBackFromIt) {
  const std::string tune = writeTune(shortTune());
  std::vector<float> rendered;
  std::size_t loopStart = 0;
  {
    TuneRecording first(QUOV_SOUNDFONT, tune, kRate, cacheFolder());
    ASSERT_TRUE(made(first));
    rendered = looped(first, first.length());
    loopStart = first.loopStart();
  }
  ASSERT_EQ(kept().size(), 1);
  const QString file = dir.path() + "/cache/" + kept().front();

  // What is read back is the file's: mark one sample of it.
  QFile f(file);
  ASSERT_TRUE(f.open(QIODevice::ReadWrite));
  ASSERT_TRUE(f.seek(24));
  f.write("\x34\x12", 2);
  f.close();
  TuneRecording again(QUOV_SOUNDFONT, tune, kRate, cacheFolder());
  ASSERT_TRUE(made(again));
  ASSERT_EQ(again.length(), rendered.size() / 2);
  EXPECT_EQ(again.loopStart(), loopStart);
  EXPECT_EQ(again.frame(0)[0], 0x1234);
  EXPECT_FLOAT_EQ(static_cast<float>(again.frame(kRate)[1]) / 32767.0F, rendered[2 * kRate + 1]);

  // A file cut short is not taken: the tune is rendered again.
  ASSERT_TRUE(f.resize(f.size() - 2));
  {
    TuneRecording whole(QUOV_SOUNDFONT, tune, kRate, cacheFolder());
    ASSERT_TRUE(made(whole));
    EXPECT_NE(whole.frame(0)[0], 0x1234);
  }
  EXPECT_EQ(QFile(file).size(), 24 + 4 * static_cast<qint64>(rendered.size() / 2)) << "and kept whole";
}

TEST_F(TuneRecordingTest, AnotherTuneOrRateIsAnotherFileAndTheOldOneGoes) {
  const std::string tune = writeTune(shortTune());
  { TuneRecording r(QUOV_SOUNDFONT, tune, kRate, cacheFolder()); ASSERT_TRUE(made(r)); }
  const QStringList before = kept();
  ASSERT_EQ(before.size(), 1);
  writeTune(shortTune(1));
  { TuneRecording r(QUOV_SOUNDFONT, tune, kRate, cacheFolder()); ASSERT_TRUE(made(r)); }
  ASSERT_EQ(kept().size(), 1);
  EXPECT_NE(kept(), before) << "a changed tune";
  const QStringList tuneChanged = kept();
  { TuneRecording r(QUOV_SOUNDFONT, tune, 48000, cacheFolder()); ASSERT_TRUE(made(r)); }
  ASSERT_EQ(kept().size(), 1);
  EXPECT_NE(kept(), tuneChanged) << "a changed rate";
}

TEST_F(TuneRecordingTest, ALinkPlantedUnderTheCacheNameIsNeverFollowed) {
  const std::string tune = writeTune(shortTune());
  { TuneRecording r(QUOV_SOUNDFONT, tune, kRate, cacheFolder()); ASSERT_TRUE(made(r)); }
  ASSERT_EQ(kept().size(), 1);
  const QString name = dir.path() + "/cache/" + kept().front();
  // A marked copy elsewhere, and the cache's name made a link to it.
  const QString elsewhere = dir.path() + "/elsewhere.pcm";
  ASSERT_TRUE(QFile::copy(name, elsewhere));
  {
    QFile f(elsewhere);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(f.seek(24));
    f.write("\x34\x12", 2);
  }
  const QByteArray target = [&] { QFile f(elsewhere); f.open(QIODevice::ReadOnly); return f.readAll(); }();
  ASSERT_TRUE(QFile::remove(name));
  ASSERT_TRUE(QFile::link(elsewhere, name));

  TuneRecording r(QUOV_SOUNDFONT, tune, kRate, cacheFolder());
  ASSERT_TRUE(made(r));
  EXPECT_NE(r.frame(0)[0], 0x1234) << "not read through the link";
  // Rendered again and written in the link's place, the linked file untouched.
  for (int i = 0; i < 1000 && QFileInfo(name).isSymLink(); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  EXPECT_FALSE(QFileInfo(name).isSymLink());
  QFile f(elsewhere);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll(), target);
}

TEST_F(TuneRecordingTest, WithoutASoundFontOrATuneItFails) {
  const std::string tune = writeTune(shortTune());
  TuneRecording noFont("/nonexistent/font.sf3", tune, kRate, cacheFolder());
  TuneRecording noTune(QUOV_SOUNDFONT, dir.path().toStdString() + "/none.midi", kRate, cacheFolder());
  EXPECT_FALSE(made(noFont));
  EXPECT_TRUE(noFont.failed());
  EXPECT_FALSE(made(noTune));
  EXPECT_TRUE(noTune.failed());
  EXPECT_TRUE(kept().isEmpty());
}

}  // namespace
}  // namespace quov
