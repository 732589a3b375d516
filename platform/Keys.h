// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtCore/qnamespace.h>

#include "platform/KeyCodes.h"

namespace platform {

// The classic code of a Qt key, or 0 for a key the program does not handle by code. Keypad
// keys arrive as the same Qt keys with a modifier, so they map alike.
constexpr int VirtualKeyOf(int qtKey) {
    switch (qtKey) {
        case Qt::Key_Backspace: return VK_BACK;
        case Qt::Key_Return:
        case Qt::Key_Enter: return VK_RETURN;
        case Qt::Key_Escape: return VK_ESCAPE;
        case Qt::Key_PageUp: return VK_PRIOR;
        case Qt::Key_PageDown: return VK_NEXT;
        case Qt::Key_End: return VK_END;
        case Qt::Key_Home: return VK_HOME;
        case Qt::Key_Left: return VK_LEFT;
        case Qt::Key_Up: return VK_UP;
        case Qt::Key_Right: return VK_RIGHT;
        case Qt::Key_Down: return VK_DOWN;
        default: return 0;
    }
}

}  // namespace platform
