#include "reading/file_lists.h"

#include <algorithm>
#include <filesystem>

#include "drawing/drawing_file.h"
#include "model/app.h"
#include "platform/dialog.h"
#include "reading/page_files.h"
#include "resources/dialogs.h"

namespace daub {

namespace fs = std::filesystem;

namespace {

constexpr int kPath = 1001;
constexpr int kList = 1002;

bool is_drawing_file_name(const std::string& name) {
  if (name.size() < 4) return false;
  std::string tail = name.substr(name.size() - 4);
  std::transform(tail.begin(), tail.end(), tail.begin(),
                 [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; });
  return tail == ".skl";
}

class FileListProc : public DialogProc {
 public:
  explicit FileListProc(std::string folder) : folder_(std::move(folder)) {}

  void init(DialogState& state) override { show(state); }

  void command(DialogState& state, int id) override {
    if (id == kIdCancel) {
      state.end(0);
      return;
    }
    if (id != kIdOk && id != kList) return;
    const std::string chosen = state.text(kList);
    auto entry = std::find_if(entries_.begin(), entries_.end(),
                              [&](const ListedEntry& e) { return e.shown == chosen; });
    if (entry == entries_.end()) return;
    if (!entry->folder) {
      name_ = entry->name;
      state.end(1);
      return;
    }
    std::error_code error;
    const fs::path next = fs::weakly_canonical(fs::path(folder_) / entry->name, error);
    if (error) return;
    folder_ = next.string();
    show(state);
  }

  const std::string& folder() const { return folder_; }
  const std::string& name() const { return name_; }

 private:
  void show(DialogState& state) {
    entries_ = list_folder_entries(folder_);
    std::vector<std::string> shown;
    for (const ListedEntry& e : entries_) shown.push_back(e.shown);
    state.set_text(kPath, folder_);
    state.set_items(kList, std::move(shown));
    state.set_text(kList, "");
  }

  std::string folder_;
  std::string name_;
  std::vector<ListedEntry> entries_;
};

// Runs the list in `folder`; on a chosen file, its name and the folder the
// list ended in.
bool choose_from_list(App& app, std::string& name, std::string& folder) {
  std::error_code error;
  FileListProc proc(folder.empty() ? fs::current_path(error).string() : folder);
  if (app.ui.run_dialog(combodlgbox_template(), proc) != 1) return false;
  name = proc.name();
  folder = proc.folder();
  return true;
}

}  // namespace

std::vector<ListedEntry> list_folder_entries(const std::string& folder) {
  std::vector<ListedEntry> folders, files;
  std::error_code error;
  const fs::path path(folder);
  if (path.has_relative_path()) folders.push_back({"[..]", "..", true});
  fs::directory_iterator it(path, error);
  for (std::size_t n = 0; !error && it != fs::directory_iterator() && n < kMaxListed;
       it.increment(error), ++n) {
    const std::string name = it->path().filename().string();
    std::error_code status_error;
    if (it->is_directory(status_error))
      folders.push_back({"[" + name + "]", name, true});
    else if (is_drawing_file_name(name))
      files.push_back({name, name, false});
  }
  auto by_name = [](const ListedEntry& a, const ListedEntry& b) { return a.name < b.name; };
  std::sort(folders.begin() + (path.has_relative_path() ? 1 : 0), folders.end(), by_name);
  std::sort(files.begin(), files.end(), by_name);
  folders.insert(folders.end(), files.begin(), files.end());
  if (folders.size() > kMaxListed) folders.resize(kMaxListed);
  return folders;
}

int drawing_file_list(App& app) {
  std::string name, folder = app.files.working_folder;
  if (!choose_from_list(app, name, folder) || !sklnamecheck(app, name)) return 0;
  app.files.sklname = name;
  app.files.working_folder = folder;
  return 1;
}

int page_file_list(App& app) {
  std::string name, folder = app.files.page_folder;
  if (!choose_from_list(app, name, folder) || !sklpagefilename(app, name)) return 0;
  app.files.pagename = name;
  app.files.page_folder = folder;
  app.reading.pageno = pagenumber(app, name);
  return 1;
}

}  // namespace daub
