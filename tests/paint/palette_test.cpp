#include "paint/palette.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "model/app.h"
#include "platform/clipboard.h"
#include "platform/dialog.h"
#include "platform/script_ui.h"
#include "shell/startup.h"

namespace daub {
namespace {

constexpr int kColorButton = 1101;

// A host like the window's that notes the radio buttons each dialog opened with.
class HostUi : public ScriptUi {
 public:
  using ScriptUi::ScriptUi;

  int run_dialog(const DialogTemplate& tmpl, DialogProc& proc) override {
    Watch watch(*this, proc);
    return ScriptUi::run_dialog(tmpl, watch);
  }

  std::map<std::string, std::vector<int>> opening_marks;  // by dialog name, last opening
  std::map<std::string, bool> opening_preview;            // whether it asked for its preview

 private:
  class Watch : public DialogProc {
   public:
    Watch(HostUi& host, DialogProc& inner) : host_(host), inner_(inner) {}
    void init(DialogState& state) override {
      inner_.init(state);
      std::vector<int>& marks = host_.opening_marks[state.dialog_template().name];
      marks.clear();
      for (const ControlTemplate& c : state.dialog_template().controls)
        if (c.kind == ControlKind::kRadio && state.checked(c.id)) marks.push_back(c.id);
      host_.opening_preview[state.dialog_template().name] = state.take_preview_request();
    }
    void command(DialogState& state, int id) override { inner_.command(state, id); }
    void paint(DialogState& state, Dc& dc) override { inner_.paint(state, dc); }

   private:
    HostUi& host_;
    DialogProc& inner_;
  };
};

struct PaletteApp {
  PaletteApp() {
    FileInit(app);
    log.str("");
  }

  void answer(ScriptAnswer::Kind kind, int id, Colorref color, std::string source) {
    ScriptAnswer a;
    a.kind = kind, a.click = id, a.color = color, a.source = std::move(source);
    ui.queue(a);
  }
  void click(int id) { answer(ScriptAnswer::kDialog, id, 0, "click " + std::to_string(id)); }
  void choose(Colorref color) { answer(ScriptAnswer::kColor, 0, color, "color"); }
  void cancel() { answer(ScriptAnswer::kCancel, 0, 0, "cancel"); }

  std::ostringstream log;
  HostUi ui{&log};
  MemoryClipboard clipboard;
  App app{ui, clipboard};
};

// Each group marks one button, chosen by strict thresholds; a mouse command
// the palette does not offer marks none.
TEST(Palette, OpeningMarksOneButtonPerGroup) {
  struct Case {
    const char* what;
    void (*set)(App&);
    int first, last, marked;
  };
  const Case cases[] = {
      {"width 1.5 is not below 1.5", [](App& a) { a.brush.width = 1.5; }, 1072, 1076, 1073},
      {"width not a number", [](App& a) { a.brush.width = std::nan(""); }, 1072, 1076, 1076},
      {"blur 0.2", [](App& a) { a.brush.blur = 0.2; }, 1077, 1081, 1077},
      {"blur 0.25", [](App& a) { a.brush.blur = 0.25; }, 1077, 1081, 1078},
      {"density 0.374", [](App& a) { a.brush.density = 0.374; }, 1082, 1085, 1082},
      {"density 0.375", [](App& a) { a.brush.density = 0.375; }, 1082, 1085, 1083},
      {"scale 0.6", [](App& a) { a.settings.scale = 0.6; }, 1086, 1090, 1089},
      {"scale 1.6", [](App& a) { a.settings.scale = 1.6; }, 1086, 1090, 1086},
      {"mouse 651", [](App& a) { a.in.mousecmd = 651; }, 1091, 1097, 1097},
      {"mouse 1115", [](App& a) { a.in.mousecmd = 1115; }, 1091, 1097, 0},
      {"mouse 888", [](App& a) { a.in.mousecmd = 888; }, 1091, 1097, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    PaletteApp p;
    c.set(p.app);
    open_palette(p.app);
    std::vector<int> in_group;
    for (int id : p.ui.opening_marks["DAUBERYDLG"])
      if (id >= c.first && id <= c.last) in_group.push_back(id);
    EXPECT_EQ(in_group, c.marked == 0 ? std::vector<int>{} : std::vector<int>{c.marked});
    EXPECT_TRUE(p.ui.opening_preview["DAUBERYDLG"]);  // the sample, drawn at once
  }
}

// Cancel puts back every change, and so does closing without any button;
// cancelling the colour chooser keeps the colour (palette.script pins what
// OK keeps).
TEST(Palette, CancelPutsBackWhatChanged) {
  PaletteApp p;
  p.app.brush.end_type = 1;  // not the palette's to change
  const int repaints = p.ui.repaint_count();
  const Settings before = p.app.settings;
  const BrushParams brush = p.app.brush;
  for (int id : {1075, 1078, 1082, kColorButton}) p.click(id);  // width, blur, density
  p.choose(0x0000FF);
  for (int id : {1087, 1092, kIdCancel}) p.click(id);  // scale, a white canvas
  open_palette(p.app);
  EXPECT_EQ(std::memcmp(&p.app.settings, &before, sizeof before), 0);
  EXPECT_EQ(std::memcmp(&p.app.brush, &brush, sizeof brush), 0);
  // Nothing left queued, the result, the mouse command, no repaint.
  EXPECT_EQ(
      std::tuple(p.ui.queued(), p.app.palette_result, p.app.in.mousecmd, p.ui.repaint_count()),
      std::tuple(std::size_t{0}, kPaletteCancel, 1062, repaints));

  p.app.palette_result = kPaletteEraseCanvas;
  p.click(1076);
  open_palette(p.app);  // nothing more queued: the host closes it
  EXPECT_EQ(std::tuple(p.app.brush.width, p.app.palette_result), std::tuple(3.0, kPaletteCancel));
  EXPECT_FALSE(p.app.canvases.slots[0].image.empty());

  p.click(kColorButton);
  p.cancel();
  p.click(kIdOk);
  open_palette(p.app);
  EXPECT_EQ(std::tuple(p.app.settings.color, p.app.palette_result),
            std::tuple(before.color, kPaletteOk));
  const std::string log = p.log.str();  // the last colour chooser was cancelled
  EXPECT_EQ(log.substr(log.rfind("dialog\tcolor\t"), 20), "dialog\tcolor\tcancel\n");
}

}  // namespace
}  // namespace daub
