// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#pragma once
// How a window behaves, decided once for every toolkit: the order of Tab,
// the fonts that stand in for faces a desktop lacks, where a window opens,
// and which handler runs for what the user does (WindowRules).

#include "form.h"
#include "toolkit.h"

#include <cstddef>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace movla::ui {

/// Whether a control of this kind takes the keyboard focus.
constexpr bool takes_focus(Kind kind) {
  return kind == Kind::TextBox || kind == Kind::Button;
}

/// The rows that have a tab index, in the order of their indices; Tab
/// visits those of them that take_focus() in this order.
std::vector<std::size_t> tab_order(std::span<const Control> table);

/// What a toolkit shows for a font family: "MS Sans Serif" is a bitmap face
/// found only on Windows, "Arial" is missing from many desktops. Liberation
/// Sans has Arial's advance widths, so texts laid out for Arial fit their
/// labels; it runs a little wider than "MS Sans Serif", condensed to 95 %
/// it holds every text laid out for that.
struct FontFace {
  std::span<const char *const> families; // the first one the desktop has
  int stretch;                           // percent of the normal width
};
FontFace font_face(std::string_view family);

/// The top-left corner of a window frame of size `frame` in a screen's work
/// area (without panels and docks): centred where the frame fits; where it
/// does not, in width or in height, at the area's top-left, so that the caption and the window
/// menu stay on the screen for the keyboard (Alt+Space, Alt+F4) to reach.
PixelRect frame_rect(int frame_width, int frame_height, const PixelRect &work_area);

/// How the focus came into a control.
enum class Entry {
  Key,     // Tab, Shift+Tab or an access key
  Click,   // the mouse
  Other,   // the program moved it, inside the window
  Outside, // back from another application or a popup: no move of the user's
};

enum class Key { Enter, Escape };

/// The handlers of one window, run for what the user does in it.
class WindowRules {
public:
  WindowRules(const WindowDescription &description, Toolkit &toolkit);

  /// Binds the handlers.
  void bind(std::unique_ptr<Form> form) { form_ = std::move(form); }
  /// Runs Form_Load: the window is built and not yet shown.
  void load();
  /// Moves the focus to the first control and runs its GotFocus once,
  /// however the toolkit reports that move: as the window is first shown.
  void focus_first();
  /// The focus entered `control`.
  void entered(std::string_view control, Entry entry);
  /// The focus left `control`; `inside` when for another control of the window.
  void left(std::string_view control, bool inside);
  /// The mouse button that clicked into `control` came up.
  void released(std::string_view control, bool has_selection);
  /// A button was pressed, by mouse, key or access key; `focused` when it
  /// holds the focus. A button pressed from elsewhere takes the focus first,
  /// as a click would, so the input left runs its pass before the button acts.
  void pressed(std::string_view button, bool focused);
  /// Enter or Escape in `focused`; true when the toolkit must do nothing
  /// more with it. Enter presses a focused button; nothing else is pressed:
  /// no button is a window's default or cancel button.
  bool key(std::string_view focused, Key key);
  /// The window is going: no handler runs from now on.
  void closing() { closed_ = true; }
  /// The program is ending: no handler of any window runs from now on.
  static void ending() { ending_ = true; }

  const WindowDescription &description() const { return description_; }

private:
  void run(std::string_view control, Event event);

  const WindowDescription &description_;
  Toolkit &toolkit_;
  std::unique_ptr<Form> form_;
  std::string clicked_;   // the input a click entered, to select again on release
  std::string got_focus_; // the control whose GotFocus ran last
  bool closed_ = false;
  static inline bool ending_ = false;
};

} // namespace movla::ui
