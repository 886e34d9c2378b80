#include "paint/palette.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "help/help_texts.h"
#include "model/app.h"
#include "model/settings.h"
#include "paint/canvas.h"
#include "paint/photo_pen.h"
#include "platform/dialog.h"
#include "render/view.h"
#include "resources/dialogs.h"

namespace daub {
namespace {

constexpr int kTest = 1100;
constexpr int kColor = 1101;
constexpr int kInOut = 1102;
constexpr int kHelp = 1108;
constexpr int kFirstMouseButton = 1091;
constexpr int kLastMouseButton = 1097;
constexpr int kFirstChooserButton = 1100;  // the first action of either chooser

// What a dialog of the palette family ends with when one of its own buttons
// closed it; a host that closes it without one (no answer) gives 0.
constexpr int kClosedByButton = 1;

// The colour chooser starts from white, not from the current colour.
constexpr Colorref kChooserStart = 0xFFFFFF;

// Where the sample lies in the palette's client area.
constexpr int kSampleX = 60;
constexpr int kSampleY = 180;

// One radio button of a value group: the value a click sets, and the bound
// below which opening marks it. The buttons are tried in order and the last
// takes every value the others refused (not-a-number included).
struct ValueChoice {
  int id;
  double value;
  double below;
};

constexpr ValueChoice kWidths[] = {
    {1072, 1.0, 1.5}, {1073, 3.0, 5.0}, {1074, 7.0, 13.5}, {1075, 20.0, 40.0}, {1076, 60.0, 0},
};
constexpr ValueChoice kBlurs[] = {
    {1077, 0.0, 0.25}, {1078, 0.5, 0.75}, {1079, 1.0, 1.25}, {1080, 1.5, 1.75}, {1081, 2.0, 0},
};
constexpr ValueChoice kDensities[] = {
    {1082, 0.25, 0.375},
    {1083, 0.5, 0.625},
    {1084, 0.75, 0.875},
    {1085, 1.0, 0},
};
// From the smallest scale up; the button labelled "1.4" sets 1.41.
constexpr ValueChoice kScales[] = {
    {1090, 0.5, 0.6}, {1089, 0.7, 0.85}, {1088, 1.0, 1.25}, {1087, 1.41, 1.6}, {1086, 2.0, 0},
};

double& brush_width(App& app) { return app.brush.width; }
double& brush_blur(App& app) { return app.brush.blur; }
double& brush_density(App& app) { return app.brush.density; }
double& view_scale(App& app) { return app.settings.scale; }

struct ValueGroup {
  double& (*field)(App& app);  // the live value
  bool redraw_sample;          // whether the sample shows the value
  std::span<const ValueChoice> choices;
};

constexpr ValueGroup kValueGroups[] = {
    {brush_width, true, kWidths},
    {brush_blur, true, kBlurs},
    {brush_density, true, kDensities},
    {view_scale, false, kScales},
};

// A mouse command button: the command a click sets, and the command for
// which opening marks it. "全体の移動" sets the palette's own whole-view move
// (1115) but is marked for the reading drag move (600), so after choosing it
// the palette reopens with no mouse command marked.
struct MouseChoice {
  int id;
  std::uint16_t sets;
  std::uint16_t marked_for;
};

constexpr MouseChoice kMouseChoices[] = {
    {1091, 1062, 1062}, {1092, 904, 904},  {1093, 887, 887}, {1094, 1113, 1113},
    {1095, 1114, 1114}, {1096, 1115, 600}, {1097, 651, 651},
};

// The buttons that close the palette, with the code each leaves.
struct ClosingButton {
  int id;
  int code;
};

constexpr ClosingButton kClosingButtons[] = {
    {kIdOk, kPaletteOk},          {kIdCancel, kPaletteCancel}, {1103, kPalettePrint},
    {1104, kPaletteViewHome},     {1105, kPaletteCanvasHome},  {1106, kPaletteUndo},
    {1107, kPaletteStandardView}, {1109, kPaletteEraseCanvas},
};

// The codes whose action is a command of the command table.
struct SentCommand {
  int code;
  int command;
};

constexpr SentCommand kSentCommands[] = {
    {kPaletteFileIn, 1120},      {kPaletteFileOut, 672},     {kPaletteClipboardIn, 1121},
    {kPaletteClipboardOut, 649}, {kPalettePrint, 1119},      {kPaletteUndo, 674},
    {kPaletteStandardView, 903}, {kPaletteEraseCanvas, 653},
};

int marked_button(const ValueGroup& group, double value) {
  const std::span<const ValueChoice> c = group.choices;
  for (std::size_t i = 0; i + 1 < c.size(); ++i)
    if (value < c[i].below) return c[i].id;
  return c.back().id;
}

// Marks `id` and clears the rest of its group.
void mark(DialogState& state, const ValueGroup& group, int id) {
  const int a = group.choices.front().id, b = group.choices.back().id;
  state.check_radio(std::min(a, b), std::max(a, b), id);
}

// What the palette puts back when it is cancelled.
struct PaletteSnapshot {
  std::uint16_t mousecmd = 0;
  Settings settings;
  double width = 0, blur = 0, density = 0;
};

PaletteSnapshot take_snapshot(const App& app) {
  return {app.in.mousecmd, app.settings, app.brush.width, app.brush.blur, app.brush.density};
}

void restore_snapshot(App& app, const PaletteSnapshot& s) {
  app.in.mousecmd = s.mousecmd;
  app.settings = s.settings;
  app.brush.width = s.width;
  app.brush.blur = s.blur;
  app.brush.density = s.density;
}

class PaletteProc : public DialogProc {
 public:
  explicit PaletteProc(App& app) : app_(app) {}

  void init(DialogState& state) override {
    for (const ValueGroup& g : kValueGroups) mark(state, g, marked_button(g, g.field(app_)));
    for (const MouseChoice& m : kMouseChoices)
      if (m.marked_for == app_.in.mousecmd)
        state.check_radio(kFirstMouseButton, kLastMouseButton, m.id);
    // The sample shows the brush from the start, not only after TEST.
    state.request_preview();
  }

  void command(DialogState& state, int id) override {
    if (pick_value(state, id) || pick_mouse_command(state, id) || close_with_code(state, id))
      return;
    switch (id) {
      case kTest:
        state.request_preview();
        break;
      case kColor:
        choose_colour(state);
        break;
      case kInOut:
        if (palette_io_chooser(app_) == 1) state.end(kClosedByButton);
        break;
      case kHelp:
        palette_help_chooser(app_);
        break;
      default:
        break;
    }
  }

  void paint(DialogState&, Dc& dc) override { draw_palette_sample(app_, dc); }

 private:
  bool pick_value(DialogState& state, int id) {
    for (const ValueGroup& g : kValueGroups) {
      for (const ValueChoice& c : g.choices) {
        if (c.id != id) continue;
        g.field(app_) = c.value;
        mark(state, g, id);
        if (g.redraw_sample) state.request_preview();
        return true;
      }
    }
    return false;
  }

  bool pick_mouse_command(DialogState& state, int id) {
    for (const MouseChoice& m : kMouseChoices) {
      if (m.id != id) continue;
      app_.in.mousecmd = m.sets;
      state.check_radio(kFirstMouseButton, kLastMouseButton, id);
      return true;
    }
    return false;
  }

  bool close_with_code(DialogState& state, int id) {
    for (const ClosingButton& b : kClosingButtons) {
      if (b.id != id) continue;
      app_.palette_result = b.code;
      state.end(kClosedByButton);
      return true;
    }
    return false;
  }

  void choose_colour(DialogState& state) {
    std::optional<Colorref> chosen = app_.ui.choose_color(kChooserStart);
    if (!chosen) return;
    app_.last_chosen_color = *chosen;  // where the other choosers start next
    app_.settings.color = *chosen;
    refresh_pens(app_.settings);
    state.request_preview();
  }

  App& app_;
};

class IoChooserProc : public DialogProc {
 public:
  explicit IoChooserProc(App& app) : app_(app) {}
  void init(DialogState&) override {}
  void command(DialogState& state, int id) override {
    const int action = id - kFirstChooserButton;
    if (action >= 0 && action < 4) {
      app_.palette_result = kPaletteFileIn + action;
      state.end(kClosedByButton);
    } else if (id == kIdCancel) {
      state.end(0);
    }
  }

 private:
  App& app_;
};

class HelpChooserProc : public DialogProc {
 public:
  explicit HelpChooserProc(App& app) : app_(app) {}
  void init(DialogState&) override {}
  void command(DialogState& state, int id) override {
    const int topic = id - kFirstChooserButton;
    if (topic >= 0 && topic < kPaletteHelpTopics)
      message(app_.ui, std::string(kHelpCaption), std::string(palette_help_text(topic)));
    else if (id == kIdCancel)
      state.end(0);
  }

 private:
  App& app_;
};

// Acts on the codes the palette can act on itself; returns the command id a
// code asks the main window to run, 0 for none.
int act_on_result(App& app, int code, const PaletteSnapshot& before) {
  switch (code) {
    case kPaletteOk:
      repaint(app);
      return 0;
    case kPaletteCancel:
      restore_snapshot(app, before);
      return 0;
    case kPaletteViewHome:
      show_at_top_left(app, 0, 0);
      setdispmode(app, 1);
      return 0;
    case kPaletteCanvasHome:
      place_canvas(app, 1, 0.0, 0.0);
      setdispmode(app, 1);
      return 0;
    default:
      for (const SentCommand& s : kSentCommands)
        if (s.code == code) return s.command;
      return 0;
  }
}

}  // namespace

int open_palette(App& app) {
  const PaletteSnapshot before = take_snapshot(app);
  PaletteProc proc(app);
  // Closed without any of its buttons (a script with no answer left): cancelled.
  if (app.ui.run_dialog(dauberydlg_template(), proc) != kClosedByButton)
    app.palette_result = kPaletteCancel;
  return act_on_result(app, app.palette_result, before);
}

int palette_io_chooser(App& app) {
  IoChooserProc proc(app);
  return app.ui.run_dialog(dbryiodlg_template(), proc) == kClosedByButton ? 1 : 0;
}

void palette_help_chooser(App& app) {
  HelpChooserProc proc(app);
  app.ui.run_dialog(dbryhelpdlg_template(), proc);
}

int draw_palette_sample(App& app, Dc& dc) {
  return draw_brush_sample(app, dc, kSampleX, kSampleY, app.brush, app.settings.color);
}

}  // namespace daub
