// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#pragma once
// A text box on Qt: a QLineEdit that keeps what box_rules.h decides and
// toolkit.h asks of a layer.
//
// - A paste or a drop goes in as ui::pasted_line(), by every route into it
//   (QLineEdit::paste() is not virtual in Qt 6.4: the paste keys, the
//   context menu, middle-click and a drop are caught one by one), and stays
//   one undo step, as Qt's own paste does.
// - A box the focus leaves for another control of its window keeps its
//   selection out of sight and shows no cursor, so that a screen reader
//   has nothing to say of it; a text written into it meanwhile is kept
//   selected whole. Entered again, other than by key, it shows none of it.
// - A press that clicks into the box with its text selected is held until
//   it turns into a drag: a plain click leaves the whole text selected
//   rather than dropping the selection, which a reader would announce,
//   and taking it again.
// - A result whose text is cut shows its start and ui::cut_mark at every
//   paint (QLineEdit scrolls a long text to keep its caret, which setText()
//   and Tab put at the end, in view: 14763950080.00 showed as 63950080.00),
//   and hovering shows ui::hover_text(). The hover text is shown, not set
//   as the tooltip, which Qt would also give screen readers as the box's
//   description.

#include "window_rules.h"

#include <QClipboard>
#include <QLineEdit>
#include <QTextLayout>

#include <memory>
#include <utility>

namespace movla::qt {

/// How a focus event's reason names the move, in the rules' terms.
ui::Entry entryOf(Qt::FocusReason reason);

/// A box's text laid out in one line as QLineEdit lays it out, for the code
/// that must know where a character stands without reaching into Qt's
/// private line control.
struct LineLayout {
  QTextLayout layout;
  /// Where the box draws the line's start, which it scrolls to keep the
  /// caret in view: the box reports its caret as a rectangle centred on it.
  QPointF origin;
  explicit LineLayout(const QLineEdit *box);
  QTextLine line() const { return layout.lineAt(0); }
  qreal x(int offset) const { return origin.x() + line().cursorToX(offset); }
};

class TextBox final : public QLineEdit {
  Q_OBJECT

public:
  TextBox(const ui::Control &row, QWidget *parent);

  /// Selects the whole text, the caret at ui::entry_caret(). The focus that
  /// has just entered the box is announced first.
  void selectWholeText();
  /// Whether the text is wider than the box can show.
  bool isCut() const;

protected:
  bool event(QEvent *event) override;
  void focusInEvent(QFocusEvent *event) override;
  void focusOutEvent(QFocusEvent *event) override;
  void paintEvent(QPaintEvent *event) override;
  void keyPressEvent(QKeyEvent *event) override;
  void mouseReleaseEvent(QMouseEvent *event) override;
  void contextMenuEvent(QContextMenuEvent *event) override;
  void dropEvent(QDropEvent *event) override;

private:
  /// Where QLineEdit lets its text be drawn, and where it lays out the line.
  std::pair<QRect, QRect> textArea() const;
  void selectWhole();
  void announceFocus();
  void retellSelection();
  void drawMark();
  void pasteLine(QClipboard::Mode mode);
  void closeUndoStep();

  const ui::Caret caret_;
  QObject *lineControl_ = nullptr; // Qt's private half of the box
  bool announced_ = false;         // the focus this box holds has been announced
  bool kept_ = false;              // its selection is kept while the focus is elsewhere
  bool pressEnters_ = false;
  std::unique_ptr<QMouseEvent> heldPress_;
};

} // namespace movla::qt
