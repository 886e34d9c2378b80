#include "geometry/chord_chain.h"

#include <algorithm>
#include <cmath>

namespace daub {
namespace {

// Distance of e from the chord from (0, 0) to d of length len, direction (co, s).
double chord_distance(double ex, double ey, double dx, double dy, double len, double co, double s) {
  const double along = ex * co + ey * s;
  if (along < 0) return std::sqrt(ex * ex + ey * ey);
  if (along > len) return std::sqrt((ex - dx) * (ex - dx) + (ey - dy) * (ey - dy));
  return std::fabs(ex * s - ey * co);
}

// True when every point strictly between p[0] and p[c] lies within tolerance
// of the chord p[0] → p[c].
bool chord_holds(const std::vector<IntPoint>& p, std::size_t c, double factor) {
  const double dx = static_cast<double>(p[c].x) - p[0].x;
  const double dy = static_cast<double>(p[c].y) - p[0].y;
  const double len = std::sqrt(dx * dx + dy * dy);
  const double theta = std::atan2(dy, dx);
  const double tolerance = len > 0 ? factor * len / std::max(std::fabs(dx), std::fabs(dy)) : factor;
  const double s = std::sin(theta), co = std::cos(theta);
  for (std::size_t k = 1; k < c; ++k) {
    const double ex = static_cast<double>(p[k].x) - p[0].x;
    const double ey = static_cast<double>(p[k].y) - p[0].y;
    if (!(chord_distance(ex, ey, dx, dy, len, co, s) <= tolerance)) return false;
  }
  return true;
}

}  // namespace

void ChordChain::add(IntPoint p, bool pinned) {
  window_.push_back(p);
  pinned_.push_back(pinned);
  if (++count_ == 1) {
    kept_.push_back(p);
    return;
  }
  advance();
}

// Anchor a = window_[0], last good g, candidate c: while the chord a → c
// holds, g := c and c moves on; else g is kept and becomes the anchor.
void ChordChain::advance() {
  while (candidate_ < window_.size()) {
    if (candidate_ <= kMaxChordSpan && !pinned_[good_] &&
        chord_holds(window_, candidate_, factor_)) {
      good_ = candidate_++;
      continue;
    }
    kept_.push_back(window_[good_]);
    window_.erase(window_.begin(), window_.begin() + static_cast<std::ptrdiff_t>(good_));
    pinned_.erase(pinned_.begin(), pinned_.begin() + static_cast<std::ptrdiff_t>(good_));
    good_ = 1;
    candidate_ = 2;
  }
}

std::vector<IntPoint> ChordChain::finish() {
  std::vector<IntPoint> kept;
  if (count_ > 0) {
    kept_.push_back(window_.back());
    kept.swap(kept_);
  }
  window_.clear();
  pinned_.clear();
  good_ = 1;
  candidate_ = 2;
  count_ = 0;
  return kept;
}

std::vector<IntPoint> simplify_by_chords(const std::vector<IntPoint>& points, double factor) {
  ChordChain chain(factor);
  for (const IntPoint& p : points) chain.add(p);
  return chain.finish();
}

}  // namespace daub
