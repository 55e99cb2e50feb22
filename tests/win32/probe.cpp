// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

// Reads Movla's windows from outside, as the Windows tests' eyes under Wine:
//   probe list CAPTION    one line per control of the top-level window
//                         CAPTION: class, text, left, top, width, height (in
//                         client pixels), and flags: focus, the selection of
//                         an edit box (sel=START-END), readonly, default
//                         (button), icon (static), disabled (window)
//   probe size CAPTION    the width and height of its client area
//   probe wait CAPTION    waits (10 s at most) until such a window is shown
//   probe gone CAPTION    waits (10 s at most) until none is left
//   probe close CAPTION   asks the window to close (WM_CLOSE), as its title
//                         bar's close button does, and waits until it has
//   probe clipboard       the text on the clipboard
//   probe tip             the text of the tooltip shown now (none: status 1)
//   probe tiprect         its left, top, right, bottom on the screen
//   probe rect CAPTION    the left, top, right, bottom of the window's frame
//   probe clip TEXT [N]   puts TEXT on the clipboard (\n for a line break,
//                         \uXXXX for a character), N times over
//   probe answers CAPTION whether the window's thread handles a message
//                         within 5 s (a hung window: status 1)
//   probe object CAPTION  asks the window and each of its controls for its
//                         accessible object, as a screen reader does first
//   probe serve           reads these commands from standard input, one a
//                         line ("list CAPTION"), and answers each with its
//                         output and a line "= STATUS": one Wine process
//                         for a whole run, as each start costs a second
// Exit status 0 on success, 1 when the window is missing or still there.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <cwchar>
#include <string>

namespace {

std::string utf8(const std::wstring &text) {
  std::string out(text.size() * 3 + 1, '\0');
  out.resize(static_cast<std::size_t>(
      WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), out.data(),
                          static_cast<int>(out.size()), nullptr, nullptr)));
  return out;
}

std::wstring text_of(HWND window) {
  // WM_GETTEXT crosses processes; GetWindowText would not, for controls.
  const auto length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(length));
  return text;
}

HWND shown_window(const wchar_t *caption) {
  HWND window = FindWindowW(nullptr, caption);
  return window && IsWindowVisible(window) ? window : nullptr;
}

struct Listing {
  HWND top;
  HWND focus;
};

BOOL CALLBACK list_control(HWND control, LPARAM context) {
  const auto &listing = *reinterpret_cast<const Listing *>(context);
  wchar_t klass[64] = L"";
  GetClassNameW(control, klass, 64);
  RECT rect;
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, listing.top, reinterpret_cast<POINT *>(&rect), 2);
  std::string flags;
  if (control == listing.focus)
    flags += " focus";
  const auto style = GetWindowLongPtrW(control, GWL_STYLE);
  if (lstrcmpiW(klass, L"Edit") == 0) {
    DWORD start = 0, end = 0;
    const auto selection = static_cast<DWORD>(SendMessageW(control, EM_GETSEL, 0, 0));
    start = LOWORD(selection);
    end = HIWORD(selection);
    flags += " sel=" + std::to_string(start) + "-" + std::to_string(end);
    if (style & ES_READONLY)
      flags += " readonly";
  }
  if (lstrcmpiW(klass, L"Button") == 0 && (style & 0x0F) == BS_DEFPUSHBUTTON)
    flags += " default";
  if (lstrcmpiW(klass, L"Static") == 0 && (style & SS_TYPEMASK) == SS_ICON)
    flags += " icon";
  if (!IsWindowEnabled(listing.top))
    flags += " disabled"; // the window, while a modal one is open over it
  std::string text = utf8(text_of(control));
  for (char &c : text)
    if (c == '\t' || c == '\n' || c == '\r')
      c = ' ';
  std::printf("%s\t%s\t%ld\t%ld\t%ld\t%ld\t%s\n", utf8(klass).c_str(), text.c_str(), rect.left,
              rect.top, rect.right - rect.left, rect.bottom - rect.top,
              flags.empty() ? "-" : flags.c_str() + 1);
  return TRUE;
}

int list(const wchar_t *caption) {
  HWND top = shown_window(caption);
  if (!top)
    return 1;
  GUITHREADINFO thread{};
  thread.cbSize = sizeof thread;
  GetGUIThreadInfo(GetWindowThreadProcessId(top, nullptr), &thread);
  Listing listing{top, thread.hwndFocus};
  EnumChildWindows(top, list_control, reinterpret_cast<LPARAM>(&listing));
  std::fflush(stdout);
  return 0;
}

int print_clipboard() {
  if (!OpenClipboard(nullptr))
    return 1;
  int status = 1;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto *text = static_cast<const wchar_t *>(GlobalLock(data))) {
      std::printf("%s\n", utf8(text).c_str());
      GlobalUnlock(data);
      status = 0;
    }
  }
  CloseClipboard();
  return status;
}

void print_rect(HWND window) {
  RECT rect;
  GetWindowRect(window, &rect);
  std::printf("%ld %ld %ld %ld\n", rect.left, rect.top, rect.right, rect.bottom);
}

int shown_tip(bool rect) {
  HWND tip = nullptr;
  while ((tip = FindWindowExW(nullptr, tip, L"tooltips_class32", nullptr)))
    if (IsWindowVisible(tip)) {
      if (rect) {
        print_rect(tip);
        return 0;
      }
      std::printf("%s\n", utf8(text_of(tip)).c_str());
      return 0;
    }
  return 1;
}

int wait_for(const wchar_t *caption, bool shown) {
  for (int i = 0; i < 100; ++i) {
    if ((shown_window(caption) != nullptr) == shown)
      return 0;
    Sleep(100);
  }
  return 1;
}

int clip(std::wstring text, int times) {
  for (std::size_t at; (at = text.find(L"\\n")) != std::wstring::npos;)
    text.replace(at, 2, L"\r\n");
  for (std::size_t at; (at = text.find(L"\\u")) != std::wstring::npos;)
    text.replace(at, 6, 1,
                 static_cast<wchar_t>(std::wcstoul(text.substr(at + 2, 4).c_str(), nullptr, 16)));
  for (const std::wstring once = text; --times > 0;)
    text += once;
  const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  std::memcpy(GlobalLock(memory), text.c_str(), bytes);
  GlobalUnlock(memory);
  if (!OpenClipboard(nullptr))
    return 1;
  EmptyClipboard();
  const bool done = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
  CloseClipboard();
  return done ? 0 : 1;
}

int answers(const wchar_t *caption) {
  HWND window = shown_window(caption);
  DWORD_PTR result = 0;
  return window && SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &result) ? 0 : 1;
}

int ask_objects(const wchar_t *caption) {
  HWND window = shown_window(caption);
  if (!window)
    return 1;
  int status = 0;
  for (HWND asked = window; asked;
       asked = asked == window ? GetWindow(window, GW_CHILD) : GetWindow(asked, GW_HWNDNEXT)) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(asked, WM_GETOBJECT, 0, static_cast<LPARAM>(OBJID_CLIENT), SMTO_NORMAL,
                             5000, &result))
      status = 1;
  }
  return status;
}

int run(const std::wstring &command, const wchar_t *argument);

int serve() {
  char line[4096];
  while (std::fgets(line, sizeof line, stdin)) {
    std::string text(line);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
      text.pop_back();
    std::wstring wide(text.size() + 1, L'\0');
    wide.resize(static_cast<std::size_t>(
        MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                            static_cast<int>(wide.size()))));
    const std::size_t space = wide.find(L' ');
    const std::wstring command = wide.substr(0, space);
    const std::wstring argument = space == std::wstring::npos ? L"" : wide.substr(space + 1);
    std::printf("= %d\n", run(command, argument.c_str()));
    std::fflush(stdout);
  }
  return 0;
}

int run(const std::wstring &command, const wchar_t *argument) {
  if (command == L"tip")
    return shown_tip(false);
  if (command == L"tiprect")
    return shown_tip(true);
  if (command == L"clipboard")
    return print_clipboard();
  if (command == L"serve")
    return serve();
  if (command == L"answers")
    return answers(argument);
  if (command == L"object")
    return ask_objects(argument);
  if (command == L"list")
    return list(argument);
  if (command == L"size") {
    HWND window = shown_window(argument);
    RECT client;
    if (!window || !GetClientRect(window, &client))
      return 1;
    std::printf("%ld %ld\n", client.right, client.bottom);
    return 0;
  }
  if (command == L"wait")
    return wait_for(argument, true);
  if (command == L"gone")
    return wait_for(argument, false);
  if (command == L"close") {
    if (HWND window = shown_window(argument))
      PostMessageW(window, WM_CLOSE, 0, 0);
    return wait_for(argument, false);
  }
  if (command == L"clip")
    return clip(argument, 1);
  if (command == L"rect") {
    HWND window = shown_window(argument);
    if (!window)
      return 1;
    print_rect(window);
    return 0;
  }
  std::fputs(
      "usage: probe list|size|rect|wait|gone|close|answers|object CAPTION, probe clip TEXT [N], "
      "probe tip|tiprect|clipboard|serve\n",
      stderr);
  return 2;
}

} // namespace

int wmain(int argc, wchar_t **argv) {
  // Lines end in \n alone, as the shell reading them expects.
  _setmode(_fileno(stdout), _O_BINARY);
  if (argc == 4 && std::wstring(argv[1]) == L"clip")
    return clip(argv[2], _wtoi(argv[3]));
  if (argc < 2 || argc > 3)
    return run(L"", L"");
  return run(argv[1], argc == 3 ? argv[2] : L"");
}
