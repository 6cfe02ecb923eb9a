#include "platform/qt/tune_voice.h"

#include <fluidsynth.h>

#include <mutex>

namespace quov {

namespace {
constexpr double kGain = 0.35;  // under the clips: the tune is background music

// FluidSynth fills its shared tables and default modulators when the first
// synthesiser of the process is made, and a second one made on another
// thread meanwhile does not wait for it: it copies half-made modulators and
// plays differently for the rest of its life. Synthesisers are made one at a
// time.
std::mutex synthesiserBirth;
}  // namespace

TuneVoice::TuneVoice(std::string soundFont, int outputRate)
    : soundFont_(std::move(soundFont)), outputRate_(outputRate) {}

TuneVoice::~TuneVoice() {
  if (loader_.joinable()) loader_.join();
  if (player_) delete_fluid_player(player_);
  if (synth_) delete_fluid_synth(synth_);
  if (settings_) delete_fluid_settings(settings_);
}

void TuneVoice::open(const std::string& file) {
  file_ = file;
  if (!loader_.joinable() && !loaded_) loader_ = std::thread([this] { load(); });
}

// On the helper thread: the synthesiser, the sound font, and one short
// silent run of the tune, so the instruments it picks are read from the
// font here and not while the audio thread is rendering.
void TuneVoice::load() {
  for (int level = FLUID_PANIC; level <= FLUID_DBG; ++level)
    fluid_set_log_function(level, nullptr, nullptr);
  fluid_settings_t* settings = new_fluid_settings();
  fluid_settings_setnum(settings, "synth.sample-rate", outputRate_ / 2);
  fluid_settings_setnum(settings, "synth.gain", kGain);
  fluid_settings_setint(settings, "synth.chorus.active", 0);
  fluid_settings_setint(settings, "synth.polyphony", 16);  // the oldest ringing notes give way
  fluid_settings_setint(settings, "synth.dynamic-sample-loading", 1);
  fluid_synth_t* synth = nullptr;
  {
    const std::lock_guard born(synthesiserBirth);
    synth = new_fluid_synth(settings);
  }
  if (synth && fluid_synth_sfload(synth, soundFont_.c_str(), 1) != FLUID_FAILED) {
    if (fluid_player_t* warmUp = new_fluid_player(synth)) {
      if (fluid_player_add(warmUp, file_.c_str()) == FLUID_OK) {
        fluid_player_play(warmUp);
        std::vector<float> l(256), r(256);
        fluid_synth_write_float(synth, 256, l.data(), 0, 1, r.data(), 0, 1);
        fluid_player_stop(warmUp);
      }
      delete_fluid_player(warmUp);
      fluid_synth_all_sounds_off(synth, -1);
    }
    synth_ = synth;
    settings_ = settings;
  } else {
    if (synth) delete_fluid_synth(synth);
    delete_fluid_settings(settings);
  }
  loaded_ = true;
}

bool TuneVoice::ready() {
  if (!loaded_) return false;
  if (loader_.joinable()) loader_.join();  // it has finished: no wait
  return synth_ != nullptr;
}

void TuneVoice::play() {
  if (file_.empty() || (player_ && fadeLeft_ == 0)) return;  // nothing open, or playing already
  wantPlay_ = true;
  startWhenReady();
}

void TuneVoice::startWhenReady() {
  if (!loaded_) return;
  if (ready())
    startPlayer();
  else
    wantPlay_ = false;  // no sound font: the tune stays silent
}

void TuneVoice::startPlayer() {
  endPlayer();
  wantPlay_ = false;
  player_ = new_fluid_player(synth_);
  if (!player_) return;
  if (fluid_player_add(player_, file_.c_str()) != FLUID_OK) {
    delete_fluid_player(player_);
    player_ = nullptr;
    return;
  }
  fluid_player_set_loop(player_, -1);
  fluid_player_play(player_);
}

void TuneVoice::endPlayer() {
  fadeLeft_ = 0;
  held_ = false;
  last_ = {0, 0};
  if (!player_) return;
  fluid_player_stop(player_);
  delete_fluid_player(player_);
  player_ = nullptr;
  fluid_synth_all_sounds_off(synth_, -1);
}

void TuneVoice::close() {
  wantPlay_ = false;
  if (player_ && fadeLeft_ == 0) fadeLeft_ = outputRate_ / 100;  // 10 ms
}

void TuneVoice::addTo(float* stereo, int frames) {
  if (wantPlay_) startWhenReady();
  if (!player_) return;
  synthesise(frames);
  const int fadeFrames = outputRate_ / 100;
  for (int i = 0; i < frames; ++i) {
    float gain = 1.0F;
    if (fadeLeft_ > 0) gain = static_cast<float>(fadeLeft_ - i) / static_cast<float>(fadeFrames);
    if (gain <= 0) break;
    stereo[2 * i] += gain * out_[static_cast<std::size_t>(2 * i)];
    stereo[2 * i + 1] += gain * out_[static_cast<std::size_t>(2 * i + 1)];
  }
  if (fadeLeft_ > 0) {
    fadeLeft_ -= frames;
    if (fadeLeft_ <= 0) endPlayer();
  }
}

// The synthesiser runs at half the output rate (half the work; the tune
// needs no more than 11 kHz): each of its frames gives two output frames,
// the midpoint from the one before and itself.
void TuneVoice::synthesise(int frames) {
  out_.resize(static_cast<std::size_t>(2 * frames));
  int i = 0;
  auto emit = [this, &i](float l, float r) {
    out_[static_cast<std::size_t>(2 * i)] = l;
    out_[static_cast<std::size_t>(2 * i + 1)] = r;
    ++i;
  };
  if (held_ && frames > 0) {
    emit(last_[0], last_[1]);
    held_ = false;
  }
  const int need = (frames - i + 1) / 2;
  left_.resize(static_cast<std::size_t>(need));
  right_.resize(static_cast<std::size_t>(need));
  fluid_synth_write_float(synth_, need, left_.data(), 0, 1, right_.data(), 0, 1);
  for (std::size_t k = 0; k < static_cast<std::size_t>(need); ++k) {
    emit(0.5F * (last_[0] + left_[k]), 0.5F * (last_[1] + right_[k]));
    last_ = {left_[k], right_[k]};
    if (i < frames)
      emit(last_[0], last_[1]);
    else
      held_ = true;  // its second frame opens the next block
  }
}

}  // namespace quov
