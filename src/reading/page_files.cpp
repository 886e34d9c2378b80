#include "reading/page_files.h"

#include <algorithm>
#include <filesystem>

#include "drawing/drawing_file.h"
#include "drawing/layers.h"
#include "drawing/selection.h"
#include "drawing/title.h"
#include "model/app.h"
#include "platform/atomic_file.h"
#include "platform/input_box.h"
#include "platform/printf_text.h"
#include "reading/file_dialogs.h"
#include "reading/reading_internal.h"

namespace daub {

namespace {

constexpr std::size_t kNameLimit = 128;  // a name reaching this many bytes is refused
constexpr std::size_t kDigitsFromEnd = 8;
constexpr int kLastPage = 9999;

constexpr const char* kNotPageName =
    "ページファイルではありません\nページファイルの形式はpage0000.sklのように\n"
    "英数字４桁数字４桁のファイル名と拡張子.sklです";

// The name's length as the check counts it: up to a NUL, at most the limit.
std::size_t counted_length(std::string_view name) {
  return std::min({name.find('\0'), name.size(), kNameLimit});
}

bool is_digit(char c) { return c >= '0' && c <= '9'; }

bool is_letter(char c, char lower) { return c == lower || c == lower - ('a' - 'A'); }

}  // namespace

void report_not_page_name(Ui& ui) { message(ui, "sklpagefilename", kNotPageName); }

bool is_page_name(std::string_view name) {
  const std::size_t n = counted_length(name);
  if (n < kDigitsFromEnd || n >= kNameLimit) return false;
  for (std::size_t i = n - kDigitsFromEnd; i < n - 4; ++i)
    if (!is_digit(name[i])) return false;
  return is_letter(name[n - 3], 's') && is_letter(name[n - 2], 'k') && is_letter(name[n - 1], 'l');
}

int sklpagefilename(App& app, const std::string& name) {
  if (is_page_name(name)) return 1;
  report_not_page_name(app.ui);
  return 0;
}

int pagenumber(App& app, const std::string& name) {
  if (!sklpagefilename(app, name)) return 0;
  const std::size_t at = counted_length(name) - kDigitsFromEnd;
  int number = 0;
  for (std::size_t i = at; i < at + 4; ++i) number = number * 10 + (name[i] - '0');
  return number;
}

int wrap_page_number(long long n) { return n < 0 || n > kLastPage ? 0 : static_cast<int>(n); }

void setpagenumber(int number, std::string& name) {
  const std::size_t n = counted_length(name);
  if (n < kDigitsFromEnd) return;
  const std::string digits = printf_text("%04d", wrap_page_number(number));
  name.replace(n - kDigitsFromEnd, 4, digits);
}

int storedrawdata(App& app) {
  if (app.in.readingmode == 1) {
    message(app.ui, "storedrawdata", "描画面はすでに退避されています");
    return 0;
  }
  app.reading.storeddrawing = app.drawing;
  app.reading.stored_saved = app.saved.drawing;
  app.in.readingmode = 1;
  settitle(app, app.files.titlebuf, app.files.current_file);
  nowreset(app);
  return 1;
}

int loaddrawdata(App& app) {
  if (app.in.readingmode == 0 || !app.reading.storeddrawing) {
    message(app.ui, "loaddrawdata", "現在の画面が描画面です");
    return 0;
  }
  app.drawing = std::move(*app.reading.storeddrawing);
  app.reading.storeddrawing.reset();
  app.saved.drawing = app.reading.stored_saved;
  app.in.readingmode = 0;
  settitle(app, app.files.titlebuf, app.files.current_file);
  nowreset(app);
  layerfix(app);
  return 1;
}

int pageread(App& app) {
  if (app.in.readingmode == 0) {
    message(app.ui, "pageread", "描画面を退避してください");
    return 0;
  }
  if (!sklpagefilename(app, app.files.pagename)) return 0;
  std::optional<Block> page =
      read_drawing_file(app, path_in_folder(app.files.page_folder, app.files.pagename), "pageread");
  if (!page) return 0;
  app.drawing = std::move(*page);
  mark_drawing_saved(app);  // a page as read is in its file
  app.files.current_file = app.files.pagename;
  settitle(app, app.files.titlebuf, app.files.pagename);
  nowreset(app);
  return 1;
}

bool stored_drawing_unsaved(const App& app) {
  const std::optional<Block>& stored = app.reading.storeddrawing;
  return app.in.readingmode == 1 && stored &&
         drawing_fingerprint(*stored) != app.reading.stored_saved;
}

int turn_to_page(App& app, long long n) {
  const int old_number = app.reading.pageno;
  const std::string old_name = app.files.pagename;
  app.reading.pageno = wrap_page_number(n);
  setpagenumber(app.reading.pageno, app.files.pagename);
  if (pageread(app)) return 1;
  app.reading.pageno = old_number;
  app.files.pagename = old_name;
  return 0;
}

int pagefirst(App& app) { return turn_to_page(app, 1); }

int pagenext(App& app) { return turn_to_page(app, app.reading.pageno + 1LL); }

int pageprev(App& app) { return turn_to_page(app, app.reading.pageno - 1LL); }

int pagegoto(App& app) {
  app.reading.pageno = pagenumber(app, app.files.pagename);
  app.input.buffer = printf_text("%d", app.reading.pageno);
  if (input_box(app.ui, app.input) != 1) return 0;
  const long long n = scan_integer(app.input.buffer).value_or(app.reading.pageno);
  return turn_to_page(app, n);
}

int open_book(App& app) {
  std::string name = app.files.pagename;
  std::string folder = app.files.page_folder;
  if (!choose_file(app, FileDialogKind::kOpen, "Get Read skl file", kSklFilter, name, folder))
    return 0;
  if (!sklpagefilename(app, name)) return 0;
  const Files old_files = app.files;
  const int old_page = app.reading.pageno;
  app.files.pagename = name;
  app.files.page_folder = folder;
  app.reading.pageno = pagenumber(app, name);
  const bool stored_here = app.in.readingmode == 0 && storedrawdata(app) == 1;
  app.in.nowlayer = 1;
  if (pageread(app)) return 1;
  app.files.pagename = old_files.pagename;
  app.files.page_folder = old_files.page_folder;
  app.reading.pageno = old_page;
  // The drawing shown is still the user's own: it stays theirs to edit.
  if (stored_here) {
    app.reading.storeddrawing.reset();
    app.in.readingmode = 0;
    settitle(app, app.files.titlebuf, app.files.current_file);
  }
  return 0;
}

namespace {

int choose_folder(App& app, std::string& folder) {
  app.input.buffer = folder;
  if (input_box(app.ui, app.input) != 1) return 0;
  namespace fs = std::filesystem;
  std::error_code error;
  const fs::path typed = path_in_folder(folder, app.input.buffer);
  if (!fs::is_directory(typed, error)) return 0;
  const fs::path absolute = fs::absolute(typed, error);
  if (error) return 0;
  folder = absolute.lexically_normal().string();
  // A folder keeps no separator at its end, except the root.
  if (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  return 1;
}

}  // namespace

int choose_working_folder(App& app) { return choose_folder(app, app.files.working_folder); }

int choose_page_folder(App& app) { return choose_folder(app, app.files.page_folder); }

}  // namespace daub
