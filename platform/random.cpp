#include "platform/random.h"

#include <stdexcept>
#include <string>

namespace quov {

namespace {
std::uint64_t trueRandomSeed() {
  std::random_device device;
  return (std::uint64_t{device()} << 32) ^ device();
}
}  // namespace

SeededRandom::SeededRandom() : engine_(trueRandomSeed()) {}
SeededRandom::SeededRandom(std::uint64_t seed) : engine_(seed) {}

int SeededRandom::draw(int n) {
  if (n < 1) return 1;
  // uniform_int_distribution rejects the biased tail, so every value of
  // 1..n has the same chance.
  std::uniform_int_distribution<int> dist(1, n);
  return dist(engine_);
}

void ScriptedRandom::push(std::initializer_list<int> values) {
  for (int v : values) script_.push_back(v);
}

int ScriptedRandom::draw(int n) {
  ++draws_;
  if (script_.empty()) return fallback_.draw(n);
  int v = script_.front();
  script_.pop_front();
  if (v < 1 || v > n)
    throw std::logic_error("scripted draw " + std::to_string(v) + " outside 1.." +
                           std::to_string(n));
  return v;
}

}  // namespace quov
