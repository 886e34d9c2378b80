// The script runner's repaints: all those a line asks for run as one paint at
// the line's end. (A due paint running before anything draws on the window is
// the tracing script's: its threshold map is drawn straight onto the window.)

#include "shell/script.h"

#include <gtest/gtest.h>

#include <sstream>

#include "support/test_app.h"

namespace daub {
namespace {

struct NoHost : ScriptHost {
  bool save_screen(const std::string&) override { return true; }
  bool save_window(const std::string&) override { return true; }
  void resize(int, int) override {}
};

TEST(ScriptRepaints, OnePaintPerLine) {
  test::TestApp t;
  int paints = 0;
  t.ui.set_repaint_hook([&] { ++paints; });
  NoHost host;
  // Six characters ask six times; `state` asks nothing; a fixed scale asks once.
  std::istringstream script("char abcdef\nstate\ncommand 205\n");
  ASSERT_EQ(run_script(t.app, t.ui, host, script), 0);
  EXPECT_EQ(std::pair(t.ui.repaint_count(), paints), std::pair(7, 2));
}

}  // namespace
}  // namespace daub
