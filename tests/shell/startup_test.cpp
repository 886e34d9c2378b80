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

TEST(FileInitTest, DrawingParametersStartAtTheirDefaults) {
  TestApp t;
  const Settings& s = t.app.settings;
  struct Case {
    const char* name;
    double actual, expected;
  } cases[] = {
      {"scale", s.scale, 1.0},
      {"print ratio", s.print_ratio, 4.0},
      {"vector length", s.vector_length, 30.0},
      {"max chars", static_cast<double>(s.max_chars), 10000},
      {"print origin x", s.print_origin_x, 0.0},
      {"print magnification", s.print_magnification, 4.7},
      {"dot length", s.dot_length, 5.0},
      {"line bit count", static_cast<double>(s.line_bit_count), 2},
      {"line bits", static_cast<double>(s.line_bits), 1},
      {"hatch width", s.hatch_width, 5.0},
      {"chars per line", static_cast<double>(s.chars_per_line), 80},
      {"char spacing", s.char_spacing, 0.05},
      {"column spacing", s.column_spacing, 20.0},
      {"max stretch", s.max_stretch, 0.95},
      {"first tab", s.tabs[0], 4.0},
      {"last tab", s.tabs[9], 0.0},
      {"pen width", static_cast<double>(s.pen_width), 1},
      {"bmp rate", s.bmp_rate, 1.0},
      {"lattice width", s.lattice_width, 630.0},
      {"lattice height", s.lattice_height, 891.0},
      {"lattice interval", s.lattice_interval, 20.0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.actual, c.expected);
  }
}

TEST(FileInitTest, FontIsMinchoInCodePage932) {
  TestApp t;
  const LogFont& f = t.app.settings.font;
  EXPECT_EQ(f.height, -13);
  EXPECT_EQ(f.weight, 400);
  EXPECT_EQ(f.char_set, 128);
  EXPECT_EQ(f.out_precision, 3);
  EXPECT_EQ(f.clip_precision, 2);
  EXPECT_EQ(f.quality, 1);
  EXPECT_EQ(f.pitch_and_family, 17);
  const char face[] = "\x82\x6C\x82\x72\x96\xBE\x92\xA9";
  EXPECT_EQ(std::memcmp(f.face_name, face, sizeof face), 0);  // with its NUL
}

TEST(FileInitTest, DisplayColoursAreTheFourteenDefaults) {
  TestApp t;
  const Colorref expected[14] = {0x0000FF, 0x007F00, 0xFF00FF, 0x000000, 0xFF7F00,
                                 0xFFFF00, 0xFF7F00, 0xFF7F00, 0xC0C0C0, 0x00FF00,
                                 0xFF00FF, 0x000000, 0xFFFFFF, 0x7F0000};
  for (int i = 0; i < 14; ++i) {
    SCOPED_TRACE(720 + 4 * i);
    EXPECT_EQ(t.app.settings.display_colors[i], expected[i]);
  }
}

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
  for (const PenRecord* p : {&s.line_pen, &s.hatch_pen, &s.fill.hatch_pen}) {
    EXPECT_EQ(p->style, 1);
    EXPECT_EQ(p->width, 3);
    EXPECT_EQ(p->color, 0x123456u);
    EXPECT_EQ(p->dot_length, 2.5);
    EXPECT_EQ(p->start_length, 1.5);
    EXPECT_EQ(p->bit_count, 3);
    EXPECT_EQ(p->bits, 5u);
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

TEST(FileInitTest, StartsPaintingWithAnEmptyDrawingOfOneLayer) {
  TestApp t;
  const Interaction& in = t.app.in;
  EXPECT_EQ(in.mousecmd, 1062);
  EXPECT_EQ(in.dispmode, 7);
  EXPECT_EQ(in.nowlayer, 1);
  EXPECT_EQ(in.nowpointvalid, 1);
  EXPECT_EQ(in.nowpoint.x, 0.0);
  EXPECT_EQ(in.nowpoint.angle, 0.0);
  EXPECT_EQ(in.pressworld.x, 10.0);
  EXPECT_EQ(in.releaseworld.y, 310.0);
  EXPECT_EQ(std::memcmp(t.app.drawing.data() + 12, "TORVCAD", 8), 0);
  EXPECT_EQ(layer_count(t.app.drawing), 1);
  EXPECT_EQ(t.app.files.working_folder, current_directory());
  EXPECT_EQ(t.app.files.page_folder, current_directory());
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

TEST(SetTitleTest, StartTitleDropsTheExtension) {
  TestApp t(TestApp::Start::kBare);
  FileInit(t.app);
  EXPECT_EQ(t.ui.title(), "Daubery D-drawdata");
  EXPECT_EQ(t.app.files.title, "Daubery D-drawdata");
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
      {"Daubery", "noextension", 0, "Daubery D-noextension"},
      {"Daubery", std::string(127, 'f'), 0, "Daubery D-" + std::string(127, 'f')},
      {"Daubery", std::string(128, 'f'), 0, keep},
      {std::string(100, 'b'), "a.skl", 0, keep},
      {std::string(99, 'b'), "a.skl", 0, std::string(99, 'b') + " D-a"},
      // 99 + 3 + 127 bytes: neither a dot nor the end within 200 bytes.
      {std::string(99, 'b'), std::string(127, 'f'), 0, keep},
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
