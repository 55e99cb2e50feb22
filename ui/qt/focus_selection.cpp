// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#include "focus_selection.h"

#include <QAccessible>
#include <QApplication>
#include <QDragLeaveEvent>
#include <QFocusEvent>
#include <QMouseEvent>
#include <QPalette>

#include <utility>

namespace movla::ui {

namespace {

bool byKey(Qt::FocusReason reason) {
  return reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
         reason == Qt::ShortcutFocusReason;
}

void selectWhole(QLineEdit *box, Caret caret) {
  const auto length = static_cast<int>(box->text().size());
  if (caret == Caret::End)
    box->setSelection(0, length);
  else
    box->setSelection(length, -length);
}

} // namespace

FocusSelectionEdit::FocusSelectionEdit(QWidget *parent) : FocusSelectionEdit(QString(), parent) {}

FocusSelectionEdit::FocusSelectionEdit(const QString &text, QWidget *parent)
    : QLineEdit(text, parent) {
  connect(this, &QLineEdit::textChanged, this, [this] {
    if (kept_ && !hasFocus())
      selectWhole(this, entryCaret_);
  });
  // Qt shows the cursor of a box whose text is selected, with the focus or
  // without; a box without the focus shows none (Qt's drag-leave handler
  // hides it, and does nothing else).
  connect(this, &QLineEdit::selectionChanged, this, [this] {
    if (!hasFocus() && hasSelectedText()) {
      QDragLeaveEvent left;
      QLineEdit::dragLeaveEvent(&left);
    }
  });
}

FocusSelectionEdit::~FocusSelectionEdit() = default;

void FocusSelectionEdit::selectWholeText(Caret caret) {
  if (hasFocus())
    announceFocus();
  kept_ = false;
  const Selection before = selection();
  selectWhole(this, caret);
  if (hasFocus() && selection() != before)
    retellSelection();
}

FocusSelectionEdit::Selection FocusSelectionEdit::selection() const {
  return {selectionStart(), selectionLength(), cursorPosition()};
}

// Qt announces the focus only once the box entered has changed its
// selection, and a screen reader given both in that order reads the new
// selection first, the box's name after. Told of the selection again after
// the focus, a reader that keeps only the latest event of a kind (Orca)
// drops the first and finds the second already read with the focus.
void FocusSelectionEdit::retellSelection() {
  QMetaObject::invokeMethod(
      this,
      [this] {
        if (!hasFocus())
          return;
        const int start = hasSelectedText() ? selectionStart() : cursorPosition();
        QAccessibleTextSelectionEvent selection(this, start, start + selectionLength());
        selection.setCursorPosition(cursorPosition());
        QAccessible::updateAccessibility(&selection);
      },
      Qt::QueuedConnection);
}

void FocusSelectionEdit::announceFocus() {
  if (std::exchange(announced_, true))
    return;
  QAccessibleEvent focus(this, QAccessible::Focus);
  QAccessible::updateAccessibility(&focus);
}

void FocusSelectionEdit::focusInEvent(QFocusEvent *event) {
  announceFocus();
  const Qt::FocusReason reason = event->reason();
  if (std::exchange(kept_, false) && !byKey(reason)) {
    deselect();
    retellSelection();
  }
  // Qt gives the focus to a box before the press that clicked it arrives.
  pressEnters_ = reason == Qt::MouseFocusReason && QApplication::mouseButtons() != Qt::NoButton;
  if (!byKey(reason)) {
    QLineEdit::focusInEvent(event);
    return;
  }
  if (selectionStart() != 0 || selectedText().size() != text().size())
    selectWholeText(entryCaret_);
  // A reason for which Qt selects nothing itself.
  QFocusEvent entered(QEvent::FocusIn, Qt::OtherFocusReason);
  QLineEdit::focusInEvent(&entered);
}

void FocusSelectionEdit::focusOutEvent(QFocusEvent *event) {
  announced_ = false;
  pressEnters_ = false;
  heldPress_.reset();
  const Qt::FocusReason reason = event->reason();
  if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) {
    QLineEdit::focusOutEvent(event); // Qt keeps the selection, and shows it
    return;
  }
  kept_ = hasSelectedText();
  // A reason for which Qt keeps the selection; it runs the same otherwise.
  QFocusEvent left(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
  QLineEdit::focusOutEvent(&left);
}

// Qt draws a box's selection whenever it has one: a kept one is drawn in
// the colours of plain text. The palette changes only while QLineEdit
// paints, with updates off, so the change asks for no new paint.
void FocusSelectionEdit::paintEvent(QPaintEvent *event) {
  if (showsSelection() || !hasSelectedText()) {
    QLineEdit::paintEvent(event);
    return;
  }
  const QPalette shown = palette();
  QPalette plain = shown;
  for (const QPalette::ColorGroup group :
       {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    plain.setBrush(group, QPalette::Highlight, shown.brush(group, QPalette::Base));
    plain.setBrush(group, QPalette::HighlightedText, shown.brush(group, QPalette::Text));
  }
  const bool updatesDisabled = testAttribute(Qt::WA_UpdatesDisabled);
  setAttribute(Qt::WA_UpdatesDisabled);
  setPalette(plain);
  QLineEdit::paintEvent(event);
  setPalette(shown);
  setAttribute(Qt::WA_UpdatesDisabled, updatesDisabled);
}

bool FocusSelectionEdit::event(QEvent *event) {
  switch (event->type()) {
  case QEvent::MouseButtonPress: {
    auto *press = static_cast<QMouseEvent *>(event);
    heldPress_.reset();
    if (std::exchange(pressEnters_, false) && hasSelectedText() &&
        press->button() != Qt::RightButton && !(press->modifiers() & Qt::ShiftModifier)) {
      heldPress_.reset(press->clone());
      event->accept();
      return true;
    }
    break;
  }
  case QEvent::MouseMove:
    if (heldPress_) {
      // Below the drag distance the pointer has not moved: the click stays one.
      const QPointF moved = static_cast<QMouseEvent *>(event)->position() - heldPress_->position();
      if (moved.manhattanLength() < QApplication::startDragDistance()) {
        event->accept();
        return true;
      }
      const std::unique_ptr<QMouseEvent> press = std::move(heldPress_);
      mousePressEvent(press.get());
    }
    break;
  case QEvent::MouseButtonRelease:
    heldPress_.reset();
    break;
  default:
    break;
  }
  return QLineEdit::event(event);
}

void selectWholeText(QLineEdit *box, Caret caret) {
  if (auto *edit = dynamic_cast<FocusSelectionEdit *>(box))
    edit->selectWholeText(caret);
  else
    selectWhole(box, caret);
}

} // namespace movla::ui
