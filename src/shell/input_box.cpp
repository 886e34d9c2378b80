#include "shell/input_box.h"

#include "platform/dialog.h"
#include "resources/dialogs.h"
#include "shell/app.h"

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

class InputBoxProc : public DialogProc {
 public:
  explicit InputBoxProc(App& app) : app_(app) {}

  void init(DialogState& state) override {
    state.set_text(kPrompt, app_.input.label);
    state.set_text(kField, app_.input.buffer);
  }

  void command(DialogState& state, int id) override {
    if (id == kIdCancel) {
      state.end(0);
    } else if (id == kIdOk) {
      std::string field = state.text(kField);
      if (field.empty()) return;  // nothing typed: the dialog stays open
      app_.input.buffer = utf8_cut(field, kBufferBytes);
      state.end(1);
    }
  }

 private:
  App& app_;
};

}  // namespace

int input_box(App& app) {
  InputBoxProc proc(app);
  int result = app.ui.run_dialog(inputbox_template(), proc);
  app.input.label = "Data Input";
  return result;
}

int input_box(App& app, const std::string& prompt, const std::string& initial) {
  app.input.buffer = utf8_cut(initial, kBufferBytes);
  app.input.label = prompt;
  return input_box(app);
}

}  // namespace daub
