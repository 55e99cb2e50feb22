// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

// The number conversions against the C library, on random input:
// read_number against strtod (the very same double), and write_two_decimals
// against printf's "%.2f" (the same text, but away from zero at exact ties),
// in the C locale and in one with a decimal comma.

#include "movla/number_text.h"

#include <gtest/gtest.h>

#include <bit>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

namespace {

// Sets the C library's numeric locale for its lifetime. The same code runs
// against glibc and against MinGW's C library (strtod and snprintf of
// libmingwex, which follow setlocale), where newlocale and strtod_l are
// missing.
class NumericLocale {
public:
  explicit NumericLocale(const char *name) : previous_(std::setlocale(LC_NUMERIC, nullptr)) {
    ok_ = std::setlocale(LC_NUMERIC, name) != nullptr;
  }
  ~NumericLocale() { std::setlocale(LC_NUMERIC, previous_.c_str()); }
  NumericLocale(const NumericLocale &) = delete;
  NumericLocale &operator=(const NumericLocale &) = delete;
  bool ok() const { return ok_; }
  double strtod(const std::string &text) const { return std::strtod(text.c_str(), nullptr); }

private:
  std::string previous_;
  bool ok_ = false;
};

// A locale whose decimal separator is a comma, by the C library's own name.
#ifdef _WIN32
constexpr const char *comma_locale = "German_Germany.1252";
#else
constexpr const char *comma_locale = "de_DE.UTF-8";
#endif

// Digit runs of every length class: short ones like typed input, ones near
// the 17 digits that matter, and long ones that need exact arithmetic.
std::string random_decimal(std::mt19937_64 &rng) {
  auto below = [&](std::uint64_t n) { return static_cast<std::size_t>(rng() % n); };
  std::string text;
  if (below(3) == 0)
    text += below(2) ? '-' : '+';
  static constexpr std::size_t lengths[] = {3, 8, 17, 20, 40, 800};
  const std::size_t int_digits = below(lengths[below(std::size(lengths))] + 1);
  const bool point = int_digits == 0 || below(3) != 0;
  const std::size_t frac_digits = point ? below(lengths[below(std::size(lengths))] + 1) : 0;
  auto digits = [&](std::size_t n) {
    // Runs of zeros and nines now and then, near ties and carries.
    const int style = static_cast<int>(below(4));
    for (std::size_t i = 0; i < n; ++i)
      text += style == 0 ? '0' : style == 1 ? '9' : static_cast<char>('0' + below(10));
  };
  digits(int_digits);
  if (point) {
    text += '.';
    digits(frac_digits == 0 && int_digits == 0 ? 1 : frac_digits);
  }
  if (below(2) == 0) {
    text += below(2) ? 'e' : 'E';
    if (below(2))
      text += below(2) ? '-' : '+';
    text += std::to_string(below(2) ? below(30) : below(700));
  }
  return text;
}

// read_number with `separator` against strtod under `locale`, whose decimal
// separator it is.
void expect_reads_as_strtod(const char *locale, char separator) {
  const NumericLocale numeric(locale);
  ASSERT_TRUE(numeric.ok()) << "no locale " << locale;
  std::mt19937_64 rng(20240611);
  int overflows = 0, checked = 0;
  for (int i = 0; i < 100'000; ++i) {
    std::string text = random_decimal(rng);
    if (const auto p = text.find('.'); p != std::string::npos)
      text[p] = separator;
    const double expected = numeric.strtod(text);
    const auto result = movla::read_number(text, std::string(1, separator));
    if (std::isinf(expected)) {
      ++overflows;
      EXPECT_EQ(result.error, movla::ReadError::overflow) << text;
      continue;
    }
    ASSERT_TRUE(result) << text;
    ASSERT_EQ(std::bit_cast<std::uint64_t>(result.value), std::bit_cast<std::uint64_t>(expected))
        << text << ": " << result.value << " vs " << expected;
    ++checked;
  }
  // Guard the generator: both outcomes must actually be exercised.
  EXPECT_GT(overflows, 100);
  EXPECT_GT(checked, 80'000);
}

TEST(ReadNumberVsStrtod, GivesTheSameDoubleInTheCLocale) {
  expect_reads_as_strtod("C", '.');
}

TEST(ReadNumberVsStrtod, GivesTheSameDoubleInACommaLocale) {
  expect_reads_as_strtod(comma_locale, ',');
}

// An exact tie printed to three places ends in 5; drop it and count the
// magnitude up by one hundredth.
std::string away_from_zero(double tie) {
  char buffer[400];
  std::snprintf(buffer, sizeof buffer, "%.3f", tie);
  std::string text = buffer;
  text.pop_back();
  std::size_t i = text.size();
  while (i-- > 0) {
    if (text[i] < '0' || text[i] > '9') // sign or separator
      continue;
    if (text[i] != '9') {
      ++text[i];
      return text;
    }
    text[i] = '0';
  }
  text.insert(text[0] == '-' ? 1 : 0, 1, '1');
  return text;
}

// Away from exact ties, write_two_decimals must agree with the C library's
// exact printf under `locale`; at exact ties it must be printf's neighbour
// away from zero.
void expect_writes_as_printf(const char *locale, const char *separator) {
  const NumericLocale numeric(locale);
  ASSERT_TRUE(numeric.ok()) << "no locale " << locale;
  const std::string zero = std::string("0") + separator + "00";
  std::mt19937_64 rng(7);
  char buffer[400];
  for (int i = 0; i < 100'000; ++i) {
    double value = 0;
    switch (i % 3) {
    case 0: // any finite double
      do
        value = std::bit_cast<double>(rng());
      while (!std::isfinite(value));
      break;
    case 1: // musical range
      value = std::ldexp(static_cast<double>(rng() >> 11), -53) * 4000.0 - 2000.0;
      break;
    default: // eighths and hundredths, to hit ties
      value = static_cast<double>(static_cast<std::int64_t>(rng() % 2'000'000) - 1'000'000) /
              (i % 2 ? 8.0 : 100.0);
    }
    std::snprintf(buffer, sizeof buffer, "%.2f", value);
    std::string expected = buffer;
    if (expected == "-" + zero)
      expected = zero;
    const double eighths = value * 8.0;
    if (std::fabs(eighths) < 0x1p53 && std::fmod(eighths, 2.0) != 0 &&
        eighths == std::trunc(eighths))
      expected = away_from_zero(value);
    ASSERT_EQ(movla::write_two_decimals(value, separator), expected) << value;
  }
}

TEST(WriteTwoDecimalsVsPrintf, AgreesInTheCLocale) {
  expect_writes_as_printf("C", ".");
}

TEST(WriteTwoDecimalsVsPrintf, AgreesInACommaLocale) {
  expect_writes_as_printf(comma_locale, ",");
}

} // namespace
