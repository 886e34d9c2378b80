// Whatever arrives on the clipboard: drawing data pasted as the drawing and
// as the selection, then picked, transformed, committed, kept, duplicated
// and moved between layers, must leave a drawing that passes the drawing
// check; parameter texts pasted into every parameter must either change
// nothing or read back as what their copy writes.
//
// The first byte chooses: even, the rest is drawing data; odd, it is text.

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "drawing/drawing_clipboard.h"
#include "drawing/drawing_file.h"
#include "drawing/layers.h"
#include "drawing/parameter_texts.h"
#include "drawing/selection.h"
#include "drawing/selection_transforms.h"
#include "drawing/spare.h"
#include "model/app.h"
#include "platform/clipboard.h"
#include "platform/script_ui.h"
#include "shell/startup.h"

namespace {

using namespace daub;

void require(bool ok) {
  if (!ok) std::abort();
}

struct Program {
  std::ostringstream log;
  ScriptUi ui{&log};
  MemoryClipboard clipboard;
  App app{ui, clipboard};
  Program() {
    FileInit(app);
    app.block_limit = 1u << 24;
  }
};

// Everything in the current layer, picked by a huge rectangle.
void pick_all(App& app) {
  app.enclosure = {{-1e9, -1e9}, {1e9, -1e9}, {1e9, 1e9}, {-1e9, 1e9}};
  jordenpickall(app, app.in.nowlayer);
}

void edit_selection(App& app) {
  pick_all(app);
  stockrot_all(app, {3, 4}, 0.7);
  stockrate_all(app, {3, 4}, 2, 0.5);
  stockmove(app, app.in.nowlayer);
  require(is_valid_drawing(app.drawing));
  duplicate_selection(app);
  require(is_valid_drawing(app.drawing));
  move_selection_to_layer(app, LayerStep::kNext, Transfer::kMove);
  require(is_valid_drawing(app.drawing));
  pick_all(app);
  keep_selection(app, app.in.nowlayer);
  require(is_valid_drawing(app.drawing));
}

void drawing_data(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::uint8_t> bytes(data, data + size);
  Program p;
  p.clipboard.set_drawing(bytes);
  const bool valid = is_valid_drawing(bytes);
  const std::vector<std::uint8_t> before = p.app.drawing.bytes();
  require(drawdatapaste(p.app) == (valid ? 1 : 0));
  require(is_valid_drawing(p.app.drawing));
  if (!valid) {
    require(p.app.drawing.bytes() == before);
    require(paste_selection(p.app) == 0 && p.app.drawing.bytes() == before);
    return;
  }
  layerfix(p.app);
  edit_selection(p.app);
  // The same data pasted as a selection into a drawing of two layers.
  Program q;
  makelayer(q.app, 2);
  q.clipboard.set_drawing(bytes);
  paste_selection(q.app);
  require(is_valid_drawing(q.app.drawing));
  edit_selection(q.app);
}

void parameter_text(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  for (int id = 100; id <= 1129; ++id) {
    const ParamCommand* command = daub::param_command(id);
    if (command == nullptr || command->paste_id != id) continue;
    Program p;
    p.clipboard.set_text(text);
    const Settings before = p.app.settings;
    const PointDir point = p.app.in.nowpoint;
    if (param_paste(p.app, *command) == 0) {
      require(std::memcmp(&before, &p.app.settings, sizeof before) == 0);
      require(std::memcmp(&point, &p.app.in.nowpoint, sizeof point) == 0);
      continue;
    }
    // Written back with six decimals, a value may no longer be one the
    // paste takes (a first tab of 1e-9 is written as 0); when it is, the
    // text it gives is written the same again.
    param_copy(p.app, *command);
    const std::optional<std::string> written = p.clipboard.text();
    if (param_paste(p.app, *command) == 0) continue;
    param_copy(p.app, *command);
    require(p.clipboard.text() == written);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  if (data[0] % 2 == 0)
    drawing_data(data + 1, size - 1);
  else
    parameter_text(data + 1, size - 1);
  return 0;
}
