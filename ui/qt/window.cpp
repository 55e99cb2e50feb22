// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#include "window.h"

#include "colours.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

namespace movla::qt {

Window::Window(const ui::WindowDescription &description, QWidget *host)
    : QObject(host), host_(host), rules_(description, *this) {
  host->setObjectName(QString::fromUtf8(description.name));
  host->setWindowTitle(QString::fromUtf8(description.caption));
  host->setAutoFillBackground(true);
  host->resize(ui::twips_to_pixels(description.client_width),
               ui::twips_to_pixels(description.client_height));

  buildControls(description.controls, host);
  paint();
  for (const ui::AccessibleText &text : description.accessible) {
    auto *widget = control<QWidget>(host, text.control);
    widget->setAccessibleName(QString::fromUtf8(text.name));
    if (text.description)
      widget->setAccessibleDescription(QString::fromUtf8(text.description));
  }
  host->installEventFilter(this);
  for (const ui::Control &row : description.controls) {
    if (!ui::takes_focus(row.kind))
      continue;
    control<QWidget>(host, row.name)->installEventFilter(this);
    if (auto *button = qobject_cast<QPushButton *>(control<QWidget>(host, row.name))) {
      // Drawn as the button Enter presses while it holds the focus, as on
      // Windows; the rules press it.
      button->setAutoDefault(true);
      connect(button, &QPushButton::clicked, this,
              [this, button, name = row.name] { rules_.pressed(name, button->hasFocus()); });
    }
  }
  place();
}

bool Window::eventFilter(QObject *watched, QEvent *event) {
  auto *widget = static_cast<QWidget *>(watched);
  const auto name = [widget] { return widget->objectName().toStdString(); };
  switch (event->type()) {
  case QEvent::FocusIn:
    rules_.entered(name(), entryOf(static_cast<QFocusEvent *>(event)->reason()));
    break;
  case QEvent::FocusOut:
    rules_.left(name(), entryOf(static_cast<QFocusEvent *>(event)->reason()) != ui::Entry::Outside);
    break;
  case QEvent::MouseButtonRelease:
    if (auto *box = qobject_cast<QLineEdit *>(widget))
      rules_.released(name(), box->hasSelectedText());
    break;
  case QEvent::KeyPress: {
    const int key = static_cast<QKeyEvent *>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter && key != Qt::Key_Escape)
      break;
    const QWidget *focused = watched == host_ ? host_->focusWidget() : widget;
    const ui::Key which = key == Qt::Key_Escape ? ui::Key::Escape : ui::Key::Enter;
    return rules_.key(focused ? focused->objectName().toStdString() : std::string(), which);
  }
  case QEvent::PaletteChange:
    // A new desktop palette reaches the window as PaletteChange. Qt then
    // passes it on to the controls, and some platform themes (qt6ct) give it
    // to every widget themselves, the window included, wiping the colours
    // painted here; so they are painted again once all that is delivered.
    if (watched == host_ && !std::exchange(painting_, true))
      QMetaObject::invokeMethod(this, &Window::paint, Qt::QueuedConnection);
    break;
  case QEvent::Show:
  case QEvent::Move:
  case QEvent::Resize:
    if (watched != host_)
      break;
    if (event->type() == QEvent::Show && !std::exchange(shown_, true))
      rules_.focus_first();
    // The frame's size is known only once the window system has framed the
    // shown window; until then it was taken as the client area's.
    if (shown_ && host_->frameGeometry() != host_->geometry() && !std::exchange(framed_, true))
      place();
    break;
  default:
    break;
  }
  return false;
}

// The PaletteChange that painting the window's own background sends is not
// another change.
void Window::paint() {
  painting_ = true;
  paintReadable(rules_.description(), host_);
  painting_ = false;
}

void Window::place() {
  const QWidget *opener = host_->parentWidget();
  const QScreen *screen = (opener ? opener : host_)->screen();
  if (!screen)
    return;
  const QRect area = screen->availableGeometry();
  const QRect frame = host_->frameGeometry();
  const ui::PixelRect at = ui::frame_rect(frame.width(), frame.height(),
                                          {area.x(), area.y(), area.width(), area.height()});
  // move() places the frame, where setGeometry() would place the client area.
  host_->move(at.left, at.top);
}

std::string Window::text(std::string_view control) const {
  if (auto *box = qobject_cast<QLineEdit *>(qt::control<QWidget>(host_, control)))
    return box->text().toStdString();
  return qt::control<QLabel>(host_, control)->text().toStdString();
}

void Window::set_text(std::string_view control, std::string_view text) {
  if (auto *box = qobject_cast<QLineEdit *>(qt::control<QWidget>(host_, control)))
    box->setText(qString(text));
  else
    qt::control<QLabel>(host_, control)->setText(qString(text));
}

// Setting the old text first drops the box's older history, as a plain write
// does, so that the history cannot grow reset by reset.
void Window::replace_text(std::string_view control, std::string_view text) {
  auto *box = qt::control<QLineEdit>(host_, control);
  box->setText(box->text());
  box->selectAll();
  box->insert(qString(text));
}

bool Window::ask(const ui::Question &question) {
  return QMessageBox::question(
             host_, QString::fromUtf8(question.title), QString::fromUtf8(question.prompt),
             QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok) == QMessageBox::Ok;
}

void Window::close() {
  rules_.closing();
  host_->close();
}

void Window::quit() {
  ui::WindowRules::ending();
  // Every window closes now; the event loop stops once control is back in it.
  QApplication::closeAllWindows();
  QCoreApplication::quit();
}

} // namespace movla::qt
