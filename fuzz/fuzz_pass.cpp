// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

// One whole pass over four arbitrary inputs, checking what must hold after
// any pass rather than only that nothing crashes. The separators include
// the slash and the backslash, under which ratios and equal steps give way
// to numbers.

#include "movla/calculator.h"
#include "pass_invariants.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  static constexpr std::string_view separators[] = {".", ",", "\xD9\xAB", "/", "\\"};
  FuzzedDataProvider provider(data, size);
  const std::string_view separator =
      separators[provider.ConsumeIntegralInRange<std::size_t>(0, std::size(separators) - 1)];
  const std::string_view locale_name = provider.ConsumeBool() ? "de_DE" : "";

  movla::MemoryFields fields;
  for (const movla::Field field : movla::input_fields)
    fields.set_text(field, provider.ConsumeRandomLengthString(64));
  const movla::MemoryFields before = fields;

  movla::sCalculate_Change(fields, separator, locale_name);

  if (const std::string problem =
          movla::test::broken_after_pass(before, fields, separator, locale_name);
      !problem.empty()) {
    std::fprintf(stderr, "invariant broken: %s\n", problem.c_str());
    std::abort();
  }
  return 0;
}
