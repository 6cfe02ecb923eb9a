// A series of points over a run of any length, kept to a size a chart can
// draw: every point while there are few, then only points at least two,
// four ... places apart along the run (the place is the game or the record
// a point stands at), the spacing doubling whenever the kept points fill
// up. Points may come a place apart (one a game) or far apart (one for a
// summarized block of games); either way the kept ones spread evenly over
// the run. The latest point is always at hand, so a series ends where the
// run ends.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace quov {

template <class Point, auto place>
class ThinnedSeries {
 public:
  explicit ThinnedSeries(std::size_t most) : most_(most < 2 ? 2 : most) {}

  void add(const Point& p) {
    lastKept_ = farEnough(p);
    while (lastKept_ && kept_.size() == most_) {
      // The spacing doubles and the points it would not have kept go: every
      // other one where they stood a place apart.
      spacing_ *= 2;
      std::size_t j = 1;
      for (std::size_t i = 1; i < kept_.size(); ++i)
        if (at(kept_[i]) >= at(kept_[j - 1]) + spacing_) kept_[j++] = kept_[i];
      kept_.resize(j);
      lastKept_ = farEnough(p);
    }
    if (lastKept_) kept_.push_back(p);
    last_ = p;
  }

  // The kept points, with the latest after them when it was not kept.
  std::vector<Point> points() const {
    std::vector<Point> all = kept_;
    if (last_ && !lastKept_) all.push_back(*last_);
    return all;
  }

 private:
  static std::int64_t at(const Point& p) { return static_cast<std::int64_t>(p.*place); }
  bool farEnough(const Point& p) const { return kept_.empty() || at(p) >= at(kept_.back()) + spacing_; }

  std::size_t most_;
  std::int64_t spacing_ = 1;
  std::vector<Point> kept_;
  std::optional<Point> last_;
  bool lastKept_ = false;
};

}  // namespace quov
