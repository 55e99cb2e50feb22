// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#include "text_box.h"

#include "accessibility.h"
#include "text.h"

#include "box_rules.h"

#include <commctrl.h>

#include <algorithm>
#include <utility>
#include <vector>

namespace movla::win32 {

namespace {

// The edit class's own procedure, which every box goes on to. A box is
// subclassed by hand: comctl32's SetWindowSubclass (and a tooltip's
// TTF_SUBCLASS) look the box's subclasses up in a window property for each
// message, which under Wine 8.0 is a round trip to the wineserver: some 530
// of them before the window was first painted.
WNDPROC edit_procedure = nullptr;

LRESULT call_edit(HWND box, UINT message, WPARAM wparam, LPARAM lparam) {
  return CallWindowProcW(edit_procedure, box, message, wparam, lparam);
}

bool is_read_only(HWND box) {
  return (GetWindowLongPtrW(box, GWL_STYLE) & ES_READONLY) != 0;
}

// Where each character of `text` ends, from the start of the text, in the
// font of `window`.
std::vector<double> character_ends(HWND window, std::wstring_view text) {
  // Measured in a memory DC: under Wine 8.0 each window DC released sends
  // the window to the X server again, and a first paint showed a dozen steps.
  HDC dc = CreateCompatibleDC(nullptr);
  SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)));
  std::vector<int> ends(text.size());
  SIZE size{};
  GetTextExtentExPointW(dc, text.data(), static_cast<int>(text.size()), 0, nullptr, ends.data(),
                        &size);
  DeleteDC(dc);
  return {ends.begin(), ends.end()};
}

// What a read-only box shows of a text cut in it: its start and the mark.
std::wstring cut_text(HWND box) {
  if (!is_read_only(box))
    return {};
  const std::wstring text = window_text(box);
  RECT rect; // where the box lays out its line of text
  SendMessageW(box, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&rect));
  const double room = rect.right - rect.left;
  const std::vector<double> ends = character_ends(box, text);
  if (ends.empty() || !ui::is_cut(ends.back(), room))
    return {};
  const std::wstring mark = widen(ui::cut_mark);
  return text.substr(0, ui::shown_before_mark(ends, room, character_ends(box, mark).back())) + mark;
}

// The cut text in the colours the window gives the box (WM_CTLCOLORSTATIC,
// as for any read-only edit); while the box holds the focus, its selection
// highlighted, the mark with it when the selection runs on past the start.
bool paint_cut(HWND box) {
  const std::wstring shown = cut_text(box);
  if (shown.empty())
    return false;
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(box, &paint);
  FillRect(dc, &paint.rcPaint,
           reinterpret_cast<HBRUSH>(SendMessageW(GetParent(box), WM_CTLCOLORSTATIC,
                                                 reinterpret_cast<WPARAM>(dc),
                                                 reinterpret_cast<LPARAM>(box))));
  SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(box, WM_GETFONT, 0, 0)));
  SetBkMode(dc, TRANSPARENT);
  RECT rect;
  SendMessageW(box, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&rect));
  const int left = rect.left;
  const auto draw = [&](UINT options) {
    ExtTextOutW(dc, left, rect.top, options, &rect, shown.data(), static_cast<UINT>(shown.size()),
                nullptr);
  };
  draw(ETO_CLIPPED);
  // The selection's start and end, in the two words of the answer.
  const auto selection =
      GetFocus() == box ? static_cast<DWORD>(SendMessageW(box, EM_GETSEL, 0, 0)) : 0;
  const std::size_t start = LOWORD(selection), end = HIWORD(selection);
  if (start < end) {
    const std::vector<double> ends = character_ends(box, shown);
    const std::size_t mark = ends.size() - 1;
    const auto x = [&](std::size_t i) { return left + (i ? static_cast<int>(ends[i - 1]) : 0); };
    rect.left = x(std::min(start, mark));
    rect.right = x(end > mark ? mark + 1 : end);
    SetBkColor(dc, GetSysColor(COLOR_HIGHLIGHT));
    SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
    draw(ETO_CLIPPED | ETO_OPAQUE);
  }
  EndPaint(box, &paint); // which gives the device context back as it was
  return true;
}

LRESULT CALLBACK box_procedure(HWND box, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) {
    // The box's tooltip learns of the mouse from here.
    MSG mouse{box, message, wparam, lparam, 0, {}};
    SendMessageW(reinterpret_cast<HWND>(GetWindowLongPtrW(box, GWLP_USERDATA)), TTM_RELAYEVENT, 0,
                 reinterpret_cast<LPARAM>(&mouse));
  }
  switch (message) {
  case WM_PASTE: {
    // No text to paste (a picture, or nothing) leaves the box as it is.
    if (is_read_only(box) || !IsClipboardFormatAvailable(CF_UNICODETEXT) || !OpenClipboard(box))
      return 0;
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    const auto *chars = data ? static_cast<const wchar_t *>(GlobalLock(data)) : nullptr;
    const std::wstring line = chars ? widen(ui::pasted_line(narrow(chars))) : L"";
    if (chars)
      GlobalUnlock(data);
    CloseClipboard();
    if (chars)
      SendMessageW(box, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(line.c_str()));
    return 0;
  }
  case WM_SETFOCUS:
  case WM_KILLFOCUS: {
    const HWND outer = std::exchange(focus_partner, reinterpret_cast<HWND>(wparam));
    const LRESULT result = call_edit(box, message, wparam, lparam);
    focus_partner = outer;
    InvalidateRect(box, nullptr, TRUE);
    return result;
  }
  case WM_LBUTTONUP: {
    const LRESULT result = call_edit(box, message, wparam, lparam);
    const auto selection = static_cast<DWORD>(SendMessageW(box, EM_GETSEL, 0, 0));
    SendMessageW(GetParent(box), box_released, LOWORD(selection) != HIWORD(selection),
                 reinterpret_cast<LPARAM>(box));
    return result;
  }
  case WM_PAINT:
    // Scrolled by the user, the box shows what they scrolled to.
    if ((GetFocus() != box || SendMessageW(box, EM_GETFIRSTVISIBLELINE, 0, 0) == 0) &&
        paint_cut(box))
      return 0;
    break;
  case WM_GETOBJECT: // the names are made before the box answers
    SendMessageW(GetParent(box), object_asked, 0, 0);
    break;
  default:
    break;
  }
  return call_edit(box, message, wparam, lparam);
}

} // namespace

HWND focus_partner = nullptr;

void extend_text_box(HWND box, HWND tooltip) {
  SetWindowLongPtrW(box, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(tooltip));
  edit_procedure = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(box, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&box_procedure)));
  SendMessageW(box, EM_SETLIMITTEXT, ui::max_length, 0);
}

std::wstring hover_text(HWND box, HWND tooltip) {
  if (cut_text(box).empty())
    return {};
  MONITORINFO monitor{sizeof monitor, {}, {}, 0};
  GetMonitorInfoW(MonitorFromWindow(box, MONITOR_DEFAULTTONEAREST), &monitor);
  const int screen = monitor.rcWork.right - monitor.rcWork.left;
  const std::wstring text = window_text(box);
  const std::vector<double> ends = character_ends(tooltip, text);
  double widest = 1;
  for (std::size_t i = 0; i < ends.size(); ++i)
    widest = std::max(widest, ends[i] - (i ? ends[i - 1] : 0));
  // Its lines are as wide as half the screen: no wider than the tip may be.
  SendMessageW(tooltip, TTM_SETMAXTIPWIDTH, 0, screen);
  return widen(ui::hover_text(narrow(text), screen, static_cast<int>(widest)));
}

} // namespace movla::win32
