// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#include "accessibility.h"

#include "text_box.h"

#include <QAccessibleWidget>
#include <QFontInfo>
#include <QTextBoundaryFinder>

#include <algorithm>
#include <cmath>
#include <tuple>
#include <utility>

namespace movla::qt {

namespace {

using Boundary = QAccessible::TextBoundaryType;

class AccessibleTextBox final : public QAccessibleWidget,
                                public QAccessibleTextInterface,
                                public QAccessibleEditableTextInterface {
public:
  explicit AccessibleTextBox(QLineEdit *edit)
      : QAccessibleWidget(edit, QAccessible::EditableText) {}

  void *interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TextInterface)
      return static_cast<QAccessibleTextInterface *>(this);
    if (type == QAccessible::EditableTextInterface)
      return static_cast<QAccessibleEditableTextInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
  }

  QString text(QAccessible::Text type) const override {
    return type == QAccessible::Value ? shown() : QAccessibleWidget::text(type);
  }

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = edit()->isReadOnly();
    state.editable = !state.readOnly;
    state.selectableText = true;
    return state;
  }

  int characterCount() const override { return static_cast<int>(shown().size()); }

  QString text(int startOffset, int endOffset) const override {
    const QString shown = this->shown();
    const auto [start, end] = clamped(startOffset, endOffset);
    return shown.mid(start, end - start);
  }

  // Qt 6.4's own answers to these three never return for a word or a
  // sentence at the end of the text: every boundary is answered here.
  QString textBeforeOffset(int offset, Boundary boundary, int *start, int *end) const override {
    return piece(offset, boundary, -1, start, end);
  }
  QString textAtOffset(int offset, Boundary boundary, int *start, int *end) const override {
    return piece(offset, boundary, 0, start, end);
  }
  QString textAfterOffset(int offset, Boundary boundary, int *start, int *end) const override {
    return piece(offset, boundary, 1, start, end);
  }

  // One run over the whole text, whatever the offset: a line edit has no
  // character formats. The text is "name:value;" pairs, every value
  // non-empty, which is what Qt's AT-SPI bridge parses.
  QString attributes(int, int *startOffset, int *endOffset) const override {
    *startOffset = 0;
    *endOffset = characterCount();
    const QFontInfo font(edit()->font());
    QString family = font.family();
    family.remove(QLatin1Char(';')).remove(QLatin1Char(':')).remove(QLatin1Char('"'));
    const QColor text = edit()->palette().color(QPalette::Text);
    const QColor back = edit()->palette().color(QPalette::Base);
    return QString::asprintf("font-family:\"%s\";font-size:%spt;font-weight:%d;font-style:%s;"
                             "color:rgb(%d,%d,%d);background-color:rgb(%d,%d,%d);",
                             qUtf8Printable(family), qPrintable(QString::number(font.pointSizeF())),
                             font.weight(), font.italic() ? "italic" : "normal", text.red(),
                             text.green(), text.blue(), back.red(), back.green(), back.blue());
  }

  int cursorPosition() const override { return edit()->cursorPosition(); }
  void setCursorPosition(int position) override {
    edit()->setCursorPosition(clamped(position, position).first);
  }

  int selectionCount() const override { return edit()->hasSelectedText() ? 1 : 0; }
  void selection(int index, int *startOffset, int *endOffset) const override {
    *startOffset = *endOffset = -1; // Qt's bridge then reports the caret
    if (index == 0 && edit()->hasSelectedText()) {
      *startOffset = edit()->selectionStart();
      *endOffset = edit()->selectionEnd();
    }
  }
  void addSelection(int startOffset, int endOffset) override {
    setSelection(0, startOffset, endOffset);
  }
  void removeSelection(int index) override {
    if (index == 0)
      edit()->deselect();
  }
  void setSelection(int index, int startOffset, int endOffset) override {
    if (index != 0)
      return;
    const auto [start, end] = clamped(startOffset, endOffset);
    edit()->setSelection(start, end - start);
  }

  // The box lays its text out in one line of its own font and scrolls it
  // to keep the cursor in view; a copy of that line, placed where the box
  // draws it, gives every character's place.
  QRect characterRect(int offset) const override {
    if (offset < 0 || offset >= characterCount())
      return {};
    const LineLayout line(edit());
    const auto [left, right] = std::minmax({line.x(offset), line.x(offset + 1)});
    const auto top = static_cast<int>(line.origin.y());
    const QRect rect(QPoint(static_cast<int>(std::floor(left)), top),
                     QPoint(static_cast<int>(std::ceil(right)) - 1,
                            top + static_cast<int>(std::ceil(line.line().height())) - 1));
    return rect.translated(edit()->mapToGlobal(QPoint(0, 0)));
  }

  // The character under the point, or -1 where the box has none there.
  int offsetAtPoint(const QPoint &point) const override {
    const QPoint local = edit()->mapFromGlobal(point);
    if (!edit()->rect().contains(local) || characterCount() == 0)
      return -1;
    const LineLayout line(edit());
    const int offset =
        line.line().xToCursor(local.x() - line.origin.x(), QTextLine::CursorOnCharacter);
    return std::clamp(offset, 0, characterCount() - 1);
  }

  // As a user would: the cursor goes to the end, then to the start, so the
  // box scrolls the substring into view from its start.
  void scrollToSubstring(int startIndex, int endIndex) override {
    setCursorPosition(endIndex);
    setCursorPosition(startIndex);
  }

  void deleteText(int startOffset, int endOffset) override {
    replaceText(startOffset, endOffset, {});
  }
  void insertText(int offset, const QString &text) override { replaceText(offset, offset, text); }

  // An edit through the box's own insert(): it honours the box's maximum
  // length and validator and can be undone like typing.
  void replaceText(int startOffset, int endOffset, const QString &text) override {
    if (edit()->isReadOnly())
      return;
    const auto [start, end] = clamped(startOffset, endOffset);
    if (start == end)
      edit()->setCursorPosition(start);
    else
      edit()->setSelection(start, end - start);
    edit()->insert(text);
  }

private:
  QLineEdit *edit() const { return static_cast<QLineEdit *>(widget()); }
  QString shown() const { return edit()->displayText(); }

  // The piece of text next to the one at `offset` (step -1), that one
  // (0), or the one after it (1). A box holds one number, so a word, a
  // sentence, a line and a paragraph are all its whole text, and the caret
  // at its end is still in it; only a character is smaller. As in Qt, -1
  // stands for the end of the text and -2 for the caret; any other offset
  // outside the text has no piece, reported as -1 to -1. Where a piece is
  // empty its ends meet where it would be.
  QString piece(int offset, Boundary boundary, int step, int *start, int *end) const {
    const QString shown = this->shown();
    const int count = static_cast<int>(shown.size());
    offset = offset == -1 ? count : offset == -2 ? cursorPosition() : offset;
    *start = *end = -1;
    if (offset < 0 || offset > count)
      return {};
    auto range = step < 0   ? std::pair(0, 0)
                 : step > 0 ? std::pair(count, count)
                            : std::pair(0, count);
    if (boundary == QAccessible::CharBoundary) {
      range = character(shown, offset);
      if (step < 0)
        range = range.first == 0 ? std::pair(0, 0) : character(shown, range.first - 1);
      else if (step > 0)
        range = character(shown, range.second);
    }
    std::tie(*start, *end) = range;
    return shown.mid(range.first, range.second - range.first);
  }

  // The character (a grapheme: a digit with its combining marks is one) that
  // holds `offset`; empty at the end of the text.
  static std::pair<int, int> character(const QString &text, int offset) {
    const int count = static_cast<int>(text.size());
    if (offset >= count)
      return {count, count};
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    finder.setPosition(offset);
    if (!finder.isAtBoundary())
      finder.toPreviousBoundary(); // 0 is one
    const int start = static_cast<int>(finder.position());
    return {start, static_cast<int>(finder.toNextBoundary())}; // and so is the end
  }

  std::pair<int, int> clamped(int startOffset, int endOffset) const {
    const int count = characterCount();
    const int start = std::clamp(startOffset, 0, count);
    const int end = endOffset < 0 ? count : std::clamp(endOffset, start, count);
    return {start, end};
  }
};

QAccessibleInterface *create(const QString &, QObject *object) {
  auto *box = qobject_cast<TextBox *>(object);
  return box ? new AccessibleTextBox(box) : nullptr;
}

} // namespace

void installAccessibleTextBox() {
  QAccessible::installFactory(&create);
}

} // namespace movla::qt
