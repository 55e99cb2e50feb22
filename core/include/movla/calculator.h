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

/// One calculation pass over the fields. Never fails outward: an unusable
/// input is reset to its default and its section's results read "Error".
/// `decimal_separator` is the user's locale's, as UTF-8 ("." or "," or "٫").
void sCalculate_Change(CalculatorFields &fields, std::string_view decimal_separator);

} // namespace movla
