// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

// read_number on any text with any separator: it must not crash, must give
// a finite number or fail, what write_two_decimals makes of a number it must
// read back to within a hundredth, and an ASCII text written in other
// scripts' digits and signs must read exactly as the ASCII text does.

#include "movla/number_text.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// A separator that cannot be mistaken for part of a number, so that the
// written text is sure to read back.
bool is_plain_separator(std::string_view separator) {
  if (separator.empty())
    return false;
  for (unsigned char c : separator)
    if ((c >= '0' && c <= '9') || c == '+' || c == '-' || c == 'e' || c == 'E' || c == ' ' ||
        c == '\t' || c == 0xC2 || c == 0xA0)
      return false;
  return true;
}

// The text with its digits in Arabic-Indic, Persian, Devanagari and
// fullwidth forms in turn, and "-" as the minus sign U+2212.
std::string other_scripts_twin(std::string_view text) {
  static const char *const zeros[] = {"\u0660", "\u06F0", "\u0966", "\uFF10"};
  std::string twin;
  std::size_t turn = 0;
  for (const char c : text) {
    if (c >= '0' && c <= '9') {
      std::string digit = zeros[turn++ % 4];
      digit.back() = static_cast<char>(digit.back() + (c - '0'));
      twin += digit;
    } else if (c == '-') {
      twin += "\u2212";
    } else {
      twin += c;
    }
  }
  return twin;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  FuzzedDataProvider provider(data, size);
  const std::string separator = provider.ConsumeRandomLengthString(4);
  const std::string text = provider.ConsumeRemainingBytesAsString();

  const auto result = movla::read_number(text, separator);
  if ((separator == "." || separator == ",") &&
      std::all_of(text.begin(), text.end(), [](char c) { return (c & 0x80) == 0; })) {
    const auto twin = movla::read_number(other_scripts_twin(text), separator);
    if (twin.error != result.error ||
        std::memcmp(&twin.value, &result.value, sizeof twin.value) != 0)
      std::abort();
  }
  if (!result)
    return 0;
  if (!std::isfinite(result.value))
    std::abort();

  if (is_plain_separator(separator)) {
    const std::string written = movla::write_two_decimals(result.value, separator);
    const auto back = movla::read_number(written, separator);
    if (!back || std::fabs(back.value - result.value) > 0.01 * (1 + 1e-12))
      std::abort();
    if (written.starts_with("-") && back.value == 0.0)
      std::abort(); // "-0.00" is never written
  }
  return 0;
}
