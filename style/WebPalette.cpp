// SPDX-License-Identifier: GPL-3.0-or-later
#include "style/WebPalette.h"

#include <algorithm>

#include "style/ColorValue.h"

namespace webpalette {

namespace {

constexpr int kLevels[] = {0x00, 0x33, 0x66, 0x99, 0xCC, 0xFF};

constexpr Swatch MakeSwatch(int index) {
    const int row = index / kColumns;
    const int column = index % kColumns;
    const TColor red = kLevels[row % 6];
    const TColor green = kLevels[row / 6];
    const TColor blue = kLevels[column];
    return {kMargin + kStepAcross * column, kMargin + kStepDown * row, red | green << 8 | blue << 16};
}

constexpr std::array<Swatch, kCount> MakeSwatches() {
    std::array<Swatch, kCount> swatches{};
    for (int i = 0; i < kCount; ++i) swatches[static_cast<std::size_t>(i)] = MakeSwatch(i);
    return swatches;
}

constexpr std::array<Swatch, kCount> kSwatches = MakeSwatches();

}  // namespace

Swatch SwatchAt(int index) { return kSwatches.at(static_cast<std::size_t>(index)); }

const std::array<Swatch, kCount>& Swatches() { return kSwatches; }

int SwatchIndexAt(int x, int y) {
    if (x < kMargin || y < kMargin) return -1;
    const int column = (x - kMargin) / kStepAcross;
    const int row = (y - kMargin) / kStepDown;
    if (column >= kColumns || row >= kRows) return -1;
    const int insideX = (x - kMargin) % kStepAcross;
    const int insideY = (y - kMargin) % kStepDown;
    if (insideX >= kSwatchWidth || insideY >= kSwatchHeight) return -1;
    return row * kColumns + column;
}

int SwatchStep(int index, int columns, int rows) {
    const int column = std::clamp(index % kColumns + columns, 0, kColumns - 1);
    const int row = std::clamp(index / kColumns + rows, 0, kRows - 1);
    return row * kColumns + column;
}

std::string HoverText(TColor color) {
    std::string text = colorvalue::FileForm(color & 0xFFFFFF);
    std::reverse(text.begin(), text.end());
    return text;
}

}  // namespace webpalette
