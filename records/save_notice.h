// Tells the player when the records cannot be saved, or the game history
// cannot be written: a line across the top of the reels from the moment
// writing starts to fail until it succeeds again. Records that could not be
// read are named on the same line, with why, for the whole run: they are left
// as they are and nothing is saved. It takes no input and stops nothing; play
// goes on, and the store and the history keep trying.
#pragma once

#include <string>

#include "platform/element.h"
#include "platform/game_history.h"
#include "platform/services.h"

namespace quov {

class Quov;

inline constexpr const char* kSaveNoticeText =
    "Your records cannot be saved just now - play goes on and saving is retried";
inline constexpr const char* kHistoryNoticeText =
    "The game history cannot be written just now - play goes on and writing is retried";

// The line for records that could not be read: this text, then which file
// and why (folders left out), then kUnreadableNoticeEnd.
inline constexpr const char* kUnreadableNoticeStart = "Your records cannot be read (";
inline constexpr const char* kUnreadableNoticeEnd =
    ") - they are left as they are and nothing is saved";

// The file names and why of `unreadable`, each path cut to its file name.
std::string unreadableNotice(const std::string& unreadable);

class SaveNotice {
 public:
  // Puts the line on the main screen across the top of the reel windows,
  // beneath the boards and panels that cover the reels.
  explicit SaveNotice(Quov& q);
  // Follows how saving the records and writing the history go; cheap
  // enough for every tick. The records come first when both fail.
  void follow(const SettingsStore& records, const GameHistory& history);

  Element savenotice;

 private:
  // The notice of a failure, apart from the check every tick makes.
  [[gnu::cold, gnu::noinline]] void showFailure(const SettingsStore& records, bool recordsFailing);
};

}  // namespace quov
