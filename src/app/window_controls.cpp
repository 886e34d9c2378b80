// The main window's wheel, keys and status bar, and Qt's Japanese
// translations: what the window adds around the program's messages.

#include <QAction>
#include <QApplication>
#include <QKeySequence>
#include <QLabel>
#include <QLibraryInfo>
#include <QLocale>
#include <QStatusBar>
#include <QTranslator>
#include <QWheelEvent>

#include "app/main_window.h"
#include "model/view.h"
#include "paint/canvas.h"
#include "resources/menu.h"
#include "resources/command_labels.h"
#include "shell/view_commands.h"
#include "shell/window.h"

namespace daub {
namespace {

// One wheel notch is 120 eighths of a degree; it scrolls this many pixels.
constexpr int kNotch = 120;
constexpr int kPixelsPerNotch = 60;

QString canvas_size(App& app) {
  const CanvasSlot& one = *canvas_slot(app, 1);
  if (!has_picture(one)) return QString::fromUtf8("キャンバス1 なし");
  const DibInfo info = dib_info(one.image);
  return QString::fromUtf8("キャンバス1 %1×%2").arg(info.width).arg(info.height);
}

QString mouse_command(const App& app) {
  const int cmd = app.in.mousecmd;
  if (cmd == 0) return QString::fromUtf8("マウス指令なし");
  const std::string name = mouse_command_name(cmd);
  if (!name.empty()) return QString::fromStdString(name);
  return QString::fromUtf8("マウス指令 %1").arg(cmd);
}

}  // namespace

void ClientArea::wheelEvent(QWheelEvent* e) {
  if (!owner_.started()) return;
  App& app = owner_.app();
  const QPoint turn = e->angleDelta();
  if (e->modifiers() & Qt::ControlModifier) {
    // Fine-grained wheels send parts of a notch: a step once they add up to one.
    zoom_eighths_ += turn.y() != 0 ? turn.y() : turn.x();
    const int steps = zoom_eighths_ / kNotch;
    zoom_eighths_ -= steps * kNotch;
    const QPoint at = e->position().toPoint();
    if (steps != 0) zoom_view(app, steps, IntPoint{at.x(), at.y()});
  } else {
    int right = -turn.x(), down = -turn.y();
    // Shift turns the wheel sideways (some systems have already done so).
    if ((e->modifiers() & Qt::ShiftModifier) && right == 0) std::swap(right, down);
    if (right != 0 || down != 0)
      scroll_view(app, right * kPixelsPerNotch / kNotch, down * kPixelsPerNotch / kNotch);
  }
  e->accept();
}

void MainWindow::build_status_bar() {
  for (QLabel*& label : status_) {
    label = new QLabel(this);
    label->setContentsMargins(8, 0, 8, 0);
    statusBar()->addPermanentWidget(label);
  }
  // The pointer's position changes width as it moves; room for six digits a side.
  status_[0]->setMinimumWidth(
      status_[0]->fontMetrics().horizontalAdvance(QStringLiteral("x -000000.0  y -000000.0")));
  statusBar()->setSizeGripEnabled(true);
}

void MainWindow::show_pointer(QPoint client) {
  pointer_ = client;
  refresh_status();
}

void MainWindow::refresh_status() {
  if (!started_ || status_[0] == nullptr) return;
  App& app = *app_;
  QString at;
  if (pointer_.x() >= 0) {
    const DPoint w = to_world(app, pointer_.x(), pointer_.y());
    at = QStringLiteral("x %1  y %2").arg(w.x, 0, 'f', 1).arg(w.y, 0, 'f', 1);
  }
  const QString texts[] = {
      at,
      QString::fromUtf8("縮尺 %1").arg(app.settings.scale, 0, 'g', 4),
      mouse_command(app),
      QString::fromUtf8("レイヤー %1").arg(app.in.nowlayer),
      canvas_size(app),
  };
  for (std::size_t i = 0; i < status_.size(); ++i)
    if (status_[i]->text() != texts[i]) status_[i]->setText(texts[i]);
}

void MainWindow::add_window_keys() {
  auto add = [this](const QList<QKeySequence>& keys, auto act) {
    auto* action = new QAction(this);
    action->setShortcuts(keys);
    connect(action, &QAction::triggered, this, act);
    addAction(action);
  };
  for (const KeyCommand& k : kWindowKeys)
    add({QKeySequence(QString::fromLatin1(k.keys))},
        [this, id = k.id] { on_command(*app_, static_cast<std::uint32_t>(id)); });
  // Zooming by keys keeps the client centre where it is.
  auto zoom = [this](int steps) {
    const IntPoint centre{client_->width() / 2, client_->height() / 2};
    if (started_) zoom_view(*app_, steps, centre);
  };
  add({QKeySequence(QStringLiteral("Ctrl++")), QKeySequence(QStringLiteral("Ctrl+=")),
       QKeySequence::ZoomIn},
      [zoom] { zoom(1); });
  add({QKeySequence(QStringLiteral("Ctrl+-")), QKeySequence::ZoomOut}, [zoom] { zoom(-1); });
}

QTranslator* install_japanese_translations(QApplication& app) {
  auto* translator = new QTranslator(&app);
  if (translator->load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"),
                       QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(translator);
    return translator;
  }
  delete translator;
  return nullptr;
}

}  // namespace daub
