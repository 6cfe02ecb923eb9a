// Turning a rendered clip into the clip the game plays: its sample rate,
// its loudness and the soft edges that keep it from clicking.
#pragma once

#include <cstddef>
#include <vector>

namespace quov::sounds {

// `frames` samples at rate `to`, band-limited to below half of it (a
// windowed-sinc interpolator), from samples at rate `from`.
std::vector<float> resample(const std::vector<float>& in, int from, int to, std::size_t frames);

// Takes out any steady offset (a 20 Hz high-pass): some instruments of the
// sound font carry one, which would thump where a clip starts and stops.
void removeOffset(std::vector<float>& samples, int rate);

// Fades the first `fadeIn` and last `fadeOut` seconds in and out along a
// raised cosine.
void fadeEdges(std::vector<float>& samples, int rate, double fadeIn, double fadeOut);

// Scales the clip so that its loudest 400 ms measure `lufs`.
void scaleToLoudness(std::vector<float>& samples, int rate, double lufs);

// Raises the quieter stretches of a long clip, smoothly, until none of its
// 3-second stretches measures under `floorLufs`; louder ones stay as
// they are.
void levelUp(std::vector<float>& samples, int rate, double floorLufs);

}  // namespace quov::sounds
