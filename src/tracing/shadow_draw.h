#pragma once
// Showing the shadow: every outline, in order, as a polygon filled with a
// solid brush and outlined with a one-pixel pen in its colour, so later
// outlines paint over earlier ones (holes and inner levels show). Picture
// point (x, y) lands on client pixel (px + trunc(x · s), py + trunc(y · s))
// for the place (px, py) and scale s.

#include <cstddef>
#include <vector>

#include "model/tracing.h"
#include "platform/dc.h"
#include "tracing/shadow.h"

namespace daub {

// The client pixels of n picture points at the place.
std::vector<IntPoint> placed_points(const IntPoint* points, std::size_t n, ShadowPlace place);

// The smoothed outline: each corner V is cut by a parabola from the point at
// distance c before V on the edge coming in to the point at distance c after
// V on the edge going out, with V as its control point, where c is the
// smoothing depth (picture pixels, times the scale) but at most half of
// either edge; eight pieces a corner. Depth 0 gives the outline itself.
std::vector<IntPoint> smoothed_points(const IntPoint* points, std::size_t n, ShadowPlace place,
                                      double depth);

enum class ShadowStyle { kPlain, kSmoothed };

// Draws every outline of the shadow at the place; the pen and brush of the
// device are put back afterwards.
void draw_shadow(Dc& dc, const Shadow& shadow, ShadowPlace place,
                 ShadowStyle style = ShadowStyle::kPlain, double depth = 0);

}  // namespace daub
