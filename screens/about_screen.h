// The about screen `aboutquov`, opened from the menu panel beside the
// cabinet, which stays in play.
#pragma once

#include "platform/screen.h"

namespace quov {

struct AboutQuov {
  AboutQuov() {
    screen.name = "aboutquov";
    screen.caption = "about quov";
  }
  Screen screen;
};

}  // namespace quov
