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

}  // namespace daub
