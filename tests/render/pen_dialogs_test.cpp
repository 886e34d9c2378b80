// The pen and colour dialogs, their previews, and the one-line pen and
// construction inputs, driven through scripted steps.

#include "render/pen_dialogs.h"

#include <gtest/gtest.h>

#include <cstring>
#include <deque>
#include <map>

#include "geometry/angle.h"
#include "platform/recording_dc.h"
#include "resources/dialogs.h"
#include "shell/command_table.h"
#include "support/test_app.h"

namespace daub {
namespace {

using Values = std::vector<std::pair<int, std::string>>;

// Runs dialogs from a list of steps, paints the preview whenever a step asks
// for it, and answers colour choosers from a list, noting where each started.
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
    return state.ended() ? state.result() : 0;
  }

  std::optional<Colorref> choose_color(Colorref initial) override {
    chooser_starts.push_back(initial);
    if (colors.empty()) return std::nullopt;
    Colorref c = colors.front();
    colors.pop_front();
    return c;
  }

  std::deque<Step> steps;
  std::deque<Colorref> colors;
  std::vector<Colorref> chooser_starts;
  std::map<int, std::string> shown;  // the controls' texts when the last dialog opened
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

// The current pen fields, for comparing whole pens at once.
struct PenFields {
  int style, width;
  Colorref color;
  double dot, start;
  int count;
  std::uint32_t bits;
  bool operator==(const PenFields&) const = default;
};

PenFields pen_fields(const Settings& s) {
  return {s.pen_style,    s.pen_width,      s.color,    s.dot_length,
          s.start_length, s.line_bit_count, s.line_bits};
}

std::ostream& operator<<(std::ostream& os, const PenFields& p) {
  return os << "style " << p.style << " width " << p.width << " color " << p.color << " dot "
            << p.dot << " start " << p.start << " bits " << p.count << "/" << p.bits;
}

// The refresh step ran: the current pen record follows the fields.
void expect_refreshed(const Settings& s) {
  EXPECT_EQ(s.line_pen.style, s.pen_style);
  EXPECT_EQ(s.line_pen.width, s.pen_width);
  EXPECT_EQ(s.line_pen.color, s.color);
  EXPECT_EQ(s.line_pen.dot_length, s.dot_length);
  EXPECT_EQ(s.line_pen.bit_count, s.line_bit_count);
  EXPECT_EQ(s.fill.hatch_pen.bits, s.line_bits);
  EXPECT_EQ(s.fill.color, s.color);
}

// At start-up: solid, width 1, black, dot 5, start 0, "10".
const PenFields kStartPen{0, 1, 0, 5.0, 0.0, 2, 1};

TEST(PenInputDialog, StoresWhatTheFieldsSayOnOk) {
  struct Case {
    const char* name;
    std::deque<DriverUi::Step> steps;
    int result;
    PenFields pen;
  } cases[] = {
      {"negative width and dot length read as 0",
       {{{{975, "off"}, {976, "on"}, {967, "-3"}, {969, "-1"}, {971, "2.5"}, {973, "111010"}},
         kIdOk}},
       1,
       {1, 0, 0, 0.0, 2.5, 6, 23}},
      {"width rounded up", {{{{967, "2.5"}}, kIdOk}}, 1, {0, 3, 0, 5.0, 0.0, 2, 1}},
      {"width rounded down", {{{{967, "2.49"}}, kIdOk}}, 1, {0, 2, 0, 5.0, 0.0, 2, 1}},
      {"fields without a number keep the pen",
       {{{{967, "abc"}, {969, ""}, {971, "nan"}}, kIdOk}},
       1,
       kStartPen},
      {"19 line bits keep the pattern",
       {{{{973, std::string(19, '1')}, {969, "7"}}, kIdOk}},
       1,
       {0, 1, 0, 7.0, 0.0, 2, 1}},
      {"an empty pattern is taken", {{{{973, ""}}, kIdOk}}, 1, {0, 1, 0, 5.0, 0.0, 0, 0}},
      {"cancel", {{{{967, "9"}, {976, "on"}, {975, "off"}}, kIdCancel}}, 0, kStartPen},
      // Pattern buttons, and the standard-pen chooser behind 999.
      {"点線", {{{}, 982}, {{}, kIdOk}}, 1, {1, 1, 0, 5.0, 0.0, 2, 1}},
      {"１点鎖線", {{{}, 983}, {{}, kIdOk}}, 1, {1, 1, 0, 5.0, 0.0, 6, 23}},
      {"２点鎖線", {{{}, 996}, {{}, kIdOk}}, 1, {1, 1, 0, 5.0, 0.0, 8, 87}},
      {"standard 長い１点鎖線",
       {{{}, 999}, {{}, 997}, {{}, kIdOk}},
       1,
       {1, 1, 0, 10.0, 0.0, 6, 23}},
      {"standard 長い２点鎖線",
       {{{{969, "3"}}, 999}, {{}, 999}, {{}, kIdOk}},
       1,
       {1, 1, 0, 10.0, 0.0, 8, 87}},
      {"standard cancelled",
       {{{{969, "3"}, {971, "1.5"}, {973, "101"}}, 999}, {{}, kIdCancel}, {{}, kIdOk}},
       1,
       {0, 1, 0, 3.0, 1.5, 3, 5}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    DriverApp d;
    d.ui.steps = c.steps;
    EXPECT_EQ(pen_input_dialog(d.app), c.result);
    EXPECT_EQ(pen_fields(d.app.settings), c.pen);
    expect_refreshed(d.app.settings);
    EXPECT_TRUE(d.ui.steps.empty());
  }
}

TEST(PenInputDialog, ShowsTheCurrentPen) {
  DriverApp d;
  d.app.settings.pen_width = 12;
  d.app.settings.dot_length = 2.5;
  d.app.settings.start_length = -1.25;
  d.app.settings.line_bit_count = 6;
  d.app.settings.line_bits = 23;
  pen_input_dialog(d.app);
  EXPECT_EQ(d.ui.shown[967], " 12.0");
  EXPECT_EQ(d.ui.shown[969], "2.50");
  EXPECT_EQ(d.ui.shown[971], "-1.25");
  EXPECT_EQ(d.ui.shown[973], "111010");
}

TEST(PenInputDialog, PreviewDrawsTheEnteredPenAtOnePixelPerUnit) {
  struct Case {
    const char* name;
    Values values;
    std::size_t pieces;
    DcPen pen;
  } cases[] = {
      {"solid, width rounded", {{967, "3.4"}}, 1, {kPenSolid, 3, 0}},
      // Cut every 5 from 10 to 110, and at B once more.
      {"dotted, width 0 shows one pixel",
       {{975, "off"}, {976, "on"}, {967, "0"}, {969, "5"}, {973, "10"}},
       11,
       {kPenDash, 1, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    DriverApp d;
    d.app.settings.color = 0x123456;
    const Settings before = d.app.settings;
    d.ui.steps = {{c.values, 981}, {{}, kIdCancel}};
    EXPECT_EQ(pen_input_dialog(d.app), 0);

    auto segments = d.ui.preview.segments();
    ASSERT_EQ(segments.size(), c.pieces);
    EXPECT_EQ(segments.front().first, (IntPoint{10, 220}));
    EXPECT_EQ(segments.back().second, (IntPoint{110, 220}));
    EXPECT_EQ(d.ui.preview.ops().front().pen, c.pen);
    const DcOp& swatch = d.ui.preview.ops().back();
    EXPECT_EQ(swatch.kind, DcOp::kFillRect);
    EXPECT_EQ(swatch.points, (std::vector<IntPoint>{{460, 250}, {560, 280}}));
    EXPECT_EQ(swatch.color, 0x123456u);
    // The view is back as it was, and nothing was stored.
    EXPECT_EQ(std::memcmp(&before, &d.app.settings, sizeof(Settings)), 0);
    EXPECT_EQ(d.app.view.vieworigin_x, 5);
    EXPECT_EQ(d.app.view.vieworigin_y, 7);
  }
}

TEST(ColourChoosers, StartFromTheLastColourChosenAnywhere) {
  DriverApp d;
  d.ui.colors = {0x0000FF, 0x00FF00};
  d.ui.steps = {{{}, 1024}, {{}, kIdOk}};
  pen_input_dialog(d.app);
  EXPECT_EQ(d.app.settings.color, 0x0000FFu);
  expect_refreshed(d.app.settings);
  d.ui.steps = {{{}, 982}, {{}, kIdOk}};
  color_input_dialog(d.app);
  // The third chooser is cancelled: the colour and the memory stay.
  d.ui.steps = {{{}, 1024}, {{}, kIdOk}};
  pen_input_dialog(d.app);
  EXPECT_EQ(d.ui.chooser_starts, (std::vector<Colorref>{0xFFFFFF, 0x0000FF, 0x00FF00}));
  EXPECT_EQ(d.app.last_chosen_color, 0x00FF00u);
  EXPECT_EQ(d.app.settings.color, 0x00FF00u);
}

TEST(ColorInputDialog, ShowsTheChannelsAndStoresThemClamped) {
  struct Case {
    const char* name;
    Values values;
    Colorref color;
  } cases[] = {
      {"as shown", {}, 0x123456},
      {"clamped", {{967, "300"}, {969, "-5"}, {971, "128"}}, 0x8000FF},
      {"a field without a number keeps its channel", {{967, "x"}, {969, ""}, {971, "0"}}, 0x003456},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    DriverApp d;
    d.app.settings.color = 0x123456;
    d.ui.steps = {{c.values, kIdOk}};
    EXPECT_EQ(color_input_dialog(d.app), 1);
    EXPECT_EQ(d.ui.shown[967], "86");
    EXPECT_EQ(d.ui.shown[969], "52");
    EXPECT_EQ(d.ui.shown[971], "18");
    EXPECT_EQ(d.app.settings.color, c.color);
    expect_refreshed(d.app.settings);
  }
}

TEST(ColorInputDialog, ChooserFillsTheFieldsAndTestShowsTheSwatch) {
  DriverApp d;
  d.ui.colors = {0x804020};
  d.ui.steps = {{{}, 982}, {{{969, "999"}}, 981}, {{}, kIdCancel}};
  EXPECT_EQ(color_input_dialog(d.app), 0);
  ASSERT_EQ(d.ui.preview.ops().size(), 1u);
  const DcOp& swatch = d.ui.preview.ops()[0];
  EXPECT_EQ(swatch.points, (std::vector<IntPoint>{{50, 170}, {150, 240}}));
  EXPECT_EQ(swatch.color, 0x80FF20u);   // green clamped to 255
  EXPECT_EQ(d.app.settings.color, 0u);  // cancelled
}

TEST(NowDotParamDlg, ReadsDotLengthStartLengthAndLineBits) {
  struct Case {
    std::string input;
    int result;
    double dot, start;
    int count;
    std::uint32_t bits;
    std::string message;
  } cases[] = {
      {"2.5,1.25,111010", 1, 2.5, 1.25, 6, 23, ""},
      {"0.0005,1,111010", 0, 5.0, 0.0, 2, 1, "nowdotparamdlg\tドット長が小さすぎます"},
      {"0.001,0,1", 1, 0.001, 0.0, 1, 1, ""},
      {"2.5,1.25", 0, 5.0, 0.0, 2, 1, ""},
      {"2.5,1.25," + std::string(19, '1'), 1, 2.5, 1.25, 2, 1, ""},  // the bits stay
      {"2.5,1.25," + std::string(119, '1'), 0, 5.0, 0.0, 2, 1, ""},  // 128 characters
      {"nan,0,10", 0, 5.0, 0.0, 2, 1, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.input.substr(0, 20));
    test::TestApp t;
    t.answer(ScriptAnswer::kInput, c.input);
    EXPECT_EQ(nowdotparamdlg(t.app), c.result);
    const Settings& s = t.app.settings;
    EXPECT_EQ(pen_fields(s), (PenFields{0, 1, 0, c.dot, c.start, c.count, c.bits}));
    expect_refreshed(s);
    EXPECT_EQ(t.last_message(), c.message);
  }
}

// The one-line inputs behind the command ids, each ending without a repaint.
TEST(PenCommands, OneLineInputs) {
  struct Case {
    int id;
    const char* prompt;
    const char* shown;
    const char* input;
    bool changed;
  } cases[] = {
      {436, "ドット長，スタート長，ラインビット", "5.000000,0.000000,10", "", false},
      {264, "0=実線　　1=点線", "0", "1", true},
      {264, "0=実線　　1=点線", "0", "x", false},
      {265, "Data Input", "1", "4", true},
      {608, "注目距離入力", "10.000000", "25.5", true},
      {608, "注目距離入力", "10.000000", "inf", false},
      {628, "円弧分割角入力", "10.000000", "15", true},
      {628, "円弧分割角入力", "10.000000", "0", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.id << " " << c.input);
    DriverApp d;
    d.ui.steps = {{{{292, c.input}}, kIdOk}, {{}, kIdCancel}};
    const Settings before = d.app.settings;
    const Construction construction = d.app.construction;
    MenuCommand(d.app, static_cast<std::uint32_t>(c.id), 0);
    EXPECT_EQ(d.ui.shown[589], c.prompt);
    EXPECT_EQ(d.ui.shown[292], c.shown);
    EXPECT_EQ(d.ui.repaint_count(), 0);
    EXPECT_EQ(d.app.input.label, "Data Input");
    const Settings& s = d.app.settings;
    EXPECT_EQ(s.pen_style, c.id == 264 && c.changed ? 1 : before.pen_style);
    EXPECT_EQ(s.line_pen.style, s.pen_style);
    EXPECT_EQ(s.pen_width, c.id == 265 && c.changed ? 4 : before.pen_width);
    EXPECT_EQ(s.line_pen.width, s.pen_width);
    EXPECT_EQ(d.app.construction.distance, c.id == 608 && c.changed ? 25.5 : construction.distance);
    EXPECT_EQ(d.app.construction.arc_angle,
              c.id == 628 && c.changed ? 15 * kPi / 180.0 : construction.arc_angle);
  }
}

TEST(PenCommands, DialogsOpenWithoutARepaint) {
  struct Case {
    int id;
    const char* title;
  } cases[] = {{262, "ペンデータ入力"}, {278, "色入力"}, {436, "データ入力"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.id);
    test::TestApp t;
    ScriptAnswer cancel;
    cancel.kind = ScriptAnswer::kCancel;
    cancel.source = "cancel";
    t.ui.queue(cancel);
    MenuCommand(t.app, static_cast<std::uint32_t>(c.id), 0);
    EXPECT_EQ(t.log_lines(),
              std::vector<std::string>{std::string("dialog\t") + c.title + "\tcancel"});
    EXPECT_EQ(t.ui.repaint_count(), 0);
  }
}

}  // namespace
}  // namespace daub
