// Loudness as a listener hears it (ITU-R BS.1770): one channel K-weighted
// (a shelf lifting the treble as the head does, a high-pass taking out what
// the ear hardly hears) and its mean square taken over sliding windows.
// Figures are in LUFS; a difference of 1 LU is 1 dB.
#pragma once

#include <vector>

namespace quov::sounds {

inline constexpr double kMomentaryWindow = 0.4;  // seconds
inline constexpr double kShortTermWindow = 3.0;
inline constexpr double kWindowStep = 0.1;

// The loudness of every window of `seconds` starting each kWindowStep from
// the clip's start. A clip shorter than the window is heard as one window
// with silence after it; otherwise only whole windows count.
std::vector<double> windowLoudness(const std::vector<float>& samples, int rate, double seconds);

struct Loudness {
  double integrated;  // gated at -70 LUFS and 10 LU under the ungated level
  double loudest;     // the loudest 400 ms
  double quietestShortTerm;  // the quietest 3 s (the loudest 400 ms when shorter)
  double loudestShortTerm;
};
Loudness measureLoudness(const std::vector<float>& samples, int rate);

}  // namespace quov::sounds
