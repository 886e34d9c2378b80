#include "render/text_dialogs.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

#include "drawing/texts.h"
#include "geometry/view_transform.h"
#include "model/app.h"
#include "platform/cp932.h"
#include "platform/input_box.h"
#include "platform/printf_text.h"
#include "render/pen_dialogs.h"
#include "render/text_input.h"
#include "render/text_layout.h"
#include "render/text_painters.h"
#include "render/view.h"
#include "resources/dialogs.h"

namespace daub {
namespace {

constexpr int kField = 292;
// The text dialog takes at most this many bytes (a NUL completes 1000), and
// shows a buffer only up to 990.
constexpr std::size_t kTextBoxBytes = 999;
constexpr std::size_t kTextBoxShown = 990;
constexpr std::size_t kFaceBytes = 31;

constexpr char kBadRatio[] = "標準プリント比率は正の数で指定してください";
constexpr char kBadCharsPerLine[] = "一行文字数は1以上で指定してください";
constexpr char kBadMaxChars[] = "最大表示文字数は1以上で指定してください";

// FORMATINPUTBOX controls.
constexpr int kCharsPerLine = 967, kSpacing = 969, kColumns = 971, kStretch = 973;
constexpr int kLineLength = 984, kDirection = 986, kHeight = 992, kWidth = 994, kFace = 1055;
constexpr int kFromLength = 982, kStandardColumns = 983, kFontButton = 996, kTabButton = 998;
constexpr int kColorButton = 997, kTest = 981;
constexpr int kTabIds[10] = {967, 969, 971, 973, 984, 986, 988, 990, 992, 994};

// At most `limit` bytes of code page 932 text, never ending inside a character.
std::string cp932_cut(const std::string& s, std::size_t limit) {
  std::size_t end = 0;
  while (end < s.size()) {
    const std::size_t next = end + static_cast<std::size_t>(char_length(s, end));
    if (next > limit) break;
    end = next;
  }
  return s.substr(0, end);
}

// Line breaks: CR LF in the buffer, "\n" in the dialog.
std::string buffer_to_dialog(const std::string& cp932) {
  std::string out;
  for (char c : cp932_to_utf8(cp932))
    if (c != '\r') out.push_back(c);
  return out;
}

std::string dialog_to_buffer(const std::string& utf8) {
  std::string with_crlf;
  for (char c : utf8) {
    if (c == '\r') continue;
    if (c == '\n') with_crlf.push_back('\r');
    with_crlf.push_back(c);
  }
  return cp932_cut(utf8_to_cp932(with_crlf), kTextBoxBytes);
}

std::string face_of(const LogFont& f) {
  return cp932_to_utf8(std::string(f.face_name, strnlen(f.face_name, sizeof f.face_name)));
}

// Stores a face name typed as UTF-8; false when it does not fit.
bool set_face(LogFont& f, const std::string& utf8) {
  const std::string cp932 = utf8_to_cp932(utf8);
  if (cp932.size() > kFaceBytes) return false;
  std::memset(f.face_name, 0, sizeof f.face_name);
  std::memcpy(f.face_name, cp932.data(), cp932.size());
  return true;
}

bool positive(double v) { return std::isfinite(v) && v > 0; }

void caution(App& app, const char* text) { message(app.ui, "CAUTION", text); }

class TextBoxProc : public DialogProc {
 public:
  explicit TextBoxProc(App& app) : app_(app) {}
  void init(DialogState& state) override {
    const std::string& b = app_.text.buffer;
    const bool shown = !b.empty() && b.size() <= kTextBoxShown;
    state.set_text(kField, shown ? buffer_to_dialog(b) : std::string());
  }
  void command(DialogState& state, int id) override {
    if (id == kIdOk) {
      app_.text.buffer = dialog_to_buffer(state.text(kField));
      state.end(1);
    } else if (id == kIdCancel) {
      state.end(0);
    }
  }

 private:
  App& app_;
};

int read_int(const DialogState& state, int id, int current) {
  int v = current;
  return std::sscanf(state.text(id).c_str(), "%d", &v) == 1 ? v : current;
}

// The check boxes of FORMATPARAMCHANGEBOX and the parts of the text style
// they copy.
struct PartBox {
  int id;
  unsigned parts;
};
constexpr PartBox kTextPartBoxes[] = {
    {1038, kTextFont}, {1039, kTextFormat}, {1040, kTextTabs}, {1041, kTextColor}};

// FORMATINPUTBOX, and FORMATPARAMCHANGEBOX when there is a place for the
// parts its check boxes choose.
class FormatInputProc : public DialogProc {
 public:
  explicit FormatInputProc(App& app, unsigned* parts = nullptr)
      : app_(app), saved_(app.settings), parts_(parts) {}

  void init(DialogState& state) override {
    const Settings& s = app_.settings;
    state.set_text(kCharsPerLine, printf_text("%d", s.chars_per_line));
    state.set_text(kSpacing, printf_text("%4.2lf", s.char_spacing));
    state.set_text(kColumns, printf_text("%5.1lf", s.column_spacing));
    state.set_text(kStretch, printf_text("%4.2lf", 1 - s.max_stretch));
    const double W = with_text_dc(app_, [&](Dc& dc) { return settings_char_width(app_, dc); });
    state.set_text(kLineLength,
                   printf_text("%6.2lf", line_length(s.chars_per_line, W, s.char_spacing)));
    state.set_text(kDirection, printf_text("%d", (3600 - s.font.escapement) / 10));
    show_font(state, s.font);
  }

  void command(DialogState& state, int id) override {
    switch (id) {
      case kIdOk:
        if (!store(state)) return;
        if (parts_ != nullptr) {
          *parts_ = 0;
          for (const PartBox& box : kTextPartBoxes)
            if (state.checked(box.id)) *parts_ |= box.parts;
        }
        state.end(1);
        return;
      case kIdCancel:
        app_.settings = saved_;
        state.end(0);
        return;
      case kFromLength:
        chars_from_length(state);
        return;
      case kStandardColumns:
        state.set_text(
            kColumns,
            printf_text("%5.1lf",
                        std::fabs(static_cast<double>(read_int(state, kHeight, 0))) * 20.0 / 13.0));
        return;
      case kFontButton:
        if (std::optional<LogFont> f = app_.ui.choose_font(entered_font(state)))
          show_font(state, *f);
        return;
      case kTabButton:
        tab_input_dialog(app_);
        return;
      case kColorButton:
        if (std::optional<Colorref> c = pick_color(app_)) app_.settings.color = *c;
        state.request_preview();
        return;
      case kTest:
        state.request_preview();
        return;
      default:
        return;
    }
  }

  // A sample of the entered font and format in its colour, one pixel per
  // world unit, in the preview box.
  void paint(DialogState& state, Dc& dc) override {
    TextRecord sample;
    sample.x = 30;
    sample.y = 330;
    sample.font = entered_font(state);
    sample.font.escapement = 0;
    style_from_settings(app_.settings, sample, kTextFormat | kTextTabs);
    sample.chars_per_line = std::max(read_int(state, kCharsPerLine, 1), 1);
    sample.char_spacing = state.number(kSpacing, app_.settings.char_spacing);
    sample.column_spacing = state.number(kColumns, app_.settings.column_spacing);
    UnitView unit(app_);
    const std::vector<CharCell> cells = textlayout(app_, dc, sample, utf8_to_cp932("文字列 Sample"),
                                                   TextKind::kLetter, LayoutMessage::kSilent);
    draw_text_cells(app_, dc, sample.font, cells, app_.settings.color, std::nullopt);
  }

 private:
  void show_font(DialogState& state, const LogFont& f) {
    font_ = f;
    state.set_text(kHeight, printf_text("%d", f.height));
    state.set_text(kWidth, printf_text("%d", f.width));
    state.set_text(kFace, face_of(f));
  }

  LogFont entered_font(const DialogState& state) const {
    LogFont f = font_;
    f.height = read_int(state, kHeight, f.height);
    f.width = read_int(state, kWidth, f.width);
    set_face(f, state.text(kFace));
    return f;
  }

  // 982: the most characters whose line fits the line length entered.
  void chars_from_length(DialogState& state) {
    double length = state.number(kLineLength, 0);
    if (length < 0) length = 0;
    Settings probe = app_.settings;
    probe.font = entered_font(state);
    const double spacing = state.number(kSpacing, app_.settings.char_spacing);
    const double W = with_text_dc(app_, [&](Dc& dc) {
      std::swap(probe, app_.settings);
      const double w = settings_char_width(app_, dc);
      std::swap(probe, app_.settings);
      return w;
    });
    state.set_text(kCharsPerLine, printf_text("%d", chars_for_length(length, W, spacing)));
  }

  bool store(const DialogState& state) {
    Settings& s = app_.settings;
    const int n = read_int(state, kCharsPerLine, s.chars_per_line);
    if (n < 1) {
      caution(app_, kBadCharsPerLine);
      return false;
    }
    LogFont f = entered_font(state);
    const double direction = state.number(kDirection, (3600 - s.font.escapement) / 10.0);
    f.escapement = trunc_to_int((360 - direction) * 10);
    s.font = f;
    s.chars_per_line = n;
    s.char_spacing = state.number(kSpacing, s.char_spacing);
    s.column_spacing = state.number(kColumns, s.column_spacing);
    s.max_stretch = 1 - state.number(kStretch, 1 - s.max_stretch);
    return true;
  }

  App& app_;
  Settings saved_;
  LogFont font_;
  unsigned* parts_;
};

class TabInputProc : public DialogProc {
 public:
  explicit TabInputProc(App& app) : app_(app) {}
  void init(DialogState& state) override {
    for (int i = 0; i < 10; ++i)
      state.set_text(kTabIds[i], printf_text("%4.2lf", app_.settings.tabs[i]));
  }
  void command(DialogState& state, int id) override {
    if (id == kIdOk) {
      for (int i = 0; i < 10; ++i)
        app_.settings.tabs[i] = state.number(kTabIds[i], app_.settings.tabs[i]);
      state.end(1);
    } else if (id == kIdCancel) {
      state.end(0);
    }
  }

 private:
  App& app_;
};

// Shows `text` in INPUTBOX; the answer, or nothing after a cancel.
std::optional<std::string> ask(App& app, const std::string& prompt, const std::string& text) {
  if (input_box(app.ui, app.input, prompt, text) != 1) return std::nullopt;
  return app.input.buffer;
}

// The explanation, then INPUTBOX with `value` in `format`; one value read
// back that `usable` accepts is stored, any other refused with `refusal`.
template <class T, class Check>
int explained_input(App& app, const char* caption, const char* explanation, const char* format,
                    T& value, Check usable, const char* refusal) {
  message(app.ui, caption, explanation);
  const std::optional<std::string> text = ask(app, "Data Input", printf_text(format, value));
  T read{};
  if (!text || std::sscanf(text->c_str(), format, &read) != 1) return 0;
  if (!usable(read)) {
    caution(app, refusal);
    return 0;
  }
  value = read;
  return 1;
}

}  // namespace

int text_buffer_dialog(App& app) {
  TextBoxProc proc(app);
  return app.ui.run_dialog(textbox_template(), proc) == 1 ? 1 : 0;
}

int textclicdlg(App& app, TextKind kind, int n, int layer) {
  if (!entry_matches(app, kind)) return 0;
  if (app.text.caret(kind).state == 0) {
    message(app.ui, text_op_name(kind, "letterclicdlg"), "クリック点を二つ用意してください");
    return 0;
  }
  if (text_buffer_dialog(app) != 1) return 0;
  app.clipboard.set_text(app.text.buffer);
  if (app.text.buffer.empty()) return 0;
  return replace_range(app, kind, n, "letterclicdlg", layer);
}

int format_input_dialog(App& app) {
  FormatInputProc proc(app);
  return app.ui.run_dialog(formatinputbox_template(), proc) == 1 ? 1 : 0;
}

int format_param_change_dialog(App& app, unsigned& parts) {
  parts = 0;
  FormatInputProc proc(app, &parts);
  return app.ui.run_dialog(formatparamchangebox_template(), proc) == 1 ? 1 : 0;
}

int tab_input_dialog(App& app) {
  TabInputProc proc(app);
  return app.ui.run_dialog(tabinputbox_template(), proc) == 1 ? 1 : 0;
}

int font_input(App& app) {
  const LogFont& f = app.settings.font;
  const std::optional<std::string> text =
      ask(app, "Windows APIのLogFontを参照",
          printf_text("%4d,%4d,%6d,%d,%d,%d,%d,%d,%d,%d,%d,%d,%d,%s", f.height, f.width,
                      f.escapement, f.orientation, f.weight, f.italic, f.underline, f.strike_out,
                      f.char_set, f.out_precision, f.clip_precision, f.quality, f.pitch_and_family,
                      face_of(f).c_str()));
  if (!text) return 0;
  int v[13] = {};
  int used = -1;
  std::sscanf(text->c_str(), "%d,%d,%d,%d,%d,%d,%d,%d,%d,%d,%d,%d,%d,%n", &v[0], &v[1], &v[2],
              &v[3], &v[4], &v[5], &v[6], &v[7], &v[8], &v[9], &v[10], &v[11], &v[12], &used);
  if (used < 0) return 0;
  LogFont read = f;
  if (!set_face(read, text->substr(static_cast<std::size_t>(used)))) return 0;
  read.height = v[0];
  read.width = v[1];
  read.escapement = v[2];
  read.orientation = v[3];
  read.weight = v[4];
  std::uint8_t* bytes[8] = {&read.italic,   &read.underline,       &read.strike_out,
                            &read.char_set, &read.out_precision,   &read.clip_precision,
                            &read.quality,  &read.pitch_and_family};
  for (int i = 0; i < 8; ++i) *bytes[i] = static_cast<std::uint8_t>(v[5 + i] & 0xFF);
  app.settings.font = read;
  return 1;
}

int format_input(App& app) {
  Settings& s = app.settings;
  const std::optional<std::string> text =
      ask(app, "一行文字数，文字間長，列幅，最大引延率",
          printf_text("%d,%5.2lf,%5.1lf,%5.2lf", s.chars_per_line, s.char_spacing, s.column_spacing,
                      1 - s.max_stretch));
  if (!text) return 0;
  int n = 0;
  double spacing = 0, columns = 0, rate = 0;
  if (std::sscanf(text->c_str(), "%d,%lf,%lf,%lf", &n, &spacing, &columns, &rate) != 4) return 0;
  if (!std::isfinite(spacing) || !std::isfinite(columns) || !std::isfinite(rate)) return 0;
  if (n < 1) {
    caution(app, kBadCharsPerLine);
    return 0;
  }
  s.chars_per_line = n;
  s.char_spacing = spacing;
  s.column_spacing = columns;
  s.max_stretch = 1 - rate;
  return 1;
}

int tab_input(App& app) {
  double t[10];
  std::copy(std::begin(app.settings.tabs), std::end(app.settings.tabs), t);
  std::string shown;
  for (int i = 0; i < 10; ++i) shown += (i ? "," : "") + printf_text("%5.1lf", t[i]);
  const std::optional<std::string> text = ask(app, "第一タブ，第二タブ，第三タブ，", shown);
  if (!text) return 0;
  const int read = std::sscanf(text->c_str(), "%lf,%lf,%lf,%lf,%lf,%lf,%lf,%lf,%lf,%lf", &t[0],
                               &t[1], &t[2], &t[3], &t[4], &t[5], &t[6], &t[7], &t[8], &t[9]);
  if (read < 1) return 0;
  for (double v : t)
    if (!std::isfinite(v)) return 0;
  std::copy(t, t + 10, app.settings.tabs);
  return 1;
}

int print_ratio_input(App& app) {
  return explained_input(app, "標準プリント比率の説明",
                         "文字の位置は縮尺により変化するので位置を不変にするため、\n"
                         "このプログラムは印刷時の文字位置を基準にしています。\n"
                         "標準プリント比率とは、あらかじめ仮定した印刷時の縮尺です",
                         "%lf", app.settings.print_ratio, positive, kBadRatio);
}

int max_chars_input(App& app) {
  return explained_input(
      app, "最大表示文字数の説明",
      "TORVCADは一文字ずつ座標を持っているため文字表示のため膨大なメモリーを使います。\n"
      "メモリー負担を軽減するため最大表示文字数を仮定してあります。\n"
      "最大表示文字数を変更することができます。",
      "%d", app.settings.max_chars, [](int n) { return n >= 1; }, kBadMaxChars);
}

void set_line_length(App& app, double length) {
  Settings& s = app.settings;
  const double W = with_text_dc(app, [&](Dc& dc) { return settings_char_width(app, dc); });
  s.chars_per_line = chars_for_length(length, W, s.char_spacing);
}

int line_length_input(App& app) {
  const Settings& s = app.settings;
  const double W = with_text_dc(app, [&](Dc& dc) { return settings_char_width(app, dc); });
  const std::optional<std::string> text = ask(
      app, "一行の長さ入力", printf_text("%lf", line_length(s.chars_per_line, W, s.char_spacing)));
  double length = 0;
  if (!text || std::sscanf(text->c_str(), "%lf", &length) != 1 || !std::isfinite(length)) return 0;
  set_line_length(app, length);
  return 1;
}

int rotation_input(App& app) {
  std::int32_t& escapement = app.settings.font.escapement;
  const std::optional<std::string> text =
      ask(app, "回転角入力", printf_text("%lf", static_cast<double>(360 - escapement / 10)));
  double d = 0;
  if (!text || std::sscanf(text->c_str(), "%lf", &d) != 1 || !std::isfinite(d)) return 0;
  if (d < 0) d += 360;
  if (d >= 360) d -= 360;
  int e = 10 * trunc_to_int(360 - d);
  e = std::clamp(e, 0, 3600);
  escapement = e == 3600 ? 0 : e;
  return 1;
}

int font_chooser(App& app) {
  const std::optional<LogFont> f = app.ui.choose_font(app.settings.font);
  if (!f) return 0;
  app.settings.font = *f;
  return 1;
}

void vertical_writing_note(App& app) {
  message(
      app.ui, "縦書き方法の説明",
      "縦書きフォント名には@が付いています。\n縦方向への回転は、現在フォント情報の３番めの数値\n"
      "を2700に変えます。例：-13,0,2700,.....");
}

}  // namespace daub
