// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#include "window.h"

#include "focus_selection.h"

#include "controls.h"
#include "open_window.h"
#include "placement.h"

#include <QApplication>
#include <QDialog>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace movla::ui {

namespace {

QString qString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A focus change that stays inside the window, as opposed to the user
// switching to another application or a popup menu opening or closing.
bool staysInWindow(const QEvent *event) {
  const Qt::FocusReason reason = static_cast<const QFocusEvent *>(event)->reason();
  return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

} // namespace

FormWindow::FormWindow(const WindowDescription &description, QWidget *host)
    : QObject(host), description_(description), host_(host) {
  host->setObjectName(QString::fromUtf8(description.name));
  host->setWindowTitle(QString::fromUtf8(description.caption));
  QPalette background = host->palette();
  background.setColor(QPalette::Window, qColor(description.back));
  host->setPalette(background);
  host->setAutoFillBackground(true);
  host->resize(twips_to_pixels(description.client_width),
               twips_to_pixels(description.client_height));

  buildControls(description.controls, host);
  for (const AccessibleText &text : description.accessible) {
    QWidget *widget = control<QWidget>(host, text.control);
    widget->setAccessibleName(QString::fromUtf8(text.name));
    if (text.description)
      widget->setAccessibleDescription(QString::fromUtf8(text.description));
  }

  for (auto *button : host->findChildren<QPushButton *>(Qt::FindDirectChildrenOnly)) {
    // Enter presses a focused button, as on Windows; no button is a window's
    // default, so Enter in a text box presses nothing.
    button->setAutoDefault(true);
    button->installEventFilter(this);
  }
  // No button is a cancel button either: Escape leaves a window open.
  host->installEventFilter(this);

  // Centred on the screen, About too rather than over the calculator.
  const QWidget *opener = host->parentWidget();
  centreOnScreen(host, opener ? opener->screen() : host->screen());
}

FormWindow::~FormWindow() = default;

void FormWindow::start(std::unique_ptr<Form> form) {
  form_ = std::move(form);
  for (const Control &row : description_.controls) {
    if (row.kind == Kind::Button && form_->handles(row.name, Event::Click)) {
      connect(control<QPushButton>(host_, row.name), &QPushButton::clicked, this,
              [this, name = row.name] { run(name, Event::Click); });
    } else if (row.kind == Kind::TextBox && (form_->handles(row.name, Event::GotFocus) ||
                                             form_->handles(row.name, Event::LostFocus))) {
      control<QLineEdit>(host_, row.name)->installEventFilter(this);
    }
  }

  run(description_.name, Event::Load);

  // The window is not shown yet, so Qt sends no focus event now.
  control<QWidget>(host_, description_.first_focus)->setFocus(Qt::OtherFocusReason);
  run(description_.first_focus, Event::GotFocus);
}

void FormWindow::run(std::string_view control, Event event) {
  form_->handle(control, event);
}

bool FormWindow::eventFilter(QObject *watched, QEvent *event) {
  if (watched == host_) {
    if (event->type() != QEvent::KeyPress)
      return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->key() != Qt::Key_Escape || key->modifiers() != Qt::NoModifier)
      return false;
    event->accept();
    return true;
  }

  if (event->type() == QEvent::Shortcut && qobject_cast<QPushButton *>(watched)) {
    // An access key clicks its button without moving the focus. Move it
    // first, as a mouse click would, so that the input being left runs its
    // pass before the button acts.
    static_cast<QWidget *>(watched)->setFocus(Qt::ShortcutFocusReason);
    return false;
  }

  auto *box = qobject_cast<QLineEdit *>(watched);
  if (!box)
    return false;
  const std::string name = box->objectName().toStdString();
  switch (event->type()) {
  case QEvent::FocusIn:
    if (staysInWindow(event)) {
      if (static_cast<QFocusEvent *>(event)->reason() == Qt::MouseFocusReason)
        focusingByMouse_ = box;
      run(name, Event::GotFocus);
      focusingByMouse_ = nullptr;
    }
    break;
  case QEvent::FocusOut:
    clickedInto_ = nullptr;
    if (staysInWindow(event))
      run(name, Event::LostFocus);
    break;
  case QEvent::MouseButtonRelease:
    // A plain click leaves no selection: select again. A drag that
    // selected part of the text keeps it.
    if (clickedInto_ == box && !box->hasSelectedText())
      selectWholeText(box);
    clickedInto_ = nullptr;
    break;
  default:
    break;
  }
  return false;
}

void FormWindow::set_tooltip(std::string_view control, std::string_view text) {
  ui::control<QWidget>(host_, control)->setToolTip(qString(text));
}

std::string FormWindow::text(std::string_view control) const {
  auto *widget = ui::control<QWidget>(host_, control);
  if (auto *box = qobject_cast<QLineEdit *>(widget))
    return box->text().toStdString();
  return ui::control<QLabel>(host_, control)->text().toStdString();
}

void FormWindow::set_text(std::string_view control, std::string_view text) {
  auto *widget = ui::control<QWidget>(host_, control);
  if (auto *box = qobject_cast<QLineEdit *>(widget))
    box->setText(qString(text));
  else
    ui::control<QLabel>(host_, control)->setText(qString(text));
}

void FormWindow::replace_text(std::string_view control, std::string_view text) {
  auto *box = ui::control<QLineEdit>(host_, control);
  box->setText(box->text());
  box->selectAll();
  box->insert(qString(text));
}

void FormWindow::set_focus(std::string_view control) {
  ui::control<QWidget>(host_, control)->setFocus(Qt::OtherFocusReason);
}

void FormWindow::select_whole_text(std::string_view control) {
  auto *box = ui::control<QLineEdit>(host_, control);
  selectWholeText(box);
  if (box == focusingByMouse_)
    clickedInto_ = box;
}

bool FormWindow::ask(const Question &question) {
  return QMessageBox::question(
             host_, QString::fromUtf8(question.title), QString::fromUtf8(question.prompt),
             QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok) == QMessageBox::Ok;
}

void FormWindow::show_about() {
  openAbout(host_)->exec();
}

void FormWindow::close() {
  host_->close();
}

void FormWindow::quit() {
  // Every window closes now; the event loop stops once control is back in it.
  QApplication::closeAllWindows();
  QCoreApplication::quit();
}

void FormWindow::selectWholeText(QLineEdit *box) {
  movla::ui::selectWholeText(box);
}

} // namespace movla::ui
