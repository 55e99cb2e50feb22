// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#include "movla/number_text.h"

#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <cstdint>
#include <limits>
#include <string>

namespace {

using movla::read_frequency;
using movla::read_interval;
using movla::read_number;
using movla::ReadError;
using movla::write_two_decimals;
using movla::write_whole_number;

const std::string arabic_separator = "\xD9\xAB"; // U+066B, "٫"

struct ReadCase {
  std::string in;
  std::string separator;
  double out;
};

// Compares bit patterns, so that -0 and 0 are told apart.
void expect_reads_as(const ReadCase &c) {
  const auto result = read_number(c.in, c.separator);
  ASSERT_TRUE(result) << '"' << c.in << "\" with \"" << c.separator << '"';
  EXPECT_EQ(std::bit_cast<std::uint64_t>(result.value), std::bit_cast<std::uint64_t>(c.out))
      << '"' << c.in << "\" gave " << result.value << ", wanted " << c.out;
}

TEST(ReadNumber, AcceptsPlainDecimalsWithBlanksAndSigns) {
  const ReadCase cases[] = {
      {"440", ".", 440},
      {"  440  ", ".", 440},
      {"\t440\t", ".", 440},
      {"\xC2\xA0"
       "440\xC2\xA0",
       ".", 440},
      {" \xC2\xA0\t440 \xC2\xA0", ".", 440},
      {"-50", ".", -50},
      {"+50", ".", 50},
      {"0.0", ".", 0},
      {"-0", ".", -0.0},
      {"-0.000", ".", -0.0},
      {"1.", ".", 1},
      {".5", ".", 0.5},
      {"-.5", ".", -0.5},
      {"007", ".", 7},
      {"466.1637615180899", ".", 466.1637615180899},
      {"0.1", ".", 0.1},
      {"440,5", ",", 440.5},
      {",25", ",", 0.25},
      {"440" + arabic_separator + "5", arabic_separator, 440.5},
      {"-1" + arabic_separator, arabic_separator, -1},
  };
  for (const auto &c : cases)
    expect_reads_as(c);
}

TEST(ReadNumber, AcceptsExponents) {
  const ReadCase cases[] = {
      {"4.4E2", ".", 440},
      {"4.4e2", ".", 440},
      {"1e-3", ".", 0.001},
      {"1e+3", ".", 1000},
      {"4,4e2", ",", 440},
      {".5e1", ".", 5},
      {"1E0000000000000000000000000000002", ".", 100},
      {"1.7976931348623157e308", ".", DBL_MAX},
      {"4.9406564584124654e-324", ".", 4.9406564584124654e-324},
      // Underflow is no failure: it gives 0 or a denormal, keeping the sign.
      {"1e-400", ".", 0.0},
      {"-1e-400", ".", -0.0},
      {"2.4703282292062327e-324", ".", 0.0},
      {"2.4703282292062328e-324", ".", 4.9406564584124654e-324},
      {"1e-99999999999999999999999", ".", 0.0},
      {"0e999999999", ".", 0.0},
  };
  for (const auto &c : cases)
    expect_reads_as(c);
}

TEST(ReadNumber, RoundsLongDigitRunsCorrectly) {
  // The exact midpoint between 1 and the next double, then just above it.
  const std::string midpoint = "1.00000000000000011102230246251565404236316680908203125";
  expect_reads_as({midpoint, ".", 1.0});
  expect_reads_as({midpoint + std::string(1000, '0') + "1", ".", 1.0000000000000002});
  expect_reads_as({midpoint + std::string(30000, '0'), ".", 1.0});
  expect_reads_as({std::string(30000, '0') + "1.5", ".", 1.5});
  expect_reads_as({"0." + std::string(30000, '0') + "1e30001", ".", 1.0});
  expect_reads_as({"1" + std::string(300, '0') + "e-300", ".", 1.0});
  expect_reads_as({"-" + std::string(400, '9') + "e-400", ".", -1.0});
}

// Digits, signs and separators that other keyboards and input methods type
// read as the same double as their ASCII twin: "." as in C, "," as in de_DE
// and fr_FR.
TEST(ReadNumber, ReadsOtherScriptsAsTheirAsciiTwins) {
  const struct {
    std::string in;
    std::string twin;
    std::string separator;
  } cases[] = {
      {"٤٤٠", "440", "."},
      {"४४०", "440", "."},
      {"۴۴۰,５", "440,5", ","},
      {"−50", "-50", "."},
      {"＋４４０，５", "+440,5", ","},
      {"－٠٫٠٨", "-0.08", "."},
      {"٤٤٠٫٥", "440.5", "."},
      {"٤٤٠٫٥", "440" + arabic_separator + "5", arabic_separator},
      {"４４０．５", "440.5", "."},
      {"4٤0.５", "440.5", "."},
      {" \xC2\xA0٤٤٠٫١٦\t", "440.16", "."},
      {"٤٫٤e٢", "4.4e2", "."},
      {"１e−３", "1e-3", ","},
      {"۱۲۳۴۵۶۷۸۹۰۱۲۳۴۵۶۷۸۹۰۱۲۳۴۵", "1234567890123456789012345", "."},
  };
  for (const auto &c : cases) {
    const auto twin = read_number(c.twin, c.separator);
    ASSERT_TRUE(twin) << c.twin;
    expect_reads_as({c.in, c.separator, twin.value});
  }
  std::string nines;
  for (int i = 0; i < 400; ++i)
    nines += "٩";
  EXPECT_EQ(read_number(nines, ".").error, ReadError::overflow);
}

TEST(ReadNumber, RejectsWhatIsNotAPlainNumber) {
  const struct {
    std::string in;
    std::string separator;
  } cases[] = {
      {"", "."},
      {"   ", "."},
      {"\xC2\xA0", "."},
      {"abc", "."},
      {"440Hz", "."},
      {"4 40", "."},
      {"4\xC2\xA0"
       "40",
       "."},
      {".", "."},
      {"+", "."},
      {"-", "."},
      {"+-1", "."},
      {"--1", "."},
      {"1.2.3", "."},
      {"1,000", "."},
      {"1,000.5", "."},
      {"1.000,5", ","},
      {"440.5", ","},
      {"$5", "."},
      {"5€", "."},
      {"(5)", "."},
      {"5-", "."},
      {"5+", "."},
      {"0x10", "."},
      {"0X1p3", "."},
      {"inf", "."},
      {"-infinity", "."},
      {"nan", "."},
      {"1e", "."},
      {"1e+", "."},
      {"e5", "."},
      {".e5", "."},
      {"1e5.5", "."},
      {"1e 5", "."},
      {"1 e5", "."},
      {"\xC2"
       "5",
       "."},
      {"5\xA0", "."},
      {"440.5", arabic_separator},
      {"\xD9"
       "5",
       arabic_separator},
      {std::string("1\0"
                   "2",
                   3),
       "."},
      // Other scripts keep the rules: one sign, one separator of the locale.
      {"−-5", "."},
      {"５−", "."},
      {"٤٤٠٫٥", ","},
      {"４４０，５", "."},
      {"٤٤٠.٥", arabic_separator},
      {"４４０．５", arabic_separator},
      {"1٫2.3", "."},
      {"٤ ٤", "."},
      {"٤٬٤٤٠", "."},     // Arabic thousands separator
      {"৪৪০", "."},       // Bengali digits
      {"\xC0\xB5", "."},  // "5", overlong
      {"4\xEF\xBC", "."}, // a fullwidth digit cut short
  };
  for (const auto &c : cases) {
    const auto result = read_number(c.in, c.separator);
    EXPECT_FALSE(result) << '"' << c.in << "\" read as " << result.value;
    EXPECT_EQ(result.error, ReadError::not_a_number) << '"' << c.in << '"';
  }
}

TEST(ReadNumber, FailsBeyondTheLargestDouble) {
  const std::string cases[] = {
      std::string(400, '9'),     "-" + std::string(400, '1'), "1e309",
      "-1e99999999999999999999", "1.7976931348623159e308",    std::string(32767, '7'),
  };
  for (const auto &in : cases) {
    const auto result = read_number(in, ".");
    EXPECT_FALSE(result) << in.substr(0, 40);
    EXPECT_EQ(result.error, ReadError::overflow) << in.substr(0, 40);
  }
}

// Notes are checked against each other (enharmonics, offsets, octaves) and
// against a few known pitches, to two decimals as the window shows them.
TEST(ReadFrequency, ReadsNoteNames) {
  const struct {
    std::string in, same_as, separator = ".", locale = "";
  } same[] = {
      {"A4", "440"},
      {"A5", "880"},
      {"A-1", "13.75"},
      {"B#3", "C4"},
      {"Cb4", "B3"},
      {"C𝄪4", "D4"},
      {"E𝄫4", "D4"},
      {"C♯5", "Db5"},
      {"D♭5", "C#5"},
      {"Fx4", "G4"},
      {"bb3", "Bb3"},
      {"a٤", "A4"},
      {"A4+100c", "A#4"},
      {" A4 − 1200cents", "A3"},
      {"A4 -  1200ct", "A3"},
      {"C4+1,5¢", "C4 + 1,5cent", ","},
      {"H4", "A4+200c", ".", "de_DE"},
      {"B4", "A#4", ".", "de_DE"},
      {"h4", "Cb5", ".", "de-AT"},
      {"Hb4", "B4", ".", "de"},
  };
  for (const auto &c : same) {
    const auto result = read_frequency(c.in, c.separator, c.locale);
    ASSERT_TRUE(result) << c.in;
    EXPECT_EQ(result.value, read_frequency(c.same_as, c.separator, c.locale).value) << c.in;
  }
  EXPECT_EQ(write_two_decimals(read_frequency("C4", ".").value, "."), "261.63");
  EXPECT_EQ(write_two_decimals(read_frequency("E-1", ".").value, "."), "10.30");
  // A text that is a number reads as the number, overflow and all; "e5" is none.
  for (const std::string in : {"4E2", "-4", "0", "1e400"}) {
    EXPECT_EQ(read_frequency(in, ".").error, read_number(in, ".").error) << in;
    EXPECT_EQ(read_frequency(in, ".").value, read_number(in, ".").value) << in;
  }
  EXPECT_EQ(read_frequency("e5", ".").value, read_frequency("E5", ".").value);
}

TEST(ReadFrequency, RejectsWhatIsNoNote) {
  for (const std::string in :
       {"H4", "h4", "E", "Bb", "A 4", "A4.5", "A4-30", "A4 12c", "A4+12 c", "A4+-12c", "A4+c",
        "A4c", "A--4", "3/2", "C-2000", "C99999", "C99999999999999999999", "A4+1e400c", "Ｃ4"})
    EXPECT_FALSE(read_frequency(in, ".", "en_GB")) << in;
  EXPECT_FALSE(read_frequency("H4", ".", "des"));
}

TEST(ReadInterval, ReadsRatiosAndEqualSteps) {
  const struct {
    std::string in, separator;
    double cents;
  } cases[] = {
      {"3/2", ".", 701.9550008653874},
      {"2/3", ".", -701.9550008653874},
      {" 81/80 ", ".", 21.50628959671478},
      {"٣/２", ".", 701.9550008653874},
      {"2/1", ".", 1200},
      {"18446744073709551616/1", ".", 76800},
      {"7\\12", ".", 700},
      {"−7\\12", ".", -700},
      {"7,5\\12", ",", 750},
      {"5\\31", ".", 193.5483870967742},
      {"3/2", "/", 3.2},
      {"7\\12", "\\", 7.12},
      {"4E2", ".", 400},
  };
  for (const auto &c : cases) {
    const auto result = read_interval(c.in, c.separator);
    ASSERT_TRUE(result) << c.in;
    EXPECT_NEAR(result.value, c.cents, 1e-9) << c.in;
  }
  const std::string huge(400, '9');
  const std::string rejected[] = {"-3/2",   "+3/2",   "3/0",  "0/2",  "3/2/1",
                                  "3 /2",   "3/",     "/2",   "7\\0", "7\\12.0",
                                  "7\\-12", "7 \\12", "\\12", "A4",   "3/" + huge};
  for (const std::string &in : rejected)
    EXPECT_FALSE(read_interval(in, ".")) << in;
  EXPECT_EQ(read_interval(huge + "/2", ".").error, ReadError::overflow);
}

TEST(WriteWholeNumber, WritesPlainDigits) {
  const struct {
    std::int16_t in;
    std::string_view out;
  } cases[] = {{100, "100"}, {440, "440"},     {415, "415"},      {0, "0"},
               {-5, "-5"},   {32767, "32767"}, {-32768, "-32768"}};
  for (const auto &c : cases)
    EXPECT_EQ(write_whole_number(c.in), c.out);
}

TEST(WriteTwoDecimals, RoundsToTwoPlaces) {
  const struct {
    double in;
    std::string separator;
    std::string out;
  } cases[] = {
      {466.1637615180899, ".", "466.16"},
      {415.3046975799451, ".", "415.30"},
      {-101.27062474844692, ".", "-101.27"},
      {-1.012706247484469, ".", "-1.01"},
      {-0.08439218729037243, ".", "-0.08"},
      {0, ".", "0.00"},
      {1200, ".", "1200.00"},
      {0.5, ".", "0.50"},
      {999.995, ".", "1000.00"}, // just above the tie as a double
      {0.015, ".", "0.01"},      // just below the tie as a double
      {1e21, ".", "1000000000000000000000.00"},
      {4.9406564584124654e-324, ".", "0.00"},
      {440.5, ",", "440,50"},
      {-0.08439218729037243, ",", "-0,08"},
      {440.5, arabic_separator, "440" + arabic_separator + "50"},
      {1200, "", "120000"},
  };
  for (const auto &c : cases)
    EXPECT_EQ(write_two_decimals(c.in, c.separator), c.out) << c.in;
}

TEST(WriteTwoDecimals, BreaksExactTiesAwayFromZero) {
  const struct {
    double in;
    std::string_view out;
  } cases[] = {
      {0.125, "0.13"},
      {-0.125, "-0.13"},
      {0.375, "0.38"},
      {0.625, "0.63"},
      {-0.625, "-0.63"},
      {0.875, "0.88"},
      {440.125, "440.13"},
      {-440.125, "-440.13"},
      {2.5, "2.50"},
      {0x1p49 + 0.125, "562949953421312.13"},
      {0x1p49 + 0.625, "562949953421312.63"},
  };
  for (const auto &c : cases)
    EXPECT_EQ(write_two_decimals(c.in, "."), c.out) << c.in;
}

TEST(WriteTwoDecimals, WritesNoMinusOnAZeroResult) {
  for (double in : {-0.0, -0.004, -0.00499, -4.9406564584124654e-324})
    EXPECT_EQ(write_two_decimals(in, ","), "0,00") << in;
  EXPECT_EQ(write_two_decimals(-0.005000000000000001, ","), "-0,01");
}

TEST(WriteTwoDecimals, WritesEveryDigitOfHugeValues) {
  const std::string max = write_two_decimals(DBL_MAX, ".");
  EXPECT_EQ(max.size(), 309u + 3u);
  EXPECT_EQ(max.substr(0, 20), "17976931348623157081");
  EXPECT_EQ(max.substr(max.size() - 3), ".00");
  EXPECT_EQ(write_two_decimals(-1e300, ",").size(), 1u + 301u + 3u);
}

} // namespace
