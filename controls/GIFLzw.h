// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>

// The LZW layer of the GIF decoder: the cursor over the file's bytes, the code reader over an
// image's data sub-blocks, and the two decoders of the code stream. Nothing here allocates;
// every table has a fixed size and lives for one image.
namespace gif {

// A read position in the file's bytes. Every read is checked against the end of the data, so
// a file whose lengths lie can cut a step short but never make it read outside the block.
class Cursor {
public:
    explicit Cursor(std::span<const std::uint8_t> data) : data_(data) {}

    std::size_t Position() const { return pos_; }
    void Seek(std::size_t pos) { pos_ = pos < data_.size() ? pos : data_.size(); }
    std::size_t Remaining() const { return data_.size() - pos_; }
    bool AtEnd() const { return pos_ == data_.size(); }
    std::span<const std::uint8_t> Data() const { return data_; }

    // The byte `offset` places ahead, or -1 past the end of the data.
    int Peek(std::size_t offset = 0) const { return offset < Remaining() ? data_[pos_ + offset] : -1; }

    // The next `count` bytes, moving past them. Empty, with the cursor left where it was,
    // when fewer remain: the caller then stops, as the file was cut short.
    std::span<const std::uint8_t> Take(std::size_t count) {
        if (count > Remaining()) return {};
        auto taken = data_.subspan(pos_, count);
        pos_ += count;
        return taken;
    }

    // Skips one sub-block (its length byte and that many bytes) whatever its length; false
    // when the data ends inside it, which leaves the cursor at the end.
    bool SkipSubBlock();

    // Skips sub-blocks while their length byte is not zero, then the zero terminator.
    bool SkipSubBlocks();

private:
    std::span<const std::uint8_t> data_;
    std::size_t pos_ = 0;
};

// What the code reader and the decoders give instead of a code or a pixel.
inline constexpr int kEndOfData = -1;    // the codes ran out before an end code
inline constexpr int kEndCode = -2;      // the end code came
inline constexpr int kBrokenTable = -3;  // a string longer than the output stack: the table is malformed

inline constexpr int kMaxCodeWidth = 12;
inline constexpr int kTableSize = 1 << kMaxCodeWidth;
inline constexpr int kStackSize = 4096;

// The minimum code sizes this decoder accepts. Encoders write 2..8; up to 11 the first code
// width still fits the 12-bit limit, so those streams are decoded too.
inline constexpr int kMinCodeSizeLow = 2;
inline constexpr int kMinCodeSizeHigh = 11;

// Reads LZW codes, least significant bit first, from the data sub-blocks that start at the
// cursor. The sub-blocks are read one at a time as the codes need them, so that when the
// decoding ends the reader stands exactly where the program's block walk expects it.
//
// The codes come from the sub-blocks' bytes joined into one bit stream. A code that does not
// lie wholly inside that stream is not read: the reader reports kEndOfData, then and on every
// later call. (A reader that refills from a fixed window after each sub-block would take the
// missing bits from whatever the window held before; this one never does.)
class CodeReader {
public:
    // Starts at the cursor, which stands on the first sub-block's length byte.
    explicit CodeReader(const Cursor& cursor);

    // Where the block walk goes on: after the last sub-block (or terminator) read.
    std::size_t Position() const { return blockEnd_; }

    int Read(int width) {
        ++steps_;
        if (count_ < width) {
            Refill();
            if (count_ < width) return kEndOfData;
        }
        const int code = static_cast<int>(bits_ & ((std::uint64_t{1} << width) - 1));
        bits_ >>= width;
        count_ -= width;
        return code;
    }

    // The rest of the current sub-block, for a decoder that keeps its read position and bit
    // buffer in its own registers: it loads 8 bytes at a time from `BlockAt()` while 8 remain
    // before `BlockEnd()`, and calls TakeBytesFrom to go past the end. It uses this or Read,
    // never both.
    const std::uint8_t* BlockAt() const { return data_ + pos_; }
    const std::uint8_t* BlockEnd() const { return data_ + blockEnd_; }

    // Up to `bytes` (0 to 7) more bytes of the code stream from `at`, a place in the current
    // sub-block at or after BlockAt(), going on into the next sub-blocks; the first byte in
    // the lowest bits, and how many bits they make: fewer where the data ends.
    struct Bits {
        std::uint64_t word;
        int count;
    };
    Bits TakeBytesFrom(const std::uint8_t* at, int bytes) {
        pos_ = static_cast<std::size_t>(at - data_);
        return TakeBytesAcrossBlocks(bytes);
    }

    // Reads and discards the rest of the image's sub-blocks through the zero terminator,
    // unless the terminator has been read already.
    void SkipToTerminator();

    // The decoding work done through this reader, counted in steps so that a test can bound
    // it without a clock: one per code read and per sub-block entered, plus what a decoder
    // adds for each byte it outputs and each table entry it clears.
    std::uint64_t Steps() const { return steps_; }
    void Count(std::uint64_t steps) { steps_ += steps; }

private:
    bool NextSubBlock();
    void Refill();
    Bits TakeBytesAcrossBlocks(int bytes);

    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_;       // next byte of the current sub-block to take into bits_
    std::size_t blockEnd_;  // end of the current sub-block: the next length byte
    std::uint64_t bits_ = 0;
    int count_ = 0;  // valid bits in bits_; the bits above them are zero
    bool terminatorRead_ = false;
    std::uint64_t steps_ = 0;
};

// The straightforward decoder: the prefix and suffix tables and an output stack, one pixel
// per call. It defines what every image decodes to, including malformed code streams, and
// the faster string decoder below falls back to it whenever a stream leaves the well-formed
// path.
class StackDecoder {
public:
    StackDecoder(CodeReader& reader, int minCodeSize);

    // The first pixel value: leading clear codes are skipped and the code after them is taken
    // as it is, even when it is not a literal. Negative when the data or the image ends first.
    int FirstPixel();
    // The next pixel value, or kEndOfData, kEndCode or kBrokenTable.
    int NextPixel();

private:
    int AfterClear();
    void ResetTable();
    bool Push(int value) {
        reader_.Count(1);
        if (stackSize_ == kStackSize) return false;
        stack_[stackSize_++] = static_cast<std::uint8_t>(value);
        return true;
    }

    CodeReader& reader_;
    int MinCodeSize;
    int ClearCode;
    int EndCode;
    int NextCode = 0;
    int MaxCode = 0;
    int CodeSize = 0;
    int FirstCode = 0;
    int OldCode = 0;
    // Only the low byte of a suffix is ever output; the full value is kept because the
    // first pixel after a clear code is the code itself, which may exceed a byte.
    std::array<std::uint16_t, kTableSize> prefix_;
    std::array<std::uint16_t, kTableSize> suffix_;
    std::array<std::uint8_t, kStackSize> stack_;
    int stackSize_ = 0;
};

// The result of DecodeStrings. When `done`, the first `pixels` bytes of `out` hold what the
// stream gave (the rest is left undefined), and the reader stands after the data's
// terminator. Otherwise the stream left the well-formed path: decode the image again with
// StackDecoder.
struct StringDecode {
    bool done;
    std::size_t pixels;
};

// The fast decoder. Each table entry records where in `out` a copy of its string was already
// written (a literal's in a constant table) and its length, so a code's string is copied in
// 16-byte chunks instead of walked back byte by byte.
// `out` receives the pixel values in stream order, one byte each; it need not be filled
// beforehand, as only the pixels the stream reaches count. It gives exactly what StackDecoder gives for
// every stream it finishes; a stream it cannot follow that way (a non-literal code right
// after a clear code, a code beyond the next free entry, a literal wider than a byte where
// StackDecoder would return the code itself) makes it stop at once, with `out` partly
// written and `done` false; so do buffers at addresses above 48 bits, which its table
// cannot hold.
StringDecode DecodeStrings(CodeReader& reader, int minCodeSize, std::span<std::uint8_t> out);

}  // namespace gif
