// Measures of sound shared by the tests of the mix rendered in memory and
// of what the test audio server plays: a spectrum, the loudness of a stereo
// sound, and the loudness of the win clips it is held against.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

namespace quov::test {

// The power spectrum of `s` in bins of rate / n: Hann-windowed stretches of
// n samples (a power of two), half overlapping, each bin the largest any
// stretch shows, so a short burst above the band is not averaged away.
// With `gap`, a stretch holding `gap` or more samples of exact silence in a
// row is left out: on a starved machine the server fills a late block with
// silence, and the edges of that hole are a click of every frequency that
// no clip made. `used`, if given, counts the stretches taken.
std::vector<double> peakSpectrum(const std::vector<float>& s, std::size_t n, std::size_t gap = 0,
                                 std::size_t* used = nullptr);

// The strongest bin above `aboveHz` against the strongest below `bandHz`,
// in dB (negative: under the band).
double aboveBandDb(const std::vector<double>& spectrum, double binHz, double bandHz, double aboveHz);

// The loudness of every 3-second stretch of a stereo sound, a step of
// 100 ms apart, in LUFS: the power of both channels counted.
std::vector<double> stereoShortTerm(const std::vector<float>& left, const std::vector<float>& right, int rate);

double median(std::vector<double> v);

// How alike `pattern` is to `s` from `at` on: their normalised correlation,
// 1 for the same shape at any level.
double likeness(const std::vector<float>& s, std::size_t at, const std::vector<float>& pattern);
// Where `pattern` first sounds in `s` from `from` on: the best fit of the
// first stretch where their likeness reaches `enough`.
std::optional<std::size_t> findSound(const std::vector<float>& s, std::size_t from,
                                     const std::vector<float>& pattern, double enough);

// The median over the win clips of their loudest 400 ms, as they sound in
// both channels of the mix, in LUFS; none when a clip does not decode.
std::optional<double> winClipsMedianLoudness();

}  // namespace quov::test
