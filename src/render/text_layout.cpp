#include "render/text_layout.h"

#include <cmath>
#include <cstring>

#include "geometry/view_transform.h"
#include "model/app.h"
#include "platform/cp932.h"
#include "platform/dc.h"
#include "platform/printf_text.h"

namespace daub {
namespace {

constexpr double kRadiansPerDegree = 0.017453292519944444;
// How far x may lie below the line length and still take a character.
constexpr double kFillSlack = 1e-7;
constexpr double kTiny = 1e-10;
// A word this many characters long or longer is cut at the line end rather
// than wrapped whole.
constexpr int kLongWord = 16;

bool is_byte(const CharCell& c, char b) { return c.byte_count == 1 && c.bytes[0] == b; }
bool is_tab(const CharCell& c) { return is_byte(c, '\t'); }
bool is_space(const CharCell& c) { return is_byte(c, ' '); }

// Closing punctuation that may hang past the line end: ". , ) ]" and
// "。、）」』" (code page 932).
bool is_hanging(const CharCell& c) {
  if (c.byte_count == 1) return std::strchr(".,)]", c.bytes[0]) != nullptr && c.bytes[0] != 0;
  static constexpr unsigned char kFullWidth[][2] = {
      {0x81, 0x42}, {0x81, 0x41}, {0x81, 0x6A}, {0x81, 0x76}, {0x81, 0x78}};
  for (const auto& h : kFullWidth)
    if (static_cast<unsigned char>(c.bytes[0]) == h[0] &&
        static_cast<unsigned char>(c.bytes[1]) == h[1])
      return true;
  return false;
}

// The running position of a layout and the steps every layout shares.
class Layout {
 public:
  Layout(std::vector<CharCell>& cells, const TextRecord& format)
      : cells_(cells),
        format_(format),
        W_(cells.empty() ? 0 : cells[0].W),
        L_(line_length(format.chars_per_line, W_, format.char_spacing)) {}

  int size() const { return static_cast<int>(cells_.size()); }
  const CharCell& cell(int i) const { return cells_[static_cast<std::size_t>(i)]; }
  bool fits() const { return x_ <= L_ - kFillSlack; }

  // Step 2: a tab jumps to the next stop, any other character takes its
  // width and the spacing after each of its bytes.
  void place(int i) {
    CharCell& c = at(i);
    c.p1 = {x_, y_};
    if (is_tab(c)) {
      const double stop = tab_stop(format_.tabs, x_ + format_.char_spacing * W_, W_);
      c.p2 = {stop, y_ + c.H / 2};
      c.visible = 0;
      x_ = stop;
    } else {
      c.p2 = {x_ + c.cx, y_ + c.H / 2};
      c.visible = 1;
      x_ += c.cx + c.byte_count * W_ * format_.char_spacing;
    }
    number(c);
  }

  void place_break(int i) {
    CharCell& c = at(i);
    c.p1 = {x_, y_};
    c.p2 = {x_ + c.cx, y_ + c.H / 2};
    c.visible = 0;
    number(c);
  }

  // A break or space consumed right after the hanging character h.
  void place_after(int i, int h) {
    CharCell& c = at(i);
    c.p1 = {cell(h).p1.x + cell(h).cx, y_};
    c.p2 = {c.p1.x + W_, y_ + c.H / 2};
    c.visible = 0;
    number(c);
  }

  void justify(int a, int e, int t) { daub::justify(cells_, a, e, t, L_, format_.max_stretch); }

  void new_line() {
    x_ = 0;
    y_ += format_.column_spacing;
    ++line_;
    column_ = 0;
  }

 private:
  CharCell& at(int i) { return cells_[static_cast<std::size_t>(i)]; }
  void number(CharCell& c) {
    c.column = column_++;
    c.line = line_;
  }

  std::vector<CharCell>& cells_;
  const TextRecord& format_;
  double W_;
  double L_;
  double x_ = 0, y_ = 0;
  int line_ = 0, column_ = 0;
};

}  // namespace

int char_length(std::string_view bytes, std::size_t at) {
  if (at + 1 >= bytes.size()) return 1;
  const auto c = static_cast<unsigned char>(bytes[at]);
  const auto next = static_cast<unsigned char>(bytes[at + 1]);
  if (is_lead_byte(c) && is_trail_byte(next)) return 2;
  return c == '\r' && next == '\n' ? 2 : 1;
}

bool is_line_break(const CharCell& cell) {
  return cell.byte_count == 2 && cell.bytes[0] == '\r' && cell.bytes[1] == '\n';
}

std::vector<CharCell> split_cells(std::string_view bytes, int max_chars, bool& cut) {
  cut = false;
  std::vector<CharCell> cells;
  for (std::size_t at = 0; at < bytes.size();) {
    if (static_cast<int>(cells.size()) >= max_chars) {
      cut = true;
      break;
    }
    CharCell c;
    c.byte_count = char_length(bytes, at);
    std::memcpy(c.bytes, bytes.data() + at, static_cast<std::size_t>(c.byte_count));
    at += static_cast<std::size_t>(c.byte_count);
    c.number = static_cast<int>(cells.size()) + 1;
    c.end_offset = static_cast<int>(at);
    cells.push_back(c);
  }
  return cells;
}

void measure_cells(std::vector<CharCell>& cells, Dc& dc, const LogFont& font, double k) {
  const LogFont before = dc.font();
  LogFont enlarged = font;
  enlarged.height = trunc_to_int(font.height * k);
  enlarged.width = trunc_to_int(font.width * k);
  dc.select_font(enlarged);
  const TextMetrics m = dc.text_metrics();
  const double W = m.ave_char_width / k;
  const double H = (m.height + m.external_leading) / k;
  for (CharCell& c : cells) {
    const TextExtent e =
        dc.text_extent(std::string_view(c.bytes, static_cast<std::size_t>(c.byte_count)));
    c.W = W;
    c.H = H;
    c.cx = e.cx / k;
    c.cy = e.cy / k;
  }
  dc.select_font(before);
}

double line_length(int chars_per_line, double W, double spacing) {
  return chars_per_line * W + (chars_per_line - 1) * W * spacing;
}

double tab_stop(const double (&tabs)[10], double x, double W) {
  if (tabs[0] < kTiny) return x;
  double intervals[30];
  bool repeating = false;
  for (int i = 0; i < 30; ++i) {
    if (!repeating && (i >= 10 || tabs[i] < kTiny)) repeating = true;
    intervals[i] = repeating ? intervals[i - 1] : tabs[i];
  }
  double stop = 0;
  for (double interval : intervals) {
    stop += interval;
    if (stop * W > x) return stop * W;
  }
  return x;
}

void justify(std::vector<CharCell>& cells, int a, int e, int t, double L, double m) {
  const int n = static_cast<int>(cells.size());
  if (t - a < 2 || a < 0 || t >= n || e < a || e > t) return;
  for (int k = a; k <= t; ++k)
    if (is_tab(cells[static_cast<std::size_t>(k)])) return;
  // A line length that is not positive leaves nothing to stretch towards.
  if (!(L > 0)) return;
  int bytes = 0;
  for (int k = a; k <= e; ++k) bytes += cells[static_cast<std::size_t>(k)].byte_count;
  const double X = cells[static_cast<std::size_t>(e)].p2.x;
  if (X < 0.8 * m * L) return;
  const double extra = X / L > m ? L - X : (1 - m) * X;
  const double d = extra / bytes;
  if (d < kTiny && (e - a) * d < kTiny) return;
  double shift = 0;
  for (int k = a; k <= t; ++k) {
    CharCell& c = cells[static_cast<std::size_t>(k)];
    c.p1.x += shift;
    c.p2.x += shift;
    shift += c.byte_count * d;
  }
}

void letter_layout(std::vector<CharCell>& cells, const TextRecord& format) {
  Layout lay(cells, format);
  const int n = lay.size();
  int a = 0;  // the first character of the current line
  for (int i = 0; i < n; ++i) {
    if (is_line_break(lay.cell(i))) {
      lay.place_break(i);
      lay.justify(a, i - 1, i);
      lay.new_line();
      a = i + 1;
    } else if (lay.fits()) {
      lay.place(i);
    } else if (is_hanging(lay.cell(i))) {
      lay.place(i);
      int last = i;
      if (i + 1 < n && is_line_break(lay.cell(i + 1))) {
        last = i + 1;
        lay.place_after(last, i);
      }
      lay.justify(a, i, last);
      lay.new_line();
      a = last + 1;
      i = last;
    } else {
      lay.justify(a, i - 1, i);
      lay.new_line();
      a = i;
      lay.place(i);
    }
  }
  lay.justify(a, n - 1, n - 1);
}

void english_layout(std::vector<CharCell>& cells, const TextRecord& format) {
  Layout lay(cells, format);
  const int n = lay.size();
  int a = 0;
  int space = 0;  // the last space met on the line; its first character at a line start
  auto end_line = [&](int next) {
    lay.new_line();
    a = space = next;
  };
  for (int i = 0; i < n;) {
    const CharCell& c = lay.cell(i);
    if (is_line_break(c)) {
      lay.place_break(i);
      lay.justify(a, i - 1, i);
      end_line(++i);
    } else if (lay.fits()) {
      lay.place(i);
      if (is_space(c)) space = i;
      ++i;
    } else if (is_hanging(c)) {
      lay.place(i);
      int last = i;
      if (i + 1 < n && (is_line_break(lay.cell(i + 1)) || is_space(lay.cell(i + 1)))) {
        last = i + 1;
        lay.place_after(last, i);
      }
      lay.justify(a, i, last);
      i = last + 1;
      end_line(i);
    } else if (is_space(c)) {
      // The space stays where it would have gone, for the caret; it is not
      // carried over to the next line.
      lay.place(i);
      lay.justify(a, i - 1, i);
      end_line(++i);
    } else if (space > a && c.byte_count == 1 && i - space - 1 < kLongWord) {
      // The word goes whole to the next line, which starts after the space.
      lay.justify(a, space - 1, space);
      i = space + 1;
      end_line(i);
    } else {
      lay.place(i);
      lay.justify(a, i, i);
      end_line(++i);
    }
  }
  if (n - a > 1) lay.justify(a, n - 1, n - 1);
}

void rotate_cell(CharCell& c, DPoint anchor, int escapement) {
  const double phi = -(escapement / 10.0) * kRadiansPerDegree;
  const double co = std::cos(phi), si = std::sin(phi);
  auto turn = [&](DPoint p) {
    return DPoint{anchor.x + (p.x * co - p.y * si), anchor.y + (p.x * si + p.y * co)};
  };
  c.p1 = turn(c.p1);
  c.p2 = turn(c.p2);
}

void rotate_cells(std::vector<CharCell>& cells, DPoint anchor, int escapement) {
  for (CharCell& c : cells) rotate_cell(c, anchor, escapement);
}

CharCell start_cell(double W, double H, DPoint anchor, int escapement) {
  CharCell c;
  c.bytes[0] = ' ';
  c.byte_count = 1;
  c.visible = 0;
  c.number = 0;
  c.end_offset = 0;
  c.column = -1;
  c.line = 0;
  c.W = W;
  c.H = H;
  c.p1 = {-W, 0};
  c.p2 = {0, H / 2};
  rotate_cell(c, anchor, escapement);
  return c;
}

std::vector<CharCell> textlayout(App& app, Dc& dc, const TextRecord& record, std::string_view bytes,
                                 TextKind kind, LayoutMessage report) {
  const double k = app.settings.print_ratio;
  if (bytes.empty() || !std::isfinite(k) || k <= 0) return {};
  bool cut = false;
  std::vector<CharCell> cells = split_cells(bytes, app.settings.max_chars, cut);
  if (cut && report == LayoutMessage::kShow)
    message(app.ui, "wisejisstrmake",
            printf_text("表示文字数が最大表示文字数を越えたので%d文字しか表示しません。\n"
                        "以下の表示が必要な場合は、最大表示文字数を変更してください。",
                        app.settings.max_chars));
  if (cells.empty()) return cells;
  measure_cells(cells, dc, record.font, k);
  if (kind == TextKind::kLetter)
    letter_layout(cells, record);
  else
    english_layout(cells, record);
  rotate_cells(cells, {record.x, record.y}, record.font.escapement);
  return cells;
}

}  // namespace daub
