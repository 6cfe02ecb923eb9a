// How loud each clip is made, by its role: clicks and the reel stop quiet,
// the win clips rising with the win they announce, the announcements of
// free spins, jackpot time and a prize above every win under them, and the
// celebration of the largest wins the loudest clip of all, all through.
#pragma once

#include "sound/clips.h"

namespace quov::sounds {

// The loudest 400 ms of the clip, in LUFS (see loudness.h).
double loudnessTarget(Clip c);

// The celebration is levelled so that none of its 3-second stretches falls
// below this, in LUFS: louder than all of the largest win below it.
inline constexpr double kCelebrationFloor = -14.5;

}  // namespace quov::sounds
