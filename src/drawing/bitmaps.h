#pragma once
// Bitmap elements.

#include "drawing/records.h"

namespace daub {
struct App;
class Dc;

// Copies the record of bitmap element n; returns n, or 0 with the message.
int getbmp(App& app, int n, BitmapRecord& out, int layer);

// Draws every bitmap element of the layer in chain order.
int allbmp(App& app, Dc& dc, int layer);
// A point marker at the anchor of every bitmap element of the layer.
int allbmphed(App& app, Dc& dc, Colorref color, int layer);

// Detaches the bitmap chain of layer n; its records stay as dead bytes until
// compaction. Returns 1, or 0 when the layer does not exist.
int allbmpdel(App& app, int n);

}  // namespace daub
