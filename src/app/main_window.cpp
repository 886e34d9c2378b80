#include "app/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QInputMethod>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>

#include "platform/cp932.h"
#include "qt/command_list_dialog.h"
#include "qt/qt_fonts.h"
#include "resources/menu.h"
#include "shell/drag_feedback.h"
#include "shell/window.h"

namespace daub {
namespace {

// The font the text being composed is shown in.
QFont preedit_font() {
  LogFont f;
  f.height = -16;
  f.char_set = 128;
  f.pitch_and_family = 17;
  QFont font = qfont_for(f);
  font.setStyleStrategy(QFont::PreferDefault);
  return font;
}

}  // namespace

ClientArea::ClientArea(MainWindow& owner) : owner_(owner) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_InputMethodEnabled);
  setFocusPolicy(Qt::StrongFocus);
  setCursor(Qt::ArrowCursor);
  setMouseTracking(true);  // the status bar follows the pointer
}

void ClientArea::render_picture() {
  window_dc_.reset();  // its painter must end before the picture is redrawn
  QImage next(size(), QImage::Format_RGB32);
  next.fill(Qt::white);
  if (owner_.started()) {
    rendering_ = true;
    {
      QtDc dc(next);
      on_paint(owner_.app(), dc);
    }
    rendering_ = false;
  }
  picture_ = std::move(next);
  dirty_ = false;
}

void ClientArea::request_paint() {
  dirty_ = true;
  update();
}

Dc* ClientArea::window_dc() {
  if (!rendering_ && (dirty_ || picture_.size() != size())) render_picture();
  if (picture_.isNull()) return nullptr;
  if (!window_dc_) window_dc_ = std::make_unique<QtDc>(picture_);
  update();  // show the feedback once the handler returns
  return window_dc_.get();
}

void ClientArea::paintEvent(QPaintEvent*) {
  if (!rendering_ && (dirty_ || picture_.size() != size())) render_picture();
  window_dc_.reset();
  QPainter p(this);
  p.drawImage(0, 0, picture_);
  if (owner_.started()) {
    QtDc dc(p);
    paint_drag_feedback(owner_.app(), dc);
  }
  owner_.refresh_status();  // what the picture shows, the status bar says
  draw_preedit(p);
}

void ClientArea::set_composition_point(int x, int y) {
  composition_ = QPoint(x, y);
  if (hasFocus()) QGuiApplication::inputMethod()->update(Qt::ImCursorRectangle);
}

// A line high around the caret, which lies half a line down.
QRect ClientArea::caret_rect() const {
  const int h = QFontMetrics(preedit_font()).height();
  return QRect(composition_.x(), composition_.y() - h / 2, 1, h);
}

// The text being composed, underlined on white at the caret.
void ClientArea::draw_preedit(QPainter& p) {
  if (preedit_.isEmpty()) return;
  const QFont font = preedit_font();
  const QFontMetrics m(font);
  const QRect at = caret_rect();
  const QRect box(at.left(), at.top(), m.horizontalAdvance(preedit_) + 2, at.height());
  p.fillRect(box, Qt::white);
  p.setFont(font);
  p.setPen(Qt::black);
  p.drawText(box.left() + 1, box.top() + m.ascent(), preedit_);
  p.drawLine(box.left(), box.bottom(), box.right(), box.bottom());
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
  owner_.show_pointer(p);
  on_mouse_move(owner_.app(), p.x(), p.y());
  if (owner_.app().in.lastbutton == kButtonDown) update();  // the drag's feedback
}

void ClientArea::mouseReleaseEvent(QMouseEvent* e) {
  if (!owner_.started() || e->button() != Qt::LeftButton) return;
  QPoint p = e->position().toPoint();
  on_lbutton_up(owner_.app(), p.x(), p.y());
  update();  // the drag's feedback goes, whether or not the command repainted
}

// Each byte of the text becomes a character message; all are queued before
// the first is handled, so committed text arrives as one string.
void ClientArea::send_text(const QString& text, std::int64_t lparam) {
  post_chars(owner_.app(), utf8_to_cp932(text.toStdString()), lparam);
  pump_chars(owner_.app());
}

void ClientArea::keyPressEvent(QKeyEvent* e) {
  if (!owner_.started()) return;
  // Backspace reaches the editors only as a key; its character is ignored.
  if (e->key() == Qt::Key_Backspace) return on_key_down(owner_.app(), kVkBack);
  if (e->key() == Qt::Key_Delete) return on_key_down(owner_.app(), kVkDelete);
  // Enter ends a line: CR and LF, the line break of a text.
  if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) return send_text("\r\n", 0);
  QString text = e->text();
  if (!text.isEmpty() && text.at(0).isPrint()) send_text(text, 0);
}

void ClientArea::inputMethodEvent(QInputMethodEvent* e) {
  if (!owner_.started()) return;
  preedit_ = e->preeditString();
  if (!e->commitString().isEmpty()) send_text(e->commitString(), 1);
  update();
  e->accept();
}

QVariant ClientArea::inputMethodQuery(Qt::InputMethodQuery query) const {
  switch (query) {
    case Qt::ImEnabled:
      return true;
    case Qt::ImCursorRectangle:
      return caret_rect();
    case Qt::ImFont:
      return preedit_font();
    case Qt::ImCursorPosition:
    case Qt::ImAnchorPosition:
      return static_cast<int>(preedit_.size());
    case Qt::ImSurroundingText:
    case Qt::ImCurrentSelection:
      return QString();
    default:
      return QWidget::inputMethodQuery(query);
  }
}

MainWindow::MainWindow() {
  client_ = new ClientArea(*this);
  setCentralWidget(client_);
  QtUiHooks hooks;
  hooks.repaint = [this] { client_->request_paint(); };
  hooks.window_dc = [this] { return client_->window_dc(); };
  hooks.composition_window = [this](int x, int y) { client_->set_composition_point(x, y); };
  ui_ = std::make_unique<QtUi>(this, hooks);
  clipboard_ = std::make_unique<QtClipboard>();
  app_ = std::make_unique<App>(*ui_, *clipboard_);
  setWindowTitle("Daubery");
  build_menu();
  build_status_bar();
  add_window_keys();
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
        QAction* action = menu->addAction(QString::fromStdString(item.label), this, [this, id] {
          if (id != kCommandListItem) {
            on_command(*app_, static_cast<std::uint32_t>(id));
          } else if (std::optional<int> chosen = choose_command(this)) {
            on_command(*app_, static_cast<std::uint32_t>(*chosen));
          }
        });
        if (!item.shortcut.empty())
          action->setShortcut(QKeySequence(QString::fromStdString(item.shortcut)));
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

void MainWindow::closeEvent(QCloseEvent* event) {
  if (started_ && !on_close(*app_))
    event->ignore();
  else
    event->accept();
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
