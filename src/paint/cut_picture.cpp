#include "paint/cut_picture.h"

#include <memory>

#include "picture/clipboard_pictures.h"
#include "render/display.h"
#include "render/view.h"

namespace daub {

namespace {

std::optional<Dib> out_of_memory(App& app) {
  message(app.ui, "CutMakeDIB", "Can not get memory");
  return std::nullopt;
}

// Display mode 0 drawn with p1 at the picture's top-left; the view is put
// back afterwards.
DcImage render_from(App& app, BitmapDc& dc, DPoint p1, int w, int h) {
  const View saved = app.view;
  show_at_top_left(app, p1.x, p1.y);
  app.view.viewworldmin = to_world(app, 0, 0);
  app.view.viewworldmax = to_world(app, w, h);
  dispall(app, dc);
  app.view = saved;
  return dc.image();
}

}  // namespace

std::optional<Dib> CutMakeDIB(App& app, DPoint p1, DPoint p2) {
  IntPoint s1 = to_screen(app, p1.x, p1.y);
  IntPoint s2 = to_screen(app, p2.x, p2.y);
  if (s1.x >= s2.x || s2.y <= s1.y) return std::nullopt;
  const std::int64_t w = std::int64_t{s2.x} - s1.x;
  const std::int64_t h = std::int64_t{s2.y} - s1.y;
  if (w > kMaxDibSide || h > kMaxDibSide ||
      !dib_size_fits(static_cast<int>(w), static_cast<int>(h)))
    return out_of_memory(app);
  std::unique_ptr<BitmapDc> dc = app.ui.create_bitmap_dc(static_cast<int>(w), static_cast<int>(h));
  if (!dc) return out_of_memory(app);
  app.ui.set_busy(true);
  std::optional<Dib> dib =
      dib_from_dc_image(render_from(app, *dc, p1, static_cast<int>(w), static_cast<int>(h)));
  app.ui.set_busy(false);
  if (!dib) return out_of_memory(app);
  return dib;
}

int copy_view_rectangle_to_clipboard(App& app, DPoint p1, DPoint p2) {
  std::optional<Dib> dib = CutMakeDIB(app, p1, p2);
  return dib ? copy_picture_to_clipboard(app, *dib) : 0;
}

}  // namespace daub
