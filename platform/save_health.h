// How writing the player's records or the game history goes. `episode`
// counts the spells of failure: it grows when writing starts to fail after
// it worked (or before it was ever tried), so the game can tell the player
// once per spell, and no more while the writer keeps trying.
#pragma once

#include <cstdint>
#include <string>

namespace quov {

struct SaveHealth {
  bool failing = false;
  std::uint32_t episode = 0;  // 0: writing has never failed
  std::string reason;         // what went wrong last, while failing
  // Records that are there but could not be read, which file and why: they
  // are left as they are and nothing is saved over them this run.
  std::string unreadable;
};

}  // namespace quov
