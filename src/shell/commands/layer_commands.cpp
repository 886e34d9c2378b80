// Layer list and current layer commands (170-178, 525). The current elements
// and selections are numbers within a layer, so every one of them is reset.

#include "drawing/layers.h"
#include "drawing/pack.h"
#include "drawing/selection.h"
#include "model/app.h"
#include "render/view.h"
#include "shell/commands/command_families.h"

namespace daub {

namespace {

// A new empty layer right after the current one, which becomes current. The
// current layer moves only when the layer was made (growth may be refused).
void insert_layer_after_current(App& app) {
  const int before = layer_count(app.drawing);
  const int n = app.in.nowlayer + 1;
  makelayer(app, n);
  if (layer_count(app.drawing) > before) app.in.nowlayer = n;
}

// The current layer to the last one; a drawing without layers keeps the number.
void go_to_last_layer(App& app) {
  const int total = totallayer(app);
  if (total > 0) app.in.nowlayer = total;
}

// Runs the command; false when the id is not a layer command.
bool run_layer_command(App& app, int id) {
  switch (id) {
    case 170:
      nowreset(app);
      insert_layer_after_current(app);
      return true;
    case 171:
      nowreset(app);
      nextlayer(app);
      return true;
    case 172:
      nowreset(app);
      prevlayer(app);
      return true;
    case 173:
      nowreset(app);
      app.in.nowlayer = 1;
      return true;
    case 174:
      nowreset(app);
      go_to_last_layer(app);
      return true;
    case 175:
      layerswaptop(app, app.in.nowlayer);
      app.in.nowlayer = 1;
      nowreset(app);
      return true;
    case 176:
      layerswaplast(app, app.in.nowlayer);
      go_to_last_layer(app);
      nowreset(app);
      return true;
    case 177:
      layerswapback(app, app.in.nowlayer);
      nowreset(app);
      return true;
    case 178:
      dellayer(app, app.in.nowlayer);
      sklpack(app);
      nowreset(app);
      return true;
    case 525:
      layerdlg(app);
      nowreset(app);
      return true;
    default:
      return false;
  }
}

}  // namespace

bool layer_command(App& app, int id) {
  if (!run_layer_command(app, id)) return false;
  setdispmode(app, 1);
  return true;
}

}  // namespace daub
