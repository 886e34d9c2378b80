#include "resources/menu.h"

namespace daub {

namespace {

MenuItem item(const char* label, int id, const char* shortcut = "") {
  return MenuItem{label, id, {}, false, shortcut};
}
MenuItem popup(const char* label, std::vector<MenuItem> children) {
  return MenuItem{label, 0, std::move(children), false, ""};
}
MenuItem separator() { return MenuItem{"", 0, {}, true, ""}; }

MenuItem scale_menu() {
  return popup("縮尺変更", {
                               item("縮尺変更", 101),
                               item("縮尺４倍", 201),
                               item("縮尺2.8倍", 202),
                               item("縮尺２倍", 203),
                               item("縮尺1.4倍", 204),
                               item("縮尺１倍", 205),
                               item("縮尺0.7倍", 206),
                               item("縮尺0.5倍", 207),
                               item("縮尺0.35倍", 208),
                               item("縮尺0.25倍", 209),
                           });
}

MenuItem print_menu() {
  return popup("プリント", {
                               item("プリント", 587, "Ctrl+P"),
                               item("連続プリント", 816),
                               item("プリントセットアップ", 291),
                               item("プリントのヘルプ", 1127),
                           });
}

MenuItem reading_menu() {
  return popup("読書", {
                           item("目次", 240, "Home"),
                           item("ページ指定", 241),
                           item("次ページ", 242, "PgDown"),
                           item("前ページ", 243, "PgUp"),
                           separator(),
                           item("標準表示", 100),
                           item("ドラッグ移動", 600),
                           scale_menu(),
                           separator(),
                           print_menu(),
                           separator(),
                           item("描画面退避", 320),
                           item("描画面復帰", 321),
                           separator(),
                           item("読書ファイルを入力", 582),
                           item("読書のヘルプ", 1129, "F1"),
                           separator(),
                           item("コマンド一覧", kCommandListItem, "Ctrl+K"),
                       });
}

}  // namespace

std::vector<MenuItem> ParentMenu() {
  // The palette item's label carries a trailing space, as the window shows it.
  return {reading_menu(), item("Daubery ", 1112)};
}

}  // namespace daub
