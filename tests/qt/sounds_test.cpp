// The clips and the tune built into the program, and sound requests made
// without any audio server.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <set>
#include <vector>

#include "desktop/qt_resources.h"
#include "desktop/sound/pcm_clip.h"
#include "desktop/sound/qt_sound.h"
#include "desktop/sound/wave_data.h"
#include "mainscreen/timing.h"
#include "rules/spin_down.h"
#include "sound/clips.h"

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

// No clip starts or ends with a jump (a click): its first and last samples
// are silence, and it sounds in between.
TEST(ProgramResources, ClipsSoundBetweenSilentEdges) {
  QtResources resources;
  for (Clip c : kLoadedClips) {
    const auto clip = decodeClip(resources.load("WAVE", clipResourceName(c)));
    ASSERT_TRUE(clip) << resourceNumber(c);
    const auto& s = clip->samples;
    EXPECT_LE(std::abs(s.front()), 1.0F / 128) << resourceNumber(c);
    EXPECT_LE(std::abs(s.back()), 1.0F / 128) << resourceNumber(c);
    double sum = 0;
    for (float v : s) sum += static_cast<double>(v) * v;
    EXPECT_GT(std::sqrt(sum / static_cast<double>(s.size())), 0.02) << resourceNumber(c);
  }
}

// A steady offset thumps where a clip starts and stops (the no-money buzz
// once carried one of -0.11): every clip stays centred on silence.
TEST(ProgramResources, NoClipCarriesASteadyOffset) {
  QtResources resources;
  for (Clip c : kLoadedClips) {
    const auto clip = decodeClip(resources.load("WAVE", clipResourceName(c)));
    ASSERT_TRUE(clip) << resourceNumber(c);
    double sum = 0;
    for (float v : clip->samples) sum += v;
    EXPECT_LT(std::abs(sum / static_cast<double>(clip->samples.size())), 0.005) << resourceNumber(c);
  }
}

// The spin-start clip rises and lands before the first reel stops and its
// thud replaces it: at the quickest reel speed that is the six passes all
// reels run together, about 0.2 s.
TEST(ProgramResources, TheSpinStartRisesBeforeTheFirstReelStops) {
  int firstStopMs = 1 << 30;
  for (int reelspeed : {1, 2, 4, 8, 10}) {
    const SpinDownSpeed speed = *spinDownSpeed(reelspeed);
    firstStopMs = std::min(firstStopMs, kPhase0Passes * framesPerPass(speed.step) *
                                            (speed.pause + timing::kFrameExtra));
  }
  const auto clip = decodeClip(QtResources().load("WAVE", clipResourceName(Clip::SpinStart)));
  ASSERT_TRUE(clip);
  // The clip's strength in stretches of 10 ms.
  const auto stretch = static_cast<std::size_t>(clip->rate / 100);
  std::vector<double> strength;
  for (std::size_t from = 0; from + stretch <= clip->samples.size(); from += stretch) {
    double sum = 0;
    for (std::size_t i = from; i < from + stretch; ++i)
      sum += static_cast<double>(clip->samples[i]) * clip->samples[i];
    strength.push_back(std::sqrt(sum / static_cast<double>(stretch)));
  }
  const auto heard = static_cast<std::size_t>(firstStopMs / 10);
  ASSERT_LT(heard, strength.size());
  const auto loudest = std::max_element(strength.begin(), strength.end()) - strength.begin();
  EXPECT_LT(static_cast<std::size_t>(loudest), heard) << "the clip peaks after the first thud";
  // It rises: the later half of what is heard is stronger than the earlier.
  double early = 0, late = 0;
  for (std::size_t i = 0; i < heard; ++i) (2 * i < heard ? early : late) += strength[i];
  EXPECT_GT(late, 1.5 * early);
}

// The period of a clip's tone a little after its start, in samples: the
// first lag at which the clip nearly repeats itself (later multiples of the
// period repeat it as well).
std::size_t period(const PcmClip& clip) {
  const auto n = static_cast<std::size_t>(clip.rate / 10);
  const auto skip = static_cast<std::size_t>(clip.rate / 50);  // past the attack
  const auto shortest = static_cast<std::size_t>(clip.rate / 4000);
  const auto longest = static_cast<std::size_t>(clip.rate / 200);
  std::vector<double> repeat(longest, 0.0);
  for (std::size_t lag = shortest; lag < longest; ++lag)
    for (std::size_t i = skip; i < skip + n; ++i)
      repeat[lag] += static_cast<double>(clip.samples[i]) * clip.samples[i + lag];
  const double best = *std::max_element(repeat.begin(), repeat.end());
  std::size_t lag = shortest;
  while (repeat[lag] < 0.9 * best || repeat[lag + 1] > repeat[lag]) ++lag;
  return lag;
}

TEST(ProgramResources, ScatterChimesRiseReelByReel) {
  QtResources resources;
  std::size_t previous = 1000000;
  for (int reel = 1; reel <= 5; ++reel) {
    const auto clip = decodeClip(resources.load("WAVE", clipResourceName(scatterLanding(reel))));
    ASSERT_TRUE(clip);
    const std::size_t p = period(*clip);
    EXPECT_LT(p, previous) << "reel " << reel << " sounds higher than the reel before";
    previous = p;
  }
}

TEST(ProgramResources, TheMenuClickIsSofterThanTheButtonClick) {
  QtResources resources;
  auto peak = [&resources](Clip c) {
    const auto clip = decodeClip(resources.load("WAVE", clipResourceName(c)));
    float loudest = 0;
    for (float v : clip->samples) loudest = std::max(loudest, std::abs(v));
    return loudest;
  };
  EXPECT_LT(peak(Clip::MenuClick), 0.75F * peak(Clip::Click));
}

// The tune's tracks, read event by event: where each ends, in ticks, and
// which channels play notes.
struct TuneTracks {
  std::vector<std::uint32_t> ends;
  std::set<int> noteChannels;
};
TuneTracks readTracks(const Bytes& midi) {
  TuneTracks t;
  auto u32 = [&midi](std::size_t i) {
    return std::uint32_t{midi[i]} << 24 | std::uint32_t{midi[i + 1]} << 16 |
           std::uint32_t{midi[i + 2]} << 8 | midi[i + 3];
  };
  std::size_t at = 14;
  while (at + 8 <= midi.size()) {
    EXPECT_EQ(std::memcmp(midi.data() + at, "MTrk", 4), 0);
    const std::size_t end = at + 8 + u32(at + 4);
    std::size_t i = at + 8;
    std::uint32_t tick = 0;
    std::uint8_t status = 0;
    bool ended = false;
    while (i < end && !ended) {
      std::uint32_t delta = 0;
      do delta = delta << 7 | (midi[i] & 0x7F); while (midi[i++] & 0x80);
      tick += delta;
      if (midi[i] & 0x80) status = midi[i++];  // else running status
      if (status == 0xFF) {
        ended = midi[i] == 0x2F;
        i += 2u + midi[i + 1];
        status = 0;
      } else {
        if ((status & 0xF0) == 0x90) t.noteChannels.insert(status & 0x0F);
        i += (status & 0xF0) == 0xC0 || (status & 0xF0) == 0xD0 ? 1 : 2;
      }
    }
    EXPECT_TRUE(ended);
    EXPECT_EQ(i, end) << "the end of track closes the chunk";
    t.ends.push_back(tick);
    at = end;
  }
  return t;
}

TEST(ProgramResources, TheTuneIsALoopingFormatOneMidiFile) {
  const Bytes midi = QtResources().load("MIDI", "1");
  ASSERT_GE(midi.size(), 14u);
  EXPECT_EQ(std::string(midi.begin(), midi.begin() + 4), "MThd");
  EXPECT_EQ(midi[9], 1);                 // format 1
  EXPECT_EQ(midi[11], 2);                // two tracks
  EXPECT_EQ(midi[12] << 8 | midi[13], 256);  // ticks per quarter note
  EXPECT_GT(midi.size(), 20000u);
  EXPECT_LT(midi.size(), 28000u);
  const TuneTracks tracks = readTracks(midi);
  ASSERT_EQ(tracks.ends.size(), 2u);
  EXPECT_EQ(tracks.ends[0], tracks.ends[1]) << "both tracks end together";
  EXPECT_EQ(tracks.ends[0] % (4 * 256), 0u) << "on a bar line, so the loop keeps the beat";
  EXPECT_GE(tracks.ends[0] / (4 * 256), 32u) << "long enough not to tire in a series";
  EXPECT_GE(tracks.noteChannels.size(), 4u) << "a melody with accompaniment";
  EXPECT_TRUE(tracks.noteChannels.count(9)) << "and drums";
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
