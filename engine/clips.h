// The wave clips the machine plays, each a whole wave file in memory, named
// after the resource number it is loaded from.
#pragma once

#include <array>

#include "platform/services.h"

namespace quov {

// Resource numbers of the 27 clips, in loading order.
inline constexpr std::array<int, 27> kClipIds = {102, 103, 104, 105, 112, 114, 115, 117, 118,
                                                 119, 120, 121, 122, 123, 124, 125, 126, 128,
                                                 130, 139, 140, 141, 142, 143, 144, 145, 146};

struct Clips {
  std::array<Bytes, kClipIds.size()> slots;  // snd102 .. snd146, in loading order
  // The slot of resource `id`, or nullptr for a number that is no clip.
  Bytes* slot(int id) {
    for (std::size_t i = 0; i < kClipIds.size(); ++i)
      if (kClipIds[i] == id) return &slots[i];
    return nullptr;
  }
};

inline std::string clipResourceName(int id) { return "RESOURCE_ID_" + std::to_string(id); }

}  // namespace quov
