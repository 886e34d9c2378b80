// Line and geometry commands: the mouse-command setters of the line
// commands and the operations on the current line.

#include <algorithm>
#include <iterator>

#include "drawing/lines.h"
#include "drawing/pack.h"
#include "drawing/selection.h"
#include "model/app.h"
#include "render/pen_dialogs.h"
#include "render/pen_operations.h"
#include "render/view.h"
#include "shell/commands/command_families.h"

namespace daub {

namespace {

// Mouse commands that draw or edit lines; choosing one shows the lines.
constexpr int kLineSetters[] = {110, 111, 112, 113, 116, 120, 121, 122, 124, 125, 126,
                                127, 128, 141, 300, 301, 302, 310, 311, 591, 593, 601,
                                602, 610, 611, 612, 613, 869, 871, 898, 908, 968};

bool is_line_setter(int id) {
  return std::find(std::begin(kLineSetters), std::end(kLineSetters), id) != std::end(kLineSetters);
}

// 538-541: one part of the current pen onto the current line.
using PenPartCopy = int (*)(App&, int, int);
PenPartCopy pen_part(int id) {
  switch (id) {
    case 538:
      return linenowdot;
    case 539:
      return linenowpenstyle;
    case 540:
      return linenowpenwidth;
    case 541:
      return linenowcolor;
    default:
      return nullptr;
  }
}

// 140, 312, 592: operations on the current line.
bool current_line_command(App& app, int id) {
  Interaction& in = app.in;
  switch (id) {
    case 140:
      delskl(app, in.nowlinevalid, in.nowlayer);
      sklpack(app);
      nowreset(app);
      setdispmode(app, 1);
      return true;
    case 312:
      // A cancelled dialog leaves the line's pen as it was.
      if (pen_input_dialog(app) == 1) linenow(app, in.nowlinevalid, in.nowlayer);
      setdispmode(app, 0);
      return true;
    case 592: {
      LineRecord reversed;
      int number = 0;
      reverse_line(app, in.nowlinevalid, reversed, number, in.nowlayer);
      sklpack(app);
      app.line_stock.clear();
      repaint(app);
      return true;
    }
    default:
      return false;
  }
}

}  // namespace

bool line_command(App& app, int id) {
  if (is_line_setter(id)) {
    app.in.mousecmd = static_cast<std::uint16_t>(id);
    // The chain commands come with the painting setters, which keep the display mode.
    (id == 908 || id == 968) ? repaint(app) : setdispmode(app, 1);
    return true;
  }
  if (PenPartCopy copy = pen_part(id)) {
    copy(app, app.in.nowlinevalid, app.in.nowlayer);
    setdispmode(app, 0);
    return true;
  }
  return current_line_command(app, id);
}

}  // namespace daub
