#include "shell/input_box.h"

#include <gtest/gtest.h>

#include "platform/dialog.h"
#include "resources/dialogs.h"
#include "support/test_app.h"

namespace daub {
namespace {

using test::TestApp;

std::string repeat(const std::string& s, int n) {
  std::string out;
  for (int i = 0; i < n; ++i) out += s;
  return out;
}

bool valid_utf8_end(const std::string& s) {
  // No character is cut: the last lead byte has all its continuation bytes.
  std::size_t i = s.size();
  std::size_t continuation = 0;
  while (i > 0 && (static_cast<unsigned char>(s[i - 1]) & 0xC0) == 0x80) --i, ++continuation;
  if (i == 0) return continuation == 0;
  auto lead = static_cast<unsigned char>(s[i - 1]);
  std::size_t need = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
  return need == continuation;
}

TEST(InputBox, TemplateHasThePromptFieldAndButtons) {
  const DialogTemplate& t = inputbox_template();
  EXPECT_EQ(t.name, "INPUTBOX");
  EXPECT_EQ(t.title, "データ入力");
  ASSERT_NE(t.control(589), nullptr);
  EXPECT_EQ(t.control(589)->kind, ControlKind::kStatic);
  ASSERT_NE(t.control(292), nullptr);
  EXPECT_EQ(t.control(292)->kind, ControlKind::kEdit);
  EXPECT_EQ(t.control(292)->limit, 900);
  ASSERT_NE(t.control(kIdOk), nullptr);
  EXPECT_EQ(t.control(kIdOk)->kind, ControlKind::kDefaultButton);
  EXPECT_EQ(t.control(kIdOk)->label, "OK");
  ASSERT_NE(t.control(kIdCancel), nullptr);
  EXPECT_EQ(t.control(kIdCancel)->label, "ｷｬﾝｾﾙ");
  for (const ControlTemplate& c : t.controls) {
    SCOPED_TRACE(c.id);
    EXPECT_GE(c.x, 0);
    EXPECT_LE(c.x + c.width, t.width);
    EXPECT_LE(c.y + c.height, t.height);
  }
}

TEST(InputBox, AnswersAndTheirOutcome) {
  struct Case {
    const char* name;
    std::vector<std::pair<ScriptAnswer::Kind, std::string>> answers;
    std::string initial;
    int result;
    std::string buffer;
  };
  const Case cases[] = {
      {"typed text", {{ScriptAnswer::kInput, "12.5"}}, "3", 1, "12.5"},
      {"OK keeps the shown text", {{ScriptAnswer::kOk, ""}}, "3", 1, "3"},
      {"cancel", {{ScriptAnswer::kCancel, ""}}, "3", 0, "3"},
      {"no answer", {}, "3", 0, "3"},
      {"empty OK stays open, then cancel",
       {{ScriptAnswer::kInput, ""}, {ScriptAnswer::kCancel, ""}},
       "3",
       0,
       "3"},
      {"empty OK stays open, then text",
       {{ScriptAnswer::kInput, ""}, {ScriptAnswer::kInput, "8"}},
       "3",
       1,
       "8"},
      {"OK on an empty buffer stays open", {{ScriptAnswer::kOk, ""}}, "", 0, ""},
      {"Japanese text", {{ScriptAnswer::kInput, "実線"}}, "", 1, "実線"},
      {"900 characters at most",
       {{ScriptAnswer::kInput, std::string(1000, 'a')}},
       "",
       1,
       std::string(900, 'a')},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TestApp t;
    for (const auto& [kind, text] : c.answers) t.answer(kind, text);
    EXPECT_EQ(input_box(t.app, "0=実線　　1=点線", c.initial), c.result);
    EXPECT_EQ(t.app.input.buffer, c.buffer);
    EXPECT_EQ(t.app.input.label, "Data Input");
    EXPECT_EQ(t.ui.queued(), 0u);
  }
}

TEST(InputBox, BufferKeeps999BytesWithoutCuttingACharacter) {
  TestApp t;
  // 1 + 899 * 3 bytes: 999 bytes would end inside the 333rd "あ".
  t.answer(ScriptAnswer::kInput, "a" + repeat("あ", 899));
  EXPECT_EQ(input_box(t.app, "prompt", ""), 1);
  EXPECT_EQ(t.app.input.buffer, "a" + repeat("あ", 332));
  EXPECT_TRUE(valid_utf8_end(t.app.input.buffer));

  // A long start value is cut the same way before it is shown.
  input_box(t.app, "prompt", repeat("漢", 400));
  EXPECT_EQ(t.app.input.buffer, repeat("漢", 333));
}

// A Ui that records what the dialog shows when it opens, then cancels.
class PeekUi : public ScriptUi {
 public:
  PeekUi() : ScriptUi(nullptr) {}
  int run_dialog(const DialogTemplate& tmpl, DialogProc& proc) override {
    DialogState state(tmpl);
    proc.init(state);
    prompt = state.text(589);
    field = state.text(292);
    proc.command(state, kIdCancel);
    return state.ended() ? state.result() : -1;
  }
  std::string prompt, field;
};

TEST(InputBox, ShowsThePromptAndTheBuffer) {
  PeekUi ui;
  MemoryClipboard clipboard;
  App app(ui, clipboard);
  app.input.label = "ます目の横長，縦長，間隔";
  app.input.buffer = "10.00,10.00,5.00";
  EXPECT_EQ(input_box(app), 0);
  EXPECT_EQ(ui.prompt, "ます目の横長，縦長，間隔");
  EXPECT_EQ(ui.field, "10.00,10.00,5.00");
  EXPECT_EQ(app.input.label, "Data Input");
  EXPECT_EQ(app.input.buffer, "10.00,10.00,5.00");
}

// Both answers go to one dialog: the empty one left it open.
TEST(InputBox, OneDialogTakesBothAnswers) {
  TestApp t;
  for (const char* text : {"", "5"}) {
    ScriptAnswer a;
    a.kind = ScriptAnswer::kInput;
    a.text = text;
    a.source = std::string("input ") + text;
    t.ui.queue(a);
  }
  input_box(t.app, "Data Input", "1");
  EXPECT_EQ(t.log_lines(), (std::vector<std::string>{"dialog\tデータ入力\tinput ; input 5"}));
}

}  // namespace
}  // namespace daub
