// Painting regions through the recording device: solid fills, hatches and
// their dot patterns, the gray painters and what is skipped.

#include "render/region_painters.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <tuple>

#include "drawing/layers.h"
#include "drawing/line_fixtures.h"
#include "drawing/regions.h"
#include "geometry/angle.h"
#include "platform/recording_dc.h"
#include "render/display.h"
#include "render/line_fixture.h"
#include "support/test_app.h"

namespace daub {
namespace {

using namespace test;
using Segments = std::vector<std::pair<IntPoint, IntPoint>>;

// The outline of a region: its corners joined by straight lines added to
// layer 1, and the region naming them in order.
int add_polygon(App& app, const std::vector<DPoint>& corners, const RegionParam& fill) {
  std::vector<BoundaryEntry> entries;
  for (std::size_t k = 0; k < corners.size(); ++k) {
    const DPoint a = corners[k], b = corners[(k + 1) % corners.size()];
    entries.push_back({add_line(app, 1, make_line(make_pen(0), a.x, a.y, b.x, b.y)), 1});
  }
  RegionRecord r;
  r.param = fill;
  return setaltrgn(app, r, entries, 1);
}

// A square of side 100; the half units keep truncation away from whole pixels.
const std::vector<DPoint> kSquare = {
    {100.5, 100.5}, {200.5, 100.5}, {200.5, 200.5}, {100.5, 200.5}};

RegionParam solid(Colorref c) { return {.hatch_pen = {}, .color = c}; }

RegionParam hatched(int type, double width, double angle, const PenRecord& pen = make_pen(0)) {
  return {.brush_style = 1,
          .hatch_pen = pen,
          .hatch_type = type,
          .hatch_width = width,
          .hatch_angle = angle};
}

// Dotted hatch lines continue the pattern of their whole line, which sits
// at the pen's start length on the line through the centre across the
// hatch: the dashes of every line start at the same x.
TEST(RegionPainters, DotsOfNeighbouringHatchLinesLineUp) {
  for (double start : {0.0, 2.5}) {
    SCOPED_TRACE(start);
    TestApp t;
    set_plain_view(t.app, 1.0);
    add_polygon(t.app, {{100, 100}, {200, 100}, {200, 200}, {100, 200}},
                hatched(0, 10, 0, make_pen(1, 0, 0, 5.0, start, "10")));
    RecordingDc dc;
    allrgn(t.app, dc, 1);
    std::map<int, std::set<int>> dash_starts;  // by line y
    for (const auto& [from, to] : dc.segments())
      if (from.y == to.y && from.x != to.x) dash_starts[from.y].insert(from.x);
    ASSERT_GE(dash_starts.size(), 9u);
    // Centre 150: the pattern is at `start` there, so a dash starts at 150 - start.
    const int first = static_cast<int>(150 - start);
    for (const auto& [y, xs] : dash_starts) {
      SCOPED_TRACE(y);
      EXPECT_TRUE(xs.count(first)) << *xs.begin();
      EXPECT_EQ(xs, dash_starts.begin()->second);
    }
  }
}

// A solid region is one polygon in its colour with a one-pixel outline of
// the same colour, whatever its number of edges.
TEST(RegionPainters, SolidFillsAreOnePolygonOfAnySize) {
  TestApp t;
  set_plain_view(t.app, 1.0);
  std::vector<DPoint> circle;
  for (int i = 0; i < 1000; ++i)
    circle.push_back(
        {400.5 + 300 * std::cos(i * kPi / 500), 300.5 + 200 * std::sin(i * kPi / 500)});
  add_polygon(t.app, circle, solid(0x00FF00));
  RecordingDc dc;
  dc.set_pen(DcPen{kPenSolid, 3, 0x111111});
  allrgn(t.app, dc, 1);
  ASSERT_EQ(dc.count(DcOp::kPolygon), 1);
  // The outline starts where edge 1 ends.
  const DcOp& poly = dc.ops().front();
  EXPECT_EQ(std::tuple(poly.points.size(), poly.points[0], poly.pen, poly.brush),
            std::tuple(1000u, IntPoint{700, 301}, DcPen{kPenSolid, 1, 0x00FF00},
                       DcBrush{BrushKind::kSolid, 0x00FF00}));
  EXPECT_EQ(dc.pen(), (DcPen{kPenSolid, 3, 0x111111}));  // put back
}

// What draws nothing: unknown brush styles and hatch types, unusable hatch
// widths and angles (each verdict is the hatching tests'); a solid region
// beside them still draws.
TEST(RegionPainters, FillsThatCannotBeDrawnAreSkipped) {
  const RegionParam skipped[] = {hatched(2, 10, 0), hatched(0, 0, 0), hatched(0, 10, kNan)};
  for (const RegionParam& fill : skipped) {
    TestApp t;
    add_polygon(t.app, kSquare, fill);
    RegionParam other = fill;
    other.brush_style = 2;
    add_polygon(t.app, kSquare, other);
    add_polygon(t.app, kSquare, solid(0x0000FF));
    RecordingDc dc;
    EXPECT_EQ(allrgn(t.app, dc, 1), 1);
    ASSERT_EQ(dc.ops().size(), 1u);
    EXPECT_EQ(dc.ops()[0].kind, DcOp::kPolygon);
  }
}

// The gray painters fill with the gray display colour and outline with the
// pen the device holds; the one leaving out the current region and the one
// drawing only it split the regions between them.
TEST(RegionPainters, GrayButTheCurrentRegionAndTheCurrentOneAlone) {
  TestApp t;
  set_plain_view(t.app, 1.0);
  for (int i = 0; i < 3; ++i) {
    std::vector<DPoint> square = kSquare;
    for (DPoint& p : square) p.x += 200 * i;
    add_polygon(t.app, square, solid(0x000010u + i));
  }
  t.app.in.nowrgn = 2;
  RecordingDc dc;
  dc.set_pen(DcPen{kPenSolid, 1, 0x123456});
  EXPECT_EQ(allrgngraybutspot(t.app, dc, 1), 1);
  EXPECT_EQ(dispspotrgn(t.app, dc, 2, 1), 1);
  using Fill = std::tuple<DcOp::Kind, DcBrush, Colorref, int>;  // outline colour, first x
  std::vector<Fill> fills;
  for (const DcOp& op : dc.ops())
    fills.emplace_back(op.kind, op.brush, op.pen.color, op.points[0].x);
  const DcBrush gray{BrushKind::kSolid, 0xC0C0C0};
  EXPECT_EQ(fills, (std::vector<Fill>{{DcOp::kPolygon, gray, 0x123456, 200},
                                      {DcOp::kPolygon, gray, 0x123456, 600},
                                      {DcOp::kPolygon, {BrushKind::kSolid, 0x000011}, 0x11, 400}}));
  dc.clear();
  allrgngray(t.app, dc, 1);
  EXPECT_EQ(dc.count(DcOp::kPolygon), 3);
}

TEST(RegionPainters, LayersWithoutLinesOrBeyondTheLastDrawNothing) {
  TestApp t;
  RegionRecord r;
  setaltrgn(t.app, r, {{1, 1}, {2, 1}, {3, 1}}, 1);
  RecordingDc dc;
  EXPECT_EQ(allrgn(t.app, dc, 1), 0);
  EXPECT_EQ(allrgngray(t.app, dc, 2), 0);
  EXPECT_EQ(t.last_message(), "allrgngray\tレイヤーが存在しません");
  EXPECT_TRUE(dc.ops().empty());
}

// The extraction list's lines, solid and one world unit wide, in the colour given.
TEST(RegionPainters, StockLinesAreDrawnSolid) {
  TestApp t;
  set_plain_view(t.app, 2.0);
  t.app.line_stock = {{straight(10, 10, 20, 10), 1, -1}, {straight(0, 0, 5, 5), 0, 1}};
  RecordingDc dc;
  stocklinedisp(t.app, dc, 0xFF7F00);
  EXPECT_EQ(dc.segments(), (Segments{{{20, 20}, {40, 20}}}));
  EXPECT_EQ(dc.ops().back().pen, (DcPen{kPenSolid, 2, 0xFF7F00}));
}

// Which modes show the current layer's regions, and how: with their own
// brush, gray, or gray but the current region; mode 2 also shows the
// extraction list. Regions lie under the lines of their layer.
TEST(RegionPainters, EachDisplayModeShowsTheRegionsItsWay) {
  const Colorref kOwn = 0x0000FF, kGray = 0xC0C0C0;
  const struct {
    int mode, nowrgn;
    std::vector<Colorref> fills;  // polygon brushes in drawing order
    bool stock;
  } cases[] = {
      {0, 0, {kOwn, kOwn}, false},   {1, 0, {}, false},
      {2, 0, {kGray, kGray}, true},  {3, 0, {kGray, kGray}, false},
      {4, 0, {kGray, kGray}, false}, {5, 2, {kGray, kOwn}, false},
      {5, 0, {kGray, kGray}, false}, {6, 0, {kOwn, kOwn}, false},
      {7, 0, {kOwn, kOwn}, false},   {8, 0, {kGray, kGray}, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "mode " << c.mode << " nowrgn " << c.nowrgn);
    TestApp t;
    add_polygon(t.app, kSquare, solid(kOwn));
    add_polygon(t.app, kSquare, solid(kOwn));
    t.app.line_stock = {{straight(0, 0, 50, 0), 1, 1}};
    t.app.settings.display_colors[display_color_index(744)] = 0x654321;
    t.app.in.dispmode = c.mode;
    t.app.in.nowrgn = c.nowrgn;
    RecordingDc dc;
    paint_cycle(t.app, dc);
    std::vector<Colorref> fills;
    std::size_t last_polygon = 0;
    for (std::size_t i = 0; i < dc.ops().size(); ++i) {
      if (dc.ops()[i].kind != DcOp::kPolygon) continue;
      fills.push_back(dc.ops()[i].brush.color);
      last_polygon = i;
    }
    EXPECT_EQ(fills, c.fills);
    EXPECT_EQ(!dc.segments_in(0x654321).empty(), c.stock);
    // The square's own lines come after its fill.
    int lines_after = 0;
    for (std::size_t i = last_polygon; i < dc.ops().size(); ++i)
      lines_after += dc.ops()[i].kind == DcOp::kLineTo;
    if (!c.fills.empty()) EXPECT_GE(lines_after, 8);
  }
}

}  // namespace
}  // namespace daub
