#include "paint/matte.h"

#include <utility>

#include "drawing/recolour.h"
#include "paint/canvas.h"
#include "paint/canvas_burn.h"
#include "paint/canvas_ops.h"

namespace daub {

namespace {

constexpr Colorref kBlack = 0x000000;
constexpr Colorref kWhite = 0xFFFFFF;

PlacedPicture placed_over(const CanvasSlot& s, const CanvasSlot& under) {
  return PlacedPicture{&s.image, s.x - under.x, s.y - under.y};
}

// What the matte leaves of canvases 2 and 3 and of the undo state, to be put
// back afterwards.
struct SetAside {
  CanvasSlot two, three;
  CanvasUndo undo;
  int current = 0;
};

SetAside set_aside(App& app) {
  SetAside saved;
  saved.two = std::exchange(*canvas_slot(app, 2), CanvasSlot{});
  saved.three = std::exchange(*canvas_slot(app, 3), CanvasSlot{});
  saved.undo = std::exchange(app.canvases.undo, CanvasUndo{});
  saved.current = app.canvases.current;
  return saved;
}

void put_back_slots(App& app, SetAside& saved) {
  *canvas_slot(app, 2) = std::move(saved.two);
  *canvas_slot(app, 3) = std::move(saved.three);
}

void put_back_undo(App& app, SetAside& saved) {
  app.canvases.undo = std::move(saved.undo);
  app.canvases.current = saved.current;
}

// The slot becomes black with canvas 1's size and place, and the drawing is
// burnt into it antialiased. Returns 1 when it holds the burnt picture.
int burn_over_black(App& app, int slot) {
  const CanvasSlot& one = *canvas_slot(app, 1);
  CanvasSlot& s = *canvas_slot(app, slot);
  const DibInfo info = dib_info(one.image);
  if (size_picture(s.image, info.width, info.height, kBlack) != OpStatus::kDone) {
    report_dib_problem(app, "MakeDIB", DibProblem::kTooLarge);
    return 0;
  }
  s.x = one.x;
  s.y = one.y;
  return burn_drawing(app, slot, true);
}

ColourRule matte_rule(MatteKey key, Colorref current) {
  if (key == MatteKey::kAllLines) return [](Colorref) { return kWhite; };
  return [current](Colorref old) { return old == current ? kBlack : kWhite; };
}

// The matte in canvas 2, then the colour in canvas 3; the drawing comes back
// as it was between the two.
int burn_matte_and_colour(App& app, MatteKey key) {
  const Block kept = app.drawing;
  recolour_elements(app.drawing, matte_rule(key, app.settings.color));
  const int matte = burn_over_black(app, 2);
  app.drawing = kept;
  return matte != 0 && burn_over_black(app, 3) != 0;
}

}  // namespace

int compose_matte(App& app) {
  CanvasSlot& one = *canvas_slot(app, 1);
  const CanvasSlot& two = *canvas_slot(app, 2);
  const CanvasSlot& three = *canvas_slot(app, 3);
  if (!has_picture(one) || !has_picture(two) || !has_picture(three)) return 0;
  select_canvas_for_change(app, 1);
  return matte_pictures(one.image, placed_over(two, one), placed_over(three, one)) ==
         OpStatus::kDone;
}

int matte_drawing(App& app, MatteKey key) {
  if (!has_picture(*canvas_slot(app, 1))) return 0;
  SetAside saved = set_aside(app);
  const int burnt = burn_matte_and_colour(app, key);
  put_back_undo(app, saved);
  const int composed = burnt != 0 && compose_matte(app) != 0;
  put_back_slots(app, saved);
  return composed;
}

}  // namespace daub
