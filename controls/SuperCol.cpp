// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/SuperCol.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>

namespace controls {

namespace {

// Rounds a * b / c to the nearest integer, halves away from zero. A result beyond the range
// of int is clamped to it, short of its lowest value so that it can always be negated: a
// size of 1610612736 points is 2^31 pixels.
int MulDiv(int a, int b, int c) {
    constexpr double kLargest = std::numeric_limits<int>::max();
    return static_cast<int>(std::lround(std::clamp(static_cast<double>(a) * b / c, -kLargest, kLargest)));
}

}  // namespace

int TFont::Size() const { return -MulDiv(Height, 72, kPixelsPerInch); }

void TFont::SetSize(int points) { Height = -MulDiv(points, kPixelsPerInch, 72); }

void TColumn::Changed() const {
    if (OnChange) OnChange();
}

void TColumn::SetTitle(std::vector<std::string> lines) {
    title_ = std::move(lines);
    Changed();
}

void TColumn::SetTitleFont(const TFont& font) {
    titleFont_ = font;
    Changed();
}

void TColumn::SetFont(const TFont& font) {
    font_ = font;
    Changed();
}

void TColumn::SetWidth(std::int32_t width) {
    if (width_ == width) return;
    width_ = width;
    Changed();
}

void TColumn::Assign(const TColumn& source) {
    if (&source == this) return;
    auto notify = std::move(OnChange);
    OnChange = nullptr;
    *this = source;
    OnChange = std::move(notify);
    Changed();
}

void TColumns::Changed() const {
    if (OnChange) OnChange();
}

std::unique_ptr<TColumn> TColumns::Adopt(const TColumn& column) {
    auto copy = std::make_unique<TColumn>();
    copy->Assign(column);
    copy->OnChange = [this] { Changed(); };
    return copy;
}

void TColumns::CheckIndex(int index) const {
    if (index < 0 || index >= Count()) throw std::out_of_range("List index out of bounds");
}

int TColumns::Add(const TColumn& column) {
    columns_.push_back(Adopt(column));
    Changed();
    return Count() - 1;
}

void TColumns::Clear() {
    columns_.clear();
    Changed();
}

void TColumns::Delete(int index) {
    CheckIndex(index);
    columns_.erase(columns_.begin() + index);
    Changed();
}

void TColumns::Exchange(int index1, int index2) {
    CheckIndex(index1);
    CheckIndex(index2);
    std::swap(columns_[static_cast<std::size_t>(index1)], columns_[static_cast<std::size_t>(index2)]);
    Changed();
}

void TColumns::Insert(int index, const TColumn& column) {
    if (index < 0 || index > Count()) throw std::out_of_range("List index out of bounds");
    columns_.insert(columns_.begin() + index, Adopt(column));
    Changed();
}

void TColumns::Move(int fromIndex, int toIndex) {
    CheckIndex(fromIndex);
    CheckIndex(toIndex);
    auto column = std::move(columns_[static_cast<std::size_t>(fromIndex)]);
    columns_.erase(columns_.begin() + fromIndex);
    columns_.insert(columns_.begin() + toIndex, std::move(column));
    Changed();
}

void TColumns::Assign(const TColumns& source) {
    if (&source == this) return;
    columns_.clear();
    for (const auto& column : source.columns_) columns_.push_back(Adopt(*column));
    Changed();
    SetUseOddRowColor(source.useOddRowColor_);
    SetOddRowColor(source.oddRowColor_);
    SetUseEvenRowColor(source.useEvenRowColor_);
    SetEvenRowColor(source.evenRowColor_);
    SetLoadData(source.loadData_);
    SetDataFileName(source.dataFileName_);
    SetStripLeading(source.stripLeading_);
    SetStripTrailing(source.stripTrailing_);
    SetAddRows(source.addRows_);
    PropertyVersion = source.PropertyVersion;
}

}  // namespace controls
