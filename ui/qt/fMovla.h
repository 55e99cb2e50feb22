// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#pragma once
// fMovla, the calculator window.
//
// Four input boxes and five result boxes stand for the calculator fields of
// movla/calculator.h. A calculation pass runs once in Form_Load and again
// whenever an input loses the focus to another control of this window; the
// pass reads the inputs, resets unusable ones and writes every result. When
// an input gains the focus its whole text is selected, so typing replaces it.

#include "line_edit_fields.h"

#include <QLocale>
#include <QWidget>

#include <optional>
#include <string>

class QLineEdit;
class QPushButton;

class fMovla : public QWidget {
  Q_OBJECT

public:
  /// `locale` gives the decimal separator the user reads and types.
  explicit fMovla(const QLocale &locale = QLocale::system(), QWidget *parent = nullptr);

protected:
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  // The window's event handlers.
  void Form_Load();
  void Cents_Change_GotFocus();
  void Cents_Change_LostFocus();
  void Ref_Freq1_GotFocus();
  void Ref_Freq1_LostFocus();
  void New_Frequency_GotFocus();
  void New_Frequency_LostFocus();
  void Ref_Freq2_GotFocus();
  void Ref_Freq2_LostFocus();
  void bExit_Click();
  void bAbout_Click();

  void calculate();
  void selectWholeText(QLineEdit *box);

  std::string decimalSeparator_;
  QLineEdit *Cents_Change;
  QLineEdit *Ref_Freq1;
  QLineEdit *New_Frequency;
  QLineEdit *Ref_Freq2;
  QPushButton *bExit;
  QPushButton *bAbout;
  std::optional<movla::ui::LineEditFields> fields_;
  // The input that a mouse click just focused; its selection is redone once
  // the click has been handled, because the click itself places the cursor.
  QLineEdit *clickedInto_ = nullptr;
};
