// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/GIFLzw.h"

#include <algorithm>
#include <type_traits>

namespace gif {

bool Cursor::SkipSubBlock() {
    const int length = Peek();
    if (length < 0) return false;
    if (static_cast<std::size_t>(length) + 1 > Remaining()) {
        pos_ = data_.size();
        return false;
    }
    pos_ += static_cast<std::size_t>(length) + 1;
    return true;
}

bool Cursor::SkipSubBlocks() {
    for (;;) {
        const int length = Peek();
        if (length < 0) return false;
        if (length == 0) {
            ++pos_;
            return true;
        }
        if (!SkipSubBlock()) return false;
    }
}

// ---------------------------------------------------------------------------------------
// Code reader

CodeReader::CodeReader(const Cursor& cursor)
    : data_(cursor.Data().data()),
      size_(cursor.Data().size()),
      pos_(cursor.Position()),
      blockEnd_(cursor.Position()) {}

// Moves to the next sub-block. False at the terminator, and at the end of the data, which
// counts as the terminator: a file cut inside its image data keeps what was decoded.
bool CodeReader::NextSubBlock() {
    if (terminatorRead_) return false;
    ++steps_;
    if (blockEnd_ >= size_) {
        terminatorRead_ = true;
        return false;
    }
    const std::size_t length = data_[blockEnd_];
    pos_ = blockEnd_ + 1;
    if (length == 0 || pos_ == size_) {
        blockEnd_ = pos_;
        terminatorRead_ = true;
        return false;
    }
    blockEnd_ = std::min(pos_ + length, size_);
    return true;
}

// Fills bits_ to at least 56 bits, or with all that is left of the image's data.
void CodeReader::Refill() {
    while (count_ < 56) {
        if (pos_ == blockEnd_ && !NextSubBlock()) return;
        if (blockEnd_ - pos_ >= 8) {
            // Take as many whole bytes as fit; the rest of the load is masked off so that
            // the bits above count_ stay zero.
            std::uint64_t word;
            std::memcpy(&word, data_ + pos_, sizeof word);
            const int taken = (63 - count_) >> 3;
            word &= (std::uint64_t{1} << (8 * taken)) - 1;
            bits_ |= word << count_;
            pos_ += static_cast<std::size_t>(taken);
            count_ += 8 * taken;
        } else {
            bits_ |= std::uint64_t{data_[pos_++]} << count_;
            count_ += 8;
        }
    }
}

CodeReader::Bits CodeReader::TakeBytesAcrossBlocks(int bytes) {
    Bits taken{0, 0};
    while (taken.count < 8 * bytes) {
        if (pos_ == blockEnd_ && !NextSubBlock()) break;
        taken.word |= std::uint64_t{data_[pos_++]} << taken.count;
        taken.count += 8;
    }
    return taken;
}

void CodeReader::SkipToTerminator() {
    pos_ = blockEnd_;
    while (NextSubBlock()) pos_ = blockEnd_;
    bits_ = 0;
    count_ = 0;
}

// ---------------------------------------------------------------------------------------
// Stack decoder

StackDecoder::StackDecoder(CodeReader& reader, int minCodeSize)
    : reader_(reader), MinCodeSize(minCodeSize), ClearCode(1 << minCodeSize), EndCode(ClearCode + 1) {
    reader_.Count(2 * kTableSize);
    prefix_.fill(0);
    suffix_.fill(0);
    for (int i = 0; i < ClearCode; ++i) suffix_[i] = static_cast<std::uint16_t>(i);
    NextCode = ClearCode + 2;
    ResetTable();
}

// Only the entries made since the last reset, from ClearCode + 2 up to NextCode, differ from a
// fresh table, so only they are cleared: a clear code costs what the codes before it built,
// and a stream of clear codes stays as cheap as its length.
void StackDecoder::ResetTable() {
    const int first = ClearCode + 2;
    reader_.Count(static_cast<std::uint64_t>(NextCode - first) + 1);
    std::fill(prefix_.begin() + first, prefix_.begin() + NextCode, 0);
    std::fill(suffix_.begin() + first, suffix_.begin() + NextCode, 0);
    stackSize_ = 0;
    CodeSize = MinCodeSize + 1;
    MaxCode = 2 * ClearCode;
    NextCode = ClearCode + 2;
}

int StackDecoder::FirstPixel() { return AfterClear(); }

// The code after a clear code. Clear codes in a row count as one, and an end code there ends
// the image as anywhere else; both carry no pixel. Any other code is the pixel as it stands,
// even one that is not a literal, though only a literal belongs here in a well-formed stream.
int StackDecoder::AfterClear() {
    int code;
    do code = reader_.Read(CodeSize);
    while (code == ClearCode);
    if (code == EndCode) {
        reader_.SkipToTerminator();
        return kEndCode;
    }
    FirstCode = OldCode = code;
    return code;
}

int StackDecoder::NextPixel() {
    if (stackSize_ > 0) return stack_[--stackSize_];

    int code = reader_.Read(CodeSize);
    if (code < 0) return code;
    if (code == ClearCode) {
        ResetTable();
        return AfterClear();
    }
    if (code == EndCode) {
        reader_.SkipToTerminator();
        return kEndCode;
    }

    const int incoming = code;
    if (code >= NextCode) {
        // Not yet in the table: the previous string followed by its own first byte.
        Push(FirstCode);
        code = OldCode;
    }
    // Every step pushes a byte, so the bound on the stack also bounds a chain that a
    // malformed table has closed into a loop.
    while (code >= ClearCode) {
        if (!Push(suffix_[code])) return kBrokenTable;
        code = prefix_[code];
    }
    FirstCode = suffix_[code];
    if (!Push(FirstCode)) return kBrokenTable;

    if (NextCode < kTableSize) {
        suffix_[NextCode] = static_cast<std::uint16_t>(FirstCode);
        prefix_[NextCode] = static_cast<std::uint16_t>(OldCode);
        ++NextCode;
        if (NextCode >= MaxCode && MaxCode < kTableSize) {
            MaxCode *= 2;
            ++CodeSize;
        }
    }
    OldCode = incoming;
    return stack_[--stackSize_];
}

// ---------------------------------------------------------------------------------------
// String decoder

namespace {

// A string is copied in 16-byte chunks, and may write up to this many bytes past its end.
constexpr std::size_t kChunk = 16;
constexpr std::size_t kSlack = kChunk;

// A table entry packs a string's address and its length in 64 bits: a string is never
// longer than the table, and user-space addresses take 48 bits on the machines this runs on.
// Where the buffers lie higher, the image is decoded by StackDecoder instead.
constexpr int kLengthBits = 16;
constexpr int kAddressBits = 64 - kLengthBits;
constexpr std::uint64_t kLengthMask = (std::uint64_t{1} << kLengthBits) - 1;
static_assert(kTableSize < kLengthMask);

// Where literals are copied from like any other string: the byte value v & 0xFF stands at v,
// with room after the last for a whole copy's loads.
constexpr std::array<std::uint8_t, 256 + kSlack> kLiteralBytes = [] {
    std::array<std::uint8_t, 256 + kSlack> bytes{};
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(i);
    return bytes;
}();

inline void Copy16(std::uint8_t* to, const std::uint8_t* from) {
    std::uint64_t low, high;
    std::memcpy(&low, from, 8);
    std::memcpy(&high, from + 8, 8);
    std::memcpy(to, &low, 8);
    std::memcpy(to + 8, &high, 8);
}

// Copies the `length` bytes at `from` to `to`, which lies at or after from + length, in whole
// chunks: one for most strings, so that their copy takes one predictable branch. The bytes
// written past the string are overwritten by the strings that follow. A chunk may load bytes
// this copy wrote, but only past the string's end, as the string itself lies before `to`.
inline void CopyChunks(std::uint8_t* to, const std::uint8_t* from, std::size_t length) {
    Copy16(to, from);
    for (std::size_t i = kChunk; i < length; i += kChunk) Copy16(to + i, from + i);
}

}  // namespace

StringDecode DecodeStrings(CodeReader& reader, int minCodeSize, std::span<std::uint8_t> out) {
    const int ClearCode = 1 << minCodeSize;
    const int EndCode = ClearCode + 1;
    int CodeSize = minCodeSize + 1;
    int MaxCode = 2 * ClearCode;
    int NextCode = ClearCode + 2;
    std::uint64_t codeMask = (std::uint64_t{1} << CodeSize) - 1;

    std::uint8_t* const pixels = out.data();
    const std::size_t total = out.size();
    const auto address = [](const std::uint8_t* at) { return reinterpret_cast<std::uintptr_t>(at); };
    if ((address(pixels + total) | address(kLiteralBytes.data() + kLiteralBytes.size())) >> kAddressBits)
        return StringDecode{false, 0};

    // Where a copy of each entry's string starts, and its length, packed in 64 bits so that
    // the table stays within the first level of the cache. An entry made from the previous
    // string and the first byte of the current one has a copy right where the previous
    // string was written, since the current one follows it directly. Literals point into
    // kLiteralBytes; the clear and end codes have length 0, so that one test on the entry
    // sends them off the common path. The last slot takes the entries a full table makes,
    // and is never read.
    const auto entryOf = [&](const std::uint8_t* from, std::size_t length) {
        return static_cast<std::uint64_t>(address(from)) << kLengthBits | length;
    };
    std::array<std::uint64_t, kTableSize + 1> entries;
    for (int i = 0; i < ClearCode; ++i) entries[i] = entryOf(kLiteralBytes.data() + (i & 0xFF), 1);
    entries[ClearCode] = entries[EndCode] = 0;
    std::size_t p = 0;
    std::size_t oldStart = 0;
    std::size_t oldLength = 0;

    // The bit buffer and the read position are the decoder's own, in registers: kept in the
    // reader they would be reloaded after every pixel written, as a byte store may alias
    // them. The bits above `count` are zero or the stream's next bits. Steps are counted as
    // the reader's Read counts them.
    std::uint64_t bits = 0;
    int count = 0;
    const std::uint8_t* in = reader.BlockAt();
    const std::uint8_t* blockEnd = reader.BlockEnd();
    std::uint64_t steps = 0;
    // Makes at least `width` bits ready, or says that the stream ends first. Within a
    // sub-block, 8 bytes are loaded at once and as many whole ones kept as fit.
    const auto refill = [&](int width) {
        if (blockEnd - in >= 8) [[likely]] {
            std::uint64_t word;
            std::memcpy(&word, in, sizeof word);
            bits |= word << count;
            in += (63 - count) >> 3;
            count |= 56;
            return true;
        }
        if (count >= width) return true;
        const CodeReader::Bits more = reader.TakeBytesFrom(in, (63 - count) >> 3);
        bits |= more.word << count;
        count += more.count;
        in = reader.BlockAt();
        blockEnd = reader.BlockEnd();
        return count >= width;
    };
    const auto take = [&] {
        ++steps;
        const int code = static_cast<int>(bits & codeMask);
        bits >>= CodeSize;
        count -= CodeSize;
        return code;
    };
    const auto read = [&] { return refill(CodeSize) ? take() : kEndOfData; };
    const auto finishEarly = [&] {
        reader.Count(steps);
        reader.SkipToTerminator();
        return StringDecode{true, p};
    };
    const auto fallback = [&] {
        reader.Count(steps);
        return StringDecode{false, 0};
    };
    // StackDecoder returns the code after a clear code as the pixel itself; only a literal
    // that fits a byte gives the same pixel here.
    const auto isPlainLiteral = [&](int code) { return code >= 0 && code < ClearCode && code < 256; };
    // The code after a clear code, skipping clear codes in a row as StackDecoder does.
    const auto afterClear = [&] {
        int code;
        do code = read();
        while (code == ClearCode);
        return code;
    };
    // The entry for the previous string and the first byte of the current one. A full table
    // writes to the spare slot and stays full.
    const auto addEntry = [&] {
        entries[NextCode] = entryOf(pixels + oldStart, oldLength + 1);
        NextCode += NextCode < kTableSize;
        if (NextCode == MaxCode) [[unlikely]] {
            if (MaxCode < kTableSize) {
                MaxCode *= 2;
                ++CodeSize;
                codeMask = (std::uint64_t{1} << CodeSize) - 1;
            } else {
                MaxCode = kTableSize + 1;
            }
        }
    };
    // Copies a string to p, cut at the end of the picture. Far enough from the end
    // (`roomy`), every string's chunks fit, and the copy need not look.
    const auto put = [&](const std::uint8_t* from, std::size_t length, auto roomy) {
        if (roomy || p + length + kSlack <= total) [[likely]]
            CopyChunks(pixels + p, from, length);
        else
            std::memcpy(pixels + p, from, std::min(length, total - p));
        steps += length;
    };

    int code = afterClear();
    if (code < 0 || code == EndCode) return finishEarly();
    if (!isPlainLiteral(code)) return fallback();
    if (total == 0) return fallback();
    pixels[0] = static_cast<std::uint8_t>(code);
    oldStart = 0;
    oldLength = 1;
    p = 1;

    // Decodes codes until p reaches `limit`; how the decoding ended when it did before.
    enum class Stop { Limit, Early, Fallback };
    const auto decodeUntil = [&](std::size_t limit, auto roomy) {
        while (p < limit) {
            if (count < CodeSize && !refill(CodeSize)) [[unlikely]]
                return Stop::Early;
            code = take();
            if (code < NextCode) [[likely]] {
                const std::uint64_t entry = entries[code];
                const std::size_t length = entry & kLengthMask;
                if (length == 0) [[unlikely]] {
                    if (code == EndCode) return Stop::Early;
                    CodeSize = minCodeSize + 1;
                    codeMask = (std::uint64_t{1} << CodeSize) - 1;
                    MaxCode = 2 * ClearCode;
                    NextCode = ClearCode + 2;
                    code = afterClear();
                    if (code < 0 || code == EndCode) return Stop::Early;
                    if (!isPlainLiteral(code)) return Stop::Fallback;
                    pixels[p] = static_cast<std::uint8_t>(code);
                    oldStart = p;
                    oldLength = 1;
                    ++p;
                    continue;
                }
                addEntry();
                put(reinterpret_cast<const std::uint8_t*>(entry >> kLengthBits), length, roomy);
                oldStart = p;
                oldLength = length;
                p += length;
            } else if (code == NextCode) {
                // Not yet in the table: the previous string followed by its own first byte.
                put(pixels + oldStart, oldLength, roomy);
                if (roomy || p + oldLength < total) pixels[p + oldLength] = pixels[oldStart];
                ++steps;
                addEntry();
                oldStart = p;
                oldLength += 1;
                p += oldLength;
            } else {
                return Stop::Fallback;
            }
        }
        return Stop::Limit;
    };
    // A string is at most as long as the table, plus one byte when its code is not there yet.
    constexpr std::size_t kReach = kTableSize + 1 + kSlack;
    Stop stop = decodeUntil(total > kReach ? total - kReach : 0, std::true_type{});
    if (stop == Stop::Limit) stop = decodeUntil(total, std::false_type{});
    if (stop == Stop::Early) return finishEarly();
    if (stop == Stop::Fallback) return fallback();

    // The picture is complete: the rest of its sub-blocks is skipped unread, as StackDecoder
    // does.
    reader.Count(steps);
    reader.SkipToTerminator();
    return StringDecode{true, total};
}

}  // namespace gif
