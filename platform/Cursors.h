// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCursor>
#include <string_view>

namespace platform {

// A cursor compiled into the program, by its resource name ("HANDPOINTER", the pointing
// hand of the slide bars and the About box's web link). An unknown name gives the arrow.
QCursor LoadCursorResource(std::string_view name);

}  // namespace platform
