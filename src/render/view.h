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

// Whole pixels of a dialog are world units while its preview draws: scale
// 1, centre and origin 0; the view comes back afterwards.
class UnitView {
 public:
  explicit UnitView(App& app)
      : app_(app),
        settings_(app.settings),
        origin_x_(app.view.vieworigin_x),
        origin_y_(app.view.vieworigin_y) {
    app.settings.scale = 1.0;
    app.settings.view_center_x = 0;
    app.settings.view_center_y = 0;
    app.view.vieworigin_x = 0;
    app.view.vieworigin_y = 0;
  }
  ~UnitView() {
    app_.settings = settings_;
    app_.view.vieworigin_x = origin_x_;
    app_.view.vieworigin_y = origin_y_;
  }
  UnitView(const UnitView&) = delete;
  UnitView& operator=(const UnitView&) = delete;

 private:
  App& app_;
  Settings settings_;
  int origin_x_, origin_y_;
};

}  // namespace daub
