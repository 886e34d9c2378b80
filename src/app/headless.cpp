#include "app/headless.h"

#include <QImage>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>

#include "model/app.h"
#include "platform/clipboard.h"
#include "platform/script_ui.h"
#include "qt/qt_dc.h"
#include "qt/qt_print.h"
#include "shell/drag_feedback.h"
#include "shell/script.h"
#include "shell/window.h"

namespace daub {

namespace {

// Keeps the client picture: a repaint renders the whole picture into it, as
// the window's paint cycle does, once for all the requests of a script line
// (the script runner asks for the paint due at each line's end) and sooner
// when the picture is drawn on or saved.
class HeadlessHost : public ScriptHost {
 public:
  HeadlessHost(App& app, ScriptUi& ui) : app_(app), ui_(ui) {
    ui_.set_repaint_hook([this] { render(); });
    ui_.set_bitmap_dc_factory(make_bitmap_dc);
    ui_.set_print_job_factory(make_pdf_print_job);
  }
  ~HeadlessHost() override {
    ui_.set_repaint_hook(nullptr);
    ui_.set_bitmap_dc_factory(nullptr);
    ui_.set_print_job_factory(nullptr);
    ui_.set_window_dc(nullptr);
  }

  bool save_screen(const std::string& path) override {
    if (!ui_.flush_repaint()) render();
    end_window_dc();
    bool saved = screen_.save(QString::fromStdString(path));
    begin_window_dc();
    return saved;
  }

  bool save_window(const std::string& path) override {
    end_window_dc();
    QImage shown = screen_.copy();
    {
      QtDc dc(shown);
      paint_drag_feedback(app_, dc);
    }
    const bool saved = shown.save(QString::fromStdString(path));
    begin_window_dc();
    return saved;
  }

  void resize(int width, int height) override {
    on_size(app_, width, height);
    if (!ui_.flush_repaint()) render();
  }

  void render() {
    end_window_dc();  // its painter must end before the picture is redrawn
    screen_ = QImage(app_.view.client_width, app_.view.client_height, QImage::Format_RGB32);
    screen_.fill(Qt::white);
    {
      QtDc dc(screen_);
      on_paint(app_, dc);
    }
    begin_window_dc();
  }

 private:
  // Feedback drawn straight onto the window goes onto the last picture.
  void begin_window_dc() {
    window_dc_ = std::make_unique<QtDc>(screen_);
    ui_.set_window_dc(window_dc_.get());
  }
  void end_window_dc() {
    ui_.set_window_dc(nullptr);
    window_dc_.reset();
  }

  App& app_;
  ScriptUi& ui_;
  QImage screen_;
  std::unique_ptr<QtDc> window_dc_;
};

}  // namespace

int run_headless(const std::string& script_path, int width, int height) {
  std::error_code ec;
  // A folder opens like a file on some systems and then reads as nothing.
  if (std::filesystem::is_directory(script_path, ec)) {
    std::cerr << "daubery: the script " << script_path << " is a folder, not a file\n";
    return 2;
  }
  std::ifstream script(script_path);
  if (!script) {
    std::cerr << "daubery: cannot read the script " << script_path << "\n";
    return 2;
  }
  ScriptUi ui(&std::cout);
  MemoryClipboard clipboard;
  App app(ui, clipboard);
  app.view.client_width = width;
  app.view.client_height = height;
  HeadlessHost host(app, ui);
  on_create(app);
  host.render();
  run_script(app, ui, host, script);
  if (script.bad()) {
    std::cerr << "daubery: reading the script " << script_path << " failed\n";
    return 2;
  }
  return 0;
}

}  // namespace daub
