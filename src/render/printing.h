#pragma once
// Printing: a page is drawn by the painter of display mode 0 through the
// printer's Dc, clipped to the page. In the print view a world point p lands
// at (p + (X, Y)) × m device pixels from the paper's corner, X and Y being
// the print origin and m the print magnification of the settings. The Ui's
// print dialog gives the job (a printer or a PDF file).

#include <memory>

#include "model/app.h"

namespace daub {

// The view of the print view, exactly: scale m, world (-X, -Y) at device
// (0, 0). It takes no integer view origin, so no point moves by rounding.
void set_print_view(App& app);
// The paint area: the world rectangle a page of width x height device
// pixels shows with the view as it stands.
void set_paint_area(App& app, int width, int height);

// 1 when the print magnification is a positive number, else 0 after
// "縮尺は正の数で指定してください" ("CAUTION").
int check_print_magnification(App& app);

// Keeps the settings and the view while a page is printed or previewed and
// puts them back when it goes.
class KeptView {
 public:
  explicit KeptView(App& app) : app_(app), settings_(app.settings), view_(app.view) {}
  ~KeptView() {
    app_.settings = settings_;
    app_.view = view_;
  }
  KeptView(const KeptView&) = delete;
  KeptView& operator=(const KeptView&) = delete;

 private:
  App& app_;
  Settings settings_;
  View view_;
};

// Draws one page of a started document in the print view of the settings;
// the settings and the view are as before afterwards. False when the job
// gives no page.
bool print_page_in_print_view(App& app, PrintJob& job);

// "STARTDOCが開けません" / "ENDDOCが失敗しました" / "プリントＤＬＧが開けません",
// caption "printout".
void report_no_print_dialog(App& app);
void report_start_failed(App& app);
void report_end_failed(App& app);

// The print dialog and then DBRYPRINTDLG for its page: the job, or nothing
// after "プリントＤＬＧが開けません" or a cancelled parameter dialog.
std::unique_ptr<PrintJob> print_dialog_with_params(App& app);

// 290 printout: the print dialog, then the current view on one page.
int printout(App& app);
// 587, 1119: the print dialog, the print parameters (DBRYPRINTDLG), then
// one page in the print view. Returns 1 when the page was printed.
int printout_with_params(App& app);
// 291: the print dialog in set-up mode.
int print_setup(App& app);
// 868: the screen shows what the page will show: scale 1, world (-X, -Y)
// at the top-left corner, zoomed by the magnification about that corner.
int show_print_view(App& app);

}  // namespace daub
