#include "shell/script.h"

#include <charconv>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <map>
#include <sstream>
#include <vector>

#include "drawing/chain.h"
#include "drawing/layers.h"
#include "model/app.h"
#include "model/fingerprint.h"
#include "paint/canvas.h"
#include "picture/bmp_file.h"
#include "platform/atomic_file.h"
#include "platform/cp932.h"
#include "platform/dialog.h"
#include "platform/script_ui.h"
#include "resources/command_filter.h"
#include "shell/window.h"

namespace daub {

namespace {

// One script line split into words; the last argument of a verb may take the
// rest of the line, blanks included.
class Words {
 public:
  explicit Words(const std::string& line) : line_(line) {}

  // The next blank-separated word, or "" at the end.
  std::string next() {
    skip_blanks();
    std::size_t start = pos_;
    while (pos_ < line_.size() && !is_blank(line_[pos_])) ++pos_;
    return line_.substr(start, pos_ - start);
  }
  // Everything left, without the blanks around it.
  std::string rest() {
    skip_blanks();
    std::size_t end = line_.size();
    while (end > pos_ && is_blank(line_[end - 1])) --end;
    std::string r = line_.substr(pos_, end - pos_);
    pos_ = line_.size();
    return r;
  }
  bool at_end() {
    skip_blanks();
    return pos_ >= line_.size();
  }

 private:
  static bool is_blank(char c) { return c == ' ' || c == '\t' || c == '\r'; }
  void skip_blanks() {
    while (pos_ < line_.size() && is_blank(line_[pos_])) ++pos_;
  }
  const std::string& line_;
  std::size_t pos_ = 0;
};

bool parse_int(const std::string& s, int& out) {
  if (s.empty()) return false;
  const char* first = s.data();
  if (*first == '+') ++first;
  auto [end, ec] = std::from_chars(first, s.data() + s.size(), out);
  return ec == std::errc() && end == s.data() + s.size();
}

// Reads `count` integers; false when one is missing or not a number, or when
// more words follow.
bool read_ints(Words& w, int count, std::vector<int>& out, std::string& error) {
  out.assign(count, 0);
  for (int i = 0; i < count; ++i) {
    std::string word = w.next();
    if (!parse_int(word, out[i])) {
      error = word.empty() ? "missing number" : "not a number: " + word;
      return false;
    }
  }
  if (!w.at_end()) {
    error = "unexpected words after the numbers";
    return false;
  }
  return true;
}

std::string fmt_double(double v) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.6f", v);
  return buf;
}

std::string fmt_point(const PointDir& p, int valid) {
  if (!valid) return "none";
  return fmt_double(p.x) + "," + fmt_double(p.y) + "," + fmt_double(p.angle);
}

bool write_bytes_to(const std::string& path, const std::vector<std::uint8_t>& bytes,
                    std::string& error) {
  if (write_file_atomically(path, bytes.data(), bytes.size())) return true;
  error = "cannot write " + path;
  return false;
}

std::optional<std::vector<std::uint8_t>> read_file_for(const std::string& path,
                                                       std::string& error) {
  auto bytes = read_whole_file(path);
  if (!bytes) error = "cannot read " + path;
  return bytes;
}

// Sends each byte of code page 932 text as one character message, handled
// before the next is sent.
void send_chars(App& app, const std::string& utf8) {
  for (unsigned char c : utf8_to_cp932(utf8)) on_char(app, c, 0);
}

// An input method's commit: every byte is queued before the first is
// handled, as committed characters arrive together.
void send_commit(App& app, const std::string& utf8) {
  post_chars(app, utf8_to_cp932(utf8), 1);
  pump_chars(app);
}

// The caret records as "state,a,b;state,a,b" (letter, english).
std::string fmt_carets(const App& app) {
  std::string out;
  for (const CaretRecord& c : app.text.carets)
    out += (out.empty() ? "" : ";") + std::to_string(c.state) + "," + std::to_string(c.a) + "," +
           std::to_string(c.b);
  return out;
}

void drag(App& app, int x1, int y1, int x2, int y2, int steps) {
  on_lbutton_down(app, x1, y1);
  for (int i = 1; i <= steps; ++i) {
    // The distance between two ints may pass the int range; a point between
    // them never does.
    int x = static_cast<int>(x1 + (static_cast<long long>(x2) - x1) * i / steps);
    int y = static_cast<int>(y1 + (static_cast<long long>(y2) - y1) * i / steps);
    on_mouse_move(app, x, y);
  }
  on_lbutton_up(app, x2, y2);
}

bool run_pointer(App& app, const std::string& verb, Words& w, std::string& error) {
  std::vector<int> v;
  if (verb == "drag") {
    std::string x1 = w.next(), y1 = w.next(), x2 = w.next(), y2 = w.next(), n = w.next();
    v.assign(5, 8);
    bool ok = parse_int(x1, v[0]) && parse_int(y1, v[1]) && parse_int(x2, v[2]) &&
              parse_int(y2, v[3]) && (n.empty() || parse_int(n, v[4]));
    if (!ok || !w.at_end() || v[4] < 1 || v[4] > 100000) {
      error = "drag needs X1 Y1 X2 Y2 and an optional step count 1..100000";
      return false;
    }
    drag(app, v[0], v[1], v[2], v[3], v[4]);
    return true;
  }
  if (!read_ints(w, 2, v, error)) return false;
  if (verb == "press") on_lbutton_down(app, v[0], v[1]);
  if (verb == "move") on_mouse_move(app, v[0], v[1]);
  if (verb == "release") on_lbutton_up(app, v[0], v[1]);
  if (verb == "rpress") on_rbutton_down(app, v[0], v[1]);
  if (verb == "click") {
    on_lbutton_down(app, v[0], v[1]);
    on_lbutton_up(app, v[0], v[1]);
  }
  return true;
}

bool parse_dialog_answer(Words& w, ScriptAnswer& a, std::string& error) {
  a.kind = ScriptAnswer::kDialog;
  for (std::string word = w.next(); !word.empty(); word = w.next()) {
    if (word == "drag") {
      if (!parse_int(w.next(), a.drag_dx) || !parse_int(w.next(), a.drag_dy)) {
        error = "drag needs DX DY";
        return false;
      }
      a.dragged = true;
      continue;
    }
    if (word == "click") {
      if (!parse_int(w.next(), a.click) || !w.at_end()) {
        error = "click needs one control id at the end";
        return false;
      }
      return true;
    }
    std::size_t eq = word.find('=');
    int id = 0;
    if (eq == std::string::npos || !parse_int(word.substr(0, eq), id)) {
      error = "dialog values are written ID=TEXT: " + word;
      return false;
    }
    a.values.emplace_back(id, word.substr(eq + 1));
  }
  error = "answer dialog needs a click ID";
  return false;
}

bool run_answer(ScriptUi& ui, Words& w, std::string& error) {
  std::string kind = w.next();
  ScriptAnswer a;
  static const std::map<std::string, ScriptAnswer::Kind> plain = {{"ok", ScriptAnswer::kOk},
                                                                  {"cancel", ScriptAnswer::kCancel},
                                                                  {"yes", ScriptAnswer::kYes},
                                                                  {"no", ScriptAnswer::kNo}};
  if (auto it = plain.find(kind); it != plain.end()) {
    a.kind = it->second;
    if (!w.at_end()) {
      error = "answer " + kind + " takes nothing more";
      return false;
    }
  } else if (kind == "input" || kind == "file" || kind == "print") {
    a.kind = kind == "input" ? ScriptAnswer::kInput
                             : (kind == "file" ? ScriptAnswer::kFile : ScriptAnswer::kPrint);
    a.text = w.rest();
    if (a.text.empty() && kind != "input") {
      error = "answer " + kind + " needs a path";
      return false;
    }
  } else if (kind == "color") {
    std::vector<int> c;
    if (!read_ints(w, 3, c, error)) return false;
    for (int v : c) {
      if (v < 0 || v > 255) {
        error = "colour channels are 0..255";
        return false;
      }
    }
    a.kind = ScriptAnswer::kColor;
    a.color = rgb(c[0], c[1], c[2]);
    a.text = std::to_string(c[0]) + " " + std::to_string(c[1]) + " " + std::to_string(c[2]);
  } else if (kind == "font") {
    // answer font HEIGHT WEIGHT ITALIC FACE: the chooser's font.
    std::vector<int> v(3);
    for (int& n : v) {
      if (!parse_int(w.next(), n)) {
        error = "answer font needs HEIGHT WEIGHT ITALIC and a face";
        return false;
      }
    }
    const std::string face = utf8_to_cp932(w.rest());
    if (face.empty() || face.size() > 31) {
      error = "answer font needs a face of at most 31 bytes";
      return false;
    }
    a.kind = ScriptAnswer::kFont;
    a.font.height = v[0];
    a.font.weight = v[1];
    a.font.italic = static_cast<std::uint8_t>(v[2] != 0);
    std::memcpy(a.font.face_name, face.data(), face.size());
    a.text = std::to_string(v[0]) + " " + std::to_string(v[1]) + " " + std::to_string(v[2]) + " " +
             cp932_to_utf8(face);
  } else if (kind == "dialog") {
    if (!parse_dialog_answer(w, a, error)) return false;
  } else {
    error = "unknown answer: " + kind;
    return false;
  }
  a.source = kind;
  if (!a.text.empty()) a.source += " " + a.text;
  ui.queue(a);
  return true;
}

// A BMP file onto the clipboard, read as the program's own readers read it.
bool run_clipboard_bmp(App& app, const std::string& path, std::string& error) {
  BmpFileRead file = load_bmp_file(path);
  if (!file.opened) {
    error = "cannot read " + path;
    return false;
  }
  switch (file.read.problem) {
    case DibProblem::kNone:
      app.clipboard.set_dib(dib_to_packed(file.read.dib));
      return true;
    case DibProblem::kNotBmp:
      error = "not a BMP file: " + path;
      return false;
    case DibProblem::kTooLarge:
      error = "the picture is too large: " + path;
      return false;
    case DibProblem::kUnsupported:
      error = "a BMP form the program does not read: " + path;
      return false;
    default:
      error = "a damaged BMP file: " + path;
      return false;
  }
}

bool run_clipboard(App& app, Words& w, std::string& error) {
  std::string kind = w.next();
  if (kind == "clear" && w.at_end()) {
    app.clipboard.clear();
    return true;
  }
  std::string arg = w.rest();
  if (kind == "text") {
    app.clipboard.set_text(utf8_to_cp932(arg));
    return true;
  }
  if (kind != "bmp" && kind != "skl") {
    error = "clipboard takes text, bmp, skl or clear";
    return false;
  }
  if (kind == "bmp") return run_clipboard_bmp(app, arg, error);
  auto bytes = read_file_for(arg, error);
  if (!bytes) return false;
  app.clipboard.set_drawing(*bytes);
  return true;
}

bool run_save_clipboard(App& app, Words& w, std::string& error) {
  std::string kind = w.next();
  std::string path = w.rest();
  if (path.empty()) {
    error = "save-clipboard needs a form and a path";
    return false;
  }
  std::optional<std::vector<std::uint8_t>> bytes;
  if (kind == "text") {
    if (auto t = app.clipboard.text()) bytes.emplace(t->begin(), t->end());
  } else if (kind == "skl") {
    bytes = app.clipboard.drawing();
  } else if (kind == "bmp") {
    if (auto packed = app.clipboard.dib()) {
      DibRead read = dib_from_packed(*packed);
      if (read.ok()) bytes = dib_to_bmp_file(read.dib);
    }
  } else {
    error = "save-clipboard takes text, bmp or skl";
    return false;
  }
  if (!bytes) {
    error = "the clipboard holds no " + kind;
    return false;
  }
  return write_bytes_to(path, *bytes, error);
}

bool run_save(App& app, ScriptHost& host, const std::string& verb, Words& w, std::string& error) {
  if (verb == "save-canvas") {
    int n = 0;
    if (!parse_int(w.next(), n)) {
      error = "save-canvas needs a canvas number and a path";
      return false;
    }
    const std::string path = w.rest();
    if (path.empty()) {
      error = "save-canvas needs a canvas number and a path";
      return false;
    }
    const CanvasSlot* slot = canvas_slot(app, n);
    const std::vector<std::uint8_t> file =
        slot != nullptr ? dib_to_bmp_file(slot->image) : std::vector<std::uint8_t>{};
    if (file.empty()) {
      error = "there is no canvas " + std::to_string(n);
      return false;
    }
    return write_bytes_to(path, file, error);
  }
  std::string path = w.rest();
  if (path.empty()) {
    error = verb + " needs a path";
    return false;
  }
  if (verb == "save-drawing") return write_bytes_to(path, app.drawing.bytes(), error);
  if (verb == "save-spare") {
    if (app.spare) return write_bytes_to(path, app.spare->bytes(), error);
    error = "there is no spare screen";
    return false;
  }
  if (verb == "save-settings") {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(&app.settings);
    return write_bytes_to(path, std::vector<std::uint8_t>(bytes, bytes + sizeof(Settings)), error);
  }
  if (verb == "save-shadow") {
    if (app.tracing.shadow.empty()) {
      error = "there is no shadow";
      return false;
    }
    return write_bytes_to(path, app.tracing.shadow, error);
  }
  if (verb == "save-window" ? host.save_window(path) : host.save_screen(path)) return true;
  error = "cannot write " + path;
  return false;
}

// A folder as the log shows it: relative to where the run started, so that
// logs do not depend on the temporary folder a test runs in.
std::string shown_folder(const std::string& folder) {
  std::error_code error;
  const std::filesystem::path rel =
      std::filesystem::relative(folder, std::filesystem::current_path(error), error);
  return error || rel.empty() ? folder : rel.string();
}

// One chain of the current layer as `lines` and `bitmaps` log it: a head row
// with the layer and the count, then `row(number, offset)` an element.
template <typename Row>
void log_chain(App& app, ScriptUi& ui, ChainKind kind, const char* head, Row row) {
  const int layer = app.in.nowlayer;
  std::vector<std::vector<std::string>> rows;
  if (const std::uint32_t layer_at = existing_layer(app, layer, head))
    for_each_in_chain(app.drawing, layer_at, kind,
                      [&](int n, std::uint32_t at) { rows.push_back(row(n, at)); });
  ui.log_line({head, std::to_string(layer), std::to_string(rows.size())});
  for (const auto& r : rows) ui.log_line(r);
}

// A line: its number, kind, both ends (x,y,angle) and pen (style, width, colour).
void log_lines(App& app, ScriptUi& ui) {
  log_chain(app, ui, ChainKind::kLines, "lines", [&](int n, std::uint32_t at) {
    const auto line = app.drawing.get<LineRecord>(at);
    const LineGeometry& g = line.geom;
    return std::vector<std::string>{"line",
                                    std::to_string(n),
                                    std::to_string(g.kind),
                                    fmt_point({g.x0, g.y0, g.a0}, 1),
                                    fmt_point({g.x1, g.y1, g.a1}, 1),
                                    "pen=" + std::to_string(line.pen.style) + "," +
                                        std::to_string(line.pen.width) + "," +
                                        std::to_string(line.pen.color)};
  });
}

// A bitmap element: its number, anchor and rate.
void log_bitmaps(App& app, ScriptUi& ui) {
  log_chain(app, ui, ChainKind::kBitmaps, "bitmaps", [&](int n, std::uint32_t at) {
    const auto b = app.drawing.get<BitmapRecord>(at);
    return std::vector<std::string>{"bitmap", std::to_string(n),
                                    fmt_double(b.x) + "," + fmt_double(b.y),
                                    "rate=" + fmt_double(b.rate)};
  });
}

// The canvases as `canvases` logs them: one row a slot with its picture's
// size (0x0 for none), its place, whether it is shown and a fingerprint of
// the picture's bytes (equal pictures, equal fingerprints).
void log_canvases(App& app, ScriptUi& ui) {
  for (int n = 1; n <= kCanvasSlots; ++n) {
    const CanvasSlot& slot = *canvas_slot(app, n);
    const DibInfo info = dib_info(slot.image);
    const bool none = slot.image.empty();
    char print[24];
    std::snprintf(print, sizeof print, "%016llx",
                  static_cast<unsigned long long>(fingerprint(slot.image)));
    ui.log_line(
        {"canvas", std::to_string(n),
         std::to_string(none ? 0 : info.width) + "x" + std::to_string(none ? 0 : info.height),
         fmt_double(slot.x) + "," + fmt_double(slot.y), "shown=" + std::to_string(slot.shown),
         print});
  }
}

}  // namespace

std::vector<std::string> reading_fields(const App& app) {
  const Reading& r = app.reading;
  const Settings& s = app.settings;
  auto n = [](const char* name, long long v) {
    return std::string(name) + "=" + std::to_string(v);
  };
  return {"reading",
          n("pageno", r.pageno),
          n("stored", r.storeddrawing ? 1 : 0),
          "pagefolder=" + shown_folder(app.files.page_folder),
          "workingfolder=" + shown_folder(app.files.working_folder),
          "sklname=" + app.files.sklname,
          "print=" + std::to_string(r.printfirst) + "," + std::to_string(r.printlast) + "," +
              std::to_string(r.printstep),
          "printorigin=" + fmt_double(s.print_origin_x) + "," + fmt_double(s.print_origin_y),
          "magnification=" + fmt_double(s.print_magnification),
          "lattice=" + fmt_double(s.lattice_width) + "," + fmt_double(s.lattice_height) + "," +
              fmt_double(s.lattice_interval) + "," + std::to_string(s.lattice_pen.color)};
}

std::vector<std::string> state_fields(const App& app) {
  const Interaction& in = app.in;
  auto n = [](const char* name, long long v) {
    return std::string(name) + "=" + std::to_string(v);
  };
  return {"state",
          n("mousecmd", in.mousecmd),
          n("dispmode", in.dispmode),
          n("nowlayer", in.nowlayer),
          n("layers", layer_count(app.drawing)),
          "nowpoint=" + fmt_point(in.nowpoint, in.nowpointvalid),
          "heldpoint=" + fmt_point(in.heldpoint, in.heldpointvalid),
          n("nowline", in.nowlinevalid),
          n("nowletter", in.nowletter),
          n("nowenglish", in.nowenglish),
          n("nowbmp", in.nowbmp),
          n("nowrgn", in.nowrgn),
          n("englishentry", in.englishentry),
          n("readingmode", in.readingmode),
          "scale=" + fmt_double(app.settings.scale),
          "vieworigin=" + std::to_string(app.view.vieworigin_x) + "," +
              std::to_string(app.view.vieworigin_y),
          "pagename=" + app.files.pagename,
          "file=" + app.files.current_file,
          "stocks=" + std::to_string(app.line_stock.size()) + "," +
              std::to_string(app.text_stocks[0].size()) + "," +
              std::to_string(app.text_stocks[1].size()) + "," +
              std::to_string(app.bitmap_stock.size()),
          "enclosure=" + std::to_string(app.enclosure.size()),
          std::string("spare=") + (app.spare ? "1" : "0"),
          "caret=" + fmt_carets(app),
          "textbuffer=" + cp932_to_utf8(app.text.buffer)};
}

bool run_script_line(App& app, ScriptUi& ui, ScriptHost& host, const std::string& line,
                     std::string& error) {
  Words w(line);
  std::string verb = w.next();
  if (verb.empty() || verb[0] == '#') return true;
  std::vector<int> v;
  if (verb == "size") {
    if (!read_ints(w, 2, v, error)) return false;
    if (v[0] < 1 || v[1] < 1 || v[0] > 16384 || v[1] > 16384) {
      error = "size must be 1..16384 pixels each way";
      return false;
    }
    host.resize(v[0], v[1]);
    return true;
  }
  if (verb == "command") {
    // A command id is the whole 32-bit wParam.
    std::string word = w.next();
    std::uint32_t id = 0;
    auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), id);
    if (word.empty() || ec != std::errc() || end != word.data() + word.size() || !w.at_end()) {
      error = "command needs one id 0..4294967295";
      return false;
    }
    on_command(app, id);
    return true;
  }
  if (verb == "press" || verb == "move" || verb == "release" || verb == "click" ||
      verb == "rpress" || verb == "drag")
    return run_pointer(app, verb, w, error);
  if (verb == "key") {
    std::string key = w.next();
    if ((key != "back" && key != "delete") || !w.at_end()) {
      error = "key takes back or delete";
      return false;
    }
    on_key_down(app, key == "back" ? kVkBack : kVkDelete);
    return true;
  }
  if (verb == "char" || verb == "ime") {
    verb == "ime" ? send_commit(app, w.rest()) : send_chars(app, w.rest());
    return true;
  }
  if (verb == "charcode") {
    if (!read_ints(w, 1, v, error)) return false;
    if (v[0] < 0 || v[0] > 255) {
      error = "charcode takes a byte 0..255";
      return false;
    }
    on_char(app, v[0], 0);
    return true;
  }
  if (verb == "answer") return run_answer(ui, w, error);
  if (verb == "clipboard") return run_clipboard(app, w, error);
  if (verb == "save-clipboard") return run_save_clipboard(app, w, error);
  if (verb == "save-screen" || verb == "save-window" || verb == "save-drawing" ||
      verb == "save-canvas" || verb == "save-settings" || verb == "save-shadow" ||
      verb == "save-spare")
    return run_save(app, host, verb, w, error);
  if (verb == "close") {
    if (!w.at_end()) {
      error = "close takes nothing more";
      return false;
    }
    ui.log_line({"close", on_close(app) ? "closes" : "stays"});
    return true;
  }
  if (verb == "commands") {
    // What the command list shows for a query: the count, then one row a
    // command in the list's order.
    const std::vector<const CommandLabel*> found = filter_commands(w.rest());
    ui.log_line({"commands", std::to_string(found.size())});
    for (const CommandLabel* row : found)
      ui.log_line(
          {"command", std::to_string(row->id), row->label, "F" + std::to_string(row->family)});
    return true;
  }
  if (verb == "state" || verb == "reading" || verb == "lines" || verb == "bitmaps" ||
      verb == "canvases") {
    if (!w.at_end()) {
      error = verb + " takes nothing more";
      return false;
    }
    if (verb == "state") ui.log_line(state_fields(app));
    if (verb == "reading") ui.log_line(reading_fields(app));
    if (verb == "lines") log_lines(app, ui);
    if (verb == "bitmaps") log_bitmaps(app, ui);
    if (verb == "canvases") log_canvases(app, ui);
    return true;
  }
  error = "unknown command: " + verb;
  return false;
}

int run_script(App& app, ScriptUi& ui, ScriptHost& host, std::istream& script) {
  int errors = 0;
  int number = 0;
  for (std::string line; std::getline(script, line);) {
    ++number;
    std::string error;
    if (!run_script_line(app, ui, host, line, error)) {
      ++errors;
      ui.log_line({"error", std::to_string(number), error});
    }
    // One paint for all the repaints the line asked for.
    ui.flush_repaint();
  }
  return errors;
}

}  // namespace daub
