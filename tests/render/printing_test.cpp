#include "render/printing.h"

#include <gtest/gtest.h>

#include <tuple>

#include "drawing/lines.h"
#include "platform/dialog.h"
#include "render/print_dialogs.h"
#include "support/book_builder.h"
#include "support/test_app.h"

namespace daub {
namespace {

using test::TestApp;

ScriptAnswer fields(std::vector<std::pair<int, std::string>> values, int click = kIdOk) {
  ScriptAnswer a;
  a.kind = ScriptAnswer::kDialog;
  a.values = std::move(values);
  a.click = click;
  return a;
}

// A drawing of one straight line from (100, 50) to (200, 50), printed on a
// page of the print dialog's job.
struct Printing {
  Printing() {
    LineRecord line, out;
    line.geom = {100, 50, 0, 200, 50, 0, kShapeStraight};
    int n = 0;
    setskl(t.app, line, out, n, 1);
    test::record_print_jobs(t.ui, job);
    t.app.canvases.slots[0].shown = 0;  // keeps the test quick
    t.clear_log();
  }
  IntPoint line_start() const {
    if (job.pages.empty()) return {-1, -1};
    const auto segments = job.pages[0]->segments();
    return segments.empty() ? IntPoint{-1, -1} : segments[0].first;
  }
  TestApp t;
  test::PrintRecord job;
};

TEST(Printing, TheWorldPointLandsAtOriginPlusPointTimesMagnification) {
  struct Case {
    double x, y, m;
    IntPoint at;
  } cases[] = {{0, 0, 4.7, {470, 235}}, {10, -5, 2.5, {275, 112}}, {-100, -50, 1.0, {0, 0}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.m);
    Printing p;
    const Settings before = p.t.app.settings;
    p.t.answer(ScriptAnswer::kPrint, "out.pdf");
    p.t.ui.queue(fields(
        {{967, std::to_string(c.x)}, {969, std::to_string(c.y)}, {971, std::to_string(c.m)}}));
    EXPECT_EQ(printout_with_params(p.t.app), 1);
    EXPECT_EQ(std::tuple(p.line_start(), p.job.starts, p.job.ends), std::tuple(c.at, 1, 1));
    // The view is put back; the parameters stay as typed.
    const Settings& s = p.t.app.settings;
    EXPECT_EQ(std::tuple(s.scale, s.view_center_x, s.print_magnification),
              std::tuple(before.scale, before.view_center_x, c.m));
  }
}

// The parameters cancelled (no typed fields), no document started, a
// magnification that places nothing; no printer chosen is the printing script's.
TEST(Printing, EachFailureHasItsMessageAndPrintsNothing) {
  const struct {
    const char* message;
    bool start_ok;
    int (*print)(App&);
    std::vector<std::pair<int, std::string>> typed;
  } cases[] = {
      {"", true, printout_with_params, {}},
      {"printout\tSTARTDOCが開けません", false, printout, {}},
      {"CAUTION\t縮尺は正の数で指定してください", true, printout_with_params, {{971, "-3"}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    Printing p;
    p.job.start_ok = c.start_ok;
    p.t.answer(ScriptAnswer::kPrint, "out.pdf");
    if (c.typed.empty()) p.t.answer(ScriptAnswer::kCancel);
    if (!c.typed.empty()) p.t.ui.queue(fields(c.typed));
    EXPECT_EQ(c.print(p.t.app), 0);
    EXPECT_EQ(p.t.last_message(), c.message);
    EXPECT_EQ(p.job.starts, c.start_ok ? 0 : 1);
    EXPECT_TRUE(p.job.pages.empty());
  }
}

TEST(PrintDialogs, ThePreviewAndItsDragFollowThePage) {
  TestApp t;
  RecordingDc dc;
  // A 1000 x 2000 page shows 100 x 200 pixels: k = 0.1, at magnification 2
  // a world unit is 0.2 preview pixels.
  paint_print_preview(t.app, dc, PrintParams{50, 100, 2}, 1000, 2000);
  ASSERT_EQ(dc.count(DcOp::kFillRect), 2);
  EXPECT_EQ(dc.ops()[1].points[1], (IntPoint{120, 220}));
  ASSERT_EQ(dc.count(DcOp::kRectangle), 2);
  EXPECT_EQ(dc.ops()[2].points[0], (IntPoint{30, 40}));              // the lattice
  EXPECT_EQ(dc.ops()[2].points[1], (IntPoint{30 + 126, 40 + 178}));  // 630 x 891 × 0.2
  EXPECT_EQ(dc.ops()[3].points[0], (IntPoint{30 + 2, 40 + 2}));      // canvas 1 at (10, 10)
  const PrintParams moved = dragged_print_params(PrintParams{50, 100, 2}, 10, -4, 1000, 2000);
  EXPECT_EQ(std::pair(moved.x, moved.y), std::pair(100.0, 80.0));
  EXPECT_EQ(dragged_print_params(PrintParams{50, 100, 0}, 10, 10, 1000, 2000).x, 50);
}

}  // namespace
}  // namespace daub
