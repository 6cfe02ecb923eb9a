// Writes the machine's sounds, rendered from their scores: every wave clip
// through FluidSynth with a General MIDI sound font, and the free-spin tune
// as a MIDI file. Run at build time; the files become program resources.
//   make_sounds <sound font> <output folder>
//     -> <folder>/WAVE/RESOURCE_ID_<n>, <folder>/MIDI/1
#include <cmath>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "tools/sounds/clip_score.h"
#include "tools/sounds/clip_shaping.h"
#include "tools/sounds/offline_synth.h"
#include "tools/sounds/tune_score.h"
#include "tools/sounds/wave_file.h"

namespace {

using quov::sounds::Bytes;

constexpr double kEdgeFade = 0.004;  // seconds: no clip starts or ends with a click

bool save(const std::filesystem::path& path, const Bytes& data) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
  return static_cast<bool>(out);
}

Bytes renderClip(quov::sounds::OfflineSynth& synth, const quov::sounds::ClipScore& score) {
  using quov::sounds::OfflineSynth;
  const auto frames = static_cast<std::size_t>(std::lround(score.seconds * score.rate));
  std::vector<float> samples = synth.render(score.voices, score.seconds);
  if (score.rate != OfflineSynth::kRate)
    samples = quov::sounds::resample(samples, OfflineSynth::kRate, score.rate, frames);
  samples.resize(frames, 0.0F);
  quov::sounds::shape(samples, score.rate, score.peak, kEdgeFade,
                      std::max(kEdgeFade, score.tailFade));
  return quov::sounds::waveFile(samples, score.rate, score.bits);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: make_sounds <sound font> <output folder>\n";
    return 2;
  }
  try {
    const std::filesystem::path root = argv[2];
    std::filesystem::create_directories(root / "WAVE");
    std::filesystem::create_directories(root / "MIDI");
    quov::sounds::OfflineSynth synth(argv[1]);
    for (const auto& score : quov::sounds::clipScores())
      if (!save(root / "WAVE" / quov::clipResourceName(score.clip), renderClip(synth, score)))
        return 1;
    return save(root / "MIDI" / "1", quov::sounds::freeSpinTune()) ? 0 : 1;
  } catch (const std::exception& e) {
    std::cerr << "make_sounds: " << e.what() << "\n";
    return 1;
  }
}
