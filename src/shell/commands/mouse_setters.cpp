// Commands that only choose what the next press-drag-release does.

#include "model/app.h"
#include "render/view.h"
#include "shell/commands/command_families.h"

namespace daub {

namespace {

// A setter and what it shows: a display mode, or -1 for a plain repaint;
// some also clear the enclosure outline they will draw anew.
struct Setter {
  int id;
  int mode;
  bool clear_enclosure;
};

// 102 centre move, 105 print origin, 600 drag move; 678 turn canvas 1 by the
// drag; 687, 717, 746 stretch a canvas to the drag rectangle; 764-772 a
// canvas made from the current point to the drag; 813-815 a colour taken
// from a canvas; 773 canvases 2 and 3 to canvas 1; 609 the enclosure square
// round the press; 640 the view rectangle onto the clipboard; 616-618, 633,
// 634, 637 the constructions of the construction distance.
constexpr Setter kSetters[] = {
    {102, -1, false}, {105, -1, false}, {600, -1, false}, {678, -1, false}, {687, -1, false},
    {717, -1, false}, {746, -1, false}, {764, -1, false}, {765, -1, false}, {766, -1, false},
    {767, -1, false}, {768, -1, false}, {769, -1, false}, {770, -1, false}, {771, -1, false},
    {772, -1, false}, {813, -1, false}, {814, -1, false}, {815, -1, false}, {773, 2, false},
    {609, 2, true},   {640, 2, true},   {616, 1, false},  {617, 1, false},  {618, 1, false},
    {633, 1, false},  {634, 1, false},  {637, 1, false},
};

}  // namespace

bool mouse_setter_command(App& app, int id) {
  for (const Setter& s : kSetters) {
    if (s.id != id) continue;
    if (s.clear_enclosure) app.enclosure.clear();
    app.in.mousecmd = static_cast<std::uint16_t>(id);
    s.mode < 0 ? repaint(app) : setdispmode(app, s.mode);
    return true;
  }
  return false;
}

}  // namespace daub
