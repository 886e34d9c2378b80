#pragma once
// The enclosure ("囲み線"): a closed outline of world points that picks
// elements and bounds the view rectangle the picture commands cut out. A
// dragged rectangle makes one of four corners, the first and third of which
// are its top-left and bottom-right on screen.

#include <optional>

#include "model/app.h"
#include "platform/dc.h"

namespace daub {
// The enclosure := the four corners (top-left, top-right, bottom-right,
// bottom-left on screen) of the client rectangle spanned by a and b, in world.
void set_enclosure_rectangle(App& app, IntPoint a, IntPoint b);

// The first and third points of an enclosure of exactly four points; none
// for any other enclosure.
struct EnclosureRect {
  DPoint first, third;
};
std::optional<EnclosureRect> enclosure_rectangle(const App& app);

}  // namespace daub
