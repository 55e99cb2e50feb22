// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#include "text_box.h"

#include "controls.h"

#include <QAccessible>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QScreen>
#include <QStyleOptionFrame>
#include <QTimer>
#include <QToolTip>

#include <cmath>
#include <tuple>
#include <vector>

namespace movla::qt {

ui::Entry entryOf(Qt::FocusReason reason) {
  if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
      reason == Qt::ShortcutFocusReason)
    return ui::Entry::Key;
  if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
    return ui::Entry::Outside;
  return reason == Qt::MouseFocusReason ? ui::Entry::Click : ui::Entry::Other;
}

LineLayout::LineLayout(const QLineEdit *box) : layout(box->displayText(), box->font(), box) {
  QTextOption option = layout.textOption();
  option.setTextDirection(box->layoutDirection());
  option.setFlags(QTextOption::IncludeTrailingSpaces);
  layout.setTextOption(option);
  layout.beginLayout();
  layout.createLine();
  layout.endLayout();
  const QRectF caret = box->inputMethodQuery(Qt::ImCursorRectangle).toRectF();
  origin = {caret.center().x() - line().cursorToX(box->cursorPosition()), caret.top()};
}

TextBox::TextBox(const ui::Control &row, QWidget *parent)
    : QLineEdit(QString::fromUtf8(row.text), parent), caret_(ui::entry_caret(row)) {
  for (QObject *child : children())
    if (child->inherits("QWidgetLineControl"))
      lineControl_ = child;
  connect(this, &QLineEdit::textChanged, this, [this] {
    if (kept_ && !hasFocus())
      selectWhole();
  });
  // Qt 6.4 shows the cursor of a box with a selection even without the
  // focus; its drag-leave handler hides it, and does nothing else.
  connect(this, &QLineEdit::selectionChanged, this, [this] {
    if (!hasFocus() && hasSelectedText()) {
      QDragLeaveEvent left;
      QLineEdit::dragLeaveEvent(&left);
    }
  });
}

void TextBox::selectWhole() {
  const auto length = static_cast<int>(text().size());
  const bool end = caret_ == ui::Caret::End;
  setSelection(end ? 0 : length, end ? length : -length);
}

void TextBox::selectWholeText() {
  if (hasFocus())
    announceFocus();
  kept_ = false;
  const auto selection = [this] {
    return std::tuple(selectionStart(), selectionLength(), cursorPosition());
  };
  const auto before = selection();
  selectWhole();
  if (hasFocus() && selection() != before)
    retellSelection();
}

// Qt 6.4 announces a box's focus only after the FocusIn that selects its text,
// so a screen reader reads the selection before the box's name. Announced
// first here, and the selection told again after, a reader that keeps only
// the latest event of a kind (Orca) reads the selection with the focus.
void TextBox::announceFocus() {
  QAccessibleEvent focus(this, QAccessible::Focus);
  if (!std::exchange(announced_, true))
    QAccessible::updateAccessibility(&focus);
}

void TextBox::retellSelection() {
  QTimer::singleShot(0, this, [this] {
    if (!hasFocus())
      return;
    const int start = hasSelectedText() ? selectionStart() : cursorPosition();
    QAccessibleTextSelectionEvent selection(this, start, start + selectionLength());
    selection.setCursorPosition(cursorPosition());
    QAccessible::updateAccessibility(&selection);
  });
}

void TextBox::focusInEvent(QFocusEvent *event) {
  announceFocus();
  const ui::Entry entry = entryOf(event->reason());
  if (std::exchange(kept_, false) && entry != ui::Entry::Key) {
    deselect();
    retellSelection();
  }
  // Qt gives the focus to a box before the press that clicked it arrives.
  pressEnters_ = entry == ui::Entry::Click && QApplication::mouseButtons() != Qt::NoButton;
  QLineEdit::focusInEvent(event);
}

void TextBox::focusOutEvent(QFocusEvent *event) {
  announced_ = pressEnters_ = false;
  heldPress_.reset();
  kept_ = entryOf(event->reason()) != ui::Entry::Outside && hasSelectedText();
  // Qt 6.4 drops the selection of a box left for another control, and a
  // screen reader says so; for a move to another window it keeps it.
  QFocusEvent away(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
  QLineEdit::focusOutEvent(kept_ ? &away : event);
}

bool TextBox::event(QEvent *event) {
  switch (event->type()) {
  case QEvent::ToolTip:
    if (!isReadOnly() || !toolTip().isEmpty())
      break;
    if (isCut()) {
      const QFontMetricsF metrics(QToolTip::font());
      qreal widest = 1;
      for (const QChar c : text())
        widest = std::max(widest, metrics.horizontalAdvance(c));
      const int screenWidth = screen() ? screen()->availableGeometry().width() : 640;
      QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(),
                         qString(ui::hover_text(text().toStdString(), screenWidth,
                                                static_cast<int>(std::ceil(widest)))),
                         this, rect());
    } else {
      QToolTip::hideText();
    }
    return true;
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

std::pair<QRect, QRect> TextBox::textArea() const {
  QStyleOptionFrame panel;
  initStyleOption(&panel);
  const QRect clip = style()
                         ->subElementRect(QStyle::SE_LineEditContents, &panel, this)
                         .marginsRemoved(textMargins());
  // QLineEdit's own gaps: 2 pixels left and right of its line, which every
  // box here centres vertically.
  const int height = fontMetrics().height();
  const int top = clip.y() + (clip.height() - height + 1) / 2;
  return {clip, QRect(clip.x() + 2, top, clip.width() - 4, height)};
}

// As QLineEdit judges it, which scrolls the text only when it is cut.
bool TextBox::isCut() const {
  return ui::is_cut(qRound(LineLayout(this).line().naturalTextWidth()), textArea().second.width());
}

void TextBox::paintEvent(QPaintEvent *event) {
  const bool cut = isReadOnly() && isCut();
  // With the caret at the start, QLineEdit shows the text from its start. A
  // selection from the start (Tab selects all) stays, its caret moved first;
  // a part the user is selecting, or has selected, is left where it is.
  const bool userSelects = hasFocus() && ((QGuiApplication::mouseButtons() & Qt::LeftButton) ||
                                          (hasSelectedText() && selectionStart() != 0));
  if (cut && !userSelects && cursorPosition() != 0) {
    if (hasSelectedText() && selectionStart() == 0)
      setSelection(selectionEnd(), -selectionEnd());
    else
      setCursorPosition(0);
  }
  // Qt 6.4 draws a box's selection whatever its focus: a kept one is set
  // aside while the box paints, with updates off and the signals of its line
  // control blocked, screen readers' events among them.
  const int start = selectionStart();
  const int length = kept_ && !hasFocus() ? selectionLength() : 0;
  const bool caretAtStart = cursorPosition() == start;
  const bool updatesDisabled = testAttribute(Qt::WA_UpdatesDisabled);
  const QSignalBlocker blocker(length > 0 ? lineControl_ : nullptr);
  if (length > 0) {
    setAttribute(Qt::WA_UpdatesDisabled);
    deselect();
  }
  QLineEdit::paintEvent(event);
  // A line drawn away from where it starts unscrolled: QLineEdit scrolled
  // it to a part the user selects.
  if (cut && std::abs(LineLayout(this).origin.x() - textArea().second.x()) < 1)
    drawMark();
  if (length > 0) {
    setSelection(caretAtStart ? start + length : start, caretAtStart ? -length : length);
    setAttribute(Qt::WA_UpdatesDisabled, updatesDisabled);
  }
}

// Covers whatever follows the last character that fits whole with the mark
// and draws the mark there.
void TextBox::drawMark() {
  const auto [clip, line] = textArea();
  const LineLayout layout(this);
  const QTextLine text = layout.line();
  const QString mark = qString(ui::cut_mark);
  const qreal markWidth = QFontMetricsF(font(), this).horizontalAdvance(mark);
  std::vector<double> ends; // measured as far as the box reaches
  for (int i = 1; i <= this->text().size() && (ends.empty() || ends.back() <= line.width()); ++i)
    ends.push_back(text.cursorToX(i));
  const auto shown = static_cast<int>(ui::shown_before_mark(ends, line.width(), markWidth));
  const qreal x = line.x() + text.cursorToX(shown);

  // The panel drawn again there is exactly what the box shows without text.
  QPainter painter(this);
  painter.setClipRect(clip.intersected(QRect(QPoint(static_cast<int>(std::floor(x)), line.top()),
                                             QPoint(clip.right(), line.bottom()))));
  QStyleOptionFrame panel;
  initStyleOption(&panel);
  style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);
  painter.setClipRect(clip);
  const bool selected = hasSelectedText() && selectionEnd() > shown;
  if (selected)
    painter.fillRect(QRectF(x, line.y(), markWidth, line.height()), palette().highlight());
  painter.setFont(font());
  painter.setPen(palette().color(selected ? QPalette::HighlightedText : QPalette::Text));
  painter.drawText(QPointF(x, line.y() + fontMetrics().ascent()), mark);
}

void TextBox::keyPressEvent(QKeyEvent *event) {
  if (isReadOnly() || !event->matches(QKeySequence::Paste))
    return QLineEdit::keyPressEvent(event);
  // Where Ctrl+Shift+Insert is a paste key (X11), it pastes the selection.
  const bool selection = event->key() == Qt::Key_Insert &&
                         event->modifiers() == (Qt::ControlModifier | Qt::ShiftModifier);
  pasteLine(selection ? QClipboard::Selection : QClipboard::Clipboard);
  event->accept();
}

void TextBox::mouseReleaseEvent(QMouseEvent *event) {
  if (event->button() != Qt::MiddleButton || isReadOnly() ||
      !QGuiApplication::clipboard()->supportsSelection())
    return QLineEdit::mouseReleaseEvent(event);
  // The press has moved the cursor to the pointer, unless the click entered
  // the box: then the whole text stands selected, and the paste replaces it.
  pasteLine(QClipboard::Selection);
  event->accept();
}

void TextBox::contextMenuEvent(QContextMenuEvent *event) {
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

void TextBox::dropEvent(QDropEvent *event) {
  const QString text = event->mimeData()->text();
  const QString line = qString(ui::pasted_line(text.toStdString()));
  if (isReadOnly() || line == text)
    return QLineEdit::dropEvent(event);
  // The dropped data cannot be changed: Qt drops a copy holding the line.
  QMimeData data;
  data.setText(line);
  QDropEvent drop(event->position(), event->possibleActions(), &data, event->buttons(),
                  event->modifiers());
  drop.setDropAction(event->dropAction());
  QLineEdit::dropEvent(&drop);
  event->setDropAction(drop.dropAction());
  event->setAccepted(drop.isAccepted());
}

void TextBox::pasteLine(QClipboard::Mode mode) {
  const QString line =
      qString(ui::pasted_line(QGuiApplication::clipboard()->text(mode).toStdString()));
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
void TextBox::closeUndoStep() {
  const int at = cursorPosition();
  const int away = at > 0 ? at - 1 : at + 1;
  if (away > text().size())
    return;
  setCursorPosition(away);
  setCursorPosition(at);
}

} // namespace movla::qt
