#include "movla/number_text.h"

#include <algorithm>
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

// Any midpoint between two doubles has at most 767 significant digits, so
// keeping more than that and standing in one non-zero digit for whatever
// non-zero tail follows rounds exactly as the whole number would. It also
// bounds the buffer handed to from_chars, whatever the length of the text.
constexpr std::size_t kept_digits = 780;

// Far beyond any double's range in either direction, yet far from int64's.
constexpr std::int64_t exponent_limit = 1'000'000'000;

} // namespace

ReadResult read_number(std::string_view text, std::string_view decimal_separator) {
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
  // Decimal position of the leading digit: the value lies in [10^lead, 10^(lead+1)).
  const std::int64_t lead = static_cast<std::int64_t>(int_count) -
                            static_cast<std::int64_t>(first_nonzero) - 1 + exponent;
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

std::string write_whole_number(std::int16_t value) {
  char buffer[8];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
  return std::string(buffer, end);
}

std::string write_two_decimals(double value, std::string_view decimal_separator) {
  // Room for the 309 integer digits of the largest double, sign, point and two.
  char buffer[320];
  char *const last = buffer + sizeof buffer;
  char *end = nullptr;

  // to_chars rounds exact ties to even. A double lies exactly halfway
  // between two hundredths only when eight times it is an odd integer,
  // which is below 2^53 and thus exact in 64-bit integer arithmetic.
  const double eighths = value * 8.0;
  const double magnitude_eighths = std::fabs(eighths);
  if (magnitude_eighths < 0x1p53) {
    const auto n = static_cast<std::uint64_t>(magnitude_eighths);
    if (static_cast<double>(n) == magnitude_eighths && (n & 1) != 0) {
      const std::uint64_t hundredths = (n * 25 + 1) / 2; // n/8 * 100, tie away from zero
      char *out = buffer;
      if (value < 0)
        *out++ = '-';
      out = std::to_chars(out, last, hundredths / 100).ptr;
      *out++ = '.';
      *out++ = static_cast<char>('0' + hundredths % 100 / 10);
      *out++ = static_cast<char>('0' + hundredths % 10);
      end = out;
    }
  }
  if (end == nullptr)
    end = std::to_chars(buffer, last, value, std::chars_format::fixed, 2).ptr;

  const char *begin = buffer;
  // A negative value that rounds to zero (or -0 itself) is written unsigned.
  if (*begin == '-' && end - begin == 5 && begin[1] == '0' && begin[3] == '0' && begin[4] == '0')
    ++begin;

  const char *point = end - 3;
  std::string text;
  text.reserve(static_cast<std::size_t>(end - begin) - 1 + decimal_separator.size());
  text.append(begin, static_cast<std::size_t>(point - begin));
  text.append(decimal_separator);
  text.append(point + 1, 2);
  return text;
}

} // namespace movla
