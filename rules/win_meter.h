// The win meter's count-up: the step added on the next tick, looked up from
// the amount counted so far.
#pragma once

#include <cstdint>

namespace quov {

std::int16_t nextRollStep(std::int32_t rolled);

}  // namespace quov
