#pragma once
// Burning the drawing into a canvas: what the view shows over the canvas
// becomes its picture.

#include "model/app.h"

namespace daub {

// What display mode 0 shows over the slot's rectangle, with this canvas the
// only one shown and the drawing at scale 1, becomes the slot's picture. An
// antialiased burn renders at scale 2 and averages each 2 × 2 block into one
// pixel. The slot is selected for change only when a picture was made; the
// shown flags and the view scale are put back whatever happens. Returns 1
// when the picture was replaced, 0 for a slot without a 24-bit picture or
// when no picture could be made (reported).
int burn_drawing(App& app, int slot, bool antialiased);

}  // namespace daub
