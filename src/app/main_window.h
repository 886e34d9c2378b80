#pragma once
// The Qt main window: only a translator. Qt events become the program's
// messages (press, move, release, right press, key down, character, command,
// resize, close) and go to the toolkit-free handlers; it holds no logic.

#include <QImage>
#include <QMainWindow>
#include <memory>

#include "model/app.h"
#include "qt/qt_clipboard.h"
#include "qt/qt_dc.h"
#include "qt/qt_ui.h"

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

 protected:
  void paintEvent(QPaintEvent*) override;
  void resizeEvent(QResizeEvent*) override;
  void mousePressEvent(QMouseEvent*) override;
  void mouseMoveEvent(QMouseEvent*) override;
  void mouseReleaseEvent(QMouseEvent*) override;
  void keyPressEvent(QKeyEvent*) override;
  void inputMethodEvent(QInputMethodEvent*) override;

 private:
  void render_picture();
  void send_text(const QString& text, std::int64_t lparam);

  MainWindow& owner_;
  QImage picture_;
  bool dirty_ = true;
  std::unique_ptr<QtDc> window_dc_;
};

class MainWindow : public QMainWindow {
 public:
  MainWindow();
  ~MainWindow() override;

  // Runs the start-up (the window's creation step) once the window is shown.
  void start();
  bool started() const { return started_; }
  App& app() { return *app_; }

 private:
  void build_menu();

  ClientArea* client_ = nullptr;
  std::unique_ptr<QtUi> ui_;
  std::unique_ptr<QtClipboard> clipboard_;
  std::unique_ptr<App> app_;
  bool started_ = false;
};

// Opens the window and runs the event loop; returns the exit code.
int run_window();

}  // namespace daub
