// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <optional>

namespace platform {

// The pointer as the display server holds it, in device pixels from the top-left corner of
// the X screen, or nothing where there is no X server to ask (Wayland, offscreen). At a
// scale other than 1 the toolkit rounds the pointer to whole logical pixels, which name
// only every second device pixel at scale 2; this is the exact one.
std::optional<QPoint> DevicePointer();

// Puts the pointer on device pixel `at` of the X screen. False where there is no X server.
bool MoveDevicePointer(QPoint at);

}  // namespace platform
