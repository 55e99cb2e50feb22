// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

// read_number on any text with any separator: it must not crash, must give
// a finite number or fail, what write_two_decimals makes of a number it must
// read back to within a hundredth, and an ASCII text written in other
// scripts' digits and signs must read exactly as the ASCII text does. The
// frequency and interval readers on the same text: a number reads through
// them exactly as through read_number, anything else gives a finite value
// (a positive frequency) or fails, and the other scripts' twin reads alike.

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

bool same(const movla::ReadResult &a, const movla::ReadResult &b) {
  return a.error == b.error && std::memcmp(&a.value, &b.value, sizeof a.value) == 0;
}

// Each box's reader, the frequency one in and out of a German locale, and
// whether what it reads besides numbers is a frequency, always positive.
const struct {
  movla::ReadResult (*read)(std::string_view text, std::string_view separator);
  bool frequency;
} readers[] = {
    {[](std::string_view text, std::string_view separator) {
       return movla::read_frequency(text, separator);
     },
     true},
    {[](std::string_view text, std::string_view separator) {
       return movla::read_frequency(text, separator, "de_DE");
     },
     true},
    {[](std::string_view text, std::string_view separator) {
       return movla::read_interval(text, separator);
     },
     false},
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  FuzzedDataProvider provider(data, size);
  const std::string separator = provider.ConsumeRandomLengthString(4);
  const std::string text = provider.ConsumeRemainingBytesAsString();

  const auto result = movla::read_number(text, separator);
  const bool has_twin =
      (separator == "." || separator == ",") &&
      std::all_of(text.begin(), text.end(), [](char c) { return (c & 0x80) == 0; });
  const std::string twin_text = has_twin ? other_scripts_twin(text) : std::string();
  if (has_twin && !same(movla::read_number(twin_text, separator), result))
    std::abort();
  for (const auto &reader : readers) {
    const auto box = reader.read(text, separator);
    if (result.error != movla::ReadError::not_a_number) {
      if (!same(box, result))
        std::abort();
    } else if (box && !(std::isfinite(box.value) && (!reader.frequency || box.value > 0)))
      std::abort();
    if (has_twin && !same(reader.read(twin_text, separator), box))
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
