// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#pragma once
// Movla's arithmetic, free of any windowing toolkit.
//
// The calculator keeps every quantity as text in nine named fields. A
// calculation pass (sCalculate_Change) reads the four inputs through
// CalculatorFields::text, puts a default back into any input it cannot use,
// and writes the five results through CalculatorFields::set_text, each as a
// two-decimal number or as "Error". The window binds the fields to its text
// boxes; tests bind them to a plain array (MemoryFields).

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace movla {

/// The nine calculator fields, inputs first.
enum class Field : std::size_t {
  Cents_Change,
  Ref_Freq1,
  New_Frequency,
  Ref_Freq2,
  Freq_More,
  Freq_Less,
  Cents_New,
  Semitones_New,
  Octaves_New,
};

inline constexpr std::size_t field_count = 9;

/// The four fields the user types into, in field order.
inline constexpr std::array input_fields{Field::Cents_Change, Field::Ref_Freq1,
                                         Field::New_Frequency, Field::Ref_Freq2};

/// The five fields a pass writes its results into, in field order.
inline constexpr std::array result_fields{Field::Freq_More, Field::Freq_Less, Field::Cents_New,
                                          Field::Semitones_New, Field::Octaves_New};
static_assert(input_fields.size() + result_fields.size() == field_count);

/// The field's own name, e.g. "Ref_Freq1".
std::string_view field_name(Field field);

/// Get text and set text, by field: all a pass may do with the fields.
class CalculatorFields {
public:
  virtual ~CalculatorFields() = default;
  virtual std::string text(Field field) const = 0;
  virtual void set_text(Field field, std::string_view text) = 0;
};

/// Fields held in memory, for tests, benchmarks and fuzzers.
class MemoryFields final : public CalculatorFields {
public:
  std::string text(Field field) const override { return texts_[static_cast<std::size_t>(field)]; }
  void set_text(Field field, std::string_view text) override {
    texts_[static_cast<std::size_t>(field)] = text;
  }

private:
  std::array<std::string, field_count> texts_;
};

/// What a pass writes back into an unusable input, and what the window
/// starts with.
inline constexpr std::int16_t default_cents = 100;
inline constexpr std::int16_t default_reference = 440; // both sections' references
inline constexpr std::int16_t default_new_frequency = 415;

/// The default of an input field (see above); 0 for a result field.
constexpr std::int16_t default_value(Field input) {
  switch (input) {
  case Field::Cents_Change:
    return default_cents;
  case Field::Ref_Freq1:
  case Field::Ref_Freq2:
    return default_reference;
  case Field::New_Frequency:
    return default_new_frequency;
  case Field::Freq_More:
  case Field::Freq_Less:
  case Field::Cents_New:
  case Field::Semitones_New:
  case Field::Octaves_New:
    break;
  }
  return 0;
}

/// One calculation pass over the fields. Never fails outward: an unusable
/// input is reset to its default and its section's results read "Error".
/// `decimal_separator` is the user's locale's, as UTF-8 ("." or "," or "٫").
void sCalculate_Change(CalculatorFields &fields, std::string_view decimal_separator);

} // namespace movla
