// The machine's sound on the desktop: wave clips through the clip player and
// the media commands that open, play and close the free-spin tune.
#pragma once

#include <string>

#include "platform/qt/clip_player.h"
#include "platform/qt/tune_player.h"
#include "platform/services.h"

namespace quov {

class QtSound : public Sound {
 public:
  void playClip(int id, const Bytes* clip, ClipMode mode) override;
  // "open <file> type sequencer alias quovspin", "play quovspin ", "close quovspin".
  void mediaCommand(const std::string& command) override;

  const std::string& openedTune() const { return tuneFile_; }

 private:
  ClipPlayer clips_;
  TunePlayer tune_;
  std::string tuneFile_;
};

}  // namespace quov
