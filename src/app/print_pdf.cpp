#include "app/print_pdf.h"

#include <charconv>
#include <filesystem>
#include <iostream>

#include "model/app.h"
#include "platform/clipboard.h"
#include "platform/script_ui.h"
#include "qt/qt_print.h"
#include "reading/page_files.h"
#include "reading/page_print.h"
#include "reading/page_series.h"
#include "shell/window.h"

namespace daub {

namespace {

constexpr int kLastPage = 9999;

// Answers every dialog with cancel and writes each message to standard error.
class BatchUi : public ScriptUi {
 public:
  BatchUi() : ScriptUi(nullptr) {}
  MessageAnswer message_box(const std::string& caption, const std::string& text,
                            MessageButtons buttons) override {
    std::string one_line = text;
    for (char& c : one_line)
      if (c == '\n') c = ' ';
    std::cerr << "daubery: " << caption << ": " << one_line << "\n";
    return buttons == MessageButtons::kOk ? MessageAnswer::kOk : MessageAnswer::kNo;
  }
};

bool read_number(const char*& at, const char* end, int& out) {
  auto [next, ec] = std::from_chars(at, end, out);
  if (ec != std::errc() || next == at) return false;
  at = next;
  return true;
}

// The page's own number and the last of the pages that follow it without a gap.
int last_consecutive(const std::string& folder, const std::string& name, int first) {
  const std::vector<PageFile> files = list_series(folder, name);
  int last = first;
  for (const PageFile& f : files)
    if (f.number == last + 1) last = f.number;
  return last;
}

}  // namespace

bool parse_page_range(const std::string& text, PrintPdfRequest& request, std::string& error) {
  const char* at = text.data();
  const char* end = text.data() + text.size();
  int first = 0, last = 0, step = 1;
  bool ok = read_number(at, end, first) && at < end && *at++ == '-' && read_number(at, end, last);
  if (ok && at < end) ok = *at++ == ':' && read_number(at, end, step);
  if (!ok || at != end) {
    error = "--pages takes FIRST-LAST or FIRST-LAST:STEP, for example 3-7:2";
    return false;
  }
  if (first < 0 || first > kLastPage || last < 0 || last > kLastPage) {
    error = "pages are numbered 0 to 9999";
    return false;
  }
  if (last < first) {
    error = "the last page comes before the first";
    return false;
  }
  if (step < 1) {
    error = "the step must be 1 or more";
    return false;
  }
  request.ranged = true;
  request.first = first;
  request.last = last;
  request.step = step;
  return true;
}

int run_print_pdf(const PrintPdfRequest& request) {
  namespace fs = std::filesystem;
  const fs::path page(request.page);
  std::error_code error;
  const fs::path folder = fs::absolute(page, error).parent_path();
  if (error || !fs::is_directory(folder, error)) {
    std::cerr << "daubery: no such folder: " << folder.string() << "\n";
    return 1;
  }
  BatchUi ui;
  MemoryClipboard clipboard;
  App app(ui, clipboard);
  on_create(app);
  // The canvases belong to the painting, not to the book.
  for (CanvasSlot& slot : app.canvases.slots) slot.shown = 0;
  const std::string name = page.filename().string();
  if (!sklpagefilename(app, name)) return 1;
  app.files.page_folder = folder.string();
  app.files.pagename = name;
  app.reading.pageno = pagenumber(app, name);
  storedrawdata(app);
  PageRange range{app.reading.pageno, app.reading.pageno, 1};
  if (request.ranged)
    range = PageRange{request.first, request.last, request.step};
  else
    range.last = last_consecutive(app.files.page_folder, name, range.first);
  std::unique_ptr<PrintJob> job = make_pdf_print_job(request.pdf);
  bool complete = false;
  const int printed = print_pages(app, *job, range, PageParams::kOwnPage, complete);
  const int wanted = (range.last - range.first) / std::max(range.step, 1) + 1;
  if (!complete)
    std::cerr << "daubery: stopped at " << series_name(name, range.first + printed * range.step)
              << "\n";
  std::cerr << "daubery: " << printed << " of " << wanted << " pages written"
            << (printed > 0 ? " to " + request.pdf : std::string()) << "\n";
  return complete && printed == wanted ? 0 : 1;
}

}  // namespace daub
