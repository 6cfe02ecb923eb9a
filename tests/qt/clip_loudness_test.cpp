// Loudness by role, measured on the clips built into the program with the
// same meter the clip generator scales them by.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>
#include <vector>

#include "desktop/qt_resources.h"
#include "desktop/sound/pcm_clip.h"
#include "sound/clips.h"
#include "tools/sounds/clip_loudness.h"
#include "tools/sounds/loudness.h"

namespace quov {
namespace {

using sounds::Loudness;

// A full-scale sine of about 1 kHz reads -3.01 LUFS at any rate: the
// reference point of the meter.
TEST(LoudnessMeter, AFullScaleSineOfOneKilohertzReadsMinusThree) {
  for (int rate : {8000, 11025, 44100, 48000}) {
    std::vector<float> sine(static_cast<std::size_t>(rate) * 5);
    for (std::size_t i = 0; i < sine.size(); ++i) {
      const double seconds = static_cast<double>(i) / rate;
      sine[i] = static_cast<float>(std::sin(2 * std::numbers::pi * 997 * seconds));
    }
    const Loudness l = sounds::measureLoudness(sine, rate);
    EXPECT_NEAR(l.integrated, -3.01, 0.05) << rate;
    EXPECT_NEAR(l.loudest, -3.01, 0.05) << rate;
    EXPECT_NEAR(l.quietestShortTerm, -3.01, 0.05) << rate;
    // Twenty decibels down reads twenty units down; the bass is weighted away.
    for (float& v : sine) v *= 0.1F;
    EXPECT_NEAR(sounds::measureLoudness(sine, rate).loudest, -23.01, 0.05) << rate;
  }
}

// Each clip as the program holds it, measured once.
const std::map<Clip, Loudness>& measured() {
  static const std::map<Clip, Loudness> all = [] {
    std::map<Clip, Loudness> m;
    QtResources resources;
    for (Clip c : kLoadedClips) {
      const auto clip = decodeClip(resources.load("WAVE", clipResourceName(c)));
      if (clip) m.emplace(c, sounds::measureLoudness(clip->samples, clip->rate));
    }
    return m;
  }();
  return all;
}

// The win clips in the order of the smallest win each one announces.
std::vector<Clip> winLadder() {
  std::vector<Clip> ladder;
  for (Clip c : kWinClips)
    if (c != Clip::None && std::find(ladder.begin(), ladder.end(), c) == ladder.end())
      ladder.push_back(c);
  return ladder;
}

TEST(ClipLoudness, EveryClipMeetsTheTargetOfItsRole) {
  ASSERT_EQ(measured().size(), kLoadedClips.size());
  for (const auto& [clip, l] : measured())
    EXPECT_NEAR(l.loudest, sounds::loudnessTarget(clip), 1.0) << resourceNumber(clip);
}

TEST(ClipLoudness, TheWinClipsGrowLouderWithTheWin) {
  const auto ladder = winLadder();
  ASSERT_EQ(ladder.size(), 13u);
  for (std::size_t i = 1; i < ladder.size(); ++i)
    EXPECT_GE(measured().at(ladder[i]).loudest, measured().at(ladder[i - 1]).loudest - 0.5)
        << resourceNumber(ladder[i]) << " after " << resourceNumber(ladder[i - 1]);
  // The buttons and the reel stop are quieter than the smallest win.
  for (Clip quiet : {Clip::Click, Clip::MenuClick, Clip::ReelStop})
    EXPECT_LT(measured().at(quiet).loudest, measured().at(ladder.front()).loudest)
        << resourceNumber(quiet);
}

TEST(ClipLoudness, AnnouncementsStandAboveEveryWinBelowTheCelebration) {
  double wins = -1000;
  for (Clip c : winLadder())
    if (c != Clip::Celebration) wins = std::max(wins, measured().at(c).loudest);
  for (Clip c : {Clip::FreeSpinsAwarded, Clip::JackpotTime, Clip::Prize})
    EXPECT_GE(measured().at(c).loudest, wins - 0.5) << resourceNumber(c);
}

TEST(ClipLoudness, TheCelebrationIsTheLoudestClipAllThrough) {
  const Loudness& celebration = measured().at(Clip::Celebration);
  for (const auto& [clip, l] : measured())
    EXPECT_GE(celebration.loudest, l.loudest - 0.5) << resourceNumber(clip);
  // Its every 3-second stretch outdoes the loudest 3 s of the largest win
  // below it.
  EXPECT_GE(celebration.quietestShortTerm, measured().at(Clip::WinBig).loudestShortTerm);
}

}  // namespace
}  // namespace quov
