// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#pragma once
// The few things the windows' handlers ask of a toolkit. A toolkit layer
// implements it once per window it builds; controls are named as in the
// window's table.
//
// The layer runs a control's GotFocus and LostFocus handlers only for focus
// moves inside the window: the user switching to another application, or a
// popup menu opening, runs none. So a pass runs when the user leaves an input
// for another control, not when they glance at another program.

#include <string>
#include <string_view>

namespace movla::ui {

/// A question with OK and Cancel buttons, OK the default, and a question-mark icon.
struct Question {
  const char *title;
  const char *prompt;
};

class Toolkit {
public:
  /// Sets the tooltip of `control`.
  virtual void set_tooltip(std::string_view control, std::string_view text) = 0;
  /// The text of a label or text box.
  virtual std::string text(std::string_view control) const = 0;
  /// Sets the text of a label or text box.
  virtual void set_text(std::string_view control, std::string_view text) = 0;
  /// Selects the whole text of a text box, so that typing replaces it.
  virtual void select_whole_text(std::string_view control) = 0;
  /// Asks modally; true when the user chose OK.
  virtual bool ask(const Question &question) = 0;
  /// Shows the About window modally; returns once it has closed.
  virtual void show_about() = 0;
  /// Closes this window and discards it with its controls.
  virtual void close() = 0;
  /// Ends the program at once: every window closes and no further handler runs.
  virtual void quit() = 0;

protected:
  ~Toolkit() = default;
};

} // namespace movla::ui
