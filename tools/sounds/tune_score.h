// The free-spin tune: a loop of 64 bars in A harmonic minor, a flute
// melody over harp arpeggios, bass, strings and hand drums, as a standard
// MIDI file of format 1 with two tracks at 256 ticks per quarter note.
#pragma once

#include "tools/sounds/byte_writer.h"

namespace quov::sounds {

Bytes freeSpinTune();

}  // namespace quov::sounds
