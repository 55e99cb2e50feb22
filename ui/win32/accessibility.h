// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#pragma once
// Accessible names and descriptions of the boxes, for Windows screen readers.
//
// A Win32 edit box has no name of its own: a screen reader would take the
// nearest label's text, which reads alike in both sections. Direct
// Annotation (IAccPropServices) overrides the name and description that the
// box's accessible object reports. Where the service is missing (Wine answers
// E_NOTIMPL) the boxes simply keep their defaults.

#include <windows.h>

#include <string_view>

namespace movla::win32 {

/// Gives `control` a name and, when `description` is not empty, a
/// description, where the system offers the service.
void annotate(HWND control, std::string_view name, std::string_view description);

} // namespace movla::win32
