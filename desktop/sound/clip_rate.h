// A clip brought to the output's sample rate once, as it is loaded, so the
// audio thread only ever copies samples. The conversion is band-limited
// (libsoxr at its very-high quality): a clip recorded at 8 or 11.025 kHz
// gains no mirror images of itself above its own band.
#pragma once

#include <memory>

#include "desktop/sound/pcm_clip.h"

namespace quov {

// The clip at `rate`; the same clip when it is at that rate already, and
// nothing when the conversion fails.
std::shared_ptr<const PcmClip> atRate(std::shared_ptr<const PcmClip> clip, int rate);

}  // namespace quov
