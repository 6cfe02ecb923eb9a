// Standard MIDI files: tracks of timed channel events, written as format 1.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/sounds/byte_writer.h"

namespace quov::sounds {

class MidiTrack {
 public:
  void note(std::uint32_t tick, std::uint32_t length, int channel, int key, int velocity);
  void program(std::uint32_t tick, int channel, int program);
  void controller(std::uint32_t tick, int channel, int number, int value);
  void tempo(std::uint32_t tick, int microsecondsPerQuarter);
  void timeSignature(std::uint32_t tick, int numerator, int denominatorPower);
  // The track's events in time order (note-offs before note-ons at the same
  // tick), closed by an end-of-track at `endTick`.
  Bytes encode(std::uint32_t endTick) const;

 private:
  struct Event {
    std::uint32_t tick;
    int order;  // at one tick: meta and setup first, then note-offs, then note-ons
    Bytes bytes;
  };
  std::vector<Event> events_;
};

// Format 1 with the given ticks per quarter note; every track ends at `endTick`.
Bytes midiFile(const std::vector<MidiTrack>& tracks, int ticksPerQuarter, std::uint32_t endTick);

}  // namespace quov::sounds
