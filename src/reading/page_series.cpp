#include "reading/page_series.h"

#include <filesystem>
#include <optional>

#include "drawing/drawing_file.h"
#include "model/app.h"
#include "platform/input_box.h"
#include "platform/printf_text.h"
#include "reading/page_files.h"
#include "reading/reading_internal.h"

namespace daub {

namespace fs = std::filesystem;

namespace {

constexpr int kPages = 10000;
constexpr std::size_t kDigitsFromEnd = 8;

std::string list_folder(const std::string& folder) { return folder.empty() ? "." : folder; }

// The page number of a directory entry's name when it belongs to the series
// (same length, stem and ending, four digits between), else nothing.
std::optional<int> number_in_series(const std::string& entry, const std::string& page_name) {
  const std::size_t n = page_name.size();
  if (entry.size() != n || entry.compare(0, n - kDigitsFromEnd, page_name, 0, n - kDigitsFromEnd))
    return std::nullopt;
  if (entry.compare(n - 4, 4, page_name, n - 4, 4) != 0) return std::nullopt;
  int number = 0;
  for (std::size_t i = n - kDigitsFromEnd; i < n - 4; ++i) {
    if (entry[i] < '0' || entry[i] > '9') return std::nullopt;
    number = number * 10 + (entry[i] - '0');
  }
  return number;
}

// Whether the name exists as the access check sees it (links followed).
bool exists_in(const std::string& folder, const std::string& name) {
  std::error_code error;
  return fs::exists(path_in_folder(folder, name), error);
}

// Whether anything at all has the name, a dangling link included: what a
// rename or a new file would land on.
bool taken_in(const std::string& folder, const std::string& name) {
  std::error_code error;
  return fs::exists(fs::symlink_status(path_in_folder(folder, name), error));
}

// Renames a file of the working folder; never over a name that is taken.
bool rename_file(const std::string& folder, const std::string& from, const std::string& to) {
  if (taken_in(folder, to)) return false;
  std::error_code error;
  fs::rename(path_in_folder(folder, from), path_in_folder(folder, to), error);
  return !error;
}

bool remove_file(const std::string& folder, const std::string& name) {
  std::error_code error;
  return fs::remove(path_in_folder(folder, name), error) && !error;
}

// The chosen page's series in the working folder, or nothing after the
// page-name message.
std::optional<std::vector<PageFile>> series_of(App& app, const std::string& page_name) {
  if (!sklpagefilename(app, page_name)) return std::nullopt;
  return list_series(app.files.working_folder, page_name);
}

std::optional<long long> ask_integer(App& app, const char* prompt, int initial) {
  if (input_box(app.ui, app.input, prompt, printf_text("%d", initial)) != 1) return std::nullopt;
  return scan_integer(app.input.buffer);
}

}  // namespace

std::string series_name(const std::string& page_name, int number) {
  std::string name = page_name;
  setpagenumber(number, name);
  return name;
}

std::vector<PageFile> list_series(const std::string& folder, const std::string& page_name) {
  if (!is_page_name(page_name)) return {};
  std::vector<bool> found(kPages, false);
  std::error_code error;
  fs::directory_iterator it(list_folder(folder), error);
  // A folder that can be searched but not listed is still searched.
  if (error) return list_series_plain(folder, page_name);
  for (; !error && it != fs::directory_iterator(); it.increment(error)) {
    const std::optional<int> number = number_in_series(it->path().filename().string(), page_name);
    std::error_code status_error;
    if (number && fs::exists(it->path(), status_error)) found[*number] = true;
  }
  if (error) return list_series_plain(folder, page_name);
  std::vector<PageFile> files;
  for (int n = 0; n < kPages; ++n)
    if (found[n]) files.push_back({n, series_name(page_name, n)});
  return files;
}

std::vector<PageFile> list_series_plain(const std::string& folder, const std::string& page_name) {
  if (!is_page_name(page_name)) return {};
  std::vector<PageFile> files;
  for (int n = 0; n < kPages; ++n) {
    std::string name = series_name(page_name, n);
    if (exists_in(folder, name)) files.push_back({n, std::move(name)});
  }
  return files;
}

int pagefiletotal(App& app, const std::string& page_name) {
  BusyCursor busy(app.ui);
  const auto files = series_of(app, page_name);
  if (!files) return 0;
  const int count = static_cast<int>(files->size());
  const int first = files->empty() ? -1 : files->front().number;
  const int last = files->empty() ? -1 : files->back().number;
  message(app.ui, "pagefiletotal", printf_text("start=%d,last=%d,total=%d", first, last, count));
  return count;
}

int pagefilesequence(App& app, const std::string& page_name) {
  if (!sklpagefilename(app, page_name)) return 0;
  const std::optional<long long> first =
      ask_integer(app, "First page number input", pagenumber(app, page_name));
  if (!first) return 0;
  BusyCursor busy(app.ui);
  std::vector<PageFile> files = list_series(app.files.working_folder, page_name);
  const long long count = static_cast<long long>(files.size());
  if (*first < 0 || *first + count - 1 >= kPages) {
    message(app.ui, "pagefilesequence", "ページ番号は0から9999までです");
    return 0;
  }
  int renamed = 0;
  auto move = [&](PageFile& f, long long to) {
    const std::string name = series_name(page_name, static_cast<int>(to));
    if (!rename_file(app.files.working_folder, f.name, name)) {
      message(app.ui, "pagefilesequence", "rename err");
      return false;
    }
    f = {static_cast<int>(to), name};
    ++renamed;
    return true;
  };
  for (int i = 0; i < count; ++i)
    if (i < files[i].number && !move(files[i], i)) return renamed;
  for (int i = static_cast<int>(count) - 1; i >= 0; --i)
    if (*first + i > files[i].number && !move(files[i], *first + i)) return renamed;
  return static_cast<int>(count);
}

int pagefilesequence_insert(App& app, const std::string& page_name) {
  BusyCursor busy(app.ui);
  const auto files = series_of(app, page_name);
  if (!files) return 0;
  const int at = pagenumber(app, page_name);
  if (!files->empty() && files->back().number >= at && files->back().number == kPages - 1) {
    message(app.ui, "pagefilesequence", "ページ番号は0から9999までです");
    return 0;
  }
  int moved = 0;
  for (auto f = files->rbegin(); f != files->rend() && f->number >= at; ++f, ++moved) {
    if (!rename_file(app.files.working_folder, f->name, series_name(page_name, f->number + 1))) {
      message(app.ui, "pagefilesequence", "rename err");
      return moved;
    }
  }
  return moved + sklfileout(app, page_name);
}

int pagefilenamechange(App& app, const std::string& page_name) {
  if (!sklpagefilename(app, page_name)) return 0;
  if (input_box(app.ui, app.input, "New PageFileName Input", app.files.sklname) != 1) return 0;
  const std::string typed = app.input.buffer;
  if (!sklnamecheck(app, typed)) return 0;
  // The number goes over the four bytes before the ending; a name without
  // room for them, or one naming another folder, is not in page form.
  if (typed.size() < kDigitsFromEnd || typed.find_first_of("/\\") != std::string::npos) {
    report_not_page_name(app.ui);
    return 0;
  }
  BusyCursor busy(app.ui);
  const std::string& folder = app.files.working_folder;
  const std::vector<PageFile> files = list_series(folder, page_name);
  for (const PageFile& f : files) {
    if (const std::string to = series_name(typed, f.number); taken_in(folder, to)) {
      message(app.ui, "pagefilenamechange", to + " is same name");
      return 0;
    }
  }
  int moved = 0;
  for (const PageFile& f : files) {
    if (!rename_file(folder, f.name, series_name(typed, f.number))) {
      message(app.ui, "pagefilenamechange", "rename err");
      return moved;
    }
    ++moved;
  }
  return moved;
}

int pagefiledelete(App& app, const std::string& page_name) {
  return remove_file(app.files.working_folder, page_name) ? 1 : 0;
}

int pagefiledelback(App& app, const std::string& page_name, Side side) {
  BusyCursor busy(app.ui);
  const auto files = series_of(app, page_name);
  if (!files) return 0;
  const int at = pagenumber(app, page_name);
  int removed = 0;
  for (const PageFile& f : *files) {
    if (side == Side::kBefore ? f.number >= at : f.number <= at) continue;
    if (!remove_file(app.files.working_folder, f.name)) {
      message(app.ui, "pagefiledelback", "remove err");
      return removed;
    }
    ++removed;
  }
  return removed;
}

}  // namespace daub
