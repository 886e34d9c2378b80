#include <gtest/gtest.h>

#include "drawing/drawing_builder.h"
#include "drawing/drawing_file.h"
#include "support/test_app.h"

namespace daub::test {
namespace {

const std::string kData = std::string(DAUBERY_TEST_DATA) + "/data/";

// Packing and saving a settings record are pinned by the settings_record
// script; a copy saved without compaction is the file as read, without the
// bytes that followed its used part, and the drawing keeps its name.
TEST(DrawingFile, SavingACopyWritesTheBlockAsReadAndKeepsTheName) {
  TestApp t;
  TempDir dir;
  t.app.files.working_folder = dir.path;
  const auto original = read_bytes(kData + "drawing_with_settings.skl");
  auto longer = original;
  longer.insert(longer.end(), {1, 2, 3, 4, 5});
  write_bytes(dir.file("s.skl"), longer);
  ASSERT_EQ(sklfilein(t.app, "s.skl"), 1);
  ASSERT_EQ(sklfilesave(t.app, "copy.skl"), 1);
  EXPECT_EQ(read_bytes(dir.file("copy.skl")), original);
  EXPECT_EQ(t.app.files.current_file, "s.skl");
}

// The question and declining it are pinned by the overwrite script.
TEST(DrawingFile, AnsweringYesOverwritesAPageFileAFailedSaveKeepsTheName) {
  TestApp t;
  TempDir dir;
  t.app.files.page_folder = dir.path;
  t.app.files.working_folder = dir.path;
  write_bytes(dir.file("old.skl"), {1, 2, 3, 4, 5});
  add_line(t.app, 1, 1);
  t.answer(ScriptAnswer::kYes);
  EXPECT_EQ(sklpagefileout(t.app, "old.skl"), 1);
  EXPECT_EQ(read_bytes(dir.file("old.skl")), used_bytes(t.app.drawing));
  const std::string title = t.ui.title();
  t.answer(ScriptAnswer::kYes);
  EXPECT_EQ(sklfileout(t.app, "missing/x.skl"), 0);
  EXPECT_EQ(t.last_message(), "CAUTION\tファイルオープン出来ません");
  EXPECT_EQ(t.app.files.current_file, "old.skl");
  EXPECT_EQ(t.ui.title(), title);
}

TEST(DrawingFile, NameCheck) {
  const struct {
    std::string name;
    int passes;
  } cases[] = {{"PAGE0001.SKL", 1},
               {"skl", 1},
               {"x.skx", 0},
               {std::string(125, 'a') + "skl", 0},
               {std::string(124, 'a') + "skl", 1},
               {std::string("a.skl\0x", 7), 1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TestApp t;
    EXPECT_EQ(sklnamecheck(t.app, c.name), c.passes);
    EXPECT_EQ(t.last_message(), c.passes ? "" : "CAUTION\tｓｋｌファイルではありません");
  }
}

}  // namespace
}  // namespace daub::test
