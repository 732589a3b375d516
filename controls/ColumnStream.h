// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "controls/SuperCol.h"

namespace controls {

// The column grid's part of a window description: its named, typed values, written and read
// without any widget.
//
// Byte form. A stream is a sequence of properties ended by a zero byte. A property is its
// name (one length byte 1..255, then that many ASCII characters) followed by one value. A
// value is a type byte and its payload; integers are little-endian and signed:
//
//   0x00  end of list        no payload; closes the innermost open list
//   0x01  list               values follow, up to the matching end of list
//   0x02  integer, 8 bits    1 byte
//   0x03  integer, 16 bits   2 bytes
//   0x04  integer, 32 bits   4 bytes
//   0x06  text               1 length byte, then that many bytes of UTF-8
//   0x08  false              no payload
//   0x09  true               no payload
//   0x0C  long text          4 length bytes, then that many bytes of UTF-8
//
// An integer is written in the smallest form that holds it; a text of up to 255 bytes as a
// text, a longer one as a long text. Reading accepts either form of each.
enum class TValueType : std::uint8_t {
    vaNull = 0x00,
    vaList = 0x01,
    vaInt8 = 0x02,
    vaInt16 = 0x03,
    vaInt32 = 0x04,
    vaString = 0x06,
    vaFalse = 0x08,
    vaTrue = 0x09,
    vaLString = 0x0C,
};

// The version the grid reports and always writes, and the text of its Author property.
inline constexpr std::string_view kSuperGridVersion = "1.4";
inline constexpr std::string_view kSuperGridAuthor = "Velloran column grid";

class TStreamWriter {
public:
    void WritePropName(std::string_view name);
    void WriteListBegin();
    void WriteListEnd();
    void WriteInteger(std::int32_t value);
    void WriteString(std::string_view text);
    void WriteBoolean(bool value);
    // Closes the property sequence.
    void WriteEnd() { bytes_.push_back(0); }
    const std::vector<std::uint8_t>& Bytes() const { return bytes_; }

private:
    void WriteType(TValueType type) { bytes_.push_back(static_cast<std::uint8_t>(type)); }
    void WriteLittleEndian(std::uint32_t value, int bytes);

    std::vector<std::uint8_t> bytes_;
};

// Reads values back. Every read checks the type it finds and the bytes left; a stream that is
// cut short or holds another type than expected throws platform::Error.
class TStreamReader {
public:
    explicit TStreamReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    // The next property's name, or an empty text at the end of the properties.
    std::string ReadPropName();
    TValueType NextValue() const;
    void ReadListBegin();
    bool EndOfList() const { return NextValue() == TValueType::vaNull; }
    void ReadListEnd();
    std::int32_t ReadInteger();
    std::string ReadString();
    bool ReadBoolean();
    // Skips one value, lists included.
    void SkipValue();
    // How many bytes have been read.
    std::size_t Position() const { return pos_; }

private:
    std::uint8_t TakeByte();
    std::uint32_t TakeLittleEndian(int bytes);
    [[noreturn]] void Fail() const;

    std::span<const std::uint8_t> bytes_;
    std::size_t pos_ = 0;
};

// Writes the grid's properties as a window description holds them: "Version", "Author", then
// the eleven "Columns." properties in their fixed order, always as version 1.4 records.
std::vector<std::uint8_t> WriteSuperGridStream(const TColumns& columns);

// Reads such a description into columns, applying the "Columns." values in the order they
// are stored; "Version", "Author" and any other property are read past. Records carry the
// fields after TextOverflow only when the stream's "PropertyVersion" (or "1.3" when it holds
// none) is greater than "1.3" as plain text. Returns the length of the description, which
// ends with its zero byte; what follows it is not read.
std::size_t ReadSuperGridStream(std::span<const std::uint8_t> bytes, TColumns& columns);

// Whether a record of this stream version carries the bevel, layout and control fields.
bool VersionHasControlFields(std::string_view version);

}  // namespace controls
