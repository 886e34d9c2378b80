#include "reading/page_files.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "drawing/drawing_builder.h"
#include "drawing/drawing_file.h"
#include "shell/window.h"
#include "support/book_builder.h"
#include "support/page_names.h"
#include "support/test_app.h"

namespace daub {
namespace {

using test::TempDir;
using test::TestApp;

TEST(PageFiles, PageNameCheckAtItsLimits) {
  const std::string long_stem(119, 'p');  // + 4 digits + ".skl" = 127 bytes
  struct Case {
    std::string name;
    bool page;
  } cases[] = {{"page0000.skl", true},
               {"page0000.SKL", true},
               {"page0000xskl", true},
               {"0000.skl", true},
               {"000.skl", false},
               {"page0000.skm", false},
               {"page0000.kkl", false},
               {"page000x.skl", false},
               {long_stem + "0000.skl", true},
               {long_stem + "p0000.skl", false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TestApp t;
    EXPECT_EQ(is_page_name(c.name), c.page);
    EXPECT_EQ(sklpagefilename(t.app, c.name), c.page ? 1 : 0);
    EXPECT_EQ(t.messages().size(), c.page ? 0u : 1u);
    if (!c.page) {
      EXPECT_EQ(t.last_message().substr(0, 16), "sklpagefilename\t");
    }
  }
}

// A book of pages 0000..0002 and 9999 in a folder, opened in reading mode.
struct Book {
  Book() {
    for (int n : {0, 1, 2, 9999}) test::write_page(dir.path, test::page_name(n), 100 + n);
    test::add_line(t.app, 1, 7);  // the user's drawing
    t.app.files.page_folder = dir.path;
    storedrawdata(t.app);
  }
  void at(int n) {
    t.app.reading.pageno = n;
    setpagenumber(n, t.app.files.pagename);
    ASSERT_EQ(pageread(t.app), 1);
    t.clear_log();
  }
  TempDir dir;
  TestApp t;
};

// Turning pages and going to a typed page: typed numbers outside 0..9999
// wrap to 0, nonsense keeps the page. The reading script turns back, to the
// contents and past the first page.
TEST(PageFiles, TurningPagesWrapsAndAFailedReadKeepsThePage) {
  struct Case {
    const char* what;
    int from;
    int (*turn)(App&);
    const char* typed;  // the answer pagegoto reads
    int read;           // 1 when the page turned
    int shown;          // the page number afterwards
    const char* message;
  } cases[] = {
      {"next past the last page", 9999, pagenext, "", 1, 0, ""},
      {"next at the end of the book", 2, pagenext, "", 0, 2,
       "pageread\tファイルオープン出来ません"},
      {"go to 9999", 1, pagegoto, "  9999", 1, 9999, ""},
      {"go to 10000", 1, pagegoto, "10000", 1, 0, ""},
      {"go to -5", 1, pagegoto, "-5", 1, 0, ""},
      {"go to x", 1, pagegoto, "x", 1, 1, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Book b;
    b.at(c.from);
    if (*c.typed) b.t.answer(ScriptAnswer::kInput, c.typed);
    EXPECT_EQ(c.turn(b.t.app), c.read);
    EXPECT_EQ(std::tuple(b.t.app.reading.pageno, b.t.app.files.pagename, test::shown_tag(b.t.app),
                         b.t.last_message()),
              std::tuple(c.shown, test::page_name(c.shown), 100.0 + c.shown, c.message));
  }
}

TEST(PageFiles, OpeningABookChangesNothingUnlessAPageIsRead) {
  Book b;
  b.t.app.in.readingmode = 0;  // as if never stored
  b.t.app.reading.storeddrawing.reset();
  const std::string other = b.dir.path + "/other";
  std::filesystem::create_directory(other);
  test::write_page(other, "book0003.skl", 3);
  b.t.app.files.page_folder = b.dir.path;
  const Files before = b.t.app.files;
  struct Case {
    const char* chosen;
    int read;
  } cases[] = {{"book0004.skl", 0}, {"book0003.skl", 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.chosen);
    b.t.answer(ScriptAnswer::kFile, other + "/" + c.chosen);
    EXPECT_EQ(open_book(b.t.app), c.read);
    if (c.read) break;
    EXPECT_EQ(std::tie(b.t.app.files.pagename, b.t.app.files.page_folder),
              std::tie(before.pagename, before.page_folder));
    EXPECT_EQ(std::tuple(b.t.app.reading.pageno, b.t.app.in.readingmode), std::tuple(0, 0));
    EXPECT_FALSE(b.t.app.reading.storeddrawing);
  }
  EXPECT_EQ(std::tuple(b.t.app.files.pagename, b.t.app.files.page_folder, b.t.app.reading.pageno,
                       test::shown_tag(b.t.app)),
            std::tuple("book0003.skl", other, 3, 3.0));
  EXPECT_TRUE(b.t.app.reading.storeddrawing);  // the reading script gives it back
}

TEST(PageFiles, AFolderChooserTakesOnlyAFolderThatExists) {
  TempDir dir;
  std::filesystem::create_directory(dir.file("sub"));
  TestApp t;
  t.app.files.working_folder = dir.path;
  test::write_bytes(dir.file("file"), {1});
  for (const char* typed : {"missing", "file"}) {
    t.answer(ScriptAnswer::kInput, typed);
    EXPECT_EQ(choose_working_folder(t.app), 0);
    EXPECT_EQ(t.app.files.working_folder, dir.path);
  }
  t.answer(ScriptAnswer::kInput, "sub");
  EXPECT_EQ(choose_working_folder(t.app), 1);
  EXPECT_EQ(t.app.files.working_folder, dir.file("sub"));
  t.answer(ScriptAnswer::kInput, dir.path);
  EXPECT_EQ(choose_page_folder(t.app), 1);
  EXPECT_EQ(t.app.files.page_folder, dir.path);
}

// Closing while pages are read asks about the user's stored drawing, which
// comes back to be saved; a page as read asks nothing.
TEST(PageFiles, ClosingWhileReadingSavesTheStoredDrawing) {
  {
    Book b;  // its user's drawing holds a line no file has
    b.at(1);
    b.t.answer(ScriptAnswer::kYes);
    b.t.answer(ScriptAnswer::kFile, b.dir.file("mine.skl"));
    EXPECT_TRUE(on_close(b.t.app));
    EXPECT_EQ(b.t.app.in.readingmode, 0);
    EXPECT_EQ(test::file_tag(b.dir.file("mine.skl")), 7);
  }
  {
    Book b;
    b.t.app.reading.stored_saved = drawing_fingerprint(*b.t.app.reading.storeddrawing);
    b.at(2);
    EXPECT_TRUE(on_close(b.t.app));
    EXPECT_TRUE(b.t.messages().empty());
    test::add_line(b.t.app, 1, 5);  // an edit to the page asks
    b.t.answer(ScriptAnswer::kCancel);
    EXPECT_FALSE(on_close(b.t.app));
    loaddrawdata(b.t.app);  // the saved drawing back asks nothing
    EXPECT_TRUE(on_close(b.t.app));
  }
}

}  // namespace
}  // namespace daub
