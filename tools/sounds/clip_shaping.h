// Turning a rendered clip into the clip the game plays: its sample rate,
// its loudness and the soft edges that keep it from clicking.
#pragma once

#include <cstddef>
#include <vector>

namespace quov::sounds {

// `frames` samples at rate `to`, band-limited to below half of it (a
// windowed-sinc interpolator), from samples at rate `from`.
std::vector<float> resample(const std::vector<float>& in, int from, int to, std::size_t frames);

// Scales to `peak` and fades the first `fadeIn` and last `fadeOut` seconds
// in and out along a raised cosine.
void shape(std::vector<float>& samples, int rate, double peak, double fadeIn, double fadeOut);

}  // namespace quov::sounds
