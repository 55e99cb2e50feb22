// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#pragma once
// What the robustness tests share: the calculator's boxes by field, the
// locale's decimal separator, and a way to answer a modal box from inside
// its exec() loop.

#include "controls.h"

#include <movla/calculator.h>

#include <QApplication>
#include <QEvent>
#include <QLineEdit>
#include <QLocale>
#include <QTimer>
#include <QWidget>

#include <array>
#include <functional>
#include <string>

namespace movla::test {

inline QLineEdit *box(QWidget *window, Field field) {
  return qt::control<QLineEdit>(window, field_name(field));
}

inline std::string decimalSeparator() {
  return QLocale().decimalPoint().toStdString();
}

/// Copies the nine texts of the window's boxes into memory.
inline MemoryFields snapshot(QWidget *window) {
  MemoryFields fields;
  for (const Field field : all_fields)
    fields.set_text(field, box(window, field)->text().toStdString());
  return fields;
}

/// Answers every modal box as soon as its exec() loop runs, the way a user
/// would, so that whatever opened it (a click, Enter on a button, an access
/// key) can return.
class ModalAnswerer : public QObject {
public:
  explicit ModalAnswerer(std::function<void(QWidget *)> answer) : answer_(std::move(answer)) {
    qApp->installEventFilter(this);
  }
  ~ModalAnswerer() override { qApp->removeEventFilter(this); }

  int answered() const { return answered_; }

  /// Handles events until `count` boxes have been answered in all, or
  /// `timeoutMs` has passed. An access key clicks its button from a timer,
  /// so a box may open only some time after the key.
  bool waitUntilAnswered(int count, int timeoutMs = 5000) {
    bool timedOut = false;
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, [&timedOut] { timedOut = true; });
    timer.start(timeoutMs);
    while (answered_ < count && !timedOut)
      QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return answered_ >= count;
  }

protected:
  bool eventFilter(QObject *object, QEvent *event) override {
    auto *widget = qobject_cast<QWidget *>(object);
    if (event->type() == QEvent::Show && widget && widget->isWindow() && widget->isModal()) {
      // Answer once exec() is running, not from inside show().
      QTimer::singleShot(0, this, [this] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
          ++answered_;
          answer_(modal);
        }
      });
    }
    return false;
  }

private:
  std::function<void(QWidget *)> answer_;
  int answered_ = 0;
};

} // namespace movla::test
