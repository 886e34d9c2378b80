#include "platform/script_ui.h"

#include <cstring>
#include <filesystem>

#include "platform/dialog.h"

namespace daub {

namespace {

// The length of the well-formed UTF-8 sequence at s[i], or 0 when the bytes
// there are not one (a stray continuation byte, a cut or overlong sequence, a
// surrogate, a code point past U+10FFFF).
std::size_t utf8_length(const std::string& s, std::size_t i) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
  const unsigned char c = byte(i);
  if (c < 0x80) return 1;
  const std::size_t n = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC2 ? 2 : 0;
  if (n == 0 || c > 0xF4 || i + n > s.size()) return 0;
  for (std::size_t k = 1; k < n; ++k)
    if ((byte(i + k) & 0xC0) != 0x80) return 0;
  const unsigned char d = byte(i + 1);
  if ((c == 0xE0 && d < 0xA0) || (c == 0xED && d > 0x9F) || (c == 0xF0 && d < 0x90) ||
      (c == 0xF4 && d > 0x8F))
    return 0;
  return n;
}

// A log field on one line of valid UTF-8: line breaks and tabs as \n, \r,
// \t, a backslash doubled, every other control byte and every byte that is
// not part of valid UTF-8 as \xNN.
std::string escape_field(const std::string& s) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size();) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    const std::size_t n = utf8_length(s, i);
    if (c == '\n') {
      out += "\\n";
    } else if (c == '\r') {
      out += "\\r";
    } else if (c == '\t') {
      out += "\\t";
    } else if (c == '\\') {
      out += "\\\\";
    } else if (n == 0 || c < 0x20 || c == 0x7F) {
      out += {'\\', 'x', kHex[c >> 4], kHex[c & 15]};
    } else {
      out.append(s, i, n);
      i += n;
      continue;
    }
    ++i;
  }
  return out;
}

bool fits_message(const ScriptAnswer& a, MessageButtons buttons) {
  const bool yes_no = a.kind == ScriptAnswer::kYes || a.kind == ScriptAnswer::kNo;
  if (buttons == MessageButtons::kYesNo) return yes_no;
  if (buttons == MessageButtons::kYesNoCancel) return yes_no || a.kind == ScriptAnswer::kCancel;
  return a.kind == ScriptAnswer::kOk || a.kind == ScriptAnswer::kCancel;
}

bool fits_dialog(const ScriptAnswer& a, const DialogTemplate& tmpl) {
  switch (a.kind) {
    case ScriptAnswer::kOk:
    case ScriptAnswer::kCancel:
    case ScriptAnswer::kDialog:
      return true;
    case ScriptAnswer::kInput:
      return tmpl.control(292) != nullptr;  // the one-line input field
    default:
      return false;
  }
}

// Puts a dialog answer's values into the controls and clicks its button.
void apply_dialog_answer(const ScriptAnswer& a, DialogState& state, DialogProc& proc) {
  if (a.kind == ScriptAnswer::kCancel) {
    proc.command(state, kIdCancel);
    return;
  }
  if (a.kind == ScriptAnswer::kInput) state.set_text(292, a.text);
  for (const auto& [id, value] : a.values) {
    const ControlTemplate* c = state.dialog_template().control(id);
    bool toggle = c && (c->kind == ControlKind::kCheck || c->kind == ControlKind::kRadio);
    if (toggle)
      state.set_checked(id, value == "on");
    else
      state.set_text(id, value);
  }
  if (a.dragged) proc.drag(state, a.drag_dx, a.drag_dy);
  proc.command(state, a.kind == ScriptAnswer::kDialog ? a.click : kIdOk);
}

// The prompt of a one-line input (its label 589) or "", then the first
// value of every edit, check and radio control.
std::vector<std::string> open_fields(const DialogTemplate& tmpl, const DialogState& state) {
  std::vector<std::string> fields = {"open", tmpl.title,
                                     tmpl.control(589) ? state.text(589) : std::string()};
  for (const ControlTemplate& c : tmpl.controls) {
    if (c.id <= 0) continue;
    if (c.kind == ControlKind::kEdit || c.kind == ControlKind::kMultiEdit ||
        c.kind == ControlKind::kCombo)
      fields.push_back(std::to_string(c.id) + "=" + state.text(c.id));
    else if (c.kind == ControlKind::kCheck || c.kind == ControlKind::kRadio)
      fields.push_back(std::to_string(c.id) + "=" + (state.checked(c.id) ? "on" : "off"));
  }
  return fields;
}

// A "list" line for each combo box whose entries differ from `shown`, which
// then holds them.
void log_lists(ScriptUi& ui, const DialogTemplate& tmpl, const DialogState& state,
               std::map<int, std::vector<std::string>>& shown) {
  for (const ControlTemplate& c : tmpl.controls) {
    if (c.kind != ControlKind::kCombo || shown[c.id] == state.items(c.id)) continue;
    shown[c.id] = state.items(c.id);
    std::string joined;
    for (const std::string& item : shown[c.id]) joined += (joined.empty() ? "" : "|") + item;
    ui.log_line({"list", tmpl.title, std::to_string(c.id) + "=" + joined});
  }
}

}  // namespace

void ScriptUi::log_line(const std::vector<std::string>& fields) {
  if (!log_) return;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i) *log_ << '\t';
    *log_ << escape_field(fields[i]);
  }
  *log_ << '\n';
  log_->flush();
}

bool ScriptUi::take(const std::function<bool(const ScriptAnswer&)>& fits, ScriptAnswer& out) {
  if (answers_.empty() || !fits(answers_.front())) return false;
  out = std::move(answers_.front());
  answers_.pop_front();
  return true;
}

MessageAnswer ScriptUi::message_box(const std::string& caption, const std::string& text,
                                    MessageButtons buttons) {
  log_line({"message", caption, text});
  ScriptAnswer a;
  if (take([&](const ScriptAnswer& x) { return fits_message(x, buttons); }, a)) {
    switch (a.kind) {
      case ScriptAnswer::kYes:
        return MessageAnswer::kYes;
      case ScriptAnswer::kNo:
        return MessageAnswer::kNo;
      case ScriptAnswer::kCancel:
        return MessageAnswer::kCancel;
      default:
        return MessageAnswer::kOk;
    }
  }
  return buttons == MessageButtons::kOk ? MessageAnswer::kOk : MessageAnswer::kCancel;
}

int ScriptUi::run_dialog(const DialogTemplate& tmpl, DialogProc& proc) {
  DialogState state(tmpl);
  proc.init(state);
  log_line(open_fields(tmpl, state));
  std::map<int, std::vector<std::string>> lists;
  log_lists(*this, tmpl, state, lists);
  std::vector<std::string> taken;
  ScriptAnswer a;
  // A click that leaves the dialog open (an empty input, a preview button)
  // lets the next queued answer go on with it.
  while (!state.ended() && take([&](const ScriptAnswer& x) { return fits_dialog(x, tmpl); }, a)) {
    taken.push_back(a.source);
    apply_dialog_answer(a, state, proc);
    if (!state.ended()) log_lists(*this, tmpl, state, lists);
  }
  if (!state.ended()) {
    taken.push_back("cancel (no answer)");
    state.end(0);
  }
  std::string joined;
  for (const std::string& t : taken) joined += (joined.empty() ? "" : "; ") + t;
  log_line({"dialog", tmpl.title, joined});
  return state.result();
}

bool ScriptUi::take_choice(ScriptAnswer::Kind kind, const std::string& title, ScriptAnswer& out) {
  auto fits = [kind](const ScriptAnswer& x) {
    return x.kind == kind || x.kind == ScriptAnswer::kCancel;
  };
  if (!take(fits, out)) {
    log_line({"dialog", title, "cancel (no answer)"});
    return false;
  }
  log_line({"dialog", title, out.kind == ScriptAnswer::kCancel ? "cancel" : out.text});
  return out.kind == kind;
}

std::optional<FileChoice> ScriptUi::file_dialog(const FileDialogRequest& request) {
  ScriptAnswer a;
  if (!take_choice(ScriptAnswer::kFile, request.title, a)) return std::nullopt;
  std::filesystem::path p(a.text);
  if (p.is_relative()) p = std::filesystem::path(request.folder) / p;
  p = p.lexically_normal();
  return FileChoice{p.parent_path().string(), p.filename().string()};
}

std::optional<Colorref> ScriptUi::choose_color(Colorref) {
  ScriptAnswer a;
  if (!take_choice(ScriptAnswer::kColor, "color", a)) return std::nullopt;
  return a.color;
}

std::optional<LogFont> ScriptUi::choose_font(const LogFont& initial) {
  ScriptAnswer a;
  if (!take_choice(ScriptAnswer::kFont, "font", a)) return std::nullopt;
  LogFont f = initial;
  f.height = a.font.height;
  f.weight = a.font.weight;
  f.italic = a.font.italic;
  std::memcpy(f.face_name, a.font.face_name, sizeof f.face_name);
  return f;
}

namespace {
bool fits_print(const ScriptAnswer& x) {
  return x.kind == ScriptAnswer::kPrint || x.kind == ScriptAnswer::kOk ||
         x.kind == ScriptAnswer::kCancel;
}
}  // namespace

bool ScriptUi::take_printer(const char* title) {
  ScriptAnswer a;
  if (!take(fits_print, a)) {
    log_line({"dialog", title, "cancel (no answer)"});
    return false;
  }
  log_line({"dialog", title, a.source});
  if (a.kind == ScriptAnswer::kPrint) printer_ = a.text;
  return a.kind != ScriptAnswer::kCancel && !printer_.empty();
}

std::unique_ptr<PrintJob> ScriptUi::print_dialog() {
  if (!take_printer("print")) return nullptr;
  return print_job_factory_ ? print_job_factory_(printer_) : nullptr;
}

bool ScriptUi::print_setup() { return take_printer("print setup"); }

void ScriptUi::set_title(const std::string& utf8) {
  if (utf8 == title_) return;
  title_ = utf8;
  log_line({"title", utf8});
}

void ScriptUi::repaint() {
  ++repaints_;
  repaint_due_ = true;
}

bool ScriptUi::flush_repaint() {
  if (!repaint_due_) return false;
  repaint_due_ = false;
  ++paints_;
  if (repaint_hook_) repaint_hook_();
  return true;
}

}  // namespace daub
