// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/GIFDecoder.h"

#include <algorithm>
#include <cstring>
#include <string_view>

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

// Where the data of an interlaced image stores picture row `row`: the inverse of RowOrder.
std::int32_t StoredPosition(std::int32_t row, std::int32_t height) {
    const std::int32_t pass0 = (height + 7) / 8;
    const std::int32_t pass1 = (height + 3) / 8;
    const std::int32_t pass2 = (height + 1) / 4;
    if (row % 8 == 0) return row / 8;
    if (row % 8 == 4) return pass0 + row / 8;
    if (row % 4 == 2) return pass0 + pass1 + row / 4;
    return pass0 + pass1 + pass2 + row / 2;
}

}  // namespace

// ---------------------------------------------------------------------------------------
// Block parser

bool TGIFDecoding::Decode(std::span<const std::uint8_t> data, LzwMethod method) {
    *this = TGIFDecoding{};
    constexpr std::string_view kSignature = "GIF";
    if (data.size() < kSignature.size() || !std::equal(kSignature.begin(), kSignature.end(), data.begin()))
        return false;

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
                case kImageSeparator: more = ReadFrame(cursor, method); break;
                default: more = false; break;
            }
        }
    }
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

bool TGIFDecoding::ReadFrame(Cursor& cursor, LzwMethod method) {
    if (FrameCount() == kMaxFrames) return false;
    TGIF frame;
    // The first frame may use the whole budget, whatever the screen takes.
    const std::int64_t budget = Frames.empty() ? kMaxDecodedBytes : kMaxDecodedBytes - bytesUsed_;
    if (!frame.ReadImage(cursor, GlobalColorTable, PendingControl, budget, method)) return false;
    bytesUsed_ += frame.DecodedBytes();
    DecodeSteps += frame.DecodeSteps;
    AnyTransparent = AnyTransparent || frame.Transparent;
    Frames.push_back(std::move(frame));
    // A control block applies to one image only.
    PendingControl = {};
    return true;
}

// ---------------------------------------------------------------------------------------
// One image

bool TGIF::ReadImage(Cursor& cursor, const RgbTable& globalColorTable, const ControlBlock& control,
                     std::int64_t byteBudget, LzwMethod method) {
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
    Image.assign(static_cast<std::size_t>(ImageStride) * Height, 0);
    if (Transparent) {
        MaskStride = PaddedRow(Width);
        Mask.assign(static_cast<std::size_t>(MaskStride) * Height, 0);
    }
    DecodePixels(cursor, method);
    if (Transparent) BuildMaskedColorTable();
    return true;
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

// Decodes the image data at the cursor (the minimum code size byte and the sub-blocks) into
// Image and Mask, and leaves the cursor after the data's terminator.
void TGIF::DecodePixels(Cursor& cursor, LzwMethod method) {
    const int minCodeSize = cursor.Peek();
    if (minCodeSize < 0) return;
    cursor.Take(1);
    const Cursor data = cursor;

    const std::size_t pixelCount = static_cast<std::size_t>(Width) * Height;
    if (minCodeSize < kMinCodeSizeLow || minCodeSize > kMinCodeSizeHigh || pixelCount == 0) {
        // The picture stays at index 0, or has no pixels at all; skipping the data keeps the
        // file's later blocks.
        CodeReader reader(data);
        reader.SkipToTerminator();
        cursor.Seek(reader.Position());
        DecodeSteps += reader.Steps();
        return;
    }

    if (method == LzwMethod::Strings) {
        // The string decoder writes the pixels in stream order, packed; ArrangeRows then
        // moves them to their rows. This needs no buffer beyond Image itself.
        CodeReader reader(data);
        const StringDecode result = DecodeStrings(reader, minCodeSize, std::span(Image.data(), pixelCount));
        DecodeSteps += reader.Steps();
        if (result.done) {
            cursor.Seek(reader.Position());
            if (Transparent) BuildMask(result.pixels);
            ArrangeRows();
            return;
        }
        std::fill(Image.begin(), Image.end(), 0);
    }

    CodeReader reader(data);
    PlacePixels(reader, minCodeSize);
    cursor.Seek(reader.Position());
    DecodeSteps += reader.Steps();
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

// Moves the packed, stream-ordered pixels that DecodeStrings wrote to their rows: first the
// interlaced rows to picture order, then each row out to its padded place, from the bottom so
// that no row is overwritten before it has moved.
void TGIF::ArrangeRows() {
    const std::size_t width = static_cast<std::size_t>(Width);
    std::uint8_t* const pixels = Image.data();
    if (Interlaced && Height > 2) {
        // Follows each cycle of the row permutation with one spare row. Both buffers are on
        // the heap, as a side may be 65535 long.
        std::vector<bool> placed(static_cast<std::size_t>(Height));
        std::vector<std::uint8_t> spare(width);
        const auto row = [&](std::int32_t r) { return pixels + static_cast<std::size_t>(r) * width; };
        for (std::int32_t first = 0; first < Height; ++first) {
            if (placed[first]) continue;
            std::memcpy(spare.data(), row(first), width);
            for (std::int32_t r = first;;) {
                placed[r] = true;
                const std::int32_t from = StoredPosition(r, Height);
                if (from == first) {
                    std::memcpy(row(r), spare.data(), width);
                    break;
                }
                std::memcpy(row(r), row(from), width);
                r = from;
            }
        }
    }
    const std::size_t stride = static_cast<std::size_t>(ImageStride);
    if (stride == width) return;
    for (std::size_t r = static_cast<std::size_t>(Height); r-- > 0;) {
        std::memmove(pixels + r * stride, pixels + r * width, width);
        std::memset(pixels + r * stride + width, 0, stride - width);
    }
}

// Sets the mask bits from the packed, stream-ordered pixels, before ArrangeRows moves them:
// only the `decoded` pixels the stream gave count, as pixels it did not reach have clear mask
// bits even when index 0 is the transparent one.
void TGIF::BuildMask(std::size_t decoded) {
    RowOrder rows(Height, Interlaced);
    const std::uint8_t* pixel = Image.data();
    for (std::size_t done = 0; done < decoded;) {
        const std::int32_t y = rows.Next();
        std::uint8_t* bits = Mask.data() + static_cast<std::size_t>(y) * MaskStride;
        const std::int32_t count = static_cast<std::int32_t>(std::min<std::size_t>(Width, decoded - done));
        for (std::int32_t x = 0; x < count; ++x)
            if (pixel[x] == TransparentIndex) bits[x / 8] |= 0x80 >> (x % 8);
        pixel += Width;
        done += static_cast<std::size_t>(count);
    }
}

void TGIF::BuildMaskedColorTable() {
    MaskedColorTable = ColorTable;
    std::fill_n(MaskedColorTable.begin() + std::size_t{TransparentIndex} * 3, 3, 0);
}

}  // namespace gif
