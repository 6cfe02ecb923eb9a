// Capitals and visible length of UTF-8 text, for the headless platform.
#include "headless/headless_platform.h"

namespace quov {

namespace {

// Code points of a UTF-8 text; a byte that starts no valid sequence stands
// for itself.
std::vector<char32_t> decode(const std::string& text) {
  std::vector<char32_t> out;
  for (std::size_t i = 0; i < text.size();) {
    const auto b = static_cast<unsigned char>(text[i]);
    const int extra = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : 0;
    char32_t c = extra == 0 ? b : b & (0x3F >> extra);
    bool whole = i + extra < text.size() || extra == 0;
    for (int k = 1; whole && k <= extra; ++k) {
      const auto t = static_cast<unsigned char>(text[i + k]);
      whole = (t & 0xC0) == 0x80;
      c = (c << 6) | (t & 0x3F);
    }
    if (!whole) {
      out.push_back(b);
      ++i;
      continue;
    }
    out.push_back(c);
    i += 1 + extra;
  }
  return out;
}

void encode(char32_t c, std::string& out) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// Marks drawn on the character before them, and the joiners and selectors
// that make one picture of several code points.
bool joinsPrevious(char32_t c) {
  return (c >= 0x0300 && c <= 0x036F) || (c >= 0x1AB0 && c <= 0x1AFF) ||
         (c >= 0x1DC0 && c <= 0x1DFF) || (c >= 0x20D0 && c <= 0x20FF) ||
         (c >= 0xFE00 && c <= 0xFE0F) || (c >= 0xFE20 && c <= 0xFE2F) ||
         (c >= 0x1F3FB && c <= 0x1F3FF) || c == 0x200D;
}

char32_t capital(char32_t c) {
  if (c >= 'a' && c <= 'z') return c - 0x20;
  if ((c >= 0xE0 && c <= 0xFE && c != 0xF7)) return c - 0x20;
  if (c == 0xFF) return 0x178;
  const bool pairedOdd = (c >= 0x100 && c <= 0x137) || (c >= 0x14A && c <= 0x177);
  if (pairedOdd && (c & 1)) return c - 1;
  const bool pairedEven = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
  if (pairedEven && !(c & 1)) return c - 1;
  if (c == 0x3C2) return 0x3A3;  // final sigma
  if (c >= 0x3B1 && c <= 0x3C9) return c - 0x20;
  if (c >= 0x430 && c <= 0x44F) return c - 0x20;
  if (c >= 0x450 && c <= 0x45F) return c - 0x50;
  return c;
}

}  // namespace

std::string PlainTextRules::upper(const std::string& text) {
  std::string out;
  for (char32_t c : decode(text)) encode(capital(c), out);
  return out;
}

int PlainTextRules::length(const std::string& text) {
  int n = 0;
  bool joined = false;  // the last code point was a joiner: the next one adds nothing
  for (char32_t c : decode(text)) {
    if (!joined && !joinsPrevious(c)) ++n;
    joined = c == 0x200D;
  }
  return n;
}

}  // namespace quov
