// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#include "fMovla.h"

#include <movla/number_text.h>

#include <utility>

namespace movla::ui {

fMovla::fMovla(Toolkit &toolkit, CalculatorFields &fields, std::string decimal_separator,
               std::string locale_name)
    : toolkit_(toolkit), fields_(fields), decimal_separator_(std::move(decimal_separator)),
      locale_name_(std::move(locale_name)) {}

std::span<const Handler<fMovla>> fMovla::events() {
  static constexpr Handler<fMovla> table[] = {
      {"fMovla", Event::Load, &fMovla::Form_Load},
      {"Cents_Change", Event::GotFocus, &fMovla::Cents_Change_GotFocus},
      {"Cents_Change", Event::LostFocus, &fMovla::Cents_Change_LostFocus},
      {"Ref_Freq1", Event::GotFocus, &fMovla::Ref_Freq1_GotFocus},
      {"Ref_Freq1", Event::LostFocus, &fMovla::Ref_Freq1_LostFocus},
      {"New_Frequency", Event::GotFocus, &fMovla::New_Frequency_GotFocus},
      {"New_Frequency", Event::LostFocus, &fMovla::New_Frequency_LostFocus},
      {"Ref_Freq2", Event::GotFocus, &fMovla::Ref_Freq2_GotFocus},
      {"Ref_Freq2", Event::LostFocus, &fMovla::Ref_Freq2_LostFocus},
      {"bExit", Event::Click, &fMovla::bExit_Click},
      {"bAbout", Event::Click, &fMovla::bAbout_Click},
  };
  return table;
}

void fMovla::Form_Load() {
  // The inputs' tooltips, which screen readers also give as their descriptions.
  for (const AccessibleText &box : description.accessible)
    if (box.description)
      toolkit_.set_tooltip(box.control, box.description);
  for (const InputField input : input_fields)
    fields_.set_text(input, default_text(input));
  calculate();
}

void fMovla::Cents_Change_GotFocus() {
  toolkit_.select_whole_text("Cents_Change");
}
void fMovla::Cents_Change_LostFocus() {
  calculate();
}
void fMovla::Ref_Freq1_GotFocus() {
  toolkit_.select_whole_text("Ref_Freq1");
}
void fMovla::Ref_Freq1_LostFocus() {
  calculate();
}
void fMovla::New_Frequency_GotFocus() {
  toolkit_.select_whole_text("New_Frequency");
}
void fMovla::New_Frequency_LostFocus() {
  calculate();
}
void fMovla::Ref_Freq2_GotFocus() {
  toolkit_.select_whole_text("Ref_Freq2");
}
void fMovla::Ref_Freq2_LostFocus() {
  calculate();
}

void fMovla::bExit_Click() {
  if (toolkit_.ask(exit_question))
    toolkit_.quit();
}

void fMovla::bAbout_Click() {
  toolkit_.show_about();
}

void fMovla::calculate() {
  sCalculate_Change(fields_, decimal_separator_, locale_name_);
}

} // namespace movla::ui
