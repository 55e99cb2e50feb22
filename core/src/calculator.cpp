// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#include "movla/calculator.h"

#include <cmath>

#include "movla/number_text.h"

namespace movla {

std::string default_text(InputField input) {
  return write_whole_number(default_value(input));
}

namespace {

constexpr std::string_view error_text = "Error";

// One pass's access to the fields and its single error flag. Every step that
// fails raises the flag and leaves its working value as it was; nothing
// lowers it but the change from one section to the next.
class Pass {
public:
  Pass(CalculatorFields &fields, std::string_view decimal_separator, std::string_view locale_name)
      : fields_(fields), separator_(decimal_separator), locale_name_(locale_name) {}

  void clear() { failed_ = false; }

  /// Reads the field afresh, the cents box as an interval and the others as
  /// a frequency; on failure raises the flag and returns false.
  bool read(Field field, double &value) {
    const std::string text = fields_.text(field);
    const ReadResult result = field == Field::Cents_Change
                                  ? read_interval(text, separator_)
                                  : read_frequency(text, separator_, locale_name_);
    if (!result)
      return fail();
    value = result.value;
    return true;
  }

  /// Stores an arithmetic result unless it overflowed or is undefined.
  bool compute(double result, double &value) {
    if (!std::isfinite(result))
      return fail();
    value = result;
    return true;
  }

  /// A zero divisor fails even where IEEE would give an infinity or NaN.
  bool divide(double dividend, double divisor, double &value) {
    return divisor == 0.0 ? fail() : compute(dividend / divisor, value);
  }

  bool fail() {
    failed_ = true;
    return false;
  }

  void reset(InputField input) { fields_.set_text(input, default_text(input)); }

  void show(Field field, double value) {
    if (failed_)
      fields_.set_text(field, error_text);
    else
      fields_.set_text(field, write_two_decimals(value, separator_));
  }

private:
  CalculatorFields &fields_;
  std::string_view separator_;
  std::string_view locale_name_;
  bool failed_ = false;
};

constexpr double cents_per_octave = 1200.0;
constexpr double semitones_per_octave = 12.0;

} // namespace

void sCalculate_Change(CalculatorFields &fields, std::string_view decimal_separator,
                       std::string_view locale_name) {
  Pass pass(fields, decimal_separator, locale_name);
  double value = 0.0;

  // Section A: the frequencies a number of cents above and below a reference.
  // An input is reset only when its own text is unreadable, so a bad cents
  // value does not throw away a good reference; the flag still makes this
  // section's results read "Error".
  if (!pass.read(Field::Cents_Change, value))
    pass.reset(Field::Cents_Change);
  if (!pass.read(Field::Ref_Freq1, value))
    pass.reset(Field::Ref_Freq1);

  double e = 0.0, f = 0.0, up = 0.0, down = 0.0;
  if (pass.read(Field::Cents_Change, value))
    pass.compute(value / cents_per_octave, e);
  pass.compute(std::pow(2.0, e), f);
  if (pass.read(Field::Ref_Freq1, value))
    pass.compute(value * f, up);
  if (pass.read(Field::Ref_Freq1, value))
    pass.divide(value, f, down);
  pass.show(Field::Freq_More, up);
  pass.show(Field::Freq_Less, down);
  pass.clear();

  // Section B: the interval from a reference frequency to another one. A
  // zero frequency is replaced by its default without any "Error".
  if (!pass.read(Field::New_Frequency, value))
    pass.reset(Field::New_Frequency);
  if (pass.read(Field::New_Frequency, value) && value == 0.0)
    pass.reset(Field::New_Frequency);
  if (!pass.read(Field::Ref_Freq2, value))
    pass.reset(Field::Ref_Freq2);
  if (pass.read(Field::Ref_Freq2, value) && value == 0.0)
    pass.reset(Field::Ref_Freq2);

  double a = 0.0, b = 0.0, r = 0.0, l = 0.0;
  pass.read(Field::New_Frequency, a);
  pass.read(Field::Ref_Freq2, b);
  pass.divide(a, b, r);
  if (r > 0.0)
    pass.compute(std::log(r), l);
  else
    pass.fail();

  double cents = 0.0, semitones = 0.0, octaves = 0.0;
  pass.compute(l / std::log(2.0) * cents_per_octave, cents);
  pass.show(Field::Cents_New, cents);
  pass.compute(l / std::log(2.0) * semitones_per_octave, semitones);
  pass.show(Field::Semitones_New, semitones);
  pass.compute(l / std::log(2.0), octaves);
  pass.show(Field::Octaves_New, octaves);
}

} // namespace movla
