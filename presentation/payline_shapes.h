// The drawn shape of every payline: the rows it takes on reels 1..5, its
// colour and the straight segments of its polyline, in twips of the main
// screen. Marker 26, the second marker of line 1, draws the middle row at
// its own height.
#pragma once

#include <array>
#include <cstdint>

namespace quov {

inline constexpr int kMaxSegments = 6;
inline constexpr int kMarkers = 26;

struct Segment {
  float x1, y1, x2, y2;
};

struct PaylineShape {
  const char* rows;      // "TMBMT": top, middle or bottom row on reels 1..5
  std::uint32_t colour;  // 0xRRGGBB, every segment of the line
  int segments;          // elements Lineflash(1..segments) draw the line
  std::array<Segment, kMaxSegments> segment;
};

// The shape of marker 1..26 (marker k draws payline k; 26 draws line 1).
const PaylineShape& paylineShape(int marker);

}  // namespace quov
