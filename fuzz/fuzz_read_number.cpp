// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

// read_number on any text with any separator: it must not crash, must give
// a finite number or fail, and what write_two_decimals makes of a number it
// must read back to within a hundredth.

#include "movla/number_text.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  FuzzedDataProvider provider(data, size);
  const std::string separator = provider.ConsumeRandomLengthString(4);
  const std::string text = provider.ConsumeRemainingBytesAsString();

  const auto result = movla::read_number(text, separator);
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
