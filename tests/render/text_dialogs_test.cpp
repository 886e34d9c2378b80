// The text dialogs and one-line inputs driven by scripted answers.

#include "render/text_dialogs.h"

#include <gtest/gtest.h>

#include <functional>
#include <tuple>

#include "platform/dialog.h"
#include "support/test_app.h"

namespace daub::test {
namespace {

void queue_dialog(TestApp& t, std::vector<std::pair<int, std::string>> values, int click = kIdOk) {
  ScriptAnswer a;
  a.kind = ScriptAnswer::kDialog;
  a.values = std::move(values);
  a.click = click;
  t.ui.queue(a);
}

// The refusals at 0 and the accepted ratio, format, tabs and rotation of 90
// are the text_dialogs script's; here the other sides.
TEST(TextDialogs, OneLineInputsStoreOrRefuse) {
  const struct {
    const char* name;
    int (*input)(App&);
    const char* answer;
    int result;
    const char* message;  // the last message, "" for none but the explanation
    std::function<bool(const Settings&)> holds;
  } cases[] = {
      {"ratio nan", print_ratio_input, "nan", 0,
       "CAUTION\t標準プリント比率は正の数で指定してください",
       [](auto& s) { return s.print_ratio == 4; }},
      {"most 1", max_chars_input, "1", 1, "最大表示文字数の説明",
       [](auto& s) { return s.max_chars == 1; }},
      {"format short", format_input, "5,0.5,30", 0, "",
       [](auto& s) { return s.chars_per_line == 80; }},
      {"font", font_input, "-20,0,2700,0,700,1,0,0,128,3,2,1,17,@IPAGothic", 1, "",
       [](auto& s) {
         return s.font.height == -20 && s.font.escapement == 2700 && s.font.weight == 700 &&
                s.font.italic == 1 && std::string(s.font.face_name) == "@IPAGothic";
       }},
      {"font bytes low", font_input, "-20,0,0,0,400,257,0,0,128,3,2,1,17,X", 1, "",
       [](auto& s) { return s.font.italic == 1; }},
      {"font face of 32 bytes", font_input,
       "-20,0,0,0,400,0,0,0,128,3,2,1,17,ＭＳ明朝ＭＳ明朝ＭＳ明朝ＭＳ明朝", 0, "",
       [](auto& s) { return s.font.height == -13; }},
      {"font twelve numbers", font_input, "-20,0,0,0,400,0,0,0,128,3,2,1,X", 0, "",
       [](auto& s) { return s.font.height == -13; }},
      // −90 is read as 270, so 90°; 0 gives 3600, stored as 0.
      {"rotation -90", rotation_input, "-90", 1, "",
       [](auto& s) { return s.font.escapement == 900; }},
      {"rotation 0", rotation_input, "0", 1, "", [](auto& s) { return s.font.escapement == 0; }},
      {"line length", line_length_input, "67.925", 1, "",
       [](auto& s) { return s.chars_per_line == 10; }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TestApp t;
    t.answer(ScriptAnswer::kInput, c.answer);
    EXPECT_EQ(c.input(t.app), c.result);
    EXPECT_TRUE(c.holds(t.app.settings));
    const std::string last = t.last_message();
    if (*c.message == '\0')
      EXPECT_EQ(last, "");
    else
      EXPECT_EQ(last.rfind(c.message, 0), 0u) << last;
  }
}

TEST(TextDialogs, FormatDialogStoresDirectionAndStretchAndRefusesZeroCharacters) {
  TestApp t;
  queue_dialog(t, {{967, "0"}, {986, "90"}, {973, "0.25"}});  // refused: the dialog stays open
  queue_dialog(t, {{967, "12"}, {986, "90"}, {973, "0.25"}, {1055, "@IPAMincho"}});
  EXPECT_EQ(format_input_dialog(t.app), 1);
  const Settings& s = t.app.settings;
  EXPECT_EQ(
      std::tuple(s.chars_per_line, s.font.escapement, s.max_stretch, std::string(s.font.face_name)),
      std::tuple(12, 2700, 0.75, std::string("@IPAMincho")));
  EXPECT_EQ(t.messages().front(), "CAUTION\t一行文字数は1以上で指定してください");
  // A cancel puts back what the tab button changed.
  queue_dialog(t, {}, 998);
  queue_dialog(t, {{967, "9"}});  // the tab dialog's OK
  t.answer(ScriptAnswer::kCancel);
  EXPECT_EQ(format_input_dialog(t.app), 0);
  EXPECT_EQ(s.tabs[0], 4);
}

}  // namespace
}  // namespace daub::test
