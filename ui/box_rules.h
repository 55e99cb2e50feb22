// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#pragma once
// How a text box behaves, decided once for every toolkit: what a paste puts
// in, how the pass writes into a box, where the caret stands when the box's
// text is selected on entry, and how a result too long for its box is shown.
// A toolkit layer measures what only it can (text widths, the screen) and
// applies the answer.

#include "form.h"

#include <movla/calculator.h>

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace movla::ui {

class Toolkit;

/// The most characters a box holds, set on every toolkit: Windows documents
/// it as an edit box's default, Qt's is the same, Wine's is 30 000.
inline constexpr int max_length = 32767;

/// What a paste or a drop of `text` puts into a one-line box. Text copied
/// from a spreadsheet cell, a terminal or a web page often ends in a line
/// break, which a box would keep but not show: text without a break goes in
/// as it is; otherwise the first line holding more than blanks (Unicode's
/// White_Space), without its break; or nothing.
std::string pasted_line(std::string_view text);

/// How a write of the pass reaches a box that shows `shown`.
enum class Write {
  Nothing, // the box already shows the text
  Set,     // a plain write: a result, or a box that held nothing (as at load)
  Edit,    // a reset of the user's input: an edit that Ctrl+Z undoes
};
Write how_to_write(const Control &box, std::string_view shown, std::string_view text);

/// Where the caret stands when the whole text is selected on entry: at the
/// end, where typing replaces the text; at the start of a result, so that a
/// long one shows its sign and leading digits rather than its tail.
enum class Caret { End, Start };
Caret entry_caret(const Control &box);

/// The mark that ends the shown start of a cut result.
inline constexpr std::string_view cut_mark = "\u2026";

/// Whether a text `text_width` wide, with the caret's pixel after it, is
/// wider than the `room` a box has for it.
constexpr bool is_cut(double text_width, double room) {
  return text_width + 1 > room;
}

/// How many characters of a cut text stand before the mark: as many as end
/// (`ends[i]`, the x where character i ends) within the room left of it.
std::size_t shown_before_mark(std::span<const double> ends, double room, double mark_width);

/// A cut result's whole text as its hover text shows it: in lines of equal
/// length that fit half a screen `screen_width` wide, at least 8 characters
/// each (a 309-digit number has no place to break).
std::string hover_text(std::string_view text, int screen_width, int widest_character);

/// The calculator fields as the text boxes of the same names, written by
/// how_to_write().
class BoxFields final : public CalculatorFields {
public:
  BoxFields(Toolkit &toolkit, std::span<const Control> table);
  std::string text(Field field) const override;
  void set_text(Field field, std::string_view text) override;

private:
  Toolkit &toolkit_;
  std::span<const Control> table_;
};

} // namespace movla::ui
