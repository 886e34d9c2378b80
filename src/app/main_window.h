#pragma once
// The Qt main window: only a translator. Qt events become the program's
// messages (press, move, release, right press, key down, character, command,
// resize, close) and go to the toolkit-free handlers; it holds no logic.

#include <QImage>
#include <QMainWindow>
#include <QPoint>
#include <array>
#include <memory>

#include "model/app.h"
#include "qt/qt_clipboard.h"
#include "qt/qt_dc.h"
#include "qt/qt_ui.h"

class QApplication;
class QLabel;
class QTranslator;

namespace daub {

class MainWindow;

// The client area: keeps the last picture of the paint cycle and shows it.
class ClientArea : public QWidget {
 public:
  explicit ClientArea(MainWindow& owner);

  // Asks for the whole picture to be painted again. Requests within one
  // event batch give one paint, run when Qt delivers the paint event or
  // sooner when something draws on the picture.
  void request_paint();
  // A painter on the picture on screen (painted first when a paint is due),
  // for feedback that the next paint wipes out.
  Dc* window_dc();
  // The input method's composition window goes to this client position.
  void set_composition_point(int x, int y);

 protected:
  void paintEvent(QPaintEvent*) override;
  void resizeEvent(QResizeEvent*) override;
  void mousePressEvent(QMouseEvent*) override;
  void mouseMoveEvent(QMouseEvent*) override;
  void mouseReleaseEvent(QMouseEvent*) override;
  void keyPressEvent(QKeyEvent*) override;
  void inputMethodEvent(QInputMethodEvent*) override;
  QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
  // The wheel scrolls the view (Shift: sideways); with Ctrl it zooms about the
  // pointer in the steps of the fixed scales.
  void wheelEvent(QWheelEvent*) override;

 private:
  void render_picture();
  void send_text(const QString& text, std::int64_t lparam);
  QRect caret_rect() const;
  void draw_preedit(QPainter& p);

  MainWindow& owner_;
  int zoom_eighths_ = 0;  // wheel turn towards the next zoom step, in eighths of a degree
  QImage picture_;
  bool dirty_ = true;
  // A message box shown while the picture renders runs its own event loop;
  // paints arriving meanwhile show the last picture instead of rendering
  // (and showing the message) again.
  bool rendering_ = false;
  std::unique_ptr<QtDc> window_dc_;
  QPoint composition_;  // where the caret is, client pixels
  QString preedit_;     // the input method's text being composed
};

class MainWindow : public QMainWindow {
 public:
  MainWindow();
  ~MainWindow() override;

  // Runs the start-up (the window's creation step) once the window is shown.
  void start();
  bool started() const { return started_; }
  App& app() { return *app_; }

  // Shows the pointer's world position (client pixels given) and the rest
  // of the status bar: view scale, mouse command, layer, canvas 1's size.
  void show_pointer(QPoint client);
  void refresh_status();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void build_menu();
  void build_status_bar();
  // Keys for commands the menu does not offer, and the zoom keys.
  void add_window_keys();

  ClientArea* client_ = nullptr;
  std::unique_ptr<QtUi> ui_;
  std::unique_ptr<QtClipboard> clipboard_;
  std::unique_ptr<App> app_;
  bool started_ = false;
  QPoint pointer_{-1, -1};  // last pointer position in the client area
  std::array<QLabel*, 5> status_{};
};

// Loads Qt's own Japanese translations (its dialogs and standard buttons)
// from the distribution's package; the translator (owned by the
// application), or null when they are not installed.
QTranslator* install_japanese_translations(QApplication& app);

// Opens the window and runs the event loop; returns the exit code.
int run_window();

}  // namespace daub
