#pragma once
// A Qt-backed app for tests that drive real dialogs, and finding their buttons.

#include <gtest/gtest.h>

#include <QPushButton>
#include <QWidget>

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

// The dialog's push button with this text, or null.
inline QPushButton* button(QWidget* dialog, const QString& text) {
  for (QPushButton* b : dialog->findChildren<QPushButton*>())
    if (b->text() == text) return b;
  return nullptr;
}

}  // namespace daub::test
