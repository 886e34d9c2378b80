#include "resources/menu.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace daub {
namespace {

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
                                      "読書ファイルを入力 582", "読書のヘルプ 1129"}));
  EXPECT_EQ(
      describe(reading.children.at(7).children),
      (std::vector<std::string>{"縮尺変更 101", "縮尺４倍 201", "縮尺2.8倍 202", "縮尺２倍 203",
                                "縮尺1.4倍 204", "縮尺１倍 205", "縮尺0.7倍 206", "縮尺0.5倍 207",
                                "縮尺0.35倍 208", "縮尺0.25倍 209"}));
  EXPECT_EQ(describe(reading.children.at(9).children),
            (std::vector<std::string>{"プリント 587", "連続プリント 816",
                                      "プリントセットアップ 291", "プリントのヘルプ 1127"}));
}

}  // namespace
}  // namespace daub
