#include <gtest/gtest.h>

#include <string>

#include "drawing/title.h"
#include "support/test_app.h"

namespace daub {
namespace {

using test::TestApp;

TEST(SetTitleTest, BuildsCutsOrKeepsTheTitle) {
  const std::string keep = "(unchanged)";
  struct Case {
    std::string base, path;
    int reading;
    std::string expected;
  } cases[] = {
      {"Daubery", "/home/a.b/map.skl", 0, "Daubery D-/home/a"},
      {"Daubery", "page0003.skl", 1, "Daubery R-page0003"},
      {"Daubery", std::string(127, 'f'), 0, "Daubery D-" + std::string(127, 'f')},
      {"Daubery", std::string(128, 'f'), 0, keep},
      {std::string(100, 'b'), "a.skl", 0, keep},
      {std::string(99, 'b'), "a.skl", 0, std::string(99, 'b') + " D-a"},
      // 99 + 3 + 127 bytes: neither a dot nor the end within 200 bytes.
      {std::string(99, 'b'), std::string(126, 'f') + ".", 0, keep},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.base.substr(0, 10) + " | " + c.path.substr(0, 20));
    TestApp t;
    t.app.in.readingmode = c.reading;
    settitle(t.app, c.base, c.path);
    EXPECT_EQ(t.app.files.title, c.expected == keep ? "Daubery D-drawdata" : c.expected);
    EXPECT_EQ(t.ui.title(), t.app.files.title);
  }
}

}  // namespace
}  // namespace daub
