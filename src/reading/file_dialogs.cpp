#include "reading/file_dialogs.h"

#include <cstring>

#include "model/app.h"
#include "platform/cp932.h"

namespace daub {

namespace {
constexpr const char* kSklTitle = "Get Draw skl file";
constexpr const char* kBmpTitle = "Get Bmp file";
constexpr const char* kTxtTitle = "Get txt file";
// The settings field holds this many bytes of name before its NUL.
constexpr std::size_t kBitmapNameLimit = 128;
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

int bmp_dialog(App& app, FileDialogKind kind) {
  return choose_file(app, kind, kBmpTitle, kBmpFilter, app.files.bmpname, app.files.working_folder);
}

int txt_dialog(App& app, FileDialogKind kind) {
  return choose_file(app, kind, kTxtTitle, kTxtFilter, app.files.txtname, app.files.working_folder);
}

int bitmap_element_dialog(App& app) {
  char* field = app.settings.bmp_name;
  std::string name = cp932_to_utf8(std::string(field, strnlen(field, kBitmapNameLimit)));
  // The folder moves only with a name the field can keep, so work on a copy.
  std::string folder = app.files.working_folder;
  if (!choose_file(app, FileDialogKind::kOpen, kBmpTitle, kBmpFilter, name, folder)) return 0;
  const std::string bytes = utf8_to_cp932(name);
  if (bytes.size() > kBitmapNameLimit) {
    message(app.ui, "CAUTION", "ファイルオープン出来ません");
    return 0;
  }
  std::memset(field, 0, sizeof app.settings.bmp_name);
  std::memcpy(field, bytes.data(), bytes.size());
  app.files.working_folder = folder;
  return 1;
}

}  // namespace daub
