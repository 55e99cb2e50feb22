// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#include "result_box.h"

#include "line_layout.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QPainter>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QToolTip>

#include <algorithm>
#include <cmath>

namespace movla::ui {

namespace {

// QLineEdit's own gaps between its contents rectangle and its line of text.
constexpr int horizontalMargin = 2;
constexpr int verticalMargin = 1;

const QString ellipsis = QStringLiteral("\u2026");

} // namespace

ResultBox::TextArea ResultBox::textArea() const {
  QStyleOptionFrame panel;
  initStyleOption(&panel);
  const QRect clip = style()
                         ->subElementRect(QStyle::SE_LineEditContents, &panel, this)
                         .marginsRemoved(textMargins());
  const int height = fontMetrics().height();
  int top = clip.y() + (clip.height() - height + 1) / 2;
  if (alignment() & Qt::AlignTop)
    top = clip.y() + verticalMargin;
  else if (alignment() & Qt::AlignBottom)
    top = clip.y() + clip.height() - height - verticalMargin;
  return {clip,
          QRect(clip.x() + horizontalMargin, top, clip.width() - 2 * horizontalMargin, height)};
}

// The same test as QLineEdit's, which scrolls the text only when it fails.
bool ResultBox::isCut() const {
  return qRound(LineLayout(this).line().naturalTextWidth()) + 1 > textArea().line.width();
}

void ResultBox::paintEvent(QPaintEvent *event) {
  if (!isCut()) {
    SingleLineEdit::paintEvent(event);
    return;
  }
  // With the caret at the start, QLineEdit shows the text from its start. A
  // selection from the start (Tab selects all) stays, its caret moved first.
  // A part the user is selecting, or has selected, in the box is left where
  // the user put it, and shown as Qt shows it.
  const bool userSelects = hasFocus() && ((QGuiApplication::mouseButtons() & Qt::LeftButton) ||
                                          (hasSelectedText() && selectionStart() != 0));
  if (!userSelects && cursorPosition() != 0) {
    if (hasSelectedText() && selectionStart() == 0)
      setSelection(selectionEnd(), -selectionEnd());
    else
      setCursorPosition(0);
  }
  SingleLineEdit::paintEvent(event);
  if (scrolled())
    return;

  // Cover whatever follows the last character that fits whole together with
  // the ellipsis, and draw the ellipsis there.
  const auto [clip, line] = textArea();
  const LineLayout layout(this);
  const QTextLine text = layout.line();
  const QFontMetricsF metrics(font(), this);
  const qreal room = line.width() - 1 - metrics.horizontalAdvance(ellipsis);
  int shown = 0;
  for (int next = layout.layout.nextCursorPosition(0); next > shown && text.cursorToX(next) <= room;
       next = layout.layout.nextCursorPosition(next))
    shown = next;
  const qreal x = line.x() + text.cursorToX(shown);

  // The panel drawn again there is exactly what the box shows without text.
  QPainter painter(this);
  painter.setClipRect(clip.intersected(QRect(QPoint(static_cast<int>(std::floor(x)), line.top()),
                                             QPoint(clip.right(), line.bottom()))));
  QStyleOptionFrame panel;
  initStyleOption(&panel);
  style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);
  painter.setClipRect(clip);
  const QPalette &colours = palette();
  const bool selected = showsSelection() && selectionEnd() > shown;
  if (selected)
    painter.fillRect(QRectF(x, line.y(), metrics.horizontalAdvance(ellipsis), line.height()),
                     colours.highlight());
  painter.setFont(font());
  painter.setPen(selected ? colours.color(QPalette::HighlightedText)
                          : colours.color(QPalette::Text));
  painter.drawText(QPointF(x, line.y() + fontMetrics().ascent()), ellipsis);
}

// Whether QLineEdit scrolled the text to keep the caret in view: it reports
// the caret where it draws it.
bool ResultBox::scrolled() const {
  const qreal drawn = inputMethodQuery(Qt::ImCursorRectangle).toRectF().center().x();
  const qreal laidOut = textArea().line.x() + LineLayout(this).line().cursorToX(cursorPosition());
  return std::abs(drawn - laidOut) >= 1;
}

bool ResultBox::event(QEvent *event) {
  if (event->type() == QEvent::ToolTip && toolTip().isEmpty()) {
    if (isCut())
      QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(), wrappedForScreen(), this,
                         rect());
    else
      QToolTip::hideText();
    return true;
  }
  return SingleLineEdit::event(event);
}

// A 309-digit number has no place to break and would run off the screen:
// it is broken into lines of a width that fits half the screen.
QString ResultBox::wrappedForScreen() const {
  const QString whole = text();
  const QScreen *screen = this->screen();
  const int screenWidth = screen ? screen->availableGeometry().width() : 640;
  const QFontMetricsF metrics(QToolTip::font());
  qreal widest = 1;
  for (const QChar c : whole)
    widest = std::max(widest, metrics.horizontalAdvance(c));
  const auto perLine = std::max<qsizetype>(8, static_cast<qsizetype>(screenWidth / 2 / widest));
  QString wrapped;
  for (qsizetype start = 0; start < whole.size(); start += perLine) {
    if (start > 0)
      wrapped += QLatin1Char('\n');
    wrapped += whole.mid(start, perLine);
  }
  return wrapped;
}

} // namespace movla::ui
