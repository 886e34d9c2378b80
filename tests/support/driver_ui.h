#pragma once
// A Ui that runs dialogs from a list of scripted steps, paints the preview
// whenever a step asks for it, and answers colour choosers from a list.

#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "model/app.h"
#include "model/settings.h"
#include "platform/clipboard.h"
#include "platform/dialog.h"
#include "platform/recording_dc.h"
#include "platform/script_ui.h"

namespace daub::test {

using Values = std::vector<std::pair<int, std::string>>;

// Runs each dialog through the queued steps and notes where each colour
// chooser started.
class DriverUi : public ScriptUi {
 public:
  DriverUi() : ScriptUi(nullptr) {}
  struct Step {
    Values values;
    int click;
  };

  int run_dialog(const DialogTemplate& tmpl, DialogProc& proc) override {
    DialogState state(tmpl);
    proc.init(state);
    for (const ControlTemplate& c : tmpl.controls) shown[c.id] = state.text(c.id);
    while (!state.ended() && !steps.empty()) {
      Step step = steps.front();
      steps.pop_front();
      for (const auto& [id, value] : step.values) {
        const ControlTemplate* c = tmpl.control(id);
        if (c && (c->kind == ControlKind::kRadio || c->kind == ControlKind::kCheck))
          state.set_checked(id, value == "on");
        else
          state.set_text(id, value);
      }
      proc.command(state, step.click);
      if (state.take_preview_request()) {
        preview.clear();
        proc.paint(state, preview);
      }
    }
    for (const ControlTemplate& c : tmpl.controls) last_shown[c.id] = state.text(c.id);
    return state.ended() ? state.result() : 0;
  }

  std::optional<Colorref> choose_color(Colorref initial) override {
    chooser_starts.push_back(initial);
    if (colors.empty()) return std::nullopt;
    const Colorref c = colors.front();
    return colors.pop_front(), c;
  }

  std::deque<Step> steps;
  std::deque<Colorref> colors;
  std::vector<Colorref> chooser_starts;
  std::map<int, std::string> shown;       // the controls' texts when the last dialog opened
  std::map<int, std::string> last_shown;  // and when it closed
  RecordingDc preview;
};

struct DriverApp {
  DriverUi ui;
  MemoryClipboard clipboard;
  App app{ui, clipboard};
  DriverApp() {
    set_drawing_defaults(app.settings);
    app.settings.scale = 2.0;
    app.settings.view_center_x = 400;
    app.settings.view_center_y = 300;
    app.view.vieworigin_x = 5;
    app.view.vieworigin_y = 7;
  }
};

}  // namespace daub::test
