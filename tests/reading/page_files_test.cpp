#include "reading/page_files.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/test_app.h"

namespace daub {
namespace {

using test::TempDir;
using test::TestApp;

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

}  // namespace
}  // namespace daub
