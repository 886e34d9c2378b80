#include "reading/page_series.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <random>

#include "support/book_builder.h"
#include "support/page_names.h"
#include "support/test_app.h"

namespace daub {
namespace {

namespace fs = std::filesystem;
using test::TempDir;
using test::TestApp;
using Tags = std::map<int, double>;

std::string page(int n) { return test::page_name(n, "text0000.skl"); }

// A series in the working folder: pages tagged by their first number.
struct Series {
  explicit Series(std::initializer_list<int> numbers) {
    for (int n : numbers) test::write_page(dir.path, page(n), n);
    t.app.files.working_folder = dir.path;
  }
  // Number → tag of every page file of the series now on disk.
  Tags on_disk() const {
    Tags out;
    for (const PageFile& f : list_series_plain(dir.path, "text0000.skl"))
      out[f.number] = test::file_tag(dir.file(f.name));
    return out;
  }
  TempDir dir;
  TestApp t;
};

TEST(PageSeries, OneFolderReadListsWhatTryingEveryNumberFinds) {
  std::mt19937 random(14);
  for (int round = 0; round < 20; ++round) {
    SCOPED_TRACE(round);
    TempDir dir;
    for (int i = 0; i < 40; ++i) {
      const int n = static_cast<int>(random() % 10000);
      const std::string name =
          test::page_name(n, random() % 4 == 0 ? "text0000.SKL" : "text0000.skl");
      std::error_code taken;  // a name made twice keeps what it was first
      // The access check finds folders, not dangling links; "x" is another stem.
      const auto kind = random() % 6;
      if (kind == 0)
        fs::create_directory(dir.file(name), taken);
      else if (kind == 1)
        fs::create_symlink(dir.file("nowhere"), dir.file(name), taken);
      else
        test::write_bytes(dir.file(kind == 2 ? "x" + name : name), {1});
    }
    for (const char* name : {"text00001.skl", "text00a1.skl", "text0001xskl", "text9999.skl"})
      test::write_bytes(dir.file(name), {1});
    const auto fast = list_series(dir.path, "text0042.skl");
    EXPECT_EQ(fast, list_series_plain(dir.path, "text0042.skl"));
    EXPECT_TRUE(std::is_sorted(fast.begin(), fast.end(), [](const PageFile& a, const PageFile& b) {
      return a.number < b.number;
    }));
  }
}

TEST(PageSeries, DeletingBeforeAndAfterTheChosenPage) {
  Series before{1, 2, 3, 4};
  EXPECT_EQ(pagefiledelback(before.t.app, "text0003.skl", Side::kBefore), 2);
  EXPECT_EQ(before.on_disk(), (Tags{{3, 3}, {4, 4}}));
  Series after{1, 2, 3, 4};
  EXPECT_EQ(pagefiledelback(after.t.app, "text0002.skl", Side::kAfter), 2);
  EXPECT_EQ(after.on_disk(), (Tags{{1, 1}, {2, 2}}));
  EXPECT_EQ(pagefiledelete(after.t.app, "text0002.skl"), 1);
  EXPECT_EQ(pagefiledelete(after.t.app, "text0002.skl"), 0);
  EXPECT_TRUE(after.t.messages().empty());
}

TEST(PageSeries, AFailedFileOperationStopsWithItsMessage) {
  // A name taken by a dangling link is not a page, yet nothing may be
  // renamed over it.
  Series s{3};
  fs::create_symlink(s.dir.file("nowhere"), s.dir.file("text0000.skl"));
  s.t.answer(ScriptAnswer::kInput, "0");
  EXPECT_EQ(pagefilesequence(s.t.app, "text0003.skl"), 0);
  EXPECT_EQ(s.t.last_message(), "pagefilesequence\trename err");
  EXPECT_EQ(s.on_disk(), (Tags{{3, 3}}));
  // A folder with something in it cannot be removed.
  Series d{1, 2};
  fs::create_directory(d.dir.file("text0000.skl"));
  test::write_bytes(d.dir.file("text0000.skl/inside"), {1});
  EXPECT_EQ(pagefiledelback(d.t.app, "text0002.skl", Side::kBefore), 0);
  EXPECT_EQ(d.t.last_message(), "pagefiledelback\tremove err");
  EXPECT_EQ(test::file_tag(d.dir.file("text0001.skl")), 1);
}

}  // namespace
}  // namespace daub
