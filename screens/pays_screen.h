// The pay-table screen `quovpays`, opened from the menu panel; the main
// screen takes no input while it is open.
#pragma once

#include "platform/screen.h"

namespace quov {

struct QuovPays {
  QuovPays() {
    screen.name = "quovpays";
    screen.caption = "QUOV PAYTABLE";
  }
  Screen screen;
};

}  // namespace quov
