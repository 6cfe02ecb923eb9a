#include "desktop/sound/qt_sound.h"

#include "desktop/sound/clip_rate.h"

namespace quov {

QtSound::QtSound() : QtSound(QUOV_SOUNDFONT) {}
QtSound::QtSound(std::string soundFont, std::string cacheFolder)
    : mixer_(std::move(soundFont), std::move(cacheFolder)) {}

std::shared_ptr<const PcmClip> QtSound::decoded(int id, const Bytes& clip) {
  const auto key = std::make_tuple(id, clip.data(), clip.size());
  auto found = decoded_.find(key);
  if (found == decoded_.end()) found = decoded_.emplace(key, atRate(decodeClip(clip), SoundMixer::kRate)).first;
  return found->second;
}

void QtSound::playClip(int id, const Bytes* clip, ClipMode mode) {
  if (mode == ClipMode::Stop || !clip) {
    mixer_.stopClip();
  } else {
    auto pcm = decoded(id, *clip);
    if (!pcm) return;  // no wave: nothing starts and nothing stops
    mixer_.playClip(std::move(pcm), mode == ClipMode::Loop);
  }
  output_.wake();
}

void QtSound::mediaCommand(const std::string& command) {
  const std::string open = "open ";
  const std::string tail = " type sequencer alias quovspin";
  if (command.rfind(open, 0) == 0 && command.size() > open.size() + tail.size() &&
      command.compare(command.size() - tail.size(), tail.size(), tail) == 0) {
    if (!tuneFile_.empty()) return;  // open already
    tuneFile_ = command.substr(open.size(), command.size() - open.size() - tail.size());
    mixer_.openTune(tuneFile_);
  } else if (command.rfind("play quovspin", 0) == 0) {
    if (tuneFile_.empty()) return;
    mixer_.playTune();
  } else if (command == "close quovspin") {
    if (tuneFile_.empty()) return;
    tuneFile_.clear();
    mixer_.closeTune();
  } else {
    return;
  }
  output_.wake();
}

}  // namespace quov
