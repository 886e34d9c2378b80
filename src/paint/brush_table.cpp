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
// Entries of the r² index; the steps make every entry exact, the size only
// decides how often a pixel walks down a step.
constexpr double kIndexEntries = 4096;

// Widths far outside what a canvas can show, and brushes whose value could
// rise with the distance, are left to the pixel-by-pixel path.
bool table_fits(const BrushParams& b) {
  return b.width > 1e-100 && b.width < 1e150 && b.blur >= 0 && b.density >= 0 &&
         std::isfinite(b.blur) && std::isfinite(b.density);
}

int value_at_r2(const BrushParams& b, double r2) {
  return falloff_value(std::sqrt(r2), b.width, b.blur, b.density);
}

// r² from which the falloff is surely 0: past the dab's radius by a margin
// far above rounding.
double outer_r2(double width) { return width * width * 0.25 * (1.0 + 1e-6); }

// Smallest r² in (lo, hi] whose value is below k, given value(lo) ≥ k and
// value(hi) < k: bisection over the ordered bit patterns of non-negative doubles.
double bisect_below(const BrushParams& b, int k, double lo, double hi) {
  auto lo_bits = std::bit_cast<std::uint64_t>(lo);
  auto hi_bits = std::bit_cast<std::uint64_t>(hi);
  while (hi_bits - lo_bits > 1) {
    const std::uint64_t mid = lo_bits + (hi_bits - lo_bits) / 2;
    if (value_at_r2(b, std::bit_cast<double>(mid)) < k)
      hi_bits = mid;
    else
      lo_bits = mid;
  }
  return std::bit_cast<double>(hi_bits);
}

// Where the value drops below k, were there no truncation or rounding.
double guess_below(const BrushParams& b, int k) {
  const double u = std::acos(std::pow(k / (255.0 * b.density), 1.0 / b.blur)) * 2.0 / kPi;
  const double r = u * b.width * 0.5;
  return r * r;
}

// Narrows [lo, hi] around a guess by steps doubling from one unit in the
// last place, keeping value(lo) ≥ k > value(hi); the guess is usually a few
// units off, so the bisection that follows is short.
void bracket(const BrushParams& b, int k, double guess, double& lo, double& hi) {
  if (!(guess > lo && guess < hi)) return;
  const auto g = std::bit_cast<std::uint64_t>(guess);
  const bool below = value_at_r2(b, guess) < k;
  (below ? hi : lo) = guess;
  for (std::uint64_t d = 1; d < (std::uint64_t{1} << 62); d *= 2) {
    const double probe = std::bit_cast<double>(below ? g - std::min(d, g) : g + d);
    if (!(probe > lo && probe < hi)) return;
    if ((value_at_r2(b, probe) < k) != below) {
      (below ? lo : hi) = probe;
      return;
    }
    (below ? hi : lo) = probe;
  }
}

void find_steps(FalloffTable& t, const BrushParams& b) {
  t.peak = value_at_r2(b, 0.0);
  t.below.fill(0.0);  // no r² has a value above the peak
  t.below[0] = std::numeric_limits<double>::infinity();
  double lo = 0.0;  // value(lo) ≥ k for the k in hand
  const double top = outer_r2(b.width);
  for (int k = t.peak; k >= 1; --k) {
    double l = lo, h = top;
    bracket(b, k, guess_below(b, k), l, h);
    t.below[k] = bisect_below(b, k, l, h);
    lo = std::max(lo, l);
  }
}

// start[i] = the value at r² = i·step, read off the steps.
void build_index(FalloffTable& t) {
  const double limit = t.below[1];
  t.step = limit > 0 ? std::exp2(std::ceil(std::log2(limit / kIndexEntries))) : 1.0;
  t.inv_step = 1.0 / t.step;
  const auto entries = static_cast<std::size_t>(std::ceil(limit * t.inv_step)) + 1;
  t.start.assign(entries, 0);
  int k = t.peak;
  for (std::size_t i = 0; i < entries; ++i) {
    const double r2 = static_cast<double>(i) * t.step;
    while (k > 0 && r2 >= t.below[k]) --k;
    t.start[i] = static_cast<std::uint8_t>(k);
  }
}

bool same_key(const FalloffTable::Key& k, const BrushParams& b) {
  return k.width == b.width && k.blur == b.blur && k.density == b.density;
}

}  // namespace

const FalloffTable* table_for(FalloffTable& t, const BrushParams& b, long long pixels) {
  if (!table_fits(b)) return nullptr;
  if (t.built && same_key(t.key, b)) return &t;
  if (!same_key(t.pending, b)) {
    t.pending = {b.width, b.blur, b.density};
    t.pending_pixels = 0;
  }
  if (pixels < kBuildAfter - t.pending_pixels) return nullptr;
  t.key = t.pending;
  find_steps(t, b);
  build_index(t);
  t.built = true;
  return &t;
}

void count_exact_pixels(FalloffTable& t, long long pixels) {
  t.pending_pixels += static_cast<long>(std::min<long long>(pixels, kBuildAfter));
}

}  // namespace daub::brush_detail
