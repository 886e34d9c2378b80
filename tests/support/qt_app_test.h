#pragma once
// A Qt-backed app for tests that drive real dialogs, acting on a modal window
// from inside the test that opened it, and finding its buttons.

#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <functional>

#include "model/app.h"
#include "platform/clipboard.h"
#include "qt/qt_ui.h"

namespace daub::test {

struct QtAppTest : testing::Test {
  QWidget window;
  QtUi ui{&window, {}};
  MemoryClipboard clipboard;
  App app{ui, clipboard};
};

// Runs `act` on the next modal window once it is open.
inline void when_open(std::function<void(QWidget*)> act) {
  QTimer::singleShot(0, [act = std::move(act)]() mutable {
    QWidget* w = QApplication::activeModalWidget();
    if (!w) return when_open(std::move(act));
    act(w);
  });
}

// The dialog's push button with this text, or null.
inline QPushButton* button(QWidget* dialog, const QString& text) {
  for (QPushButton* b : dialog->findChildren<QPushButton*>())
    if (b->text() == text) return b;
  return nullptr;
}

}  // namespace daub::test
