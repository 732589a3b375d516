// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace controls {

// The states a grid cell is drawn in.
struct TGridDrawState {
    bool selected = false;
    bool focused = false;
    bool fixed = false;
};

// The grid options, as bits of TStringGrid::Options.
inline constexpr unsigned goFixedVertLine = 1u << 0;
inline constexpr unsigned goFixedHorzLine = 1u << 1;
inline constexpr unsigned goVertLine = 1u << 2;
inline constexpr unsigned goHorzLine = 1u << 3;
inline constexpr unsigned goDrawFocusSelected = 1u << 4;
inline constexpr unsigned goRowSelect = 1u << 5;

// Anything a grid cell's object slot can hold.
class TCellObject {
public:
    virtual ~TCellObject() = default;
};

}  // namespace controls
