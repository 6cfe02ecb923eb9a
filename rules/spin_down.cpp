#include "rules/spin_down.h"

namespace quov {

std::optional<SpinDownSpeed> spinDownSpeed(int reelspeed) {
  switch (reelspeed) {
    case 1: return SpinDownSpeed{1875, 1, 10};
    case 2: return SpinDownSpeed{1000, 2, 6};
    case 4: return SpinDownSpeed{800, 3, 6};
    case 8: return SpinDownSpeed{600, 4, 7};
    case 10: return SpinDownSpeed{400, 5, 3};
    default: return std::nullopt;
  }
}

}  // namespace quov
