#pragma once
// The view transform between world coordinates and client pixels, the repaint
// operations and the view commands.

#include "shell/app.h"

namespace daub {

// Truncation toward zero, the one way the program turns a double into a pixel.
// Not-a-number becomes 0 and values beyond the int range the nearest int.
int trunc_to_int(double v);
// a + b held inside the int range, for pixel offsets of far-away points.
int add_clamped(int a, int b);

// x = (px − centre.x) / scale + origin.x; likewise y.
void screentoworld(double& wx, double& wy, double cx, double cy, int px, int py, int ox, int oy,
                   double scale);
void screenftoworld(double& wx, double& wy, double cx, double cy, double px, double py, int ox,
                    int oy, double scale);
// px = trunc((x − origin.x) × scale + centre.x); likewise y.
void worldtoscreen(int& px, int& py, double cx, double cy, double wx, double wy, int ox, int oy,
                   double scale);
void worldtoscreenf(double& px, double& py, double cx, double cy, double wx, double wy, int ox,
                    int oy, double scale);

// The same with the app's current view.
DPoint to_world(const App& app, int px, int py);
DPoint to_worldf(const App& app, double px, double py);
IntPoint to_screen(const App& app, double wx, double wy);

// The view centre follows the client size: its integer halves.
void center_view_on_client(App& app);

// Paints the whole client area at once, keeping the display mode.
void repaint(App& app);
// Sets the display mode (3: Japanese text entry, 8: Latin) and repaints.
void setdispmode(App& app, int mode);

// Corner placements and zoom of the view.
void show_at_top_left(App& app, double wx, double wy);
void show_at_bottom_left(App& app, double wx, double wy);
void zoom_about_top_left(App& app, double factor);

// Command ids 100, 101, 103, 104, 201-209, 594; true when the id is one of them.
bool view_command(App& app, int id);
// Mouse commands 600, 1115, 102, 105 at release; true when handled.
bool view_mouse_command(App& app, int cmd);

}  // namespace daub
