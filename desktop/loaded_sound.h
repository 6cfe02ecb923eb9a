// The machine's sound on the desktop, loaded from its module when the game
// first asks for a clip or opens the tune, so that a start with the sound
// off loads and runs nothing for it. The module's libraries are loaded on a
// thread of their own while the cabinet comes up; the requests made
// meanwhile wait, in order, and are played once the sound is made on the
// user-interface thread. When the module cannot be loaded the game plays on
// in silence and says why once on the standard error.
#pragma once

#include <QObject>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "desktop/sound/sound_module.h"
#include "platform/services.h"

namespace quov {

class LoadedSound : public Sound {
 public:
  LoadedSound(std::string soundFont, std::string cacheFolder);
  // Requests still waiting are played first, so the exit click is heard
  // however early the game ends; then the sound ends (it lets that click
  // finish). The module's code stays loaded to the program's end.
  ~LoadedSound() override;

  void playClip(int id, const Bytes* clip, ClipMode mode) override;
  // Until the sound is asked to open the tune or play a clip nothing can be
  // playing, so any other command asks for nothing.
  void mediaCommand(const std::string& command) override;

  // Where the module is looked for, first to last.
  static std::vector<std::string> modulePlaces();

 private:
  // A request that waits owns its clip's bytes: the game that asked may
  // have ended by the time it plays (the exit click).
  struct Request {
    int id = 0;
    std::optional<Bytes> clip;
    ClipMode mode = ClipMode::Play;
    std::string command;  // a media command when not empty
  };
  void startLoading();
  // On the user-interface thread, once the loading thread has ended.
  void make();

  std::string soundFont_, cacheFolder_;
  std::unique_ptr<Sound> sound_;
  std::vector<Request> waiting_;
  bool loading_ = false, made_ = false;
  std::jthread loader_;
  SoundModuleFactory factory_ = nullptr;  // written by the loader before it ends
  std::string failure_;                   // likewise
  QObject receiver_;                       // the user-interface thread's end of the loader's call
};

}  // namespace quov
