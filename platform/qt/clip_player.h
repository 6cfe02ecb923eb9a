// Plays one wave clip at a time from memory on the default audio output. A
// new clip replaces the one playing; a looping clip repeats until replaced
// or stopped. Without an audio device every request is quietly dropped.
#pragma once

#include <QAudioSink>
#include <QBuffer>
#include <QByteArray>
#include <memory>

#include "platform/services.h"

namespace quov {

class ClipPlayer {
 public:
  ClipPlayer();
  ~ClipPlayer();
  void play(const Bytes& clip, bool loop);
  void stop();
  bool hasDevice() const { return hasDevice_; }

 private:
  void restartLoop(QAudio::State state);
  bool hasDevice_ = false;
  std::unique_ptr<QAudioSink> sink_;
  QByteArray samples_;
  QBuffer buffer_;
  bool loop_ = false;
};

}  // namespace quov
