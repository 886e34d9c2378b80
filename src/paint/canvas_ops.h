#pragma once
// Whole-picture operations on a canvas's 24-bit picture: scaling,
// compressing, rotating, resizing, recolouring channel by channel and
// mirroring. Each changes the picture in place only when it succeeds; on any
// refusal the picture is left exactly as it was.
//
// An empty Dib is "no picture". An operation whose result has no pixels
// (a scale by 0, a compression of a picture smaller than the block, a size of
// 0) leaves an empty Dib: the canvas then has no picture.

#include <optional>
#include "model/records.h"
#include "picture/dib.h"

namespace daub {

enum class OpStatus {
  kDone,
  kUnchanged,  // no readable 24-bit picture, or a parameter out of range
  kTooLarge,   // the result would be larger than the picture toolkit accepts
};

// Channel parameters in the order the user gives them: red, green, blue.
struct Channels {
  double red = 0, green = 0, blue = 0;
};
inline Channels uniform(double v) { return {v, v, v}; }

// New size trunc(w × kx) × trunc(h × ky); new pixel (x, y) in stored rows
// samples source (x / kx, y / ky) bilinearly. Factors must be ≥ 0.
OpStatus scale_picture(Dib& dib, double kx, double ky);
// New size (w div n) × (h div n); each pixel the per-channel average of the
// n × n block it covers. n must be ≥ 1.
OpStatus compress_picture(Dib& dib, int n);
// Turns the picture about its centre by `radians` (clockwise on screen for a
// positive angle), keeping its size; what falls outside becomes black. The
// last column and the last stored row are never sampled, so they turn black
// even at angle 0.
OpStatus rotate_picture(Dib& dib, double radians);
// A new w × h picture filled with the colour; sizes must be ≥ 0. Unlike the
// others it needs no picture to start from.
OpStatus size_picture(Dib& dib, int w, int h, Colorref color);

// trunc(c × k) per channel, or with `curve` the curve 1 − (1 − c/255)^k that
// keeps 0 and 255. Factors must be ≥ 0.
OpStatus multiply_picture(Dib& dib, Channels k, bool curve);
// c + trunc(v × 255) per channel, or with `curve` the brush's lighten (v > 0)
// or darken (v < 0) curve with strength |v| (at most 1).
OpStatus add_picture(Dib& dib, Channels v, bool curve);
// 255 − c per channel.
OpStatus negative_picture(Dib& dib);
// Every channel the truncated mean of the three.
OpStatus grey_picture(Dib& dib);
// Every pixel the colour.
OpStatus fill_picture(Dib& dib, Colorref color);
// Left and right exchanged.
OpStatus mirror_picture(Dib& dib);

// Turns the picture by whole quarter turns clockwise as shown (negative:
// anticlockwise); a turn by one or three quarters swaps width and height.
OpStatus turn_picture(Dib& dib, int quarters);

// The colour of the pixel x columns from the left and y rows from the top as
// shown; none outside the picture or for a picture that is not 24-bit.
std::optional<Colorref> picture_color(const Dib& dib, int x, int y);

// How two pictures combine channel by channel (integer division truncates).
enum class Combine {
  kMultiply,  // c1 × c2 / 255: white keeps, black blacks out
  kScreen,    // 255 − (255 − c1) × (255 − c2) / 255: black keeps, white whitens
  kAdd,       // c1 + c2, held at 255
  kSubtract,  // c1 − c2, held at 0
};
// One channel of the combination.
std::uint8_t combine_channel(int c1, int c2, Combine how);
// Combines `src`, whose top-left lies (ox, oy) pixels right of and below the
// top-left of `dst`, into `dst` where the two overlap; the rest of `dst` stays.
OpStatus combine_pictures(Dib& dst, const Dib& src, int ox, int oy, Combine how);

// A picture whose top-left lies (dx, dy) pixels right of and below the
// top-left of another, in fractions of a pixel as well.
struct PlacedPicture {
  const Dib* dib = nullptr;
  double dx = 0, dy = 0;
};
// Lays `colour` over `dst` through `matte`. Both are first moved onto the
// pixel grid of `dst`: each is sampled bilinearly at the fraction by which
// it lies off the grid, then aligned by the whole pixels. Where the aligned
// matte and colour pixels lie strictly inside their pictures (neither the
// first nor the last row or column), each channel with matte value m ≠ 0
// becomes trunc((1 − a) × c + a × colour) with a = m / 255, held in 0..255;
// m = 0 keeps it. The rest of `dst` stays.
OpStatus matte_pictures(Dib& dst, PlacedPicture matte, PlacedPicture colour);

}  // namespace daub
