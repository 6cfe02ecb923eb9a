#include "platform/qt/tune_player.h"

#include <fluidsynth.h>

#include <chrono>

namespace quov {

void TunePlayer::play(const std::string& midiFile) {
  stop();
  stopping_ = false;
  worker_ = std::thread([this, midiFile] { run(midiFile); });
}

void TunePlayer::stop() {
  stopping_ = true;
  if (worker_.joinable()) worker_.join();
}

void TunePlayer::run(std::string midiFile) {
  for (int level = FLUID_PANIC; level <= FLUID_DBG; ++level)
    fluid_set_log_function(level, nullptr, nullptr);
  fluid_settings_t* settings = new_fluid_settings();
  fluid_settings_setstr(settings, "audio.driver", "pulseaudio");
  fluid_settings_setint(settings, "synth.cpu-cores", 1);
  fluid_settings_setnum(settings, "synth.gain", 0.3);
  fluid_synth_t* synth = new_fluid_synth(settings);
  fluid_audio_driver_t* driver = synth ? new_fluid_audio_driver(settings, synth) : nullptr;
  fluid_player_t* player = nullptr;
  if (driver && !stopping_ && fluid_synth_sfload(synth, kSoundFont, 1) != FLUID_FAILED) {
    player = new_fluid_player(synth);
    if (player && fluid_player_add(player, midiFile.c_str()) == FLUID_OK) {
      fluid_player_play(player);
      while (!stopping_ && fluid_player_get_status(player) == FLUID_PLAYER_PLAYING)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
      fluid_player_stop(player);
    }
  }
  if (player) delete_fluid_player(player);
  if (driver) delete_fluid_audio_driver(driver);
  if (synth) delete_fluid_synth(synth);
  delete_fluid_settings(settings);
}

}  // namespace quov
