// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#pragma once
// What must hold after any calculation pass, checked by the pass fuzzer and
// by the random use of the real windows alike.

#include <movla/calculator.h>

#include <string>
#include <string_view>

namespace movla::test {

/// Checks the fields a pass left: every input reads as its box reads it
/// (the cents as an interval, the others as a frequency), the two
/// zero-tested inputs are not zero, each result is "Error" or a two-decimal
/// number, each section's results are all numbers or all "Error", and a
/// further pass changes no input. `before` holds the texts the pass started
/// from; when the pass changed no input, the further pass must show the very
/// same results as well. Returns what is broken, naming the field, or an
/// empty string when everything holds.
std::string broken_after_pass(const MemoryFields &before, const MemoryFields &after,
                              std::string_view decimal_separator,
                              std::string_view locale_name = {});

} // namespace movla::test
