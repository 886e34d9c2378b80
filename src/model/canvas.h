#pragma once
// The three full-colour canvas slots and their shared undo copy. Slots are
// numbered 1, 2, 3; one canvas pixel is one world unit and a slot's position
// is the world point of its top-left corner.

#include <array>

#include "model/dib.h"
#include "model/records.h"

namespace daub {

inline constexpr int kCanvasSlots = 3;

struct CanvasSlot {
  Dib image;  // a 24-bit picture, or empty for none
  double x = 0, y = 0;
  int shown = 0;  // drawn by the painters
  int frame = 0;  // a one-pixel frame is drawn round it
};

// The one-step undo: a copy of the picture of the slot last selected for
// change, and where that slot lay then.
struct CanvasUndo {
  Dib picture;
  double x = 0, y = 0;
};

struct Canvases {
  std::array<CanvasSlot, kCanvasSlots> slots;
  CanvasUndo undo;
  int current = 0;  // the slot last selected for change (1..3), 0 before any
  // The line the two-click strokes build and paint, and whether it holds one.
  LineRecord line_template;
  int template_valid = 0;
};

}  // namespace daub
