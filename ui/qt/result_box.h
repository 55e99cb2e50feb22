// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#pragma once
// How a result box shows a text wider than itself.
//
// A QLineEdit scrolls a long text to keep its caret in view, and setText(),
// selectAll() and Tab all put the caret at the end: 14763950080.00 showed as
// 63950080.00, which reads as another number. A result box whose text does
// not fit shows its start instead (sign and leading digits), up to the last
// character that fits whole, then an ellipsis; hovering shows the whole text,
// wrapped to fit the screen. This is decided at every paint, so it holds
// after each pass, focus change, resize and change of scale. A text that
// fits is left to Qt, drawn exactly as by any box. The text itself stays
// whole: copying and screen readers get all of it. The hover text is shown
// directly rather than set as the box's tooltip, which Qt would also hand
// screen readers as the box's description, so they would read it twice.

#include "text_box.h"

#include <QRect>

namespace movla::ui {

class ResultBox : public SingleLineEdit {
public:
  explicit ResultBox(const QString &text, QWidget *parent = nullptr)
      : SingleLineEdit(text, parent) {
    // Entered by Tab, the whole text is selected with the caret at its start,
    // so that a long text is not scrolled to its tail.
    setEntryCaret(Caret::Start);
  }

  /// Whether the text is wider than the box can show.
  bool isCut() const;

protected:
  bool event(QEvent *event) override;
  void paintEvent(QPaintEvent *event) override;

private:
  struct TextArea {
    QRect clip; // where QLineEdit lets its text be drawn
    QRect line; // where it lays out the line of text
  };
  TextArea textArea() const;
  bool scrolled() const;
  QString wrappedForScreen() const;
};

} // namespace movla::ui
