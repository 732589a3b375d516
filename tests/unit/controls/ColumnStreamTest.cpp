// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <limits>

#include "controls/ColorText.h"
#include "controls/ColumnStream.h"
#include "platform/Error.h"

namespace {

using controls::TColumn;
using controls::TColumns;
using controls::TStreamReader;
using controls::TStreamWriter;
using Bytes = std::vector<std::uint8_t>;

TColumn CheckBoxColumn() {
    TColumn column;
    column.SetTitle({"Done", "?"});
    column.TitleAlignment = 2;
    column.Alignment = 1;
    column.TitleColor = 0x123456;
    column.Color = platform::clInfoBk;
    controls::TFont font;
    font.Color = platform::clNavy;
    font.Name = "Liberation Sans";
    font.Pitch = controls::TFontPitch::fpFixed;
    font.SetSize(12);
    font.Italic = true;
    font.StrikeOut = true;
    column.SetFont(font);
    column.TextOverflow = controls::kOverflowWordWrap;
    column.TitleBevelInner = 1;
    column.TitleBevelOuter = 2;
    column.TitleBorderWidth = 300;
    column.TitleBevelWidth = 70000;
    column.TitleLayout = 2;
    column.Layout = 1;
    column.ControlType = controls::kControlCheckBox;
    column.CheckBoxStyle = controls::kCheckBoxPlain;
    column.CheckBoxDefault = true;
    return column;
}

void ExpectSameColumn(const TColumn& a, const TColumn& b) {
    EXPECT_EQ(a.Title(), b.Title());
    EXPECT_EQ(a.TitleAlignment, b.TitleAlignment);
    EXPECT_EQ(a.Alignment, b.Alignment);
    EXPECT_EQ(a.TitleColor, b.TitleColor);
    EXPECT_EQ(a.Color, b.Color);
    EXPECT_EQ(a.TitleFont(), b.TitleFont());
    EXPECT_EQ(a.Font(), b.Font());
    EXPECT_EQ(a.TextOverflow, b.TextOverflow);
    EXPECT_EQ(a.TitleBevelInner, b.TitleBevelInner);
    EXPECT_EQ(a.TitleBevelOuter, b.TitleBevelOuter);
    EXPECT_EQ(a.TitleBorderWidth, b.TitleBorderWidth);
    EXPECT_EQ(a.TitleBevelWidth, b.TitleBevelWidth);
    EXPECT_EQ(a.TitleLayout, b.TitleLayout);
    EXPECT_EQ(a.Layout, b.Layout);
    EXPECT_EQ(a.ControlType, b.ControlType);
    EXPECT_EQ(a.CheckBoxStyle, b.CheckBoxStyle);
    EXPECT_EQ(a.CheckBoxDefault, b.CheckBoxDefault);
}

TEST(ColumnStreamTest, RoundTripKeepsEveryColumnFieldAndSetting) {
    TColumns source;
    source.Add(CheckBoxColumn());
    source.Add(TColumn());
    source.SetUseOddRowColor(true);
    source.SetOddRowColor(0x00ABCDEF);
    source.SetEvenRowColor(platform::clBtnFace);
    source.SetLoadData(true);
    source.SetDataFileName("/data/table.csv");
    source.SetStripTrailing(false);
    source.SetAddRows(false);

    const Bytes bytes = controls::WriteSuperGridStream(source);
    TColumns read;
    controls::ReadSuperGridStream(bytes, read);

    ASSERT_EQ(read.Count(), 2);
    ExpectSameColumn(read.Items(0), source.Items(0));
    ExpectSameColumn(read.Items(1), source.Items(1));
    EXPECT_TRUE(read.UseOddRowColor());
    EXPECT_EQ(read.OddRowColor(), 0x00ABCDEFu);
    EXPECT_FALSE(read.UseEvenRowColor());
    EXPECT_EQ(read.EvenRowColor(), platform::clBtnFace);
    EXPECT_TRUE(read.LoadData());
    EXPECT_EQ(read.DataFileName(), "/data/table.csv");
    EXPECT_TRUE(read.StripLeading());
    EXPECT_FALSE(read.StripTrailing());
    EXPECT_FALSE(read.AddRows());
    EXPECT_EQ(read.PropertyVersion, "1.4");
    EXPECT_EQ(controls::WriteSuperGridStream(read), bytes);
}

// A stream with one plain column record whose version-1.4 fields are all non-default, under
// the given "PropertyVersion" (none when empty).
Bytes StreamWithVersion(const std::string& version) {
    TStreamWriter writer;
    if (!version.empty()) {
        writer.WritePropName("Columns.PropertyVersion");
        writer.WriteString(version);
    }
    writer.WritePropName("Columns.Columns");
    writer.WriteListBegin();
    writer.WriteListBegin();
    writer.WriteString("T");
    writer.WriteListEnd();
    writer.WriteInteger(1);  // TitleAlignment
    writer.WriteInteger(1);  // Alignment
    writer.WriteString("clRed");
    writer.WriteString("clLime");
    for (int font = 0; font < 2; ++font) {
        writer.WriteString("clBlue");
        writer.WriteInteger(-20);  // a height that disagrees with the size after it
        writer.WriteString("Face");
        writer.WriteString("fpVariable");
        writer.WriteInteger(12);
        for (int style = 0; style < 4; ++style) writer.WriteBoolean(false);
    }
    writer.WriteInteger(1);  // TextOverflow
    if (controls::VersionHasControlFields(version)) {
        for (const int value : {2, 2, 4, 3, 2, 2, 0}) writer.WriteInteger(value);
    }
    writer.WriteListEnd();
    writer.WritePropName("Columns.AddRows");
    writer.WriteBoolean(false);
    writer.WriteEnd();
    return writer.Bytes();
}

TEST(ColumnStreamTest, OnlyVersionsAbove13AsTextCarryTheLaterFields) {
    struct Case {
        std::string version;
        bool later;
    } cases[] = {{"", false}, {"1.3", false}, {"1.2", false}, {"1.10", false}, {"1.4", true}, {"2.0", true}};
    for (const Case& c : cases) {
        TColumns read;
        controls::ReadSuperGridStream(StreamWithVersion(c.version), read);
        ASSERT_EQ(read.Count(), 1) << c.version;
        const TColumn& column = read.Items(0);
        EXPECT_EQ(column.TextOverflow, 1) << c.version;
        EXPECT_EQ(column.TitleBevelInner, c.later ? 2 : 0) << c.version;
        EXPECT_EQ(column.TitleBevelWidth, c.later ? 3 : 1) << c.version;
        EXPECT_EQ(column.TitleLayout, c.later ? 2 : 1) << c.version;
        // The property after the list is read in step in every case.
        EXPECT_FALSE(read.AddRows()) << c.version;
        EXPECT_EQ(read.PropertyVersion, c.version.empty() ? "1.3" : c.version);
    }
}

TEST(ColumnStreamTest, FontSizeReadAfterHeightWins) {
    TColumns read;
    controls::ReadSuperGridStream(StreamWithVersion("1.4"), read);
    const controls::TFont& font = read.Items(0).Font();
    EXPECT_EQ(font.Height, -16) << "the stream's -20 is overridden by its size, 12 points";
    EXPECT_EQ(font.Size(), 12);
    EXPECT_EQ(font.Pitch, controls::TFontPitch::fpVariable);
    EXPECT_EQ(font.Color, platform::clBlue);
}

// A damaged description can hold any number: the title's widths are bounded, and a font size
// whose height leaves int (1610612736 points is 2^31 pixels) is clamped rather than wrapped.
TEST(ColumnStreamTest, NumbersOutOfRangeAreBoundedOnReading) {
    constexpr int kMax = std::numeric_limits<int>::max();
    TColumn column;
    column.TitleBorderWidth = -5;
    column.TitleBevelWidth = kMax;
    controls::TFont font;
    font.Height = -kMax - 1;  // written with a size of 1610612736 points
    column.SetTitleFont(font);
    TColumns source;
    source.Add(column);
    TColumns read;
    controls::ReadSuperGridStream(controls::WriteSuperGridStream(source), read);
    EXPECT_EQ(read.Items(0).TitleBorderWidth, 0);
    EXPECT_EQ(read.Items(0).TitleBevelWidth, controls::kMaxTitleFrameWidth);
    EXPECT_EQ(read.Items(0).TitleFont().Height, -kMax);
}

TEST(ColumnStreamTest, IntegersTakeTheirSmallestForm) {
    struct Case {
        std::int32_t value;
        Bytes bytes;
    } cases[] = {
        {0, {0x02, 0x00}},
        {-128, {0x02, 0x80}},
        {127, {0x02, 0x7F}},
        {128, {0x03, 0x80, 0x00}},
        {-32768, {0x03, 0x00, 0x80}},
        {32768, {0x04, 0x00, 0x80, 0x00, 0x00}},
        {-2147483647 - 1, {0x04, 0x00, 0x00, 0x00, 0x80}},
    };
    for (const Case& c : cases) {
        TStreamWriter writer;
        writer.WriteInteger(c.value);
        EXPECT_EQ(writer.Bytes(), c.bytes) << c.value;
        TStreamReader reader(writer.Bytes());
        EXPECT_EQ(reader.ReadInteger(), c.value);
    }
    TStreamWriter writer;
    writer.WriteString("last");
    EXPECT_EQ(TStreamReader(writer.Bytes()).ReadString(), "last") << "a string that ends the bytes";
}

TEST(ColorTextTest, NamesOrEightHexDigits) {
    EXPECT_EQ(controls::ColorToString(platform::clNavy), "clNavy");
    EXPECT_EQ(controls::ColorToString(platform::clInfoBk), "clInfoBk");
    EXPECT_EQ(controls::ColorToString(0x1FFFFFFF), "clNone");
    EXPECT_EQ(controls::ColorToString(0x00ABCDEF), "$00abcdef");
    EXPECT_EQ(controls::StringToColor("$00ABCDEF"), 0x00ABCDEFu);
    EXPECT_EQ(controls::StringToColor("255"), 255u);
    EXPECT_EQ(controls::StringToColor("cl3DDkShadow"), platform::kSystemColorFlag | 21);
    EXPECT_THROW(controls::StringToColor("clNavyBlue"), platform::Error);
    EXPECT_THROW(controls::StringToColor("$"), platform::Error);
    EXPECT_THROW(controls::StringToColor("$100000000"), platform::Error);
}

TEST(ColumnStreamTest, EveryCutOfAStreamFailsCleanly) {
    TColumns source;
    source.Add(CheckBoxColumn());
    const Bytes bytes = controls::WriteSuperGridStream(source);
    for (std::size_t length = 0; length < bytes.size(); ++length) {
        TColumns read;
        EXPECT_THROW(controls::ReadSuperGridStream(std::span(bytes.data(), length), read), platform::Error)
            << length;
    }
}

TEST(ColumnStreamTest, UnknownPropertiesAreReadPast) {
    TStreamWriter writer;
    writer.WritePropName("Version");
    writer.WriteString("9.9");
    writer.WritePropName("Options");
    writer.WriteListBegin();
    writer.WriteListBegin();
    writer.WriteInteger(5);
    writer.WriteListEnd();
    writer.WriteBoolean(true);
    writer.WriteListEnd();
    writer.WritePropName("Columns.LoadData");
    writer.WriteBoolean(true);
    writer.WriteEnd();
    TColumns read;
    controls::ReadSuperGridStream(writer.Bytes(), read);
    EXPECT_TRUE(read.LoadData());
}

// The stored columns of the special characters window were written by a separate writer;
// reading them and writing them back must reproduce the file byte for byte.
TEST(ColumnStreamTest, TheSpecialWindowsStoredColumnsWriteBackUnchanged) {
    std::ifstream file(std::string(VELLORAN_SOURCE_DIR) + "/resources/special/SuperGrid1.columns",
                       std::ios::binary);
    ASSERT_TRUE(file);
    const Bytes stored((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    TColumns read;
    controls::ReadSuperGridStream(stored, read);
    ASSERT_EQ(read.Count(), 3);
    EXPECT_EQ(read.Items(0).Title(), std::vector<std::string>{"Char"});
    EXPECT_EQ(read.Items(0).Font().Height, -16);
    EXPECT_EQ(read.Items(0).TitleFont().Bold, true);
    EXPECT_EQ(read.Items(2).Font().Color, platform::clWindowText);
    EXPECT_EQ(read.OddRowColor(), platform::clInfoBk);
    EXPECT_EQ(controls::WriteSuperGridStream(read), stored);
}

}  // namespace
