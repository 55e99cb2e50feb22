// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#include "pass_invariants.h"

#include <movla/number_text.h>

#include <algorithm>
#include <span>

namespace movla::test {

namespace {

constexpr Field section_a[] = {Field::Freq_More, Field::Freq_Less};
constexpr Field section_b[] = {Field::Cents_New, Field::Semitones_New, Field::Octaves_New};

std::string broken(std::string_view what, Field field) {
  return std::string(field_name(field)) + ": " + std::string(what);
}

// "Error", or an optional minus, digits, the separator and two digits.
bool is_result_text(std::string_view text, std::string_view separator) {
  if (text == "Error")
    return true;
  if (text.starts_with('-'))
    text.remove_prefix(1);
  const auto is_digit = [](char c) { return c >= '0' && c <= '9'; };
  const auto digits =
      static_cast<std::size_t>(std::find_if_not(text.begin(), text.end(), is_digit) - text.begin());
  if (digits == 0)
    return false;
  text.remove_prefix(digits);
  if (!text.starts_with(separator))
    return false;
  text.remove_prefix(separator.size());
  return text.size() == 2 && is_digit(text[0]) && is_digit(text[1]);
}

std::string broken_section(const MemoryFields &fields, std::span<const Field> results,
                           std::string_view separator) {
  std::size_t errors = 0;
  for (const Field field : results) {
    const std::string text = fields.text(field);
    if (!is_result_text(text, separator))
      return broken(
          "result is neither a two-decimal number nor Error: '" + text.substr(0, 80) + "'", field);
    errors += text == "Error";
  }
  if (errors != 0 && errors != results.size())
    return broken("section mixes numbers and Error", results.front());
  return {};
}

} // namespace

std::string broken_after_pass(const MemoryFields &before, const MemoryFields &after,
                              std::string_view decimal_separator, std::string_view locale_name) {
  bool inputs_kept = true;
  for (const Field field : input_fields) {
    const std::string text = after.text(field);
    const ReadResult value = field == Field::Cents_Change
                                 ? read_interval(text, decimal_separator)
                                 : read_frequency(text, decimal_separator, locale_name);
    if (!value)
      return broken("input is unreadable after a pass", field);
    if ((field == Field::New_Frequency || field == Field::Ref_Freq2) && value.value == 0)
      return broken("frequency is zero after a pass", field);
    inputs_kept = inputs_kept && after.text(field) == before.text(field);
  }
  for (const auto results : {std::span<const Field>(section_a), std::span<const Field>(section_b)})
    if (std::string problem = broken_section(after, results, decimal_separator); !problem.empty())
      return problem;

  MemoryFields again = after;
  sCalculate_Change(again, decimal_separator, locale_name);
  for (const Field field : input_fields)
    if (again.text(field) != after.text(field))
      return broken("a further pass changes an input", field);
  if (inputs_kept)
    for (const Field field : result_fields)
      if (again.text(field) != after.text(field))
        return broken("a further pass changes a result", field);
  return {};
}

} // namespace movla::test
