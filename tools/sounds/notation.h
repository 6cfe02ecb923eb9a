// A small written form for the clips' and the tune's notes: note names
// ("C4" is middle C, "F#5", "Bb3"), General MIDI drum names ("kick", "hi-wood-block"),
// and phrases of name:beats steps ("A4:1 C5:.5 -:1", "-" a rest).
#pragma once

#include <string_view>
#include <vector>

namespace quov::sounds {

// The MIDI key of a note or drum name; throws on a name it does not know.
int keyNumber(std::string_view name);

struct Step {
  int key;  // -1 for a rest
  double beats;
};
std::vector<Step> phrase(std::string_view text);
double totalBeats(const std::vector<Step>& steps);

// The keys of a blank-separated list of names.
std::vector<int> keys(std::string_view names);

}  // namespace quov::sounds
