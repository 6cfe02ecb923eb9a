// The machine's sound: the 27 clips held in memory from start-up, played
// when the player has sound on, and the free-spin tune written to a file at
// start-up and driven by media commands.
#pragma once

#include <array>
#include <string>

#include "mainscreen/modquov.h"
#include "platform/services.h"
#include "sound/clips.h"

namespace quov {

class Sounds {
 public:
  Sounds(Platform& platform, const Modquov& module) : p_(platform), m_(module) {}

  // Loads every clip from the program's resources; a missing one stays empty.
  void load();
  // Starts a clip when sound is on (`soundonoff` is -1), replacing the one
  // playing; Loop repeats it until the next request.
  void play(Clip c, ClipMode mode = ClipMode::Play);
  // Starts a clip whatever the sound switch says (the exit click).
  void playAlways(Clip c);
  // Silences the current clip, whatever the sound switch says.
  void stop();
  // The loaded bytes of a clip; empty when it was never loaded.
  const Bytes& bytes(Clip c) const;

  // The tune file: written at start-up into `musicFolder`, played during a
  // free-spin series, closed at the collect and at exit, removed at exit.
  void writeTune();
  void openTune();  // the media device for the tune; fails harmlessly when open
  void playTune();  // when sound is on
  void closeTune();
  void removeTune();
  std::string tuneFile() const { return musicFolder + "/quovspin.midi"; }
  // The desktop puts it in the player's cache folder.
  std::string musicFolder = "brelk-video-slots";

 private:
  Platform& p_;
  const Modquov& m_;
  std::array<Bytes, kLoadedClips.size()> slots_;
  // The open command of the tune, and the folder it was made for: every
  // spin press opens the tune, and the folder rarely changes.
  std::string openCommand_;
  std::string openCommandFolder_;
};

}  // namespace quov
