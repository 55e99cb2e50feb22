// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#include "text_box.h"

#include "text.h"

#include <commctrl.h>

#include <cwctype>

namespace movla::win32 {

namespace {

constexpr UINT_PTR subclass_id = 1;
HWND partner = nullptr;
HWND clicked_into = nullptr;

bool is_read_only(HWND box) {
  return (GetWindowLongPtrW(box, GWL_STYLE) & ES_READONLY) != 0;
}

// The clipboard's text; false when it holds none (a picture, or nothing).
bool clipboard_text(HWND owner, std::wstring &text) {
  if (!IsClipboardFormatAvailable(CF_UNICODETEXT) || !OpenClipboard(owner))
    return false;
  bool found = false;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto *chars = static_cast<const wchar_t *>(GlobalLock(data))) {
      text = chars;
      found = true;
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return found;
}

int text_width(HWND box, const std::wstring &text) {
  HDC dc = GetDC(box);
  const HGDIOBJ old =
      SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(box, WM_GETFONT, 0, 0)));
  SIZE size{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(dc, old);
  ReleaseDC(box, dc);
  return size.cx;
}

RECT text_rect(HWND box) {
  RECT rect;
  GetClientRect(box, &rect);
  const auto margins = static_cast<DWORD>(SendMessageW(box, EM_GETMARGINS, 0, 0));
  rect.left += LOWORD(margins);
  rect.right -= HIWORD(margins);
  return rect;
}

// The start of the text and an ellipsis, in the colours the window gives the
// box (WM_CTLCOLORSTATIC, as for any read-only edit).
void paint_cut_text(HWND box) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(box, &paint);
  RECT client;
  GetClientRect(box, &client);
  auto brush = reinterpret_cast<HBRUSH>(SendMessageW(GetParent(box), WM_CTLCOLORSTATIC,
                                                     reinterpret_cast<WPARAM>(dc),
                                                     reinterpret_cast<LPARAM>(box)));
  FillRect(dc, &client, brush ? brush : GetSysColorBrush(COLOR_WINDOW));
  const HGDIOBJ old =
      SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(box, WM_GETFONT, 0, 0)));
  SetBkMode(dc, TRANSPARENT);
  std::wstring text = window_text(box);
  RECT rect = text_rect(box);
  DrawTextW(dc, text.data(), static_cast<int>(text.size()), &rect,
            DT_LEFT | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
  SelectObject(dc, old);
  EndPaint(box, &paint);
}

LRESULT CALLBACK box_procedure(HWND box, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                               DWORD_PTR) {
  switch (message) {
  case WM_PASTE: {
    if (is_read_only(box))
      break;
    // No text to paste leaves the box as it is, selection and all.
    std::wstring text;
    if (clipboard_text(box, text))
      SendMessageW(box, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(single_line(text).c_str()));
    return 0;
  }
  case WM_SETFOCUS:
  case WM_KILLFOCUS: {
    partner = reinterpret_cast<HWND>(wparam);
    const LRESULT result = DefSubclassProc(box, message, wparam, lparam);
    partner = nullptr;
    if (is_read_only(box))
      InvalidateRect(box, nullptr, TRUE);
    return result;
  }
  case WM_LBUTTONDOWN: {
    const bool entering = GetFocus() != box;
    const LRESULT result = DefSubclassProc(box, message, wparam, lparam);
    clicked_into = entering && GetFocus() == box ? box : nullptr;
    return result;
  }
  case WM_LBUTTONUP: {
    const LRESULT result = DefSubclassProc(box, message, wparam, lparam);
    if (clicked_into == box) {
      DWORD start = 0, end = 0;
      SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                   reinterpret_cast<LPARAM>(&end));
      if (start == end)
        SendMessageW(box, EM_SETSEL, 0, -1);
    }
    clicked_into = nullptr;
    return result;
  }
  case WM_PAINT:
    if (is_read_only(box) && GetFocus() != box && !text_fits(box)) {
      paint_cut_text(box);
      return 0;
    }
    break;
  case WM_NCDESTROY:
    RemoveWindowSubclass(box, box_procedure, subclass_id);
    break;
  default:
    break;
  }
  return DefSubclassProc(box, message, wparam, lparam);
}

} // namespace

void extend_edit_box(HWND box) {
  SetWindowSubclass(box, box_procedure, subclass_id, 0);
}

HWND focus_partner() {
  return partner;
}

bool text_fits(HWND box) {
  const RECT rect = text_rect(box);
  return text_width(box, window_text(box)) <= rect.right - rect.left;
}

std::wstring single_line(std::wstring_view text) {
  // Unicode's line breaks: LF, VT, FF, CR, NEL, LS, PS.
  constexpr std::wstring_view breaks = L"\n\v\f\r\u0085\u2028\u2029";
  if (text.find_first_of(breaks) == std::wstring_view::npos)
    return std::wstring(text);
  while (!text.empty()) {
    const std::size_t end = text.find_first_of(breaks);
    const std::wstring_view line = text.substr(0, end);
    for (const wchar_t c : line)
      if (!std::iswspace(static_cast<wint_t>(c)))
        return std::wstring(line);
    if (end == std::wstring_view::npos)
      break;
    text.remove_prefix(end + 1);
  }
  return {};
}

} // namespace movla::win32
