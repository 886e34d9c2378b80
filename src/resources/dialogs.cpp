#include "resources/dialogs.h"

#include <string>

#include "help/help_texts.h"

namespace daub {

namespace {

// The pen fields both pen dialogs start with: style radios, width, dot
// length, start length, line bits and the three pattern buttons.
std::vector<ControlTemplate> pen_field_controls() {
  return {
      {975, ControlKind::kRadio, "実線", 20, 16, 80, 24},
      {976, ControlKind::kRadio, "点線", 110, 16, 80, 24},
      {-1, ControlKind::kStatic, "ペン幅", 20, 52, 150, 20},
      {967, ControlKind::kEdit, "", 180, 48, 100, 24, 20},
      {-1, ControlKind::kStatic, "ドットの長さ", 20, 86, 150, 20},
      {969, ControlKind::kEdit, "", 180, 82, 100, 24, 20},
      {-1, ControlKind::kStatic, "開始位置までの距離", 20, 120, 150, 20},
      {971, ControlKind::kEdit, "", 180, 116, 100, 24, 20},
      {-1, ControlKind::kStatic, "ラインビット", 20, 154, 150, 20},
      {973, ControlKind::kEdit, "", 180, 150, 200, 24, 20},
      {982, ControlKind::kButton, "点線", 310, 16, 110, 28},
      {983, ControlKind::kButton, "１点鎖線", 310, 50, 110, 28},
      {996, ControlKind::kButton, "２点鎖線", 310, 84, 110, 28},
  };
}

DialogTemplate with_pen_fields(DialogTemplate t, const std::vector<ControlTemplate>& more) {
  t.controls = pen_field_controls();
  t.controls.insert(t.controls.end(), more.begin(), more.end());
  return t;
}

// A change dialog: the dialog it extends, taller by the box of parts to
// change, with OK and Cancel moved to its new bottom.
DialogTemplate change_dialog(DialogTemplate t, const char* name, const char* title, int height,
                             const std::vector<ControlTemplate>& parts) {
  t.name = name;
  t.title = title;
  for (ControlTemplate& c : t.controls)
    if (c.id == kIdOk || c.id == kIdCancel) c.y += height - t.height;
  t.height = height;
  t.controls.insert(t.controls.end(), parts.begin(), parts.end());
  return t;
}

}  // namespace

const DialogTemplate& peninputbox_template() {
  static const DialogTemplate kTemplate =
      with_pen_fields({"PENINPUTBOX", "ペンデータ入力", 580, 330, {}},
                      {
                          {999, ControlKind::kButton, "定型ペン", 440, 16, 110, 28},
                          {1024, ControlKind::kButton, "色", 440, 50, 110, 28},
                          {981, ControlKind::kButton, "TEST", 440, 84, 110, 28},
                          {kIdOk, ControlKind::kDefaultButton, "OK", 380, 290, 84, 28},
                          {kIdCancel, ControlKind::kButton, "ｷｬﾝｾﾙ", 476, 290, 84, 28},
                      });
  return kTemplate;
}

const DialogTemplate& penparamchangebox_template() {
  static const DialogTemplate kTemplate =
      change_dialog(peninputbox_template(), "PENPARAMCHANGEBOX", "線群変更", 400,
                    {{-1, ControlKind::kGroup, "変更項目", 200, 190, 220, 120},
                     {1038, ControlKind::kCheck, "ペン幅", 216, 214, 190, 24},
                     {1039, ControlKind::kCheck, "線の種類", 216, 244, 190, 24},
                     {1040, ControlKind::kCheck, "色", 216, 274, 190, 24}});
  return kTemplate;
}

const DialogTemplate& standardpeninputbox_template() {
  static const DialogTemplate kTemplate{
      "STANDARDPENINPUTBOX",
      "定型ペンデータ入力",
      200,
      262,
      {
          {981, ControlKind::kButton, "実線", 20, 12, 160, 28},
          {982, ControlKind::kButton, "点線", 20, 46, 160, 28},
          {983, ControlKind::kButton, "長い点線", 20, 80, 160, 28},
          {996, ControlKind::kButton, "１点鎖線", 20, 114, 160, 28},
          {997, ControlKind::kButton, "長い１点鎖線", 20, 148, 160, 28},
          {998, ControlKind::kButton, "２点鎖線", 20, 182, 160, 28},
          {999, ControlKind::kButton, "長い２点鎖線", 20, 216, 160, 28},
      }};
  return kTemplate;
}

const DialogTemplate& pendotinputbox_template() {
  static const DialogTemplate kTemplate =
      with_pen_fields({"PENDOTINPUTBOX", "ペン,ブラシデータ入力", 720, 340, {}},
                      {
                          {-1, ControlKind::kGroup, "ブラシ", 440, 4, 260, 50},
                          {977, ControlKind::kRadio, "単色", 450, 24, 110, 24},
                          {978, ControlKind::kRadio, "ハッチ", 570, 24, 110, 24},
                          {-1, ControlKind::kGroup, "ハッチタイプ", 440, 58, 260, 50},
                          {979, ControlKind::kRadio, "斜線", 450, 78, 110, 24},
                          {980, ControlKind::kRadio, "格子", 570, 78, 110, 24},
                          {-1, ControlKind::kStatic, "ハッチ幅", 440, 120, 110, 20},
                          {984, ControlKind::kEdit, "", 560, 116, 100, 24, 20},
                          {-1, ControlKind::kStatic, "ハッチ角度", 440, 154, 110, 20},
                          {986, ControlKind::kEdit, "", 560, 150, 100, 24, 20},
                          {997, ControlKind::kButton, "十字かすり", 440, 186, 130, 28},
                          {998, ControlKind::kButton, "口型かすり", 440, 218, 130, 28},
                          {999, ControlKind::kButton, "定型ペンとブラシ", 580, 186, 130, 28},
                          {1024, ControlKind::kButton, "色", 580, 218, 130, 28},
                          {981, ControlKind::kButton, "TEST", 580, 250, 130, 28},
                          {kIdOk, ControlKind::kDefaultButton, "OK", 530, 300, 84, 28},
                          {kIdCancel, ControlKind::kButton, "ｷｬﾝｾﾙ", 626, 300, 84, 28},
                      });
  return kTemplate;
}

const DialogTemplate& standardpendotinputbox_template() {
  static const DialogTemplate kTemplate = [] {
    DialogTemplate t{"STANDARDPENDOTINPUTBOX", "定型ペン,ブラシデータ入力", 560, 316, {}};
    const int pen_ids[] = {981, 982, 983, 996, 997, 998, 999};
    const char* pen_labels[] = {"実線",         "点線",     "長い点線",    "１点鎖線",
                                "長い１点鎖線", "２点鎖線", "長い２点鎖線"};
    for (int i = 0; i < 7; ++i)
      t.controls.push_back(
          {pen_ids[i], ControlKind::kButton, pen_labels[i], 20, 12 + 34 * i, 160, 28});
    const char* brush_labels[] = {
        "塗りつぶし", "ハッチ",         "狭いハッチ",    "広いハッチ",     "格子",
        "狭い格子",   "広い格子",       "十字かすり",    "狭い十字かすり", "広い十字かすり",
        "口型かすり", "狭い口型かすり", "広い口型かすり"};
    for (int i = 0; i < 13; ++i)
      t.controls.push_back({1024 + i, ControlKind::kButton, brush_labels[i], 200 + 180 * (i / 7),
                            12 + 34 * (i % 7), 160, 28});
    t.controls.push_back({1037, ControlKind::kButton, "CANCEL", 380, 262, 160, 28});
    return t;
  }();
  return kTemplate;
}

const DialogTemplate& colorinputbox_template() {
  static const DialogTemplate kTemplate{
      "COLORINPUTBOX",
      "色入力",
      320,
      300,
      {
          {-1, ControlKind::kStatic, "赤", 20, 20, 40, 20},
          {967, ControlKind::kEdit, "", 70, 16, 80, 24},
          {-1, ControlKind::kStatic, "緑", 20, 56, 40, 20},
          {969, ControlKind::kEdit, "", 70, 52, 80, 24},
          {-1, ControlKind::kStatic, "青", 20, 92, 40, 20},
          {971, ControlKind::kEdit, "", 70, 88, 80, 24},
          {982, ControlKind::kButton, "パレット", 190, 16, 110, 28},
          {981, ControlKind::kButton, "TEST", 190, 52, 110, 28},
          {kIdOk, ControlKind::kDefaultButton, "OK", 120, 256, 84, 28},
          {kIdCancel, ControlKind::kButton, "ｷｬﾝｾﾙ", 216, 256, 84, 28},
      }};
  return kTemplate;
}

const DialogTemplate& photopeninputbox_template() {
  static const DialogTemplate kTemplate{
      "PHOTOPENINPUTBOX",
      "フォトペン,細線データ入力",
      600,
      320,
      {
          {-1, ControlKind::kStatic, "ペン幅", 20, 20, 170, 20},
          {967, ControlKind::kEdit, "", 200, 16, 90, 24, 20},
          {-1, ControlKind::kStatic, "ぼかし係数(0.--2.)", 20, 54, 170, 20},
          {969, ControlKind::kEdit, "", 200, 50, 90, 24, 20},
          {-1, ControlKind::kStatic, "ペン濃度(0.--1.)", 20, 88, 170, 20},
          {971, ControlKind::kEdit, "", 200, 84, 90, 24, 20},
          {-1, ControlKind::kStatic, "細める長さ/線幅", 20, 122, 170, 20},
          {973, ControlKind::kEdit, "", 200, 118, 90, 24, 20},
          {-1, ControlKind::kGroup, "端の処理", 310, 4, 270, 100},
          {975, ControlKind::kRadio, "端を細めたりぼかしたりしない", 320, 24, 250, 22},
          {976, ControlKind::kRadio, "端を細める", 320, 48, 250, 22},
          {977, ControlKind::kRadio, "端をぼかす", 320, 72, 250, 22},
          {-1, ControlKind::kGroup, "指定端", 310, 110, 270, 100},
          {978, ControlKind::kRadio, "始点だけ", 320, 130, 250, 22},
          {979, ControlKind::kRadio, "終点だけ", 320, 154, 250, 22},
          {980, ControlKind::kRadio, "両端", 320, 178, 250, 22},
          {-2, ControlKind::kPreview, "", 96, 166, 158, 88},
          {981, ControlKind::kButton, "TEST", 20, 166, 64, 28},
          {kIdOk, ControlKind::kDefaultButton, "OK", 400, 276, 84, 28},
          {kIdCancel, ControlKind::kButton, "ｷｬﾝｾﾙ", 496, 276, 84, 28},
      }};
  return kTemplate;
}

const DialogTemplate& dauberydlg_template() {
  static const DialogTemplate kTemplate{
      "DAUBERYDLG",
      "Daubery",
      700,
      312,
      {
          {-1, ControlKind::kGroup, "線幅", 10, 6, 72, 152},
          {1072, ControlKind::kRadio, "1", 20, 28, 56, 22},
          {1073, ControlKind::kRadio, "3", 20, 52, 56, 22},
          {1074, ControlKind::kRadio, "7", 20, 76, 56, 22},
          {1075, ControlKind::kRadio, "20", 20, 100, 56, 22},
          {1076, ControlKind::kRadio, "60", 20, 124, 56, 22},
          {-1, ControlKind::kGroup, "ぼかし率", 88, 6, 72, 152},
          {1077, ControlKind::kRadio, "0.0", 98, 28, 56, 22},
          {1078, ControlKind::kRadio, "0.5", 98, 52, 56, 22},
          {1079, ControlKind::kRadio, "1.0", 98, 76, 56, 22},
          {1080, ControlKind::kRadio, "1.5", 98, 100, 56, 22},
          {1081, ControlKind::kRadio, "2.0", 98, 124, 56, 22},
          {-1, ControlKind::kGroup, "濃さ", 166, 6, 72, 152},
          {1082, ControlKind::kRadio, "0.25", 176, 28, 56, 22},
          {1083, ControlKind::kRadio, "0.50", 176, 52, 56, 22},
          {1084, ControlKind::kRadio, "0.75", 176, 76, 56, 22},
          {1085, ControlKind::kRadio, "1.00", 176, 100, 56, 22},
          {-1, ControlKind::kGroup, "画面縮尺", 244, 6, 72, 152},
          {1086, ControlKind::kRadio, "2.0", 254, 28, 56, 22},
          {1087, ControlKind::kRadio, "1.4", 254, 52, 56, 22},
          {1088, ControlKind::kRadio, "1.0", 254, 76, 56, 22},
          {1089, ControlKind::kRadio, "0.7", 254, 100, 56, 22},
          {1090, ControlKind::kRadio, "0.5", 254, 124, 56, 22},
          {-2, ControlKind::kPreview, "", 56, 176, 158, 88},
          {1100, ControlKind::kButton, "TEST", 222, 176, 94, 28},
          {1101, ControlKind::kButton, "色", 222, 210, 94, 28},
          {1102, ControlKind::kButton, "入出力", 326, 10, 170, 28},
          {1103, ControlKind::kButton, "印刷", 326, 44, 170, 28},
          {1104, ControlKind::kButton, "全体を原点に戻す", 326, 78, 170, 28},
          {1105, ControlKind::kButton, "キャンバスを原点に戻す", 326, 112, 170, 28},
          {1106, ControlKind::kButton, "ひとつ前の画面に戻す", 326, 146, 170, 28},
          {1107, ControlKind::kButton, "標準表示", 326, 180, 170, 28},
          {1109, ControlKind::kButton, "キャンバス消去", 326, 214, 170, 28},
          {1108, ControlKind::kButton, "ヘルプ", 326, 248, 170, 28},
          {-1, ControlKind::kGroup, "マウス指令", 506, 6, 184, 194},
          {1091, ControlKind::kRadio, "絵を描く", 516, 28, 168, 22},
          {1092, ControlKind::kRadio, "白いキャンバスを作る", 516, 52, 168, 22},
          {1093, ControlKind::kRadio, "色付キャンバスを作る", 516, 76, 168, 22},
          {1094, ControlKind::kRadio, "切り取る", 516, 100, 168, 22},
          {1095, ControlKind::kRadio, "サイズ変更", 516, 124, 168, 22},
          {1096, ControlKind::kRadio, "全体の移動", 516, 148, 168, 22},
          {1097, ControlKind::kRadio, "キャンバスの移動", 516, 172, 168, 22},
          {kIdOk, ControlKind::kDefaultButton, "OK", 510, 270, 84, 28},
          {kIdCancel, ControlKind::kButton, "ｷｬﾝｾﾙ", 604, 270, 84, 28},
      }};
  return kTemplate;
}

const DialogTemplate& dbryiodlg_template() {
  static const DialogTemplate kTemplate{
      "DBRYIODLG",
      "Daubery入出力",
      300,
      224,
      {
          {1100, ControlKind::kButton, "ファイルから入力", 20, 16, 260, 32},
          {1101, ControlKind::kButton, "ファイルへ出力", 20, 56, 260, 32},
          {1102, ControlKind::kButton, "クリップボードから貼り付け", 20, 96, 260, 32},
          {1103, ControlKind::kButton, "クリップボードへコピー", 20, 136, 260, 32},
          {kIdCancel, ControlKind::kButton, "ｷｬﾝｾﾙ", 196, 184, 84, 28},
      }};
  return kTemplate;
}

const DialogTemplate& dbryhelpdlg_template() {
  static const DialogTemplate kTemplate = [] {
    DialogTemplate t{"DBRYHELPDLG", "Daubery Help", 300, 334, {}};
    for (int topic = 0; topic < kPaletteHelpTopics; ++topic)
      t.controls.push_back({1100 + topic, ControlKind::kButton,
                            std::string(palette_help_label(topic)), 20, 14 + 38 * topic, 260, 30});
    t.controls.push_back({kIdCancel, ControlKind::kButton, "ｷｬﾝｾﾙ", 196, 292, 84, 28});
    return t;
  }();
  return kTemplate;
}

const DialogTemplate& textbox_template() {
  static const DialogTemplate kTemplate{
      "TEXTBOX",
      "テキスト入力",
      520,
      320,
      {
          {292, ControlKind::kMultiEdit, "", 12, 12, 496, 250, 1000},
          {kIdOk, ControlKind::kDefaultButton, "OK", 328, 276, 84, 28},
          {kIdCancel, ControlKind::kButton, "ｷｬﾝｾﾙ", 424, 276, 84, 28},
      }};
  return kTemplate;
}

const DialogTemplate& formatinputbox_template() {
  static const DialogTemplate kTemplate{
      "FORMATINPUTBOX",
      "書式データ入力",
      600,
      420,
      {
          {-1, ControlKind::kStatic, "一行文字数", 20, 20, 150, 20},
          {967, ControlKind::kEdit, "", 180, 16, 90, 24, 20},
          {982, ControlKind::kButton, "変更", 280, 16, 60, 24},
          {-1, ControlKind::kStatic, "一行文字数を行の長さで決める", 350, 20, 240, 20},
          {-1, ControlKind::kStatic, "文字間隔", 20, 54, 150, 20},
          {969, ControlKind::kEdit, "", 180, 50, 90, 24, 20},
          {-1, ControlKind::kStatic, "列間隔", 20, 88, 150, 20},
          {971, ControlKind::kEdit, "", 180, 84, 90, 24, 20},
          {983, ControlKind::kButton, "変更", 280, 84, 60, 24},
          {-1, ControlKind::kStatic, "列間隔を標準値にする", 350, 88, 240, 20},
          {-1, ControlKind::kStatic, "最大引き延ばし率", 20, 122, 150, 20},
          {973, ControlKind::kEdit, "", 180, 118, 90, 24, 20},
          {-1, ControlKind::kStatic, "一行の長さ", 20, 156, 150, 20},
          {984, ControlKind::kEdit, "", 180, 152, 90, 24, 20},
          {-1, ControlKind::kStatic, "文字方向", 20, 190, 150, 20},
          {986, ControlKind::kEdit, "", 180, 186, 90, 24, 20},
          {-1, ControlKind::kStatic, "文字の高さ", 20, 224, 150, 20},
          {992, ControlKind::kEdit, "", 180, 220, 90, 24, 20},
          {-1, ControlKind::kStatic, "文字の幅", 20, 258, 150, 20},
          {994, ControlKind::kEdit, "", 180, 254, 90, 24, 20},
          {-1, ControlKind::kStatic, "フォント名", 20, 292, 150, 20},
          {1055, ControlKind::kEdit, "", 180, 288, 260, 24, 31},
          {996, ControlKind::kButton, "フォント", 460, 152, 110, 28},
          {998, ControlKind::kButton, "タブ", 460, 186, 110, 28},
          {997, ControlKind::kButton, "色", 460, 220, 110, 28},
          {981, ControlKind::kButton, "TEST", 460, 254, 110, 28},
          {-2, ControlKind::kPreview, "", 20, 324, 360, 84},
          {kIdOk, ControlKind::kDefaultButton, "OK", 400, 380, 84, 28},
          {kIdCancel, ControlKind::kButton, "ｷｬﾝｾﾙ", 496, 380, 84, 28},
      }};
  return kTemplate;
}

const DialogTemplate& formatparamchangebox_template() {
  static const DialogTemplate kTemplate =
      change_dialog(formatinputbox_template(), "FORMATPARAMCHANGEBOX", "文字群変更", 500,
                    {{-1, ControlKind::kGroup, "変更項目", 20, 416, 360, 72},
                     {1038, ControlKind::kCheck, "フォント", 32, 444, 80, 24},
                     {1039, ControlKind::kCheck, "書式", 116, 444, 80, 24},
                     {1040, ControlKind::kCheck, "タブ", 200, 444, 80, 24},
                     {1041, ControlKind::kCheck, "色", 284, 444, 80, 24}});
  return kTemplate;
}

const DialogTemplate& tabinputbox_template() {
  static const DialogTemplate kTemplate = [] {
    DialogTemplate t{"TABINPUTBOX", "タブ入力", 300, 420, {}};
    constexpr int kIds[10] = {967, 969, 971, 973, 984, 986, 988, 990, 992, 994};
    for (int i = 0; i < 10; ++i) {
      const int y = 16 + 34 * i;
      t.controls.push_back(
          {-1, ControlKind::kStatic, "第" + std::to_string(i + 1) + "タブ", 20, y + 4, 100, 20});
      t.controls.push_back({kIds[i], ControlKind::kEdit, "", 130, y, 90, 24, 20});
    }
    t.controls.push_back({kIdOk, ControlKind::kDefaultButton, "OK", 100, 380, 84, 28});
    t.controls.push_back({kIdCancel, ControlKind::kButton, "ｷｬﾝｾﾙ", 196, 380, 84, 28});
    return t;
  }();
  return kTemplate;
}

}  // namespace daub
