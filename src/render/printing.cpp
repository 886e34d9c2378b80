#include "render/printing.h"

#include <cmath>

#include "model/view.h"
#include "platform/ui.h"
#include "render/display.h"
#include "render/print_dialogs.h"
#include "render/view.h"

namespace daub {

namespace {

// Draws the page with the view as it stands, clipped to the page.
bool print_page(App& app, PrintJob& job) {
  Dc* dc = job.start_page();
  if (dc == nullptr) return false;
  set_paint_area(app, job.page_width(), job.page_height());
  dispall(app, *dc);
  job.end_page();
  return true;
}

// Starts the job's document, draws one page with `place` setting the view,
// ends the document; reports where it fails.
template <class Place>
int print_one_page(App& app, PrintJob& job, Place place) {
  if (!job.start_document()) {
    report_start_failed(app);
    return 0;
  }
  bool printed = false;
  {
    KeptView keep(app);
    place();
    printed = print_page(app, job);
  }
  if (!job.end_document() || !printed) {
    report_end_failed(app);
    return 0;
  }
  return 1;
}

}  // namespace

void set_print_view(App& app) {
  Settings& s = app.settings;
  const double m = s.print_magnification;
  s.scale = m;
  app.view.vieworigin_x = 0;
  app.view.vieworigin_y = 0;
  s.view_center_x = s.print_origin_x * m;
  s.view_center_y = s.print_origin_y * m;
}

void set_paint_area(App& app, int width, int height) {
  app.view.viewworldmin = to_world(app, 0, 0);
  app.view.viewworldmax = to_world(app, width, height);
}

int check_print_magnification(App& app) {
  const Settings& s = app.settings;
  if (std::isfinite(s.print_magnification) && s.print_magnification > 0 &&
      std::isfinite(s.print_origin_x) && std::isfinite(s.print_origin_y))
    return 1;
  message(app.ui, "CAUTION", "縮尺は正の数で指定してください");
  return 0;
}

bool print_page_in_print_view(App& app, PrintJob& job) {
  KeptView keep(app);
  set_print_view(app);
  return print_page(app, job);
}

void report_no_print_dialog(App& app) { message(app.ui, "printout", "プリントＤＬＧが開けません"); }

void report_start_failed(App& app) { message(app.ui, "printout", "STARTDOCが開けません"); }

void report_end_failed(App& app) { message(app.ui, "printout", "ENDDOCが失敗しました"); }

int printout(App& app) {
  std::unique_ptr<PrintJob> job = app.ui.print_dialog();
  if (!job) {
    report_no_print_dialog(app);
    return 0;
  }
  return print_one_page(app, *job, [] {});
}

std::unique_ptr<PrintJob> print_dialog_with_params(App& app) {
  std::unique_ptr<PrintJob> job = app.ui.print_dialog();
  if (!job) {
    report_no_print_dialog(app);
    return nullptr;
  }
  if (!dbryprintdlg(app, job->page_width(), job->page_height())) return nullptr;
  return job;
}

int printout_with_params(App& app) {
  std::unique_ptr<PrintJob> job = print_dialog_with_params(app);
  if (!job || !check_print_magnification(app)) return 0;
  return print_one_page(app, *job, [&app] { set_print_view(app); });
}

int print_setup(App& app) { return app.ui.print_setup() ? 1 : 0; }

int show_print_view(App& app) {
  if (!check_print_magnification(app)) return 0;
  Settings& s = app.settings;
  center_view_on_client(app);
  s.scale = 1.0;
  show_at_top_left(app, -s.print_origin_x, -s.print_origin_y);
  zoom_about_top_left(app, s.print_magnification);
  return 1;
}

}  // namespace daub
