// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#pragma once
// A window's colours: the system colours under the readable-colour rule
// (ui/colour_rule.h), the brushes of its controls, and the painting of its
// background, bands and lines, and of its owner-drawn labels and pictures.

#include "controls.h"

#include "colour_rule.h"

namespace movla::win32 {

class Colours {
public:
  explicit Colours(const ui::WindowDescription &description) : description_(description) {}

  /// Reads the system colours again, pins those the rule says and repaints
  /// `window`.
  void update(HWND window);
  /// What `colour` shows now.
  COLORREF operator()(const ui::Colour &colour) const;
  /// For WM_CTLCOLOR...: sets the text and background colours of `row` in
  /// `dc` and returns the brush of its background, `dc`'s DC_BRUSH.
  HBRUSH control_colours(HDC dc, const ui::Control &row) const;
  /// The background of `window`, then the bands, then the lines above them.
  void paint_scene(HDC dc, HWND window, UINT dpi) const;
  /// An owner-drawn label or picture.
  void draw(const DRAWITEMSTRUCT &item, const Child &child, UINT dpi) const;

private:
  /// The background of `row`: its own, or what shows beneath it.
  COLORREF back(const ui::Control &row) const;

  const ui::WindowDescription &description_;
  ui::PinnedColours pinned_;
};

} // namespace movla::win32
