// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#include "controls.h"

#include "pictures.h"
#include "text.h"
#include "text_box.h"

#include "window_rules.h"

#include <commctrl.h>

#include <cmath>
#include <map>
#include <set>
#include <string_view>
#include <tuple>
#include <utility>

namespace movla::win32 {

std::vector<Child> create_controls(HWND parent, std::span<const ui::Control> table, HWND tooltip,
                                   UINT dpi) {
  std::vector<Child> children;
  // Child ids start above IDOK (1) and IDCANCEL (2), which the dialog
  // manager sends for Enter and Escape.
  int id = 100;
  for (const std::size_t index : ui::tab_order(table)) {
    const ui::Control &row = table[index];
    const bool box = row.kind == ui::Kind::TextBox, button = row.kind == ui::Kind::Button;
    const bool picture = row.kind == ui::Kind::Picture;
    if (row.kind == ui::Kind::Band || row.kind == ui::Kind::Line)
      continue;
    constexpr DWORD aligns[] = {ES_LEFT, ES_CENTER, ES_RIGHT}; // of ui::Align's values
    const DWORD style = box ? WS_TABSTOP | ES_AUTOHSCROLL | aligns[static_cast<int>(row.align)] |
                                  ((row.options & ui::ReadOnly) ? ES_READONLY : 0)
                        : button ? WS_TABSTOP | BS_PUSHBUTTON
                                 : SS_OWNERDRAW;
    const wchar_t *klass = box ? WC_EDITW : button ? WC_BUTTONW : WC_STATICW;
    // A picture's text names its image, which is nothing to show or speak.
    // Made where it stands: a move for each would cost start-up a round trip.
    const ui::PixelRect rect = ui::pixel_rect(row, static_cast<int>(dpi));
    HWND child = CreateWindowExW(
        box ? WS_EX_CLIENTEDGE : 0, klass, picture ? L"" : widen(row.text).c_str(),
        WS_CHILD | WS_VISIBLE | style, rect.left, rect.top, rect.width, rect.height, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id++)), GetModuleHandleW(nullptr), nullptr);
    children.push_back({&row, child, nullptr, picture ? load_picture(row.text) : nullptr});
    if (!box)
      continue;
    extend_text_box(child, tooltip);
    TOOLINFOW tool(sizeof tool, TTF_IDISHWND, parent,
                   reinterpret_cast<UINT_PTR>(child), RECT{}, nullptr, LPSTR_TEXTCALLBACKW, 0,
                   nullptr);
    SendMessageW(tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
  return children;
}

void lay_out(std::span<Child> children, UINT dpi, bool move) {
  const int scale = static_cast<int>(dpi);
  // Controls of one font share it: fewer fonts to make and match.
  std::map<std::tuple<std::string_view, double, bool, bool>, HFONT> fonts;
  std::set<HFONT> old;
  for (Child &child : children) {
    const ui::PixelRect rect = ui::pixel_rect(*child.row, scale);
    if (move)
      MoveWindow(child.window, rect.left, rect.top, rect.width, rect.height, FALSE);
    const ui::Font &font = child.row->font;
    HFONT &shared = fonts[{font.family, font.points, font.bold, font.italic}];
    if (!shared)
      shared = CreateFontW(-static_cast<int>(std::lround(font.points * dpi / 72.0)), 0, 0, 0,
                           font.bold ? FW_BOLD : FW_NORMAL, font.italic, FALSE, FALSE,
                           DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                           CLEARTYPE_QUALITY, DEFAULT_PITCH, widen(font.family).c_str());
    old.insert(std::exchange(child.font, shared));
    SendMessageW(child.window, WM_SETFONT, reinterpret_cast<WPARAM>(child.font), FALSE);
    if (child.row->kind == ui::Kind::TextBox)
      SendMessageW(child.window, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN,
                   MAKELPARAM(MulDiv(2, scale, 96), MulDiv(2, scale, 96)));
  }
  for (HFONT font : old)
    DeleteObject(font);
}

} // namespace movla::win32
