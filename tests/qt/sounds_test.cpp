// The clips and the tune built into the program, and sound requests made
// without any audio device.
#include <gtest/gtest.h>

#include <cmath>

#include "sound/clips.h"
#include "platform/qt/qt_resources.h"
#include "platform/qt/qt_sound.h"
#include "platform/qt/wave_data.h"

namespace quov {
namespace {

struct Expected {
  int id, rate, bits;
  double seconds;
};

TEST(ProgramResources, EveryClipHasItsFormatAndLength) {
  const Expected table[] = {{102, 22050, 8, 0.23}, {104, 22050, 16, 0.11}, {112, 44100, 8, 0.33},
                            {130, 22050, 8, 0.10}, {139, 8000, 8, 4.77},   {140, 11025, 8, 22.83},
                            {146, 11025, 16, 0.79}};
  QtResources resources;
  for (const Expected& e : table) {
    const auto wave = readWave(resources.load("WAVE", clipResourceName(static_cast<Clip>(e.id))));
    ASSERT_TRUE(wave) << e.id;
    EXPECT_EQ(wave->rate, e.rate) << e.id;
    EXPECT_EQ(wave->bits, e.bits) << e.id;
    EXPECT_EQ(wave->channels, 1) << e.id;
    const double seconds = static_cast<double>(wave->size) / (e.rate * e.bits / 8);
    EXPECT_NEAR(seconds, e.seconds, 0.001) << e.id;
  }
  for (Clip c : kLoadedClips)
    EXPECT_TRUE(readWave(resources.load("WAVE", clipResourceName(c)))) << resourceNumber(c);
}

TEST(ProgramResources, ClipsAreQuietlyAudible) {
  QtResources resources;
  const Bytes clip = resources.load("WAVE", "RESOURCE_ID_130");
  const auto wave = readWave(clip);
  ASSERT_TRUE(wave);
  int loudest = 0;
  for (std::size_t i = wave->offset; i < wave->offset + wave->size; ++i)
    loudest = std::max(loudest, std::abs(clip[i] - 128));
  EXPECT_GT(loudest, 2);   // not silent
  EXPECT_LT(loudest, 30);  // but soft
}

TEST(ProgramResources, TheTuneIsAFormatOneMidiFile) {
  const Bytes midi = QtResources().load("MIDI", "1");
  ASSERT_GE(midi.size(), 14u);
  EXPECT_EQ(std::string(midi.begin(), midi.begin() + 4), "MThd");
  EXPECT_EQ(midi[9], 1);                 // format 1
  EXPECT_EQ(midi[11], 2);                // two tracks
  EXPECT_EQ(midi[12] << 8 | midi[13], 256);  // ticks per quarter note
}

TEST(ProgramResources, UnknownNamesLoadNothing) {
  EXPECT_TRUE(QtResources().load("WAVE", "RESOURCE_ID_999").empty());
}

TEST(WaveData, DamagedFilesAreRefused) {
  EXPECT_FALSE(readWave({}));
  EXPECT_FALSE(readWave(Bytes{'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E'}));
  Bytes clip = QtResources().load("WAVE", "RESOURCE_ID_130");
  clip.resize(30);  // the format chunk cut short
  EXPECT_FALSE(readWave(clip));
}

TEST(QtSound, RequestsWithoutADeviceNeverFail) {
  QtSound sound;
  const Bytes clip = QtResources().load("WAVE", "RESOURCE_ID_104");
  sound.playClip(104, &clip, ClipMode::Play);
  sound.playClip(104, &clip, ClipMode::Loop);
  sound.playClip(0, nullptr, ClipMode::Stop);
  const Bytes junk = {1, 2, 3};
  sound.playClip(7, &junk, ClipMode::Play);
  sound.mediaCommand("open /tmp/none/quovspin.midi type sequencer alias quovspin");
  EXPECT_EQ(sound.openedTune(), "/tmp/none/quovspin.midi");
  sound.mediaCommand("play quovspin ");
  sound.mediaCommand("close quovspin");
  EXPECT_EQ(sound.openedTune(), "");
  sound.mediaCommand("play quovspin ");  // closed: nothing to play
}

}  // namespace
}  // namespace quov
