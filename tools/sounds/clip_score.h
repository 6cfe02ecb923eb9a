// How a clip is written down: voices of timed notes on General MIDI
// instruments, and the wave format and length it is rendered to (its
// loudness is set by its role: clip_loudness.h).
#pragma once

#include <initializer_list>
#include <string_view>
#include <vector>

#include "sound/clips.h"

namespace quov::sounds {

struct Note {
  double at;      // seconds from the clip's start
  double length;  // seconds held
  int key;
  int velocity;   // 1..127
};

// A General MIDI program number (0 Acoustic Grand Piano .. 127 Gunshot),
// or the drum kit.
inline constexpr int kDrumKit = -1;

struct Voice {
  int program;
  std::vector<Note> notes;
};

struct ClipScore {
  Clip clip;
  const char* role;  // what the player hears it for
  int rate;          // samples per second
  int bits;          // 8 or 16
  double seconds;    // length of the clip
  double tailFade;   // seconds the end fades out over (ringing notes)
  std::vector<Voice> voices;
};

// Ways to write notes down. Names as in notation.h; times in seconds.
Note note(std::string_view name, double at, double length, int velocity);
// One note after another, `step` apart, each held `length`.
std::vector<Note> run(std::string_view names, double at, double step, double length, int velocity);
std::vector<Note> chord(std::string_view names, double at, double length, int velocity);
// A phrase of name:beats steps from `at`, a beat lasting `beatSeconds`.
std::vector<Note> melody(std::string_view phraseText, double at, double beatSeconds, int velocity);
// One note struck every `step` from `from` to `to`, its velocity swelling
// from `v0` to `v1`.
std::vector<Note> roll(std::string_view name, double from, double to, double step, int v0, int v1);
std::vector<Note> join(std::initializer_list<std::vector<Note>> parts);

// The 27 clips of the machine, in resource order.
const std::vector<ClipScore>& clipScores();

}  // namespace quov::sounds
