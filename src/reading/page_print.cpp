#include "reading/page_print.h"

#include <algorithm>

#include "model/app.h"
#include "platform/ui.h"
#include "reading/page_files.h"
#include "render/printing.h"

namespace daub {

namespace {

constexpr int kLastPage = 9999;

// The print origin and magnification a page is printed with.
void take_print_params(App& app, const Settings& live, PageParams params) {
  Settings& s = app.settings;
  s.print_origin_x = live.print_origin_x;
  s.print_origin_y = live.print_origin_y;
  s.print_magnification = live.print_magnification;
  const Block& page = app.drawing;
  if (params != PageParams::kOwnPage || page.settings_offset() == 0) return;
  const auto own = page.get<Settings>(page.settings_offset());
  s.print_origin_x = own.print_origin_x;
  s.print_origin_y = own.print_origin_y;
  s.print_magnification = own.print_magnification;
}

}  // namespace

int print_pages(App& app, PrintJob& job, PageRange range, PageParams params, bool& complete) {
  complete = false;
  const long long step = std::max(range.step, 1);
  const Settings live = app.settings;
  bool started = false;
  int printed = 0;
  long long n = range.first;
  for (; n <= range.last; n += step) {
    if (n < 0 || n > kLastPage || !turn_to_page(app, n)) break;
    take_print_params(app, live, params);
    const bool placeable = check_print_magnification(app) != 0;
    if (placeable && !started && !(started = job.start_document())) report_start_failed(app);
    if (!placeable || !started || !print_page_in_print_view(app, job)) break;
    ++printed;
  }
  app.settings.print_origin_x = live.print_origin_x;
  app.settings.print_origin_y = live.print_origin_y;
  app.settings.print_magnification = live.print_magnification;
  if (started && !job.end_document()) {
    report_end_failed(app);
    return printed;
  }
  complete = n > range.last;
  return printed;
}

int pageprintloop(App& app) {
  std::unique_ptr<PrintJob> job = print_dialog_with_params(app);
  if (!job) return 0;
  bool complete = false;
  const Reading& r = app.reading;
  print_pages(app, *job, PageRange{r.printfirst, r.printlast, r.printstep}, PageParams::kLive,
              complete);
  return complete ? 1 : 0;
}

}  // namespace daub
