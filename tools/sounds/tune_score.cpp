#include "tools/sounds/tune_score.h"

#include <stdexcept>
#include <string>
#include <vector>

#include "tools/sounds/midi_file.h"
#include "tools/sounds/notation.h"

namespace quov::sounds {

namespace {

constexpr int kTicksPerQuarter = 256;
constexpr std::uint32_t kBar = 4 * kTicksPerQuarter;
constexpr int kMicrosecondsPerQuarter = 500000;  // 120 beats a minute

// Channels and their General MIDI programs.
enum Channel : int { kMelody = 0, kBass = 1, kArpeggio = 2, kPad = 3, kEcho = 4, kDrums = 9 };
constexpr int kFlute = 73, kFingeredBass = 33, kHarp = 46, kStrings = 48, kOboe = 68;

struct Chord {
  const char* bass;   // root, in the bass's octave
  const char* tones;  // three chord tones from low to high
};

// Two eight-bar progressions, one chord a bar; both end on E so the tune
// leads back into its first bar when it loops.
const Chord kVerse[8] = {{"A2", "A3 C4 E4"}, {"D2", "A3 D4 F4"}, {"E2", "G#3 B3 E4"},
                         {"A2", "A3 C4 E4"}, {"A2", "A3 C4 E4"}, {"D2", "A3 D4 F4"},
                         {"E2", "G#3 B3 E4"}, {"E2", "G#3 B3 D4"}};
const Chord kBridge[8] = {{"F2", "A3 C4 F4"}, {"G2", "B3 D4 G4"}, {"E2", "G#3 B3 E4"},
                          {"A2", "A3 C4 E4"}, {"F2", "A3 C4 F4"}, {"D2", "A3 D4 F4"},
                          {"E2", "G#3 B3 E4"}, {"E2", "G#3 B3 D4"}};

// The melodies, eight bars of four beats each.
constexpr const char* kVerseTune =
    "A4:1 C5:.5 B4:.5 A4:1 E5:1  F5:1.5 E5:.5 D5:1 F5:1  E5:.5 F5:.5 E5:.5 D5:.5 C5:1 B4:1  "
    "A4:2 -:1 E4:1  A4:1 B4:.5 C5:.5 E5:1 A5:1  G#5:.5 A5:.5 F5:1 D5:1 F5:1  "
    "E5:1 D5:.5 C5:.5 B4:1 G#4:1  B4:2 -:2";
constexpr const char* kVerseAnswer =
    "E5:1 A5:.5 G#5:.5 A5:1 C6:1  D6:1.5 C6:.5 A5:1 F5:1  G#5:.5 A5:.5 G#5:.5 F5:.5 E5:1 D5:1  "
    "C5:2 -:1 E5:1  A5:1 B5:.5 C6:.5 B5:1 A5:1  F5:.5 G#5:.5 A5:1 D6:1 C6:1  "
    "B5:1 A5:.5 G#5:.5 F5:1 E5:1  E5:2 -:2";
constexpr const char* kBridgeTune =
    "C5:1 F5:1 A5:1.5 G5:.5  G5:1 D5:1 B4:1.5 D5:.5  E5:.5 G#5:.5 B5:1 G#5:1 E5:1  "
    "A5:1.5 G#5:.5 A5:1 E5:1  F5:1 E5:.5 D5:.5 C5:1 A4:1  D5:1 F5:1 A5:1 F5:1  "
    "E5:.5 F5:.5 G#5:.5 A5:.5 B5:1 G#5:1  E5:2 -:2";

void melody(MidiTrack& t, int channel, std::uint32_t start, const char* text, int transpose,
            int velocity) {
  const std::vector<Step> steps = phrase(text);
  if (totalBeats(steps) != 32) throw std::logic_error(std::string("not eight bars: ") + text);
  std::uint32_t at = start;
  for (const Step& s : steps) {
    const auto length = static_cast<std::uint32_t>(s.beats * kTicksPerQuarter);
    if (s.key >= 0) t.note(at, length - 16, channel, s.key + transpose, velocity);
    at += length;
  }
}

// Eight bars of accompaniment: a walking eighth-note bass, sixteenth-note
// harp arpeggios, a held string chord and a darbuka-like drum pattern.
void accompany(MidiTrack& t, std::uint32_t start, const Chord (&chords)[8], bool full) {
  constexpr std::uint32_t kEighth = kTicksPerQuarter / 2, kSixteenth = kTicksPerQuarter / 4;
  for (int bar = 0; bar < 8; ++bar) {
    const std::uint32_t at = start + bar * kBar;
    const int root = keyNumber(chords[bar].bass);
    const std::vector<int> tones = keys(chords[bar].tones);
    const int bassLine[8] = {root, root, root + 7, root, root + 12, root, root + 7, root + 10};
    for (int i = 0; i < 8; ++i)
      t.note(at + i * kEighth, kEighth - 20, kBass, i == 7 ? root + 7 : bassLine[i], i % 2 ? 80 : 100);
    const int shape[16] = {0, 1, 2, 3, 2, 1, 0, 1, 2, 3, 4, 3, 2, 1, 2, 3};
    for (int i = 0; i < 16; ++i) {
      const int k = shape[i];
      const int key = k < 3 ? tones[static_cast<std::size_t>(k)] + 12
                            : tones[static_cast<std::size_t>(k - 3)] + 24;
      t.note(at + i * kSixteenth, kSixteenth, kArpeggio, key, i % 4 == 0 ? 84 : 64);
    }
    for (int key : tones) t.note(at, kBar - 24, kPad, key, full ? 62 : 50);
    // Doum on one and the and of two, tek between, a tambourine on two and four.
    const struct {
      double beat;
      const char* drum;
      int velocity;
    } kGroove[] = {{0, "low-conga", 100},  {1, "mute-conga", 80},   {1.5, "low-conga", 90},
                   {2, "mute-conga", 85},  {2.5, "hi-bongo", 60},   {3, "mute-conga", 80},
                   {3.5, "hi-bongo", 70},  {1, "tambourine", 60},   {3, "tambourine", 64},
                   {3.75, "hi-bongo", 55}};
    for (const auto& g : kGroove)
      t.note(at + static_cast<std::uint32_t>(g.beat * kTicksPerQuarter), kSixteenth, kDrums,
             keyNumber(g.drum), g.velocity);
    if (full)
      for (int i = 0; i < 8; ++i) t.note(at + i * kEighth, kSixteenth, kDrums, keyNumber("maracas"), 45);
  }
}

}  // namespace

Bytes freeSpinTune() {
  MidiTrack lead, band;
  lead.tempo(0, kMicrosecondsPerQuarter);
  lead.timeSignature(0, 4, 2);
  lead.program(0, kMelody, kFlute);
  lead.program(0, kEcho, kOboe);
  lead.controller(0, kMelody, 91, 50);  // reverb send
  lead.controller(0, kEcho, 10, 40);    // pan a little left
  band.program(0, kBass, kFingeredBass);
  band.program(0, kArpeggio, kHarp);
  band.program(0, kPad, kStrings);
  band.controller(0, kArpeggio, 10, 88);
  band.controller(0, kPad, 7, 80);

  // Verse, answer, bridge, verse; then again with the oboe doubling the
  // melody an octave down and a fuller band.
  const struct {
    const char* tune;
    const Chord (&chords)[8];
  } kForm[] = {{kVerseTune, kVerse}, {kVerseAnswer, kVerse}, {kBridgeTune, kBridge},
               {kVerseTune, kVerse}};
  std::uint32_t at = 0;
  for (int pass = 0; pass < 2; ++pass) {
    for (const auto& section : kForm) {
      melody(lead, kMelody, at, section.tune, 0, pass == 0 ? 96 : 104);
      if (pass == 1) melody(lead, kEcho, at, section.tune, -12, 72);
      accompany(band, at, section.chords, pass == 1);
      at += 8 * kBar;
    }
  }
  return midiFile({lead, band}, kTicksPerQuarter, at);
}

}  // namespace quov::sounds
