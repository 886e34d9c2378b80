#pragma once
// Showing a picture at a view scale: only the part inside the client area is
// built, pixel by pixel from a bilinear mix of the four neighbouring source
// pixels, and put on the device 1:1. Canvases and bitmap elements use it.

#include <optional>

#include "picture/dib.h"

namespace daub {
struct App;
class Dc;

// The visible piece of a scaled picture and where it goes on the client.
struct ScaledPiece {
  int x = 0;  // client position of the piece's top-left pixel
  int y = 0;
  DcImage image;  // empty when nothing is visible
};

// A rectangle of client pixels, right and bottom exclusive.
struct PixelRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

// The piece of a 24-bit picture whose top-left is at client (left, top), shown
// at `scale`, that falls inside `visible`. Displayed pixel (x, y) of the
// scaled picture (trunc(w × scale) × trunc(h × scale)) shows source position
// (x / scale, (Hs − 1 − y) / scale), x across and y in stored rows: the
// bilinear mix of the four neighbours, a fraction not above 0.0001 counting
// as 0, each channel truncated; neighbours past the last column or row repeat
// the edge. Nothing for an unreadable or not 24-bit picture or a scale that
// is not a positive number.
ScaledPiece scaled_piece(const Dib& dib, int left, int top, double scale, PixelRect visible);
// The same computed pixel by pixel as plainly as it can be said; the fast
// form must match it byte for byte (tests and the benchmark compare them).
ScaledPiece scaled_piece_plain(const Dib& dib, int left, int top, double scale, PixelRect visible);

// Draws the picture whose top-left is at world (wx, wy) at `scale` screen
// pixels per picture pixel, clipped to the client area. Returns 1 when
// something was drawn, 0 when nothing is visible or the picture is not a
// readable 24-bit one.
int scaled_display(App& app, Dc& dc, const Dib& dib, double wx, double wy, double scale);

}  // namespace daub
