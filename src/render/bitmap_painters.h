#pragma once
// The painters of bitmap elements.

#include "model/records.h"

namespace daub {
struct App;
class Dc;

// Draws every bitmap element of the layer in chain order: 24-bit pictures
// through the scaled display, the others stretched whole (`bmpdisp`). A
// picture whose header is not 40 bytes shows "si=%d,s=%d\n" (caption
// "bmpdisp"); any other damaged picture is left out.
int allbmp(App& app, Dc& dc, int layer);
// A point marker at the anchor of every bitmap element of the layer.
int allbmphed(App& app, Dc& dc, Colorref color, int layer);

}  // namespace daub
