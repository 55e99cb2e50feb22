// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#include "window.h"

#include "accessibility.h"
#include "text_box.h"

#include <commctrl.h>

#include <cstdlib>
#include <set>
#include <utility>

namespace movla::win32 {

namespace {

constexpr wchar_t window_class[] = L"MovlaWindow";

} // namespace

Window::Window(const ui::WindowDescription &description, HWND owner)
    : description_(description), rules_(description, *this), owner_(owner), colours_(description) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  // Each window sets its own procedure once created; registered again, the class stays as it is.
  const WNDCLASSEXW klass(sizeof klass, 0, DefWindowProcW, 0, 0, instance,
                          LoadIconW(instance, MAKEINTRESOURCEW(1)), LoadCursorW(nullptr, IDC_ARROW),
                          nullptr, nullptr, window_class, nullptr);
  RegisterClassExW(&klass);
  const DWORD style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
  // An owned window gets a taskbar entry of its own: without one Wine 8.0
  // marks it skip-taskbar, and openbox then never activates a normal window
  // that is not modal, so About opened inactive under the calculator.
  window_ =
      CreateWindowExW(WS_EX_CONTROLPARENT | (owner ? WS_EX_APPWINDOW : 0), window_class,
                      widen(description.caption).c_str(),
                      owner ? style & ~(WS_MINIMIZEBOX | WS_MAXIMIZEBOX) : style, CW_USEDEFAULT,
                      CW_USEDEFAULT, 100, 100, owner, nullptr, instance, nullptr);
  SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Window::procedure));
  dpi_ = GetDpiForWindow(window_);
  tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                             WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, 0, 0, 0, 0, window_, nullptr,
                             instance, nullptr);
  children_ = create_controls(window_, description.controls, tooltip_, dpi_);
  colours_.update(window_);
  lay_out(children_, dpi_, false);
}

Window::~Window() {
  close();
  std::set<HFONT> fonts; // shared by the controls of one font
  for (const Child &child : children_) {
    fonts.insert(child.font);
    DeleteObject(child.picture);
  }
  for (HFONT font : fonts)
    DeleteObject(font);
}

const Child *Window::child(HWND window) const {
  for (const Child &child : children_)
    if (child.window == window)
      return &child;
  return nullptr;
}

HWND Window::control(std::string_view name) const {
  for (const Child &child : children_)
    if (name == child.row->name)
      return child.window;
  // A table row renamed without its handler: stop here, naming it, rather
  // than act on nothing.
  FatalAppExitW(0, (L"No control " + widen(name) + L" in this window.").c_str());
  std::abort();
}

LRESULT CALLBACK Window::procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  auto *self = reinterpret_cast<Window *>(GetWindowLongPtrW(window, GWLP_USERDATA));
  return self ? self->on_message(message, wparam, lparam)
              : DefWindowProcW(window, message, wparam, lparam);
}

LRESULT Window::on_message(UINT message, WPARAM wparam, LPARAM lparam) {
  const Child *from = child(reinterpret_cast<HWND>(lparam));
  const char *name = from ? from->row->name : "";
  switch (message) {
  case WM_ERASEBKGND: // every pixel, and nothing left for WM_PAINT
    colours_.paint_scene(reinterpret_cast<HDC>(wparam), window_, dpi_);
    return 1;
  case WM_CTLCOLOREDIT:
  case WM_CTLCOLORSTATIC:
  case WM_CTLCOLORBTN:
    if (!from)
      break;
    return reinterpret_cast<LRESULT>(
        colours_.control_colours(reinterpret_cast<HDC>(wparam), *from->row));
  case WM_DRAWITEM: {
    const auto &item = *reinterpret_cast<const DRAWITEMSTRUCT *>(lparam);
    colours_.draw(item, *child(item.hwndItem), dpi_);
    return TRUE;
  }
  case WM_COMMAND: { // IDOK and IDCANCEL, from no control, press nothing
    // The other window of a focus move: inside this one or not.
    const bool inside =
        focus_partner && (focus_partner == window_ || IsChild(window_, focus_partner));
    if (from && HIWORD(wparam) == BN_CLICKED)
      rules_.pressed(name, GetFocus() == from->window);
    // A click's button is down while it moves the focus; a key moves it
    // otherwise, unless the program does.
    if (from && HIWORD(wparam) == EN_SETFOCUS)
      rules_.entered(name, !inside                       ? ui::Entry::Outside
                           : moving_                     ? ui::Entry::Other
                           : GetKeyState(VK_LBUTTON) < 0 ? ui::Entry::Click
                                                         : ui::Entry::Key);
    if (from && HIWORD(wparam) == EN_KILLFOCUS)
      rules_.left(name, inside);
    return 0;
  }
  case object_asked:
  case WM_GETOBJECT: // made before the first answer to a screen reader
    if (!std::exchange(annotated_, true))
      for (const ui::AccessibleText &text : description_.accessible)
        annotate(control(text.control), text.name, text.description ? text.description : "");
    if (message == object_asked)
      return 0;
    break;
  case box_released:
    rules_.released(name, wparam != 0);
    return 0;
  case WM_NOTIFY: {
    auto *info = reinterpret_cast<NMTTDISPINFOW *>(lparam);
    if (info->hdr.hwndFrom != tooltip_ || info->hdr.code != TTN_GETDISPINFOW)
      break;
    auto *box = reinterpret_cast<HWND>(info->hdr.idFrom);
    const auto found = tooltips_.find(box);
    tip_ = found != tooltips_.end() ? found->second : hover_text(box, tooltip_);
    if (found != tooltips_.end())
      SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, MulDiv(400, static_cast<int>(dpi_), 96));
    info->lpszText = tip_.data();
    return 0;
  }
  case WM_DPICHANGED: {
    dpi_ = HIWORD(wparam);
    lay_out(children_, dpi_);
    InvalidateRect(window_, nullptr, TRUE);
    const RECT &suggested = *reinterpret_cast<const RECT *>(lparam);
    SetWindowPos(window_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    return 0;
  }
  case WM_ACTIVATE:
    // A window that is no dialog gets the focus itself when activated:
    // give it back to the control that had it, as a dialog box does. The
    // move comes from outside the window: no handler runs for it.
    if (LOWORD(wparam) == WA_INACTIVE && IsChild(window_, GetFocus()))
      last_focus_ = GetFocus();
    if (LOWORD(wparam) != WA_INACTIVE && !HIWORD(wparam) && IsWindow(last_focus_)) {
      SetFocus(last_focus_);
      return 0;
    }
    break;
  case WM_SYSCOLORCHANGE:
  case WM_THEMECHANGED:
    colours_.update(window_);
    break;
  case WM_CLOSE:
    close();
    return 0;
  default:
    break;
  }
  return DefWindowProcW(window_, message, wparam, lparam);
}

void Window::run() {
  EnableWindow(owner_, FALSE); // none, for the main window
  rules_.load();
  RECT frame{0, 0, ui::twips_to_pixels(description_.client_width, static_cast<int>(dpi_)),
             ui::twips_to_pixels(description_.client_height, static_cast<int>(dpi_))};
  AdjustWindowRectExForDpi(&frame, static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_STYLE)), FALSE,
                           static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_EXSTYLE)), dpi_);
  MONITORINFO monitor{sizeof monitor, {}, {}, 0};
  GetMonitorInfoW(MonitorFromWindow(owner_ ? owner_ : window_, MONITOR_DEFAULTTOPRIMARY), &monitor);
  const RECT &area = monitor.rcWork;
  const ui::PixelRect place =
      ui::frame_rect(frame.right - frame.left, frame.bottom - frame.top,
                     {area.left, area.top, area.right - area.left, area.bottom - area.top});
  SetWindowPos(window_, nullptr, place.left, place.top, place.width, place.height,
               SWP_NOZORDER | SWP_SHOWWINDOW);
  UpdateWindow(window_);
  rules_.focus_first();
  MSG message;
  while (!closed_ && GetMessageW(&message, nullptr, 0, 0) > 0) {
    HWND top = GetAncestor(message.hwnd, GA_ROOT);
    const bool enter = message.wParam == VK_RETURN, escape = message.wParam == VK_ESCAPE;
    const Child *focused = enter || escape ? child(GetFocus()) : nullptr;
    if (top == window_ && message.message == WM_KEYDOWN && (enter || escape) &&
        rules_.key(focused ? focused->row->name : "", enter ? ui::Key::Enter : ui::Key::Escape))
      continue;
    if (!top || !IsDialogMessageW(top, &message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
  if (!closed_) // the program ends: so does any loop this one runs in
    PostQuitMessage(0);
  close();
}

void Window::replace_text(std::string_view name, std::string_view text) {
  SendMessageW(control(name), EM_SETSEL, 0, -1);
  SendMessageW(control(name), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(widen(text).c_str()));
}

void Window::select_whole_text(std::string_view name) {
  const int length = GetWindowTextLengthW(control(name));
  // The caret stands where the selection ends.
  const bool at_start = ui::entry_caret(*child(control(name))->row) == ui::Caret::Start;
  SendMessageW(control(name), EM_SETSEL, at_start ? length : 0, at_start ? 0 : length);
}

void Window::set_focus(std::string_view name) {
  moving_ = true;
  SetFocus(control(name));
  moving_ = false;
}

bool Window::ask(const ui::Question &question) {
  return MessageBoxW(window_, widen(question.prompt).c_str(), widen(question.title).c_str(),
                     MB_OKCANCEL | MB_ICONQUESTION | MB_DEFBUTTON1) == IDOK;
}

void Window::close() {
  if (std::exchange(closed_, true))
    return;
  rules_.closing();
  // The owner takes input again before this window goes, so that Windows
  // gives it the activation rather than some other program.
  EnableWindow(owner_, TRUE);
  DestroyWindow(window_);
}

void Window::quit() {
  ui::WindowRules::ending();
  // Only this window and those that own it are open: About is modal.
  for (HWND window = window_; window; window = GetWindow(window, GW_OWNER))
    ShowWindow(window, SW_HIDE);
  PostQuitMessage(0);
}

} // namespace movla::win32
