#pragma once
// The three full-colour canvas slots and their shared undo copy. Slots are
// numbered 1, 2, 3; one canvas pixel is one world unit and a slot's position
// is the world point of its top-left corner.

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

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

// The columns [x0, x1] of one picture row that a change may have touched;
// x0 > x1 for none.
struct RowSpan {
  int x0 = 0, x1 = -1;
};

// How the undo copy's picture (or the spare) stands to the picture of the
// slot it was taken from, when that is known: it is that picture as it was,
// apart from the columns `changed` of each row (from the top; empty while
// nothing is). It holds while neither has been replaced since, which the
// pointers and the size witness.
struct UndoDelta {
  bool known = false;
  const std::uint8_t* picture = nullptr;
  const std::uint8_t* copy = nullptr;
  std::size_t size = 0;
  std::vector<RowSpan> changed;
};

struct Canvases {
  std::array<CanvasSlot, kCanvasSlots> slots;
  CanvasUndo undo;
  int current = 0;  // the slot last selected for change (1..3), 0 before any
  UndoDelta delta;  // what the strokes since then changed of that slot's picture
  // An undo copy used up by an undo that put back only the noted rows: the
  // picture's twin, kept until the next selection takes it as its copy.
  Dib spare;
  // Zeroed bytes the brush lays its masks in, kept for the next stroke.
  std::vector<std::uint8_t> mask_bytes;
  // The line the two-click strokes build and paint, and whether it holds one.
  LineRecord line_template;
  int template_valid = 0;
};

}  // namespace daub
