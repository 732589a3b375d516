// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/GIFDecoder.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace gif {

namespace {

// Block introducers and extension labels.
constexpr std::uint8_t kExtensionIntroducer = 0x21;
constexpr std::uint8_t kImageSeparator = 0x2C;
constexpr std::uint8_t kGraphicControlLabel = 0xF9;
constexpr std::uint8_t kCommentLabel = 0xFE;
constexpr std::uint8_t kApplicationLabel = 0xFF;
constexpr std::uint8_t kPlainTextLabel = 0x01;

// A composed pixel, on the screen or in a saved area, is a 32-bit colour.
constexpr std::int64_t kComposedPixelBytes = 4;

// Sizes of the fixed parts, counted from the block's first byte.
constexpr std::size_t kHeaderSize = 6;  // "GIF" and three version bytes
constexpr std::size_t kScreenDescriptorSize = 7;
constexpr std::size_t kImageDescriptorSize = 10;  // separator and the 9-byte descriptor
constexpr std::size_t kGraphicControlSize = 8;    // introducer, label and the 6-byte body

// Packed bytes of the screen and image descriptors.
constexpr std::uint8_t fColorTable = 1 << 7;
constexpr std::uint8_t fInterlace = 1 << 6;
constexpr std::uint8_t fColorTableSize = 0x07;

// The graphic control block, as kept in PendingControl.
constexpr std::size_t kControlPacked = 1;
constexpr std::size_t kControlDelay = 2;
constexpr std::size_t kControlTransparentIndex = 4;
constexpr std::uint8_t fTransparent = 1 << 0;
constexpr int kDisposalShift = 2;
constexpr std::uint8_t kDisposalMask = 0x07;

// The disposal a control block's method 0..7 gives: methods 0 and 1 leave the frame, 2
// restores the background, 3 what was under the frame; the undefined methods 4 to 7 restore
// the background.
constexpr std::array<std::uint8_t, 8> kDisposalOfMethod = {0, 0, 1, 2, 1, 1, 1, 1};

// Interlaced rows come in four passes: every 8th row from 0, every 8th from 4, every 4th
// from 2, every 2nd from 1.
constexpr std::array<std::int32_t, 4> kPassStart = {0, 4, 2, 1};
constexpr std::array<std::int32_t, 4> kPassStep = {8, 8, 4, 2};

std::uint16_t ReadU16(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

// Index buffer and mask rows are padded to whole 32-bit words.
std::int32_t PaddedRow(std::int32_t bits) { return (bits + 31) / 32 * 4; }

// The rows of an image in the order its data stores them.
class RowOrder {
public:
    RowOrder(std::int32_t height, bool interlaced)
        : height_(height), passes_(interlaced ? 4 : 1), step_(interlaced ? kPassStep[0] : 1) {}

    // The next row to fill, or -1 when every row has been filled. Passes whose first row
    // lies beyond the picture are skipped.
    std::int32_t Next() {
        row_ = started_ ? row_ + step_ : kPassStart[0];
        started_ = true;
        while (row_ >= height_) {
            if (++pass_ >= passes_) return -1;
            row_ = kPassStart[pass_];
            step_ = kPassStep[pass_];
        }
        return row_;
    }

private:
    std::int32_t height_;
    int passes_;
    int pass_ = 0;
    std::int32_t step_;
    std::int32_t row_ = 0;
    bool started_ = false;
};

// The bits of a byte in the opposite order: SSE2 numbers a compare's lanes from the least
// significant bit, the mask's rows from the most significant.
constexpr std::array<std::uint8_t, 256> kReversedBits = [] {
    std::array<std::uint8_t, 256> table{};
    for (int i = 0; i < 256; ++i)
        for (int bit = 0; bit < 8; ++bit)
            if (i & (1 << bit)) table[i] |= static_cast<std::uint8_t>(0x80 >> bit);
    return table;
}();

// One row of a mask: a bit set for each of the first `count` pixels whose index is `key`,
// most significant bit first, and every other bit of the row's `bytes` clear.
void MaskRow(const std::uint8_t* pixels, std::int32_t count, std::uint8_t key, std::uint8_t* bits,
             std::int32_t bytes) {
    std::int32_t x = 0;
#if defined(__SSE2__)
    const __m128i keys = _mm_set1_epi8(static_cast<char>(key));
    for (; x + 16 <= count; x += 16) {
        const __m128i lane = _mm_loadu_si128(reinterpret_cast<const __m128i*>(pixels + x));
        const unsigned same = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(lane, keys)));
        bits[x / 8] = kReversedBits[same & 0xFF];
        bits[x / 8 + 1] = kReversedBits[same >> 8];
    }
#endif
    for (; x + 8 <= count; x += 8) {
        unsigned byte = 0;
        for (int i = 0; i < 8; ++i) byte = byte << 1 | (pixels[x + i] == key);
        bits[x / 8] = static_cast<std::uint8_t>(byte);
    }
    std::int32_t done = x / 8;
    if (x < count) {
        unsigned byte = 0;
        for (int i = 0; i < 8; ++i) byte = byte << 1 | (x + i < count && pixels[x + i] == key);
        bits[done++] = static_cast<std::uint8_t>(byte);
    }
    std::memset(bits + done, 0, static_cast<std::size_t>(bytes - done));
}

}  // namespace

// ---------------------------------------------------------------------------------------
// Block parser

bool Acceptable(std::span<const std::uint8_t> data) {
    constexpr std::string_view kSignature = "GIF";
    if (data.size() < kSignature.size() || !std::equal(kSignature.begin(), kSignature.end(), data.begin()))
        return false;
    // The screen's size counts once its descriptor is there whole, as the parse reads it.
    if (data.size() < kHeaderSize + kScreenDescriptorSize) return true;
    const std::int64_t width = ReadU16(data, kHeaderSize), height = ReadU16(data, kHeaderSize + 2);
    return width * height <= kMaxScreenPixels;
}

bool TGIFDecoding::Decode(std::span<const std::uint8_t> data, LzwMethod method, int pixelFrames) {
    *this = TGIFDecoding{};
    if (!Acceptable(data)) return false;

    Cursor cursor(data);
    const bool screenRead = ReadScreen(cursor);
    bytesUsed_ = std::int64_t{ScreenWidth} * ScreenHeight * kComposedPixelBytes;
    // Shown at another size the picture would be wrong, so a screen too large for the frame
    // buffer fails the load rather than being clamped.
    if (std::int64_t{ScreenWidth} * ScreenHeight > kMaxScreenPixels) {
        *this = TGIFDecoding{};
        return false;
    }
    if (screenRead) {
        // Each step reports whether the walk goes on. It stops at the trailer, at a byte it
        // does not know, at a 257th image, and wherever the data ends.
        for (bool more = true; more;) {
            switch (cursor.Peek()) {
                case kExtensionIntroducer: more = ReadExtension(cursor); break;
                case kImageSeparator: more = ReadFrame(cursor); break;
                default: more = false; break;
            }
        }
    }
    DecodeFrames(data, method, std::clamp(pixelFrames, 0, FrameCount()));
    Animated = FrameCount() > 1;
    return true;
}

// The header and logical screen descriptor, then the global colour table. The version bytes,
// the background colour index and the aspect ratio are not used.
bool TGIFDecoding::ReadScreen(Cursor& cursor) {
    if (cursor.Take(kHeaderSize).empty()) return false;
    const auto screen = cursor.Take(kScreenDescriptorSize);
    if (screen.empty()) return false;
    ScreenWidth = ReadU16(screen, 0);
    ScreenHeight = ReadU16(screen, 2);
    const std::uint8_t packed = screen[4];
    if (packed & fColorTable) {
        const auto table = cursor.Take(std::size_t{3} << ((packed & fColorTableSize) + 1));
        if (table.empty()) return false;
        std::copy(table.begin(), table.end(), GlobalColorTable.begin());
    }
    return true;
}

bool TGIFDecoding::ReadExtension(Cursor& cursor) {
    switch (cursor.Peek(1)) {
        case kGraphicControlLabel: return ReadGraphicControl(cursor);
        case kApplicationLabel: return ReadApplication(cursor);
        case kPlainTextLabel:
            // Skipped, and the pending control block stays for the next image. The first
            // sub-block is the text's fixed header and is skipped whatever its length.
            return !cursor.Take(2).empty() && cursor.SkipSubBlock() && cursor.SkipSubBlocks();
        case kCommentLabel:  // the text is not used
        default:
            // An extension with a label this decoder does not know is skipped as a comment is:
            // GIF89a asks decoders to skip those, so that the images after them still show.
            return !cursor.Take(2).empty() && cursor.SkipSubBlocks();
    }
}

// The control block applies to the next image. Its block size byte is taken to be 4, as every
// encoder writes it, and is not checked.
bool TGIFDecoding::ReadGraphicControl(Cursor& cursor) {
    const auto block = cursor.Take(kGraphicControlSize);
    if (block.empty()) return false;
    std::copy(block.begin() + 2, block.end(), PendingControl.begin());
    return true;
}

// The NETSCAPE2.0 extension carries the loop count in the data sub-block whose first byte (its
// id) is 1. Encoders may add other sub-blocks, such as a buffer size with id 2, so every
// sub-block is walked; of several loop sub-blocks the last counts.
bool TGIFDecoding::ReadApplication(Cursor& cursor) {
    constexpr std::string_view kNetscape = "NETSCAPE2.0";
    constexpr std::size_t kIdentifierAt = 3;
    constexpr int kLoopSubBlockId = 1;
    constexpr int kLoopSubBlockSize = 3;  // id and the 16-bit count
    bool isLoop = cursor.Remaining() >= kIdentifierAt + kNetscape.size();
    for (std::size_t i = 0; isLoop && i < kNetscape.size(); ++i)
        isLoop = cursor.Peek(kIdentifierAt + i) == static_cast<std::uint8_t>(kNetscape[i]);
    // The introducer, the label, then the identifier's sub-block whatever its length.
    if (cursor.Take(2).empty() || !cursor.SkipSubBlock()) return false;
    if (!isLoop) return cursor.SkipSubBlocks();
    for (int length; (length = cursor.Peek()) != 0;) {
        const bool whole = length >= 0 && static_cast<std::size_t>(length) < cursor.Remaining();
        if (whole && length >= kLoopSubBlockSize && cursor.Peek(1) == kLoopSubBlockId)
            LoopCount = cursor.Peek(2) | cursor.Peek(3) << 8;
        if (!cursor.SkipSubBlock()) return false;
    }
    cursor.Take(1);
    return true;
}

bool TGIFDecoding::ReadFrame(Cursor& cursor) {
    if (FrameCount() == kMaxFrames) return false;
    TGIF frame;
    // The first frame may use the whole budget, whatever the screen takes.
    const std::int64_t budget = Frames.empty() ? kMaxDecodedBytes : kMaxDecodedBytes - bytesUsed_;
    if (!frame.ReadImage(cursor, GlobalColorTable, PendingControl, budget)) return false;
    bytesUsed_ += frame.DecodedBytes();
    AnyTransparent = AnyTransparent || frame.Transparent;
    Frames.push_back(std::move(frame));
    // A control block applies to one image only.
    PendingControl = {};
    return true;
}

// Once the walk knows every frame, their pictures take one buffer, allocated unfilled since
// decoding writes every byte of it; frames whose rows move share one scratch buffer for the
// stream's order.
void TGIFDecoding::DecodeFrames(std::span<const std::uint8_t> data, LzwMethod method, int pixelFrames) {
    const std::span<TGIF> decoded(Frames.data(), static_cast<std::size_t>(pixelFrames));
    std::size_t total = 0;
    std::size_t scratchSize = 0;
    for (const TGIF& frame : decoded) {
        total += frame.PixelBytes();
        if (frame.RowsMove())
            scratchSize = std::max(scratchSize, static_cast<std::size_t>(frame.Width) * frame.Height);
    }
    const std::shared_ptr<std::uint8_t[]> buffer(new std::uint8_t[total]);
    const std::unique_ptr<std::uint8_t[]> scratch(scratchSize > 0 ? new std::uint8_t[scratchSize] : nullptr);
    std::size_t offset = 0;
    for (TGIF& frame : decoded) {
        frame.DecodePixels(data, buffer, offset, scratch.get(), method);
        offset += frame.PixelBytes();
        DecodeSteps += frame.DecodeSteps;
    }
}

// ---------------------------------------------------------------------------------------
// One image

bool TGIF::ReadImage(Cursor& cursor, const RgbTable& globalColorTable, const ControlBlock& control,
                     std::int64_t byteBudget) {
    if (cursor.Peek() != kImageSeparator) return false;
    const auto descriptor = cursor.Take(kImageDescriptorSize);
    if (descriptor.empty()) return false;
    Left = ReadU16(descriptor, 1);
    Top = ReadU16(descriptor, 3);
    Width = ReadU16(descriptor, 5);
    Height = ReadU16(descriptor, 7);
    const std::uint8_t packed = descriptor[9];

    HasLocalTable = packed & fColorTable;
    if (HasLocalTable) {
        ColorBits = (packed & fColorTableSize) + 1;
        const auto table = cursor.Take(std::size_t{3} << ColorBits);
        if (table.empty()) return false;
        std::copy(table.begin(), table.end(), ColorTable.begin());
    } else {
        ColorBits = 0;
        ColorTable = globalColorTable;
    }
    Interlaced = packed & fInterlace;
    ApplyControl(control);

    if (std::int64_t{Width} * Height > kMaxFramePixels || DecodedBytes() > byteBudget) return false;

    ImageStride = PaddedRow(Width * 8);
    if (Transparent) MaskStride = PaddedRow(Width);
    if (Transparent) BuildMaskedColorTable();
    // The data is passed over here, sub-block by sub-block as the code reader takes it, so
    // that the walk goes on where decoding it would leave it.
    dataAt_ = cursor.Position();
    if (cursor.Peek() >= 0) {
        cursor.Take(1);
        CodeReader reader(cursor);
        reader.SkipToTerminator();
        cursor.Seek(reader.Position());
    }
    return true;
}

std::size_t TGIF::PixelBytes() const {
    return (static_cast<std::size_t>(ImageStride) + (Transparent ? MaskStride : 0)) * Height;
}

std::int64_t TGIF::DecodedBytes() const {
    const std::int64_t pixels = std::int64_t{Width} * Height;
    std::int64_t bytes = std::int64_t{PaddedRow(Width * 8)} * Height;
    if (Transparent) bytes += std::int64_t{PaddedRow(Width)} * Height;
    if (Disposal == 2) bytes += pixels * kComposedPixelBytes;
    return bytes;
}

// With no control block (all zero) a frame stays in place, lasts 10 ms and is opaque.
void TGIF::ApplyControl(const ControlBlock& control) {
    const std::uint8_t packed = control[kControlPacked];
    Disposal = kDisposalOfMethod[(packed >> kDisposalShift) & kDisposalMask];
    const int hundredths = control[kControlDelay] | control[kControlDelay + 1] << 8;
    Delay = hundredths == 0 ? 10 : hundredths * 10;
    Transparent = packed & fTransparent;
    TransparentIndex = control[kControlTransparentIndex];
}

void TGIF::DecodePixels(std::span<const std::uint8_t> file, const std::shared_ptr<std::uint8_t[]>& buffer,
                        std::size_t offset, std::uint8_t* scratch, LzwMethod method) {
    const std::size_t imageBytes = static_cast<std::size_t>(ImageStride) * Height;
    Image = TFrameBytes(buffer, offset, imageBytes);
    if (Transparent)
        Mask = TFrameBytes(buffer, offset + imageBytes, static_cast<std::size_t>(MaskStride) * Height);

    Cursor cursor(file);
    cursor.Seek(dataAt_);
    const int minCodeSize = cursor.Peek();
    const std::size_t pixelCount = static_cast<std::size_t>(Width) * Height;
    if (minCodeSize < kMinCodeSizeLow || minCodeSize > kMinCodeSizeHigh || pixelCount == 0) {
        // The picture stays at index 0, or has no pixels at all.
        ClearPixels();
        if (minCodeSize >= 0) {
            cursor.Take(1);
            CodeReader reader(cursor);
            reader.SkipToTerminator();
            DecodeSteps += reader.Steps();
        }
        return;
    }
    cursor.Take(1);

    if (method == LzwMethod::Strings) {
        // The string decoder writes the pixels in stream order, packed: straight into Image
        // when that is where they belong, else into the scratch buffer, from which PlaceRows
        // copies each row to its place.
        std::uint8_t* const stream = RowsMove() ? scratch : Image.data();
        CodeReader reader(cursor);
        const StringDecode result = DecodeStrings(reader, minCodeSize, std::span(stream, pixelCount));
        DecodeSteps += reader.Steps();
        if (result.done) {
            PlaceRows(stream, result.pixels);
            return;
        }
    }

    ClearPixels();
    CodeReader reader(cursor);
    PlacePixels(reader, minCodeSize);
    DecodeSteps += reader.Steps();
}

void TGIF::ClearPixels() {
    std::fill(Image.begin(), Image.end(), 0);
    std::fill(Mask.begin(), Mask.end(), 0);
}

// The straightforward way: each pixel from StackDecoder goes straight to its row, and its
// mask bit is set as it is placed.
void TGIF::PlacePixels(CodeReader& reader, int minCodeSize) {
    StackDecoder lzw(reader, minCodeSize);
    int v = lzw.FirstPixel();
    RowOrder rows(Height, Interlaced);
    std::int32_t y = Width > 0 ? rows.Next() : -1;
    std::int32_t x = 0;
    while (v >= 0 && y >= 0) {
        Image[static_cast<std::size_t>(y) * ImageStride + x] = static_cast<std::uint8_t>(v);
        // The whole value is compared: a code taken as a pixel after a clear code may be
        // wider than a byte, and then it is not the transparent index.
        if (Transparent && v == TransparentIndex)
            Mask[static_cast<std::size_t>(y) * MaskStride + x / 8] |= 0x80 >> (x % 8);
        if (++x == Width) {
            x = 0;
            y = rows.Next();
            if (y < 0) break;
        }
        v = lzw.NextPixel();
    }
    // A picture completed before its data ended: the rest of its sub-blocks is skipped
    // unread. Decoding them would change nothing, as the block walk goes on after the
    // terminator either way, and it would cost as much as the longest strings the stream can
    // build, again and again: quadratic in the data's length.
    reader.SkipToTerminator();
}

// Puts the packed, stream-ordered pixels `stream` (the first `decoded` of them given by the
// stream) in their rows, pads the rows and clears the pixels the stream did not reach, and
// sets each row's mask bits while the row is at hand. Only the decoded pixels count for the
// mask: pixels the stream did not reach have clear bits even when index 0 is the transparent
// one. `stream` may be Image itself when its rows need not move.
void TGIF::PlaceRows(const std::uint8_t* stream, std::size_t decoded) {
    RowOrder rows(Height, Interlaced);
    std::size_t done = 0;
    for (std::int32_t i = 0; i < Height; ++i) {
        const std::int32_t y = rows.Next();
        std::uint8_t* const row = Image.data() + static_cast<std::size_t>(y) * ImageStride;
        const std::int32_t count =
            static_cast<std::int32_t>(std::min<std::size_t>(Width, decoded > done ? decoded - done : 0));
        if (stream != Image.data()) std::memcpy(row, stream + done, static_cast<std::size_t>(count));
        std::memset(row + count, 0, static_cast<std::size_t>(ImageStride - count));
        if (Transparent)
            MaskRow(row, count, TransparentIndex, Mask.data() + static_cast<std::size_t>(y) * MaskStride,
                    MaskStride);
        done += static_cast<std::size_t>(count);
    }
}

void TGIF::BuildMaskedColorTable() {
    MaskedColorTable = ColorTable;
    std::fill_n(MaskedColorTable.begin() + std::size_t{TransparentIndex} * 3, 3, 0);
}

}  // namespace gif
