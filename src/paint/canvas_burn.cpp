#include "paint/canvas_burn.h"

#include <array>
#include <optional>

#include "paint/canvas.h"
#include "paint/canvas_ops.h"
#include "paint/cut_picture.h"

namespace daub {

namespace {

// The picture of the slot's rectangle at the scale, with only this slot shown.
std::optional<Dib> picture_over(App& app, int slot, const DibInfo& info, double scale) {
  const CanvasSlot& s = *canvas_slot(app, slot);
  std::array<int, kCanvasSlots> shown{};
  for (int k = 0; k < kCanvasSlots; ++k) {
    CanvasSlot& other = *canvas_slot(app, k + 1);
    shown[static_cast<std::size_t>(k)] = other.shown;
    other.shown = k + 1 == slot;
  }
  const double saved_scale = app.settings.scale;
  app.settings.scale = scale;
  std::optional<Dib> picture = CutMakeDIB(app, {s.x, s.y}, {s.x + info.width, s.y + info.height});
  app.settings.scale = saved_scale;
  for (int k = 0; k < kCanvasSlots; ++k)
    canvas_slot(app, k + 1)->shown = shown[static_cast<std::size_t>(k)];
  return picture;
}

}  // namespace

int burn_drawing(App& app, int slot, bool antialiased) {
  CanvasSlot* s = canvas_slot(app, slot);
  if (s == nullptr || !has_picture(*s)) return 0;
  const DibInfo info = dib_info(s->image);
  std::optional<Dib> picture = picture_over(app, slot, info, antialiased ? 2.0 : 1.0);
  if (!picture) return 0;
  if (antialiased && compress_picture(*picture, 2) != OpStatus::kDone) return 0;
  select_canvas_for_change(app, slot);
  s->image.swap(*picture);
  return 1;
}

}  // namespace daub
