#include "platform/input_box.h"

#include "platform/dialog.h"
#include "platform/ui.h"

namespace daub {

namespace {

constexpr int kPrompt = 589;
constexpr int kField = 292;
// The shared buffer holds 1000 bytes with its terminating NUL.
constexpr std::size_t kBufferBytes = 999;

// At most `limit` bytes of UTF-8 text, never ending inside a character.
std::string utf8_cut(const std::string& s, std::size_t limit) {
  if (s.size() <= limit) return s;
  std::size_t end = limit;
  while (end > 0 && (static_cast<unsigned char>(s[end]) & 0xC0) == 0x80) --end;
  return s.substr(0, end);
}

// INPUTBOX: prompt 589 above the edit field 292 (at most 900 characters).
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

class InputBoxProc : public DialogProc {
 public:
  explicit InputBoxProc(InputBoxState& box) : box_(box) {}

  void init(DialogState& state) override {
    state.set_text(kPrompt, box_.label);
    state.set_text(kField, box_.buffer);
  }

  void command(DialogState& state, int id) override {
    if (id == kIdCancel) {
      state.end(0);
    } else if (id == kIdOk) {
      std::string field = state.text(kField);
      if (field.empty()) return;  // nothing typed: the dialog stays open
      box_.buffer = utf8_cut(field, kBufferBytes);
      state.end(1);
    }
  }

 private:
  InputBoxState& box_;
};

}  // namespace

int input_box(Ui& ui, InputBoxState& box) {
  InputBoxProc proc(box);
  int result = ui.run_dialog(inputbox_template(), proc);
  box.label = "Data Input";
  return result;
}

int input_box(Ui& ui, InputBoxState& box, const std::string& prompt, const std::string& initial) {
  box.buffer = utf8_cut(initial, kBufferBytes);
  box.label = prompt;
  return input_box(ui, box);
}

}  // namespace daub
