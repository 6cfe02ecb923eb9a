// The desktop sound service against a real audio server (the test command
// starts one with a null sink): what its monitor records is what a player
// would hear.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <future>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "desktop/qt_resources.h"
#include "desktop/sound/clip_rate.h"
#include "desktop/sound/pcm_clip.h"
#include "desktop/sound/qt_sound.h"
#include "sound/clips.h"
#include "tests/qt/audio/monitor_recorder.h"
#include "tests/qt/sound_measures.h"

namespace quov::test {
namespace {

using std::chrono::milliseconds;
using std::chrono::seconds;

// Where a clip's own samples are louder than the recorder's silence: its
// audible part, in seconds from its start.
struct Audible {
  double from = 0, to = 0, level = 0;
};
Audible audible(const PcmClip& clip) {
  Audible a;
  const double threshold = static_cast<double>(MonitorRecorder::kSilence) / 32768.0;
  bool any = false;
  double sum = 0;
  std::size_t n = 0;
  for (std::size_t i = 0; i < clip.samples.size(); ++i) {
    if (std::abs(clip.samples[i]) <= threshold) continue;
    if (!any) a.from = static_cast<double>(i) / clip.rate;
    any = true;
    a.to = static_cast<double>(i) / clip.rate;
  }
  for (std::size_t i = static_cast<std::size_t>(a.from * clip.rate);
       i < static_cast<std::size_t>(a.to * clip.rate); ++i, ++n)
    sum += static_cast<double>(clip.samples[i]) * clip.samples[i];
  a.level = n ? std::sqrt(sum / static_cast<double>(n)) : 0;
  return a;
}

// A clip's energy as the recorder measures it (full scale 1, in seconds).
double energyIn(const PcmClip& clip) {
  double sum = 0;
  for (float v : clip.samples) sum += static_cast<double>(v) * v;
  return sum / clip.rate;
}

// The stretch of `s` from its first sample above the recorder's silence,
// `length` samples long; empty when nothing sounds.
std::vector<float> opening(const std::vector<float>& s, std::size_t length) {
  const float threshold = static_cast<float>(MonitorRecorder::kSilence) / 32768.0F;
  const auto first = std::find_if(s.begin(), s.end(), [threshold](float v) { return std::abs(v) > threshold; });
  if (s.end() - first < static_cast<std::ptrdiff_t>(length)) return {};
  return {first, first + static_cast<std::ptrdiff_t>(length)};
}

double sumOfSquares(const std::vector<float>& s) {
  double sum = 0;
  for (float v : s) sum += static_cast<double>(v) * v;
  return sum;
}

class SoundService : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(recorder.running());
    ASSERT_TRUE(recorder.waitForSilence(milliseconds(300)));
  }
  const Bytes& clip(Clip c) { return clips.at(c); }
  Clock::time_point play(Clip c, ClipMode mode = ClipMode::Play) {
    const auto at = Clock::now();
    sound.playClip(resourceNumber(c), &clip(c), mode);
    return at;
  }
  // Lets the recording run until `t`.
  void until(Clock::time_point t) {
    std::this_thread::sleep_until(t);
    ASSERT_TRUE(recorder.waitFor(t));
  }
  // When what was asked for at `asked` was first heard; empty when nothing
  // was within a bound generous enough for a starved machine. How soon it
  // comes is the latency measurement's business, not a test's.
  std::optional<Clock::time_point> heardFrom(Clock::time_point asked) {
    for (auto at = asked + milliseconds(100); at < asked + seconds(30); at += milliseconds(100)) {
      until(at);
      if (const auto span = recorder.heard(asked, at); span.heard) return span.first;
    }
    return std::nullopt;
  }
  // When sound heard after `from` has gone quiet for `quiet`; none if it
  // never sounded, or never stopped within a bound only a fault reaches.
  std::optional<Clock::time_point> heardThenQuiet(Clock::time_point from,
                                                  milliseconds quiet = milliseconds(300)) {
    for (auto at = from + quiet; at < from + seconds(60); at += milliseconds(100)) {
      until(at);
      if (recorder.heard(from, at - quiet).heard && !recorder.heard(at - quiet, at).heard) return at;
    }
    return std::nullopt;
  }
  double energyOf(Clip c) {
    const auto pcm = decodeClip(clip(c));
    return pcm ? energyIn(*pcm) : 0;
  }
  // Lets the recording run until the output's stream is there (`open`) or
  // has gone; false past a bound only a fault reaches.
  bool untilStream(bool open) {
    for (const auto limit = Clock::now() + seconds(60); Clock::now() < limit;) {
      const int n = serverStreams();
      if (n < 0) return false;
      if ((n > 0) == open) return true;
      std::this_thread::sleep_for(milliseconds(100));
    }
    return false;
  }

  // The free-spin tune's file, as the game writes it; empty if it cannot.
  static std::string writeTune() {
    const std::string tune = "/tmp/quov-sound-test-tune.midi";
    const Bytes midi = QtResources().load("MIDI", "1");
    FILE* f = std::fopen(tune.c_str(), "wb");
    if (!f) return {};
    const bool written = std::fwrite(midi.data(), 1, midi.size(), f) == midi.size();
    return std::fclose(f) == 0 && written ? tune : std::string();
  }

  MonitorRecorder recorder;
  QtSound sound;
  std::map<Clip, Bytes> clips = [] {
    std::map<Clip, Bytes> loaded;
    QtResources resources;
    for (Clip c : kLoadedClips) loaded[c] = resources.load("WAVE", clipResourceName(c));
    return loaded;
  }();
};

// Each clip is heard whole: sound from its first audible sample to its
// last, at its own loudness, and nothing after it.
TEST_F(SoundService, EveryClipIsHeardWholeAtItsLoudness) {
  for (Clip c : kLoadedClips) {
    SCOPED_TRACE(resourceNumber(c));
    const auto pcm = decodeClip(clip(c));
    ASSERT_TRUE(pcm);
    const Audible expected = audible(*pcm);
    ASSERT_TRUE(recorder.waitForSilence(milliseconds(200)));
    const auto asked = play(c);
    // Until it has ended: sound, then a quiet longer than any within a clip.
    const auto end = heardThenQuiet(asked, milliseconds(600));
    ASSERT_TRUE(end) << "heard at all, and ending";
    const auto span = recorder.heard(asked, *end);
    ASSERT_TRUE(span.heard);
    // All of its sound and no more: never cut short nor going on after its
    // end. Its energy counts every sample heard, so the gaps a starved
    // machine puts into it change nothing.
    EXPECT_NEAR(recorder.energy(asked, *end) / energyIn(*pcm), 1.0, 0.25);
    // Its level over its own length.
    const double whole = expected.to - expected.from;
    const double level = std::sqrt(recorder.energy(span.first, span.last) / whole);
    EXPECT_GT(level, 0.6 * expected.level);
    EXPECT_LT(level, 1.6 * expected.level);
  }
}

// A clip asked for while the output has no stream opens one; the server
// takes back the last milliseconds it played ahead when a stream starts,
// and a clip's start must not be among them. Whether the program's first
// stream, one opened again after it closed for idleness, or one open
// already: all of the clip is heard, from its first milliseconds on.
TEST_F(SoundService, AClipIsHeardFromItsStartWhetherItOpensTheStreamOrNot) {
  enum class Stream { First, ClosedForIdleness, Open };
  const std::pair<Stream, Clip> cases[] = {
      {Stream::First, Clip::Click},           {Stream::ClosedForIdleness, Clip::Click},
      {Stream::ClosedForIdleness, Clip::Spare}, {Stream::Open, Clip::Click},
      {Stream::Open, Clip::Spare}};
  constexpr std::size_t kOnset = MonitorRecorder::kRate / 200;  // its first 5 ms
  for (const auto& [stream, c] : cases) {
    SCOPED_TRACE(resourceNumber(c));
    SCOPED_TRACE(static_cast<int>(stream));
    if (stream == Stream::ClosedForIdleness) {
      ASSERT_TRUE(untilStream(true));
      ASSERT_TRUE(untilStream(false)) << "the stream closes after a silence";
    }
    ASSERT_TRUE(untilStream(stream == Stream::Open));
    ASSERT_TRUE(recorder.waitForSilence(milliseconds(300)));
    const auto pcm = decodeClip(clip(c));
    ASSERT_TRUE(pcm);
    const auto own = opening(atRate(pcm, MonitorRecorder::kRate)->samples, kOnset);
    ASSERT_FALSE(own.empty());

    const auto asked = play(c);
    const auto end = heardThenQuiet(asked);
    ASSERT_TRUE(end) << "heard, and ending";
    EXPECT_NEAR(recorder.energy(asked, *end) / energyIn(*pcm), 1.0, 0.1) << "all of it";
    // Samples are dated back from when their block arrived: the first may
    // seem to come a little before the request. The 300 ms before it were
    // silent.
    const auto heard = opening(recorder.samples(asked - milliseconds(200), *end).front(), kOnset);
    ASSERT_FALSE(heard.empty());
    // Cut by a few milliseconds, the first sound heard would be a later
    // part of the clip, of another shape and strength.
    EXPECT_GT(likeness(heard, 0, own), 0.95) << "its first 5 ms as the clip has them";
    EXPECT_NEAR(sumOfSquares(heard) / sumOfSquares(own), 1.0, 0.1);
  }
}

TEST_F(SoundService, ANewRequestCutsTheClipThatPlays) {
  const auto celebration = play(Clip::Celebration);
  const auto heard = heardFrom(celebration);
  ASSERT_TRUE(heard);
  until(*heard + seconds(1));
  const auto thud = play(Clip::ReelStop);
  const auto end = heardThenQuiet(thud);
  ASSERT_TRUE(end) << "the thud, then silence: the celebration is gone";
  EXPECT_TRUE(recorder.heard(celebration, thud).heard);
  // From the thud on, the thud alone, with no more than the few milliseconds
  // of the celebration still on their way and fading.
  const auto whole = decodeClip(clip(Clip::Celebration));
  ASSERT_TRUE(whole);
  const double length = static_cast<double>(whole->samples.size()) / whole->rate;
  const double celebrationBlocks = 0.1 * energyIn(*whole) / length;  // its mean 100 ms
  EXPECT_LT(recorder.energy(thud, *end), energyOf(Clip::ReelStop) * 1.25 + celebrationBlocks);
}

TEST_F(SoundService, ALoopingClipRepeatsUntilTheNextRequest) {
  const auto start = play(Clip::BallStep, ClipMode::Loop);  // 2.56 s of ticks, looping
  const auto first = heardFrom(start);
  ASSERT_TRUE(first);
  until(*first + seconds(7));
  EXPECT_GT(recorder.soundingShare(*first, *first + seconds(7), milliseconds(250)), 0.95)
      << "still ticking after two and a half rounds";
  const auto click = play(Clip::Click);
  ASSERT_TRUE(heardThenQuiet(click)) << "the click ended the loop";

  const auto again = play(Clip::BallStep, ClipMode::Loop);
  const auto heard = heardFrom(again);
  ASSERT_TRUE(heard);
  until(*heard + seconds(1));
  sound.playClip(0, nullptr, ClipMode::Stop);
  EXPECT_TRUE(heardThenQuiet(again)) << "a stop request silences it";
}

TEST_F(SoundService, ClipsAndTheTuneSoundTogetherUntilTheTuneCloses) {
  const std::string tune = writeTune();
  ASSERT_FALSE(tune.empty());
  sound.mediaCommand("open " + tune + " type sequencer alias quovspin");
  const auto start = Clock::now();
  sound.mediaCommand("play quovspin ");
  for (int i = 0; i < 20; ++i) {  // as every re-spin tick asks again
    std::this_thread::sleep_for(milliseconds(200));
    sound.mediaCommand("open " + tune + " type sequencer alias quovspin");
    sound.mediaCommand("play quovspin ");
  }
  const auto first = heardFrom(start);
  ASSERT_TRUE(first) << "the tune starts";
  until(*first + seconds(4));
  EXPECT_GT(recorder.soundingShare(*first, *first + seconds(4), milliseconds(250)), 0.95);
  sound.mediaCommand("close quovspin");
  // The tune never falls silent for a second while it plays.
  EXPECT_TRUE(heardThenQuiet(start, seconds(1))) << "closed, it stops";
  std::remove(tune.c_str());
}

// The sound ends with the program (the exit click is asked for just before
// it): the last clip is heard whole, but a tune that would play on for ever
// holds the end no longer than its wait. Either way the stream is closed
// and the audio thread has ended.
TEST_F(SoundService, TheSoundEndsAfterItsLastClipButDoesNotWaitForTheTune) {
  const std::string tune = writeTune();
  ASSERT_FALSE(tune.empty());
  for (const bool tunePlays : {false, true}) {
    SCOPED_TRACE(tunePlays);
    ASSERT_TRUE(untilStream(false));
    ASSERT_TRUE(recorder.waitForSilence(milliseconds(300)));
    auto ending = std::make_unique<QtSound>();
    const auto asked = Clock::now();
    if (tunePlays) {
      ending->mediaCommand("open " + tune + " type sequencer alias quovspin");
      ending->mediaCommand("play quovspin ");
      ASSERT_TRUE(heardFrom(asked));
    } else {
      ending->playClip(resourceNumber(Clip::Click), &clip(Clip::Click), ClipMode::Play);
    }
    auto ended = std::async(std::launch::async, [&ending] { ending.reset(); });
    ASSERT_EQ(ended.wait_for(seconds(30)), std::future_status::ready) << "the sound ended";
    EXPECT_TRUE(untilStream(false)) << "its stream closed";
    const auto end = heardThenQuiet(asked);
    ASSERT_TRUE(end) << "heard, and silent once ended";
    if (!tunePlays) {
      EXPECT_NEAR(recorder.energy(asked, *end) / energyOf(Clip::Click), 1.0, 0.1) << "the whole click";
    }
  }
  std::remove(tune.c_str());
}

// The jackpot-time call is kept at 8 kHz, so it holds nothing above 4 kHz.
// What reaches the sink at 44.1 kHz must stay so: mirror images of the call
// above its band (a metallic haze) at least 60 dB under it.
TEST_F(SoundService, AnEightKilohertzClipReachesTheSinkWithNothingAboveItsBand) {
  const auto pcm = decodeClip(clip(Clip::JackpotTime));
  ASSERT_TRUE(pcm);
  ASSERT_EQ(pcm->rate, 8000);
  const auto asked = play(Clip::JackpotTime);
  const auto end = heardThenQuiet(asked, milliseconds(600));
  ASSERT_TRUE(end);
  const auto heard = recorder.samples(asked, *end).front();
  constexpr std::size_t kBins = 8192;
  ASSERT_GT(heard.size(), 2 * kBins);
  // The converter's filter closes between 3.65 and 4 kHz; from 4.4 kHz up
  // there is only what it let through. Stretches where a starved server
  // left a hole of 2 ms or more are not the converter's work.
  std::size_t stretches = 0;
  const auto spectrum = peakSpectrum(heard, kBins, MonitorRecorder::kRate / 500, &stretches);
  ASSERT_GE(stretches, 3u) << "too few stretches without a hole to judge";
  const double above =
      aboveBandDb(spectrum, static_cast<double>(MonitorRecorder::kRate) / kBins, 4000, 4400);
  RecordProperty("strongest_above_band_db", std::to_string(above));
  EXPECT_LT(above, -60.0);
}

}  // namespace
}  // namespace quov::test
