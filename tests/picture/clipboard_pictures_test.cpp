#include "picture/clipboard_pictures.h"

#include <gtest/gtest.h>

#include "picture/bmp_file.h"
#include "support/picture_builder.h"
#include "support/test_app.h"

namespace daub {
namespace {

using test::make_picture;
using Bytes = std::vector<std::uint8_t>;

Dib indexed_picture() {
  return make_picture(4, 3, 8, {0x0000FF, 0x00FF00, 0xFF0000},
                      [](int x, int y) { return static_cast<std::uint32_t>((x + y) % 3); });
}

class ClipboardPictures : public testing::Test {
 protected:
  test::TestApp t;
  const Dib old_slot = test::gradient_picture(2, 2);
  Dib slot = old_slot;
};

// Whatever goes wrong, the slot keeps its picture and the clipboard its data.
TEST_F(ClipboardPictures, AFailedTakeKeepsTheSlot) {
  struct Case {
    const char* name;
    std::optional<Bytes> clipboard;
    bool full_color_only;
    std::string message;
  };
  const Case cases[] = {
      {"empty clipboard", std::nullopt, false, "GetClipboadBmp\tno bmp data"},
      {"empty clipboard, full colour", std::nullopt, true, "GetFullColorClipboadBmp\tno bmp data"},
      {"8 bits, full colour", dib_to_packed(indexed_picture()), true,
       "GetFullColorClipboadBmp\tNot full color bmp"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    t.clear_log();
    t.clipboard.clear();
    if (c.clipboard) t.clipboard.set_dib(*c.clipboard);
    EXPECT_EQ(
        c.full_color_only ? GetFullColorClipboadBmp(t.app, slot) : GetClipboadBmp(t.app, slot), 0);
    EXPECT_EQ(t.last_message(), c.message);
    EXPECT_EQ(slot, old_slot);
    EXPECT_EQ(t.clipboard.dib(), c.clipboard);
  }
  t.clipboard.set_dib(dib_to_packed(test::gradient_picture(5, 1)));
  EXPECT_EQ(GetFullColorClipboadBmp(t.app, slot), 1);
  EXPECT_EQ(slot, test::gradient_picture(5, 1));
}

}  // namespace
}  // namespace daub
