#include "resources/dialogs.h"

namespace daub {

const DialogTemplate& inputbox_template() {
  static const DialogTemplate kTemplate{
      "INPUTBOX",
      "データ入力",
      420,
      130,
      {
          {589, ControlKind::kStatic, "", 12, 12, 396, 20},
          {292, ControlKind::kEdit, "", 12, 40, 396, 24, 900},
          {kIdOk, ControlKind::kDefaultButton, "OK", 228, 84, 84, 28},
          {kIdCancel, ControlKind::kButton, "ｷｬﾝｾﾙ", 324, 84, 84, 28},
      }};
  return kTemplate;
}

const DialogTemplate& peninputbox_template() {
  static const DialogTemplate kTemplate{
      "PENINPUTBOX",
      "ペンデータ入力",
      580,
      330,
      {
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
          {999, ControlKind::kButton, "定型ペン", 440, 16, 110, 28},
          {1024, ControlKind::kButton, "色", 440, 50, 110, 28},
          {981, ControlKind::kButton, "TEST", 440, 84, 110, 28},
          {kIdOk, ControlKind::kDefaultButton, "OK", 380, 290, 84, 28},
          {kIdCancel, ControlKind::kButton, "ｷｬﾝｾﾙ", 476, 290, 84, 28},
      }};
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

}  // namespace daub
