#pragma once
// Bitmap elements.

namespace daub {
struct App;

// Detaches the bitmap chain of layer n; its records stay as dead bytes until
// compaction. Returns 1, or 0 when the layer does not exist.
int allbmpdel(App& app, int n);

}  // namespace daub
