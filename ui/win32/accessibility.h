// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#pragma once
// Accessible names and descriptions of the boxes, for Windows screen readers.
//
// A Win32 edit box has no name of its own: a screen reader would take the
// nearest label's text, which reads alike in both sections. Direct
// Annotation (IAccPropServices) overrides the name and description that the
// box's accessible object reports. The annotations are made when the first
// accessibility client asks the window or a box for its object
// (WM_GETOBJECT), and ole32 is loaded and COM started only then: a program
// that no screen reader reads starts without them. Where the service is
// missing (Wine answers E_NOTIMPL) the boxes simply keep their defaults.

#include <windows.h>

#include <string_view>

namespace movla::win32 {

/// Sent to a box's parent as a client asks the box for its accessible
/// object, before the box answers.
inline constexpr UINT object_asked = WM_APP + 2;

/// Gives `control` a name and, when `description` is not empty, a
/// description, where the system offers the service.
void annotate(HWND control, std::string_view name, std::string_view description);

} // namespace movla::win32
