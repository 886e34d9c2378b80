#pragma once
// Repainting and placing the view: the operations every command ends with.

#include "model/view.h"

namespace daub {

// The view centre follows the client size: its integer halves.
void center_view_on_client(App& app);

// Asks for the whole client area to be painted again (Ui::repaint), keeping
// the display mode; the view's centre follows the client size at once.
void repaint(App& app);
// Sets the display mode (3: Japanese text entry, 8: Latin) and repaints.
void setdispmode(App& app, int mode);

// Corner placements and zoom of the view.
void show_at_top_left(App& app, double wx, double wy);
void show_at_bottom_left(App& app, double wx, double wy);
void zoom_about_top_left(App& app, double factor);

}  // namespace daub
