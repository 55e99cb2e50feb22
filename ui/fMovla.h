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
// The layout and texts are in fMovla_table.cpp.

#include "form.h"
#include "toolkit.h"

#include <movla/calculator.h>

#include <span>
#include <string>

namespace movla::ui {

class fMovla final : public FormOf<fMovla> {
public:
  static const WindowDescription description;
  static const Question exit_question;

  /// `fields` are the window's text boxes as the toolkit built them;
  /// `decimal_separator` is the one the user reads and types; `locale_name`
  /// the user's locale as the platform names it ("de_DE", "de-AT"), which
  /// decides how note names read (a German B is B flat).
  fMovla(Toolkit &toolkit, CalculatorFields &fields, std::string decimal_separator,
         std::string locale_name = {});

private:
  friend FormOf;
  static std::span<const Handler<fMovla>> events();

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

  Toolkit &toolkit_;
  CalculatorFields &fields_;
  std::string decimal_separator_;
  std::string locale_name_;
};

} // namespace movla::ui
