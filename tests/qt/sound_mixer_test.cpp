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

#include "platform/qt/qt_resources.h"
#include "platform/qt/sound_mixer.h"

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
  mixer.playClip(tone(11025, 0.1, 300, 0.5), false);
  EXPECT_FALSE(mixer.idle());
  const auto out = render(8000);
  EXPECT_NEAR(lastSounding(out), 4410, 8);
  EXPECT_TRUE(mixer.idle()) << "a played clip ends";
}

TEST_F(Mixer, ALoopingClipStartsOverUntilReplaced) {
  mixer.playClip(tone(22050, 0.1, 300, 0.5), true);  // 4410 frames a round
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

// The re-spin timer asks for the tune every 200 ms: a request while it plays
// must let it go on, not start it over.
TEST(TuneInTheMix, APlayRequestWhileTheTunePlaysLetsItGoOn) {
  QTemporaryDir dir;
  const std::string file = (dir.path() + "/quovspin.midi").toStdString();
  const Bytes midi = QtResources().load("MIDI", "1");
  std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(midi.data()),
                                              static_cast<std::streamsize>(midi.size()));
  // Two mixes; the second is asked to play again every twenty blocks. Each
  // loads its sound font on its own helper thread, so each is recorded from
  // the block where its tune starts; until then it is silent. Count blocks,
  // not time.
  SoundMixer once(QUOV_SOUNDFONT), again(QUOV_SOUNDFONT);
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
  // The sound fonts load while the blocks are asked for; the bound only
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

}  // namespace
}  // namespace quov
