// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#include "movla/number_text.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <system_error>

namespace movla {

namespace {

// Blanks allowed around a number: space, tab and the no-break space, which
// in UTF-8 is the two bytes C2 A0.
std::size_t blank_length_at(std::string_view text, std::size_t pos) {
  if (pos >= text.size())
    return 0;
  if (text[pos] == ' ' || text[pos] == '\t')
    return 1;
  if (text.substr(pos, 2) == "\xC2\xA0")
    return 2;
  return 0;
}

std::string_view trim_blanks(std::string_view text) {
  std::size_t first = 0;
  while (std::size_t n = blank_length_at(text, first))
    first += n;
  text.remove_prefix(first);
  for (;;) {
    if (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
      text.remove_suffix(1);
    else if (text.ends_with("\xC2\xA0"))
      text.remove_suffix(2);
    else
      return text;
  }
}

bool is_digit(char c) {
  return c >= '0' && c <= '9';
}

// Any midpoint between two doubles has fewer than 770 significant digits, so
// keeping more than that and standing in one non-zero digit for whatever
// non-zero tail follows rounds exactly as the whole number would. It also
// bounds the buffer handed to from_chars, whatever the length of the text.
constexpr std::size_t kept_digits = 780;

// Far beyond any double's range in either direction, yet far from int64's.
constexpr std::int64_t exponent_limit = 1'000'000'000;

// The powers of ten that a double holds exactly.
constexpr double exact_powers_of_ten[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                          1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                          1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// The code point that starts at text[pos] and its length in bytes; an
// ill-formed sequence counts as one byte that is no code point.
struct CodePoint {
  char32_t value;
  std::size_t length;
};
constexpr char32_t no_code_point = 0xFFFFFFFF;

CodePoint code_point_at(std::string_view text, std::size_t pos) {
  const auto lead = static_cast<unsigned char>(text[pos]);
  std::size_t length = lead < 0x80                   ? 1
                       : lead >= 0xC2 && lead < 0xE0 ? 2
                       : lead >= 0xE0 && lead < 0xF0 ? 3
                       : lead >= 0xF0 && lead < 0xF5 ? 4
                                                     : 0;
  if (length == 0 || pos + length > text.size())
    return {no_code_point, 1};
  char32_t value = length == 1 ? lead : lead & (0x7F >> length);
  for (std::size_t i = 1; i < length; ++i) {
    const auto next = static_cast<unsigned char>(text[pos + i]);
    if ((next & 0xC0) != 0x80)
      return {no_code_point, 1};
    value = value << 6 | (next & 0x3F);
  }
  // Overlong forms and surrogates are no code points either.
  constexpr char32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
  if (value < least[length] || (value >= 0xD800 && value <= 0xDFFF) || value > 0x10FFFF)
    return {no_code_point, 1};
  return {value, length};
}

// The first code point of each run of ten decimal digits that keyboards and
// input methods type besides ASCII: Arabic-Indic, Persian (Extended
// Arabic-Indic), Devanagari and fullwidth.
constexpr char32_t digit_zeros[] = {0x0660, 0x06F0, 0x0966, 0xFF10};

constexpr char32_t arabic_decimal_separator = 0x066B;

// Rewrites text in the ASCII form that read_ascii takes with "." as the
// separator: other scripts' digits, signs and separators become their ASCII
// twins, the locale's separator becomes ".", and anything else that is not
// ASCII, or a "." that is not the separator, becomes a byte no number holds.
std::string to_ascii_twin(std::string_view text, std::string_view decimal_separator) {
  const bool point_locale = decimal_separator == ".";
  const bool arabic_or_point_locale = point_locale || decimal_separator == "\xD9\xAB";
  const bool comma_locale = decimal_separator == ",";
  constexpr char refused = '?';
  std::string twin;
  twin.reserve(text.size());
  for (std::size_t pos = 0; pos < text.size();) {
    if (!decimal_separator.empty() && text.substr(pos).starts_with(decimal_separator)) {
      twin += '.';
      pos += decimal_separator.size();
      continue;
    }
    const auto [c, length] = code_point_at(text, pos);
    pos += length;
    char ascii = refused;
    if (c < 0x80)
      ascii = c == '.' ? refused : static_cast<char>(c);
    else if (c == 0x2212 || c == 0xFF0D)
      ascii = '-';
    else if (c == 0xFF0B)
      ascii = '+';
    else if ((c == 0xFF0E && point_locale) ||
             (c == arabic_decimal_separator && arabic_or_point_locale))
      ascii = '.';
    else if (c == 0xFF0C && comma_locale)
      ascii = '.';
    else
      for (const char32_t zero : digit_zeros)
        if (c >= zero && c <= zero + 9)
          ascii = static_cast<char>('0' + (c - zero));
    twin += ascii;
  }
  return twin;
}

ReadResult read_ascii(std::string_view text, std::string_view decimal_separator) {
  constexpr ReadResult not_a_number{0.0, ReadError::not_a_number};
  const std::string_view s = trim_blanks(text);
  std::size_t pos = 0;

  bool negative = false;
  if (pos < s.size() && (s[pos] == '+' || s[pos] == '-')) {
    negative = s[pos] == '-';
    ++pos;
  }

  // Mantissa: digits with at most one separator, at least one digit in all.
  const std::size_t int_begin = pos;
  while (pos < s.size() && is_digit(s[pos]))
    ++pos;
  const std::size_t int_end = pos;
  std::size_t frac_begin = pos;
  if (!decimal_separator.empty() && s.substr(pos).starts_with(decimal_separator)) {
    pos += decimal_separator.size();
    frac_begin = pos;
    while (pos < s.size() && is_digit(s[pos]))
      ++pos;
  }
  const std::size_t frac_end = pos;
  const std::size_t int_count = int_end - int_begin;
  const std::size_t frac_count = frac_end - frac_begin;
  if (int_count + frac_count == 0)
    return not_a_number;

  std::int64_t exponent = 0;
  if (pos < s.size() && (s[pos] == 'e' || s[pos] == 'E')) {
    ++pos;
    bool exponent_negative = false;
    if (pos < s.size() && (s[pos] == '+' || s[pos] == '-')) {
      exponent_negative = s[pos] == '-';
      ++pos;
    }
    const std::size_t exponent_begin = pos;
    for (; pos < s.size() && is_digit(s[pos]); ++pos) {
      if (exponent < exponent_limit)
        exponent = exponent * 10 + (s[pos] - '0');
    }
    if (pos == exponent_begin)
      return not_a_number;
    if (exponent_negative)
      exponent = -exponent;
  }
  if (pos != s.size())
    return not_a_number;

  // Digits of integer and fraction part as one run, the point after int_count.
  auto digit_at = [&](std::size_t i) {
    return i < int_count ? s[int_begin + i] : s[frac_begin + (i - int_count)];
  };
  const std::size_t digit_count = int_count + frac_count;
  std::size_t first_nonzero = 0;
  while (first_nonzero < digit_count && digit_at(first_nonzero) == '0')
    ++first_nonzero;
  if (first_nonzero == digit_count)
    return {negative ? -0.0 : 0.0, ReadError::none};

  // Decimal position of the leading digit: the value lies in [10^lead, 10^(lead+1)).
  const std::int64_t lead = static_cast<std::int64_t>(int_count) -
                            static_cast<std::int64_t>(first_nonzero) - 1 + exponent;

  // Typed numbers are short: when the digits and the power of ten are both
  // exact doubles, one multiplication or division rounds correctly by itself.
  if (const std::size_t significant = digit_count - first_nonzero; significant <= 19) {
    std::uint64_t mantissa = 0;
    for (std::size_t i = first_nonzero; i < digit_count; ++i)
      mantissa = mantissa * 10 + static_cast<std::uint64_t>(digit_at(i) - '0');
    const std::int64_t scale = lead + 1 - static_cast<std::int64_t>(significant);
    if (mantissa <= (std::uint64_t{1} << 53) && scale >= -22 && scale <= 22) {
      double value = static_cast<double>(mantissa);
      value = scale < 0 ? value / exact_powers_of_ten[-scale] : value * exact_powers_of_ten[scale];
      return {negative ? -value : value, ReadError::none};
    }
  }

  // Rewrite as significant digits and an exponent, value = digits x 10^scale,
  // in from_chars' own form; it rounds correctly and ignores the locale.
  char buffer[1 + kept_digits + 1 + 24];
  char *out = buffer;
  if (negative)
    *out++ = '-';
  std::size_t taken = 0;
  std::size_t i = first_nonzero;
  for (; i < digit_count && taken < kept_digits; ++i, ++taken)
    *out++ = digit_at(i);
  for (; i < digit_count; ++i) {
    if (digit_at(i) != '0') {
      *out++ = '1';
      ++taken;
      break;
    }
  }
  std::int64_t scale = lead + 1 - static_cast<std::int64_t>(taken);
  scale = std::clamp(scale, -exponent_limit, exponent_limit);
  *out++ = 'e';
  out = std::to_chars(out, buffer + sizeof buffer, scale).ptr;

  double value = 0.0;
  const auto [end, ec] = std::from_chars(buffer, out, value);
  if (ec == std::errc::result_out_of_range) {
    if (lead >= 0)
      return {negative ? -std::numeric_limits<double>::infinity()
                       : std::numeric_limits<double>::infinity(),
              ReadError::overflow};
    return {negative ? -0.0 : 0.0, ReadError::none};
  }
  if (ec != std::errc() || end != out)
    return not_a_number;
  return {value, ReadError::none};
}

} // namespace

ReadResult read_number(std::string_view text, std::string_view decimal_separator) {
  // ASCII text, by far the most common, is read as it stands; only text that
  // failed so and holds other bytes is rewritten into its ASCII twin.
  const ReadResult result = read_ascii(text, decimal_separator);
  if (result.error != ReadError::not_a_number || std::all_of(text.begin(), text.end(), [](char c) {
        return static_cast<unsigned char>(c) < 0x80;
      }))
    return result;
  return read_ascii(to_ascii_twin(trim_blanks(text), decimal_separator), ".");
}

std::string write_whole_number(std::int16_t value) {
  char buffer[8];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
  return std::string(buffer, end);
}

std::string write_two_decimals(double value, std::string_view decimal_separator) {
  // Room for the 309 integer digits of the largest double, sign, point and two.
  char buffer[320];
  char *const last = buffer + sizeof buffer;
  char *out = buffer;
  std::string_view whole, hundredths;

  // value = m * 2^e exactly. Below 2^64 the rounded number of hundredths
  // fits 64 bits and follows from m * 100 by a shift, its remainder telling
  // exactly whether the value lies below, on or above the midpoint.
  const auto bits = std::bit_cast<std::uint64_t>(value);
  const bool negative = (bits >> 63) != 0;
  const auto biased_exponent = static_cast<int>((bits >> 52) & 0x7ff);
  const std::uint64_t fraction = bits & ((std::uint64_t{1} << 52) - 1);
  const std::uint64_t m = biased_exponent == 0 ? fraction : fraction | std::uint64_t{1} << 52;
  const int e = (biased_exponent == 0 ? 1 : biased_exponent) - 1075;

  if (e < 0) {
    std::uint64_t count = 0; // hundredths, rounded half away from zero
    if (const int shift = -e; shift < 64) {
      const std::uint64_t scaled = m * 100; // below 2^60
      count = scaled >> shift;
      const std::uint64_t remainder = scaled & ((std::uint64_t{1} << shift) - 1);
      if (remainder >= std::uint64_t{1} << (shift - 1))
        ++count;
    } // else the value is below 2^-11 and rounds to zero
    if (negative && count != 0)
      *out++ = '-';
    out = std::to_chars(out, last, count / 100).ptr;
    whole = std::string_view(buffer, static_cast<std::size_t>(out - buffer));
    out[0] = static_cast<char>('0' + count % 100 / 10);
    out[1] = static_cast<char>('0' + count % 10);
    hundredths = std::string_view(out, 2);
  } else if (e <= 11) { // a whole number below 2^64
    if (negative)
      *out++ = '-';
    out = std::to_chars(out, last, m << e).ptr;
    whole = std::string_view(buffer, static_cast<std::size_t>(out - buffer));
    hundredths = "00";
  } else {
    // Larger doubles are whole numbers too; to_chars writes all their digits.
    out = std::to_chars(buffer, last, value, std::chars_format::fixed, 0).ptr;
    whole = std::string_view(buffer, static_cast<std::size_t>(out - buffer));
    hundredths = "00";
  }

  std::string text;
  text.reserve(whole.size() + decimal_separator.size() + 2);
  text.append(whole);
  text.append(decimal_separator);
  text.append(hundredths);
  return text;
}

} // namespace movla
