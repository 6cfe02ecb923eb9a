#include "platform/qt/qt_sound.h"

namespace quov {

void QtSound::playClip(int, const Bytes* clip, ClipMode mode) {
  if (mode == ClipMode::Stop || !clip) {
    clips_.stop();
    return;
  }
  clips_.play(*clip, mode == ClipMode::Loop);
}

void QtSound::mediaCommand(const std::string& command) {
  const std::string open = "open ";
  const std::string tail = " type sequencer alias quovspin";
  if (command.rfind(open, 0) == 0 && command.size() > open.size() + tail.size() &&
      command.compare(command.size() - tail.size(), tail.size(), tail) == 0) {
    tuneFile_ = command.substr(open.size(), command.size() - open.size() - tail.size());
  } else if (command.rfind("play quovspin", 0) == 0) {
    if (!tuneFile_.empty()) tune_.play(tuneFile_);
  } else if (command == "close quovspin") {
    tune_.stop();
    tuneFile_.clear();
  }
}

}  // namespace quov
