// The options screen `quovoptions`: the player's statistics, the six player
// slots and the options. The main screen takes no input while it is open.
#pragma once

#include "platform/screen.h"

namespace quov {

struct QuovOptions {
  QuovOptions() { screen.name = "quovoptions"; }
  Screen screen;
};

}  // namespace quov
