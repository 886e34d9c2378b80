#include "render/bitmap_painters.h"

#include <cstring>

#include "drawing/bitmaps.h"
#include "drawing/chain.h"
#include "drawing/layers.h"
#include "model/view.h"
#include "picture/dib.h"
#include "picture/scaled_display.h"
#include "platform/dc.h"
#include "platform/printf_text.h"
#include "render/display.h"

namespace daub {
namespace {

// The only info header size the painter accepts.
constexpr std::uint32_t kHeaderSize40 = 40;

// Any picture but a sound 24-bit one: stretched whole to its size at the
// view scale times the rate, its top-left at the anchor.
void bmpdisp(App& app, Dc& dc, const BitmapRecord& record, const Dib& dib) {
  if (dib.size() < sizeof(std::uint32_t)) return;
  std::uint32_t header_size = 0;
  std::memcpy(&header_size, dib.data(), sizeof header_size);
  if (header_size != kHeaderSize40) {
    message(app.ui, "bmpdisp",
            printf_text("si=%d,s=%d\n", static_cast<int>(header_size), int{kHeaderSize40}));
    return;
  }
  // The header may claim more rows or colours than the element holds.
  const DibInfo info = dib_info(dib);
  if (!info.ok()) return;
  const std::optional<DcImage> image = dib_to_dc_image(dib);
  if (!image) return;
  const double scale = app.settings.scale * record.rate;
  const IntPoint at = to_screen(app, record.x, record.y);
  dc.draw_image(at.x, at.y, trunc_to_int(info.width * scale), trunc_to_int(info.height * scale),
                *image);
}

void draw_bitmap(App& app, Dc& dc, const BitmapRecord& record, const Dib& dib) {
  const DibInfo info = dib_info(dib);
  if (info.ok() && info.bit_count == 24) {
    scaled_display(app, dc, dib, record.x, record.y, app.settings.scale * record.rate);
    return;
  }
  bmpdisp(app, dc, record, dib);
}

}  // namespace

int allbmp(App& app, Dc& dc, int layer) {
  const std::uint32_t layer_at = existing_layer(app, layer, "allbmp");
  if (layer_at == 0) return 0;
  // Each picture is drawn from its own copy: drawing may show a message,
  // and nothing may keep pointing into the block meanwhile.
  for_each_in_chain(app.drawing, layer_at, ChainKind::kBitmaps, [&](int, std::uint32_t at) {
    const auto record = app.drawing.get<BitmapRecord>(at);
    draw_bitmap(app, dc, record, picture_of(app.drawing, record));
  });
  return 1;
}

int allbmphed(App& app, Dc& dc, Colorref color, int layer) {
  const std::uint32_t layer_at = existing_layer(app, layer, "allbmphed");
  if (layer_at == 0) return 0;
  for_each_in_chain(app.drawing, layer_at, ChainKind::kBitmaps, [&](int, std::uint32_t at) {
    const auto record = app.drawing.get<BitmapRecord>(at);
    dispmark(app, dc, record.x, record.y, color);
  });
  return 1;
}

}  // namespace daub
