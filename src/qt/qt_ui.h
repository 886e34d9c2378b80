#pragma once
// The Ui of the real program: Qt message boxes, dialogs built from the
// templates, Qt's file and colour dialogs, and the main window's title and
// cursor.

#include <QWidget>
#include <functional>
#include <memory>

#include "platform/ui.h"

class QPrinter;

namespace daub {

// What only the main window can do for the Ui.
struct QtUiHooks {
  // Asks for the whole client picture to be painted again; the window paints
  // once for all the requests of an event batch, before anything reads it.
  std::function<void()> repaint;
  // The window's own device context, or null when there is none.
  std::function<Dc*()> window_dc;
  // Where the input method's composition window goes (client pixels).
  std::function<void(int, int)> composition_window;
};

class QtUi : public Ui {
 public:
  // `window` owns the message boxes and dialogs; it may be null in tests.
  QtUi(QWidget* window, QtUiHooks hooks);
  ~QtUi() override;

  MessageAnswer message_box(const std::string& caption, const std::string& text,
                            MessageButtons buttons) override;
  int run_dialog(const DialogTemplate& tmpl, DialogProc& proc) override;
  std::optional<FileChoice> file_dialog(const FileDialogRequest& request) override;
  std::optional<Colorref> choose_color(Colorref initial) override;
  // Qt's font dialog over the installed fonts.
  std::optional<LogFont> choose_font(const LogFont& initial) override;
  // Qt's print dialog and page set-up on one printer kept for the run, so
  // each starts from what was chosen last (a PDF file among the choices).
  std::unique_ptr<PrintJob> print_dialog() override;
  bool print_setup() override;
  void set_composition_window(int x, int y) override;
  void set_title(const std::string& utf8) override;
  void repaint() override;
  Dc* window_dc() override;
  std::unique_ptr<BitmapDc> create_bitmap_dc(int width, int height) override;
  // Qt grabs the mouse for a widget while a button is held down on it, which
  // is all the capture the program needs; an explicit grab would also steal
  // the mouse from the dialogs a command opens, so this does nothing.
  void set_capture(bool) override {}
  void set_busy(bool on) override;

 private:
  QWidget* window_;
  QtUiHooks hooks_;
  bool busy_ = false;
  std::unique_ptr<QPrinter> printer_;  // the print record
};

// Qt name filters from a filter text of description|pattern pairs:
// "skl files(*.skl)|*.skl|All Files(*.*)|*.*" gives
// {"skl files(*.skl) (*.skl)", "All Files(*.*) (*)"}.
QStringList qt_name_filters(const std::string& filter);

}  // namespace daub
