// The machine's sound on the desktop: wave clips and the media commands
// that open, play and close the free-spin tune, handed to the audio thread.
// No call waits on the audio device.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <tuple>

#include "desktop/sound/audio_output.h"
#include "desktop/sound/sound_mixer.h"
#include "platform/services.h"

namespace quov {

class QtSound : public Sound {
 public:
  QtSound();  // with the sound font the program was built for
  // `cacheFolder` keeps the tune's recording between runs; empty for none.
  explicit QtSound(std::string soundFont, std::string cacheFolder = {});

  void playClip(int id, const Bytes* clip, ClipMode mode) override;
  // "open <file> type sequencer alias quovspin", "play quovspin ", "close quovspin".
  void mediaCommand(const std::string& command) override;

  const std::string& openedTune() const { return tuneFile_; }

 private:
  std::shared_ptr<const PcmClip> decoded(int id, const Bytes& clip);

  SoundMixer mixer_;
  AudioOutput output_{mixer_};  // after the mixer: it stops first
  // Clips decoded and brought to the mix's rate once, by resource number and
  // the bytes they came from.
  std::map<std::tuple<int, const std::uint8_t*, std::size_t>, std::shared_ptr<const PcmClip>> decoded_;
  std::string tuneFile_;
};

}  // namespace quov
