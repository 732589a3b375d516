// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/ColumnStream.h"

#include <algorithm>
#include <limits>

#include "controls/ColorText.h"
#include "platform/Error.h"
#include "platform/Translate.h"

namespace controls {

namespace {

constexpr std::size_t kMaxShortText = 255;
constexpr std::string_view kPrefix = "Columns.";

constexpr std::string_view kPitchNames[] = {"fpDefault", "fpVariable", "fpFixed"};

void WriteFont(TStreamWriter& writer, const TFont& font) {
    writer.WriteString(ColorToString(font.Color));
    writer.WriteInteger(font.Height);
    writer.WriteString(font.Name);
    writer.WriteString(kPitchNames[static_cast<int>(font.Pitch)]);
    writer.WriteInteger(font.Size());
    writer.WriteBoolean(font.Bold);
    writer.WriteBoolean(font.Italic);
    writer.WriteBoolean(font.Underline);
    writer.WriteBoolean(font.StrikeOut);
}

// The order matters: the size, set after the height, wins over it.
TFont ReadFont(TStreamReader& reader) {
    TFont font;
    font.Color = StringToColor(reader.ReadString());
    font.Height = reader.ReadInteger();
    font.Name = reader.ReadString();
    const std::string pitch = reader.ReadString();
    font.Pitch = pitch == "fpFixed"      ? TFontPitch::fpFixed
                 : pitch == "fpVariable" ? TFontPitch::fpVariable
                                         : TFontPitch::fpDefault;
    font.SetSize(reader.ReadInteger());
    font.Bold = reader.ReadBoolean();
    font.Italic = reader.ReadBoolean();
    font.Underline = reader.ReadBoolean();
    font.StrikeOut = reader.ReadBoolean();
    return font;
}

std::uint8_t Byte(std::int32_t value) { return static_cast<std::uint8_t>(value); }

// A negative width draws nothing; a vast one, as a damaged stream may hold, draws as a cell's
// width would.
std::int32_t FrameWidth(std::int32_t value) { return std::clamp(value, 0, kMaxTitleFrameWidth); }

void WriteColumn(TStreamWriter& writer, const TColumn& column) {
    writer.WriteListBegin();
    for (const std::string& line : column.Title()) writer.WriteString(line);
    writer.WriteListEnd();
    writer.WriteInteger(column.TitleAlignment);
    writer.WriteInteger(column.Alignment);
    writer.WriteString(ColorToString(column.TitleColor));
    writer.WriteString(ColorToString(column.Color));
    WriteFont(writer, column.TitleFont());
    WriteFont(writer, column.Font());
    writer.WriteInteger(column.TextOverflow);
    writer.WriteInteger(column.TitleBevelInner);
    writer.WriteInteger(column.TitleBevelOuter);
    writer.WriteInteger(column.TitleBorderWidth);
    writer.WriteInteger(column.TitleBevelWidth);
    writer.WriteInteger(column.TitleLayout);
    writer.WriteInteger(column.Layout);
    writer.WriteInteger(column.ControlType);
    if (column.ControlType == kControlCheckBox) {
        writer.WriteInteger(column.CheckBoxStyle);
        writer.WriteBoolean(column.CheckBoxDefault);
    }
}

TColumn ReadColumn(TStreamReader& reader, bool controlFields) {
    TColumn column;
    std::vector<std::string> title;
    reader.ReadListBegin();
    while (!reader.EndOfList()) title.push_back(reader.ReadString());
    reader.ReadListEnd();
    column.SetTitle(std::move(title));
    column.TitleAlignment = Byte(reader.ReadInteger());
    column.Alignment = Byte(reader.ReadInteger());
    column.TitleColor = StringToColor(reader.ReadString());
    column.Color = StringToColor(reader.ReadString());
    column.SetTitleFont(ReadFont(reader));
    column.SetFont(ReadFont(reader));
    column.TextOverflow = Byte(reader.ReadInteger());
    if (!controlFields) return column;
    column.TitleBevelInner = Byte(reader.ReadInteger());
    column.TitleBevelOuter = Byte(reader.ReadInteger());
    column.TitleBorderWidth = FrameWidth(reader.ReadInteger());
    column.TitleBevelWidth = FrameWidth(reader.ReadInteger());
    column.TitleLayout = Byte(reader.ReadInteger());
    column.Layout = Byte(reader.ReadInteger());
    column.ControlType = Byte(reader.ReadInteger());
    if (column.ControlType == kControlCheckBox) {
        column.CheckBoxStyle = Byte(reader.ReadInteger());
        column.CheckBoxDefault = reader.ReadBoolean();
    }
    return column;
}

// Applies one "Columns." property; returns false for a name the columns do not define.
bool ReadColumnsProperty(TStreamReader& reader, std::string_view name, TColumns& columns,
                         std::string& version) {
    if (name == "PropertyVersion") {
        version = reader.ReadString();
        columns.PropertyVersion = version;
    } else if (name == "Columns") {
        columns.Clear();
        const bool controlFields = VersionHasControlFields(version);
        reader.ReadListBegin();
        while (!reader.EndOfList()) columns.Add(ReadColumn(reader, controlFields));
        reader.ReadListEnd();
    } else if (name == "UseOddRowColor") {
        columns.SetUseOddRowColor(reader.ReadBoolean());
    } else if (name == "OddRowColor") {
        columns.SetOddRowColor(StringToColor(reader.ReadString()));
    } else if (name == "UseEvenRowColor") {
        columns.SetUseEvenRowColor(reader.ReadBoolean());
    } else if (name == "EvenRowColor") {
        columns.SetEvenRowColor(StringToColor(reader.ReadString()));
    } else if (name == "LoadData") {
        columns.SetLoadData(reader.ReadBoolean());
    } else if (name == "DataFileName") {
        columns.SetDataFileName(reader.ReadString());
    } else if (name == "StripLeading") {
        columns.SetStripLeading(reader.ReadBoolean());
    } else if (name == "StripTrailing") {
        columns.SetStripTrailing(reader.ReadBoolean());
    } else if (name == "AddRows") {
        columns.SetAddRows(reader.ReadBoolean());
    } else {
        return false;
    }
    return true;
}

}  // namespace

void TStreamWriter::WriteLittleEndian(std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) bytes_.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

void TStreamWriter::WritePropName(std::string_view name) {
    const std::size_t length = std::min(name.size(), kMaxShortText);
    bytes_.push_back(static_cast<std::uint8_t>(length));
    bytes_.insert(bytes_.end(), name.begin(), name.begin() + static_cast<std::ptrdiff_t>(length));
}

void TStreamWriter::WriteListBegin() { WriteType(TValueType::vaList); }
void TStreamWriter::WriteListEnd() { WriteType(TValueType::vaNull); }

void TStreamWriter::WriteInteger(std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    if (value >= std::numeric_limits<std::int8_t>::min() &&
        value <= std::numeric_limits<std::int8_t>::max()) {
        WriteType(TValueType::vaInt8);
        WriteLittleEndian(bits, 1);
    } else if (value >= std::numeric_limits<std::int16_t>::min() &&
               value <= std::numeric_limits<std::int16_t>::max()) {
        WriteType(TValueType::vaInt16);
        WriteLittleEndian(bits, 2);
    } else {
        WriteType(TValueType::vaInt32);
        WriteLittleEndian(bits, 4);
    }
}

void TStreamWriter::WriteString(std::string_view text) {
    if (text.size() <= kMaxShortText) {
        WriteType(TValueType::vaString);
        WriteLittleEndian(static_cast<std::uint32_t>(text.size()), 1);
    } else {
        WriteType(TValueType::vaLString);
        WriteLittleEndian(static_cast<std::uint32_t>(text.size()), 4);
    }
    bytes_.insert(bytes_.end(), text.begin(), text.end());
}

void TStreamWriter::WriteBoolean(bool value) { WriteType(value ? TValueType::vaTrue : TValueType::vaFalse); }

void TStreamReader::Fail() const {
    throw platform::Error(platform::Translate("Errors", "Invalid column stream"));
}

std::uint8_t TStreamReader::TakeByte() {
    if (pos_ >= bytes_.size()) Fail();
    return bytes_[pos_++];
}

std::uint32_t TStreamReader::TakeLittleEndian(int bytes) {
    std::uint32_t value = 0;
    for (int i = 0; i < bytes; ++i) value |= static_cast<std::uint32_t>(TakeByte()) << (8 * i);
    return value;
}

std::string TStreamReader::ReadPropName() {
    const std::size_t length = TakeByte();
    if (length > bytes_.size() - pos_) Fail();
    std::string name(reinterpret_cast<const char*>(bytes_.data() + pos_), length);
    pos_ += length;
    return name;
}

TValueType TStreamReader::NextValue() const {
    if (pos_ >= bytes_.size()) Fail();
    return static_cast<TValueType>(bytes_[pos_]);
}

void TStreamReader::ReadListBegin() {
    if (TakeByte() != static_cast<std::uint8_t>(TValueType::vaList)) Fail();
}

void TStreamReader::ReadListEnd() {
    if (TakeByte() != static_cast<std::uint8_t>(TValueType::vaNull)) Fail();
}

std::int32_t TStreamReader::ReadInteger() {
    switch (static_cast<TValueType>(TakeByte())) {
        case TValueType::vaInt8: return static_cast<std::int8_t>(TakeLittleEndian(1));
        case TValueType::vaInt16: return static_cast<std::int16_t>(TakeLittleEndian(2));
        case TValueType::vaInt32: return static_cast<std::int32_t>(TakeLittleEndian(4));
        default: Fail();
    }
}

std::string TStreamReader::ReadString() {
    std::size_t length = 0;
    switch (static_cast<TValueType>(TakeByte())) {
        case TValueType::vaString: length = TakeLittleEndian(1); break;
        case TValueType::vaLString: length = TakeLittleEndian(4); break;
        default: Fail();
    }
    if (length > bytes_.size() - pos_) Fail();
    std::string text(reinterpret_cast<const char*>(bytes_.data() + pos_), length);
    pos_ += length;
    return text;
}

bool TStreamReader::ReadBoolean() {
    switch (static_cast<TValueType>(TakeByte())) {
        case TValueType::vaFalse: return false;
        case TValueType::vaTrue: return true;
        default: Fail();
    }
}

// Iterative, so that a stream of deeply nested lists cannot exhaust the stack.
void TStreamReader::SkipValue() {
    std::size_t depth = 0;
    do {
        switch (NextValue()) {
            case TValueType::vaList:
                ReadListBegin();
                ++depth;
                break;
            case TValueType::vaNull:
                if (depth == 0) Fail();
                ReadListEnd();
                --depth;
                break;
            case TValueType::vaInt8:
            case TValueType::vaInt16:
            case TValueType::vaInt32: ReadInteger(); break;
            case TValueType::vaString:
            case TValueType::vaLString: ReadString(); break;
            case TValueType::vaFalse:
            case TValueType::vaTrue: ReadBoolean(); break;
            default: Fail();
        }
    } while (depth > 0);
}

bool VersionHasControlFields(std::string_view version) { return version > std::string_view("1.3"); }

std::vector<std::uint8_t> WriteSuperGridStream(const TColumns& columns) {
    TStreamWriter writer;
    const auto property = [&writer](std::string_view name) {
        writer.WritePropName(std::string(kPrefix) + std::string(name));
    };
    writer.WritePropName("Version");
    writer.WriteString(kSuperGridVersion);
    writer.WritePropName("Author");
    writer.WriteString(kSuperGridAuthor);
    property("PropertyVersion");
    writer.WriteString(kSuperGridVersion);
    property("Columns");
    writer.WriteListBegin();
    for (int i = 0; i < columns.Count(); ++i) WriteColumn(writer, columns.Items(i));
    writer.WriteListEnd();
    property("UseOddRowColor");
    writer.WriteBoolean(columns.UseOddRowColor());
    property("OddRowColor");
    writer.WriteString(ColorToString(columns.OddRowColor()));
    property("UseEvenRowColor");
    writer.WriteBoolean(columns.UseEvenRowColor());
    property("EvenRowColor");
    writer.WriteString(ColorToString(columns.EvenRowColor()));
    property("LoadData");
    writer.WriteBoolean(columns.LoadData());
    property("DataFileName");
    writer.WriteString(columns.DataFileName());
    property("StripLeading");
    writer.WriteBoolean(columns.StripLeading());
    property("StripTrailing");
    writer.WriteBoolean(columns.StripTrailing());
    property("AddRows");
    writer.WriteBoolean(columns.AddRows());
    writer.WriteEnd();
    return writer.Bytes();
}

std::size_t ReadSuperGridStream(std::span<const std::uint8_t> bytes, TColumns& columns) {
    TStreamReader reader(bytes);
    std::string version = TColumns::kDefaultPropertyVersion;
    for (std::string name = reader.ReadPropName(); !name.empty(); name = reader.ReadPropName()) {
        const bool applied =
            name.starts_with(kPrefix) &&
            ReadColumnsProperty(reader, std::string_view(name).substr(kPrefix.size()), columns, version);
        if (!applied) reader.SkipValue();
    }
    return reader.Position();
}

}  // namespace controls
