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

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace movla {

// The nine calculator fields, inputs first, each named once here: the
// enumerators, the two lists below and field_name() are all made from these
// two lists, so that no second list can fall out of step with the enum.
#define MOVLA_INPUT_FIELDS(X) X(Cents_Change) X(Ref_Freq1) X(New_Frequency) X(Ref_Freq2)
#define MOVLA_RESULT_FIELDS(X)                                                                     \
  X(Freq_More) X(Freq_Less) X(Cents_New) X(Semitones_New) X(Octaves_New)

#define MOVLA_FIELD_ENUMERATOR(name) name,
#define MOVLA_FIELD_NAME(name) std::string_view{#name},
#define MOVLA_FIELD_OF(name) Field::name,

/// The nine calculator fields, inputs first.
enum class Field : std::size_t {
  MOVLA_INPUT_FIELDS(MOVLA_FIELD_ENUMERATOR) MOVLA_RESULT_FIELDS(MOVLA_FIELD_ENUMERATOR)
};

namespace detail {
inline constexpr std::array field_names{MOVLA_INPUT_FIELDS(MOVLA_FIELD_NAME)
                                            MOVLA_RESULT_FIELDS(MOVLA_FIELD_NAME)};
inline constexpr std::array input_fields{MOVLA_INPUT_FIELDS(MOVLA_FIELD_OF)};
} // namespace detail

inline constexpr std::size_t field_count = detail::field_names.size();

/// Whether the user types into the field (the inputs come first).
constexpr bool is_input(Field field) {
  return static_cast<std::size_t>(field) < detail::input_fields.size();
}

/// An input field. It is made from a Field only at compile time and only
/// from an input, so that a call meant for inputs (default_value) does not
/// compile with a result field.
class InputField {
public:
  consteval InputField(Field field) : field_(field) {
    // Calling a function that is not constexpr ends the constant evaluation:
    // it refuses a result field as a throw would, and builds where
    // exceptions are off (the WebAssembly build's).
    if (!is_input(field))
      a_result_field_is_not_an_input();
  }
  constexpr operator Field() const { return field_; }

private:
  static void a_result_field_is_not_an_input(); // never defined: never called
  Field field_;
};

/// The four fields the user types into, in field order.
inline constexpr std::array<InputField, detail::input_fields.size()> input_fields{
    MOVLA_INPUT_FIELDS(MOVLA_FIELD_OF)};

/// The five fields a pass writes its results into, in field order.
inline constexpr std::array result_fields{MOVLA_RESULT_FIELDS(MOVLA_FIELD_OF)};
static_assert(input_fields.size() + result_fields.size() == field_count);

/// All nine fields, in field order.
inline constexpr std::array all_fields{MOVLA_INPUT_FIELDS(MOVLA_FIELD_OF)
                                           MOVLA_RESULT_FIELDS(MOVLA_FIELD_OF)};

#undef MOVLA_FIELD_ENUMERATOR
#undef MOVLA_FIELD_NAME
#undef MOVLA_FIELD_OF

/// The field's own name, e.g. "Ref_Freq1". Every enumerator has one; an
/// integer cast to Field beyond them does not compile in a constant
/// expression and throws std::out_of_range at run time.
constexpr std::string_view field_name(Field field) {
  return detail::field_names.at(static_cast<std::size_t>(field));
}

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

/// The default of an input field (see above).
constexpr std::int16_t default_value(InputField input) {
  switch (static_cast<Field>(input)) {
  case Field::Cents_Change:
    return default_cents;
  case Field::Ref_Freq1:
  case Field::Ref_Freq2:
    return default_reference;
  case Field::New_Frequency:
    return default_new_frequency;
  default: // InputField admits no result field
    return 0;
  }
}
static_assert(std::ranges::all_of(input_fields, [](InputField f) { return default_value(f) > 0; }),
              "every input has a default");

/// The default as the boxes show it, e.g. "440".
std::string default_text(InputField input);

/// One calculation pass over the fields. Never fails outward: an unusable
/// input is reset to its default and its section's results read "Error".
/// `decimal_separator` is the user's locale's, as UTF-8 ("." or "," or "٫").
/// The cents box is read with read_interval, the three frequencies with
/// read_frequency, which takes `locale_name` ("de_DE" for German note names).
void sCalculate_Change(CalculatorFields &fields, std::string_view decimal_separator,
                       std::string_view locale_name = {});

} // namespace movla
