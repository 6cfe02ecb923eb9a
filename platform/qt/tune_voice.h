// The free-spin tune: a MIDI file played through FluidSynth and the General
// MIDI sound font, rendered by the audio thread into the mix at the mix's
// own rate (no audio driver of its own). Loading the sound font takes a moment, so the first
// open loads it on a helper thread; a play asked for meanwhile starts when
// it is ready. Everything but the loading runs on the audio thread.
#pragma once

#include <atomic>
#include <string>
#include <thread>
#include <vector>

struct _fluid_hashtable_t;
struct _fluid_synth_t;
struct _fluid_player_t;

namespace quov {

class TuneVoice {
 public:
  TuneVoice(std::string soundFont, int outputRate);
  ~TuneVoice();
  TuneVoice(const TuneVoice&) = delete;
  TuneVoice& operator=(const TuneVoice&) = delete;

  // Names the tune's file and loads the synthesiser the first time.
  void open(const std::string& file);
  // Starts the tune from its beginning; one that plays already goes on. It
  // repeats until closed.
  void play();
  // Stops the tune, fading it out over a few milliseconds.
  void close();
  bool sounding() const { return player_ != nullptr || wantPlay_; }
  // Adds `frames` stereo frames (interleaved) of the tune into `stereo`.
  void addTo(float* stereo, int frames);

 private:
  void load();
  bool ready();
  void startWhenReady();
  void startPlayer();
  void endPlayer();
  void synthesise(int frames);  // into out_
  std::string soundFont_;
  int outputRate_;
  std::string file_;
  std::thread loader_;
  std::atomic<bool> loaded_{false};
  _fluid_hashtable_t* settings_ = nullptr;
  _fluid_synth_t* synth_ = nullptr;  // owned by the loader until `loaded_`
  _fluid_player_t* player_ = nullptr;
  bool wantPlay_ = false;
  int fadeLeft_ = 0;  // frames of fade-out to go after a close
  std::vector<float> out_;  // interleaved stereo
};

}  // namespace quov
