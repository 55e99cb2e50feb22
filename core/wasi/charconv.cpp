// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

// What libc++ 19 on WASI lacks or carries at too great a cost for a web
// page, for the calls the core makes; built only into the WebAssembly build.
// - from_chars for double, missing from libc++ 19: wasi-libc's strtod
//   (musl's), which rounds correctly, and which the core's form of a number
//   (no separator, no blanks) keeps clear of any locale.
// - to_chars for double in fixed form with no decimals: libc++ writes it
//   from 124 KB of tables, more than the rest of the page together. Whole
//   numbers below 2^1024 are written here digit for digit from the double's
//   exact value, which is all the core asks for (two decimals are its own).

#include <charconv>

#include <bit>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

_LIBCPP_BEGIN_NAMESPACE_STD

from_chars_result from_chars(const char *first, const char *last, double &value, chars_format) {
  // The core's longest form: a sign, 781 digits, "e" and a clamped exponent.
  char text[1024];
  const auto length = static_cast<size_t>(last - first);
  if (length >= sizeof text)
    return {first, errc::invalid_argument};
  memcpy(text, first, length);
  text[length] = '\0';
  char *end = nullptr;
  errno = 0;
  const double read = strtod(text, &end);
  if (end == text)
    return {first, errc::invalid_argument};
  const char *stop = first + (end - text);
  // musl flags a denormal result with ERANGE too; only 0 and infinity are out of range.
  if (std::isinf(read) || (read == 0 && errno == ERANGE))
    return {stop, errc::result_out_of_range};
  value = read;
  return {stop, errc{}};
}

to_chars_result to_chars(char *first, char *last, double value, chars_format format,
                         int precision) {
  if (format != chars_format::fixed || precision != 0 || !std::isfinite(value))
    __builtin_trap(); // no call of the core's
  const auto bits = bit_cast<uint64_t>(value);
  const auto biased = static_cast<int>(bits >> 52 & 0x7ff);
  const uint64_t fraction = bits & ((uint64_t{1} << 52) - 1);
  const uint64_t mantissa = biased == 0 ? fraction : fraction | uint64_t{1} << 52;
  const int exponent = (biased == 0 ? 1 : biased) - 1075;

  // |value| = mantissa * 2^exponent, as 32-bit limbs, least significant first.
  uint32_t limbs[34] = {};
  int count = 0;
  if (exponent < 0) {
    // Round to a whole number, an exact tie to even, as printf does.
    const int shift = -exponent;
    uint64_t whole = 0;
    if (shift < 64) {
      whole = mantissa >> shift;
      const uint64_t rest = mantissa & ((uint64_t{1} << shift) - 1);
      const uint64_t half = uint64_t{1} << (shift - 1);
      if (rest > half || (rest == half && (whole & 1)))
        ++whole;
    } // else below 2^-11: 0
    limbs[0] = static_cast<uint32_t>(whole);
    limbs[1] = static_cast<uint32_t>(whole >> 32);
    count = 2;
  } else {
    const int word = exponent / 32;
    const unsigned __int128 shifted = static_cast<unsigned __int128>(mantissa) << (exponent % 32);
    for (int i = 0; i < 3; ++i)
      limbs[word + i] = static_cast<uint32_t>(shifted >> (32 * i));
    count = word + 3;
  }

  // Nine decimal digits at a time, from the least significant end.
  char digits[320];
  char *at = digits + sizeof digits;
  for (;;) {
    while (count > 0 && limbs[count - 1] == 0)
      --count;
    uint64_t remainder = 0;
    for (int i = count; i-- > 0;) {
      const uint64_t current = remainder << 32 | limbs[i];
      limbs[i] = static_cast<uint32_t>(current / 1'000'000'000);
      remainder = current % 1'000'000'000;
    }
    while (count > 0 && limbs[count - 1] == 0)
      --count;
    // A group below the leading one keeps all nine of its digits.
    for (int i = 0; i < 9 && (count > 0 || remainder > 0 || i == 0); ++i) {
      *--at = static_cast<char>('0' + remainder % 10);
      remainder /= 10;
    }
    if (count == 0)
      break;
  }
  const size_t length = static_cast<size_t>(digits + sizeof digits - at) + (bits >> 63);
  if (length > static_cast<size_t>(last - first))
    return {last, errc::value_too_large};
  if (bits >> 63)
    *first++ = '-';
  memcpy(first, at, static_cast<size_t>(digits + sizeof digits - at));
  return {first + (digits + sizeof digits - at), errc{}};
}

_LIBCPP_END_NAMESPACE_STD
