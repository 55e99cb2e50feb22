// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#pragma once
// What the module asks of the page's script: the DOM, as the .js files of
// this folder keep it. A window is known to the script by its number, a
// control by its row in the window's table; texts cross as UTF-8.
//
// The script tells the module what the user does through the functions that
// window.cpp exports (movla_entered, movla_left...).

#include <cstddef>
#include <string_view>

namespace movla::web::page {

namespace imports {
#define MOVLA_PAGE(name) __attribute__((import_module("page"), import_name(#name)))
extern "C" {
// window.js
MOVLA_PAGE(window_open)
void window_open(int window, const char *name, std::size_t name_length, bool modal,
                 const char *caption, std::size_t caption_length, int width, int height,
                 const char *back, std::size_t back_length);
MOVLA_PAGE(window_frame) int window_frame(int window);
MOVLA_PAGE(window_area) int window_area();
MOVLA_PAGE(window_show) void window_show(int window, int left, int top);
MOVLA_PAGE(window_close) void window_close(int window);
MOVLA_PAGE(page_end) void page_end();
MOVLA_PAGE(control_text) std::size_t control_text(int window, int row);
MOVLA_PAGE(take_text) void take_text(char *into);
MOVLA_PAGE(control_set_text)
void control_set_text(int window, int row, const char *text, std::size_t length);
MOVLA_PAGE(control_select) void control_select(int window, int row, bool caret_at_start);
MOVLA_PAGE(control_focus) void control_focus(int window, int row);
MOVLA_PAGE(control_attribute)
void control_attribute(int window, int row, const char *name, std::size_t name_length,
                       const char *value, std::size_t value_length);
// controls.js
MOVLA_PAGE(control_create)
void control_create(int window, int row, const char *name, std::size_t name_length, int kind,
                    int left, int top, int width, int height, int align, unsigned options,
                    const char *text, std::size_t length, int access_key);
MOVLA_PAGE(control_font)
void control_font(int window, int row, const char *css, std::size_t length, int stretch);
// colours.js
MOVLA_PAGE(system_colour) unsigned system_colour(const char *css, std::size_t length);
MOVLA_PAGE(control_colours)
void control_colours(int window, int row, const char *text, std::size_t text_length,
                     const char *fill, std::size_t fill_length);
// text_box.js
MOVLA_PAGE(control_replace_text)
void control_replace_text(int window, int row, const char *text, std::size_t length);
MOVLA_PAGE(text_room) double text_room(int window, int row);
MOVLA_PAGE(text_measure)
double text_measure(int window, int row, const char *text, std::size_t length, double *ends);
MOVLA_PAGE(text_cut)
void text_cut(int window, int row, const char *shown, std::size_t shown_length, const char *hover,
              std::size_t hover_length);
MOVLA_PAGE(screen_width) int screen_width();
// open_window.js
MOVLA_PAGE(ask)
void ask(int window, const char *title, std::size_t title_length, const char *prompt,
         std::size_t prompt_length, const char *ok, std::size_t ok_length, const char *cancel,
         std::size_t cancel_length);
}
#undef MOVLA_PAGE
} // namespace imports

// The same calls with texts as string_views.
inline void control_set_text(int window, int row, std::string_view text) {
  imports::control_set_text(window, row, text.data(), text.size());
}
inline void control_replace_text(int window, int row, std::string_view text) {
  imports::control_replace_text(window, row, text.data(), text.size());
}
inline void control_attribute(int window, int row, std::string_view name, std::string_view value) {
  imports::control_attribute(window, row, name.data(), name.size(), value.data(), value.size());
}
inline void control_font(int window, int row, std::string_view css, int stretch) {
  imports::control_font(window, row, css.data(), css.size(), stretch);
}
inline unsigned system_colour(std::string_view css) {
  return imports::system_colour(css.data(), css.size());
}
inline void control_colours(int window, int row, std::string_view text, std::string_view fill) {
  imports::control_colours(window, row, text.data(), text.size(), fill.data(), fill.size());
}
inline void text_cut(int window, int row, std::string_view shown, std::string_view hover) {
  imports::text_cut(window, row, shown.data(), shown.size(), hover.data(), hover.size());
}

/// Width and height packed by the script into one int, 16 bits each.
struct Size {
  int width, height;
};
inline Size unpack(int packed) {
  return {static_cast<int>(static_cast<unsigned>(packed) >> 16), packed & 0xffff};
}

} // namespace movla::web::page
