#pragma once
// Everything the core asks of the window system: message boxes, dialogs, file
// dialogs, the colour chooser, the window title, a synchronous repaint and the
// window's own device context. QtUi and ScriptUi implement it.

#include <memory>
#include <optional>
#include <string>

#include "platform/dc.h"

namespace daub {

struct DialogTemplate;
class DialogProc;

enum class MessageButtons { kOk, kYesNo, kYesNoCancel };
enum class MessageAnswer { kOk, kCancel, kYes, kNo };

enum class FileDialogKind { kOpen, kSave };

struct FileDialogRequest {
  FileDialogKind kind = FileDialogKind::kOpen;
  std::string title;   // e.g. "Get Draw skl file"
  std::string filter;  // "skl files(*.skl)|*.skl|All Files(*.*)|*.*"
  std::string folder;  // where the dialog starts
  std::string name;    // the remembered name shown in the name field
};

struct FileChoice {
  std::string folder;  // the directory the dialog ended in
  std::string name;    // the chosen file's name without folder
};

// A print job on the printer (or PDF file) the print dialog chose. Pages are
// drawn through a Dc in the page's device pixels, (0, 0) at the paper's
// top-left corner. The document starts only when asked, so a job whose first
// page never comes writes nothing.
class PrintJob {
 public:
  virtual ~PrintJob() = default;
  // HORZRES and VERTRES: the page in device pixels.
  virtual int page_width() const = 0;
  virtual int page_height() const = 0;
  // StartDoc; false when the document cannot be started.
  virtual bool start_document() = 0;
  // StartPage: the page's device context, valid until end_page; null when
  // the document was not started.
  virtual Dc* start_page() = 0;
  virtual void end_page() = 0;
  // EndDoc; false when the document could not be completed.
  virtual bool end_document() = 0;
};

class Ui {
 public:
  virtual ~Ui() = default;

  // A modal message box; caption and text are UTF-8.
  virtual MessageAnswer message_box(const std::string& caption, const std::string& text,
                                    MessageButtons buttons) = 0;
  // Runs a modal dialog; returns the result its procedure ended with
  // (kIdCancel's 0 when it was closed without one).
  virtual int run_dialog(const DialogTemplate& tmpl, DialogProc& proc) = 0;
  virtual std::optional<FileChoice> file_dialog(const FileDialogRequest& request) = 0;
  virtual std::optional<Colorref> choose_color(Colorref initial) = 0;
  // The system font chooser starting from `initial`: the font chosen (an
  // installed face, its height as a negative character height in pixels,
  // weight, italic, underline, strike-out; the other fields as given), or
  // nothing when cancelled.
  virtual std::optional<LogFont> choose_font(const LogFont& /*initial*/) { return std::nullopt; }
  // The system print dialog: the job on the chosen printer, or null when it
  // was cancelled or could not be shown. The choice stays for the next one.
  virtual std::unique_ptr<PrintJob> print_dialog() { return nullptr; }
  // The print dialog in set-up mode: the printer and paper chosen are kept
  // for the next print dialog; false when cancelled.
  virtual bool print_setup() { return false; }

  virtual void set_title(const std::string& utf8) = 0;
  // Asks for the whole client area to be painted again. The paint cycle runs
  // once for all the requests of a script line or an event batch, and before
  // anything reads or draws on the picture (the window's paint, window_dc,
  // saving the screen).
  virtual void repaint() = 0;
  // The window's own device context, for feedback drawn straight onto the
  // window that the next paint wipes out (a repaint that is due runs first);
  // null when there is no window picture.
  virtual Dc* window_dc() = 0;
  // An off-screen picture of width x height filled white, or null when none
  // can be had.
  virtual std::unique_ptr<BitmapDc> create_bitmap_dc(int width, int height) = 0;
  // Puts the input method's composition window at a client position (where
  // the caret is); a Ui without an input method ignores it.
  virtual void set_composition_window(int /*x*/, int /*y*/) {}
  virtual void set_capture(bool on) = 0;
  virtual void set_busy(bool on) = 0;  // the hourglass cursor
};

// Shorthand for the common OK-only message box.
inline void message(Ui& ui, const std::string& caption, const std::string& text) {
  ui.message_box(caption, text, MessageButtons::kOk);
}

}  // namespace daub
