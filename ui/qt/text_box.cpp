// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#include "text_box.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDropEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QRegularExpression>

namespace movla::ui {

namespace {

QString singleLine(const QString &text) {
  // \v: any line break of Unicode's (LF, VT, FF, CR, NEL, LS, PS).
  static const QRegularExpression breaks(QStringLiteral("\\v"));
  if (!text.contains(breaks))
    return text;
  for (const QString &line : text.split(breaks))
    if (!line.trimmed().isEmpty())
      return line;
  return {};
}

} // namespace

void SingleLineEdit::keyPressEvent(QKeyEvent *event) {
  if (isReadOnly() || !event->matches(QKeySequence::Paste)) {
    FocusSelectionEdit::keyPressEvent(event);
    return;
  }
  // Where Ctrl+Shift+Insert is a paste key (X11), it pastes the selection.
  const bool selection = event->key() == Qt::Key_Insert &&
                         event->modifiers() == (Qt::ControlModifier | Qt::ShiftModifier);
  pasteLine(selection ? QClipboard::Selection : QClipboard::Clipboard);
  event->accept();
}

void SingleLineEdit::mouseReleaseEvent(QMouseEvent *event) {
  if (event->button() != Qt::MiddleButton || isReadOnly() ||
      !QGuiApplication::clipboard()->supportsSelection()) {
    FocusSelectionEdit::mouseReleaseEvent(event);
    return;
  }
  // The press has already moved the cursor to the pointer. A selection that
  // stands now is the whole text, selected by the window as the click entered
  // the box: the paste replaces it, as typing would.
  pasteLine(QClipboard::Selection);
  event->accept();
}

void SingleLineEdit::contextMenuEvent(QContextMenuEvent *event) {
  QMenu *menu = createStandardContextMenu();
  menu->setAttribute(Qt::WA_DeleteOnClose);
  // Qt 6.4 names none of the menu's actions; Paste is known by its text.
  const QString paste = QCoreApplication::translate("QLineEdit", "&Paste");
  for (QAction *action : menu->actions()) {
    if (action->text().section(u'\t', 0, 0) == paste) {
      action->disconnect(this);
      connect(action, &QAction::triggered, this, [this] { pasteLine(QClipboard::Clipboard); });
    }
  }
  menu->popup(event->globalPos());
}

void SingleLineEdit::dropEvent(QDropEvent *event) {
  const QString text = event->mimeData()->text();
  const QString line = singleLine(text);
  if (isReadOnly() || line == text) {
    FocusSelectionEdit::dropEvent(event);
    return;
  }
  // The dropped data cannot be changed: Qt drops a copy holding the line.
  QMimeData data;
  data.setText(line);
  QDropEvent drop(event->position(), event->possibleActions(), &data, event->buttons(),
                  event->modifiers());
  drop.setDropAction(event->dropAction());
  FocusSelectionEdit::dropEvent(&drop);
  event->setDropAction(drop.dropAction());
  event->setAccepted(drop.isAccepted());
}

void SingleLineEdit::pasteLine(QClipboard::Mode mode) {
  const QString line = singleLine(QGuiApplication::clipboard()->text(mode));
  if (line.isEmpty() && !hasSelectedText())
    return;
  // Replacing a selection starts an undo step of its own; an insertion at the
  // cursor is kept apart from the typing before it.
  if (!hasSelectedText())
    closeUndoStep();
  insert(line);
  closeUndoStep();
}

// Qt ends an undo step whenever the cursor moves: moving it off and back ends
// the current one, so that typing next to a paste undoes apart from it.
void SingleLineEdit::closeUndoStep() {
  const int at = cursorPosition();
  const int away = at > 0 ? at - 1 : at + 1;
  if (away > text().size())
    return;
  setCursorPosition(away);
  setCursorPosition(at);
}

} // namespace movla::ui
