#include "reading/page_marks.h"

#include <gtest/gtest.h>

#include "drawing/drawing_builder.h"
#include "drawing/drawing_file.h"
#include "drawing/texts.h"
#include "support/test_app.h"

namespace daub {
namespace {

using test::TempDir;
using test::TestApp;

// Writes a page whose layer 1 holds the given letter texts.
void write_marked(const TempDir& dir, const std::string& name, std::vector<std::string> texts) {
  TestApp t;
  for (const std::string& text : texts) test::add_text(t.app, 1, ChainKind::kLetters, text);
  test::write_bytes(dir.file(name), test::used_bytes(t.app.drawing));
}

// The letter texts of layer 1 of a page file.
std::vector<std::string> letters(const TempDir& dir, const std::string& name) {
  TestApp t;
  std::vector<std::string> out;
  if (!sklfilein(t.app, dir.file(name))) return {"unreadable"};
  TextRecord record;
  for (int n = 1; n <= totaltext(t.app, TextKind::kLetter, 1); ++n)
    out.push_back(gettextstr(t.app, TextKind::kLetter, n, record, 1).value_or("?"));
  return out;
}

struct MarkedBook {
  MarkedBook() {
    write_marked(dir, "text0001.skl", {"本文", "-9-"});
    write_marked(dir, "text0002.skl", {"本文"});
    write_marked(dir, "text0003.skl", {"-1-", "本文", "-3-"});
    t.app.files.working_folder = dir.path;
    test::add_line(t.app, 1, 5);
    t.app.text.buffer = "kept";
    user = t.app.drawing.bytes();
  }
  std::vector<std::vector<std::string>> pages() const {
    return {letters(dir, "text0001.skl"), letters(dir, "text0002.skl"),
            letters(dir, "text0003.skl")};
  }
  TempDir dir;
  TestApp t;
  std::vector<std::uint8_t> user;
};

using Pages = std::vector<std::vector<std::string>>;

TEST(PageMarks, EachCommandOverAWholeSeries) {
  struct Case {
    PageMarkOp op;
    int handled;
    Pages after;
  } cases[] = {
      {PageMarkOp::kWrite, 2, {{"本文", "-1-"}, {"本文", "-2-"}, {"-1-", "本文", "-3-"}}},
      {PageMarkOp::kRenumber, 1, {{"本文", "-1-"}, {"本文"}, {"-1-", "本文", "-3-"}}},
      {PageMarkOp::kRemove, 2, {{"本文"}, {"本文"}, {"本文"}}},
      {PageMarkOp::kList, 3, {{"本文", "-9-"}, {"本文"}, {"-1-", "本文", "-3-"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.op));
    MarkedBook b;
    EXPECT_EQ(pagemarks(b.t.app, "text0002.skl", c.op), c.handled);
    EXPECT_EQ(b.pages(), c.after);
    EXPECT_EQ(b.t.app.drawing.bytes(), b.user);
    EXPECT_EQ(b.t.app.text.buffer, "kept");
  }
}

}  // namespace
}  // namespace daub
