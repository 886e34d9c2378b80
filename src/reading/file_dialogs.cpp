#include "reading/file_dialogs.h"

#include "shell/app.h"

namespace daub {

namespace {
constexpr const char* kSklTitle = "Get Draw skl file";
}  // namespace

int choose_file(App& app, FileDialogKind kind, const char* title, const char* filter,
                std::string& name, std::string& folder) {
  std::optional<FileChoice> choice =
      app.ui.file_dialog(FileDialogRequest{kind, title, filter, folder, name});
  // A dialog that closes with OK but without a name has chosen nothing.
  if (!choice || choice->name.empty()) return 0;
  name = choice->name;
  folder = choice->folder;
  return 1;
}

int open_skl_dialog(App& app) {
  return choose_file(app, FileDialogKind::kOpen, kSklTitle, kSklFilter, app.files.sklname,
                     app.files.working_folder);
}

int save_skl_dialog(App& app) {
  return choose_file(app, FileDialogKind::kSave, kSklTitle, kSklFilter, app.files.sklname,
                     app.files.working_folder);
}

int save_page_dialog(App& app) {
  return choose_file(app, FileDialogKind::kSave, kSklTitle, kSklFilter, app.files.pagename,
                     app.files.page_folder);
}

}  // namespace daub
