// Tells the player when the records cannot be saved: a line across the top
// of the reels from the moment saving starts to fail until a save succeeds
// again. It takes no input and stops nothing; play goes on, and the store
// keeps trying.
#pragma once

#include "platform/services.h"

namespace quov {

class Quov;

inline constexpr const char* kSaveNoticeText =
    "Your records cannot be saved just now - play goes on and saving is retried";

class SaveNotice {
 public:
  explicit SaveNotice(Quov& q) : q(q) {}
  // Follows how saving goes; cheap enough for every tick.
  void follow(const SaveHealth& health);

 private:
  Quov& q;
};

}  // namespace quov
