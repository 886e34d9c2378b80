// The canvas commands a script cannot reach; the rest are pinned by the
// canvas_commands script, files and the clipboard by the canvas_file script.

#include <gtest/gtest.h>

#include "paint/canvas.h"
#include "support/window_drive.h"

namespace daub {
namespace {

// Burning needs an off-screen picture; without one the canvas keeps its
// picture, and the shown flags and the view scale come back.
TEST(CanvasCommands, FailedBurnRestoresTheView) {
  test::TestApp t;
  make_canvas(t.app, 1, {10, 10}, {410, 310}, rgb(255, 255, 255));
  make_canvas(t.app, 2, {0, 0}, {5, 5}, 0);
  CanvasSlot& two = *canvas_slot(t.app, 2);
  two.shown = 1;
  t.app.settings.scale = 3;
  const Dib before = two.image;
  test::run(t, 713);
  EXPECT_EQ(t.last_message(), "CutMakeDIB\tCan not get memory");
  EXPECT_EQ(two.image, before);
  EXPECT_EQ(std::pair(canvas_slot(t.app, 1)->shown, t.app.settings.scale), std::pair(1, 3.0));
}

}  // namespace
}  // namespace daub
