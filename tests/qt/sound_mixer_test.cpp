// The mix the audio thread plays, rendered block by block without any
// audio device: clips replacing each other, loops, stops, rates, and a tune
// that has no sound font.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <thread>

#include <QTemporaryDir>
#include <algorithm>
#include <fstream>
#include <string>

#include "desktop/qt_resources.h"
#include "desktop/sound/clip_rate.h"
#include "desktop/sound/sound_mixer.h"
#include "desktop/sound/tune_recording.h"
#include "sound/clips.h"
#include "tests/qt/sound_measures.h"

namespace quov {
namespace {

// A tone as the clip generator writes one: `amplitude`, faded in over 4 ms.
std::shared_ptr<const PcmClip> tone(int rate, double seconds, double hz, double amplitude) {
  auto clip = std::make_shared<PcmClip>();
  clip->rate = rate;
  const auto n = static_cast<std::size_t>(seconds * rate);
  const double fade = 0.004 * rate;
  for (std::size_t i = 0; i < n; ++i) {
    const double edge = std::min(1.0, std::min(static_cast<double>(i), static_cast<double>(n - 1 - i)) / fade);
    clip->samples.push_back(static_cast<float>(
        amplitude * edge * std::sin(2 * std::numbers::pi * hz * static_cast<double>(i) / rate)));
  }
  return clip;
}

// The clip as the game loads it: at the mix's rate.
std::shared_ptr<const PcmClip> loaded(std::shared_ptr<const PcmClip> clip) {
  return atRate(std::move(clip), SoundMixer::kRate);
}

class Mixer : public ::testing::Test {
 protected:
  // The next `frames` frames, left channel, in [-1, 1].
  std::vector<float> render(int frames) {
    std::vector<std::int16_t> block(static_cast<std::size_t>(frames * SoundMixer::kChannels));
    mixer.render(block.data(), frames);
    std::vector<float> left;
    for (int i = 0; i < frames; ++i) left.push_back(block[static_cast<std::size_t>(2 * i)] / 32767.0F);
    return left;
  }
  static float largestStep(const std::vector<float>& s) {
    float step = 0;
    for (std::size_t i = 1; i < s.size(); ++i) step = std::max(step, std::abs(s[i] - s[i - 1]));
    return step;
  }
  static int lastSounding(const std::vector<float>& s) {
    for (int i = static_cast<int>(s.size()) - 1; i >= 0; --i)
      if (std::abs(s[static_cast<std::size_t>(i)]) > 1e-3F) return i;
    return -1;
  }
  SoundMixer mixer{"/nonexistent/sound-font.sf2"};
};

TEST_F(Mixer, ANewClipReplacesTheOneThatPlaysWithoutAClick) {
  // 440 Hz at half scale moves at most 0.032 a sample; cutting it dead near
  // its peak would jump by about 0.5.
  mixer.playClip(tone(44100, 1.0, 440, 0.5), false);
  std::vector<float> out = render(1000 + 25);  // 1025 frames: close to a peak
  ASSERT_GT(std::abs(out.back()), 0.45F);
  mixer.playClip(tone(44100, 1.0, 660, 0.5), false);
  const auto after = render(2000);
  out.insert(out.end(), after.begin(), after.end());
  EXPECT_LT(largestStep(out), 0.1F);
  EXPECT_GT(std::abs(after[1500]) + std::abs(after[1501]), 0.0F) << "the new clip plays";
}

TEST_F(Mixer, AStopFadesTheClipOutWithinFiveMilliseconds) {
  mixer.playClip(tone(44100, 1.0, 440, 0.5), false);
  std::vector<float> out = render(1025);
  mixer.stopClip();
  const auto after = render(2000);
  out.insert(out.end(), after.begin(), after.end());
  EXPECT_LT(largestStep(out), 0.1F);
  EXPECT_LE(lastSounding(after), 221);
  EXPECT_TRUE(mixer.idle());
}

TEST_F(Mixer, AClipKeepsItsLengthAtAnyRate) {
  // A tenth of a second at 11025 Hz lasts 4410 frames at the mix's rate.
  const auto source = tone(11025, 0.1, 300, 0.5);
  const auto clip = loaded(source);
  ASSERT_TRUE(clip);
  EXPECT_EQ(clip->samples.size(), 4 * source->samples.size());
  mixer.playClip(clip, false);
  EXPECT_FALSE(mixer.idle());
  const auto out = render(8000);
  EXPECT_NEAR(lastSounding(out), 4410, 8);
  EXPECT_TRUE(mixer.idle()) << "a played clip ends";
}

TEST_F(Mixer, ALoopingClipStartsOverUntilReplaced) {
  mixer.playClip(loaded(tone(22050, 0.1, 300, 0.5)), true);  // 4410 frames a round
  const auto rounds = render(4410 * 5);
  for (int round = 0; round < 5; ++round) {
    const auto middle = static_cast<std::size_t>(round * 4410 + 2205);
    EXPECT_GT(std::abs(rounds[middle]) + std::abs(rounds[middle + 37]), 0.1F) << round;
  }
  EXPECT_FALSE(mixer.idle());
  mixer.playClip(tone(44100, 0.05, 300, 0.5), false);
  EXPECT_LE(lastSounding(render(8000)), 2205 + 2);
  EXPECT_TRUE(mixer.idle()) << "the next request ended the loop";
}

TEST_F(Mixer, AClipNotBroughtToTheMixRateIsNotPlayed) {
  mixer.playClip(tone(11025, 0.1, 300, 0.5), false);
  EXPECT_EQ(lastSounding(render(8000)), -1);
  EXPECT_TRUE(mixer.idle());
}

// The jackpot-time call is kept at 8 kHz, so it holds nothing above 4 kHz.
// Played through the mix at 44.1 kHz it must stay so: a converter that
// interpolates leaves mirror images of the call above 4 kHz (a metallic
// haze), which a band-limited one keeps 60 dB and more under the call.
TEST_F(Mixer, AnEightKilohertzClipGainsNothingAboveItsBand) {
  const auto call = decodeClip(QtResources().load("WAVE", clipResourceName(Clip::JackpotTime)));
  ASSERT_TRUE(call);
  ASSERT_EQ(call->rate, 8000);
  const auto clip = loaded(call);
  ASSERT_TRUE(clip);
  mixer.playClip(clip, false);
  const auto out = render(static_cast<int>(clip->samples.size()));
  constexpr std::size_t kBins = 8192;
  const auto spectrum = test::peakSpectrum(out, kBins);
  // The converter's filter closes between 3.65 and 4 kHz; from 4.4 kHz up
  // there is only what it let through.
  const double above = test::aboveBandDb(spectrum, static_cast<double>(SoundMixer::kRate) / kBins, 4000, 4400);
  RecordProperty("strongest_above_band_db", std::to_string(above));
  EXPECT_LT(above, -60.0);
}

TEST_F(Mixer, WithoutASoundFontTheTuneStaysSilentAndTheMixerFallsIdle) {
  mixer.openTune("/nonexistent/quovspin.midi");
  mixer.playTune();
  // The sound font is looked for on a helper thread; render until it has
  // given up (a bounded number of blocks, whatever the machine's speed).
  std::vector<float> out;
  for (int block = 0; block < 2000 && !mixer.idle(); ++block) {
    const auto b = render(441);
    out.insert(out.end(), b.begin(), b.end());
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  EXPECT_TRUE(mixer.idle());
  EXPECT_EQ(lastSounding(out), -1);
}

// The tune's file in `dir`, its recording made and kept there beforehand:
// a mix that reads it plays it at once to its end, however fast the blocks
// are asked for (one still being made would leave gaps where the blocks
// outran it, which a real-time output never does).
std::string keptTune(const QTemporaryDir& dir) {
  const std::string file = (dir.path() + "/quovspin.midi").toStdString();
  const Bytes midi = QtResources().load("MIDI", "1");
  std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(midi.data()),
                                              static_cast<std::streamsize>(midi.size()));
  TuneRecording made(QUOV_SOUNDFONT, file, SoundMixer::kRate, dir.path().toStdString());
  for (int i = 0; i < 12000 && !made.complete() && !made.failed(); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  return file;  // kept as the recording ends
}

// The re-spin timer asks for the tune every 200 ms: a request while it plays
// must let it go on, not start it over.
TEST(TuneInTheMix, APlayRequestWhileTheTunePlaysLetsItGoOn) {
  QTemporaryDir dir;
  const std::string file = keptTune(dir);
  // Two mixes; the second is asked to play again every twenty blocks. Each
  // reads the kept recording on its own helper thread, so each is recorded from
  // the block where its tune starts; until then it is silent. Count blocks,
  // not time.
  SoundMixer once(QUOV_SOUNDFONT, dir.path().toStdString()), again(QUOV_SOUNDFONT, dir.path().toStdString());
  for (SoundMixer* m : {&once, &again}) {
    m->openTune(file);
    m->playTune();
  }
  constexpr int kBlock = 441, kBlocks = 200;  // two seconds
  std::vector<std::int16_t> heardOnce, heardAgain, block(2 * kBlock);
  auto record = [&block](SoundMixer& m, std::vector<std::int16_t>& heard, bool repeat) {
    if (repeat && !heard.empty() && heard.size() / (2 * kBlock) % 20 == 0) m.playTune();
    m.render(block.data(), kBlock);
    if (heard.empty() && std::all_of(block.begin(), block.end(), [](std::int16_t v) { return v == 0; }))
      return;
    heard.insert(heard.end(), block.begin(), block.end());
  };
  // The recordings load while the blocks are asked for; the bound only
  // keeps a broken load from hanging the test (a minute and more of pauses).
  for (int n = 0; n < 60000 && std::min(heardOnce.size(), heardAgain.size()) < 2u * kBlock * kBlocks; ++n) {
    if (heardOnce.empty() || heardAgain.empty()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    record(once, heardOnce, false);
    record(again, heardAgain, true);
  }
  ASSERT_GE(heardOnce.size(), 2u * kBlock * kBlocks) << "the tune plays";
  ASSERT_GE(heardAgain.size(), 2u * kBlock * kBlocks);
  heardOnce.resize(2 * kBlock * kBlocks);
  heardAgain.resize(2 * kBlock * kBlocks);
  EXPECT_TRUE(heardOnce == heardAgain) << "the repeated requests changed nothing";
  once.closeTune();
  std::vector<std::int16_t> c(2 * 4410);
  once.render(c.data(), 4410);  // the close fades the tune out over 10 ms
  once.render(c.data(), 4410);
  EXPECT_TRUE(std::all_of(c.begin(), c.end(), [](std::int16_t v) { return v == 0; }));
  EXPECT_TRUE(once.idle());
}

// The tune is heard during a series: its loudness, as it plays in the mix,
// sits within 3 units of the middle of the win clips' (their loudest 400 ms).
TEST(TuneInTheMix, TheTuneIsAsLoudAsTheMiddleOfTheWinClips) {
  QTemporaryDir dir;
  const std::string file = keptTune(dir);
  SoundMixer mixer(QUOV_SOUNDFONT, dir.path().toStdString());
  mixer.openTune(file);
  mixer.playTune();
  constexpr int kBlock = 441;
  constexpr std::size_t kFrames = 20 * SoundMixer::kRate;
  std::vector<float> left, right;
  std::vector<std::int16_t> block(2 * kBlock);
  // Blocks are counted from the one where the tune starts (its recording
  // loads meanwhile on a helper thread); the bound only stops a broken load.
  for (int n = 0; n < 60000 && left.size() < kFrames; ++n) {
    mixer.render(block.data(), kBlock);
    const bool silent =
        std::all_of(block.begin(), block.end(), [](std::int16_t v) { return v == 0; });
    if (left.empty() && silent) {
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
      continue;
    }
    for (int i = 0; i < kBlock; ++i) {
      left.push_back(block[static_cast<std::size_t>(2 * i)] / 32768.0F);
      right.push_back(block[static_cast<std::size_t>(2 * i + 1)] / 32768.0F);
    }
  }
  ASSERT_GE(left.size(), kFrames) << "the tune plays";
  const auto fullScale = [](float v) { return std::abs(v) >= 32767.0F / 32768.0F; };
  EXPECT_EQ(std::count_if(left.begin(), left.end(), fullScale), 0) << "the tune never clips";
  EXPECT_EQ(std::count_if(right.begin(), right.end(), fullScale), 0);
  const auto tune = test::stereoShortTerm(left, right, SoundMixer::kRate);
  const double tuneMiddle = test::median(tune);
  const auto winsMiddle = test::winClipsMedianLoudness();
  ASSERT_TRUE(winsMiddle) << "every win clip decodes";
  RecordProperty("tune_median_short_term_lufs", std::to_string(tuneMiddle));
  RecordProperty("win_clips_median_lufs", std::to_string(*winsMiddle));
  EXPECT_NEAR(tuneMiddle, *winsMiddle, 3.0)
      << "the tune's 3 s stretches measure " << *std::min_element(tune.begin(), tune.end()) << " to "
      << *std::max_element(tune.begin(), tune.end());
}

}  // namespace
}  // namespace quov
