#include "engine/rules/jackpot.h"

#include "engine/checked.h"

namespace quov {

namespace {
void stepMeter(std::int32_t& value, std::int32_t floor, int increment) {
  if (value < floor)
    value = floor;
  else
    add(value, increment);
}
}  // namespace

void stepMeters(std::int32_t& grand, std::int32_t& major, std::int32_t& minor) {
  stepMeter(grand, kGrandFloor, 50);
  stepMeter(major, kMajorFloor, 30);
  stepMeter(minor, kMinorFloor, 20);
}

}  // namespace quov
