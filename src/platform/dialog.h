#pragma once
// Dialogs as data: a template lists the controls with their numeric ids, kinds,
// labels and places; a toolkit-free procedure gives the behaviour. QtUi builds a
// QDialog from the template and forwards clicks by id; ScriptUi drives the same
// procedure from a script's answers.

#include <map>
#include <string>
#include <vector>

namespace daub {

class Dc;

enum class ControlKind {
  kStatic,
  kEdit,
  kMultiEdit,  // several lines; its text holds "\n" between them
  kButton,
  kDefaultButton,
  kRadio,
  kCheck,
  kGroup,
  kPreview,
  kCombo  // a dropped-down list; its text is the entry chosen
};

struct ControlTemplate {
  int id = 0;
  ControlKind kind = ControlKind::kStatic;
  std::string label;                        // UTF-8
  int x = 0, y = 0, width = 0, height = 0;  // dialog pixels
  int limit = 0;                            // edit fields: maximum characters, 0 = none
};

struct DialogTemplate {
  std::string name;   // resource name, e.g. "INPUTBOX"
  std::string title;  // UTF-8 caption
  int width = 0, height = 0;
  std::vector<ControlTemplate> controls;

  const ControlTemplate* control(int id) const;
};

// Control ids shared by every dialog.
constexpr int kIdOk = 1;
constexpr int kIdCancel = 2;

// The values of a running dialog's controls, read and written by id.
class DialogState {
 public:
  explicit DialogState(const DialogTemplate& tmpl) : template_(tmpl) {}

  const DialogTemplate& dialog_template() const { return template_; }

  std::string text(int id) const;
  // Stores the text, cut to the edit field's limit (in characters) if it has one.
  void set_text(int id, const std::string& utf8);
  bool checked(int id) const;
  void set_checked(int id, bool on);
  // Checks `id` and unchecks the other radio buttons of [first, last].
  void check_radio(int first, int last, int id);
  // The edit field read as one finite number ("%lf"); `current` when it is not one.
  double number(int id, double current) const;
  // A combo box's entries; its text() is the one chosen.
  const std::vector<std::string>& items(int id) const;
  void set_items(int id, std::vector<std::string> items);

  void end(int result) {
    ended_ = true;
    result_ = result;
  }
  bool ended() const { return ended_; }
  int result() const { return result_; }

  // Asks the host to redraw the preview area (the procedure's paint()).
  void request_preview() { preview_requested_ = true; }
  bool take_preview_request() {
    bool r = preview_requested_;
    preview_requested_ = false;
    return r;
  }

 private:
  const DialogTemplate& template_;
  std::map<int, std::string> texts_;
  std::map<int, bool> checks_;
  std::map<int, std::vector<std::string>> items_;
  bool ended_ = false;
  int result_ = 0;
  bool preview_requested_ = false;
};

class DialogProc {
 public:
  virtual ~DialogProc() = default;
  virtual void init(DialogState& state) = 0;
  // A button (or radio/check box) with this id was clicked.
  virtual void command(DialogState& state, int id) = 0;
  // Draws the dialog's preview in client pixels; most dialogs have none.
  virtual void paint(DialogState&, Dc&) {}
  // The left button was pressed on the dialog and released (dx, dy) client
  // pixels away; most dialogs ignore it.
  virtual void drag(DialogState&, int /*dx*/, int /*dy*/) {}
};

// Counts characters of UTF-8 text (for edit field limits).
std::size_t utf8_length(const std::string& s);

}  // namespace daub
