// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

// Calls the core's field lookups must refuse at compile time. Compiled once
// per WRONG_CALL by the tests (see CMakeLists.txt): 0 is the right call and
// must compile, so that a failure of the others is the check's, not a
// missing header's.

#include <movla/calculator.h>

#ifndef WRONG_CALL
#error "compile with -DWRONG_CALL=n"
#endif

using movla::Field;

#if WRONG_CALL == 0
static_assert(movla::default_value(Field::Ref_Freq2) == 440);
static_assert(movla::field_name(Field::Octaves_New) == "Octaves_New");
#elif WRONG_CALL == 1
constexpr auto value = movla::default_value(Field::Freq_More); // a result has no default
#elif WRONG_CALL == 2
const std::string text = movla::default_text(Field::Cents_New);
#elif WRONG_CALL == 3
constexpr auto name = movla::field_name(static_cast<Field>(movla::field_count));
#elif WRONG_CALL == 4
Field chosen = Field::Cents_Change;
const auto value = movla::default_value(chosen); // not known to be an input
#endif
