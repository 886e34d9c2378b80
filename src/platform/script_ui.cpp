#include "platform/script_ui.h"

#include <filesystem>

#include "platform/dialog.h"

namespace daub {

namespace {

std::string escape_field(const std::string& s) {
  std::string out;
  out.reserve(s.size());
  for (char c : s) {
    if (c == '\n')
      out += "\\n";
    else if (c == '\r')
      out += "\\r";
    else if (c == '\t')
      out += "\\t";
    else
      out += c;
  }
  return out;
}

bool fits_message(const ScriptAnswer& a, MessageButtons buttons) {
  if (buttons == MessageButtons::kYesNo)
    return a.kind == ScriptAnswer::kYes || a.kind == ScriptAnswer::kNo;
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
  proc.command(state, a.kind == ScriptAnswer::kDialog ? a.click : kIdOk);
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
  std::vector<std::string> taken;
  ScriptAnswer a;
  // A click that leaves the dialog open (an empty input, a preview button)
  // lets the next queued answer go on with it.
  while (!state.ended() && take([&](const ScriptAnswer& x) { return fits_dialog(x, tmpl); }, a)) {
    taken.push_back(a.source);
    apply_dialog_answer(a, state, proc);
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
