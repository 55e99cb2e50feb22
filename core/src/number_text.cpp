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
// in UTF-8 is the two bytes C2 A0. Inline, so that trim_blanks, which every
// read starts with, keeps it folded in now that the note reader calls it too.
inline std::size_t blank_length_at(std::string_view text, std::size_t pos) {
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

// Inline, as blank_length_at is, so that to_ascii_twin keeps it folded in.
inline CodePoint code_point_at(std::string_view text, std::size_t pos) {
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

namespace {

constexpr ReadResult not_a_number{0.0, ReadError::not_a_number};

// The code point at text[pos], or no code point past the end.
char32_t code_point_value_at(std::string_view text, std::size_t pos) {
  return pos < text.size() ? code_point_at(text, pos).value : no_code_point;
}

int digit_value(char32_t c) {
  if (c >= '0' && c <= '9')
    return static_cast<int>(c - '0');
  for (const char32_t zero : digit_zeros)
    if (c >= zero && c <= zero + 9)
      return static_cast<int>(c - zero);
  return -1;
}

// The signs read_number takes.
bool is_plus(char32_t c) {
  return c == '+' || c == 0xFF0B;
}
bool is_minus(char32_t c) {
  return c == '-' || c == 0x2212 || c == 0xFF0D;
}

std::size_t skip_blanks(std::string_view text, std::size_t pos) {
  while (std::size_t n = blank_length_at(text, pos))
    pos += n;
  return pos;
}

bool has_blank(std::string_view text) {
  for (std::size_t pos = 0; pos < text.size(); ++pos)
    if (blank_length_at(text, pos) != 0)
      return true;
  return false;
}

// A positive whole number in any script's digits, read as the nearest
// double; longer runs than a double holds fail as overflow.
ReadResult read_positive_whole(std::string_view text) {
  if (text.empty())
    return not_a_number;
  for (std::size_t pos = 0; pos < text.size();) {
    const auto [c, length] = code_point_at(text, pos);
    if (digit_value(c) < 0)
      return not_a_number;
    pos += length;
  }
  const ReadResult result = read_number(text, {});
  if (result && result.value == 0.0)
    return not_a_number;
  return result;
}

bool is_german(std::string_view locale_name) {
  return locale_name.starts_with("de") &&
         (locale_name.size() == 2 ||
          std::string_view("_-.@").find(locale_name[2]) != std::string_view::npos);
}

// Semitones from A in the same octave of scientific pitch notation, which
// starts at C; no_note for a letter that names none.
constexpr int no_note = 99;
int letter_semitones(char letter, bool german) {
  constexpr std::string_view letters = "CDEFGAB";
  constexpr int from_a[] = {-9, -7, -5, -4, -2, 0, 2};
  const char upper = static_cast<char>(letter & ~0x20);
  if (upper == 'H')
    return german ? 2 : no_note;
  if (upper == 'B' && german)
    return 1;
  const std::size_t at = letters.find(upper);
  return at == std::string_view::npos ? no_note : from_a[at];
}

int accidental_semitones(char32_t c) {
  switch (c) {
  case '#':
  case 0x266F: // ♯
    return 1;
  case 'b':
  case 0x266D: // ♭
    return -1;
  case 'x':
  case 0x1D12A: // 𝄪
    return 2;
  case 0x1D12B: // 𝄫
    return -2;
  default:
    return 0;
  }
}

// An octave beyond this puts any note far outside a double's range, while
// the semitones stay exact in a double.
constexpr std::int64_t octave_limit = 1'000'000;

// Kept out of line, as read_interval_form is, so that a plain number, by far
// the most common text, reads without their setup.
[[gnu::noinline]] ReadResult read_note(std::string_view text, std::string_view decimal_separator,
                                       bool german) {
  const std::string_view s = trim_blanks(text);
  if (s.empty())
    return not_a_number;
  const int letter = letter_semitones(s[0], german);
  if (letter == no_note)
    return not_a_number;
  std::int64_t semitones = letter;
  std::size_t pos = 1;
  while (pos < s.size()) {
    const auto [c, length] = code_point_at(s, pos);
    const int accidental = accidental_semitones(c);
    if (accidental == 0)
      break;
    semitones += accidental;
    pos += length;
  }

  // The octave, required: it tells a note from a word.
  bool below_zero = false;
  if (const char32_t c = code_point_value_at(s, pos); is_minus(c)) {
    below_zero = true;
    pos += code_point_at(s, pos).length;
  }
  std::int64_t octave = 0;
  const std::size_t octave_begin = pos;
  while (pos < s.size()) {
    const auto [c, length] = code_point_at(s, pos);
    const int digit = digit_value(c);
    if (digit < 0)
      break;
    if (octave < octave_limit)
      octave = octave * 10 + digit;
    pos += length;
  }
  if (pos == octave_begin)
    return not_a_number;
  semitones += ((below_zero ? -octave : octave) - 4) * 12;

  // An offset: a sign, a number as the boxes read it and a unit, which
  // keeps "A4-30" from being taken for anything but a mistake.
  double cents = 0.0;
  pos = skip_blanks(s, pos);
  if (pos < s.size()) {
    const auto [sign, sign_length] = code_point_at(s, pos);
    if (!is_plus(sign) && !is_minus(sign))
      return not_a_number;
    std::string_view offset = s.substr(skip_blanks(s, pos + sign_length));
    bool has_unit = false;
    for (const std::string_view unit : {"cents", "cent", "ct", "c", "\xC2\xA2"})
      if (offset.ends_with(unit)) {
        offset.remove_suffix(unit.size());
        has_unit = true;
        break;
      }
    const char32_t first = code_point_value_at(offset, 0);
    if (!has_unit || offset.empty() || is_plus(first) || is_minus(first) ||
        trim_blanks(offset).size() != offset.size())
      return not_a_number;
    const ReadResult number = read_number(offset, decimal_separator);
    if (!number)
      return number;
    cents = is_minus(sign) ? -number.value : number.value;
  }

  const double hertz = 440.0 * std::exp2((static_cast<double>(semitones) * 100.0 + cents) / 1200.0);
  if (std::isinf(hertz))
    return {0.0, ReadError::overflow};
  if (!(hertz > 0.0))
    return not_a_number;
  return {hertz, ReadError::none};
}

constexpr double cents_per_octave = 1200.0;

// p/q, two positive whole numbers.
ReadResult read_ratio(std::string_view p_text, std::string_view q_text) {
  const ReadResult p = read_positive_whole(p_text);
  if (!p)
    return p;
  const ReadResult q = read_positive_whole(q_text);
  if (!q)
    return q;
  // p/q is at least 1/DBL_MAX; a subnormal quotient would lose digits.
  const double ratio = p.value / q.value;
  const double octaves = ratio >= std::numeric_limits<double>::min()
                             ? std::log2(ratio)
                             : std::log2(p.value) - std::log2(q.value);
  return {cents_per_octave * octaves, ReadError::none};
}

// n\d, n steps of d to the octave.
ReadResult read_steps(std::string_view steps_text, std::string_view division_text,
                      std::string_view decimal_separator) {
  const ReadResult steps = read_number(steps_text, decimal_separator);
  if (!steps)
    return steps;
  const ReadResult division = read_positive_whole(division_text);
  if (!division)
    return division;
  // The product first: whole steps of a whole division then come out exact.
  double cents = steps.value * cents_per_octave / division.value;
  if (std::isinf(cents))
    cents = steps.value / division.value * cents_per_octave;
  if (std::isinf(cents))
    return {0.0, ReadError::overflow};
  return {cents, ReadError::none};
}

// A ratio or equal steps, where the separator leaves room for them.
[[gnu::noinline]] ReadResult read_interval_form(std::string_view text,
                                                std::string_view decimal_separator) {
  const std::string_view s = trim_blanks(text);
  if (has_blank(s))
    return not_a_number;
  // "/" and "\" are ASCII, so they never sit inside another code point. Where
  // the separator holds one, the number has already had its say.
  constexpr auto npos = std::string_view::npos;
  if (const auto at = s.find('\\'); at != npos && decimal_separator.find('\\') == npos)
    return read_steps(s.substr(0, at), s.substr(at + 1), decimal_separator);
  if (const auto at = s.find('/'); at != npos && decimal_separator.find('/') == npos)
    return read_ratio(s.substr(0, at), s.substr(at + 1));
  return not_a_number;
}

} // namespace

ReadResult read_frequency(std::string_view text, std::string_view decimal_separator,
                          std::string_view locale_name) {
  const ReadResult number = read_number(text, decimal_separator);
  if (number.error != ReadError::not_a_number)
    return number;
  return read_note(text, decimal_separator, is_german(locale_name));
}

ReadResult read_interval(std::string_view text, std::string_view decimal_separator) {
  const ReadResult number = read_number(text, decimal_separator);
  if (number.error != ReadError::not_a_number)
    return number;
  return read_interval_form(text, decimal_separator);
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
