// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#pragma once
// What a one-line text box takes in when text arrives whole, by paste or drop.
//
// Text copied from a spreadsheet cell, a terminal or a web page often ends in
// a line break, which a QLineEdit keeps but does not show: the box looks like
// 432 and does not read as a number. A box here holds one line: a paste or a
// drop keeps the first line that is not blank, without its break, and text
// without a break goes in as it is. Typing is untouched. QLineEdit::paste() is
// not virtual, so each route into it is caught here (the paste keys, the
// context menu, middle-click, a drop), and a paste stays one undo step, as
// Qt's own does. What the focus entering and leaving selects is
// FocusSelectionEdit's.

#include "focus_selection.h"

#include <QClipboard>

namespace movla::ui {

class SingleLineEdit : public FocusSelectionEdit {
public:
  using FocusSelectionEdit::FocusSelectionEdit;

protected:
  void keyPressEvent(QKeyEvent *event) override;
  void mouseReleaseEvent(QMouseEvent *event) override;
  void contextMenuEvent(QContextMenuEvent *event) override;
  void dropEvent(QDropEvent *event) override;

private:
  void pasteLine(QClipboard::Mode mode);
  void closeUndoStep();
};

} // namespace movla::ui
