// One whole pass over four arbitrary inputs, checking what must hold after
// any pass rather than only that nothing crashes.

#include "movla/calculator.h"
#include "movla/number_text.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

using movla::Field;

constexpr Field inputs[] = {Field::Cents_Change, Field::Ref_Freq1, Field::New_Frequency,
                            Field::Ref_Freq2};
constexpr Field section_a[] = {Field::Freq_More, Field::Freq_Less};
constexpr Field section_b[] = {Field::Cents_New, Field::Semitones_New, Field::Octaves_New};

[[noreturn]] void broken(const char *what, Field field) {
  std::fprintf(stderr, "invariant broken: %s (%s)\n", what, movla::field_name(field).data());
  std::abort();
}

// "Error", or an optional minus, digits, the separator and two digits.
bool is_result_text(std::string_view text, std::string_view separator) {
  if (text == "Error")
    return true;
  if (text.starts_with('-'))
    text.remove_prefix(1);
  std::size_t digits = 0;
  while (digits < text.size() && text[digits] >= '0' && text[digits] <= '9')
    ++digits;
  if (digits == 0)
    return false;
  text.remove_prefix(digits);
  if (!text.starts_with(separator))
    return false;
  text.remove_prefix(separator.size());
  return text.size() == 2 && text[0] >= '0' && text[0] <= '9' && text[1] >= '0' && text[1] <= '9';
}

template <std::size_t N>
void check_section(const movla::MemoryFields &fields, const Field (&results)[N],
                   std::string_view separator) {
  std::size_t errors = 0;
  for (Field field : results) {
    const std::string text = fields.text(field);
    if (!is_result_text(text, separator))
      broken("result is neither a two-decimal number nor Error", field);
    errors += text == "Error";
  }
  if (errors != 0 && errors != N)
    broken("section mixes numbers and Error", results[0]);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  static constexpr std::string_view separators[] = {".", ",", "\xD9\xAB"};
  FuzzedDataProvider provider(data, size);
  const std::string_view separator =
      separators[provider.ConsumeIntegralInRange<std::size_t>(0, std::size(separators) - 1)];

  movla::MemoryFields fields;
  for (Field field : inputs)
    fields.set_text(field, provider.ConsumeRandomLengthString(64));
  std::string before[4];
  for (std::size_t i = 0; i < 4; ++i)
    before[i] = fields.text(inputs[i]);

  movla::sCalculate_Change(fields, separator);

  bool inputs_kept = true;
  for (std::size_t i = 0; i < 4; ++i) {
    const auto value = movla::read_number(fields.text(inputs[i]), separator);
    if (!value)
      broken("input does not read as a number after a pass", inputs[i]);
    if ((inputs[i] == Field::New_Frequency || inputs[i] == Field::Ref_Freq2) && value.value == 0)
      broken("frequency is zero after a pass", inputs[i]);
    inputs_kept = inputs_kept && fields.text(inputs[i]) == before[i];
  }
  check_section(fields, section_a, separator);
  check_section(fields, section_b, separator);

  // A second pass finds nothing left to reset; when the first reset nothing
  // either, it must also show the very same results.
  movla::MemoryFields again = fields;
  movla::sCalculate_Change(again, separator);
  for (std::size_t i = 0; i < movla::field_count; ++i) {
    const auto field = static_cast<Field>(i);
    const bool is_input = i < 4;
    if ((is_input || inputs_kept) && again.text(field) != fields.text(field))
      broken(is_input ? "second pass changed an input" : "second pass changed a result", field);
  }
  return 0;
}
