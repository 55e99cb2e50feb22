// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#pragma once
// One window of ui/form.h made of Win32 controls.
//
// Every row of the window's table becomes a child window, except the bands
// and lines, which the window paints beneath its children. Text boxes are
// edit boxes (edit_box.h), buttons push buttons, labels and pictures
// owner-drawn statics, so that a transparent label shows the bands beneath
// it. Children are created in tab-index order, which is the order the dialog
// manager's Tab follows; the window's own message loop passes keys through
// IsDialogMessage for Tab and the access keys. No control takes the ids 1
// and 2 (IDOK, IDCANCEL), which IsDialogMessage sends for Enter and Escape:
// those keys press nothing.
//
// Positions and fonts follow the dots per inch of the monitor the window is
// on, again whenever it moves to another; colours follow the system colours
// under the readable-colour rule (ui/colour_rule.h), again whenever they
// change. Events go to the bound Form: GotFocus and LostFocus only for focus
// moves within the window, never for a switch to another application.

#include "form.h"

#include <windows.h>

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace movla::win32 {

class NativeWindow {
public:
  /// Creates the window of `description`, hidden; `owner` owns it (null
  /// for the main window, whose closing ends the program).
  NativeWindow(const ui::WindowDescription &description, HWND owner);
  ~NativeWindow();
  NativeWindow(const NativeWindow &) = delete;
  NativeWindow &operator=(const NativeWindow &) = delete;

  /// Where the events go from now on.
  void bind(ui::Form *form) { form_ = form; }

  HWND handle() const { return window_; }
  /// The child made from the row `name`, or null.
  HWND control(std::string_view name) const;
  void set_tooltip(HWND control, std::string_view text);

  /// Shows the window centred on its monitor and gives the focus to the
  /// description's first control.
  void show();
  /// Shows the window modally over its owner and returns when it has closed.
  void run_modal();
  /// Closes the window (the main window: ends the message loop).
  void close();

  /// Runs the thread's message loop until the program ends.
  static int run_program();
  /// Ends the program at once: every window closes and no handler runs
  /// any more.
  static void end_program();

private:
  struct Child {
    const ui::Control *row;
    HWND window = nullptr;
    HFONT font = nullptr;
  };

  static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT on_message(UINT message, WPARAM wparam, LPARAM lparam);
  void create_children();
  void lay_out();
  void update_colours();
  COLORREF colour(const ui::Colour &colour) const;
  COLORREF colour_beneath(const ui::Control &row) const;
  HBRUSH brush(COLORREF colour);
  void paint_scene(HDC dc) const;
  void draw_item(const DRAWITEMSTRUCT &item);
  const Child *child(HWND window) const;
  bool within(HWND window) const;
  void dispatch(const Child &child, ui::Event event);

  const ui::WindowDescription &description_;
  HWND owner_;
  HWND window_ = nullptr;
  HWND tooltip_ = nullptr;
  HWND last_focus_ = nullptr;     // the control to give the focus back to
  HWND last_got_focus_ = nullptr; // the box whose GotFocus ran last
  ui::Form *form_ = nullptr;
  static inline bool ending_ = false;
  UINT dpi_ = 96;
  unsigned pinned_ = 0; // system colours shown in their classic light value
  bool closed_ = false;
  std::vector<Child> children_;
  std::map<COLORREF, HBRUSH> brushes_;
  std::map<HWND, std::wstring> tooltips_;
  std::map<HWND, HBITMAP> pictures_;
  std::wstring tip_buffer_;
};

} // namespace movla::win32
