// Random draws: one generator, seeded once, unbiased over 1..n; and a
// scripted source that hands out forced values first (tests use it to force
// outcomes, for instance the next five reel stops).
#pragma once

#include <cstdint>
#include <deque>
#include <initializer_list>
#include <random>

#include "platform/services.h"

namespace quov {

class SeededRandom : public Random {
 public:
  // Seeded from a true random source.
  SeededRandom();
  explicit SeededRandom(std::uint64_t seed);
  int draw(int n) override;

 private:
  std::mt19937_64 engine_;
};

class ScriptedRandom : public Random {
 public:
  explicit ScriptedRandom(Random& fallback) : fallback_(fallback) {}
  // Values handed out, in order, before falling back to the generator. Each
  // scripted value must lie in 1..n of the draw that takes it; one that does
  // not is a fault of the script and throws.
  void push(std::initializer_list<int> values);
  void push(int value) { script_.push_back(value); }
  void clear() { script_.clear(); }
  std::size_t pending() const { return script_.size(); }
  int draw(int n) override;
  std::uint64_t draws() const { return draws_; }

 private:
  Random& fallback_;
  std::deque<int> script_;
  std::uint64_t draws_ = 0;
};

}  // namespace quov
