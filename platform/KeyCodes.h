// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Pure: no Qt, so that the key rules of pure code can name the keys too.
namespace platform {

// The classic virtual-key codes that the program's key handling is written against.
inline constexpr int VK_BACK = 8;
inline constexpr int VK_RETURN = 13;
inline constexpr int VK_ESCAPE = 27;
inline constexpr int VK_PRIOR = 33;  // Page Up
inline constexpr int VK_NEXT = 34;   // Page Down
inline constexpr int VK_END = 35;
inline constexpr int VK_HOME = 36;
inline constexpr int VK_LEFT = 37;
inline constexpr int VK_UP = 38;
inline constexpr int VK_RIGHT = 39;
inline constexpr int VK_DOWN = 40;

}  // namespace platform
