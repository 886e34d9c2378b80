#pragma once
// Matte compositing: the drawing laid over canvas 1 with soft edges. Canvas 2
// holds the matte (the drawing's shapes white on black) and canvas 3 the
// colour (the drawing in its own colours on black); canvas 1 takes the
// colour through the matte.

#include "model/app.h"

namespace daub {

// Which lines make the matte white.
enum class MatteKey {
  kAllLines,      // every line
  kCurrentColor,  // only the lines drawn in the current colour
};

// Canvas 1 takes canvas 3 through canvas 2 (matte_pictures, each placed by
// its position relative to canvas 1's). Canvas 1 is selected for change
// first, so one undo brings it back. Nothing happens (the undo copy kept)
// unless all three hold 24-bit pictures. Returns 1 when canvas 1 changed.
int compose_matte(App& app);

// Builds the matte and the colour of the drawing over canvas 1 in canvases 2
// and 3, each burnt antialiased into a black picture of canvas 1's size and
// place, and composes them into canvas 1. Canvases 2 and 3 (pictures,
// places, flags) and the drawing are exactly as before afterwards, whatever
// fails on the way; a failure leaves canvas 1 and its undo copy unchanged.
// Returns 1 when canvas 1 changed.
int matte_drawing(App& app, MatteKey key);

}  // namespace daub
