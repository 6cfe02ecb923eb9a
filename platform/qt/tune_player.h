// Plays a MIDI file through a software synthesiser and the system's General
// MIDI sound font. Starting takes a while (the sound font loads), so it runs
// on a worker thread; without an audio device nothing is heard.
#pragma once

#include <atomic>
#include <mutex>
#include <string>
#include <thread>

namespace quov {

class TunePlayer {
 public:
  static constexpr const char* kSoundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";
  TunePlayer() = default;
  TunePlayer(const TunePlayer&) = delete;
  TunePlayer& operator=(const TunePlayer&) = delete;
  ~TunePlayer() { stop(); }

  void play(const std::string& midiFile);
  void stop();

 private:
  void run(std::string midiFile);
  std::thread worker_;
  std::mutex mutex_;
  std::atomic<bool> stopping_{false};
};

}  // namespace quov
