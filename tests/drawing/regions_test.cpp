// Outline ordering: lines in any order and orientation chained end to end.

#include "drawing/regions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "geometry/angle.h"
#include "support/test_app.h"

namespace daub {
namespace {

using test::TestApp;

const char kNotClosed[] = "rgnsort\tデータが閉じていません";

ExtractionItem line(int number, double x0, double y0, double x1, double y1) {
  ExtractionItem item;
  item.geom = {x0, y0, 0, x1, y1, 0, kShapeStraight, 0};
  item.line = number;
  item.direction = 1;
  return item;
}

// The start of each ordered item as walked.
std::vector<std::pair<double, double>> walk(const std::vector<ExtractionItem>& items) {
  std::vector<std::pair<double, double>> corners;
  for (const ExtractionItem& item : items) {
    const LineGeometry g = walked_geometry(item);
    corners.push_back({g.x0, g.y0});
  }
  return corners;
}

// A quadrilateral's four sides in every order, with every subset stored the other way.
TEST(OutlineOrder, AnyOrderAndOrientationOfAQuadrilateralCloses) {
  const std::vector<ExtractionItem> sides = {line(1, 0, 0, 10, 0), line(2, 10, 0, 12, 8),
                                             line(3, 12, 8, -1, 9), line(4, -1, 9, 0, 0)};
  std::vector<int> order = {0, 1, 2, 3};
  do {
    for (int flipped = 0; flipped < 16; ++flipped) {
      SCOPED_TRACE(testing::Message()
                   << order[0] << order[1] << order[2] << order[3] << " flip " << flipped);
      TestApp t;
      std::vector<ExtractionItem> items;
      for (int k : order) {
        ExtractionItem s = sides[static_cast<std::size_t>(k)];
        if (flipped & (1 << k)) std::swap(s.geom.x0, s.geom.x1), std::swap(s.geom.y0, s.geom.y1);
        items.push_back(s);
      }
      PointDir out;
      ASSERT_EQ(order_outline(t.app, items, out), 1);
      EXPECT_TRUE(t.messages().empty());
      // Each item starts where the one before it ends, and the last meets the first.
      for (std::size_t i = 0; i < items.size(); ++i) {
        const LineGeometry a = walked_geometry(items[i]);
        const LineGeometry b = walked_geometry(items[(i + 1) % items.size()]);
        EXPECT_EQ(a.x1, b.x0);
        EXPECT_EQ(a.y1, b.y0);
      }
    }
  } while (std::next_permutation(order.begin(), order.end()));
}

TEST(OutlineOrder, AnOpenPolylineIsRefusedOrAcceptedAsOpen) {
  const std::vector<ExtractionItem> polyline = {line(1, 10, 0, 20, 0), line(2, 20, 0, 20, 10),
                                                line(3, 0, 0, 10, 0)};
  TestApp t;
  auto items = polyline;
  PointDir out;
  EXPECT_EQ(order_outline(t.app, items, out, ChainEnds::kClosed), 0);
  EXPECT_EQ(t.last_message(), kNotClosed);
  EXPECT_EQ(out.x, 20);  // the chain broke at the free end (20, 10)
  EXPECT_EQ(out.y, 10);

  t.clear_log();
  items = polyline;
  // It cannot go on from (20, 10), turns round and grows on to (0, 0).
  EXPECT_EQ(order_outline(t.app, items, out, ChainEnds::kOpenAllowed), 2);
  EXPECT_TRUE(t.messages().empty());
  EXPECT_EQ(out.x, 0);
  EXPECT_EQ(out.y, 0);
  EXPECT_EQ(walk(items), (std::vector<std::pair<double, double>>{{20, 10}, {20, 0}, {10, 0}}));
}

TEST(OutlineOrder, ItemsThatAreNotOneChainOrNoItemsFail) {
  TestApp t;
  std::vector<ExtractionItem> items = {line(1, 0, 0, 1, 0), line(2, 5, 5, 6, 5),
                                       line(3, 1, 0, 2, 0)};
  PointDir out;
  EXPECT_EQ(order_outline(t.app, items, out, ChainEnds::kOpenAllowed), 0);
  EXPECT_EQ(t.last_message(), kNotClosed);
  EXPECT_EQ(rgnsort(t.app, out), 0);
  EXPECT_EQ(t.last_message(), "rgnsort\t抽出線はありません");
}

}  // namespace
}  // namespace daub
