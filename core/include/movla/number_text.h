// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#pragma once
// Reading numbers from field texts and writing them back, in the user's
// locale's decimal separator (any UTF-8 text, passed in by the caller).

#include <cstdint>
#include <string>
#include <string_view>

namespace movla {

/// Why a text could not be read; zero means it could. The numbers are the
/// classic BASIC runtime's "Type mismatch" (13) and "Overflow" (6) codes.
enum class ReadError : int {
  none = 0,
  not_a_number = 13,
  overflow = 6,
};

struct ReadResult {
  double value = 0.0;
  ReadError error = ReadError::none;

  explicit operator bool() const { return error == ReadError::none; }
};

/// An optional sign, decimal digits with at most one separator and an
/// optional exponent, blanks (space, tab, no-break space) allowed at either
/// end. Gives the nearest double (0 or a denormal on underflow), or fails:
/// overflow beyond the largest double, not_a_number for any other form.
/// Digits may also be Arabic-Indic, Persian, Devanagari or fullwidth, mixed
/// freely; signs also U+2212, U+FF0B and U+FF0D; the fullwidth U+FF0E and
/// U+FF0C stand for "." and ","; U+066B is the separator wherever "." or it
/// is. Each such text reads as the same double as its ASCII twin.
ReadResult read_number(std::string_view text, std::string_view decimal_separator);

/// A frequency box's text: a number as read_number reads it, or else a note
/// name in scientific pitch notation, twelve-tone equal temperament with
/// A4 = 440 Hz. A letter A-G or a-g, any accidentals (# ♯ b ♭ x 𝄪 𝄫), a
/// whole octave that may be negative, then optionally a signed offset with a
/// unit (c, ct, cent, cents or ¢): "C#5", "Bb-1", "A4 - 12,5c". Blanks may
/// stand only between the note and the offset and around its sign. Under a
/// German locale H is B and B is B♭. A note fails unless its frequency is a
/// positive finite double.
/// `locale_name` is the user's locale as the platform names it ("de_DE",
/// "de-AT", "de_CH.UTF-8"); the language "de" makes it German, and an empty
/// name is not German.
ReadResult read_frequency(std::string_view text, std::string_view decimal_separator,
                          std::string_view locale_name = {});

/// The cents box's text: a number as read_number reads it, or else the
/// cents an interval spans, written as a ratio of positive whole numbers
/// ("3/2", 701.96 cents) or as equal steps of a division of the octave
/// ("7\12", 700 cents; the step count may be signed and have decimals). A
/// separator that holds "/" or "\" leaves that form to the number.
ReadResult read_interval(std::string_view text, std::string_view decimal_separator);

/// Plain decimal digits, "-" only when negative: 440 -> "440".
std::string write_whole_number(std::int16_t value);

/// Pattern "0.00" for a finite value: its exact value rounded to two places,
/// exact ties away from zero, every integer digit, no grouping, and no minus
/// on a value that rounds to zero.
std::string write_two_decimals(double value, std::string_view decimal_separator);

} // namespace movla
