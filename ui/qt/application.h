// SPDX-FileCopyrightText: The Movla developers
// SPDX-License-Identifier: MIT

#pragma once
// Process-wide settings; main() calls this once, right after creating the
// QApplication.

#include <QIcon>

namespace movla::qt {

/// Sets the application's name, version, desktop file and window icon.
void setApplicationInfo();

/// The program's icon, from the PNGs embedded in the binary; as the
/// application's icon it is every window's icon.
QIcon programIcon();

} // namespace movla::qt
