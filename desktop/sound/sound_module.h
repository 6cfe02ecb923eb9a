// The desktop sound as a module of its own, which the game loads the first
// time it sounds: Qt Multimedia, FluidSynth and the resampler, with the forty
// or so libraries they bring, are then no part of the program's start. The
// module offers one function, found by its C name.
#pragma once

#include "platform/services.h"

namespace quov {

inline constexpr char kSoundModuleFactory[] = "quov_new_desktop_sound";
// A new desktop sound: clips and the free-spin tune played through the
// sound font `soundFont`, the tune's recording kept in `cacheFolder` (empty:
// none). The caller owns it.
using SoundModuleFactory = Sound* (*)(const char* soundFont, const char* cacheFolder);

}  // namespace quov
