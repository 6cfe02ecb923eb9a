// Tells the player when the records cannot be saved, or the game history
// cannot be written: a line across the top of the reels from the moment
// writing starts to fail until it succeeds again. It takes no input and
// stops nothing; play goes on, and the store and the history keep trying.
#pragma once

#include "platform/services.h"

namespace quov {

class Quov;

inline constexpr const char* kSaveNoticeText =
    "Your records cannot be saved just now - play goes on and saving is retried";
inline constexpr const char* kHistoryNoticeText =
    "The game history cannot be written just now - play goes on and writing is retried";

class SaveNotice {
 public:
  explicit SaveNotice(Quov& q) : q(q) {}
  // Follows how saving the records and writing the history go; cheap
  // enough for every tick. The records come first when both fail.
  void follow(const SaveHealth& records, const SaveHealth& history);

 private:
  Quov& q;
};

}  // namespace quov
