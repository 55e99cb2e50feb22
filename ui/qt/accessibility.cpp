// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#include "accessibility.h"

#include "line_layout.h"

#include <QAccessibleWidget>
#include <QFontInfo>
#include <QLineEdit>
#include <QMetaMethod>
#include <QTextBoundaryFinder>

#include <algorithm>
#include <cmath>
#include <tuple>
#include <utility>

namespace movla::ui {

namespace {

class AccessibleLineEdit final : public QAccessibleWidget,
                                 public QAccessibleTextInterface,
                                 public QAccessibleEditableTextInterface {
public:
  explicit AccessibleLineEdit(QLineEdit *edit)
      : QAccessibleWidget(edit, QAccessible::EditableText) {
    for (const QMetaMethod signal : {QMetaMethod::fromSignal(&QLineEdit::textChanged),
                                     QMetaMethod::fromSignal(&QLineEdit::returnPressed)})
      addControllingSignal(QString::fromLatin1(signal.methodSignature()));
  }

  void *interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TextInterface)
      return static_cast<QAccessibleTextInterface *>(this);
    if (type == QAccessible::EditableTextInterface)
      return static_cast<QAccessibleEditableTextInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
  }

  QString text(QAccessible::Text type) const override {
    QString text = type == QAccessible::Value ? shown() : QAccessibleWidget::text(type);
    if (text.isEmpty() && type == QAccessible::Description)
      text = edit()->placeholderText();
    return text;
  }

  void setText(QAccessible::Text type, const QString &text) override {
    if (type == QAccessible::Value)
      replaceText(0, characterCount(), text);
    else
      QAccessibleWidget::setText(type, text);
  }

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = edit()->isReadOnly();
    state.editable = !state.readOnly;
    state.passwordEdit = edit()->echoMode() != QLineEdit::Normal;
    state.selectableText = true;
    return state;
  }

  // Text, as the box shows it: a password box gives its mask characters.
  int characterCount() const override { return static_cast<int>(shown().size()); }

  QString text(int startOffset, int endOffset) const override {
    const QString shown = this->shown();
    const auto [start, end] = clamped(startOffset, endOffset);
    return shown.mid(start, end - start);
  }

  // Qt's own answers to these three (QAccessibleTextInterface's) never
  // return for a word or a sentence at the end of the text, so every
  // boundary is answered here, none handed on.
  QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary, int *startOffset,
                           int *endOffset) const override {
    return piece(offset, boundary, -1, startOffset, endOffset);
  }
  QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int *startOffset,
                       int *endOffset) const override {
    return piece(offset, boundary, 0, startOffset, endOffset);
  }
  QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundary, int *startOffset,
                          int *endOffset) const override {
    return piece(offset, boundary, 1, startOffset, endOffset);
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
    const QPalette &palette = edit()->palette();
    const auto rgb = [](const QColor &colour) {
      return QStringLiteral("rgb(%1,%2,%3)")
          .arg(colour.red())
          .arg(colour.green())
          .arg(colour.blue());
    };
    return QStringLiteral("font-family:\"%1\";font-size:%2pt;font-weight:%3;font-style:%4;"
                          "color:%5;background-color:%6;")
        .arg(family)
        .arg(font.pointSizeF())
        .arg(font.weight())
        .arg(font.italic() ? QStringLiteral("italic") : QStringLiteral("normal"))
        .arg(rgb(palette.color(QPalette::Text)), rgb(palette.color(QPalette::Base)));
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
  // reports its cursor, gives every character's place.
  QRect characterRect(int offset) const override {
    if (offset < 0 || offset >= characterCount())
      return {};
    const Line line(edit());
    const qreal left = line.x(offset);
    const qreal right = line.x(offset + 1);
    const QRect rect(QPoint(static_cast<int>(std::floor(std::min(left, right))), line.top),
                     QPoint(static_cast<int>(std::ceil(std::max(left, right))) - 1,
                            line.top + static_cast<int>(std::ceil(line.height())) - 1));
    return rect.translated(edit()->mapToGlobal(QPoint(0, 0)));
  }

  // The character under the point, or -1 where the box has none there.
  int offsetAtPoint(const QPoint &point) const override {
    const QPoint local = edit()->mapFromGlobal(point);
    if (!edit()->rect().contains(local) || characterCount() == 0)
      return -1;
    const Line line(edit());
    const int offset =
        line.text.line().xToCursor(local.x() - line.origin, QTextLine::CursorOnCharacter);
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
  // The box's line of text, laid out as the box lays it out, with `origin`
  // the box's x of the line's start.
  struct Line {
    LineLayout text;
    qreal origin = 0;
    int top = 0;

    explicit Line(QLineEdit *edit) : text(edit) {
      // The box reports its cursor as a rectangle centred on it.
      const QRectF cursor = edit->inputMethodQuery(Qt::ImCursorRectangle).toRectF();
      origin = cursor.center().x() - text.line().cursorToX(edit->cursorPosition());
      top = static_cast<int>(cursor.top());
    }
    qreal x(int offset) const { return origin + text.line().cursorToX(offset); }
    qreal height() const { return text.line().height(); }
  };

  QLineEdit *edit() const { return static_cast<QLineEdit *>(widget()); }
  QString shown() const { return edit()->displayText(); }

  // The piece of text next to the one at `offset` (step -1), that one
  // (0), or the one after it (1). A box holds one number, so a word, a
  // sentence, a line and a paragraph are all its whole text, and the caret
  // at its end is still in it; only a character is smaller. As in Qt, -1
  // stands for the end of the text and -2 for the caret; any other offset
  // outside the text has no piece, reported as -1 to -1. Where a piece is
  // empty its ends meet where it would be.
  QString piece(int offset, QAccessible::TextBoundaryType boundary, int step, int *startOffset,
                int *endOffset) const {
    const QString shown = this->shown();
    const int count = static_cast<int>(shown.size());
    if (offset == -1)
      offset = count;
    else if (offset == -2)
      offset = cursorPosition();
    *startOffset = *endOffset = -1;
    if (offset < 0 || offset > count)
      return {};
    std::pair<int, int> range{0, count};
    if (boundary == QAccessible::CharBoundary) {
      range = character(shown, offset);
      if (step < 0)
        range = range.first == 0 ? std::pair(0, 0) : character(shown, range.first - 1);
      else if (step > 0)
        range = character(shown, range.second);
    } else if (step != 0) {
      range = step < 0 ? std::pair(0, 0) : std::pair(count, count);
    }
    std::tie(*startOffset, *endOffset) = range;
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
  auto *edit = qobject_cast<QLineEdit *>(object);
  // A spin box speaks for its own line edit, as Qt arranges it.
  if (!edit || edit->objectName() == QLatin1String("qt_spinbox_lineedit"))
    return nullptr;
  return new AccessibleLineEdit(edit);
}

} // namespace

void installAccessibleLineEdit() {
  QAccessible::installFactory(&create);
}

} // namespace movla::ui
