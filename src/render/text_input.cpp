#include "render/text_input.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <string>

#include "drawing/chain.h"
#include "drawing/layers.h"
#include "drawing/texts.h"
#include "geometry/angle.h"
#include "geometry/view_transform.h"
#include "model/app.h"
#include "render/text_layout.h"

namespace daub {
namespace {

constexpr double kRadiansPerDegree = 0.017453292519944444;
// Farther than this from every cell edge a point hits nothing.
constexpr double kHitStart = 1000.0;
// Polls for further committed characters before the collection ends.
constexpr int kCommitPolls = 10;

constexpr int kTextInputCommand[2] = {421, 401};

double distance(DPoint a, DPoint b) { return std::hypot(a.x - b.x, a.y - b.y); }

// The hit test of one laid-out element: the caret goes after the cell whose
// P2 is nearest, or before the cell whose P1 is (after the previous one);
// the start cell competes last.
std::optional<TextHit> hit_cells(const std::vector<CharCell>& cells, const CharCell& start,
                                 bool empty, DPoint q) {
  double best = kHitStart;
  const double limit = 3 * cells[0].H;
  std::optional<TextHit> hit;
  auto consider = [&](DPoint edge, int offset) {
    const double d = distance(q, edge);
    if (d < best && d < limit) {
      best = d;
      hit = TextHit{TextKind::kLetter, 0, offset, d};
    }
  };
  if (!empty) {
    for (std::size_t i = 0; i < cells.size(); ++i) {
      consider(cells[i].p2, cells[i].end_offset);
      if (i > 0) consider(cells[i].p1, cells[i - 1].end_offset);
    }
  }
  consider(start.p2, 0);
  return hit;
}

std::optional<TextHit> hit_record(App& app, Dc& dc, TextKind kind, const TextRecord& record,
                                  const std::string& bytes, DPoint q) {
  // An element without characters is laid out as one space and can only be
  // hit before it.
  const bool empty = bytes.empty();
  const std::vector<CharCell> cells =
      textlayout(app, dc, record, empty ? std::string(" ") : bytes, kind, LayoutMessage::kSilent);
  if (cells.empty()) return std::nullopt;
  const CharCell start =
      start_cell(cells[0].W, cells[0].H, {record.x, record.y}, record.font.escapement);
  std::optional<TextHit> hit = hit_cells(cells, start, empty, q);
  if (hit) hit->kind = kind;
  return hit;
}

// The hits of every element of the kind; a later one wins when not farther.
void hit_chain(App& app, Dc& dc, TextKind kind, std::uint32_t layer_at, DPoint q,
               std::optional<TextHit>& best) {
  for_each_in_chain(app.drawing, layer_at, text_chain(kind), [&](int n, std::uint32_t at) {
    const auto record = app.drawing.get<TextRecord>(at);
    std::optional<TextHit> hit =
        hit_record(app, dc, kind, record, text_bytes(app.drawing, record), q);
    if (hit && (!best || hit->distance <= best->distance)) {
      hit->element = n;
      best = hit;
    }
  });
}

// Whether typing goes to the current element of the kind: its mode, an
// element, the text input command and a caret.
bool typing_into(const App& app, TextKind kind) {
  const int n = kind == TextKind::kLetter ? app.in.nowletter : app.in.nowenglish;
  return app.in.englishentry == text_index(kind) && n != 0 &&
         app.in.mousecmd == kTextInputCommand[text_index(kind)] && app.text.caret(kind).state >= 1;
}

// The characters of the current element, silently; nothing without one.
std::optional<std::string> current_bytes(App& app, TextKind kind) {
  const std::uint32_t layer = layer_offset(app.drawing, app.in.nowlayer);
  const int n = now_text(app, kind);
  std::optional<std::string> found;
  if (layer == 0 || n == 0) return found;
  for_each_in_chain(app.drawing, layer, text_chain(kind), [&](int number, std::uint32_t at) {
    if (number == n) found = text_bytes(app.drawing, app.drawing.get<TextRecord>(at));
  });
  return found;
}

// Appends the characters the input method committed together with the
// first: committed characters are taken off the queue until one that was
// typed (it stays queued and is handled after, so no keystroke is lost), or
// until so many polls in a row find nothing.
void collect_committed(App& app, std::string& buffer) {
  std::deque<CharMessage>& queue = app.text.queue;
  for (int polls = kCommitPolls; polls > 0;) {
    if (!queue.empty() && queue.front().lparam != 1) break;
    if (queue.empty()) {
      --polls;
      continue;
    }
    buffer.push_back(static_cast<char>(queue.front().code));
    queue.pop_front();
    polls = kCommitPolls;
  }
}

}  // namespace

std::optional<TextHit> hit_text(App& app, Dc& dc, DPoint q, int layer) {
  const std::uint32_t layer_at = layer_offset(app.drawing, layer);
  std::optional<TextHit> best;
  if (layer_at == 0) return best;
  hit_chain(app, dc, TextKind::kLetter, layer_at, q, best);
  hit_chain(app, dc, TextKind::kEnglish, layer_at, q, best);
  return best;
}

std::optional<TextHit> hit_element(App& app, Dc& dc, TextKind kind, int n, DPoint q, int layer) {
  TextRecord record;
  const std::optional<std::string> bytes = gettextstr(app, kind, n, record, layer);
  if (!bytes) return std::nullopt;
  std::optional<TextHit> hit = hit_record(app, dc, kind, record, *bytes, q);
  if (hit) hit->element = n;
  return hit;
}

int click_caret(App& app, Dc& dc, TextKind kind) {
  if (!entry_matches(app, kind)) return 0;
  const int layer = app.in.nowlayer;
  const std::optional<TextHit> press =
      hit_text(app, dc, {app.in.dragvector.x, app.in.dragvector.y}, layer);
  const std::optional<TextHit> release = hit_text(app, dc, app.in.releaseworld, layer);
  if (!press || !release || press->kind != release->kind || press->element != release->element)
    return 0;
  if (press->kind != kind) {
    message(app.ui, "CAUTION",
            kind == TextKind::kLetter ? "英語が選ばれています" : "日本語が選ばれています");
    return 0;
  }
  now_text(app, kind) = press->element;
  CaretRecord& caret = app.text.caret(kind);
  caret = CaretRecord{};
  add_caret_cell(caret, press->offset);
  add_caret_cell(caret, release->offset);
  return 1;
}

int textcut_at(App& app, Dc& dc, TextKind kind, DPoint point, int n, int layer) {
  const std::optional<TextHit> hit = hit_element(app, dc, kind, n, point, layer);
  if (!hit) return 0;
  return textcut(app, kind, n, hit->offset, layer);
}

double settings_char_width(App& app, Dc& dc) {
  bool cut = false;
  std::vector<CharCell> cells = split_cells(" ", 1, cut);
  measure_cells(cells, dc, app.settings.font, app.settings.print_ratio);
  return cells[0].W;
}

int chars_for_length(double length, double W, double spacing) {
  constexpr int kMost = 100000;
  const double per_char = W * (1 + spacing);
  if (!(per_char > 0) || !std::isfinite(per_char) || !std::isfinite(length)) return 1;
  const double estimate = std::floor((length + W * spacing) / per_char);
  int n = static_cast<int>(std::clamp(estimate, 1.0, static_cast<double>(kMost)));
  // The estimate may be one off where the division rounds.
  while (n > 1 && line_length(n, W, spacing) > length) --n;
  while (n < kMost && line_length(n + 1, W, spacing) <= length) ++n;
  return n;
}

int escapement_for(double angle) {
  double a = angle;
  if (a < 0) a += 2 * kPi;
  return trunc_to_int((2 * kPi - a) / kRadiansPerDegree * 10);
}

void text_frame(App& app, Dc& dc, DPoint p, DPoint q, FrameFit fit) {
  Settings& s = app.settings;
  const double length = distance(p, q);
  if (fit == FrameFit::kCharsPerLine) {
    s.chars_per_line = chars_for_length(length, settings_char_width(app, dc), s.char_spacing);
  } else {
    // The width W that makes n characters exactly as long as the frame; the
    // font height follows W in proportion.
    const int n = std::max(s.chars_per_line, 1);
    const double wanted = length / (n * (1 + s.char_spacing) - s.char_spacing);
    if (s.font.height == 0) s.font.height = -13;
    const double W = settings_char_width(app, dc);
    if (W > 0 && wanted > 0 && std::isfinite(wanted)) {
      const double height =
          std::clamp(std::fabs(static_cast<double>(s.font.height)) * wanted / W, 1.0, 10000.0);
      s.font.height = (s.font.height < 0 ? -1 : 1) * static_cast<int>(std::lround(height));
    }
  }
  s.column_spacing = std::fabs(static_cast<double>(s.font.height)) * 20.0 / 13.0;
  s.font.escapement = escapement_for(std::atan2(q.y - p.y, q.x - p.x));
}

void text_char(App& app, TextKind kind, int code, std::int64_t lparam) {
  if (!typing_into(app, kind)) return;
  std::string& buffer = app.text.buffer;
  buffer.assign(1, static_cast<char>(code));
  if (lparam == 1) collect_committed(app, buffer);
  textclicpaste(app, kind, now_text(app, kind), app.in.nowlayer);
  buffer.clear();
}

KeyResult text_backspace(App& app, TextKind kind) {
  if (!typing_into(app, kind)) return KeyResult::kDone;
  CaretRecord& caret = app.text.caret(kind);
  if (caret.state == 2) return KeyResult::kDeleteRange;
  const int e = caret.a;
  const std::optional<std::string> bytes = current_bytes(app, kind);
  if (e <= 0 || !bytes) return KeyResult::kDone;
  // The character before the caret starts where the one before it ends:
  // walked from the start, since a byte alone cannot tell a trail byte from
  // a single-byte character.
  bool cut = false;
  const std::vector<CharCell> cells = split_cells(*bytes, INT_MAX, cut);
  int p = -1;
  for (std::size_t i = 0; i < cells.size(); ++i)
    if (cells[i].end_offset == e) p = i == 0 ? 0 : cells[i - 1].end_offset;
  if (p < 0) return KeyResult::kDone;
  caret = CaretRecord{2, p, e};
  return KeyResult::kDeleteRange;
}

KeyResult text_delete(App& app, TextKind kind) {
  if (!typing_into(app, kind)) return KeyResult::kDone;
  CaretRecord& caret = app.text.caret(kind);
  if (caret.state == 2) return KeyResult::kDeleteRange;
  const int e = caret.a;
  const std::optional<std::string> bytes = current_bytes(app, kind);
  if (!bytes || e < 0 || e >= static_cast<int>(bytes->size())) return KeyResult::kDone;
  const int next = e + char_length(*bytes, static_cast<std::size_t>(e));
  // The next character must end on a character boundary of the text.
  bool cut = false;
  const std::vector<CharCell> cells = split_cells(*bytes, INT_MAX, cut);
  const bool boundary = std::any_of(cells.begin(), cells.end(),
                                    [&](const CharCell& c) { return c.end_offset == next; });
  if (!boundary) return KeyResult::kDone;
  caret = CaretRecord{2, e, next};
  return KeyResult::kDeleteRange;
}

}  // namespace daub
