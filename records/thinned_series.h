// A series of points over a run of any length, kept to a size a chart can
// draw: every point while there are few, then every second, fourth ...
// point, the stride doubling whenever the kept points fill up. The latest
// point is always at hand, so a series ends where the run ends.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace quov {

template <class Point>
class ThinnedSeries {
 public:
  explicit ThinnedSeries(std::size_t most) : most_(most < 2 ? 2 : most) {}

  void add(const Point& p) {
    if (seen_ % stride_ == 0) {
      if (kept_.size() == most_) {
        // Every other point goes; the ones left are those a run twice the
        // stride would have kept.
        std::size_t j = 0;
        for (std::size_t i = 0; i < kept_.size(); i += 2) kept_[j++] = kept_[i];
        kept_.resize(j);
        stride_ *= 2;
      }
      if (seen_ % stride_ == 0) kept_.push_back(p);
    }
    last_ = p;
    ++seen_;
  }

  // The kept points, with the latest after them when it was not kept.
  std::vector<Point> points() const {
    std::vector<Point> all = kept_;
    if (last_ && (seen_ - 1) % stride_ != 0) all.push_back(*last_);
    return all;
  }
  std::uint64_t seen() const { return seen_; }

 private:
  std::size_t most_;
  std::uint64_t stride_ = 1, seen_ = 0;
  std::vector<Point> kept_;
  std::optional<Point> last_;
};

}  // namespace quov
