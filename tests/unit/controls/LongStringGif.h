// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A well-formed GIF whose code stream builds ever longer strings, for proving that decoding
// work stays linear: the decoder's tests, the giflongstring tool (which writes the fuzz seed)
// and the benchmark use it.

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <utility>
#include <vector>

namespace giftest {

// The stream's minimum code size and first pixel. By default the code size is 9 (clear code
// 512, end code 513) and the first pixel a literal wider than a byte, which only the stack
// decoder takes; giflib refuses code sizes above 8.
struct LongStringStart {
    int minCodeSize = 9;
    int literal = 300;
};
inline constexpr int kLongStringClear = 512;
inline constexpr int kLongStringEnd = 513;
inline constexpr int kLongStringLiteral = 300;

// Codes and their widths: the clear code, the literal, then `count` codes that are each the
// next free table entry, one byte longer than the one before, and once the table is full the
// longest entry, about 3600 bytes, again and again; then the end code. The code width grows
// with the table as a decoder's does.
inline std::vector<std::pair<int, int>> LongStringCodes(long count, LongStringStart start = {}) {
    const int clear = 1 << start.minCodeSize;
    int width = start.minCodeSize + 1;
    std::vector<std::pair<int, int>> codes = {{clear, width}, {start.literal, width}};
    for (int next = clear + 2; count-- > 0;) {
        codes.push_back({std::min(next, 4095), width});
        if (next < 4096 && ++next == 1 << width && width < 12) ++width;
    }
    codes.push_back({clear + 1, width});
    return codes;
}

// Codes packed least significant bit first into sub-blocks of 255 bytes, with the terminator.
inline std::vector<std::uint8_t> PackSubBlocks(const std::vector<std::pair<int, int>>& codes) {
    std::vector<std::uint8_t> packed;
    std::uint64_t bits = 0;
    int count = 0;
    for (auto [code, width] : codes) {
        bits |= static_cast<std::uint64_t>(code) << count;
        for (count += width; count >= 8; count -= 8, bits >>= 8)
            packed.push_back(static_cast<std::uint8_t>(bits));
    }
    if (count > 0) packed.push_back(static_cast<std::uint8_t>(bits));
    std::vector<std::uint8_t> out;
    for (std::size_t at = 0; at < packed.size(); at += 255) {
        const std::size_t n = std::min<std::size_t>(255, packed.size() - at);
        out.push_back(static_cast<std::uint8_t>(n));
        out.insert(out.end(), packed.begin() + static_cast<std::ptrdiff_t>(at),
                   packed.begin() + static_cast<std::ptrdiff_t>(at + n));
    }
    out.push_back(0);
    return out;
}

// A whole file of about `size` bytes: one width x height frame with that stream, on a screen
// of at least 1 x 1 with a two-entry global table, then the trailer.
inline std::vector<std::uint8_t> LongStringGif(int width, int height, long size, LongStringStart start = {}) {
    std::vector<std::uint8_t> out;
    // Byte by byte: g++ 12 at -O3 warns wrongly about inserting short lists into a vector.
    const auto put = [&](std::initializer_list<int> bytes) {
        for (int b : bytes) out.push_back(static_cast<std::uint8_t>(b));
    };
    const auto le16 = [&](int v) { put({v & 0xFF, v >> 8 & 0xFF}); };
    put({'G', 'I', 'F', '8', '9', 'a'});
    le16(std::max(width, 1));
    le16(std::max(height, 1));
    put({0x80, 0, 0, 0, 0, 0, 255, 255, 255});  // a 2-entry global table
    put({0x2C, 0, 0, 0, 0});                    // image separator at (0, 0)
    le16(width);
    le16(height);
    put({0, start.minCodeSize});
    // Codes average about 1.5 bytes: 9 to 12 bits each, mostly 12.
    for (std::uint8_t b : PackSubBlocks(LongStringCodes(size * 2 / 3, start))) out.push_back(b);
    put({0x3B});
    return out;
}

}  // namespace giftest
