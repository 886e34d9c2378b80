// The script runner's repaints: all those a line asks for run as one paint at
// the line's end, and a paint that is due runs before anything draws on the
// window, so that the drawing lands on the new picture.

#include "shell/script.h"

#include <gtest/gtest.h>

#include <sstream>

#include "platform/recording_dc.h"
#include "support/test_app.h"

namespace daub {
namespace {

struct NoHost : ScriptHost {
  bool save_screen(const std::string&) override { return true; }
  bool save_window(const std::string&) override { return true; }
  void resize(int, int) override {}
};

TEST(ScriptRepaints, OnePaintPerLineAndBeforeTheWindowIsDrawnOn) {
  test::TestApp t;
  int paints = 0;
  t.ui.set_repaint_hook([&] { ++paints; });
  NoHost host;
  // Six characters ask six times; `state` asks nothing; a fixed scale asks once.
  std::istringstream script("char abcdef\nstate\ncommand 205\n");
  ASSERT_EQ(run_script(t.app, t.ui, host, script), 0);
  EXPECT_EQ(t.ui.repaint_count(), 7);
  EXPECT_EQ(paints, 2);

  RecordingDc window;
  t.ui.set_window_dc(&window);
  t.app.ui.repaint();
  t.app.ui.repaint();
  EXPECT_EQ(t.app.ui.window_dc(), &window);
  EXPECT_EQ(paints, 3);
  t.app.ui.window_dc();
  EXPECT_EQ(paints, 3);
}

}  // namespace
}  // namespace daub
