#include "tools/sounds/midi_file.h"

#include <algorithm>

namespace quov::sounds {

namespace {

void putVarLen(Bytes& b, std::uint32_t v) {
  std::uint8_t groups[5];
  int n = 0;
  do {
    groups[n++] = static_cast<std::uint8_t>(v & 0x7F);
    v >>= 7;
  } while (v != 0);
  while (n-- > 0) b.push_back(static_cast<std::uint8_t>(groups[n] | (n > 0 ? 0x80 : 0)));
}

std::uint8_t byte(int v) { return static_cast<std::uint8_t>(v); }

}  // namespace

void MidiTrack::note(std::uint32_t tick, std::uint32_t length, int channel, int key,
                     int velocity) {
  events_.push_back({tick, 2, {byte(0x90 | channel), byte(key), byte(velocity)}});
  events_.push_back({tick + length, 1, {byte(0x80 | channel), byte(key), 0}});
}

void MidiTrack::program(std::uint32_t tick, int channel, int program) {
  events_.push_back({tick, 0, {byte(0xC0 | channel), byte(program)}});
}

void MidiTrack::controller(std::uint32_t tick, int channel, int number, int value) {
  events_.push_back({tick, 0, {byte(0xB0 | channel), byte(number), byte(value)}});
}

void MidiTrack::tempo(std::uint32_t tick, int microsecondsPerQuarter) {
  Bytes e = {0xFF, 0x51, 0x03};
  putBig(e, static_cast<std::uint32_t>(microsecondsPerQuarter), 3);
  events_.push_back({tick, 0, e});
}

void MidiTrack::timeSignature(std::uint32_t tick, int numerator, int denominatorPower) {
  events_.push_back({tick, 0, {0xFF, 0x58, 0x04, byte(numerator), byte(denominatorPower), 24, 8}});
}

Bytes MidiTrack::encode(std::uint32_t endTick) const {
  std::vector<Event> sorted = events_;
  std::stable_sort(sorted.begin(), sorted.end(), [](const Event& a, const Event& b) {
    return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
  });
  Bytes body;
  std::uint32_t at = 0;
  std::uint8_t status = 0;
  for (const Event& e : sorted) {
    putVarLen(body, e.tick - at);
    at = e.tick;
    // Running status: a channel event with the status of the one before
    // leaves its status byte out.
    const bool channelEvent = e.bytes[0] < 0xF0;
    const bool sameStatus = channelEvent && e.bytes[0] == status;
    body.insert(body.end(), e.bytes.begin() + (sameStatus ? 1 : 0), e.bytes.end());
    status = channelEvent ? e.bytes[0] : 0;
  }
  putVarLen(body, endTick - at);
  body.insert(body.end(), {0xFF, 0x2F, 0x00});
  Bytes track;
  putTag(track, "MTrk");
  putBig(track, static_cast<std::uint32_t>(body.size()), 4);
  track.insert(track.end(), body.begin(), body.end());
  return track;
}

Bytes midiFile(const std::vector<MidiTrack>& tracks, int ticksPerQuarter, std::uint32_t endTick) {
  Bytes f;
  putTag(f, "MThd");
  putBig(f, 6, 4);
  putBig(f, 1, 2);  // format 1: simultaneous tracks
  putBig(f, static_cast<std::uint32_t>(tracks.size()), 2);
  putBig(f, static_cast<std::uint32_t>(ticksPerQuarter), 2);
  for (const MidiTrack& t : tracks) {
    const Bytes encoded = t.encode(endTick);
    f.insert(f.end(), encoded.begin(), encoded.end());
  }
  return f;
}

}  // namespace quov::sounds
