#pragma once
// Acting on a modal window from inside the test that opened it.

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace daub::test {

// Runs `act` on the next modal window once it is open.
inline void when_open(std::function<void(QWidget*)> act) {
  QTimer::singleShot(0, [act = std::move(act)]() mutable {
    QWidget* w = QApplication::activeModalWidget();
    if (!w) return when_open(std::move(act));
    act(w);
  });
}

}  // namespace daub::test
