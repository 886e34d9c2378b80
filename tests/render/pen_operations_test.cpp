#include "render/pen_operations.h"

#include <gtest/gtest.h>

#include <cstring>

#include "drawing/layers.h"
#include "render/line_fixture.h"
#include "support/test_app.h"

namespace daub {
namespace {

using namespace test;

// Lines have the pen kOld; each operation copies its part of kCurrent.
const PenRecord kOld = make_pen(0, 2, 0x111111, 4.0, 1.0, "1100");
const PenRecord kCurrent = make_pen(1, 9, 0x0000FF, 7.5, 2.5, "111010");

struct Case {
  const char* name;
  int (*op)(App&, int, int);
  PenRecord copied;
} const kCases[] = {
    {"linenowpenstyle", linenowpenstyle, make_pen(1, 2, 0x111111, 4.0, 1.0, "1100")},
    {"linenowpenwidth", linenowpenwidth, make_pen(0, 9, 0x111111, 4.0, 1.0, "1100")},
    {"linenowdot", linenowdot, make_pen(0, 2, 0x111111, 7.5, 2.5, "111010")},
    {"linenowcolor", linenowcolor, make_pen(0, 2, 0x0000FF, 4.0, 1.0, "1100")},
};

PenRecord stored_pen(App& app, int n) {
  std::uint32_t at = app.drawing.get<std::uint32_t>(layer_offset(app.drawing, 1));
  for (int i = 1; i < n; ++i) at = app.drawing.get<LineRecord>(at).next;
  return app.drawing.get<LineRecord>(at).pen;
}

// Each copies its part of the current pen into line n of a layer; a missing
// layer, line or empty layer is reported with the operation's name and
// changes nothing.
TEST(PenOperations, CopyTheirPartOfTheCurrentPenIntoOneLine) {
  struct Failure {
    int n, layer;
    const char* text;
  } failures[] = {{1, 3, "レイヤーが存在しません"},
                  {1, 2, "データが存在しません"},
                  {4, 1, "該当データが存在しません"}};
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    test::TestApp t;
    makelayer(t.app, 2);  // layer 2 without lines
    PenRecord old_pen = kOld;
    old_pen.reserved = 77;
    for (int i = 0; i < 3; ++i) add_line(t.app, 1, make_line(old_pen, 0, i, 10, i));
    PenRecord current = kCurrent;
    current.reserved = 5;
    t.app.settings.line_pen = current;
    const std::vector<std::uint8_t> before = t.app.drawing.bytes();
    for (const Failure& f : failures) {
      t.clear_log();
      EXPECT_EQ(c.op(t.app, f.n, f.layer), 0);
      EXPECT_EQ(t.messages(), std::vector<std::string>{std::string(c.name) + "\t" + f.text});
    }
    EXPECT_EQ(t.app.drawing.bytes(), before);

    t.clear_log();
    EXPECT_EQ(c.op(t.app, 2, 0), 2);  // a layer number below 1 means the first layer
    PenRecord expected = c.copied;
    expected.reserved = 77;
    PenRecord got = stored_pen(t.app, 2), neighbour = stored_pen(t.app, 3);
    EXPECT_EQ(std::memcmp(&got, &expected, sizeof got), 0);
    EXPECT_EQ(std::memcmp(&neighbour, &old_pen, sizeof old_pen), 0);
    EXPECT_TRUE(t.messages().empty());
  }
}

}  // namespace
}  // namespace daub
