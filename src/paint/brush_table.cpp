// The falloff of one brush as a table. A dab's value at a pixel depends only
// on the squared distance r² from the dab centre, and never rises as r²
// grows: sqrt, the division by W and the scaling by π/2 are correctly
// rounded, cos falls on [0, π/2] and a power with a non-negative exponent of a
// falling base does not rise. So the whole falloff is told by at most 255
// numbers: for every value k, the smallest r² whose value is below k. They
// are found by bisection over the doubles with the very function the plain
// dab uses, so a value read from them is exactly the value the plain dab
// computes — without a cosine or a power per pixel. An index over r² gives
// each pixel's value at the start of its interval in one look-up.
//
// A table over r² serves one width. The plain dab computes u = 2r/W and
// the value from u alone, so a table over u serves every width of one blur
// and density: the dabs of a thinned end, each of its own width.

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

#include "geometry/angle.h"
#include "paint/brush.h"
#include "paint/brush_internal.h"

namespace daub::brush_detail {
namespace {

// Pixels evaluated one by one for a brush after which its table pays.
constexpr long kBuildAfter = 4096;
// Entries of the index; the steps make every entry exact, the size only
// decides how often a pixel walks down a step.
constexpr double kIndexEntries = 4096;

// Widths far outside what a canvas can show, and brushes whose value could
// rise with the distance, are left to the pixel-by-pixel path.
bool table_fits(const BrushParams& b) {
  return b.width > 1e-100 && b.width < 1e150 && b.blur >= 0 && b.density >= 0 &&
         std::isfinite(b.blur) && std::isfinite(b.density);
}

// The falloff of a brush as a function of one measure of the distance.
struct Profile {
  const BrushParams& b;
  Measure measure;

  int value(double m) const {
    return measure == Measure::kR2 ? falloff_value(std::sqrt(m), b.width, b.blur, b.density)
                                   : falloff_of_u(m, b.blur, b.density);
  }
  // A measure from which the falloff is surely 0: past the dab's radius by
  // a margin far above rounding.
  double top() const {
    return measure == Measure::kR2 ? b.width * b.width * 0.25 * (1.0 + 1e-6) : 1.0 + 1e-6;
  }
  // Where the value drops below k, were there no truncation or rounding.
  double guess(int k) const {
    const double u = std::acos(std::pow(k / (255.0 * b.density), 1.0 / b.blur)) * 2.0 / kPi;
    const double r = u * b.width * 0.5;
    return measure == Measure::kR2 ? r * r : u;
  }
  FalloffTable::Key key() const {
    return {measure == Measure::kR2 ? b.width : 0.0, b.blur, b.density};
  }
};

// Smallest measure in (lo, hi] whose value is below k, given value(lo) ≥ k
// and value(hi) < k: bisection over the ordered bit patterns of
// non-negative doubles.
double bisect_below(const Profile& p, int k, double lo, double hi) {
  auto lo_bits = std::bit_cast<std::uint64_t>(lo);
  auto hi_bits = std::bit_cast<std::uint64_t>(hi);
  while (hi_bits - lo_bits > 1) {
    const std::uint64_t mid = lo_bits + (hi_bits - lo_bits) / 2;
    if (p.value(std::bit_cast<double>(mid)) < k)
      hi_bits = mid;
    else
      lo_bits = mid;
  }
  return std::bit_cast<double>(hi_bits);
}

// Narrows [lo, hi] around a guess by steps doubling from one unit in the
// last place, keeping value(lo) ≥ k > value(hi); the guess is usually a few
// units off, so the bisection that follows is short.
void bracket(const Profile& p, int k, double guess, double& lo, double& hi) {
  if (!(guess > lo && guess < hi)) return;
  const auto g = std::bit_cast<std::uint64_t>(guess);
  const bool below = p.value(guess) < k;
  (below ? hi : lo) = guess;
  for (std::uint64_t d = 1; d < (std::uint64_t{1} << 62); d *= 2) {
    const double probe = std::bit_cast<double>(below ? g - std::min(d, g) : g + d);
    if (!(probe > lo && probe < hi)) return;
    if ((p.value(probe) < k) != below) {
      (below ? lo : hi) = probe;
      return;
    }
    (below ? hi : lo) = probe;
  }
}

void find_steps(FalloffTable& t, const Profile& p) {
  t.peak = p.value(0.0);
  t.below.fill(0.0);  // no measure has a value above the peak
  t.below[0] = std::numeric_limits<double>::infinity();
  double lo = 0.0;  // value(lo) ≥ k for the k in hand
  for (int k = t.peak; k >= 1; --k) {
    double l = lo, h = p.top();
    bracket(p, k, p.guess(k), l, h);
    t.below[k] = bisect_below(p, k, l, h);
    lo = std::max(lo, l);
  }
}

// start[i] = the value at the measure i·step, read off the steps.
void build_index(FalloffTable& t) {
  const double limit = t.below[1];
  t.step = limit > 0 ? std::exp2(std::ceil(std::log2(limit / kIndexEntries))) : 1.0;
  t.inv_step = 1.0 / t.step;
  const auto entries = static_cast<std::size_t>(std::ceil(limit * t.inv_step)) + 1;
  t.start.assign(entries, 0);
  int k = t.peak;
  for (std::size_t i = 0; i < entries; ++i) {
    const double m = static_cast<double>(i) * t.step;
    while (k > 0 && m >= t.below[k]) --k;
    t.start[i] = static_cast<std::uint8_t>(k);
  }
}

bool same_key(const FalloffTable::Key& a, const FalloffTable::Key& b) {
  return a.width == b.width && a.blur == b.blur && a.density == b.density;
}

}  // namespace

const FalloffTable* table_for(FalloffTable& t, const BrushParams& b, long long pixels,
                              Measure measure) {
  if (!table_fits(b)) return nullptr;
  const Profile profile{b, measure};
  const FalloffTable::Key key = profile.key();
  if (t.built && same_key(t.key, key)) return &t;
  if (!same_key(t.pending, key)) {
    t.pending = key;
    t.pending_pixels = 0;
  }
  if (pixels < kBuildAfter - t.pending_pixels) return nullptr;
  t.key = key;
  find_steps(t, profile);
  build_index(t);
  t.built = true;
  return &t;
}

void count_exact_pixels(FalloffTable& t, long long pixels) {
  t.pending_pixels += static_cast<long>(std::min<long long>(pixels, kBuildAfter));
}

}  // namespace daub::brush_detail
