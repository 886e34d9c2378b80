#include "app/main_window.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <QTranslator>
#include <QWheelEvent>
#include <functional>

#include "model/view.h"
#include "shell/window.h"
#include "support/qt_app_test.h"

namespace daub {
namespace {

using test::when_open;

struct MainWindowTest : testing::Test {
  MainWindowTest() {
    window.resize(900, 700);
    window.show();
    window.start();
    client = window.centralWidget();
  }

  void mouse(QEvent::Type type, int x, int y, Qt::MouseButtons buttons = Qt::LeftButton) {
    QMouseEvent e(type, QPointF(x, y), client->mapToGlobal(QPointF(x, y)),
                  type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons,
                  Qt::NoModifier);
    QApplication::sendEvent(client, &e);
  }
  void wheel(int x, int y, QPoint turn, Qt::KeyboardModifiers modifiers) {
    QWheelEvent e(QPointF(x, y), client->mapToGlobal(QPointF(x, y)), QPoint(), turn, Qt::NoButton,
                  modifiers, Qt::NoScrollPhase, false);
    QApplication::sendEvent(client, &e);
  }
  QImage shown() { return client->grab().toImage().convertToFormat(QImage::Format_RGB32); }
  App& app() { return window.app(); }

  MainWindow window;
  QWidget* client = nullptr;
};

// What the drawing and the canvases hold, pictures and places.
std::vector<std::uint8_t> state_of(const App& app) {
  std::vector<std::uint8_t> s = app.drawing.bytes();
  for (const CanvasSlot& c : app.canvases.slots) {
    s.insert(s.end(), c.image.begin(), c.image.end());
    const double at[] = {c.x, c.y};
    s.insert(s.end(), reinterpret_cast<const std::uint8_t*>(at),
             reinterpret_cast<const std::uint8_t*>(at) + sizeof at);
  }
  return s;
}

// Mid-drag the window shows the feedback where it belongs, and neither the
// drawing nor a canvas has changed yet (the rectangle and the stroke's path,
// and the feedback gone at the release, are the drag_feedback script's).
TEST_F(MainWindowTest, DragFeedbackShowsWithoutChangingAnything) {
  const QRgb band = qRgb(0, 127, 255);  // display colour 736
  const struct {
    int command;
    QPoint at;  // a pixel of the feedback after the drag (300, 200) -> (380, 250)
    QRgb color;
  } cases[] = {
      {651, {90, 60}, band},    // canvas 1's corner (10, 10) moved by (80, 50)
      {600, {80, 50}, band},    // the view's corner moved by the drag
      {128, {300, 200}, band},  // the line's start
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.command);
    on_command(app(), static_cast<std::uint32_t>(c.command));
    const std::vector<std::uint8_t> before = state_of(app());
    const QImage picture = shown();
    mouse(QEvent::MouseButtonPress, 300, 200);
    for (int i = 1; i <= 8; ++i) mouse(QEvent::MouseMove, 300 + 10 * i, 200 + 50 * i / 8);
    EXPECT_EQ(shown().pixel(c.at), c.color);
    EXPECT_NE(picture.pixel(c.at), c.color);
    EXPECT_EQ(state_of(app()), before);
    mouse(QEvent::MouseButtonRelease, 380, 250, Qt::NoButton);
  }
}

TEST_F(MainWindowTest, WheelScrollsAndZoomsAboutThePointer) {
  const View start = app().view;
  wheel(100, 100, {0, -120}, Qt::NoModifier);  // one notch down
  EXPECT_EQ(app().view.vieworigin_y, start.vieworigin_y + 60);
  wheel(100, 100, {0, 240}, Qt::ShiftModifier);  // two notches up, sideways
  EXPECT_EQ(app().view.vieworigin_x, start.vieworigin_x - 120);

  const DPoint under = to_world(app(), 123, 321);
  wheel(123, 321, {0, 60}, Qt::ControlModifier);  // half a notch: not yet a step
  EXPECT_EQ(app().settings.scale, 1.0);
  wheel(123, 321, {0, 60}, Qt::ControlModifier);
  EXPECT_EQ(app().settings.scale, 1.4);
  const DPoint now = to_world(app(), 123, 321);
  EXPECT_NEAR(now.x, under.x, 1.0);
  EXPECT_NEAR(now.y, under.y, 1.0);
  wheel(123, 321, {0, -120 * 3}, Qt::ControlModifier);
  EXPECT_EQ(app().settings.scale, 0.5);
}

// None of the menu keys is one the text editors need.
TEST_F(MainWindowTest, KeysForTheMenuLeaveTextKeysAlone) {
  std::vector<QAction*> actions;
  for (QAction* top : window.menuBar()->actions())
    if (top->menu())
      for (QAction* a : top->menu()->findChildren<QAction*>()) actions.push_back(a);
  for (QAction* a : window.actions()) actions.push_back(a);
  for (QAction* a : actions) {
    for (const QKeySequence& k : a->shortcuts()) {
      const int key = k[0].key();
      const bool text_key =
          k[0].keyboardModifiers() == Qt::NoModifier &&
          (key < Qt::Key_Escape || key == Qt::Key_Backspace || key == Qt::Key_Delete);
      EXPECT_FALSE(text_key) << k.toString().toStdString();
    }
  }

  // Ctrl+Z undoes the last canvas change; the zoom keys step the scale.
  for (QAction* a : window.actions()) {
    if (a->shortcut() == QKeySequence("Ctrl++")) a->trigger();
    if (a->shortcut() == QKeySequence("Ctrl+Z")) {
      const Dib white = app().canvases.slots[0].image;
      mouse(QEvent::MouseButtonPress, 100, 100);
      for (int i = 1; i <= 8; ++i) mouse(QEvent::MouseMove, 100 + 10 * i, 100);
      mouse(QEvent::MouseButtonRelease, 180, 100, Qt::NoButton);
      EXPECT_NE(app().canvases.slots[0].image, white);
      a->trigger();
      EXPECT_EQ(app().canvases.slots[0].image, white);
    }
  }
  EXPECT_EQ(app().settings.scale, 1.4);
}

TEST_F(MainWindowTest, StatusBarTellsWhereAndWhat) {
  mouse(QEvent::MouseMove, 450, 350, Qt::NoButton);
  QStringList texts;
  for (QLabel* label : window.findChildren<QLabel*>()) texts << label->text();
  const QString all = texts.join('|');
  const DPoint w = to_world(app(), 450, 350);
  for (const QString& part :
       {QString::fromUtf8("絵を描く"), QString::fromUtf8("キャンバス1 400×300"),
        QString::fromUtf8("レイヤー 1"),
        QString("x %1  y %2").arg(w.x, 0, 'f', 1).arg(w.y, 0, 'f', 1)})
    EXPECT_TRUE(all.contains(part)) << all.toStdString();
}

// Closing asks only about changes, in Japanese with Qt's own translations.
TEST_F(MainWindowTest, ClosingAsksAboutChangesOnly) {
  QTranslator* japanese = install_japanese_translations(*qApp);
  ASSERT_NE(japanese, nullptr);
  // Nothing changed: no question (one that opened anyway is answered No).
  bool asked_unchanged = false;
  QTimer::singleShot(0, [&] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      asked_unchanged = true;
      box->button(QMessageBox::No)->click();
    }
  });
  EXPECT_TRUE(window.close());
  QCoreApplication::processEvents();
  EXPECT_FALSE(asked_unchanged);

  window.show();
  mouse(QEvent::MouseButtonPress, 100, 100);
  for (int i = 1; i <= 8; ++i) mouse(QEvent::MouseMove, 100 + 10 * i, 100);
  mouse(QEvent::MouseButtonRelease, 180, 100, Qt::NoButton);
  QString asked;
  when_open([&](QWidget* w) {
    auto* box = qobject_cast<QMessageBox*>(w);
    asked = box->text() + "|" + box->button(QMessageBox::Cancel)->text();
    box->button(QMessageBox::Cancel)->click();
  });
  EXPECT_FALSE(window.close());
  EXPECT_EQ(asked, QString::fromUtf8("変更を保存しますか？|キャンセル"));
  when_open([](QWidget* w) { qobject_cast<QMessageBox*>(w)->button(QMessageBox::No)->click(); });
  EXPECT_TRUE(window.close());
  QApplication::removeTranslator(japanese);
  delete japanese;
}

}  // namespace
}  // namespace daub
