// The free-spin tune's cost on the audio thread: the mix rendered in the
// game's blocks while only the tune plays. The processor time per second of
// sound, as a share of one core, is the counter `core_share`.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <fstream>
#include <thread>
#include <vector>

#include "desktop/qt_resources.h"
#include "desktop/sound/sound_mixer.h"
#include "desktop/sound/tune_recording.h"

namespace {

using namespace quov;

constexpr int kBlock = 441;  // 10 ms, as the audio output asks for them

void TunePlaying(benchmark::State& state) {
  QTemporaryDir dir;
  const std::string file = (dir.path() + "/quovspin.midi").toStdString();
  const Bytes midi = QtResources().load("MIDI", "1");
  std::ofstream(file, std::ios::binary)
      .write(reinterpret_cast<const char*>(midi.data()), static_cast<std::streamsize>(midi.size()));
  // Its recording made and kept first, as after the first series ever.
  {
    TuneRecording made(QUOV_SOUNDFONT, file, SoundMixer::kRate, dir.path().toStdString());
    while (!made.complete() && !made.failed()) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  SoundMixer mixer(QUOV_SOUNDFONT, dir.path().toStdString());
  mixer.openTune(file);
  mixer.playTune();
  std::vector<std::int16_t> block(2 * kBlock);
  // Until the recording has been read on its helper thread and the tune sounds.
  for (int n = 0; n < 60000; ++n) {
    mixer.render(block.data(), kBlock);
    if (std::any_of(block.begin(), block.end(), [](std::int16_t v) { return v != 0; })) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  for (auto _ : state) {
    mixer.render(block.data(), kBlock);
    benchmark::DoNotOptimize(block.data());
  }
  state.SetItemsProcessed(state.iterations() * kBlock);
  // Seconds of processor time per second of sound.
  state.counters["core_share"] = benchmark::Counter(
      static_cast<double>(state.iterations()) * kBlock / SoundMixer::kRate,
      benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(TunePlaying)->Unit(benchmark::kMicrosecond)->MinTime(10.0);

}  // namespace
