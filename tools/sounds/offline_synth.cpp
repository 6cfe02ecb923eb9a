#include "tools/sounds/offline_synth.h"

#include <fluidsynth.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace quov::sounds {

namespace {

constexpr int kDrumChannel = 9;

struct Event {
  std::size_t frame;
  bool on;
  int channel, key, velocity;
};

std::size_t frameAt(double seconds) {
  return static_cast<std::size_t>(std::lround(std::max(0.0, seconds) * OfflineSynth::kRate));
}

}  // namespace

OfflineSynth::OfflineSynth(const std::string& soundFont) {
  for (int level = FLUID_PANIC; level <= FLUID_DBG; ++level)
    fluid_set_log_function(level, nullptr, nullptr);
  settings_ = new_fluid_settings();
  fluid_settings_setnum(settings_, "synth.sample-rate", kRate);
  fluid_settings_setnum(settings_, "synth.gain", 0.5);
  // Only the instruments a score uses are read from the (compressed) font.
  fluid_settings_setint(settings_, "synth.dynamic-sample-loading", 1);
  synth_ = new_fluid_synth(settings_);
  if (!synth_ || fluid_synth_sfload(synth_, soundFont.c_str(), 1) == FLUID_FAILED) {
    if (synth_) delete_fluid_synth(synth_);
    delete_fluid_settings(settings_);
    throw std::runtime_error("cannot load the sound font " + soundFont);
  }
}

OfflineSynth::~OfflineSynth() {
  delete_fluid_synth(synth_);
  delete_fluid_settings(settings_);
}

void OfflineSynth::write(std::vector<float>& out, std::size_t frames) {
  std::vector<float> left(frames), right(frames);
  fluid_synth_write_float(synth_, static_cast<int>(frames), left.data(), 0, 1, right.data(), 0, 1);
  for (std::size_t i = 0; i < frames; ++i) out.push_back(0.5F * (left[i] + right[i]));
}

std::vector<float> OfflineSynth::render(const std::vector<Voice>& voices, double seconds) {
  std::vector<Event> events;
  int nextChannel = 0;
  for (const Voice& v : voices) {
    int channel = kDrumChannel;
    if (v.program != kDrumKit) {
      if (nextChannel == kDrumChannel) ++nextChannel;
      channel = nextChannel++;
      fluid_synth_program_change(synth_, channel, v.program);
    }
    for (const Note& n : v.notes) {
      events.push_back({frameAt(n.at), true, channel, n.key, n.velocity});
      events.push_back({frameAt(n.at + n.length), false, channel, n.key, 0});
    }
  }
  std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
    return a.frame != b.frame ? a.frame < b.frame : (!a.on && b.on);
  });

  const std::size_t total = frameAt(seconds);
  std::vector<float> out;
  out.reserve(total);
  for (const Event& e : events) {
    if (e.frame >= total) break;
    if (e.frame > out.size()) write(out, e.frame - out.size());
    if (e.on)
      fluid_synth_noteon(synth_, e.channel, e.key, e.velocity);
    else
      fluid_synth_noteoff(synth_, e.channel, e.key);
  }
  if (total > out.size()) write(out, total - out.size());

  // Silence every voice and let the reverb die away before the next score.
  fluid_synth_all_sounds_off(synth_, -1);
  fluid_synth_system_reset(synth_);
  std::vector<float> tail;
  write(tail, 3 * kRate);
  return out;
}

}  // namespace quov::sounds
