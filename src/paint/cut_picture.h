#pragma once
// Pictures of what the drawing shows.

#include <optional>

#include "model/app.h"
#include "picture/dib.h"

namespace daub {

// A new 24-bit picture of what display mode 0 shows in the world rectangle
// from p1 (top-left) to p2 (bottom-right); none when p1 is not above and left
// of p2 on screen, and none after "Can not get memory" (caption "CutMakeDIB")
// when no picture can be had.
std::optional<Dib> CutMakeDIB(App& app, DPoint p1, DPoint p2);
// CutMakeDIB of the rectangle put on the clipboard; returns 1, or 0 with the
// clipboard unchanged when there is no picture.
int copy_view_rectangle_to_clipboard(App& app, DPoint p1, DPoint p2);

}  // namespace daub
