#include "tracing/trace.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/picture_builder.h"

namespace daub {
namespace {

// Rows of digits are levels; '#' is 0 and '.' is 1 (the threshold map's
// dark and light).
LevelMap map_of(const std::vector<std::string>& rows) {
  LevelMap m;
  m.height = static_cast<int>(rows.size());
  m.width = static_cast<int>(rows[0].size());
  for (const std::string& r : rows)
    for (char c : r) m.levels.push_back(c == '#' ? 0 : c == '.' ? 1 : c - '0');
  return m;
}

std::vector<IntPoint> points_of(const Shadow& s, std::size_t i) {
  const IntPoint* p = outline_points(s, i);
  return {p, p + s.outlines[i].count};
}

TEST(LevelMap, RedChannelDecidesTheLevel) {
  const struct {
    LevelKind kind;
    int red, level;
  } cases[] = {
      {LevelKind::kThreshold, 126, 0},  {LevelKind::kThreshold, 127, 1},
      {LevelKind::kTwoLevels, 127, 1},  {LevelKind::kTwoLevels, 128, 2},
      {LevelKind::kFourLevels, 63, 1},  {LevelKind::kFourLevels, 64, 2},
      {LevelKind::kFourLevels, 127, 2}, {LevelKind::kFourLevels, 128, 3},
      {LevelKind::kFourLevels, 191, 3}, {LevelKind::kFourLevels, 192, 4},
      {LevelKind::kFourLevels, 255, 4},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.red);
    // Only red counts: green and blue say the opposite.
    const Colorref color = static_cast<Colorref>(c.red) | (255 - c.red) * 0x010100u;
    const auto map = level_map(test::plain_picture(1, 1, color), c.kind);
    ASSERT_TRUE(map);
    EXPECT_EQ(map->levels, std::vector<std::uint8_t>{static_cast<std::uint8_t>(c.level)});
  }
  // Stored rows run bottom-up; the map's first row is the picture's top.
  const Dib two_rows =
      test::make_picture(1, 2, 24, {}, [](int, int y) { return y == 0 ? 0xFF : 0; });
  EXPECT_EQ(level_map(two_rows, LevelKind::kThreshold)->levels, (std::vector<std::uint8_t>{0, 1}));
  EXPECT_FALSE(level_map(test::make_picture(1, 1, 8, {0xFF}, [](int, int) { return 0; }),
                         LevelKind::kThreshold));
}

TEST(TraceMap, ThresholdOutlines) {
  struct Expected {
    std::vector<IntPoint> points;
    std::uint32_t area;
    int orientation;
    std::uint32_t extent;
    Colorref color;
    bool operator==(const Expected&) const = default;
  };
  const struct {
    const char* name;
    std::vector<std::string> rows;
    TraceParams params;
    std::vector<Expected> outlines;
  } cases[] = {
      {"2 x 2: area 4 is a speck", {"....", ".##.", ".##.", "...."}, {}, {}},
      // A bar one pixel high lies within the chord tolerance of its top side.
      {"1 x 5: area 5 is kept",
       {".......", ".#####.", "......."},
       {},
       {{{{1, 1}, {6, 1}}, 5, 1, 5, 0x000000}}},
      {"a ring: the hole runs the other way, white",
       {".......", ".#####.", ".#...#.", ".#...#.", ".#...#.", ".#####.", "......."},
       {},
       {{{{1, 1}, {1, 6}, {6, 6}, {6, 1}}, 25, 1, 5, 0x000000},
        {{{2, 2}, {5, 2}, {5, 5}, {2, 5}}, 9, -1, 3, 0xFFFFFF}}},
      {"extent 10 with a large least area is a speck",
       {"............", ".##########.", "............"},
       {100, 10, 1.07},
       {}},
      {"extent 11 is kept",
       {".............", ".###########.", "............."},
       {100, 10, 1.07},
       {{{{1, 1}, {12, 1}}, 11, 1, 11, 0x000000}}},
      // The walk turns right where cells touch at a corner: they are one outline.
      {"cells touching at a corner are one",
       {"...", ".#.", "..#"},
       {-1, -1, 1.07},
       {{{{1, 1}, {2, 3}, {3, 3}, {3, 2}}, 2, 1, 2, 0x000000}}},
      // (10, 1) lies within the chord and goes; (10, 0) on the map's edge stays.
      {"corners on the map's rectangle are kept",
       {"##########..........", "####################", "...................."},
       {},
       {{{{0, 0}, {0, 2}, {20, 2}, {20, 1}, {10, 0}}, 30, 1, 20, 0x000000}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Shadow s;
    ASSERT_EQ(trace_map(map_of(c.rows), LevelKind::kThreshold, c.params, s), TraceVerdict::kOk);
    std::vector<Expected> got;
    for (std::size_t i = 0; i < s.outlines.size(); ++i) {
      const OutlineRecord& r = s.outlines[i];
      got.push_back({points_of(s, i), r.area, r.orientation, r.extent, r.color});
    }
    EXPECT_EQ(got, c.outlines);
  }
}

// The level maps trace every level; sorted by start, a hole (-1) before the
// shape that starts at the same corner inside it, so the shape is drawn last.
TEST(TraceMap, LevelOutlinesSortedByStart) {
  const int w = 7 + kTraceGrowth;
  const struct {
    LevelKind kind;
    std::vector<std::string> rows;
    std::vector<std::pair<int, Colorref>> outlines;  // orientation, colour
    std::vector<std::uint32_t> starts;
  } cases[] = {
      {LevelKind::kTwoLevels,
       {"2222222", "2222222", "2211122", "2211122", "2211122", "2222222", "2222222"},
       {{-1, 0x000000}, {1, 0xFFFFFF}, {-1, 0xFFFFFF}, {1, 0x000000}},
       {2u * w + 2, 2u * w + 2, 4u * w + 4, 4u * w + 4}},
      {LevelKind::kFourLevels,
       {"4444444", "4444444", "4433344", "4433344", "4433344", "4444444", "4444444"},
       {{-1, 0x000000}, {1, 0xFFFFFF}, {-1, 0xFFFFFF}, {1, 0xAAAAAA}},
       {2u * w + 2, 2u * w + 2, 4u * w + 4, 4u * w + 4}},
  };
  for (const auto& c : cases) {
    Shadow s;
    ASSERT_EQ(trace_map(map_of(c.rows), c.kind, {}, s), TraceVerdict::kOk);
    std::vector<std::pair<int, Colorref>> got;
    std::vector<std::uint32_t> starts;
    for (const OutlineRecord& r : s.outlines) {
      got.emplace_back(r.orientation, r.color);
      starts.push_back(r.start);
    }
    EXPECT_EQ(got, c.outlines);
    EXPECT_EQ(starts, c.starts);
  }
}

// A shadow that would pass the limit ends the trace with nothing.
TEST(TraceMap, TooLargeLeavesNothing) {
  const LevelMap m = map_of({".....", ".###.", ".###.", ".###.", "....."});
  Shadow s;
  s.outlines.resize(1);
  EXPECT_EQ(trace_map(m, LevelKind::kThreshold, {}, s, shadow_bytes(1, 3)),
            TraceVerdict::kTooLarge);
  EXPECT_TRUE(s.outlines.empty());
  EXPECT_EQ(trace_map(m, LevelKind::kThreshold, {}, s, shadow_bytes(1, 4)), TraceVerdict::kOk);
  EXPECT_EQ(s.outlines.size(), 1u);
}

}  // namespace
}  // namespace daub
