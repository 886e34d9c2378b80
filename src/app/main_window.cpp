#include "app/main_window.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>

#include "platform/cp932.h"
#include "resources/menu.h"
#include "shell/window.h"

namespace daub {

ClientArea::ClientArea(MainWindow& owner) : owner_(owner) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_InputMethodEnabled);
  setFocusPolicy(Qt::StrongFocus);
  setCursor(Qt::ArrowCursor);
}

void ClientArea::render_picture() {
  window_dc_.reset();  // its painter must end before the picture is redrawn
  picture_ = QImage(size(), QImage::Format_RGB32);
  picture_.fill(Qt::white);
  if (owner_.started()) {
    QtDc dc(picture_);
    on_paint(owner_.app(), dc);
  }
  dirty_ = false;
}

void ClientArea::request_paint() {
  dirty_ = true;
  update();
}

Dc* ClientArea::window_dc() {
  if (dirty_ || picture_.size() != size()) render_picture();
  if (picture_.isNull()) return nullptr;
  if (!window_dc_) window_dc_ = std::make_unique<QtDc>(picture_);
  update();  // show the feedback once the handler returns
  return window_dc_.get();
}

void ClientArea::paintEvent(QPaintEvent*) {
  if (dirty_ || picture_.size() != size()) render_picture();
  window_dc_.reset();
  QPainter p(this);
  p.drawImage(0, 0, picture_);
}

void ClientArea::resizeEvent(QResizeEvent*) {
  if (owner_.started()) on_size(owner_.app(), width(), height());
  dirty_ = true;
}

void ClientArea::mousePressEvent(QMouseEvent* e) {
  if (!owner_.started()) return;
  QPoint p = e->position().toPoint();
  if (e->button() == Qt::LeftButton) on_lbutton_down(owner_.app(), p.x(), p.y());
  if (e->button() == Qt::RightButton) on_rbutton_down(owner_.app(), p.x(), p.y());
}

void ClientArea::mouseMoveEvent(QMouseEvent* e) {
  if (!owner_.started()) return;
  QPoint p = e->position().toPoint();
  on_mouse_move(owner_.app(), p.x(), p.y());
}

void ClientArea::mouseReleaseEvent(QMouseEvent* e) {
  if (!owner_.started() || e->button() != Qt::LeftButton) return;
  QPoint p = e->position().toPoint();
  on_lbutton_up(owner_.app(), p.x(), p.y());
}

void ClientArea::send_text(const QString& text, std::int64_t lparam) {
  for (unsigned char c : utf8_to_cp932(text.toStdString())) on_char(owner_.app(), c, lparam);
}

void ClientArea::keyPressEvent(QKeyEvent* e) {
  if (!owner_.started()) return;
  // Backspace reaches the editors only as a key; its character is ignored.
  if (e->key() == Qt::Key_Backspace) return on_key_down(owner_.app(), kVkBack);
  if (e->key() == Qt::Key_Delete) return on_key_down(owner_.app(), kVkDelete);
  QString text = e->text();
  if (!text.isEmpty() && text.at(0).isPrint()) send_text(text, 0);
}

void ClientArea::inputMethodEvent(QInputMethodEvent* e) {
  if (owner_.started() && !e->commitString().isEmpty()) send_text(e->commitString(), 1);
  e->accept();
}

MainWindow::MainWindow() {
  client_ = new ClientArea(*this);
  setCentralWidget(client_);
  QtUiHooks hooks;
  hooks.repaint = [this] { client_->request_paint(); };
  hooks.window_dc = [this] { return client_->window_dc(); };
  ui_ = std::make_unique<QtUi>(this, hooks);
  clipboard_ = std::make_unique<QtClipboard>();
  app_ = std::make_unique<App>(*ui_, *clipboard_);
  setWindowTitle("Daubery");
  build_menu();
}

MainWindow::~MainWindow() = default;

void MainWindow::build_menu() {
  // Popups nest; a command item sends its id like a menu choice.
  std::function<void(QMenu*, const std::vector<MenuItem>&)> fill = [&](QMenu* menu,
                                                                       const auto& items) {
    for (const MenuItem& item : items) {
      if (item.separator) {
        menu->addSeparator();
      } else if (!item.children.empty()) {
        fill(menu->addMenu(QString::fromStdString(item.label)), item.children);
      } else {
        int id = item.id;
        menu->addAction(QString::fromStdString(item.label), this,
                        [this, id] { on_command(*app_, static_cast<std::uint32_t>(id)); });
      }
    }
  };
  for (const MenuItem& top : ParentMenu()) {
    if (top.children.empty()) {
      int id = top.id;
      menuBar()->addAction(QString::fromStdString(top.label), this,
                           [this, id] { on_command(*app_, static_cast<std::uint32_t>(id)); });
    } else {
      fill(menuBar()->addMenu(QString::fromStdString(top.label)), top.children);
    }
  }
}

void MainWindow::start() {
  app_->view.client_width = client_->width();
  app_->view.client_height = client_->height();
  on_create(*app_);
  started_ = true;
  client_->request_paint();
  client_->setFocus();
}

int run_window() {
  MainWindow window;
  window.resize(1000, 750);
  window.show();
  window.start();
  return QApplication::exec();
}

}  // namespace daub
