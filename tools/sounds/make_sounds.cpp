// Writes the machine's sounds, rendered from their scores: every wave clip
// through FluidSynth with a General MIDI sound font, and the free-spin tune
// as a MIDI file. Run at build time; the files become program resources.
//   make_sounds <sound font> <output folder>
//     -> <folder>/WAVE/RESOURCE_ID_<n>, <folder>/MIDI/1, and
//        <folder>/loudness.txt, what the clips measure as written
#include <algorithm>
#include <cmath>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iomanip>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <string>

#include "tools/sounds/clip_loudness.h"
#include "tools/sounds/clip_score.h"
#include "tools/sounds/clip_shaping.h"
#include "tools/sounds/loudness.h"
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

std::vector<float> renderClip(quov::sounds::OfflineSynth& synth,
                              const quov::sounds::ClipScore& score) {
  using quov::sounds::OfflineSynth;
  const auto frames = static_cast<std::size_t>(std::lround(score.seconds * score.rate));
  std::vector<float> samples = synth.render(score.voices, score.seconds);
  if (score.rate != OfflineSynth::kRate)
    samples = quov::sounds::resample(samples, OfflineSynth::kRate, score.rate, frames);
  samples.resize(frames, 0.0F);
  quov::sounds::removeOffset(samples, score.rate);
  quov::sounds::fadeEdges(samples, score.rate, kEdgeFade, std::max(kEdgeFade, score.tailFade));
  quov::sounds::scaleToLoudness(samples, score.rate, quov::sounds::loudnessTarget(score.clip));
  if (score.clip == quov::Clip::Celebration)
    quov::sounds::levelUp(samples, score.rate, quov::sounds::kCelebrationFloor);
  float loudest = 0;
  for (float s : samples) loudest = std::max(loudest, std::abs(s));
  if (loudest > 1.0F)
    throw std::runtime_error("clip " + std::to_string(quov::resourceNumber(score.clip)) +
                             " would exceed full scale at its loudness; peak " +
                             std::to_string(loudest));
  return samples;
}

// One line of the loudness table: the clip and its loudness in LUFS.
std::string loudnessLine(const quov::sounds::ClipScore& score, const std::vector<float>& samples) {
  const auto l = quov::sounds::measureLoudness(samples, score.rate);
  std::ostringstream line;
  line << std::fixed << std::setprecision(1) << quov::resourceNumber(score.clip)
       << "  integrated " << l.integrated << "  loudest 400 ms " << l.loudest;
  if (score.seconds > quov::sounds::kShortTermWindow)
    line << "  3 s " << l.quietestShortTerm << " .. " << l.loudestShortTerm;
  line << "  (" << score.role << ")\n";
  return line.str();
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
    std::string table = "clip loudness in LUFS\n";
    for (const auto& score : quov::sounds::clipScores()) {
      const auto samples = renderClip(synth, score);
      table += loudnessLine(score, samples);
      if (!save(root / "WAVE" / quov::clipResourceName(score.clip),
                quov::sounds::waveFile(samples, score.rate, score.bits)))
        return 1;
    }
    if (!save(root / "loudness.txt", Bytes(table.begin(), table.end()))) return 1;
    return save(root / "MIDI" / "1", quov::sounds::freeSpinTune()) ? 0 : 1;
  } catch (const std::exception& e) {
    std::cerr << "make_sounds: " << e.what() << "\n";
    return 1;
  }
}
