// Start-up defaults and the window title.

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

#include "drawing/layers.h"
#include "platform/atomic_file.h"
#include "shell/startup.h"
#include "support/test_app.h"

namespace daub {
namespace {

using test::TestApp;

TEST(FileInitTest, PensDeriveFromTheLinePen) {
  TestApp t;
  const Settings& s = t.app.settings;
  EXPECT_EQ(s.line_pen.style, 0);
  EXPECT_EQ(s.line_pen.width, 1);
  EXPECT_EQ(s.line_pen.color, 0u);
  EXPECT_EQ(s.line_pen.dot_length, 5.0);
  EXPECT_EQ(s.line_pen.bit_count, 2);
  EXPECT_EQ(s.line_pen.bits, 1u);
  EXPECT_EQ(std::memcmp(&s.hatch_pen, &s.line_pen, sizeof(PenRecord)), 0);
  EXPECT_EQ(std::memcmp(&s.fill.hatch_pen, &s.line_pen, sizeof(PenRecord)), 0);
  EXPECT_EQ(s.fill.hatch_width, 5.0);

  PenRecord sketch = s.line_pen;
  sketch.width = 0;
  EXPECT_EQ(std::memcmp(&s.sketch_pen, &sketch, sizeof(PenRecord)), 0);
  PenRecord lattice = sketch;
  lattice.color = 0x00FFFF;
  EXPECT_EQ(std::memcmp(&s.lattice_pen, &lattice, sizeof(PenRecord)), 0);
}

TEST(FileInitTest, RefreshPensCarriesTheSeparateFieldsIntoEveryPen) {
  Settings s;
  s.pen_style = 1;
  s.pen_width = 3;
  s.color = 0x123456;
  s.dot_length = 2.5;
  s.start_length = 1.5;
  s.line_bit_count = 3;
  s.line_bits = 5;
  s.brush_style = 1;
  s.hatch_type = 1;
  s.hatch_width = 7.0;
  s.hatch_angle = 45.0;
  refresh_pens(s);
  const PenRecord want = {1, 3, 0x123456, 0, 2.5, 1.5, 3, 5};
  for (const PenRecord* p : {&s.line_pen, &s.hatch_pen, &s.fill.hatch_pen}) {
    EXPECT_EQ(std::memcmp(p, &want, sizeof want), 0);
  }
  EXPECT_EQ(s.fill.brush_style, 1);
  EXPECT_EQ(s.fill.hatch_type, 1);
  EXPECT_EQ(s.fill.hatch_width, 7.0);
  EXPECT_EQ(s.fill.hatch_angle, 45.0);
  EXPECT_EQ(s.fill.color, 0x123456u);
}

TEST(FileInitTest, CurveTemplateIsAQuarterCircle) {
  TestApp t;
  const auto& c = t.app.curve_template;
  EXPECT_EQ(c[0].x, 0.0);
  EXPECT_EQ(c[0].y, 0.0);
  EXPECT_NEAR(c[15].x, std::sqrt(0.5), 1e-11);
  EXPECT_NEAR(c[15].y, 1 - std::sqrt(0.5), 1e-11);
  EXPECT_NEAR(c[30].x, 1.0, 1e-11);
  EXPECT_NEAR(c[30].y, 1.0, 1e-11);
}

TEST(FileInitTest, StartsWithAnEmptyDrawingOfOneLayerAndAMinchoFont) {
  TestApp t;
  EXPECT_EQ(t.app.in.nowlayer, 1);
  EXPECT_EQ(t.app.in.nowpointvalid, 1);
  EXPECT_EQ(t.app.in.releaseworld.y, 310.0);
  EXPECT_EQ(std::memcmp(t.app.drawing.data() + 12, "TORVCAD", 8), 0);
  EXPECT_EQ(layer_count(t.app.drawing), 1);
  EXPECT_EQ(t.app.files.working_folder, current_directory());
  EXPECT_EQ(t.app.files.page_folder, current_directory());
  // The face name in code page 932, with its NUL.
  const char face[] = "\x82\x6C\x82\x72\x96\xBE\x92\xA9";
  EXPECT_EQ(std::memcmp(t.app.settings.font.face_name, face, sizeof face), 0);
  EXPECT_EQ(t.app.settings.font.char_set, 128);
}

TEST(FileInitTest, ViewShowsClientCoordinatesAtStart) {
  TestApp t(TestApp::Start::kBare);
  t.app.view.client_width = 801;
  t.app.view.client_height = 601;
  FileInit(t.app);
  EXPECT_EQ(t.app.view.vieworigin_x, 400);
  EXPECT_EQ(t.app.view.vieworigin_y, 300);
  EXPECT_EQ(t.app.settings.view_center_x, 400.0);
  EXPECT_EQ(t.app.settings.view_center_y, 300.0);
}

TEST(SetTitleTest, BuildsCutsOrKeepsTheTitle) {
  const std::string keep = "(unchanged)";
  struct Case {
    std::string base, path;
    int reading;
    std::string expected;
  } cases[] = {
      {"Daubery", "C:\\data\\map.skl", 0, "Daubery D-C:\\data\\map"},
      {"Daubery", "/home/a.b/map.skl", 0, "Daubery D-/home/a"},
      {"Daubery", "page0003.skl", 1, "Daubery R-page0003"},
      {"Daubery", std::string(127, 'f'), 0, "Daubery D-" + std::string(127, 'f')},
      {"Daubery", std::string(128, 'f'), 0, keep},
      {std::string(100, 'b'), "a.skl", 0, keep},
      {std::string(99, 'b'), "a.skl", 0, std::string(99, 'b') + " D-a"},
      // 99 + 3 + 127 bytes: neither a dot nor the end within 200 bytes.
      {std::string(99, 'b'), std::string(126, 'f') + ".", 0, keep},
      {std::string(99, 'b'), std::string(90, 'f') + ".skl", 0,
       std::string(99, 'b') + " D-" + std::string(90, 'f')},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.base.substr(0, 10) + " | " + c.path.substr(0, 20));
    TestApp t;
    t.app.in.readingmode = c.reading;
    settitle(t.app, c.base, c.path);
    EXPECT_EQ(t.app.files.title, c.expected == keep ? "Daubery D-drawdata" : c.expected);
    EXPECT_EQ(t.ui.title(), t.app.files.title);
  }
}

}  // namespace
}  // namespace daub
