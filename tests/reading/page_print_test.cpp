#include "reading/page_print.h"

#include <gtest/gtest.h>

#include "drawing/drawing_builder.h"
#include "drawing/layers.h"
#include "reading/page_files.h"
#include "support/book_builder.h"
#include "support/page_names.h"
#include "support/test_app.h"

namespace daub {
namespace {

using test::TempDir;

// A book whose page n carries a line starting at x = 10 n, opened in
// reading mode; printed pages are recorded.
struct PrintedBook {
  explicit PrintedBook(std::initializer_list<int> numbers) {
    for (int n : numbers) test::write_page(dir.path, test::page_name(n), 10 * n);
    App& app = t.app;
    app.files.page_folder = dir.path;
    app.canvases.slots[0].shown = 0;
    storedrawdata(app);
    test::record_print_jobs(t.ui, job);
  }
  // The x each printed page's line starts at, in device pixels.
  std::vector<int> printed() const {
    std::vector<int> xs;
    for (const auto& page : job.pages) {
      const auto segments = page->segments();
      xs.push_back(segments.empty() ? -1 : segments[0].first.x);
    }
    return xs;
  }
  int print(PageRange range, bool& complete, PageParams params = PageParams::kLive) {
    test::RecordingPrintJob printer(job);
    return print_pages(t.app, printer, range, params, complete);
  }
  TempDir dir;
  test::TestApp t;
  test::PrintRecord job;
};

// The printing script pins the runs the dialog allows (a step, an end below
// the start, a missing page, no page at all); these are what it cannot reach.
TEST(PagePrint, AStepBelowOneGoesOnAsOneAndTheLastNumberEndsTheRun) {
  PrintedBook b{6, 7, 9999};
  bool complete = false;
  EXPECT_EQ(b.print({6, 7, 0}, complete), 2);
  EXPECT_TRUE(complete);
  // 10 n world units at magnification 4.7.
  EXPECT_EQ(b.printed(), (std::vector<int>{282, 329}));
  b.job.pages.clear();
  b.print({9999, 10001, 1}, complete);
  EXPECT_FALSE(complete);
  EXPECT_EQ(b.printed(), (std::vector<int>{469953}));
  EXPECT_EQ(b.t.app.reading.pageno, 9999);
}

TEST(PagePrint, APageMayCarryItsOwnPrintParameters) {
  PrintedBook b{1};
  // Page 1 again, with a settings record of magnification 1 and origin 5.
  test::TestApp page;
  Settings own = page.app.settings;
  own.print_magnification = 1.0;
  own.print_origin_x = 5;
  Block block = Block::empty_drawing();
  block.bytes().resize(kHeaderSize + sizeof(Settings));
  block.put(kHeaderSize, own);
  block.set_used(static_cast<std::uint32_t>(block.allocated()));
  block.set_settings_offset(kHeaderSize);
  page.app.drawing = block;
  makelayer(page.app, 1);
  test::add_line(page.app, 1, 10);
  test::write_bytes(b.dir.file("page0001.skl"), test::used_bytes(page.app.drawing));
  for (PageParams params : {PageParams::kLive, PageParams::kOwnPage}) {
    b.job.pages.clear();
    bool complete = false;
    b.print({1, 1, 1}, complete, params);
    EXPECT_EQ(b.printed(), (std::vector<int>{params == PageParams::kLive ? 47 : 15}));
    EXPECT_EQ(b.t.app.settings.print_magnification, 4.7);
  }
}

}  // namespace
}  // namespace daub
