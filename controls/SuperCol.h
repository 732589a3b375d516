// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/Color.h"

namespace controls {

// The values a column stores for its alignment and bevels, with their stream numbers.
enum class TColumnAlignment : std::uint8_t { taLeftJustify = 0, taRightJustify = 1, taCenter = 2 };
enum class TPanelBevel : std::uint8_t { bvNone = 0, bvLowered = 1, bvRaised = 2 };
enum class TFontPitch : std::uint8_t { fpDefault, fpVariable, fpFixed };

// Vertical placement of a text block, a picture or a check box.
inline constexpr std::uint8_t kLayoutTop = 0;
inline constexpr std::uint8_t kLayoutCenter = 1;
inline constexpr std::uint8_t kLayoutBottom = 2;

// What a cell does with a text that does not fit.
inline constexpr std::uint8_t kOverflowClip = 0;
inline constexpr std::uint8_t kOverflowEllipsis = 1;
inline constexpr std::uint8_t kOverflowWordWrap = 2;

inline constexpr std::uint8_t kControlNone = 0;
inline constexpr std::uint8_t kControlCheckBox = 1;

inline constexpr std::uint8_t kCheckBoxStandard = 0;
inline constexpr std::uint8_t kCheckBoxCheckMark = 1;
inline constexpr std::uint8_t kCheckBoxPlain = 2;

// The widest a title's bevel or band is read from a stream: far wider than any cell, and far
// enough from the limits of int that the drawing arithmetic cannot overflow.
inline constexpr std::int32_t kMaxTitleFrameWidth = 1 << 20;

// A font as a column keeps it: the classic font's fields, free of any drawing surface.
// Height is in pixels and negative for a character height; Size is in points at the
// classic 96 pixels per inch, so setting one sets the other.
struct TFont {
    static constexpr int kPixelsPerInch = 96;

    platform::TColor Color = platform::clWindowText;
    int Height = -13;
    std::string Name = "System";
    TFontPitch Pitch = TFontPitch::fpDefault;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;

    int Size() const;
    void SetSize(int points);
    bool operator==(const TFont&) const = default;
};

// One column's descriptor: its title, its title and cell styling, and its control type.
// A change of the title lines, of either font or of Width is passed to OnChange.
class TColumn {
public:
    std::uint8_t TitleAlignment = 0;
    std::uint8_t Alignment = 0;
    platform::TColor TitleColor = platform::clBtnFace;
    platform::TColor Color = platform::clWindow;
    std::uint8_t TextOverflow = kOverflowClip;
    std::uint8_t TitleBevelInner = 0;
    std::uint8_t TitleBevelOuter = 0;
    std::int32_t TitleBorderWidth = 0;
    std::int32_t TitleBevelWidth = 1;
    std::uint8_t TitleLayout = kLayoutCenter;
    std::uint8_t Layout = kLayoutTop;
    std::uint8_t ControlType = kControlNone;
    std::uint8_t CheckBoxStyle = kCheckBoxStandard;
    bool CheckBoxDefault = false;

    const std::vector<std::string>& Title() const { return title_; }
    void SetTitle(std::vector<std::string> lines);
    const TFont& TitleFont() const { return titleFont_; }
    void SetTitleFont(const TFont& font);
    const TFont& Font() const { return font_; }
    void SetFont(const TFont& font);
    std::int32_t Width() const { return width_; }
    void SetWidth(std::int32_t width);

    // Copies every field, the title lines and the fonts by value; not the notification.
    void Assign(const TColumn& source);

    std::function<void()> OnChange;

private:
    void Changed() const;

    std::vector<std::string> title_;
    TFont titleFont_;
    TFont font_;
    std::int32_t width_ = 64;
};

// The column descriptors of one grid, descriptor i for grid column i, and the grid-wide
// settings: row colours and the data file. Each change raises OnChange once.
class TColumns {
public:
    static constexpr const char* kDefaultPropertyVersion = "1.3";

    TColumns() = default;
    TColumns(const TColumns&) = delete;
    TColumns& operator=(const TColumns&) = delete;

    int Add(const TColumn& column);
    void Clear();
    void Delete(int index);
    void Exchange(int index1, int index2);
    void Insert(int index, const TColumn& column);
    void Move(int fromIndex, int toIndex);
    int Count() const { return static_cast<int>(columns_.size()); }
    TColumn& Items(int index) { return *columns_.at(static_cast<std::size_t>(index)); }
    const TColumn& Items(int index) const { return *columns_.at(static_cast<std::size_t>(index)); }

    bool UseOddRowColor() const { return useOddRowColor_; }
    void SetUseOddRowColor(bool value) { Store(useOddRowColor_, value); }
    platform::TColor OddRowColor() const { return oddRowColor_; }
    void SetOddRowColor(platform::TColor value) { Store(oddRowColor_, value); }
    bool UseEvenRowColor() const { return useEvenRowColor_; }
    void SetUseEvenRowColor(bool value) { Store(useEvenRowColor_, value); }
    platform::TColor EvenRowColor() const { return evenRowColor_; }
    void SetEvenRowColor(platform::TColor value) { Store(evenRowColor_, value); }
    bool LoadData() const { return loadData_; }
    void SetLoadData(bool value) { Store(loadData_, value); }
    const std::string& DataFileName() const { return dataFileName_; }
    void SetDataFileName(const std::string& value) { Store(dataFileName_, value); }
    bool StripLeading() const { return stripLeading_; }
    void SetStripLeading(bool value) { Store(stripLeading_, value); }
    bool StripTrailing() const { return stripTrailing_; }
    void SetStripTrailing(bool value) { Store(stripTrailing_, value); }
    bool AddRows() const { return addRows_; }
    void SetAddRows(bool value) { Store(addRows_, value); }

    // The version of the stream the columns were last read from.
    std::string PropertyVersion = kDefaultPropertyVersion;

    void Assign(const TColumns& source);

    std::function<void()> OnChange;

private:
    template <typename T>
    void Store(T& field, const T& value) {
        if (field == value) return;
        field = value;
        Changed();
    }
    void Changed() const;
    std::unique_ptr<TColumn> Adopt(const TColumn& column);
    void CheckIndex(int index) const;

    std::vector<std::unique_ptr<TColumn>> columns_;
    bool useOddRowColor_ = false;
    platform::TColor oddRowColor_ = platform::clWindow;
    bool useEvenRowColor_ = false;
    platform::TColor evenRowColor_ = platform::clWindow;
    bool loadData_ = false;
    std::string dataFileName_;
    bool stripLeading_ = true;
    bool stripTrailing_ = true;
    bool addRows_ = true;
};

}  // namespace controls
