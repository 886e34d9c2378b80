// Start-up defaults, the window title and the menu.

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "drawing/title.h"
#include "platform/atomic_file.h"
#include "resources/menu.h"
#include "shell/startup.h"
#include "support/test_app.h"

namespace daub {
namespace {

using test::TestApp;

TEST(FileInitTest, StartsInTheCurrentFolderWithAMinchoFont) {
  TestApp t;
  EXPECT_EQ(t.app.in.releaseworld.y, 310.0);
  EXPECT_EQ(t.app.files.working_folder, current_directory());
  EXPECT_EQ(t.app.files.page_folder, current_directory());
  // The face name in code page 932, with its NUL.
  const char face[] = "\x82\x6C\x82\x72\x96\xBE\x92\xA9";
  EXPECT_EQ(std::memcmp(t.app.settings.font.face_name, face, sizeof face), 0);
  EXPECT_EQ(t.app.settings.font.char_set, 128);
}

TEST(SetTitleTest, BuildsCutsOrKeepsTheTitle) {
  const std::string keep = "(unchanged)";
  struct Case {
    std::string base, path;
    int reading;
    std::string expected;
  } cases[] = {
      {"Daubery", "/home/a.b/map.skl", 0, "Daubery D-/home/a"},
      {"Daubery", "page0003.skl", 1, "Daubery R-page0003"},
      {"Daubery", std::string(127, 'f'), 0, "Daubery D-" + std::string(127, 'f')},
      {"Daubery", std::string(128, 'f'), 0, keep},
      {std::string(100, 'b'), "a.skl", 0, keep},
      {std::string(99, 'b'), "a.skl", 0, std::string(99, 'b') + " D-a"},
      // 99 + 3 + 127 bytes: neither a dot nor the end within 200 bytes.
      {std::string(99, 'b'), std::string(126, 'f') + ".", 0, keep},
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

// One line per item: "label id", "-" for a separator, "label >" for a popup.
std::vector<std::string> describe(const std::vector<MenuItem>& items) {
  std::vector<std::string> out;
  for (const MenuItem& m : items) {
    if (m.separator)
      out.push_back("-");
    else if (!m.children.empty())
      out.push_back(m.label + " >");
    else
      out.push_back(m.label + " " + std::to_string(m.id));
  }
  return out;
}

TEST(Menu, BarHoldsTheReadingMenuAndThePaletteItem) {
  const std::vector<MenuItem> bar = ParentMenu();
  EXPECT_EQ(describe(bar), (std::vector<std::string>{"読書 >", "Daubery  1112"}));
}

TEST(Menu, ReadingMenuInOrder) {
  const MenuItem reading = ParentMenu().at(0);
  EXPECT_EQ(describe(reading.children),
            (std::vector<std::string>{"目次 240", "ページ指定 241", "次ページ 242", "前ページ 243",
                                      "-", "標準表示 100", "ドラッグ移動 600", "縮尺変更 >", "-",
                                      "プリント >", "-", "描画面退避 320", "描画面復帰 321", "-",
                                      "読書ファイルを入力 582", "読書のヘルプ 1129", "-",
                                      "コマンド一覧 -1"}));
  EXPECT_EQ(
      describe(reading.children.at(7).children),
      (std::vector<std::string>{"縮尺変更 101", "縮尺４倍 201", "縮尺2.8倍 202", "縮尺２倍 203",
                                "縮尺1.4倍 204", "縮尺１倍 205", "縮尺0.7倍 206", "縮尺0.5倍 207",
                                "縮尺0.35倍 208", "縮尺0.25倍 209"}));
}

}  // namespace
}  // namespace daub
