#include "tools/sounds/clip_score.h"

#include <cmath>

#include "tools/sounds/notation.h"

namespace quov::sounds {

Note note(std::string_view name, double at, double length, int velocity) {
  return {at, length, keyNumber(name), velocity};
}

std::vector<Note> run(std::string_view names, double at, double step, double length, int velocity) {
  std::vector<Note> out;
  for (int key : keys(names)) {
    out.push_back({at, length, key, velocity});
    at += step;
  }
  return out;
}

std::vector<Note> chord(std::string_view names, double at, double length, int velocity) {
  return run(names, at, 0, length, velocity);
}

std::vector<Note> melody(std::string_view phraseText, double at, double beatSeconds, int velocity) {
  std::vector<Note> out;
  for (const Step& s : phrase(phraseText)) {
    // Notes are held a little short of their step, so repeated ones sound apart.
    if (s.key >= 0) out.push_back({at, 0.92 * s.beats * beatSeconds, s.key, velocity});
    at += s.beats * beatSeconds;
  }
  return out;
}

std::vector<Note> roll(std::string_view name, double from, double to, double step, int v0, int v1) {
  std::vector<Note> out;
  const int key = keyNumber(name);
  const int strokes = static_cast<int>(std::floor((to - from) / step + 1e-9)) + 1;
  for (int i = 0; i < strokes; ++i) {
    const double share = strokes > 1 ? static_cast<double>(i) / (strokes - 1) : 0;
    out.push_back({from + i * step, step, key, static_cast<int>(std::lround(v0 + share * (v1 - v0)))});
  }
  return out;
}

std::vector<Note> join(std::initializer_list<std::vector<Note>> parts) {
  std::vector<Note> out;
  for (const auto& p : parts) out.insert(out.end(), p.begin(), p.end());
  return out;
}

}  // namespace quov::sounds
