// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

// The calculator as a plain Win32 program would write it: the same window
// classes, styles, fonts and texts at 96 dpi, the results written in, one
// tooltip control, the same manifest; no tables, colour rule, annotation or
// pictures. The floor for movla.exe's start-up (bench/win32/startup.sh).
#include <windows.h>

#include <commctrl.h>

namespace {

struct Child {
  char kind; // Label, Text box, Button
  const wchar_t *text;
  int left, top, width, height;
  int font;   // 0 text, 1 heading, 2 button
  bool right; // right-aligned
  bool read_only;
};

// In tab order, as movla.exe creates them.
constexpr Child children[] = {
    {'T', L"466.16", 580, 51, 93, 23, 0, 1, 1},
    {'L', L"Cents Change", 9, 5, 376, 23, 1, 0, 0},
    {'L', L"Hz Change", 9, 170, 376, 23, 1, 0, 0},
    {'L', L"Cents Change", 9, 78, 118, 23, 0, 0, 0},
    {'L', L"Reference Frequency", 218, 78, 167, 23, 0, 0, 0},
    {'L', L"Reference Frequency", 217, 245, 167, 23, 0, 0, 0},
    {'L', L"Frequency", 9, 244, 92, 23, 0, 0, 0},
    {'L', L"-", 557, 108, 13, 23, 0, 0, 0},
    {'L', L"+", 554, 51, 20, 23, 0, 0, 0},
    {'L', L"Change", 590, 211, 71, 23, 0, 1, 0},
    {'L', L"Cents", 487, 249, 92, 23, 0, 0, 0},
    {'L', L"Frequency (Hz)", 487, 78, 118, 23, 0, 0, 0},
    {'T', L"100", 125, 78, 72, 23, 0, 0, 0},
    {'T', L"440", 385, 78, 72, 23, 0, 0, 0},
    {'T', L"415.30", 580, 108, 93, 23, 0, 1, 1},
    {'T', L"415", 125, 247, 72, 23, 0, 0, 0},
    {'T', L"440", 385, 247, 72, 23, 0, 0, 0},
    {'T', L"-101.27", 580, 247, 93, 23, 0, 1, 1},
    {'B', L"E&xit", 10, 376, 100, 23, 2, 0, 0},
    {'L', L"Semitones", 487, 281, 92, 23, 0, 0, 0},
    {'L', L"Octaves", 487, 313, 92, 23, 0, 0, 0},
    {'T', L"-1.01", 580, 281, 93, 23, 0, 1, 1},
    {'T', L"-0.08", 580, 313, 93, 23, 0, 1, 1},
    {'B', L"&About", 563, 376, 100, 23, 2, 0, 0},
};
constexpr COLORREF yellow = RGB(255, 255, 192), navy = RGB(0, 0, 128);
HFONT fonts[3];
HBRUSH yellow_brush;

LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
  case WM_DRAWITEM: {
    const auto &item = *reinterpret_cast<const DRAWITEMSTRUCT *>(lparam);
    wchar_t text[64];
    const int length = GetWindowTextW(item.hwndItem, text, 64);
    FillRect(item.hDC, &item.rcItem, yellow_brush);
    SelectObject(item.hDC, reinterpret_cast<HFONT>(SendMessageW(item.hwndItem, WM_GETFONT, 0, 0)));
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, navy);
    RECT rect = item.rcItem;
    DrawTextW(item.hDC, text, length, &rect, DT_NOPREFIX | DT_TOP | DT_SINGLELINE);
    return TRUE;
  }
  case WM_CTLCOLOREDIT:
  case WM_CTLCOLORSTATIC:
    SetTextColor(reinterpret_cast<HDC>(wparam), navy);
    SetBkColor(reinterpret_cast<HDC>(wparam), yellow);
    return reinterpret_cast<LRESULT>(yellow_brush);
  case WM_DESTROY:
    PostQuitMessage(0);
    return 0;
  default:
    return DefWindowProcW(window, message, wparam, lparam);
  }
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  yellow_brush = CreateSolidBrush(yellow);
  WNDCLASSEXW klass{};
  klass.cbSize = sizeof klass;
  klass.lpfnWndProc = procedure;
  klass.hInstance = instance;
  klass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  klass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
  klass.hbrBackground = yellow_brush;
  klass.lpszClassName = L"PlainWindow";
  RegisterClassExW(&klass);
  RECT frame{0, 0, 676, 409};
  AdjustWindowRectEx(&frame, WS_OVERLAPPEDWINDOW, FALSE, WS_EX_CONTROLPARENT);
  const int width = frame.right - frame.left, height = frame.bottom - frame.top;
  HWND window = CreateWindowExW(
      WS_EX_CONTROLPARENT, L"PlainWindow", L"Movla - Cents to Hz Calculator",
      WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
      (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height, nullptr, nullptr, instance,
      nullptr);
  const struct {
    int points10;
    int weight;
  } faces[] = {{120, FW_NORMAL}, {120, FW_BOLD}, {98, FW_NORMAL}};
  for (int i = 0; i < 3; ++i)
    fonts[i] = CreateFontW(-MulDiv(faces[i].points10, 96, 720), 0, 0, 0, faces[i].weight, FALSE,
                           FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                           CLEARTYPE_QUALITY, DEFAULT_PITCH, L"MS Sans Serif");
  HWND tooltip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                 WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, 0, 0, 0, 0, window,
                                 nullptr, instance, nullptr);
  HWND first = nullptr;
  int id = 100;
  for (const Child &c : children) {
    const wchar_t *klass_name = c.kind == 'T' ? WC_EDITW : c.kind == 'B' ? WC_BUTTONW : L"STATIC";
    DWORD style = WS_CHILD | WS_VISIBLE;
    if (c.kind == 'T')
      style |= WS_TABSTOP | ES_AUTOHSCROLL | (c.right ? ES_RIGHT : ES_LEFT) |
               (c.read_only ? ES_READONLY : 0);
    else if (c.kind == 'B')
      style |= WS_TABSTOP | BS_PUSHBUTTON;
    else
      style |= SS_OWNERDRAW;
    HWND child = CreateWindowExW(
        c.kind == 'T' ? WS_EX_CLIENTEDGE : 0, klass_name, c.text, style, c.left, c.top, c.width,
        c.height, window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id++)), instance, nullptr);
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(fonts[c.font]), FALSE);
    if (c.kind == 'T' && !c.read_only) {
      if (!first)
        first = child;
      TOOLINFOW tool{};
      tool.cbSize = sizeof tool;
      tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
      tool.hwnd = window;
      tool.uId = reinterpret_cast<UINT_PTR>(child);
      tool.lpszText = const_cast<wchar_t *>(L"Enter the no. of cents.");
      SendMessageW(tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
  }
  ShowWindow(window, SW_SHOW);
  UpdateWindow(window);
  SetFocus(first);
  SendMessageW(first, EM_SETSEL, 0, -1);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (!IsDialogMessageW(window, &message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
  return 0;
}
