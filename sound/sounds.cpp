#include "sound/sounds.h"

namespace quov {

namespace {
constexpr std::size_t slotOf(Clip c) {
  for (std::size_t i = 0; i < kLoadedClips.size(); ++i)
    if (kLoadedClips[i] == c) return i;
  return kLoadedClips.size();
}
}  // namespace

void Sounds::load() {
  for (std::size_t i = 0; i < kLoadedClips.size(); ++i)
    slots_[i] = p_.resources.load("WAVE", clipResourceName(kLoadedClips[i]));
}

const Bytes& Sounds::bytes(Clip c) const {
  static const Bytes kNone;
  const std::size_t i = slotOf(c);
  return i < slots_.size() ? slots_[i] : kNone;
}

void Sounds::play(Clip c, ClipMode mode) {
  if (m_.soundonoff != -1) return;
  const std::size_t i = slotOf(c);
  if (i < slots_.size()) p_.sound.playClip(resourceNumber(c), &slots_[i], mode);
}

void Sounds::playAlways(Clip c) {
  const std::size_t i = slotOf(c);
  if (i < slots_.size()) p_.sound.playClip(resourceNumber(c), &slots_[i], ClipMode::Play);
}

void Sounds::stop() { p_.sound.playClip(0, nullptr, ClipMode::Stop); }

void Sounds::writeTune() {
  p_.files.createFolder(musicFolder);
  const Bytes tune = p_.resources.load("MIDI", "1");
  if (!tune.empty()) p_.files.writeFile(tuneFile(), tune);
}

void Sounds::openTune() {
  if (openCommand_.empty() || openCommandFolder_ != musicFolder) {
    openCommandFolder_ = musicFolder;
    openCommand_ = "open " + tuneFile() + " type sequencer alias quovspin";
  }
  p_.sound.mediaCommand(openCommand_);
}

void Sounds::playTune() {
  if (m_.soundonoff == -1) p_.sound.mediaCommand("play quovspin ");
}

void Sounds::closeTune() { p_.sound.mediaCommand("close quovspin"); }

void Sounds::removeTune() {
  p_.files.deleteFile(tuneFile());
  p_.files.removeFolder(musicFolder);
}

}  // namespace quov
