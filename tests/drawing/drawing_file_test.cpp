#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "drawing/drawing_builder.h"
#include "drawing/drawing_file.h"
#include "drawing/layers.h"
#include "drawing/pack.h"
#include "support/test_app.h"

namespace daub::test {
namespace {

const std::string kData = std::string(DAUBERY_TEST_DATA) + "/data/";

std::vector<std::uint8_t> new_drawing_bytes() {
  std::vector<std::uint8_t> bytes(44, 0);
  Block b(bytes);
  b.put(0, DrawingHeader{44, 20, 0});
  return b.bytes();
}

TEST(DrawingFile, NewDrawingSavedAtOnceIsTheFortyFourByteFile) {
  TestApp t;
  TempDir dir;
  t.app.files.working_folder = dir.path;
  ASSERT_EQ(sklfileout(t.app, "new.skl"), 1);
  EXPECT_EQ(read_bytes(dir.file("new.skl")), new_drawing_bytes());
  EXPECT_EQ(read_bytes(kData + "drawing_new.skl"), new_drawing_bytes());
  EXPECT_EQ(t.app.files.current_file, "new.skl");
  EXPECT_EQ(t.ui.title(), "Daubery D-new");
}

TEST(DrawingFile, ReadsAFileOfAnotherWriterFromTheWorkingFolder) {
  TestApp t;
  t.app.files.working_folder = kData;
  ASSERT_EQ(sklfilein(t.app, "drawing_rich.skl"), 1);
  EXPECT_EQ(used_bytes(t.app.drawing), read_bytes(kData + "drawing_rich.skl"));
  EXPECT_EQ(t.app.drawing.allocated(), t.app.drawing.used());
  EXPECT_EQ(t.app.files.current_file, "drawing_rich.skl");
  EXPECT_EQ(t.ui.title(), "Daubery D-drawing_rich");
  EXPECT_EQ(layer_count(t.app.drawing), 2);
  EXPECT_EQ(line_tags(t.app.drawing, 1), (std::vector<double>{1, 2}));
  EXPECT_EQ(line_tags(t.app.drawing, 2), (std::vector<double>{3}));
}

TEST(DrawingFile, SettingsRecordIsKeptByPackAndDroppedBySave) {
  TestApp t;
  TempDir dir;
  t.app.files.working_folder = dir.path;
  const auto original = read_bytes(kData + "drawing_with_settings.skl");
  write_bytes(dir.file("s.skl"), original);
  ASSERT_EQ(sklfilein(t.app, "s.skl"), 1);
  // Saving without compaction writes the block exactly as it was read.
  ASSERT_EQ(sklfilesave(t.app, "copy.skl"), 1);
  EXPECT_EQ(read_bytes(dir.file("copy.skl")), original);
  EXPECT_EQ(t.app.files.current_file, "s.skl");

  sklpack(t.app);
  EXPECT_EQ(t.app.drawing.first_layer(), 796u);
  EXPECT_EQ(used_bytes(t.app.drawing), original);

  sklsetclear(t.app);
  sklpack(t.app);
  t.answer(ScriptAnswer::kYes);
  ASSERT_EQ(sklfileout(t.app, "s.skl"), 1);
  const auto saved = read_bytes(dir.file("s.skl"));
  ASSERT_EQ(saved.size(), 20u + 24 + 104);
  Block b(saved);
  EXPECT_EQ(b.settings_offset(), 0u);
  EXPECT_EQ(b.first_layer(), 20u);
  EXPECT_EQ(line_tags(b, 1), std::vector<double>{7});
}

TEST(DrawingFile, AnsweringNoLeavesTheFileAndTheName) {
  TestApp t;
  TempDir dir;
  t.app.files.working_folder = dir.path;
  const std::vector<std::uint8_t> old = {1, 2, 3, 4, 5};
  write_bytes(dir.file("old.skl"), old);
  add_line(t.app, 1, 1);
  t.answer(ScriptAnswer::kNo);
  EXPECT_EQ(sklfileout(t.app, "old.skl"), 0);
  EXPECT_EQ(t.last_message(), "CAUTION\t既存ファイルを更新しますか？");
  EXPECT_EQ(read_bytes(dir.file("old.skl")), old);
  EXPECT_EQ(t.app.files.current_file, "drawdata.skl");

  t.app.files.page_folder = dir.path;
  t.answer(ScriptAnswer::kYes);
  EXPECT_EQ(sklpagefileout(t.app, "old.skl"), 1);
  EXPECT_EQ(read_bytes(dir.file("old.skl")), used_bytes(t.app.drawing));
}

TEST(DrawingFile, FailedSaveReportsAndKeepsTheName) {
  TestApp t;
  TempDir dir;
  t.app.files.working_folder = dir.path;
  std::filesystem::create_directory(dir.file("folder.skl"));
  const std::string title = t.ui.title();
  for (const char* name : {"folder.skl", "missing/x.skl"}) {
    SCOPED_TRACE(name);
    t.clear_log();
    t.answer(ScriptAnswer::kYes);
    EXPECT_EQ(sklfileout(t.app, name), 0);
    EXPECT_EQ(t.last_message(), "CAUTION\tファイルオープン出来ません");
    EXPECT_EQ(t.app.files.current_file, "drawdata.skl");
    EXPECT_EQ(t.ui.title(), title);
  }
  EXPECT_TRUE(std::filesystem::is_directory(dir.file("folder.skl")));
  EXPECT_EQ(sklfilein(t.app, "nothing.skl"), 0);
  EXPECT_EQ(t.last_message(), "CAUTION\tファイルオープン出来ません");
}

TEST(DrawingFile, NameCheck) {
  const struct {
    std::string name;
    int passes;
  } cases[] = {
      {"PAGE0001.SKL", 1},
      {"skl", 1},
      {"kl", 0},
      {"", 0},
      {"x.skx", 0},
      {std::string(125, 'a') + "skl", 0},
      {std::string(124, 'a') + "skl", 1},
      {std::string("a.skl\0x", 7), 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TestApp t;
    EXPECT_EQ(sklnamecheck(t.app, c.name), c.passes);
    EXPECT_EQ(t.last_message(), c.passes ? "" : "CAUTION\tｓｋｌファイルではありません");
  }
}

TEST(DrawingFile, PathsAndNames) {
  EXPECT_EQ(path_in_folder("/w", "a.skl"), "/w/a.skl");
  EXPECT_EQ(path_in_folder("/w/", "a.skl"), "/w/a.skl");
  EXPECT_EQ(path_in_folder("/w", "/abs/a.skl"), "/abs/a.skl");
  EXPECT_EQ(path_in_folder("", "a.skl"), "a.skl");
  EXPECT_EQ(strsame("TORVCAD", "TORVCADX"), 0);
}

}  // namespace
}  // namespace daub::test
