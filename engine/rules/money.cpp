#include "engine/rules/money.h"

namespace quov {

std::string plainCents(long long cents) { return std::to_string(cents); }

std::string dollars(long long cents) {
  const bool negative = cents < 0;
  const unsigned long long a =
      negative ? 0ULL - static_cast<unsigned long long>(cents) : static_cast<unsigned long long>(cents);
  std::string s = negative ? "-" : "";
  s += std::to_string(a / 100);
  const unsigned frac = static_cast<unsigned>(a % 100);
  if (frac != 0) {
    s += '.';
    s += static_cast<char>('0' + frac / 10);
    if (frac % 10 != 0) s += static_cast<char>('0' + frac % 10);
  }
  return s;
}

std::string moneyText(long long cents) { return "$ " + dollars(cents); }

}  // namespace quov
