// The machine's 27 clips, written as notes. Each row gives the clip, what
// it is for, its wave format and length, its loudness
// and its voices (General MIDI programs and their notes, times in seconds).
// The win clips grow with the size of the win: a two-note blip, chimes,
// arpeggios, bells, fanfares and, for the largest wins, a celebration.
#include "tools/sounds/clip_score.h"

namespace quov::sounds {

namespace {

// General MIDI programs the clips use.
enum Program : int {
  kCelesta = 8, kGlockenspiel = 9, kMusicBox = 10, kVibraphone = 11, kMarimba = 12,
  kTubularBells = 14, kAcousticBass = 32, kHarp = 46, kTimpani = 47, kStrings = 48,
  kChoir = 52, kTrumpet = 56, kTuba = 58, kBrass = 61, kSawLead = 81, kKalimba = 108,
};

// The celebration of the largest wins: a trumpet call, a march tune over
// an oom-pah bass, a peal of bells and a long final chord.
ClipScore celebration() {
  constexpr double beat = 0.4;
  constexpr double tune = 1.6;  // where the march starts
  const char* march =
      "C5:1 E5:.5 G5:.5 C6:1 G5:1  A5:1 F5:.5 A5:.5 C6:2  G5:1 E5:.5 G5:.5 B5:1 G5:1  "
      "C6:1 B5:.5 A5:.5 G5:2  E5:1 G5:.5 E5:.5 C5:1 E5:1  F5:1 A5:.5 F5:.5 D5:1 F5:1  "
      "G5:.5 A5:.5 B5:.5 C6:.5 D6:1 B5:1  C6:3 -:1";
  std::vector<Note> oomPah, chords;
  const char* roots[] = {"C3", "F3", "G3", "C3", "C3", "F3", "G3", "C3"};
  const char* triads[] = {"E4 G4 C5", "F4 A4 C5", "D4 G4 B4", "E4 G4 C5",
                          "E4 G4 C5", "F4 A4 C5", "D4 G4 B4", "E4 G4 C5"};
  for (int bar = 0; bar < 8; ++bar) {
    const double at = tune + bar * 4 * beat;
    for (int b = 0; b < 4; ++b) {
      oomPah.push_back(note(roots[bar], at + b * beat, 0.8 * beat, b % 2 == 0 ? 110 : 90));
      const auto c = chord(triads[bar], at + (b + 0.5) * beat, 0.4 * beat, 70);
      chords.insert(chords.end(), c.begin(), c.end());
    }
  }
  const double bells = tune + 32 * beat;  // 14.4 s
  const double final = bells + 12 * beat;  // 19.2 s
  return {Clip::Celebration, "largest win: the celebration", 11025, 8, 22.83, 2.5, {
      {kTrumpet, join({melody("G4:.5 G4:.5 G4:.5 C5:2.5", 0, beat, 115),
                       melody(march, tune, beat, 110),
                       melody("C5:.5 E5:.5 G5:.5 C6:9.5", final - 1.5 * beat, beat, 120)})},
      {kGlockenspiel, join({melody(march, tune, beat, 80),
                            run("C6 E6 G6 C7 G6 E6 C6 E6 G6 C7 E7 G7", bells, beat, 2 * beat, 90)})},
      {kTuba, join({oomPah, chord("C2 C3", final, 3.4, 110)})},
      {kBrass, join({chords, chord("C4 E4 G4 C5 E5", final, 3.5, 115)})},
      {kTubularBells, run("C5 G4 E5 C5 G5 E5 C6 G5", bells, 1.5 * beat, 5 * beat, 110)},
      {kStrings, join({chord("C4 G4 E5", bells, 12 * beat, 85), chord("C3 G3 C4 E4 G4", final, 3.5, 100)})},
      {kDrumKit, join({roll("snare", 0, 1.5, 0.1, 50, 110), {note("crash", tune, 1, 120)},
                       roll("snare", final - 1.4, final - 0.1, 0.07, 40, 115),
                       {note("crash", final, 2, 127), note("kick", final, 0.5, 127)}})},
      {kTimpani, join({melody("C3:2 G2:2 C3:4", 0, beat, 120), roll("C3", final - 1.4, final, 0.07, 50, 120)})},
  }};
}

std::vector<ClipScore> scores() {
  return {
      {Clip::Spare, "a soft tock (loaded but not played)", 22050, 8, 0.23, 0.08, {
           {kDrumKit, {note("low-wood-block", 0, 0.2, 60)}}}},
      {Clip::NoMoney, "credit too low, gamble lost: a low buzz", 11025, 8, 0.62, 0.08, {
           {kSawLead, chord("E2 F2 E3", 0, 0.58, 115)}}},
      {Clip::ReelStop, "a reel stops: a thud", 22050, 16, 0.11, 0.04, {
           {kDrumKit, {note("kick", 0, 0.1, 127), note("floor-tom", 0, 0.1, 90)}}}},
      {Clip::WinBlip, "smallest wins: a two-note blip", 11025, 8, 1.14, 0.4, {
           {kMarimba, {note("G5", 0, 0.15, 100), note("C6", 0.12, 0.9, 110)}}}},
      {Clip::Welcome, "start-up, small wins: a quick chime", 44100, 8, 0.33, 0.1, {
           {kCelesta, run("C6 E6 G6", 0, 0.05, 0.28, 105)},
           {kGlockenspiel, {note("C7", 0.1, 0.2, 80)}}}},
      {Clip::WinRed, "wins, gamble won on red: a rising arpeggio", 44100, 8, 2.16, 0.6, {
           {kHarp, run("C5 E5 G5 C6 E6 G6 C7", 0, 0.09, 1.4, 105)},
           {kGlockenspiel, chord("C6 E6 G6", 0.63, 1.4, 95)},
           {kStrings, chord("C4 G4 C5 E5", 0.6, 1.5, 70)}}},
      {Clip::GambleCollect, "wins, gamble won on spades, gamble collected: an arpeggio and a brass call", 44100, 8,
       1.76, 0.5, {
           {kMusicBox, run("G5 B5 D6 G6", 0, 0.08, 0.5, 100)},
           {kBrass, join({chord("G4 B4 D5", 0.36, 0.22, 110), chord("G4 B4 D5 G5", 0.64, 1.0, 118)})},
           {kTimpani, {note("G2", 0.64, 0.8, 110)}}}},
      {Clip::WinBlack, "wins, gamble won on black, hearts or clubs: a vibraphone arpeggio", 44100, 8, 1.49,
       0.5, {
           {kVibraphone, run("D5 F#5 A5 D6 F#6", 0, 0.1, 1.0, 105)},
           {kAcousticBass, {note("D3", 0, 1.2, 100)}}}},
      {Clip::WinBells, "wins: tubular bells rising", 44100, 8, 2.53, 0.7, {
           {kTubularBells, join({run("G4 B4 D5", 0, 0.28, 1.6, 105), chord("G4 D5 G5", 0.84, 1.6, 118)})}}},
      {Clip::WinBellsRising, "wins: a peal of bells", 44100, 8, 2.52, 0.7, {
           {kTubularBells, run("E5 C5 D5 G4", 0, 0.3, 1.4, 110)},
           {kGlockenspiel, chord("C6 E6 G6", 1.25, 1.2, 95)}}},
      {Clip::WinDiamonds, "wins, gamble won on diamonds: a bright double ding", 44100, 8, 0.81, 0.25, {
           {kGlockenspiel, {note("A6", 0, 0.3, 110), note("A6", 0.14, 0.3, 110), note("E7", 0.28, 0.5, 115)}}}},
      {Clip::FreeSpinsAwarded, "free spins awarded: a harp glissando and a choir", 11025, 8, 3.02, 0.8, {
           {kHarp, run("A3 B3 C4 D4 E4 F4 G#4 A4 B4 C5 D5 E5 F5 G#5 A5", 0, 0.055, 1.6, 100)},
           {kChoir, chord("A3 E4 A4 C5", 0.85, 2.1, 95)},
           {kCelesta, run("A5 C6 E6 A6", 1.0, 0.12, 1.5, 100)}}},
      {Clip::WinFanfare, "wins: bells over strings", 44100, 8, 2.40, 0.7, {
           {kStrings, chord("F4 A4 C5", 0, 2.3, 80)},
           {kTubularBells, run("C5 F5 A5 C6", 0, 0.2, 1.4, 108)},
           {kGlockenspiel, chord("A6 C7", 0.8, 1.2, 85)}}},
      {Clip::BallStep, "wins, each step of the jackpot ball (looping): a ticking run", 44100, 8, 2.56, 0.04, {
           {kDrumKit, roll("hi-wood-block", 0, 2.4, 0.16, 110, 110)},
           {kMarimba, run("A4 C5 E5 A5 C5 E5 A5 C6 E5 A5 C6 E6 A5 C6 E6 A6", 0, 0.16, 0.14, 95)}}},
      {Clip::WinBig, "big wins: a fanfare with bells", 44100, 8, 5.03, 1.2, {
           {kTrumpet, melody("G4:.375 C5:.375 E5:.375 G5:1.4 E5:.375 G5:3", 0, 0.4, 115)},
           {kBrass, chord("C4 E4 G4 C5", 1.16, 2.8, 110)},
           {kTubularBells, run("C5 E5 G5 C6", 2.0, 0.35, 1.8, 110)},
           {kTimpani, {note("C3", 0, 0.5, 120), note("G2", 0.45, 0.5, 110), note("C3", 1.16, 1.0, 127)}},
           {kDrumKit, {note("crash", 1.16, 2, 120)}}}},
      {Clip::Prize, "jackpot prize, free-spin total collected: a fanfare and a shower of coins", 11025, 8,
       5.87, 1.4, {
           {kBrass, join({chord("F4 A4 C5", 0, 0.2, 110), chord("F4 A4 C5", 0.25, 0.2, 110),
                          chord("F4 A4 C5", 0.5, 0.2, 110), chord("A4 C5 F5", 0.8, 1.8, 120),
                          chord("F4 A4 C5 F5", 4.0, 1.8, 115)})},
           {kGlockenspiel, run("F6 C7 A6 D7 G6 C7 F6 A6 D7 G6 C7 A6 F6 D7 C7 G6 A6 F6 C7 D7 A6 G6 C7 F7",
                               0.8, 0.13, 0.3, 100)},
           {kStrings, chord("F3 C4 F4 A4", 4.0, 1.8, 95)},
           {kDrumKit, {note("crash", 0.8, 2, 115), note("crash", 4.0, 2, 120)}}}},
      {Clip::WinLarge, "wins: a brass fanfare", 44100, 8, 2.53, 0.7, {
           {kTrumpet, join({run("C5 E5 G5", 0, 0.12, 0.11, 115), {note("C6", 0.36, 1.4, 120)}})},
           {kBrass, chord("C4 E4 G4", 0.36, 1.6, 110)},
           {kDrumKit, join({roll("snare", 0, 0.3, 0.06, 60, 100), {note("crash", 0.36, 2, 115)}})}}},
      {Clip::MenuClick, "menu buttons: a soft click", 11025, 8, 0.14, 0.05, {
           {kKalimba, {note("E6", 0, 0.1, 70)}},
           {kDrumKit, {note("side-stick", 0, 0.1, 60)}}}},
      {Clip::Click, "button click", 22050, 8, 0.10, 0.03, {
           {kDrumKit, {note("hi-wood-block", 0, 0.08, 120), note("claves", 0, 0.08, 70)}}}},
      {Clip::JackpotTime, "jackpot time announced: a trumpet call, a drum roll and a brass chord", 8000, 8, 4.77,
       1.0, {
           {kTrumpet, melody("G4:.3 G4:.3 G4:.3 C5:1.3 G4:.4 C5:.4 E5:.4 G5:3", 0, 0.5, 118)},
           {kTimpani, roll("G2", 2.0, 3.4, 0.07, 50, 120)},
           {kBrass, chord("C4 E4 G4 C5", 3.45, 1.2, 120)},
           {kDrumKit, {note("crash", 3.45, 2, 127), note("kick", 3.45, 0.4, 127)}}}},
      celebration(),
      // The first reel stops about 0.2 s after the spin starts at the
      // quickest reel speed: the whole rise sounds before then, and only
      // its ring is left for the slower speeds.
      {Clip::SpinStart, "an ordinary spin starts: the reels whirr up", 44100, 8, 0.80, 0.12, {
           {kDrumKit, roll("maracas", 0, 0.16, 0.02, 40, 110)},
           {kMarimba, {note("C4", 0.000, 0.08, 70), note("E4", 0.022, 0.08, 78),
                       note("G4", 0.044, 0.08, 86), note("C5", 0.066, 0.08, 94),
                       note("E5", 0.088, 0.08, 102), note("G5", 0.110, 0.08, 110),
                       note("C6", 0.132, 0.08, 118)}},
           {kGlockenspiel, chord("E6 G6", 0.154, 0.5, 120)}}},
      {Clip::ScatterReel1, "a scatter lands on reel 1", 11025, 16, 0.79, 0.3, {
           {kCelesta, {note("E5", 0, 0.7, 110)}}, {kGlockenspiel, {note("E6", 0, 0.6, 90)}}}},
      {Clip::ScatterReel2, "a scatter lands on reel 2", 11025, 16, 0.79, 0.3, {
           {kCelesta, {note("G5", 0, 0.7, 110)}}, {kGlockenspiel, {note("G6", 0, 0.6, 90)}}}},
      {Clip::ScatterReel3, "a scatter lands on reel 3", 11025, 16, 0.79, 0.3, {
           {kCelesta, {note("A5", 0, 0.7, 110)}}, {kGlockenspiel, {note("A6", 0, 0.6, 90)}}}},
      {Clip::ScatterReel4, "a scatter lands on reel 4", 11025, 16, 0.79, 0.3, {
           {kCelesta, {note("C6", 0, 0.7, 110)}}, {kGlockenspiel, {note("C7", 0, 0.6, 90)}}}},
      {Clip::ScatterReel5, "a scatter lands on reel 5", 11025, 16, 0.79, 0.3, {
           {kCelesta, {note("E6", 0, 0.7, 110)}}, {kGlockenspiel, {note("E7", 0, 0.6, 90)}}}},
  };
}

}  // namespace

const std::vector<ClipScore>& clipScores() {
  static const std::vector<ClipScore> kScores = scores();
  return kScores;
}

}  // namespace quov::sounds
