#include "tools/sounds/notation.h"

#include <cctype>
#include <charconv>
#include <stdexcept>
#include <string>

namespace quov::sounds {

namespace {

struct Drum {
  std::string_view name;
  int key;
};
constexpr Drum kDrums[] = {
    {"kick", 36},          {"side-stick", 37},    {"snare", 38},     {"clap", 39},
    {"floor-tom", 41},     {"closed-hat", 42},    {"low-tom", 45},   {"mid-tom", 47},
    {"crash", 49},         {"ride-bell", 53},     {"tambourine", 54}, {"splash", 55},
    {"hi-bongo", 60},      {"low-bongo", 61},     {"mute-conga", 62}, {"open-conga", 63},
    {"low-conga", 64},     {"maracas", 70},       {"claves", 75},    {"hi-wood-block", 76},
    {"low-wood-block", 77}, {"open-triangle", 81},
};

std::vector<std::string_view> words(std::string_view text, char separator) {
  std::vector<std::string_view> out;
  std::size_t at = 0;
  while (at < text.size()) {
    while (at < text.size() && text[at] == separator) ++at;
    std::size_t end = text.find(separator, at);
    if (end == std::string_view::npos) end = text.size();
    if (end > at) out.push_back(text.substr(at, end - at));
    at = end;
  }
  return out;
}

}  // namespace

int keyNumber(std::string_view name) {
  for (const Drum& d : kDrums)
    if (d.name == name) return d.key;
  static constexpr int kSemitones[] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
  if (name.size() < 2 || name[0] < 'A' || name[0] > 'G')
    throw std::invalid_argument("no note: " + std::string(name));
  int key = kSemitones[name[0] - 'A'];
  std::size_t at = 1;
  if (name[at] == '#') ++key, ++at;
  else if (name[at] == 'b') --key, ++at;
  int octave = 0;
  const auto [end, error] = std::from_chars(name.data() + at, name.data() + name.size(), octave);
  if (error != std::errc() || end != name.data() + name.size())
    throw std::invalid_argument("no note: " + std::string(name));
  return 12 * (octave + 1) + key;
}

std::vector<Step> phrase(std::string_view text) {
  std::vector<Step> steps;
  for (std::string_view word : words(text, ' ')) {
    const std::size_t colon = word.find(':');
    if (colon == std::string_view::npos) throw std::invalid_argument("no length: " + std::string(word));
    const std::string beats(word.substr(colon + 1));
    const std::string_view name = word.substr(0, colon);
    steps.push_back({name == "-" ? -1 : keyNumber(name), std::stod(beats)});
  }
  return steps;
}

double totalBeats(const std::vector<Step>& steps) {
  double sum = 0;
  for (const Step& s : steps) sum += s.beats;
  return sum;
}

std::vector<int> keys(std::string_view names) {
  std::vector<int> out;
  for (std::string_view w : words(names, ' ')) out.push_back(keyNumber(w));
  return out;
}

}  // namespace quov::sounds
