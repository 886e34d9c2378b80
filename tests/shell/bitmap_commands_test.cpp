// The bitmap element commands and mouse commands, the clipboard picture
// commands and the BMP and text file commands.

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "drawing/bitmaps.h"
#include "paint/bmp_file.h"
#include "reading/file_dialogs.h"
#include "shell/command_table.h"
#include "shell/startup.h"
#include "shell/window.h"
#include "support/sample_dib.h"
#include "support/test_app.h"

namespace daub::test {
namespace {

void run(TestApp& t, int id) { MenuCommand(t.app, static_cast<std::uint32_t>(id), 0); }

Dib picture(App& app, int w, int h) { return MakeDIB(app, w, h, rgb(0, 128, 255)).value_or(Dib()); }

int place(App& app, double x, double y, int w = 2) {
  BitmapRecord r;
  r.x = x;
  r.y = y;
  r.rate = 1.0;
  return setbmp(app, r, picture(app, w, 2), 1);
}

BitmapRecord record_of(App& app, int n) {
  BitmapRecord r;
  EXPECT_EQ(getbmp(app, n, r, 1), n);
  return r;
}

// A press and release in client pixels; world and client coincide at start.
void drag(TestApp& t, int x0, int y0, int x1, int y1) {
  on_lbutton_down(t.app, x0, y0);
  on_lbutton_up(t.app, x1, y1);
}

TEST(BitmapCommands, ChoosingABitmapFilePlacesItAtTheCurrentPoint) {
  TempDir dir;
  std::filesystem::create_directory(dir.file("sub"));
  write_bytes(dir.file("sub/pic.bmp"), dib_to_bmp_file(dib_from_packed(small_dib()).dib));
  TestApp t;
  t.app.files.working_folder = dir.path;
  t.app.in.nowpoint = PointDir{7, 8, 0};
  t.answer(ScriptAnswer::kFile, dir.file("sub/pic.bmp"));
  run(t, 645);
  EXPECT_TRUE(t.messages().empty());
  EXPECT_STREQ(t.app.settings.bmp_name, "pic.bmp");
  EXPECT_EQ(t.app.files.working_folder, dir.file("sub"));
  EXPECT_EQ(t.app.in.nowbmp, 1);
  EXPECT_EQ(record_of(t.app, 1).x, 7.0);
  EXPECT_EQ(t.app.in.dispmode, 4);

  // 231 reads the same file again; a cancelled dialog reads nothing.
  run(t, 231);
  EXPECT_EQ(t.app.in.nowbmp, 2);
  t.answer(ScriptAnswer::kCancel);
  run(t, 645);
  EXPECT_EQ(t.app.in.nowbmp, 2);
  EXPECT_STREQ(t.app.settings.bmp_name, "pic.bmp");
}

TEST(BitmapCommands, ABitmapNameLongerThanTheSettingsHoldIsRefused) {
  TestApp t;
  const std::string before = t.app.files.working_folder;
  t.answer(ScriptAnswer::kFile, "/tmp/" + std::string(129, 'a'));
  run(t, 645);
  EXPECT_EQ(t.last_message(), "CAUTION\tファイルオープン出来ません");
  EXPECT_STREQ(t.app.settings.bmp_name, "");
  EXPECT_EQ(t.app.files.working_folder, before);
}

TEST(BitmapCommands, RateInputSetsTheRateOfNewAndCurrentBitmaps) {
  struct Case {
    const char* typed;
    double rate;
    const char* message;
  } cases[] = {
      {"2.5", 2.5, ""},
      {"abc", 1.0, ""},
      {"0", 1.0, "CAUTION\t縮尺は正の数で指定してください"},
      {"nan", 1.0, "CAUTION\t縮尺は正の数で指定してください"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    TestApp t;
    place(t.app, 0, 0);
    t.answer(ScriptAnswer::kInput, c.typed);
    run(t, 235);
    EXPECT_EQ(t.app.settings.bmp_rate, c.rate);
    EXPECT_EQ(record_of(t.app, 1).rate, c.rate);
    EXPECT_EQ(t.last_message(), c.message);
    EXPECT_EQ(t.app.in.dispmode, 4);
  }
}

TEST(BitmapCommands, DeletingTheCurrentBitmapForgetsIt) {
  TestApp t;
  place(t.app, 5, 6);
  ASSERT_EQ(t.app.in.nowbmp, 1);
  run(t, 233);
  EXPECT_EQ(t.app.in.nowbmp, 0);
  EXPECT_EQ(t.app.drawing.used(), 44u);
  EXPECT_EQ(t.app.in.nowpoint.x, 5.0);
  EXPECT_TRUE(t.messages().empty());

  run(t, 233);  // nothing left
  EXPECT_EQ(t.last_message(), "delbmp\tデータが存在しません");
}

TEST(BitmapCommands, ClipboardPicturesBecomeAndReplaceBitmaps) {
  TestApp t;
  run(t, 808);
  EXPECT_EQ(t.last_message(), "SetClipboadBmp\tno bmp data");
  EXPECT_EQ(t.app.in.nowbmp, 0);

  t.clipboard.set_dib(small_dib());
  t.clear_log();
  run(t, 808);
  EXPECT_EQ(t.app.in.nowbmp, 1);
  EXPECT_EQ(t.app.in.dispmode, 4);

  // 812 copies the current picture back; 884 replaces it from the clipboard.
  place(t.app, 0, 0, 5);
  run(t, 812);
  EXPECT_EQ(t.clipboard.dib(), dib_to_packed(picture(t.app, 5, 2)));
  t.clipboard.set_dib(small_dib());
  run(t, 884);
  BitmapRecord r;
  EXPECT_EQ(getbmphandle(t.app, 2, r, 1), dib_from_packed(small_dib()).dib);
  EXPECT_TRUE(t.messages().empty());
}

TEST(BitmapMouseCommands, PickMoveDeleteAndPlace) {
  TestApp t;
  place(t.app, 100, 100);
  place(t.app, 200, 100);
  t.app.in.nowbmp = 0;

  t.app.in.mousecmd = 232;  // the nearest becomes current, then drag move
  drag(t, 190, 110, 190, 110);
  EXPECT_EQ(t.app.in.nowbmp, 2);
  EXPECT_EQ(t.app.in.mousecmd, 600);
  EXPECT_EQ(t.app.in.dispmode, 4);

  t.app.in.mousecmd = 234;  // the current one to the press
  drag(t, 250, 150, 260, 170);
  EXPECT_EQ(record_of(t.app, 2).x, 250.0);
  EXPECT_EQ(record_of(t.app, 2).y, 150.0);

  t.app.in.mousecmd = 811;  // the nearest one by the drag
  drag(t, 110, 90, 130, 60);
  EXPECT_EQ(record_of(t.app, 1).x, 120.0);
  EXPECT_EQ(record_of(t.app, 1).y, 70.0);
  EXPECT_EQ(t.app.in.nowbmp, 1);

  t.app.in.mousecmd = 912;  // the current one to the press with the current rate
  t.app.settings.bmp_rate = 3.0;
  drag(t, 40, 30, 80, 90);
  EXPECT_EQ(record_of(t.app, 1).x, 40.0);
  EXPECT_EQ(record_of(t.app, 1).rate, 3.0);

  t.app.in.mousecmd = 810;  // the nearest one goes
  drag(t, 245, 150, 245, 150);
  EXPECT_EQ(t.app.in.nowbmp, 0);
  EXPECT_EQ(record_of(t.app, 1).x, 40.0);
  EXPECT_TRUE(t.messages().empty());
  drag(t, 245, 150, 245, 150);
  drag(t, 245, 150, 245, 150);
  EXPECT_EQ(t.last_message(), "nearestbmp\tデータが存在しません");
}

// A scripted Ui that keeps every file dialog request.
class RequestRecordingUi : public ScriptUi {
 public:
  RequestRecordingUi() : ScriptUi(nullptr) {}
  std::optional<FileChoice> file_dialog(const FileDialogRequest& request) override {
    requests.push_back(request);
    return std::nullopt;
  }
  std::vector<FileDialogRequest> requests;
};

TEST(BitmapCommands, FileCommandsAskWithTheirDialogAndRememberedName) {
  struct Case {
    int id;
    FileDialogKind kind;
    const char* title;
    const char* filter;
    const char* name;
  } cases[] = {
      {643, FileDialogKind::kSave, "Get Bmp file", kBmpFilter, "drawdata.bmp"},
      {645, FileDialogKind::kOpen, "Get Bmp file", kBmpFilter, "face.bmp"},
      {826, FileDialogKind::kSave, "Get txt file", kTxtFilter, "drawdata.txt"},
      {827, FileDialogKind::kOpen, "Get txt file", kTxtFilter, "drawdata.txt"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.id);
    RequestRecordingUi ui;
    MemoryClipboard clipboard;
    App app{ui, clipboard};
    FileInit(app);
    app.files.working_folder = "/work/pictures";
    std::strcpy(app.settings.bmp_name, "face.bmp");
    MenuCommand(app, static_cast<std::uint32_t>(c.id), 0);
    ASSERT_EQ(ui.requests.size(), 1u);
    EXPECT_EQ(ui.requests[0].kind, c.kind);
    EXPECT_EQ(ui.requests[0].title, c.title);
    EXPECT_EQ(ui.requests[0].filter, c.filter);
    EXPECT_EQ(ui.requests[0].name, c.name);
    EXPECT_EQ(ui.requests[0].folder, "/work/pictures");
  }
}

}  // namespace
}  // namespace daub::test
