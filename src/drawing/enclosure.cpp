#include "drawing/enclosure.h"

#include <algorithm>

#include "model/app.h"
#include "model/view.h"
#include "platform/dc.h"

namespace daub {

void set_enclosure_rectangle(App& app, IntPoint a, IntPoint b) {
  const int left = std::min(a.x, b.x), right = std::max(a.x, b.x);
  const int top = std::min(a.y, b.y), bottom = std::max(a.y, b.y);
  app.enclosure = {to_world(app, left, top), to_world(app, right, top),
                   to_world(app, right, bottom), to_world(app, left, bottom)};
}

std::optional<EnclosureRect> enclosure_rectangle(const App& app) {
  if (app.enclosure.size() != 4) return std::nullopt;
  return EnclosureRect{app.enclosure[0], app.enclosure[2]};
}

}  // namespace daub
