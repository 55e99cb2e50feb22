// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#include "movla/calculator.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <string_view>

namespace {

using movla::Field;
using movla::MemoryFields;

using movla::input_fields;
using movla::result_fields;

// The four inputs, then the five results.
using Inputs = std::array<std::string_view, input_fields.size()>;
using Results = std::array<std::string_view, result_fields.size()>;

MemoryFields fields_with(const Inputs &in) {
  MemoryFields fields;
  for (std::size_t i = 0; i < in.size(); ++i)
    fields.set_text(input_fields[i], in[i]);
  return fields;
}

struct PassCase {
  const char *what;
  Inputs in;
  Inputs inputs_after;
  Results out;
};

void expect_pass(const PassCase &c, std::string_view separator = ".",
                 std::string_view locale_name = {}) {
  MemoryFields fields = fields_with(c.in);
  movla::sCalculate_Change(fields, separator, locale_name);
  for (std::size_t i = 0; i < input_fields.size(); ++i)
    EXPECT_EQ(fields.text(input_fields[i]), c.inputs_after[i])
        << c.what << ": " << movla::field_name(input_fields[i]);
  for (std::size_t i = 0; i < result_fields.size(); ++i)
    EXPECT_EQ(fields.text(result_fields[i]), c.out[i])
        << c.what << ": " << movla::field_name(result_fields[i]);
}

const std::string four_hundred_digits(400, '4');
const std::string thirteen_hundred_thousand = "1300000";

TEST(CalculationPass, ComputesBothSections) {
  const PassCase cases[] = {
      {"defaults",
       {"100", "440", "415", "440"},
       {"100", "440", "415", "440"},
       {"466.16", "415.30", "-101.27", "-1.01", "-0.08"}},
      {"no cents",
       {"0", "440", "880", "440"},
       {"0", "440", "880", "440"},
       {"440.00", "440.00", "1200.00", "12.00", "1.00"}},
      {"an octave",
       {"1200", "440", "440", "415"},
       {"1200", "440", "440", "415"},
       {"880.00", "220.00", "101.27", "1.01", "0.08"}},
      {"negative cents",
       {"-50", "440", "415", "440"},
       {"-50", "440", "415", "440"},
       {"427.47", "452.89", "-101.27", "-1.01", "-0.08"}},
      {"blanks, signs and exponents kept as typed",
       {" +1e2 ", "4.4E2", "415", "440"},
       {" +1e2 ", "4.4E2", "415", "440"},
       {"466.16", "415.30", "-101.27", "-1.01", "-0.08"}},
      {"zero reference in section A",
       {"100", "0", "415", "440"},
       {"100", "0", "415", "440"},
       {"0.00", "0.00", "-101.27", "-1.01", "-0.08"}},
      {"negative reference in section A",
       {"100", "-440", "415", "440"},
       {"100", "-440", "415", "440"},
       {"-466.16", "-415.30", "-101.27", "-1.01", "-0.08"}},
      {"both frequencies negative",
       {"100", "440", "-415", "-440"},
       {"100", "440", "-415", "-440"},
       {"466.16", "415.30", "-101.27", "-1.01", "-0.08"}},
      {"a tiny cents value",
       {"1e-300", "440", "415", "440"},
       {"1e-300", "440", "415", "440"},
       {"440.00", "440.00", "-101.27", "-1.01", "-0.08"}},
      // Notes, ratios and equal steps, each kept as typed.
      {"cents around a note; a note against a note",
       {"12", "C#5", "G4", "A4"},
       {"12", "C#5", "G4", "A4"},
       {"558.22", "550.54", "-200.00", "-2.00", "-0.17"}},
      {"a ratio; a note with an offset",
       {"3/2", "A4", "A4+12c", "440"},
       {"3/2", "A4", "A4+12c", "440"},
       {"660.00", "293.33", "12.00", "0.12", "0.01"}},
      {"equal steps; an offset with blanks, U+2212 and a cent sign",
       {"7\\12", "440", "A4 −31¢", "A4"},
       {"7\\12", "440", "A4 −31¢", "A4"},
       {"659.26", "293.66", "-31.00", "-0.31", "-0.03"}},
      {"a flat and a lower-case note",
       {"100", "440", "Bb3", "bb3"},
       {"100", "440", "Bb3", "bb3"},
       {"466.16", "415.30", "0.00", "0.00", "0.00"}},
      {"a negative octave",
       {"100", "440", "E-1", "440"},
       {"100", "440", "E-1", "440"},
       {"466.16", "415.30", "-6500.00", "-65.00", "-5.42"}},
  };
  for (const auto &c : cases)
    expect_pass(c);
}

TEST(CalculationPass, ResetsUnusableInputsAndShowsError) {
  const PassCase cases[] = {
      // A bad cents value leaves a good reference as it is.
      {"bad cents, good reference",
       {"abc", "432", "415", "440"},
       {"100", "432", "415", "440"},
       {"Error", "Error", "-101.27", "-1.01", "-0.08"}},
      {"good cents, bad reference",
       {"50", "x", "415", "440"},
       {"50", "440", "415", "440"},
       {"Error", "Error", "-101.27", "-1.01", "-0.08"}},
      {"both of section A bad",
       {"", " ", "415", "440"},
       {"100", "440", "415", "440"},
       {"Error", "Error", "-101.27", "-1.01", "-0.08"}},
      {"bad new frequency, good reference",
       {"100", "440", "abc", "432"},
       {"100", "440", "415", "432"},
       {"466.16", "415.30", "Error", "Error", "Error"}},
      {"good new frequency, bad reference",
       {"100", "440", "880", "1,5"},
       {"100", "440", "880", "440"},
       {"466.16", "415.30", "Error", "Error", "Error"}},
      {"both of section B bad",
       {"100", "440", "", "inf"},
       {"100", "440", "415", "440"},
       {"466.16", "415.30", "Error", "Error", "Error"}},
      {"every input bad",
       {"a", "b", "c", "d"},
       {"100", "440", "415", "440"},
       {"Error", "Error", "Error", "Error", "Error"}},
      // A note in the cents box, H outside German, a frequency below a double.
      {"forms that do not belong or have no value",
       {"A4", "3/2", "H4", "C-2000"},
       {"100", "440", "415", "440"},
       {"Error", "Error", "Error", "Error", "Error"}},
      {"400 digits overflow a double",
       {four_hundred_digits, "440", "415", four_hundred_digits},
       {"100", "440", "415", "440"},
       {"Error", "Error", "Error", "Error", "Error"}},
  };
  for (const auto &c : cases)
    expect_pass(c);
}

TEST(CalculationPass, ReplacesZeroFrequenciesWithoutError) {
  const PassCase cases[] = {
      {"zero new frequency",
       {"100", "440", "0", "440"},
       {"100", "440", "415", "440"},
       {"466.16", "415.30", "-101.27", "-1.01", "-0.08"}},
      {"zero reference",
       {"100", "440", "880", "0.000"},
       {"100", "440", "880", "440"},
       {"466.16", "415.30", "1200.00", "12.00", "1.00"}},
      {"negative zero reference",
       {"100", "440", "880", "-0"},
       {"100", "440", "880", "440"},
       {"466.16", "415.30", "1200.00", "12.00", "1.00"}},
      {"both zero",
       {"100", "440", "0e5", "0"},
       {"100", "440", "415", "440"},
       {"466.16", "415.30", "-101.27", "-1.01", "-0.08"}},
  };
  for (const auto &c : cases)
    expect_pass(c);
}

TEST(CalculationPass, ShowsArithmeticFailuresWithoutTouchingInputs) {
  const PassCase cases[] = {
      {"2^e overflows",
       {thirteen_hundred_thousand, "440", "415", "440"},
       {thirteen_hundred_thousand, "440", "415", "440"},
       {"Error", "Error", "-101.27", "-1.01", "-0.08"}},
      // 2^e underflows to zero: the upper result is 0, the lower divides by it.
      {"2^e underflows",
       {"-1300000", "440", "415", "440"},
       {"-1300000", "440", "415", "440"},
       {"Error", "Error", "-101.27", "-1.01", "-0.08"}},
      {"product overflows",
       {"1200", "1e308", "415", "440"},
       {"1200", "1e308", "415", "440"},
       {"Error", "Error", "-101.27", "-1.01", "-0.08"}},
      {"quotient overflows",
       {"-1200", "1e308", "415", "440"},
       {"-1200", "1e308", "415", "440"},
       {"Error", "Error", "-101.27", "-1.01", "-0.08"}},
      {"negative ratio",
       {"100", "440", "-415", "440"},
       {"100", "440", "-415", "440"},
       {"466.16", "415.30", "Error", "Error", "Error"}},
      {"ratio overflows",
       {"100", "440", "1e300", "1e-300"},
       {"100", "440", "1e300", "1e-300"},
       {"466.16", "415.30", "Error", "Error", "Error"}},
      {"ratio underflows to zero",
       {"100", "440", "1e-300", "1e300"},
       {"100", "440", "1e-300", "1e300"},
       {"466.16", "415.30", "Error", "Error", "Error"}},
      {"denormal ratio still has a logarithm",
       {"100", "440", "1e-310", "1"},
       {"100", "440", "1e-310", "1"},
       {"466.16", "415.30", "-1235757.25", "-12357.57", "-1029.80"}},
  };
  for (const auto &c : cases)
    expect_pass(c);
}

TEST(CalculationPass, FollowsTheLocaleSeparator) {
  expect_pass({"comma",
               {"100", "440,5", "415", "440"},
               {"100", "440,5", "415", "440"},
               {"466,69", "415,78", "-101,27", "-1,01", "-0,08"}},
              ",");
  expect_pass({"a point under a comma locale",
               {"100", "440.5", "415", "440"},
               {"100", "440", "415", "440"},
               {"Error", "Error", "-101,27", "-1,01", "-0,08"}},
              ",");
  expect_pass({"German note names",
               {"100", "440", "A4+12,4c", "440"},
               {"100", "440", "A4+12,4c", "440"},
               {"466,16", "415,30", "12,40", "0,12", "0,01"}},
              ",", "de_DE");
  expect_pass({"German H and B",
               {"100", "440", "B4", "H4"},
               {"100", "440", "B4", "H4"},
               {"466,16", "415,30", "-100,00", "-1,00", "-0,08"}},
              ",", "de_DE");
  const std::string sep = "\xD9\xAB";
  const std::string ref = "440" + sep + "5";
  const std::string more = "466" + sep + "69", less = "415" + sep + "78";
  const std::string cents = "-101" + sep + "27", semis = "-1" + sep + "01",
                    octs = "-0" + sep + "08";
  expect_pass({"arabic",
               {"100", ref, "415", "440"},
               {"100", ref, "415", "440"},
               {more, less, cents, semis, octs}},
              sep);
}

TEST(CalculationPass, TheNextPassComputesFromTheResetInputs) {
  MemoryFields fields = fields_with({"abc", "432", "abc", "432"});
  movla::sCalculate_Change(fields, ".");
  EXPECT_EQ(fields.text(Field::Freq_More), "Error");
  movla::sCalculate_Change(fields, ".");
  EXPECT_EQ(fields.text(Field::Cents_Change), "100");
  EXPECT_EQ(fields.text(Field::Ref_Freq1), "432");
  EXPECT_EQ(fields.text(Field::Freq_More), "457.69");
  EXPECT_EQ(fields.text(Field::Freq_Less), "407.75");
  EXPECT_EQ(fields.text(Field::Cents_New), "-69.50");
  EXPECT_EQ(fields.text(Field::Semitones_New), "-0.70");
  EXPECT_EQ(fields.text(Field::Octaves_New), "-0.06");
}

} // namespace
