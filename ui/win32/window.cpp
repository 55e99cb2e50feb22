// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#include "window.h"

#include "accessibility.h"
#include "text_box.h"
#include "pictures.h"
#include "text.h"

#include "colour_rule.h"

#include <commctrl.h>

#include <algorithm>
#include <cmath>

namespace movla::win32 {

namespace {

constexpr wchar_t window_class[] = L"MovlaWindow";
// Child ids start above IDOK (1) and IDCANCEL (2), which the dialog manager
// sends for Enter and Escape.
constexpr int first_child_id = 100;

int system_index(ui::SystemColour colour) {
  switch (colour) {
  case ui::SystemColour::WindowBackground:
    return COLOR_WINDOW;
  case ui::SystemColour::WindowText:
    return COLOR_WINDOWTEXT;
  case ui::SystemColour::ButtonText:
    return COLOR_BTNTEXT;
  }
  return COLOR_WINDOW;
}

ui::Rgb to_rgb(COLORREF colour) {
  return {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
}

COLORREF to_colorref(ui::Rgb colour) {
  return RGB(colour.red, colour.green, colour.blue);
}

RECT to_rect(const ui::PixelRect &rect) {
  return {rect.left, rect.top, rect.left + rect.width, rect.top + rect.height};
}

HINSTANCE instance() {
  return GetModuleHandleW(nullptr);
}

void register_class() {
  static const bool registered = [] {
    WNDCLASSEXW klass{};
    klass.cbSize = sizeof klass;
    klass.lpfnWndProc = DefWindowProcW; // each window sets its own once created
    klass.hInstance = instance();
    klass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    klass.hIcon = LoadIconW(instance(), MAKEINTRESOURCEW(1));
    klass.lpszClassName = window_class;
    return RegisterClassExW(&klass) != 0;
  }();
  (void)registered;
}

} // namespace

NativeWindow::NativeWindow(const ui::WindowDescription &description, HWND owner)
    : description_(description), owner_(owner) {
  register_class();
  const DWORD style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
  window_ =
      CreateWindowExW(WS_EX_CONTROLPARENT, window_class, widen(description.caption).c_str(),
                      owner ? style & ~(WS_MINIMIZEBOX | WS_MAXIMIZEBOX) : style, CW_USEDEFAULT,
                      CW_USEDEFAULT, 100, 100, owner, nullptr, instance(), nullptr);
  SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&NativeWindow::procedure));
  dpi_ = GetDpiForWindow(window_);
  tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                             WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, 0, 0, 0, 0, window_, nullptr,
                             instance(), nullptr);
  create_children();
  update_colours();
  lay_out();
  for (const ui::AccessibleText &text : description.accessible)
    if (HWND box = control(text.control))
      annotate(box, text.name, text.description ? text.description : "");
}

NativeWindow::~NativeWindow() {
  if (IsWindow(window_)) {
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
  }
  for (const Child &child : children_)
    if (child.font)
      DeleteObject(child.font);
  for (const auto &[colour, brush] : brushes_)
    DeleteObject(brush);
  for (const auto &[window, bitmap] : pictures_)
    DeleteObject(bitmap);
}

void NativeWindow::create_children() {
  std::vector<const ui::Control *> rows;
  for (const ui::Control &row : description_.controls)
    if (row.kind != ui::Kind::Band && row.kind != ui::Kind::Line)
      rows.push_back(&row);
  // Creation order is z-order is the dialog manager's Tab order.
  std::stable_sort(rows.begin(), rows.end(), [](const ui::Control *a, const ui::Control *b) {
    return a->tab_index < b->tab_index;
  });
  int id = first_child_id;
  for (const ui::Control *row : rows) {
    const wchar_t *klass = L"STATIC";
    DWORD style = WS_CHILD | WS_VISIBLE;
    DWORD ex_style = 0;
    switch (row->kind) {
    case ui::Kind::TextBox:
      klass = WC_EDITW;
      style |= WS_TABSTOP | ES_AUTOHSCROLL |
               (row->align == ui::Align::Right    ? ES_RIGHT
                : row->align == ui::Align::Centre ? ES_CENTER
                                                  : ES_LEFT);
      if (row->options & ui::ReadOnly)
        style |= ES_READONLY;
      ex_style = WS_EX_CLIENTEDGE;
      break;
    case ui::Kind::Button:
      klass = WC_BUTTONW;
      style |= WS_TABSTOP | BS_PUSHBUTTON;
      break;
    default:
      style |= SS_OWNERDRAW;
      break;
    }
    // A picture's text names its image, which is nothing to show or speak.
    const std::wstring text = row->kind == ui::Kind::Picture ? L"" : widen(row->text);
    HWND child =
        CreateWindowExW(ex_style, klass, text.c_str(), style, 0, 0, 0, 0, window_,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id++)), instance(), nullptr);
    children_.push_back({row, child});
    if (row->kind == ui::Kind::TextBox) {
      extend_edit_box(child);
      TOOLINFOW tool{};
      tool.cbSize = sizeof tool;
      tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
      tool.hwnd = window_;
      tool.uId = reinterpret_cast<UINT_PTR>(child);
      tool.lpszText = LPSTR_TEXTCALLBACKW;
      SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    } else if (row->kind == ui::Kind::Picture) {
      pictures_[child] = load_picture(row->text);
    }
  }
}

void NativeWindow::lay_out() {
  for (Child &child : children_) {
    const ui::PixelRect rect = ui::pixel_rect(*child.row, static_cast<int>(dpi_));
    MoveWindow(child.window, rect.left, rect.top, rect.width, rect.height, FALSE);
    const ui::Font &font = child.row->font;
    HFONT old = child.font;
    child.font = CreateFontW(-static_cast<int>(std::lround(font.points * dpi_ / 72.0)), 0, 0, 0,
                             font.bold ? FW_BOLD : FW_NORMAL, font.italic, FALSE, FALSE,
                             DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                             CLEARTYPE_QUALITY, DEFAULT_PITCH, widen(font.family).c_str());
    SendMessageW(child.window, WM_SETFONT, reinterpret_cast<WPARAM>(child.font), FALSE);
    if (old)
      DeleteObject(old);
    if (child.row->kind == ui::Kind::TextBox)
      SendMessageW(
          child.window, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN,
          MAKELPARAM(MulDiv(2, static_cast<int>(dpi_), 96), MulDiv(2, static_cast<int>(dpi_), 96)));
  }
  SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, MulDiv(400, static_cast<int>(dpi_), 96));
  InvalidateRect(window_, nullptr, TRUE);
}

void NativeWindow::update_colours() {
  const auto pairs = ui::colour_pairs(description_.controls, description_.back);
  const auto pinned = ui::pinned_colours(pairs, [](const ui::Painted &painted) {
    return to_rgb(GetSysColor(system_index(painted.colour.system)));
  });
  pinned_ = static_cast<unsigned>(pinned.to_ulong());
  InvalidateRect(window_, nullptr, TRUE);
}

COLORREF NativeWindow::colour(const ui::Colour &colour) const {
  switch (colour.source) {
  case ui::Colour::Source::Rgb:
    return to_colorref(colour.rgb);
  case ui::Colour::Source::System:
    if (pinned_ & (1u << static_cast<unsigned>(colour.system)))
      return to_colorref(ui::classic_light(colour.system));
    return GetSysColor(system_index(colour.system));
  case ui::Colour::Source::None:
    break;
  }
  return to_colorref(description_.back);
}

// What shows through a control without a background of its own: the topmost
// band that holds it, or else the window.
COLORREF NativeWindow::colour_beneath(const ui::Control &row) const {
  COLORREF beneath = to_colorref(description_.back);
  for (const ui::Control &band : description_.controls) {
    if (band.kind != ui::Kind::Band || band.back.source == ui::Colour::Source::None)
      continue;
    if (row.left >= band.left && row.top >= band.top &&
        row.left + row.width <= band.left + band.width &&
        row.top + row.height <= band.top + band.height)
      beneath = colour(band.back);
  }
  return beneath;
}

HBRUSH NativeWindow::brush(COLORREF colour) {
  auto [it, added] = brushes_.try_emplace(colour, nullptr);
  if (added)
    it->second = CreateSolidBrush(colour);
  return it->second;
}

// The window's background, then the bands, then the lines above them.
void NativeWindow::paint_scene(HDC dc) const {
  RECT client;
  GetClientRect(window_, &client);
  const auto fill = [&](const RECT &rect, COLORREF colour) {
    SetDCBrushColor(dc, colour);
    FillRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
  };
  fill(client, to_colorref(description_.back));
  for (const ui::Kind kind : {ui::Kind::Band, ui::Kind::Line})
    for (const ui::Control &row : description_.controls)
      if (row.kind == kind)
        fill(to_rect(ui::pixel_rect(row, static_cast<int>(dpi_))),
             colour(kind == ui::Kind::Band ? row.back : row.fore));
}

void NativeWindow::draw_item(const DRAWITEMSTRUCT &item) {
  const Child *drawn = child(item.hwndItem);
  if (!drawn)
    return;
  const ui::Control &row = *drawn->row;
  HDC dc = item.hDC;
  RECT rect = item.rcItem;
  if (row.back.source == ui::Colour::Source::None) {
    // Transparent: what the window paints beneath the control.
    RECT place;
    GetWindowRect(item.hwndItem, &place);
    MapWindowPoints(nullptr, window_, reinterpret_cast<POINT *>(&place), 2);
    POINT origin;
    OffsetViewportOrgEx(dc, -place.left, -place.top, &origin);
    paint_scene(dc);
    SetViewportOrgEx(dc, origin.x, origin.y, nullptr);
  } else {
    FillRect(dc, &rect, brush(colour(row.back)));
  }
  if (row.kind == ui::Kind::Picture) {
    const auto found = pictures_.find(item.hwndItem);
    if (found != pictures_.end() && found->second)
      draw_picture(dc, found->second, static_cast<int>(dpi_));
    return;
  }
  std::wstring text = window_text(item.hwndItem);
  const HGDIOBJ old = SelectObject(dc, drawn->font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, colour(row.fore));
  UINT format = DT_NOPREFIX | DT_TOP;
  format |= row.align == ui::Align::Right    ? DT_RIGHT
            : row.align == ui::Align::Centre ? DT_CENTER
                                             : DT_LEFT;
  format |= (row.options & ui::WordWrap) ? DT_WORDBREAK : DT_SINGLELINE;
  DrawTextW(dc, text.data(), static_cast<int>(text.size()), &rect, format);
  SelectObject(dc, old);
}

const NativeWindow::Child *NativeWindow::child(HWND window) const {
  for (const Child &child : children_)
    if (child.window == window)
      return &child;
  return nullptr;
}

HWND NativeWindow::control(std::string_view name) const {
  for (const Child &child : children_)
    if (name == child.row->name)
      return child.window;
  return nullptr;
}

void NativeWindow::set_tooltip(HWND control, std::string_view text) {
  tooltips_[control] = widen(text);
}

bool NativeWindow::within(HWND window) const {
  return window && (window == window_ || IsChild(window_, window));
}

void NativeWindow::dispatch(const Child &child, ui::Event event) {
  // A box that loses the focus as its window goes reaches no handler.
  if (form_ && !ending_ && !closed_)
    form_->handle(child.row->name, event);
}

LRESULT CALLBACK NativeWindow::procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  auto *self = reinterpret_cast<NativeWindow *>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!self)
    return DefWindowProcW(window, message, wparam, lparam);
  return self->on_message(message, wparam, lparam);
}

LRESULT NativeWindow::on_message(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
  case WM_ERASEBKGND:
    return 1; // WM_PAINT paints every pixel
  case WM_PAINT: {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window_, &paint);
    paint_scene(dc);
    EndPaint(window_, &paint);
    return 0;
  }
  case WM_CTLCOLOREDIT:
  case WM_CTLCOLORSTATIC: {
    const Child *box = child(reinterpret_cast<HWND>(lparam));
    if (!box)
      break;
    HDC dc = reinterpret_cast<HDC>(wparam);
    const COLORREF back = box->row->back.source == ui::Colour::Source::None
                              ? colour_beneath(*box->row)
                              : colour(box->row->back);
    SetTextColor(dc, colour(box->row->fore));
    SetBkColor(dc, back);
    return reinterpret_cast<LRESULT>(brush(back));
  }
  case WM_CTLCOLORBTN: {
    // The corners around a themed button show what lies beneath it.
    const Child *button = child(reinterpret_cast<HWND>(lparam));
    if (!button)
      break;
    return reinterpret_cast<LRESULT>(brush(colour_beneath(*button->row)));
  }
  case WM_DRAWITEM:
    draw_item(*reinterpret_cast<const DRAWITEMSTRUCT *>(lparam));
    return TRUE;
  case WM_COMMAND: {
    const Child *from = child(reinterpret_cast<HWND>(lparam));
    if (!from)
      return 0; // IDOK and IDCANCEL from Enter and Escape: nothing to press
    switch (HIWORD(wparam)) {
    case BN_CLICKED:
      // An access key or Space clicks without the mouse: take the focus as
      // a click would, so that the box being left runs its handler first.
      if (GetFocus() != from->window)
        SetFocus(from->window);
      dispatch(*from, ui::Event::Click);
      break;
    case EN_SETFOCUS:
      if (within(focus_partner())) {
        last_got_focus_ = from->window;
        dispatch(*from, ui::Event::GotFocus);
      }
      break;
    case EN_KILLFOCUS:
      if (within(focus_partner()))
        dispatch(*from, ui::Event::LostFocus);
      break;
    default:
      break;
    }
    return 0;
  }
  case WM_NOTIFY: {
    auto *header = reinterpret_cast<NMHDR *>(lparam);
    if (header->hwndFrom != tooltip_ || header->code != TTN_GETDISPINFOW)
      break;
    auto *info = reinterpret_cast<NMTTDISPINFOW *>(lparam);
    auto *box = reinterpret_cast<HWND>(info->hdr.idFrom);
    if (const auto found = tooltips_.find(box); found != tooltips_.end())
      tip_buffer_ = found->second;
    else if (!text_fits(box))
      tip_buffer_ = window_text(box); // a long result: its whole value
    else
      tip_buffer_.clear();
    info->lpszText = tip_buffer_.data();
    return 0;
  }
  case WM_DPICHANGED: {
    dpi_ = HIWORD(wparam);
    lay_out();
    const auto *suggested = reinterpret_cast<const RECT *>(lparam);
    SetWindowPos(window_, nullptr, suggested->left, suggested->top,
                 suggested->right - suggested->left, suggested->bottom - suggested->top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    return 0;
  }
  case WM_ACTIVATE:
    // A window that is no dialog gets the focus itself when activated:
    // give it back to the control that had it, as a dialog box does. The
    // control's own handlers do not run for it (focus_partner() is null or
    // outside), as the user only came back from another window.
    if (LOWORD(wparam) == WA_INACTIVE) {
      if (HWND focus = GetFocus(); focus && IsChild(window_, focus))
        last_focus_ = focus;
    } else if (!HIWORD(wparam) && last_focus_ && IsWindow(last_focus_)) {
      SetFocus(last_focus_);
      return 0;
    }
    break;
  case WM_SYSCOLORCHANGE:
  case WM_THEMECHANGED:
    update_colours();
    break;
  case WM_CLOSE:
    close();
    return 0;
  case WM_DESTROY:
    if (!owner_)
      PostQuitMessage(0);
    break;
  default:
    break;
  }
  return DefWindowProcW(window_, message, wparam, lparam);
}

void NativeWindow::show() {
  RECT frame{0, 0, ui::twips_to_pixels(description_.client_width, static_cast<int>(dpi_)),
             ui::twips_to_pixels(description_.client_height, static_cast<int>(dpi_))};
  const auto style = static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_STYLE));
  const auto ex_style = static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_EXSTYLE));
  AdjustWindowRectExForDpi(&frame, style, FALSE, ex_style, dpi_);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(owner_ ? owner_ : window_, MONITOR_DEFAULTTOPRIMARY), &monitor);
  const RECT &area = monitor.rcWork;
  const int width = frame.right - frame.left, height = frame.bottom - frame.top;
  SetWindowPos(window_, nullptr, area.left + (area.right - area.left - width) / 2,
               area.top + (area.bottom - area.top - height) / 2, width, height,
               SWP_NOZORDER | SWP_NOACTIVATE);
  ShowWindow(window_, SW_SHOW);
  UpdateWindow(window_);
  // The first control's GotFocus runs as for a move inside the window.
  if (HWND first = description_.first_focus ? control(description_.first_focus) : nullptr) {
    last_got_focus_ = nullptr;
    SetFocus(first);
    // Once: the move may already have run it, from the activated window.
    if (last_got_focus_ != first)
      dispatch(*child(first), ui::Event::GotFocus);
  }
}

void NativeWindow::run_modal() {
  EnableWindow(owner_, FALSE);
  show();
  MSG message;
  while (!closed_) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got <= 0) {
      PostQuitMessage(static_cast<int>(message.wParam)); // for the main loop
      break;
    }
    if (!IsDialogMessageW(window_, &message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
  close();
}

void NativeWindow::close() {
  if (closed_)
    return;
  closed_ = true;
  // The owner takes input again before this window goes, so that Windows
  // gives it the activation rather than some other program.
  if (owner_)
    EnableWindow(owner_, TRUE);
  DestroyWindow(window_);
}

void NativeWindow::end_program() {
  ending_ = true;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM) {
        ShowWindow(window, SW_HIDE);
        return TRUE;
      },
      0);
  PostQuitMessage(0);
}

int NativeWindow::run_program() {
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    HWND top = GetAncestor(message.hwnd, GA_ROOT);
    if (!top || !IsDialogMessageW(top, &message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
  return static_cast<int>(message.wParam);
}

} // namespace movla::win32
