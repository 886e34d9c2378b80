#include "drawing/recolour.h"

#include <gtest/gtest.h>

#include "drawing/line_fixtures.h"
#include "drawing/lines.h"
#include "support/test_app.h"

namespace daub {
namespace {

// Every line of every layer takes the rule's colour for its own; nothing
// else in the block changes.
TEST(MatteRecolour, EveryLineOfEveryLayerAndNothingElse) {
  const auto rule = [](Colorref c) { return c == rgb(1, 0, 0) ? rgb(0, 0, 9) : rgb(0, 7, 0); };
  test::TestApp t;
  makelayer(t.app, 2);
  for (int layer : {1, 2}) {
    for (Colorref c : {rgb(1, 0, 0), rgb(2, 0, 0)}) {
      LineRecord line, stored;
      line.pen.color = c;
      line.geom = test::straight(0, 0, 10, layer);
      int number = 0;
      ASSERT_GT(setskl(t.app, line, stored, number, layer, GeometryCheck::kTrusted), 0);
    }
  }
  Block expected = t.app.drawing;
  for (int layer : {1, 2}) {
    for (int n : {1, 2}) {
      LineRecord line;
      getline(t.app, n, line, layer);
      line.pen.color = rule(line.pen.color);
      changeline(t.app, n, line, layer);
    }
  }
  std::swap(expected, t.app.drawing);
  recolour_elements(t.app.drawing, rule);
  EXPECT_EQ(t.app.drawing.bytes(), expected.bytes());
}

}  // namespace
}  // namespace daub
