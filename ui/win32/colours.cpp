// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#include "colours.h"

#include "pictures.h"
#include "text.h"

namespace movla::win32 {

namespace {

// The system colour indices of ui::SystemColour's values.

COLORREF to_colorref(ui::Rgb colour) {
  return RGB(colour.red, colour.green, colour.blue);
}

COLORREF system_colour(ui::SystemColour colour) {
  constexpr int index[] = {COLOR_WINDOW, COLOR_WINDOWTEXT, COLOR_BTNTEXT}; // of its values
  return GetSysColor(index[static_cast<std::size_t>(colour)]);
}

// The brush of `dc` in `colour`.
HBRUSH brush(HDC dc, COLORREF colour) {
  SetDCBrushColor(dc, colour);
  return static_cast<HBRUSH>(GetStockObject(DC_BRUSH));
}

} // namespace

void Colours::update(HWND window) {
  const auto pairs = ui::colour_pairs(description_.controls, description_.back);
  pinned_ = ui::pinned_colours(pairs, [](const ui::Painted &painted) {
    const COLORREF shown = system_colour(painted.colour.system);
    return ui::Rgb{GetRValue(shown), GetGValue(shown), GetBValue(shown)};
  });
  InvalidateRect(window, nullptr, TRUE);
}

COLORREF Colours::operator()(const ui::Colour &colour) const {
  if (colour.source != ui::Colour::Source::System)
    return to_colorref(colour.source == ui::Colour::Source::Rgb ? colour.rgb : description_.back);
  if (pinned_[static_cast<std::size_t>(colour.system)])
    return to_colorref(ui::classic_light(colour.system));
  return system_colour(colour.system);
}

COLORREF Colours::back(const ui::Control &row) const {
  if (row.back.source != ui::Colour::Source::None)
    return (*this)(row.back);
  const auto index = static_cast<std::size_t>(&row - description_.controls.data());
  return (*this)(ui::beneath(description_.controls, index, description_.back).colour);
}

HBRUSH Colours::control_colours(HDC dc, const ui::Control &row) const {
  // A button draws its own text: its brush only fills the corners around it.
  if (row.kind != ui::Kind::Button) {
    SetTextColor(dc, (*this)(row.fore));
    SetBkColor(dc, back(row));
  }
  return brush(dc, back(row));
}

void Colours::paint_scene(HDC dc, HWND window, UINT dpi) const {
  RECT area;
  GetClientRect(window, &area);
  const auto fill = [&](COLORREF colour) { FillRect(dc, &area, brush(dc, colour)); };
  fill(to_colorref(description_.back));
  for (const ui::Kind kind : {ui::Kind::Band, ui::Kind::Line})
    for (const ui::Control &row : description_.controls)
      if (row.kind == kind) {
        const ui::PixelRect rect = ui::pixel_rect(row, static_cast<int>(dpi));
        area = {rect.left, rect.top, rect.left + rect.width, rect.top + rect.height};
        fill((*this)(kind == ui::Kind::Band ? row.back : row.fore));
      }
}

void Colours::draw(const DRAWITEMSTRUCT &item, const Child &child, UINT dpi) const {
  const ui::Control &row = *child.row;
  HDC dc = item.hDC;
  RECT rect = item.rcItem;
  FillRect(dc, &rect, brush(dc, back(row)));
  if (row.kind == ui::Kind::Picture) {
    if (child.picture)
      draw_picture(dc, child.picture, static_cast<int>(dpi));
    return;
  }
  std::wstring text = window_text(item.hwndItem);
  const HGDIOBJ old = SelectObject(dc, child.font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, (*this)(row.fore));
  constexpr UINT aligns[] = {DT_LEFT, DT_CENTER, DT_RIGHT}; // of ui::Align's values
  DrawTextW(dc, text.data(), static_cast<int>(text.size()), &rect,
            DT_NOPREFIX | DT_TOP | aligns[static_cast<int>(row.align)] |
                ((row.options & ui::WordWrap) ? DT_WORDBREAK : DT_SINGLELINE));
  SelectObject(dc, old);
}

} // namespace movla::win32
