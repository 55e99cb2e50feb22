// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#pragma once
// What the windows ask of a toolkit, and what a toolkit layer must keep.
//
// A layer implements Toolkit once per window it builds, naming controls as
// the window's table does, and drives that window's WindowRules
// (window_rules.h) with what the user does. The rules decide; the layer
// measures and applies:
// - Build every row at pixel_rect() (twips at the window's dots per inch),
//   bands beneath everything in table order, lines above the bands; the
//   focusable controls in tab_order(). Fonts through font_face() (Windows
//   has the tables' faces, which GDI is asked for by name), colours
//   through the readable-colour rule (colour_rule.h), again whenever the
//   desktop's palette changes; a transparent control shows beneath().
// - Every text box holds at most max_length characters and one line of
//   text: a paste or a drop goes in as pasted_line(). The pass writes
//   through BoxFields, so a reset of an input can be undone (Toolkit::
//   replace_text). The results are read-only, reachable by Tab, copyable.
// - A result whose text is_cut() shows its start, shown_before_mark()
//   characters of it and cut_mark, whatever the caret and the focus; the
//   whole text stays in the box for copying and screen readers, and
//   hovering shows hover_text(). A text that fits is the toolkit's to draw.
// - Report every focus move with WindowRules::entered() and left(), saying
//   whether it came by key, by click or from outside the window (another
//   application, a popup); a click's release with released(); every press
//   of a button, by mouse, key or access key, with pressed(); Enter and
//   Escape with key(), doing nothing more with them when it says so. The
//   rules then run the handlers, only for moves inside the window, and never
//   once the window is going.
// - A box entered by key shows its whole text selected; a box left keeps
//   its selection out of sight and shows no cursor, as Windows edit boxes
//   do; select_whole_text() puts the caret at entry_caret().
// - Build a window hidden, call load() (Form_Load), show it with its
//   frame at frame_rect() in the work area of the screen it opens on (About on the calculator's),
//   then call focus_first(). About is modal: the calculator takes no input while it is open.

#include "box_rules.h"

#include <string>
#include <string_view>

namespace movla::ui {

/// A question with OK and Cancel buttons, OK the default, and a question-mark icon.
struct Question {
  const char *title;
  const char *prompt;
};
/// Its buttons' texts, for a toolkit that has no question box of its own.
inline constexpr std::string_view question_ok = "OK", question_cancel = "Cancel";

class Toolkit {
public:
  /// Sets the tooltip of `control`.
  virtual void set_tooltip(std::string_view control, std::string_view text) = 0;
  /// The text of a label or text box.
  virtual std::string text(std::string_view control) const = 0;
  /// Sets the text of a label or text box.
  virtual void set_text(std::string_view control, std::string_view text) = 0;
  /// Replaces the whole text of a text box as one edit the user can undo.
  virtual void replace_text(std::string_view control, std::string_view text) = 0;
  /// Selects the whole text of a text box, the caret at entry_caret(), so
  /// that typing replaces it.
  virtual void select_whole_text(std::string_view control) = 0;
  /// Gives the keyboard focus to `control`, as a move inside the window.
  virtual void set_focus(std::string_view control) = 0;
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
