#include "platform/input_box.h"

#include <gtest/gtest.h>

#include "support/test_app.h"

namespace daub {
namespace {

using Answers = std::vector<std::pair<ScriptAnswer::Kind, std::string>>;
constexpr auto kOk = ScriptAnswer::kOk, kCancel = ScriptAnswer::kCancel,
               kInput = ScriptAnswer::kInput;

std::string repeat(const std::string& s, int n) {
  std::string out;
  while (n-- > 0) out += s;
  return out;
}

TEST(InputBox, AnswersAndTheirOutcome) {
  struct Case {
    const char* name;
    Answers answers;
    std::string initial;
    int result;
    std::string buffer;
  } cases[] = {
      {"OK keeps the shown text", {{kOk, ""}}, "3", 1, "3"},
      {"cancel", {{kCancel, ""}}, "3", 0, "3"},
      {"empty stays open", {{kInput, ""}, {kInput, "8"}}, "3", 1, "8"},
      {"900 characters at most", {{kInput, std::string(1000, 'a')}}, "", 1, std::string(900, 'a')},
      // 1 + 899 * 3 bytes: 999 bytes would end inside the 333rd "あ".
      {"999 bytes at most", {{kInput, "a" + repeat("あ", 899)}}, "", 1, "a" + repeat("あ", 332)},
      // A long start value is cut the same way before it is shown.
      {"long start value", {{kOk, ""}}, repeat("漢", 400), 1, repeat("漢", 333)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    test::TestApp t;
    for (const auto& [kind, text] : c.answers) t.answer(kind, text);
    EXPECT_EQ(input_box(t.app.ui, t.app.input, "0=実線　　1=点線", c.initial), c.result);
    EXPECT_EQ(t.app.input.buffer, c.buffer);
    EXPECT_EQ(t.ui.queued(), 0u);
    EXPECT_LE(t.log_lines().size(), 2u);  // its opening, then one dialog took every answer
  }
}

}  // namespace
}  // namespace daub
