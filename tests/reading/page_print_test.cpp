#include "reading/page_print.h"

#include <gtest/gtest.h>

#include "drawing/drawing_builder.h"
#include "drawing/layers.h"
#include "reading/page_files.h"
#include "support/book_builder.h"
#include "support/test_app.h"

namespace daub {
namespace {

using test::TempDir;

// A book whose page n carries a line starting at x = 10 n, opened in
// reading mode; printed pages are recorded.
struct PrintedBook {
  explicit PrintedBook(std::initializer_list<int> numbers) {
    for (int n : numbers) {
      std::string name = "page0000.skl";
      setpagenumber(n, name);
      test::write_page(dir.path, name, 10 * n);
    }
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

TEST(PagePrint, ARangeWithAStepPrintsEveryStepthPageIntoOneDocument) {
  PrintedBook b{3, 4, 5, 6, 7};
  bool complete = false;
  EXPECT_EQ(b.print({3, 7, 2}, complete), 3);
  EXPECT_TRUE(complete);
  // 10 n world units at magnification 4.7.
  EXPECT_EQ(b.printed(), (std::vector<int>{141, 235, 329}));
  EXPECT_EQ(b.job.starts, 1);
  EXPECT_EQ(b.job.ends, 1);
  EXPECT_EQ(b.t.app.reading.pageno, 7);
  // A step below 1 goes on as 1, so the run ends.
  b.job.pages.clear();
  EXPECT_EQ(b.print({6, 7, 0}, complete), 2);
  EXPECT_TRUE(complete);
}

TEST(PagePrint, APageThatCannotBeReadEndsTheRunKeepingWhatWasPrinted) {
  struct Case {
    const char* what;
    PageRange range;
    std::vector<int> printed;
    int shown;  // the page on screen afterwards
  } cases[] = {
      {"missing page", {3, 7, 2}, {141}, 3},
      {"first page missing", {5, 7, 1}, {}, 0},
      {"past the last number", {9999, 10001, 1}, {469953}, 9999},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    PrintedBook b{0, 3, 4, 7, 9999};
    bool complete = true;
    b.print(c.range, complete);
    EXPECT_FALSE(complete);
    EXPECT_EQ(b.printed(), c.printed);
    // No page read, no document: nothing is written.
    EXPECT_EQ(b.job.starts, c.printed.empty() ? 0 : 1);
    EXPECT_EQ(b.job.ends, c.printed.empty() ? 0 : 1);
    EXPECT_EQ(b.t.app.reading.pageno, c.shown);
  }
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

TEST(PagePrint, AContinuousPrintAsksForThePrinterAndTheParametersOnce) {
  PrintedBook b{3, 4, 5};
  b.t.app.reading.printfirst = 3;
  b.t.app.reading.printlast = 5;
  b.t.answer(ScriptAnswer::kPrint, "book.pdf");
  b.t.answer(ScriptAnswer::kOk);
  b.t.clear_log();
  EXPECT_EQ(pageprintloop(b.t.app), 1);
  EXPECT_EQ(b.job.pages.size(), 3u);
  int dialogs = 0;
  for (const std::string& line : b.t.log_lines()) dialogs += line.rfind("dialog\t", 0) == 0;
  EXPECT_EQ(dialogs, 2);
}

}  // namespace
}  // namespace daub
