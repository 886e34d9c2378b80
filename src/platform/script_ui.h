#pragma once
// The Ui of headless runs and tests: answers come from a queue that the script
// fills, and every message, dialog and title change is written to a log.

#include <deque>
#include <functional>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "platform/ui.h"

namespace daub {

struct ScriptAnswer {
  enum Kind { kOk, kCancel, kYes, kNo, kInput, kFile, kColor, kPrint, kDialog, kFont } kind = kOk;
  std::string text;                                 // input text, file or PDF path
  Colorref color = 0;                               // kColor
  LogFont font;                                     // kFont: height, weight, italic and face chosen
  std::vector<std::pair<int, std::string>> values;  // kDialog: control id = value
  int click = kIdOkValue;                           // kDialog: the control clicked
  bool dragged = false;                             // kDialog: a drag on the dialog first
  int drag_dx = 0, drag_dy = 0;
  std::string source;  // how the script wrote it, for the log

  static constexpr int kIdOkValue = 1;
};

class ScriptUi : public Ui {
 public:
  explicit ScriptUi(std::ostream* log) : log_(log) {}

  void queue(ScriptAnswer answer) { answers_.push_back(std::move(answer)); }
  std::size_t queued() const { return answers_.size(); }

  // Called when a repaint is due; the host renders the picture there.
  void set_repaint_hook(std::function<void()> hook) { repaint_hook_ = std::move(hook); }
  void set_window_dc(Dc* dc) { window_dc_ = dc; }
  using BitmapDcFactory = std::function<std::unique_ptr<BitmapDc>(int, int)>;
  void set_bitmap_dc_factory(BitmapDcFactory factory) { bitmap_dc_factory_ = std::move(factory); }
  // Makes the job that prints into the PDF file a print answer names; null
  // when it cannot be made.
  using PrintJobFactory = std::function<std::unique_ptr<PrintJob>(const std::string& pdf_path)>;
  void set_print_job_factory(PrintJobFactory factory) { print_job_factory_ = std::move(factory); }
  // Repaints asked for, and repaints run: all those asked for since the last
  // one run give one, when the script line ends or something draws on the
  // picture (flush_repaint; true when one was due).
  int repaint_count() const { return repaints_; }
  int paint_count() const { return paints_; }
  bool flush_repaint();
  const std::string& title() const { return title_; }

  // Writes one log line: fields joined by TAB, line breaks written as \n.
  void log_line(const std::vector<std::string>& fields);

  MessageAnswer message_box(const std::string& caption, const std::string& text,
                            MessageButtons buttons) override;
  int run_dialog(const DialogTemplate& tmpl, DialogProc& proc) override;
  std::optional<FileChoice> file_dialog(const FileDialogRequest& request) override;
  std::optional<Colorref> choose_color(Colorref initial) override;
  std::optional<LogFont> choose_font(const LogFont& initial) override;
  // Takes a print answer (the PDF path to print into, kept as the choice),
  // ok (the choice kept from before) or cancel.
  std::unique_ptr<PrintJob> print_dialog() override;
  // Takes a print answer (kept as the choice), ok or cancel.
  bool print_setup() override;
  void set_title(const std::string& utf8) override;
  void repaint() override;
  Dc* window_dc() override {
    flush_repaint();
    return window_dc_;
  }
  std::unique_ptr<BitmapDc> create_bitmap_dc(int width, int height) override {
    return bitmap_dc_factory_ ? bitmap_dc_factory_(width, height) : nullptr;
  }
  void set_capture(bool) override {}
  void set_busy(bool) override {}

 private:
  // Takes the oldest answer when `fits` accepts it; otherwise leaves the queue.
  bool take(const std::function<bool(const ScriptAnswer&)>& fits, ScriptAnswer& out);
  // A chooser's answer of `kind` (true), or a cancel or none (false); logs it.
  bool take_choice(ScriptAnswer::Kind kind, const std::string& title, ScriptAnswer& out);
  // A print or set-up dialog's answer; true when a printer is chosen.
  bool take_printer(const char* title);

  std::ostream* log_;
  std::deque<ScriptAnswer> answers_;
  std::function<void()> repaint_hook_;
  Dc* window_dc_ = nullptr;
  BitmapDcFactory bitmap_dc_factory_;
  PrintJobFactory print_job_factory_;
  std::string printer_;  // the PDF path last chosen in a print dialog
  int repaints_ = 0;
  int paints_ = 0;
  bool repaint_due_ = false;
  std::string title_;
};

}  // namespace daub
