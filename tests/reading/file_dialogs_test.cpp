#include "reading/file_dialogs.h"

#include <gtest/gtest.h>

#include <vector>

#include "model/app.h"
#include "platform/clipboard.h"
#include "platform/script_ui.h"

namespace daub {
namespace {

// A scripted Ui that also keeps every file dialog request it was given.
class RequestRecordingUi : public ScriptUi {
 public:
  RequestRecordingUi() : ScriptUi(nullptr) {}
  std::optional<FileChoice> file_dialog(const FileDialogRequest& request) override {
    requests.push_back(request);
    return ScriptUi::file_dialog(request);
  }
  void answer(ScriptAnswer::Kind kind, const std::string& text = "") {
    ScriptAnswer a;
    a.kind = kind;
    a.text = text;
    queue(a);
  }
  std::vector<FileDialogRequest> requests;
};

struct Fixture {
  Fixture() {
    app.files.working_folder = "/work/drawings";
    app.files.page_folder = "/work/book";
  }
  RequestRecordingUi ui;
  MemoryClipboard clipboard;
  App app{ui, clipboard};
};

TEST(FileDialogs, EachUseStartsFromItsRememberedNameAndFolder) {
  struct Case {
    const char* what;
    int (*dialog)(App&);
    FileDialogKind kind;
    const char* folder;
    const char* name;
  } cases[] = {
      {"open drawing", open_skl_dialog, FileDialogKind::kOpen, "/work/drawings", "drawdata.skl"},
      {"save drawing", save_skl_dialog, FileDialogKind::kSave, "/work/drawings", "drawdata.skl"},
      {"save page", save_page_dialog, FileDialogKind::kSave, "/work/book", "page0000.skl"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Fixture f;
    f.ui.answer(ScriptAnswer::kCancel);
    EXPECT_EQ(c.dialog(f.app), 0);
    ASSERT_EQ(f.ui.requests.size(), 1u);
    const FileDialogRequest& r = f.ui.requests[0];
    EXPECT_EQ(r.kind, c.kind);
    EXPECT_EQ(r.folder, c.folder);
    EXPECT_EQ(r.name, c.name);
    EXPECT_EQ(f.app.files.sklname, "drawdata.skl");  // cancel keeps the names and folders
    EXPECT_EQ(f.app.files.pagename, "page0000.skl");
    EXPECT_EQ(f.app.files.working_folder, "/work/drawings");
    EXPECT_EQ(f.app.files.page_folder, "/work/book");
  }
}

TEST(FileDialogs, OkRemembersTheNameWithoutFolderAndTheFolderOfItsOwnUseOnly) {
  Fixture f;
  f.ui.answer(ScriptAnswer::kFile, "/elsewhere/sub/map.skl");
  EXPECT_EQ(open_skl_dialog(f.app), 1);
  EXPECT_EQ(f.app.files.sklname, "map.skl");
  EXPECT_EQ(f.app.files.working_folder, "/elsewhere/sub");
  EXPECT_EQ(f.app.files.page_folder, "/work/book");

  // The next dialog starts where this one ended, with the chosen name.
  f.ui.answer(ScriptAnswer::kFile, "other.skl");
  EXPECT_EQ(save_skl_dialog(f.app), 1);
  EXPECT_EQ(f.ui.requests.back().folder, "/elsewhere/sub");
  EXPECT_EQ(f.ui.requests.back().name, "map.skl");
  EXPECT_EQ(f.app.files.sklname, "other.skl");
  EXPECT_EQ(f.app.files.working_folder, "/elsewhere/sub");

  f.ui.answer(ScriptAnswer::kFile, "/novel/page0003.skl");
  EXPECT_EQ(save_page_dialog(f.app), 1);
  EXPECT_EQ(f.app.files.pagename, "page0003.skl");
  EXPECT_EQ(f.app.files.page_folder, "/novel");
  EXPECT_EQ(f.app.files.sklname, "other.skl");
  EXPECT_EQ(f.app.files.working_folder, "/elsewhere/sub");
}

}  // namespace
}  // namespace daub
