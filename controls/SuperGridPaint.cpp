// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/SuperGridPaint.h"

#include <algorithm>

namespace controls {

using platform::Rect;
using platform::TColor;

bool UsesSelectionColors(const CellPlace& place) {
    return place.state.selected && (!place.state.focused || place.drawFocusSelected || place.rowSelect);
}

CellLook ChooseCellLook(const TColumns& columns, const CellPlace& place, TColor gridBrush,
                        TColor gridFontColor) {
    CellLook look{gridBrush, gridFontColor, nullptr};
    const TColumn* column = place.col < columns.Count() ? &columns.Items(place.col) : nullptr;
    if (place.row < place.fixedRows && place.state.fixed) {
        if (column != nullptr) {
            look.brush = column->TitleColor;
            look.font = &column->TitleFont();
            look.fontColor = look.font->Color;
        }
        return look;
    }
    if (column != nullptr) {
        look.font = &column->Font();
        look.fontColor = look.font->Color;
    }
    const bool odd = place.row % 2 == 1;
    if (odd && columns.UseOddRowColor() && !place.state.fixed) {
        look.brush = columns.OddRowColor();
    } else if (!odd && columns.UseEvenRowColor() && !place.state.fixed) {
        look.brush = columns.EvenRowColor();
    } else if (column != nullptr) {
        look.brush = column->Color;
    }
    if (UsesSelectionColors(place)) {
        look.fontColor = gridFontColor;
        look.brush = gridBrush;
    }
    return look;
}

namespace {

bool HasWidth(const Rect& r) { return r.right - r.left + 1 > 0; }

// A width no wider than it takes to use r up: a wider ring would draw nothing more, and only
// cost a step per pixel of its width. Negative widths draw nothing.
int UsableWidth(const Rect& r, int width) {
    const long long usedUp = (static_cast<long long>(r.right) - r.left + 2) / 2;
    return static_cast<int>(std::clamp<long long>(width, 0, std::max(usedUp, 0LL)));
}

void Shrink(Rect& r, int width) { r = {r.left + width, r.top + width, r.right - width, r.bottom - width}; }

void AddBevel(std::vector<FrameRing>& rings, Rect& r, std::uint8_t bevel, int width) {
    const auto kind = static_cast<TPanelBevel>(bevel);
    if (kind != TPanelBevel::bvLowered && kind != TPanelBevel::bvRaised) return;
    if (!HasWidth(r)) return;
    width = UsableWidth(r, width);
    const bool lowered = kind == TPanelBevel::bvLowered;
    rings.push_back({r, width, lowered ? platform::clBtnShadow : platform::clBtnHighlight,
                     lowered ? platform::clBtnHighlight : platform::clBtnShadow});
    Shrink(r, width);
}

}  // namespace

std::vector<FrameRing> TitleFrame(const TColumn& column, Rect& r) {
    std::vector<FrameRing> rings;
    AddBevel(rings, r, column.TitleBevelOuter, column.TitleBevelWidth);
    if (HasWidth(r)) {
        const int band = UsableWidth(r, column.TitleBorderWidth);
        if (band > 0) rings.push_back({r, band, column.TitleColor, column.TitleColor});
        Shrink(r, band);
    }
    AddBevel(rings, r, column.TitleBevelInner, column.TitleBevelWidth);
    return rings;
}

int TitleTop(const Rect& r, const std::vector<int>& lineHeights, std::uint8_t titleLayout) {
    if (titleLayout != kLayoutCenter && titleLayout != kLayoutBottom) return r.top;
    int total = 0;
    for (const int h : lineHeights) total += h + 2;
    if (r.bottom - r.top <= total) return r.top;
    if (titleLayout == kLayoutCenter) return r.top + (r.bottom - r.top + 1 - total) / 2;
    return r.bottom - total;
}

int TextTop(const Rect& r, int h, std::uint8_t layout) {
    if (layout == kLayoutTop || h >= r.bottom - r.top + 1) return r.top;
    if (layout == kLayoutBottom) return r.bottom - h;
    return r.top + (r.bottom - r.top + 1 - h) / 2;
}

int ImageTop(const Rect& rect, int h, bool hasColumn, std::uint8_t layout) {
    const int top = rect.top + kCellImageMargin;
    const int room = rect.bottom - top + 1;
    if (!hasColumn || h >= room) return top;
    if (layout == kLayoutCenter) return rect.top + (room - h) / 2;
    if (layout == kLayoutBottom) return rect.bottom - h - kCellImageMargin;
    return top;
}

}  // namespace controls
