#include "drawing/bitmaps.h"

#include "drawing/layers.h"
#include "shell/app.h"

namespace daub {

int allbmpdel(App& app, int n) {
  const std::uint32_t layer = layer_offset(app.drawing, n);
  if (layer == 0) {
    message(app.ui, "allbmpdel", "レイヤーが存在しません");
    return 0;
  }
  app.drawing.put<std::uint32_t>(std::uint64_t{layer} + offsetof(LayerRecord, bitmaps), 0);
  return 1;
}

// Bitmap elements are not drawn yet.
int getbmp(App&, int, BitmapRecord&, int) { return 0; }
int allbmp(App&, Dc&, int) { return 0; }
int allbmphed(App&, Dc&, Colorref, int) { return 0; }

}  // namespace daub
