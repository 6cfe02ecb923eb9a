// Writes the machine's placeholder sounds: one soft, short tone per wave clip
// in the clip's own format (rate, bits, mono, length) and a small two-track
// MIDI tune. Run at build time; the files become program resources.
//   make_sounds <output folder>   ->  <folder>/WAVE/RESOURCE_ID_<n>, <folder>/MIDI/1
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iostream>
#include <string>
#include <vector>

namespace {

struct ClipFormat {
  int id;
  int rate;
  int bits;
  double seconds;
};

// Rate, sample width and length of each clip.
constexpr ClipFormat kClips[] = {
    {102, 22050, 8, 0.23},  {103, 11025, 8, 0.62},  {104, 22050, 16, 0.11},
    {105, 11025, 8, 1.14},  {112, 44100, 8, 0.33},  {114, 44100, 8, 2.16},
    {115, 44100, 8, 1.76},  {117, 44100, 8, 1.49},  {118, 44100, 8, 2.53},
    {119, 44100, 8, 2.52},  {120, 44100, 8, 0.81},  {121, 11025, 8, 3.02},
    {122, 44100, 8, 2.40},  {123, 44100, 8, 2.56},  {124, 44100, 8, 5.03},
    {125, 11025, 8, 5.87},  {126, 44100, 8, 2.53},  {128, 11025, 8, 0.14},
    {130, 22050, 8, 0.10},  {139, 8000, 8, 4.77},   {140, 11025, 8, 22.83},
    {141, 44100, 8, 0.80},  {142, 11025, 16, 0.79}, {143, 11025, 16, 0.79},
    {144, 11025, 16, 0.79}, {145, 11025, 16, 0.79}, {146, 11025, 16, 0.79},
};

using Bytes = std::vector<std::uint8_t>;

void put16(Bytes& b, unsigned v) {
  b.push_back(static_cast<std::uint8_t>(v & 0xFF));
  b.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
}
void put32(Bytes& b, std::uint32_t v) {
  put16(b, v & 0xFFFF);
  put16(b, v >> 16);
}
void putTag(Bytes& b, const char* tag) {
  for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>(tag[i]));
}
void append(Bytes& b, std::initializer_list<std::uint8_t> bytes) {
  for (std::uint8_t v : bytes) b.push_back(v);
}

// A soft tone that fades out within its first 0.35 s, silence after it.
Bytes wave(const ClipFormat& c) {
  const auto frames = static_cast<std::uint32_t>(std::lround(c.rate * c.seconds));
  const std::uint32_t bytesPerSample = c.bits / 8;
  const std::uint32_t dataSize = frames * bytesPerSample;
  Bytes b;
  putTag(b, "RIFF");
  put32(b, 36 + dataSize + (dataSize & 1));
  putTag(b, "WAVE");
  putTag(b, "fmt ");
  put32(b, 16);
  put16(b, 1);  // PCM
  put16(b, 1);  // mono
  put32(b, static_cast<std::uint32_t>(c.rate));
  put32(b, static_cast<std::uint32_t>(c.rate) * bytesPerSample);
  put16(b, bytesPerSample);
  put16(b, static_cast<unsigned>(c.bits));
  putTag(b, "data");
  put32(b, dataSize);
  const double pi = 3.14159265358979;
  const double pitch = 330.0 * std::pow(2.0, ((c.id * 7) % 24) / 12.0);
  const double toneLength = std::min(c.seconds, 0.35);
  for (std::uint32_t i = 0; i < frames; ++i) {
    const double t = static_cast<double>(i) / c.rate;
    double level = 0;
    if (t < toneLength) {
      const double attack = std::min(1.0, t / 0.005);
      const double release = 1.0 - t / toneLength;
      level = 0.08 * attack * release * release * std::sin(2 * pi * pitch * t);
    }
    if (c.bits == 8) {
      b.push_back(static_cast<std::uint8_t>(std::lround(128 + 127 * level)));
    } else {
      put16(b, static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(32767 * level))));
    }
  }
  if (dataSize & 1) b.push_back(0);
  return b;
}

void putBig32(Bytes& b, std::uint32_t v) {
  for (int s = 24; s >= 0; s -= 8) b.push_back(static_cast<std::uint8_t>((v >> s) & 0xFF));
}
void putVarLen(Bytes& b, std::uint32_t v) {
  std::uint8_t bytes[4];
  int n = 0;
  do {
    bytes[n++] = static_cast<std::uint8_t>(v & 0x7F);
    v >>= 7;
  } while (v);
  while (n-- > 0) b.push_back(static_cast<std::uint8_t>(bytes[n] | (n ? 0x80 : 0)));
}
void track(Bytes& file, const Bytes& events) {
  putTag(file, "MTrk");
  putBig32(file, static_cast<std::uint32_t>(events.size()));
  file.insert(file.end(), events.begin(), events.end());
}

// Format 1, two tracks (tempo, melody), 256 ticks per quarter note.
Bytes tune() {
  Bytes f;
  putTag(f, "MThd");
  putBig32(f, 6);
  append(f, {0, 1, 0, 2, 1, 0});
  Bytes tempo = {0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20,        // 120 per minute
                 0x00, 0xFF, 0x58, 0x04, 0x04, 0x02, 0x18, 0x08,  // 4/4
                 0x00, 0xFF, 0x2F, 0x00};
  track(f, tempo);
  Bytes melody = {0x00, 0xC0, 0x0B, 0x00, 0xB0, 0x07, 0x40};  // vibraphone, soft
  const std::uint8_t notes[] = {62, 65, 69, 67, 65, 64, 62, 57, 62, 65, 69, 72, 70, 69, 67, 65};
  for (std::uint8_t n : notes) {
    append(melody, {0x00, 0x90, n, 0x40});
    putVarLen(melody, 240);
    append(melody, {0x80, n, 0x00});
    putVarLen(melody, 16);
    append(melody, {0x80, n, 0x00});  // note off again: a rest of 16 ticks
  }
  append(melody, {0x00, 0xFF, 0x2F, 0x00});
  track(f, melody);
  return f;
}

bool save(const std::filesystem::path& path, const Bytes& data) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: make_sounds <output folder>\n";
    return 2;
  }
  const std::filesystem::path root = argv[1];
  std::filesystem::create_directories(root / "WAVE");
  std::filesystem::create_directories(root / "MIDI");
  for (const ClipFormat& c : kClips)
    if (!save(root / "WAVE" / ("RESOURCE_ID_" + std::to_string(c.id)), wave(c))) return 1;
  return save(root / "MIDI" / "1", tune()) ? 0 : 1;
}
