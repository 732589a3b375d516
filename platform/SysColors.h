// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPalette>

class QWidget;

#include "platform/Color.h"

namespace platform {

// System colour indices, with their classic numbers.
inline constexpr int COLOR_ACTIVECAPTION = 2;
inline constexpr int COLOR_INACTIVECAPTION = 3;
inline constexpr int COLOR_WINDOW = 5;
inline constexpr int COLOR_WINDOWTEXT = 8;
inline constexpr int COLOR_CAPTIONTEXT = 9;
inline constexpr int COLOR_HIGHLIGHT = 13;
inline constexpr int COLOR_HIGHLIGHTTEXT = 14;
inline constexpr int COLOR_BTNFACE = 15;
inline constexpr int COLOR_BTNSHADOW = 16;
inline constexpr int COLOR_GRAYTEXT = 17;
inline constexpr int COLOR_BTNTEXT = 18;
inline constexpr int COLOR_INACTIVECAPTIONTEXT = 19;
inline constexpr int COLOR_BTNHIGHLIGHT = 20;
inline constexpr int COLOR_INFOTEXT = 23;
inline constexpr int COLOR_INFOBK = 24;
inline constexpr int COLOR_GRADIENTACTIVECAPTION = 27;
inline constexpr int COLOR_GRADIENTINACTIVECAPTION = 28;

// The system colour of an index, as a plain colour, taken from the application's palette
// so that the program follows the desktop theme. Indices the palette has no role for keep
// their classic values.
TColor GetSysColor(int index);

// Resolves a system colour to a plain one; plain colours pass through.
TColor ColorToRGB(TColor color);
QColor ToQColor(TColor color);
TColor FromQColor(const QColor& color);

// Gives one colour role of a widget's own palette a style colour.
void SetPaletteColor(QWidget* widget, QPalette::ColorRole role, TColor color);

// The classic desktop palette (button face silver, shadow gray, white highlights, black
// text). Tests install it so that pixel checks do not depend on the desktop's theme.
QPalette ClassicPalette();

}  // namespace platform
