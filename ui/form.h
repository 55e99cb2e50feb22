// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#pragma once
// The two windows, described once for every toolkit.
//
// A window is a constant table of Control rows in twips, the way it was laid
// out, with its caption, client size and background; its behaviour is a
// class (fMovla, fAbout) whose handlers are bound to (control, event) pairs
// and reach the toolkit only through the Toolkit interface (toolkit.h). How
// a box and a window behave is decided in the rulebook (box_rules.h,
// window_rules.h, colour_rule.h); a toolkit layer builds a widget per row,
// tells WindowRules what the user does and applies what the rules answer.
// Nothing here names a toolkit.
//
//   toolkit layer --builds--> WindowDescription (tables, texts)
//                 --events--> WindowRules --> Form::handle --> handlers
//                 <--asks---- Toolkit <------------------------'  |
//                                               core <------------'
//
// The files, and what each decides (every file of ui/ and app/ is named
// here; a test checks it):
//   form.h            these plain types; twips to pixels
//   toolkit.h         what handlers ask of a toolkit, and what a layer keeps
//   box_rules.h       paste, reset, selection caret, long results, limit
//   window_rules.h    tab order, fonts, placement, which handler runs when
//   colour_rule.h     which system colours are pinned to keep texts readable
//   fMovla_table.cpp  the calculator's controls, texts, names and question
//   fAbout_table.cpp  the About window's controls and texts
//   fMovla.h, fAbout.h  the handlers, bound to (control, event)
// Each toolkit layer has the same files for the same jobs, in its own
// namespace (movla::qt, movla::win32, movla::web):
//   window            builds a table into a window, implements Toolkit and
//                     reports the user's moves to WindowRules
//   controls          one widget per row: geometry, font, tab order
//   colours           paints each row's colours under colour_rule.h
//   text_box          what the toolkit's text box needs beyond its own
//                     (paste routes, a cut result's mark, the limit)
//   accessibility     what a screen reader is told
//   open_window       opens the calculator and About
//   qt/ also:         application (names, fonts, icon)
//   win32/ also:      pictures, text (UTF-8 and UTF-16)
//   web/ also:        page (what the module asks of the page's script); the
//                     script's half of each job beside it: page.js,
//                     window.js, controls.js, colours.js, text_box.js,
//                     open_window.js; question.svg, the question's icon
// Each program's entry, in app/:
//   qt/main.cpp       the application, the calculator, the event loop
//   qt/command_line   --help, --version and mistakes, before any display
//   qt/display_guard  a display or screen that cannot be had: one line
//   win32/main.cpp    wWinMain; win32/movla.manifest, movla.rc.in and
//                     resources.rc.in its resources; win32/README.txt the
//                     ZIP's read-me
//   web/main.cpp      the module's entry, which opens the calculator
//   web/main.js       the page's: loads the module, gives it the separator
//   web/index.html    the page, holding no text of its own;
//                     manifest.webmanifest.in the web app's manifest;
//                     bundle.cmake joins the script's files into one

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace movla::ui {

/// A red, green, blue triple of 0 to 255.
struct Rgb {
  std::uint8_t red = 0, green = 0, blue = 0;
  friend constexpr bool operator==(Rgb, Rgb) = default;
};

/// The desktop colours a table may name; each toolkit maps them to its own
/// palette, which the user's theme may make light or dark.
enum class SystemColour {
  WindowBackground, // behind text in windows and boxes
  WindowText,       // text on WindowBackground
  ButtonText,       // text on button faces
};
inline constexpr std::size_t system_colour_count = 3;

/// A colour as the tables give it: none (transparent), an RGB triple, or a
/// system colour that follows the desktop's palette.
struct Colour {
  enum class Source { None, Rgb, System };
  Source source = Source::None;
  Rgb rgb{};
  SystemColour system = SystemColour::WindowBackground;
  friend constexpr bool operator==(const Colour &, const Colour &) = default;
};

inline constexpr Colour transparent{};
constexpr Colour rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  return {Colour::Source::Rgb, {r, g, b}};
}
constexpr Colour system(SystemColour colour) {
  return {Colour::Source::System, {}, colour};
}

enum class Kind {
  Band,    // filled rectangle beneath the other controls
  Line,    // horizontal line, line_pixels thick, in the fore colour
  Label,   // static text, at the top of its rectangle
  TextBox, // single-line text box, its text centred vertically
  Button,  // push button; "&" marks the access key
  Picture, // image named by `text`, at its top-left corner
};

/// Horizontal alignment of a label's or a text box's text.
enum class Align { Left, Centre, Right };

struct Font {
  const char *family;
  double points;
  bool bold = false;
  bool italic = false;
};

enum Option : unsigned {
  NoOption = 0,
  ReadOnly = 1, // text box the user reads and copies from but cannot edit
  WordWrap = 2, // label text wraps over several lines
};

inline constexpr int no_tab_index = -1;
inline constexpr int line_pixels = 2; // at 96 dpi

struct Control {
  const char *name;
  Kind kind;
  const char *text;
  int left, top, width, height; // twips
  int tab_index;
  Font font;
  Colour fore;
  Colour back;
  Align align;
  unsigned options;
};

/// What a screen reader is told about a control beyond its text; a null
/// description means none.
struct AccessibleText {
  const char *control;
  const char *name;
  const char *description;
};

struct WindowDescription {
  const char *name; // the window's own name, as Form_Load's control
  const char *caption;
  int client_width, client_height; // twips
  Rgb back;
  bool modal; // shown modally over the window that opens it
  std::span<const Control> controls;
  std::span<const AccessibleText> accessible;
  /// The control that holds the focus when the window opens; its GotFocus
  /// handler runs once Form_Load has, as for a move inside the window.
  const char *first_focus;
};

enum class Event {
  Load,      // the window was created, before it is shown; control: the window's name
  GotFocus,  // the control gained the keyboard focus from another of the window
  LostFocus, // the control lost the keyboard focus to another of the window
  Click,     // the button was pressed, by mouse, keyboard or access key
};

/// The one conversion from twips: 1440 to the inch, rounded to the nearest
/// pixel (15 twips to a pixel at 96 dots per inch).
int twips_to_pixels(int twips, int dpi = 96);

struct PixelRect {
  int left, top, width, height;
  friend constexpr bool operator==(const PixelRect &, const PixelRect &) = default;
};

/// The control's rectangle in pixels at `dpi`; a line is line_pixels high.
PixelRect pixel_rect(const Control &control, int dpi = 96);

/// The row named `name`, or null.
const Control *find_control(std::span<const Control> table, std::string_view name);

/// A window's behaviour as a toolkit layer sees it.
class Form {
public:
  virtual ~Form() = default;
  /// Runs the handler bound to `event` of `control`, if there is one.
  virtual void handle(std::string_view control, Event event) = 0;
  /// Whether a handler is bound to `event` of `control`.
  virtual bool handles(std::string_view control, Event event) const = 0;
};

/// One row of a window's event table.
template <class Window> struct Handler {
  const char *control;
  Event event;
  void (Window::*run)();
};

/// The row of `table` for (`control`, `event`), or null.
template <class Window>
const Handler<Window> *find_handler(std::span<const Handler<Window>> table,
                                    std::string_view control, Event event) {
  for (const Handler<Window> &handler : table)
    if (handler.event == event && control == handler.control)
      return &handler;
  return nullptr;
}

/// A Form whose handlers are the rows of Window::events().
template <class Window> class FormOf : public Form {
public:
  void handle(std::string_view control, Event event) override {
    if (const Handler<Window> *handler = find_handler(Window::events(), control, event))
      (static_cast<Window *>(this)->*handler->run)();
  }
  bool handles(std::string_view control, Event event) const override {
    return find_handler(Window::events(), control, event) != nullptr;
  }
};

} // namespace movla::ui
