#include "drawing/parameter_texts.h"

#include <gtest/gtest.h>

#include <cstring>

#include "drawing/line_fixtures.h"
#include "drawing/pickups.h"
#include "geometry/angle.h"
#include "platform/cp932.h"
#include "support/test_app.h"

namespace daub::test {
namespace {

Settings defaults() {
  Settings s;
  set_drawing_defaults(s);
  return s;
}

bool same_settings(const Settings& a, const Settings& b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

// The copy of every kind from the start-up settings: each field at its offset.
TEST(ParamTexts, CopiesOfTheStartUpSettings) {
  const std::string face = utf8_to_cp932("ＭＳ明朝");
  const std::pair<ParamKind, std::string> cases[] = {
      {ParamKind::kPoint, "1.500000,-2.000000,30.000000"},
      {ParamKind::kFont, "-13,0,0,0,400,0,0,0,128,3,2,1,17," + face},
      {ParamKind::kFormat, "80,0.050000,20.000000,0.950000"},
      {ParamKind::kTabs,
       "4.000000,0.000000,0.000000,0.000000,0.000000,0.000000,0.000000,0.000000,0.000000,0."
       "000000"},
      {ParamKind::kBrushStyle, "0"},
      {ParamKind::kHatchParam, "0,5.000000,0.000000"},
      {ParamKind::kHatchType, "0"},
      {ParamKind::kHatchWidth, "5.000000"},
      {ParamKind::kBmpName, ""},
      {ParamKind::kBmpRate, "1.000000"},
      {ParamKind::kPenStyle, "0"},
      {ParamKind::kPenWidth, "1"},
      {ParamKind::kDotParam, "5.000000,0.000000,2,1"},
      {ParamKind::kColor, "0,0,0"},
      {ParamKind::kPrintParam, "0.000000,0.000000,4.700000"},
      {ParamKind::kGridParam, "630.000000,891.000000,20.000000"}};
  const Settings s = defaults();
  const PointDir point{1.5, -2, kPi / 6};
  for (const auto& [kind, text] : cases) {
    SCOPED_TRACE(static_cast<int>(kind));
    EXPECT_EQ(param_text(kind, s, point), text);
    // Pasted into other settings, the text gives the same copy back.
    Settings other;
    PointDir p;
    ASSERT_TRUE(read_param_text(kind, text, other, p));
    EXPECT_EQ(param_text(kind, other, p), text);
  }
}

// What a paste takes and refuses (more in the clipboard_exchange script).
// Refused texts change nothing at all. The settings start with a last tab,
// which tabs not given clear.
TEST(ParamTexts, TrialReadsAcceptAndRefuse) {
  const std::string face31(31, 'f');
  const std::string font = "1,2,3,4,5,6,7,8,9,10,11,12,13,";
  const std::string name(127, 'n');
  struct Case {
    ParamKind kind;
    std::string text;
    bool ok;
    std::string copy;  // the copy afterwards, when accepted
  };
  const Case cases[] = {
      {ParamKind::kColor, "0,-1,0", false, ""},
      {ParamKind::kColor, "1;2;3", false, ""},
      {ParamKind::kPenWidth, "12abc", true, "12"},
      {ParamKind::kPenWidth, " +7", true, "7"},
      {ParamKind::kPenWidth, "+-7", false, ""},
      {ParamKind::kPenWidth, "2147483647", true, "2147483647"},
      {ParamKind::kPenWidth, "2147483648", false, ""},
      {ParamKind::kPenWidth,
       std::string("9\0"
                   "1",
                   3),
       true, "9"},
      {ParamKind::kHatchWidth, "-inf", false, ""},
      {ParamKind::kHatchWidth, "1e999", false, ""},
      {ParamKind::kHatchWidth, "1e308", true, ""},
      {ParamKind::kPoint, "12.5,7,nan", false, ""},
      {ParamKind::kPoint, "12.5,7", false, ""},
      {ParamKind::kPoint, "12.5 ,7,30", false, ""},
      {ParamKind::kPoint, "12.5, 7,30", true, "12.500000,7.000000,30.000000"},
      {ParamKind::kTabs, "4,8", true,
       "4.000000,8.000000,0.000000,0.000000,0.000000,0.000000,0.000000,0.000000,0.000000,0."
       "000000"},
      {ParamKind::kTabs, "1e-10", false, ""},
      {ParamKind::kTabs, "1.0000001e-10", true, ""},
      {ParamKind::kTabs, "", false, ""},
      {ParamKind::kFormat, "0,1,1,1", false, ""},
      {ParamKind::kFormat, "1,0.5,20,0.9", true, "1,0.500000,20.000000,0.900000"},
      {ParamKind::kDotParam, "1,2,3", false, ""},
      {ParamKind::kFont, font + face31, true, font + face31},
      {ParamKind::kFont, font + face31 + "g", false, ""},
      {ParamKind::kFont, "1,2,3,4,5,6,7,8,9,10,11,12,13", false, ""},
      {ParamKind::kFont, font, true, font},
      // A bitmap name keeps 128 bytes and never half a character.
      {ParamKind::kBmpName, name + "\x82\xa0", true, name},
      {ParamKind::kBmpName, name + "ab", true, name + "a"},
      // Byte fields take the low byte and are written unsigned.
      {ParamKind::kFont, "-20,5,2700,0,700,1,257,-1,0,0,0,0,0,Face B", true,
       "-20,5,2700,0,700,1,1,255,0,0,0,0,0,Face B"},
  };
  Settings start = defaults();
  start.tabs[9] = 7;
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << static_cast<int>(c.kind) << " " << c.text);
    Settings s = start;
    PointDir p{1, 1, 1};
    EXPECT_EQ(read_param_text(c.kind, c.text, s, p), c.ok);
    if (!c.ok) {
      EXPECT_TRUE(same_settings(s, start));
      EXPECT_EQ(p.x, 1);
    } else if (!c.copy.empty()) {
      EXPECT_EQ(param_text(c.kind, s, p), c.copy);
    }
  }
}

TEST(Pickups, CurrentLineAndRegionParametersIntoTheSettings) {
  TestApp t;
  t.app.in.nowlinevalid = 1;
  t.app.in.nowline.pen = PenRecord{0, 6, 0x00AA00, 0, 2.5, 1, 3, 5};
  expect_refused(t, NowLineDotParam(t.app), "NowLineDotParam\t注目線はドットではありません");
  EXPECT_EQ(NowLinePenwidth(t.app), 1);
  EXPECT_EQ(NowLineColor(t.app), 1);
  t.app.in.nowline.pen.style = 1;
  EXPECT_EQ(NowLineDotParam(t.app), 1);
  // The style is NowLinePenstyle's.
  EXPECT_EQ(pen_values(t.app.settings.line_pen),
            pen_values(PenRecord{0, 6, 0x00AA00, 0, 2.5, 1, 3, 5}));

  add_geom(t.app, straight(0, 0, 1, 0));
  RegionRecord region;  // a solid brush
  region.param.color = 0x0000CC;
  region.param.hatch_pen = PenRecord{0, 3, 0, 0, 7, 0, 2, 1};
  append_element(t.app, 1, ChainKind::kRegions, region, nullptr, 0, "test");
  t.app.in.nowrgn = 1;
  expect_refused(t, NowRgnHatchParam(t.app),
                 "NowRgnHatchParam\t注目リージョンはハッチではありません");
  EXPECT_EQ(NowRgnColor(t.app), 1);
  EXPECT_EQ(t.app.settings.color, 0x0000CCu);
  region.param.brush_style = 1;
  region.param.hatch_width = 12;
  append_element(t.app, 1, ChainKind::kRegions, region, nullptr, 0, "test");
  t.app.in.nowrgn = 2;
  expect_refused(t, NowRgnHatchPenDotParam(t.app),
                 "NowRgnHatchPenDotParam\t注目ハッチペンはドットではありません");
  EXPECT_EQ(NowRgnHatchParam(t.app), 1);
  EXPECT_EQ(t.app.settings.fill.hatch_width, 12);
  EXPECT_EQ(NowRgnBrstyle(t.app), 1);
  EXPECT_EQ(t.app.settings.fill.brush_style, 1);
}

}  // namespace
}  // namespace daub::test
