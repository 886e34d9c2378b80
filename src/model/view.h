#pragma once
// The view transform with the app's current view: its centre and scale (kept
// in the settings) and its origin.

#include "geometry/point.h"
#include "geometry/view_transform.h"
#include "model/app.h"

namespace daub {

DPoint to_world(const App& app, int px, int py);
DPoint to_worldf(const App& app, double px, double py);
IntPoint to_screen(const App& app, double wx, double wy);

}  // namespace daub
