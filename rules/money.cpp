#include "rules/money.h"

#include <charconv>

namespace quov {

std::string plainCents(long long cents) { return std::to_string(cents); }

namespace {

// Writes the shortest decimal of cents / 100 at `out` (room for 24
// characters); returns its end. Read every tick for the meters, so it
// builds no string of its own.
char* writeDollars(char* out, long long cents) {
  const unsigned long long a =
      cents < 0 ? 0ULL - static_cast<unsigned long long>(cents) : static_cast<unsigned long long>(cents);
  if (cents < 0) *out++ = '-';
  out = std::to_chars(out, out + 21, a / 100).ptr;
  const unsigned frac = static_cast<unsigned>(a % 100);
  if (frac != 0) {
    *out++ = '.';
    *out++ = static_cast<char>('0' + frac / 10);
    if (frac % 10 != 0) *out++ = static_cast<char>('0' + frac % 10);
  }
  return out;
}

}  // namespace

std::string dollars(long long cents) {
  char text[24];
  return std::string(text, writeDollars(text, cents));
}

std::string moneyText(long long cents) {
  char text[26] = {'$', ' '};
  return std::string(text, writeDollars(text + 2, cents));
}

}  // namespace quov
