#pragma once
// The greedy chord simplification shared by brush strokes and traced
// outlines: a point is dropped while every point between the last kept one
// and the next candidate lies within tolerance of the chord joining them.
//
// The tolerance is factor × (1 .. √2) pixels, the larger towards the
// diagonals: factor × |d| / max(|dx|, |dy|) for the chord d. Points are
// measured from the chord itself, not the whole line through it, so a chain
// that runs out and comes back along the same line keeps its far end. A chord
// between two equal points accepts every point within the factor of them.

#include <cstddef>
#include <vector>

#include "platform/dc.h"

namespace daub {

// A chord spans at most this many points, so that simplifying a long
// straight run costs linear time rather than quadratic.
constexpr std::size_t kMaxChordSpan = 1024;

// The simplification fed one point at a time; it holds only the points since
// the last kept one (at most about kMaxChordSpan), so a chain of any length
// costs memory for what it keeps.
class ChordChain {
 public:
  explicit ChordChain(double factor) : factor_(factor) {}

  // The next point of the chain. A pinned point is always kept.
  void add(IntPoint p, bool pinned = false);
  // Ends the chain: its last point is kept (a chain of one point keeps it
  // twice; no points keep nothing). Returns the kept points in order and
  // starts a new, empty chain.
  std::vector<IntPoint> finish();
  // Number of points kept so far (the last point of the chain not included).
  std::size_t kept_count() const { return kept_.size(); }

 private:
  void advance();

  double factor_;
  std::vector<IntPoint> kept_;
  // The points from the anchor on: window_[0] is the anchor.
  std::vector<IntPoint> window_;
  std::vector<bool> pinned_;
  std::size_t good_ = 1;       // the last good point, as an index into window_
  std::size_t candidate_ = 2;  // the chord's far end, as an index into window_
  std::size_t count_ = 0;      // points added to this chain
};

// The whole chain at once (no pinned points).
std::vector<IntPoint> simplify_by_chords(const std::vector<IntPoint>& points, double factor);

}  // namespace daub
