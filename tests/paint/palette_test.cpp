#include "paint/palette.h"

#include <gtest/gtest.h>

#include <cmath>
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
  PaletteApp() { FileInit(app); }
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

}  // namespace
}  // namespace daub
