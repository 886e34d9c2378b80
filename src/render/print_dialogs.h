#pragma once
// The dialogs of printing: the print parameters (PRINTPARAMINPUTBOX and,
// with the page preview, DBRYPRINTDLG), the continuous print range
// (CURRENTPRINTPARAMINPUTBOX) and the lattice (RATTICEPARAMINPUTBOX and its
// one-line input). Numbers that do not read as one keep the value shown
// before.

#include "model/app.h"

namespace daub {
class Dc;

// What the print parameter fields say: origin X (967), Y (969) and the
// magnification (971), a negative magnification read as 0.
struct PrintParams {
  double x = 0;
  double y = 0;
  double magnification = 0;
};

// DBRYPRINTDLG's preview for a page of width x height device pixels: the
// page scaled to 200 pixels on its longer side at (20, 20) on gray, the
// lattice in yellow and canvas 1 in pink where the parameters put them.
// Nothing but the gray for a page without size.
void paint_print_preview(App& app, Dc& dc, const PrintParams& p, int width, int height);
// How a drag of (dx, dy) dialog pixels over the preview moves the origin.
PrintParams dragged_print_params(PrintParams p, int dx, int dy, int width, int height);

// DBRYPRINTDLG for a page of width x height device pixels: 1 on OK (the
// print origin and magnification stored), 0 on cancel.
int dbryprintdlg(App& app, int width, int height);
// 503 PRINTPARAMINPUTBOX: 1 on OK (stored), 0 on cancel.
int print_param_dialog(App& app);
// 816 CURRENTPRINTPARAMINPUTBOX: the first page (at least 0), the last page
// (at least the first) and the interval (at least 1) into app.reading; 1 on OK.
int continuous_print_dialog(App& app);
// 281 RATTICEPARAMINPUTBOX: width, height and interval (each below 1.0 read
// as 1.0), the six paper presets and the lattice colour; 1 on OK.
int lattice_dialog(App& app);
// INPUTBOX "ます目の横長，縦長，間隔": all three lattice values or nothing,
// each below 1.0 read as 1.0; 1 when stored.
int lattice_input(App& app);

}  // namespace daub
