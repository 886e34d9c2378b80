#include "drawing/texts.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "drawing/append.h"
#include "drawing/elements.h"
#include "drawing/layers.h"
#include "drawing/memory.h"

namespace daub {
namespace {

constexpr char kNoRange[] = "クリック点を二つ用意してください";
constexpr char kNoRoom[] = "メモリー不足、データをセーブしてください";

// The settings and a text record name the parts of a style alike.
template <class From, class To>
void copy_style(const From& from, To& to, unsigned parts) {
  if (parts & kTextFont) to.font = from.font;
  if (parts & kTextFormat) {
    to.chars_per_line = from.chars_per_line;
    to.char_spacing = from.char_spacing;
    to.column_spacing = from.column_spacing;
    to.max_stretch = from.max_stretch;
  }
  if (parts & kTextTabs) std::copy(std::begin(from.tabs), std::end(from.tabs), std::begin(to.tabs));
  if (parts & kTextColor) to.color = from.color;
}

TextRecord record_at(const Settings& s, DPoint anchor) {
  TextRecord t;
  t.x = anchor.x;
  t.y = anchor.y;
  style_from_settings(s, t, kTextStyle);
  return t;
}

// A text longer than this could be saved but never read back.
bool fits_record(App& app, std::size_t size) {
  if (size <= static_cast<std::size_t>(kMaxTextLength)) return true;
  message(app.ui, "memck", kNoRoom);
  return false;
}

int append_text(App& app, TextKind kind, const TextRecord& record, std::string_view bytes,
                int layer, const std::string& caption) {
  if (!fits_record(app, bytes.size())) return 0;
  std::string data(bytes);
  data.push_back('\0');
  TextRecord r = record;
  r.length = static_cast<std::int32_t>(bytes.size());
  const int n = append_element(app, layer, text_chain(kind), r, data.data(),
                               static_cast<std::uint32_t>(data.size()), caption.c_str());
  if (n > 0) now_text(app, kind) = n;
  return n;
}

// Gives the record at `at` new characters at the end of the block; the old
// ones become dead bytes. False (nothing changed) when the block cannot grow.
bool put_chars(App& app, std::uint32_t at, std::string_view bytes) {
  if (!fits_record(app, bytes.size()) || memck(app, bytes.size() + 1) == 0) return false;
  Block& block = app.drawing;
  const std::uint32_t chars = block.used();
  block.put_bytes(chars, bytes.data(), bytes.size());
  block.put<std::uint8_t>(std::uint64_t{chars} + bytes.size(), 0);
  block.put<std::uint32_t>(std::uint64_t{at} + offsetof(TextRecord, chars), chars);
  block.put<std::int32_t>(std::uint64_t{at} + offsetof(TextRecord, length),
                          static_cast<std::int32_t>(bytes.size()));
  block.set_used(chars + static_cast<std::uint32_t>(bytes.size()) + 1);
  return true;
}

std::uint32_t find_text(App& app, TextKind kind, int n, int layer, std::string_view letter_name) {
  return find_element(app, n, layer, text_chain(kind), text_op_name(kind, letter_name).c_str());
}

// The byte range [i, j) the caret record of the kind names; nothing after
// the message when there is no range (or no caret, where one will do).
struct Range {
  std::size_t i = 0, j = 0;
};
enum class CaretUse { kRangeOnly, kCaretToo };

std::optional<Range> caret_range(App& app, TextKind kind, CaretUse use,
                                 const std::string& caption) {
  const CaretRecord& c = app.text.caret(kind);
  if (c.state == 1 && use == CaretUse::kCaretToo) {
    const auto at = static_cast<std::size_t>(std::max(c.a, 0));
    return Range{at, at};
  }
  if (c.state != 2) {
    message(app.ui, caption, kNoRange);
    return std::nullopt;
  }
  return Range{static_cast<std::size_t>(std::max(std::min(c.a, c.b), 0)),
               static_cast<std::size_t>(std::max(std::max(c.a, c.b), 0))};
}

enum class RangeOp { kCut, kCopy, kPaste, kDelete };

// The shared steps of the range operations: the entry check, the range,
// the element's characters; then the operation on them.
int range_operation(App& app, TextKind kind, int n, int layer, RangeOp op,
                    const std::string& caption) {
  if (!entry_matches(app, kind)) return 0;
  const std::optional<Range> r = caret_range(
      app, kind, op == RangeOp::kPaste ? CaretUse::kCaretToo : CaretUse::kRangeOnly, caption);
  if (!r || (op != RangeOp::kPaste && r->i == r->j)) return 0;
  const std::uint32_t at = find_element(app, n, layer, text_chain(kind), caption.c_str());
  if (at == 0) return 0;
  const std::string text = text_bytes(app.drawing, app.drawing.get<TextRecord>(at));
  // A caret left over from a longer text names nothing in this one.
  if (r->j > text.size()) return 0;
  const std::string head = text.substr(0, r->i);
  const std::string tail = text.substr(r->j);
  std::string& buffer = app.text.buffer;
  CaretRecord& caret = app.text.caret(kind);
  // The caret stays where the text changed, so typing and deleting go on.
  switch (op) {
    case RangeOp::kCopy:
      buffer = text.substr(r->i, r->j - r->i);
      return 1;
    case RangeOp::kCut:
      if (!put_chars(app, at, head + tail)) {
        buffer.clear();
        return 0;
      }
      buffer = text.substr(r->i, r->j - r->i);
      break;
    case RangeOp::kDelete:
      if (!put_chars(app, at, head + tail)) return 0;
      break;
    case RangeOp::kPaste:
      if (!put_chars(app, at, head + buffer + tail)) return 0;
      caret = CaretRecord{1, static_cast<int>(head.size() + buffer.size()), 0};
      return 1;
  }
  caret = CaretRecord{1, static_cast<int>(head.size()), 0};
  return 1;
}

// Detaches the chains of a layer; 1, or 0 when the layer does not exist.
int detach(App& app, int layer, std::initializer_list<ChainKind> kinds, const char* caption) {
  const std::uint32_t at = existing_layer(app, layer, caption);
  if (at == 0) return 0;
  for (ChainKind kind : kinds)
    app.drawing.put<std::uint32_t>(std::uint64_t{at} + chain_shape(kind).head_field, 0);
  return 1;
}

}  // namespace

std::string text_op_name(TextKind kind, std::string_view letter_name) {
  std::string name(letter_name);
  if (kind == TextKind::kLetter) return name;
  for (const char* from : {"letter", "Letter"}) {
    const std::size_t at = name.find(from);
    if (at != std::string::npos) name.replace(at, 6, from[0] == 'l' ? "english" : "English");
  }
  return name;
}

int& now_text(App& app, TextKind kind) {
  return kind == TextKind::kLetter ? app.in.nowletter : app.in.nowenglish;
}

void style_from_settings(const Settings& s, TextRecord& t, unsigned parts) {
  copy_style(s, t, parts);
}

void style_to_settings(const TextRecord& t, Settings& s, unsigned parts) {
  copy_style(t, s, parts);
}

void copy_text_style(const TextRecord& from, TextRecord& to, unsigned parts) {
  copy_style(from, to, parts);
}

bool entry_matches(App& app, TextKind kind) {
  const int wanted = kind == TextKind::kLetter ? 0 : 1;
  if (app.in.englishentry == wanted) return true;
  message(app.ui, "CAUTION",
          app.in.englishentry == 1 ? "英語が選ばれています" : "日本語が選ばれています");
  return false;
}

int settext(App& app, TextKind kind, int layer) {
  if (app.text.buffer.empty()) return 0;
  const TextRecord record = record_at(app.settings, {app.in.nowpoint.x, app.in.nowpoint.y});
  return append_text(app, kind, record, app.text.buffer, layer, text_op_name(kind, "setletter"));
}

int SetZeroStr(App& app, TextKind kind, DPoint anchor, int layer) {
  const int n = append_text(app, kind, record_at(app.settings, anchor), {}, layer,
                            text_op_name(kind, "SetZeroStrLetter"));
  if (n > 0) app.text.caret(kind) = CaretRecord{1, 0, 0};
  return n;
}

int nearesttext(App& app, TextKind kind, DPoint point, DPoint& anchor, int layer) {
  const ChainKind chain = text_chain(kind);
  const std::uint32_t layer_at =
      layer_with_chain(app, layer, chain, text_op_name(kind, "nearestletter").c_str());
  if (layer_at == 0) return 0;
  return nearest_anchor<TextRecord>(app.drawing, layer_at, chain, point, anchor);
}

int gettext(App& app, TextKind kind, int n, TextRecord& out, int layer) {
  if (n == 0) return 0;
  const std::uint32_t at = find_text(app, kind, n, layer, "getletter");
  if (at == 0) return 0;
  out = app.drawing.get<TextRecord>(at);
  return n;
}

std::optional<std::string> gettextstr(App& app, TextKind kind, int n, TextRecord& out, int layer) {
  if (n == 0) return std::nullopt;
  const std::uint32_t at = find_text(app, kind, n, layer, "getletterstr");
  if (at == 0) return std::nullopt;
  out = app.drawing.get<TextRecord>(at);
  return text_bytes(app.drawing, out);
}

std::string text_bytes(const Block& block, const TextRecord& record) {
  if (record.length <= 0) return {};
  const auto size = static_cast<std::uint64_t>(record.length);
  if (!block.contains(record.chars, size)) return {};
  const auto* from = reinterpret_cast<const char*>(block.data()) + record.chars;
  return std::string(from, static_cast<std::size_t>(size));
}

int textmove(App& app, TextKind kind, int n, double x, double y, int layer) {
  const std::uint32_t at = find_text(app, kind, n, layer, "lettermove");
  if (at == 0) return 0;
  app.drawing.put<double>(std::uint64_t{at} + offsetof(TextRecord, x), x);
  app.drawing.put<double>(std::uint64_t{at} + offsetof(TextRecord, y), y);
  return n;
}

int textnow(App& app, TextKind kind, int n, int layer) {
  const std::uint32_t at = find_text(app, kind, n, layer, "letternow");
  if (at == 0 || !put_chars(app, at, app.text.buffer)) return 0;
  TextRecord record = app.drawing.get<TextRecord>(at);
  style_from_settings(app.settings, record, kTextStyle);
  app.drawing.put(at, record);
  return n;
}

int textnowparts(App& app, TextKind kind, int n, unsigned parts, int layer) {
  const std::uint32_t at = find_text(app, kind, n, layer, "letternowallparam");
  if (at == 0) return 0;
  TextRecord record = app.drawing.get<TextRecord>(at);
  style_from_settings(app.settings, record, parts);
  app.drawing.put(at, record);
  return n;
}

int textnowstr(App& app, TextKind kind, int n, int layer) {
  const std::uint32_t at = find_text(app, kind, n, layer, "letternowstr");
  if (at == 0 || !put_chars(app, at, app.text.buffer)) return 0;
  return n;
}

int textcut(App& app, TextKind kind, int n, int offset, int layer) {
  if (!entry_matches(app, kind)) return 0;
  const std::uint32_t at = find_text(app, kind, n, layer, "lettercut");
  if (at == 0) return 0;
  const auto record = app.drawing.get<TextRecord>(at);
  if (offset <= 0 || offset >= record.length) return 0;
  const std::string text = text_bytes(app.drawing, record);
  app.text.buffer = text.substr(static_cast<std::size_t>(offset));
  app.drawing.put<std::uint8_t>(std::uint64_t{record.chars} + static_cast<std::uint32_t>(offset),
                                0);
  app.drawing.put<std::int32_t>(std::uint64_t{at} + offsetof(TextRecord, length), offset);
  return 1;
}

int textcliccut(App& app, TextKind kind, int n, int layer) {
  return range_operation(app, kind, n, layer, RangeOp::kCut, text_op_name(kind, "lettercliccut"));
}

int textcliccopy(App& app, TextKind kind, int n, int layer) {
  return range_operation(app, kind, n, layer, RangeOp::kCopy, text_op_name(kind, "lettercliccopy"));
}

int textclicpaste(App& app, TextKind kind, int n, int layer) {
  return replace_range(app, kind, n, "letterclicpaste", layer);
}

int textclicdel(App& app, TextKind kind, int n, int layer) {
  return range_operation(app, kind, n, layer, RangeOp::kDelete,
                         text_op_name(kind, "letterclicdel"));
}

int replace_range(App& app, TextKind kind, int n, const char* caption, int layer) {
  return range_operation(app, kind, n, layer, RangeOp::kPaste, text_op_name(kind, caption));
}

int deltext(App& app, TextKind kind, int n, int layer) {
  const std::uint64_t slot =
      find_element_slot(app, n, layer, text_chain(kind), text_op_name(kind, "delletter").c_str());
  if (slot == 0) return 0;
  Block& block = app.drawing;
  const auto record = block.get<TextRecord>(block.get<std::uint32_t>(slot));
  block.put<std::uint32_t>(slot, record.next);
  app.in.nowpoint = PointDir{record.x, record.y, 0.0};
  app.in.nowpointvalid = 1;
  return n;
}

int totaltext(App& app, TextKind kind, int layer) {
  const std::uint32_t at = existing_layer(app, layer, text_op_name(kind, "totalletter").c_str());
  if (at == 0) return 0;
  int count = 0;
  for_each_in_chain(app.drawing, at, text_chain(kind), [&](int n, std::uint32_t) { count = n; });
  return count;
}

int alltextdel(App& app, TextKind kind, int layer) {
  return detach(app, layer, {text_chain(kind)}, text_op_name(kind, "allletterdel").c_str());
}

int allstrdel(App& app, int layer) {
  return detach(app, layer, {ChainKind::kLetters, ChainKind::kEnglishes}, "allstrdel");
}

int allskldel(App& app, int layer, Chains chains) {
  if (chains == Chains::kLinesAndRegions)
    return detach(app, layer, {ChainKind::kLines, ChainKind::kRegions}, "allskldel");
  return detach(app, layer,
                {ChainKind::kLines, ChainKind::kRegions, ChainKind::kLetters, ChainKind::kEnglishes,
                 ChainKind::kBitmaps},
                "allskldel");
}

bool is_page_mark(std::string_view bytes) {
  if (bytes.size() < 3 || bytes.front() != '-' || bytes.back() != '-') return false;
  return std::all_of(bytes.begin() + 1, bytes.end() - 1,
                     [](char c) { return c >= '0' && c <= '9'; });
}

int letterpagestrnum(App& app, int layer) {
  const std::uint32_t at = existing_layer(app, layer, "letterpagestrnum");
  if (at == 0) return 0;
  int found = 0;
  for_each_in_chain(app.drawing, at, ChainKind::kLetters, [&](int n, std::uint32_t record) {
    if (is_page_mark(text_bytes(app.drawing, app.drawing.get<TextRecord>(record)))) found = n;
  });
  return found;
}

int textpickup(App& app, TextKind kind, unsigned parts, bool chars) {
  if (!entry_matches(app, kind)) return 0;
  TextRecord record;
  const std::optional<std::string> text =
      gettextstr(app, kind, now_text(app, kind), record, app.in.nowlayer);
  if (!text) return 0;
  if (chars) app.text.buffer = *text;
  style_to_settings(record, app.settings, parts);
  return 1;
}

}  // namespace daub
