#include "paint/palette.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <map>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "platform/clipboard.h"
#include "platform/dialog.h"
#include "platform/recording_dc.h"
#include "platform/script_ui.h"
#include "resources/dialogs.h"
#include "shell/app.h"
#include "shell/command_table.h"
#include "shell/startup.h"

namespace daub {
namespace {

constexpr int kTest = 1100;
constexpr int kColorButton = 1101;
constexpr int kInOut = 1102;

// A host like the window's: it draws the preview into `preview` whenever a
// dialog asks for it, and notes the radio buttons each dialog opened with.
class HostUi : public ScriptUi {
 public:
  using ScriptUi::ScriptUi;

  int run_dialog(const DialogTemplate& tmpl, DialogProc& proc) override {
    Watch watch(*this, proc);
    return ScriptUi::run_dialog(tmpl, watch);
  }

  std::map<std::string, std::vector<int>> opening_marks;  // by dialog name, last opening
  RecordingDc preview;

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
    }
    void command(DialogState& state, int id) override {
      inner_.command(state, id);
      if (state.take_preview_request()) inner_.paint(state, host_.preview);
    }
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

  // The log's lines that start with `prefix`.
  std::vector<std::string> lines(const std::string& prefix = "") const {
    std::vector<std::string> out;
    std::istringstream in(log.str());
    for (std::string l; std::getline(in, l);)
      if (l.rfind(prefix, 0) == 0) out.push_back(l);
    return out;
  }
  std::vector<int> marks() { return ui.opening_marks["DAUBERYDLG"]; }

  std::ostringstream log;
  HostUi ui{&log};
  MemoryClipboard clipboard;
  App app{ui, clipboard};
};

// The one marked button among the ids [first, last], 0 for none, -1 for more.
int marked_in(const std::vector<int>& marks, int first, int last) {
  int found = 0;
  for (int id : marks) {
    if (id < first || id > last) continue;
    found = found == 0 ? id : -1;
  }
  return found;
}

// Radio buttons that follow each other form one group in the window, so
// each group must be one unbroken run after its labelled box.
TEST(PaletteTemplates, RadioGroupsFollowTheirBoxesAndThePreviewHoldsTheSample) {
  const std::vector<ControlTemplate>& cs = dauberydlg_template().controls;
  const std::tuple<std::string, int, int> groups[] = {{"線幅", 1072, 5},
                                                      {"ぼかし率", 1077, 5},
                                                      {"濃さ", 1082, 4},
                                                      {"画面縮尺", 1086, 5},
                                                      {"マウス指令", 1091, 7}};
  for (const auto& [label, first, count] : groups) {
    SCOPED_TRACE(label);
    auto box = std::find_if(cs.begin(), cs.end(), [&](const ControlTemplate& c) {
      return c.kind == ControlKind::kGroup && c.label == label;
    });
    ASSERT_LT(box + count, cs.end());
    for (int k = 1; k <= count; ++k) {
      EXPECT_EQ(box[k].id, first + k - 1);
      EXPECT_EQ(box[k].kind, ControlKind::kRadio);
    }
    EXPECT_TRUE(box + count + 1 == cs.end() || box[count + 1].kind != ControlKind::kRadio);
  }
  auto preview = std::find_if(cs.begin(), cs.end(), [](const ControlTemplate& c) {
    return c.kind == ControlKind::kPreview;
  });
  ASSERT_NE(preview, cs.end());  // it holds the 150 × 80 sample drawn at (60, 180)
  EXPECT_TRUE(preview->x <= 60 && preview->y <= 180 && preview->x + preview->width >= 210 &&
              preview->y + preview->height >= 260);
}

TEST(Palette, OpeningMarksOneButtonPerGroupByStrictThresholds) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  struct Case {
    const char* what;
    double* (*field)(App&);
    double value;
    int first, last, marked;
  };
  auto width = [](App& a) { return &a.brush.width; };
  auto blur = [](App& a) { return &a.brush.blur; };
  auto density = [](App& a) { return &a.brush.density; };
  auto scale = [](App& a) { return &a.settings.scale; };
  const Case cases[] = {
      {"width 0", width, 0.0, 1072, 1076, 1072},
      {"width 1.5 is not below 1.5", width, 1.5, 1072, 1076, 1073},
      {"width 13.4", width, 13.4, 1072, 1076, 1074},
      {"width not a number", width, nan, 1072, 1076, 1076},
      {"blur 0.2", blur, 0.2, 1077, 1081, 1077},
      {"blur 0.25", blur, 0.25, 1077, 1081, 1078},
      {"blur 2.0", blur, 2.0, 1077, 1081, 1081},
      {"density 0.374", density, 0.374, 1082, 1085, 1082},
      {"density 0.375", density, 0.375, 1082, 1085, 1083},
      {"scale 0.5", scale, 0.5, 1086, 1090, 1090},
      {"scale 0.6", scale, 0.6, 1086, 1090, 1089},
      {"scale 1.41", scale, 1.41, 1086, 1090, 1087},
      {"scale 1.6", scale, 1.6, 1086, 1090, 1086},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    PaletteApp p;
    *c.field(p.app) = c.value;
    open_palette(p.app);
    EXPECT_EQ(marked_in(p.marks(), c.first, c.last), c.marked);
  }
}

TEST(Palette, OpeningMarksTheMouseCommandOnlyForItsOwnValues) {
  const std::pair<int, int> cases[] = {
      {1062, 1091}, {904, 1092}, {887, 1093}, {1113, 1094}, {1114, 1095},
      {600, 1096},  {651, 1097}, {1115, 0},   {0, 0},       {888, 0},
  };
  for (const auto& [mousecmd, marked] : cases) {
    SCOPED_TRACE(mousecmd);
    PaletteApp p;
    p.app.in.mousecmd = static_cast<std::uint16_t>(mousecmd);
    open_palette(p.app);
    EXPECT_EQ(marked_in(p.marks(), 1091, 1097), marked);
  }
}

TEST(Palette, EveryButtonOfAGroupSetsItsValueAtOnce) {
  struct Case {
    int id;
    double value;
    double (*live)(const App&);
  };
  auto width = [](const App& a) { return a.brush.width; };
  auto blur = [](const App& a) { return a.brush.blur; };
  auto density = [](const App& a) { return a.brush.density; };
  auto scale = [](const App& a) { return a.settings.scale; };
  auto mouse = [](const App& a) { return static_cast<double>(a.in.mousecmd); };
  const Case cases[] = {
      {1072, 1, width},      {1073, 3, width},   {1074, 7, width},      {1075, 20, width},
      {1076, 60, width},     {1077, 0, blur},    {1078, 0.5, blur},     {1079, 1, blur},
      {1080, 1.5, blur},     {1081, 2, blur},    {1082, 0.25, density}, {1083, 0.5, density},
      {1084, 0.75, density}, {1085, 1, density}, {1086, 2.0, scale},    {1087, 1.41, scale},
      {1088, 1.0, scale},    {1089, 0.7, scale}, {1090, 0.5, scale},    {1091, 1062, mouse},
      {1092, 904, mouse},    {1093, 887, mouse}, {1094, 1113, mouse},   {1095, 1114, mouse},
      {1096, 1115, mouse},   {1097, 651, mouse},
  };
  PaletteApp p;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.id);
    p.click(c.id);
    p.click(kIdOk);
    open_palette(p.app);
    EXPECT_EQ(c.live(p.app), c.value);
    // The value a button sets marks that button when the palette reopens
    // (all but "全体の移動", whose command the palette does not mark).
    p.click(kIdCancel);
    open_palette(p.app);
    const std::vector<int> marks = p.marks();
    const bool marked = std::find(marks.begin(), marks.end(), c.id) != marks.end();
    EXPECT_EQ(marked, c.id != 1096);
  }
}

TEST(Palette, CancelPutsBackWhatChangedAndOkKeepsIt) {
  const Colorref red = 0x0000FF;
  for (bool ok : {false, true}) {
    SCOPED_TRACE(ok ? "OK" : "cancel");
    PaletteApp p;
    p.app.brush.end_type = 1;
    const int repaints = p.ui.repaint_count();
    const Settings before = p.app.settings;
    const BrushParams brush = p.app.brush;  // end_type 1 is not the palette's to change
    p.click(1075);                          // width 20
    p.click(1078);                          // blur 0.5
    p.click(1082);                          // density 0.25
    p.click(kColorButton);
    p.choose(red);
    p.click(1087);  // scale 1.41
    p.click(1092);  // make a white canvas
    p.click(ok ? kIdOk : kIdCancel);
    open_palette(p.app);
    EXPECT_EQ(p.ui.queued(), 0u);
    EXPECT_EQ(p.app.palette_result, ok ? kPaletteOk : kPaletteCancel);
    if (ok) {
      EXPECT_EQ(p.app.brush.width, 20.0);
      EXPECT_EQ(p.app.brush.blur, 0.5);
      EXPECT_EQ(p.app.brush.density, 0.25);
      EXPECT_EQ(p.app.settings.color, red);
      EXPECT_EQ(p.app.settings.line_pen.color, red);  // the pens follow the colour
      EXPECT_EQ(p.app.settings.fill.color, red);
      EXPECT_EQ(p.app.last_chosen_color, red);  // the next pen colour chooser starts there
      EXPECT_EQ(p.app.settings.scale, 1.41);
      EXPECT_EQ(p.app.in.mousecmd, 904);
    } else {
      EXPECT_EQ(std::memcmp(&p.app.settings, &before, sizeof before), 0);
      EXPECT_EQ(std::memcmp(&p.app.brush, &brush, sizeof brush), 0);
      EXPECT_EQ(p.app.in.mousecmd, 1062);
    }
    EXPECT_EQ(p.app.brush.end_type, 1);
    EXPECT_EQ(p.ui.repaint_count(), repaints + (ok ? 1 : 0));
    if (ok) {
      EXPECT_EQ(p.app.in.dispmode, 7);
    }
  }
}

TEST(Palette, ClosedWithoutAnyButtonCountsAsCancelled) {
  PaletteApp p;
  p.app.palette_result = kPaletteEraseCanvas;
  p.click(1076);
  open_palette(p.app);  // nothing more queued: the host closes it
  EXPECT_EQ(p.app.brush.width, 3.0);
  EXPECT_EQ(p.app.palette_result, kPaletteCancel);
  EXPECT_FALSE(p.app.canvases.slots[0].image.empty());
}

TEST(Palette, ColourChooserStartsWhiteAndItsCancelChangesNothing) {
  PaletteApp p;
  p.app.settings.color = 0x123456;
  p.click(kColorButton);
  p.cancel();  // the chooser
  p.click(kIdOk);
  open_palette(p.app);
  EXPECT_EQ(p.app.settings.color, 0x123456u);
  EXPECT_EQ(p.app.palette_result, kPaletteOk);
  EXPECT_EQ(p.lines("dialog\tcolor"), std::vector<std::string>{"dialog\tcolor\tcancel"});
}

// The pixel of a drawn picture at (x, y) as a COLORREF.
Colorref pixel(const DcImage& image, int x, int y) {
  const std::uint32_t rgb = image.pixels[static_cast<std::size_t>(y * image.width + x)];
  return ((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16);
}

TEST(Palette, SampleShowsTheBrushAndColourAndLeavesThemAlone) {
  PaletteApp p;
  p.app.brush.blur = 0.0;  // a hard brush: every covered pixel is the colour
  p.click(kTest);
  p.click(1075);  // width 20
  p.click(kColorButton);
  p.choose(0x00FF00);
  p.click(1086);  // a scale: no sample
  p.click(kIdOk);
  open_palette(p.app);
  const auto& ops = p.ui.preview.ops();
  ASSERT_EQ(ops.size(), 3u);  // TEST, the width, the colour
  for (const DcOp& op : ops) {
    ASSERT_EQ(op.kind, DcOp::kDrawImage);
    EXPECT_EQ(op.points[0], (IntPoint{60, 180}));
    EXPECT_EQ((IntPoint{op.image.width, op.image.height}), (IntPoint{150, 80}));
  }
  // The start brush (3 wide, black) and then 20 wide; the line runs at y 40.
  EXPECT_EQ(pixel(ops[0].image, 75, 40), 0x000000u);
  EXPECT_EQ(pixel(ops[0].image, 75, 43), 0xFFFFFFu);
  EXPECT_EQ(pixel(ops[1].image, 75, 48), 0x000000u);
  EXPECT_EQ(pixel(ops[1].image, 75, 52), 0xFFFFFFu);
  EXPECT_EQ(pixel(ops[2].image, 75, 40), 0x00FF00u);
  EXPECT_EQ(pixel(ops[2].image, 145, 40), 0xFFFFFFu);
  EXPECT_EQ(p.app.brush.width, 20.0);  // drawing the sample borrowed nothing it kept
}

TEST(Palette, InputOutputChooserCancelledLeavesThePaletteOpen) {
  PaletteApp p;
  p.click(kInOut);
  p.click(kIdCancel);  // the chooser
  p.click(1074);       // still the palette
  p.click(kIdOk);
  open_palette(p.app);
  EXPECT_EQ(p.app.palette_result, kPaletteOk);
  EXPECT_EQ(p.app.brush.width, 7.0);
  EXPECT_EQ(p.lines("dialog\t"),
            (std::vector<std::string>{"dialog\tDaubery入出力\tclick 2",
                                      "dialog\tDaubery\tclick 1102; click 1074; click 1"}));
  // On its own: cancelled or closed without an answer, it leaves the code.
  p.app.palette_result = kPaletteUndo;
  p.cancel();
  EXPECT_EQ(palette_io_chooser(p.app), 0);
  EXPECT_EQ(palette_io_chooser(p.app), 0);
  EXPECT_EQ(p.app.palette_result, kPaletteUndo);
}

TEST(Palette, CanvasHomeMovesCanvasOneToTheOrigin) {
  PaletteApp p;
  const Dib image = p.app.canvases.slots[0].image;
  p.app.canvases.slots[1].x = 40;
  p.click(1105);
  open_palette(p.app);
  EXPECT_EQ(p.app.canvases.slots[0].x, 0.0);
  EXPECT_EQ(p.app.canvases.slots[0].y, 0.0);
  EXPECT_EQ(p.app.canvases.slots[0].image, image);
  EXPECT_EQ(p.app.canvases.slots[1].x, 40.0);
}

// Every other code runs its command of the command table: the palette's run
// ends exactly as the command sent straight to the table does.
TEST(Palette, ActionCodesRunTheirCommands) {
  struct Case {
    std::vector<int> clicks;
    int code;
    int command;
  };
  const Case cases[] = {
      {{kInOut, 1100}, kPaletteFileIn, 1120},
      {{kInOut, 1101}, kPaletteFileOut, 672},
      {{kInOut, 1102}, kPaletteClipboardIn, 1121},
      {{kInOut, 1103}, kPaletteClipboardOut, 649},
      {{1103}, kPalettePrint, 1119},
      {{1106}, kPaletteUndo, 674},
      {{1107}, kPaletteStandardView, 903},
      {{1109}, kPaletteEraseCanvas, 653},
  };
  auto prepare = [](PaletteApp& p) {
    p.app.in.dispmode = 2;
    p.app.canvases.undo = p.app.canvases.slots[0].image;
    p.app.canvases.undo[60] = 0;  // an undo copy that differs from the canvas
    p.app.canvases.current = 1;
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.command);
    PaletteApp through_palette, direct;
    prepare(through_palette);
    prepare(direct);
    for (int id : c.clicks) through_palette.click(id);
    open_palette(through_palette.app);
    MenuCommand(direct.app, static_cast<std::uint32_t>(c.command), 0);
    EXPECT_EQ(through_palette.app.palette_result, c.code);
    std::vector<std::string> lines = through_palette.lines();
    std::erase_if(lines, [](const std::string& l) {
      return l.rfind("dialog\tDaubery\t", 0) == 0 || l.rfind("dialog\tDaubery入出力\t", 0) == 0;
    });
    EXPECT_EQ(lines, direct.lines());
    EXPECT_EQ(through_palette.app.in.dispmode, direct.app.in.dispmode);
    EXPECT_EQ(through_palette.app.canvases.slots[0].image, direct.app.canvases.slots[0].image);
    EXPECT_EQ(through_palette.ui.repaint_count(), direct.ui.repaint_count());
  }
}

}  // namespace
}  // namespace daub
