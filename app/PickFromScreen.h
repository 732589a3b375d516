// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Color.h"

class TfrmMain;

// Edit > Pick from Screen: the colour being edited (the font colour, or the Body page's
// selected colour) becomes a pixel of the screen, set as a swatch click sets it.
enum class TPickRoute {
    // The program grabs the screen and shows its own magnifier (X11).
    Overlay,
    // The desktop portal's picker, the only way to read the screen under Wayland.
    Portal,
};

TPickRoute PreferredPickRoute();

// Starts a pick; the colour arrives later, from the event loop, and goes in as
// TakePickedColor puts it. A failure to start raises, and a portal that cannot pick shows
// its message.
void PickFromScreen(TfrmMain& window, TPickRoute route);

// Sets the colour being edited to `color` as one undo step, whatever event brought it (a
// portal's answer is no input event). A pick also goes first in Edit > Recent Colors.
enum class TColorSource { Pick, RecentColors };
void TakePickedColor(TfrmMain& window, platform::TColor color, TColorSource source);
