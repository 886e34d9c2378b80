#include "platform/script_ui.h"

#include <gtest/gtest.h>

#include <sstream>

namespace daub {
namespace {

// The log is one line of valid UTF-8 per entry, whatever bytes a field holds:
// each sequence on either side of the limits of well-formed UTF-8.
TEST(ScriptUiLog, FieldsAreEscapedToValidUtf8) {
  const struct {
    const char* field;
    const char* logged;
  } cases[] = {
      {" ~", " ~"},
      {"\x1F\x7F", "\\x1F\\x7F"},
      {"a\tb\\n\n", "a\\tb\\\\n\\n"},
      {"\xC2\x80", "\xC2\x80"},
      {"\xC1\xBF", "\\xC1\\xBF"},  // overlong
      {"\xE0\xA0\x80", "\xE0\xA0\x80"},
      {"\xE0\x9F\xBF", "\\xE0\\x9F\\xBF"},  // overlong
      {"\xED\x9F\xBF", "\xED\x9F\xBF"},
      {"\xED\xA0\x80", "\\xED\\xA0\\x80"},  // a surrogate
      {"\xF4\x8F\xBF\xBF", "\xF4\x8F\xBF\xBF"},
      {"\xF4\x90\x80\x80", "\\xF4\\x90\\x80\\x80"},  // past U+10FFFF
      {"\xE3\x81", "\\xE3\\x81"},                    // cut short
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.logged);
    std::ostringstream log;
    ScriptUi(&log).log_line({"error", c.field});
    EXPECT_EQ(log.str(), std::string("error\t") + c.logged + "\n");
  }
  std::ostringstream log;
  ScriptUi(&log).log_line({"x", std::string("a\0b", 3)});
  EXPECT_EQ(log.str(), "x\ta\\x00b\n");
}

}  // namespace
}  // namespace daub
