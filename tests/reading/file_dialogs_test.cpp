#include "reading/file_dialogs.h"

#include <gtest/gtest.h>

#include <vector>

#include "model/app.h"
#include "platform/clipboard.h"
#include "platform/script_ui.h"

namespace daub {
namespace {

using Remembered = std::tuple<std::string, std::string, std::string, std::string>;

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
  // The remembered names and folders: drawing, page, drawing folder, page folder.
  Remembered remembered() const {
    const auto& f = app.files;
    return {f.sklname, f.pagename, f.working_folder, f.page_folder};
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
    EXPECT_EQ(std::tie(r.kind, r.folder, r.name), std::tuple(c.kind, c.folder, c.name));
    // Cancel keeps the names and folders.
    EXPECT_EQ(f.remembered(),
              Remembered("drawdata.skl", "page0000.skl", "/work/drawings", "/work/book"));
  }
}

TEST(FileDialogs, OkRemembersTheNameWithoutFolderAndTheFolderOfItsOwnUseOnly) {
  Fixture f;
  f.ui.answer(ScriptAnswer::kFile, "/elsewhere/sub/map.skl");
  EXPECT_EQ(open_skl_dialog(f.app), 1);
  EXPECT_EQ(f.remembered(), Remembered("map.skl", "page0000.skl", "/elsewhere/sub", "/work/book"));

  f.ui.answer(ScriptAnswer::kFile, "other.skl");  // in the folder the last one chose
  EXPECT_EQ(save_skl_dialog(f.app), 1);
  EXPECT_EQ(f.remembered(),
            Remembered("other.skl", "page0000.skl", "/elsewhere/sub", "/work/book"));

  f.ui.answer(ScriptAnswer::kFile, "/novel/page0003.skl");
  EXPECT_EQ(save_page_dialog(f.app), 1);
  EXPECT_EQ(f.remembered(), Remembered("other.skl", "page0003.skl", "/elsewhere/sub", "/novel"));
}

}  // namespace
}  // namespace daub
