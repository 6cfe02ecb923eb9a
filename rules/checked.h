// The machine's arithmetic: every counter and amount has a fixed width, and a
// statement whose result would not fit is skipped, leaving the variable as it
// was. These helpers do the arithmetic in 64 bits and store only a result
// that fits; they return whether it was stored.
#pragma once

#include <charconv>
#include <cstdint>
#include <limits>
#include <string_view>
#include <type_traits>

namespace quov {

template <class T>
bool fits(long long x) {
  return x >= static_cast<long long>(std::numeric_limits<T>::min()) &&
         x <= static_cast<long long>(std::numeric_limits<T>::max());
}

template <class T>
bool assign(T& v, long long x) {
  static_assert(std::is_integral_v<T>);
  if (!fits<T>(x)) return false;
  v = static_cast<T>(x);
  return true;
}

template <class T>
bool add(T& v, long long x) {
  return assign(v, static_cast<long long>(v) + x);
}

template <class T>
bool sub(T& v, long long x) {
  return assign(v, static_cast<long long>(v) - x);
}

template <class T>
bool mul(T& v, long long x) {
  return assign(v, static_cast<long long>(v) * x);
}

// Text to number for a variable of type T: optional blanks around an
// optional sign and decimal digits. Anything else, the empty text, or a value
// out of T's range fails and leaves `v` unchanged.
template <class T>
bool parseInto(T& v, std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  // One sign at most: a '+' is dropped here, a '-' is read by from_chars,
  // so a '-' right after a '+' would be a second sign.
  if (!text.empty() && text.front() == '+') {
    text.remove_prefix(1);
    if (!text.empty() && text.front() == '-') return false;
  }
  if (text.empty()) return false;
  long long x = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), x);
  if (ec != std::errc{} || end != text.data() + text.size()) return false;
  return assign(v, x);
}

}  // namespace quov
