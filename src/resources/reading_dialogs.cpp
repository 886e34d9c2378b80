// The dialog templates of printing and reading.

#include <string>

#include "resources/dialogs.h"

namespace daub {

namespace {

// Three labelled number fields 967, 969, 971 in a column from (x, y).
std::vector<ControlTemplate> three_fields(int x, int y, const char* a, const char* b,
                                          const char* c) {
  std::vector<ControlTemplate> fields;
  const char* labels[] = {a, b, c};
  const int ids[] = {967, 969, 971};
  for (int i = 0; i < 3; ++i) {
    fields.push_back({-1, ControlKind::kStatic, labels[i], x, y + 4 + 34 * i, 150, 20});
    fields.push_back({ids[i], ControlKind::kEdit, "", x + 160, y + 34 * i, 100, 24, 20});
  }
  return fields;
}

DialogTemplate with_buttons(DialogTemplate t, std::vector<ControlTemplate> fields,
                            const std::vector<ControlTemplate>& more) {
  t.controls = std::move(fields);
  t.controls.insert(t.controls.end(), more.begin(), more.end());
  const int y = t.height - 44;
  t.controls.push_back({kIdOk, ControlKind::kDefaultButton, "OK", t.width - 196, y, 84, 28});
  t.controls.push_back({kIdCancel, ControlKind::kButton, "ｷｬﾝｾﾙ", t.width - 100, y, 84, 28});
  return t;
}

}  // namespace

const DialogTemplate& printparaminputbox_template() {
  static const DialogTemplate kTemplate =
      with_buttons({"PRINTPARAMINPUTBOX", "プリントパラメータ入力", 300, 200, {}},
                   three_fields(20, 16, "ます目原点のX座標", "ます目原点のY座標", "印刷拡大率"),
                   {{981, ControlKind::kButton, "TEST", 20, 156, 84, 28}});
  return kTemplate;
}

const DialogTemplate& dbryprintdlg_template() {
  static const DialogTemplate kTemplate = with_buttons(
      {"DBRYPRINTDLG", "プリントパラメータ入力", 580, 300, {}},
      three_fields(300, 16, "ます目原点のX座標", "ます目原点のY座標", "印刷拡大率"),
      {{-2, ControlKind::kPreview, "", 0, 0, 280, 280},
       {981, ControlKind::kButton, "TEST", 300, 124, 84, 28},
       {-1, ControlKind::kStatic, "図の上をドラッグすると原点が動きます", 300, 168, 270, 20}});
  return kTemplate;
}

const DialogTemplate& currentprintparaminputbox_template() {
  static const DialogTemplate kTemplate =
      with_buttons({"CURRENTPRINTPARAMINPUTBOX", "連続プリントパラメータ入力", 300, 200, {}},
                   three_fields(20, 16, "開始ページ", "終了ページ", "インターバル"),
                   {{981, ControlKind::kButton, "TEST", 20, 156, 84, 28}});
  return kTemplate;
}

const DialogTemplate& ratticeparaminputbox_template() {
  static const DialogTemplate kTemplate =
      with_buttons({"RATTICEPARAMINPUTBOX", "ます目パラメータ入力", 440, 260, {}},
                   three_fields(20, 16, "横の長さ", "縦の長さ", "インターバル"),
                   {{982, ControlKind::kButton, "A4縦置き", 300, 16, 120, 26},
                    {983, ControlKind::kButton, "B5縦置き", 300, 46, 120, 26},
                    {996, ControlKind::kButton, "ハガキ縦置き", 300, 76, 120, 26},
                    {997, ControlKind::kButton, "A4横置き", 300, 106, 120, 26},
                    {998, ControlKind::kButton, "B5横置き", 300, 136, 120, 26},
                    {999, ControlKind::kButton, "ハガキ横置き", 300, 166, 120, 26},
                    {1024, ControlKind::kButton, "ます目の色変更", 20, 130, 150, 28},
                    {981, ControlKind::kButton, "TEST", 20, 166, 84, 28}});
  return kTemplate;
}

const DialogTemplate& combodlgbox_template() {
  static const DialogTemplate kTemplate{
      "COMBODLGBOX",
      "ファイル一覧",
      420,
      150,
      {
          {1001, ControlKind::kStatic, "", 16, 12, 388, 20},
          {1002, ControlKind::kCombo, "", 16, 40, 388, 28},
          {kIdOk, ControlKind::kDefaultButton, "OK", 224, 106, 84, 28},
          {kIdCancel, ControlKind::kButton, "ｷｬﾝｾﾙ", 320, 106, 84, 28},
      }};
  return kTemplate;
}

}  // namespace daub
