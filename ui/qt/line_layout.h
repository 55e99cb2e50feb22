// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#pragma once
// A text box's text laid out in one line as QLineEdit lays it out, for the
// code that must know where a character of the box stands (what a screen
// reader is told, where a long result is cut) without reaching into Qt's
// private line control.

#include <QLineEdit>
#include <QTextLayout>
#include <QTextOption>

namespace movla::ui {

struct LineLayout {
  QTextLayout layout;

  explicit LineLayout(const QLineEdit *box) : layout(box->displayText(), box->font(), box) {
    QTextOption option = layout.textOption();
    option.setTextDirection(box->layoutDirection());
    option.setFlags(QTextOption::IncludeTrailingSpaces);
    layout.setTextOption(option);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
  }
  QTextLine line() const { return layout.lineAt(0); }
};

} // namespace movla::ui
