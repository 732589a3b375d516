// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QAccessibleInterface;

namespace windows {

class TPaletteSwatches;

// The web palette's swatches as a screen reader meets them: a table "Web palette" of six
// columns and 36 rows whose cells are the 216 colours, each named by the code the palette
// shows for it. The keyboard's swatch is the selected cell, focused while the swatches have
// the focus, and a cell's press action picks its colour.
QAccessibleInterface* MakePaletteAccessible(TPaletteSwatches* swatches);

// Tells screen readers that the keyboard's swatch moved (or that the swatches took the
// focus with one), so that they read its colour.
void NotifyPaletteFocusMoved(TPaletteSwatches* swatches);

}  // namespace windows
