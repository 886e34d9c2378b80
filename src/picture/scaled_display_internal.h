#pragma once
// The arithmetic the fast and the plain scaled display share, so that both
// give the same bytes.

#include <algorithm>
#include <cstdint>
#include <optional>

#include "model/view.h"
#include "picture/scaled_display.h"

namespace daub::scaled_detail {

// A source coordinate split into its whole pixel and the fraction towards the
// next; a fraction not above 0.0001 counts as none.
struct Split {
  int whole = 0;
  double fraction = 0;
};

inline Split split(double f) {
  Split s;
  s.whole = trunc_to_int(f);
  s.fraction = f - s.whole;
  if (s.fraction <= 0.0001) s.fraction = 0;
  return s;
}

// One channel from the four neighbours: across first, then between the rows.
inline std::uint32_t mix(int a, int b, int c, int d, double ax, double ay) {
  double near_row = a * (1.0 - ax) + b * ax;
  double far_row = c * (1.0 - ax) + d * ax;
  return static_cast<std::uint32_t>(
      std::clamp(trunc_to_int(near_row * (1.0 - ay) + far_row * ay), 0, 255));
}

// The colour (0x00RRGGBB) at source position (fx, fy) of a readable 24-bit
// picture, x across and y in stored rows: the mix of the four neighbours,
// neighbours past the last column or row repeating the edge; black for a
// position outside the picture. The scaled display and the canvas scale and
// rotate all sample through it.
std::uint32_t bilinear_sample(const Dib& dib, const DibInfo& info, double fx, double fy);

// The displayed ranges [x0, x1) × [y0, y1) of the scaled picture inside the
// visible rectangle, with the scaled size; nothing when none is visible.
struct Range {
  int x0 = 0, x1 = 0, y0 = 0, y1 = 0;
  int scaled_h = 0;
};

std::optional<Range> visible_range(const DibInfo& info, int left, int top, double scale,
                                   PixelRect visible);

// The layout of a picture the scaled display can show at that scale.
std::optional<DibInfo> readable_24(const Dib& dib, double scale);
// A black piece of the size of the range, placed for a picture at (left, top).
ScaledPiece black_piece(const Range& r, int left, int top);

}  // namespace daub::scaled_detail
