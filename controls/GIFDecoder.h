// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "controls/GIFLzw.h"

// The program's own GIF decoder: turns the bytes of a GIF87a or GIF89a file, held whole in
// memory, into the logical screen, the global colour table, the loop count and up to 256
// frames, each with a ready-to-draw 8-bit indexed picture. Free of Qt: the GIF image control
// turns the pictures into images and does all drawing.
namespace gif {

inline constexpr int kMaxFrames = 256;

// A colour table of 256 entries, three bytes each: red, green, blue. Entries the file does not
// define are zero, so a pixel index beyond the table in force shows black.
using RgbTable = std::array<std::uint8_t, 256 * 3>;

// The body of a graphic control extension: block size, packed byte, delay (low, high),
// transparent index, terminator. All zero when there is none.
using ControlBlock = std::array<std::uint8_t, 6>;

// Frames the decoder refuses, so that a hostile header cannot make a load ask for gigabytes.
// The frame that would pass a limit ends the parse; the frames before it are kept. Either side
// may be as long as the format allows, 65535, while the frame stays within the pixel limits.
inline constexpr std::int64_t kMaxFramePixels = std::int64_t{64} << 20;
// Within the per-frame limits 256 frames could still ask for gigabytes, so what showing a
// file takes is budgeted as a whole: the composed screen at 4 bytes a pixel, and for each
// frame its indices, its mask and, for disposal 2, the saved area under it at 4 bytes a pixel.
// A frame that would pass the budget ends the parse as the 257th frame does. The first frame
// always loads (within the limits above), so a single 8192 x 8192 frame still shows.
inline constexpr std::int64_t kMaxDecodedBytes = std::int64_t{384} << 20;
// The largest logical screen a file may declare. The image control allocates a frame buffer
// of the screen's size, so a larger screen makes the whole decode fail.
inline constexpr std::int64_t kMaxScreenPixels = kMaxFramePixels;

// A frame's bytes (its indices or its mask) within the one buffer a decoding allocates for
// all its frames, which each frame shares: the buffer lives while any frame of it does.
class TFrameBytes {
public:
    using value_type = std::uint8_t;
    using iterator = std::uint8_t*;
    using const_iterator = const std::uint8_t*;

    TFrameBytes() = default;
    TFrameBytes(std::shared_ptr<std::uint8_t[]> buffer, std::size_t offset, std::size_t size)
        : buffer_(std::move(buffer)), data_(buffer_.get() + offset), size_(size) {}

    std::uint8_t* data() { return data_; }
    const std::uint8_t* data() const { return data_; }
    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    std::uint8_t* begin() { return data_; }
    std::uint8_t* end() { return data_ + size_; }
    const std::uint8_t* begin() const { return data_; }
    const std::uint8_t* end() const { return data_ + size_; }
    std::uint8_t& operator[](std::size_t i) { return data_[i]; }
    std::uint8_t operator[](std::size_t i) const { return data_[i]; }

    // Equal bytes, wherever they are held.
    friend bool operator==(const TFrameBytes& a, const TFrameBytes& b) {
        return std::equal(a.begin(), a.end(), b.begin(), b.end());
    }

private:
    std::shared_ptr<std::uint8_t[]> buffer_;
    std::uint8_t* data_ = nullptr;
    std::size_t size_ = 0;
};

// How DecodePixels turns the code stream into pixels. Both give the same frames; Reference
// exists so that the two can be compared.
enum class LzwMethod { Strings, Reference };

// One frame, with its place on the logical screen, its timing and disposal, its transparency
// and its pictures.
class TGIF {
public:
    std::int32_t Left = 0;
    std::int32_t Top = 0;
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    std::int32_t ColorBits = 0;  // local table size exponent 1..8; 0 when the global table is used
    std::int32_t Delay = 0;      // display time in milliseconds
    std::uint8_t Disposal = 0;   // 0 leave in place, 1 restore the background, 2 restore what was under it
    bool HasLocalTable = false;
    bool Interlaced = false;
    bool Transparent = false;
    std::uint8_t TransparentIndex = 0;

    // The colour table in force for this frame: a copy of its local table, or of the global
    // table. Entries beyond the defined ones are black.
    RgbTable ColorTable{};

    // Image: the picture's pixel indices, Height rows of ImageStride bytes from the top. A
    // row holds Width indices and is padded with zeros to a multiple of 4 bytes, the layout
    // an 8-bit indexed image with 32-bit aligned rows takes as it is.
    TFrameBytes Image;
    std::int32_t ImageStride = 0;

    // Transparent frames only. Mask: Height rows of MaskStride bytes (padded to 4), one bit
    // per pixel, most significant bit first, set where the pixel's index is TransparentIndex.
    TFrameBytes Mask;
    std::int32_t MaskStride = 0;

    // Transparent frames only. The masked image is Image drawn with this table: ColorTable
    // with the transparent entry made black. Transparency goes by index, as Mask marks it:
    // encoders often give the transparent entry the colour of an opaque one, whose pixels
    // must keep it.
    RgbTable MaskedColorTable{};

    // The work DecodePixels did for this frame, in the code reader's steps.
    std::uint64_t DecodeSteps = 0;

    // The index of pixel (x, y) of Image.
    std::uint8_t Pixel(std::int32_t x, std::int32_t y) const { return Image[y * ImageStride + x]; }
    // Whether Mask marks pixel (x, y).
    bool Masked(std::int32_t x, std::int32_t y) const {
        return (Mask[y * MaskStride + x / 8] >> (7 - x % 8)) & 1;
    }

    // Reads the image that starts at the cursor (on its separator): the descriptor and the
    // local colour table, and moves past the image data, whose place it keeps for
    // DecodePixels. `control` is the pending graphic control block; `byteBudget` the bytes
    // this frame may still take (see kMaxDecodedBytes).
    // False, with the frame unusable, when the byte at the cursor is not an image separator,
    // when the descriptor or the local table is cut short by the end of the data, or when the
    // frame is larger than the limits allow.
    bool ReadImage(Cursor& cursor, const RgbTable& globalColorTable, const ControlBlock& control,
                   std::int64_t byteBudget);

    // What this frame takes of kMaxDecodedBytes, from its size and control block alone.
    std::int64_t DecodedBytes() const;
    // The bytes of Image and Mask together, as the decoding's buffer holds them.
    std::size_t PixelBytes() const;
    // Whether the stream's pixels must be moved to reach their rows: interlaced rows, or rows
    // padded past their width.
    bool RowsMove() const { return Interlaced || ImageStride != Width; }

    // Decodes the image data ReadImage passed over into Image and Mask, which `buffer` holds
    // from `offset` on (PixelBytes of it). `file` is the data ReadImage read; `scratch` holds
    // Width x Height bytes when RowsMove.
    void DecodePixels(std::span<const std::uint8_t> file, const std::shared_ptr<std::uint8_t[]>& buffer,
                      std::size_t offset, std::uint8_t* scratch, LzwMethod method);

private:
    void ApplyControl(const ControlBlock& control);
    void ClearPixels();
    void PlacePixels(CodeReader& reader, int minCodeSize);
    void PlaceRows(const std::uint8_t* stream, std::size_t decoded);
    void BuildMaskedColorTable();

    std::size_t dataAt_ = 0;  // where the image data starts in the file: its code size byte
};

// Whether TGIFDecoding::Decode takes the data at all: it begins with "GIF" and declares no
// logical screen over kMaxScreenPixels. What it takes it decodes, to frames or to none.
bool Acceptable(std::span<const std::uint8_t> data);

// What a load produces: the decoding state the GIF image control holds.
struct TGIFDecoding {
    std::int32_t ScreenWidth = 0;
    std::int32_t ScreenHeight = 0;
    RgbTable GlobalColorTable{};
    std::int32_t LoopCount = 0;
    std::vector<TGIF> Frames;  // in file order; the program numbers them from 1
    bool Animated = false;
    bool AnyTransparent = false;
    ControlBlock PendingControl{};
    // The work the frames' decoding took, in the code reader's steps: what a test bounds to
    // show that no file makes a load work out of proportion to its size and pixel count.
    std::uint64_t DecodeSteps = 0;

    std::int32_t FrameCount() const { return static_cast<std::int32_t>(Frames.size()); }

    // Parses a whole file, starting from an empty state. False, with the state left empty,
    // when the data is empty, does not begin with "GIF", or declares a logical screen of more
    // than kMaxScreenPixels; true otherwise, even when the file holds no image or is cut
    // short, in which case the frames read before the fault are kept.
    // Only the first `pixelFrames` frames are decoded to pixels; the later ones keep their
    // place, timing and colours with an empty Image and Mask, for a caller that shows no more.
    bool Decode(std::span<const std::uint8_t> data, LzwMethod method = LzwMethod::Strings,
                int pixelFrames = kMaxFrames);

private:
    bool ReadScreen(Cursor& cursor);
    bool ReadExtension(Cursor& cursor);
    bool ReadGraphicControl(Cursor& cursor);
    bool ReadApplication(Cursor& cursor);
    bool ReadFrame(Cursor& cursor);
    void DecodeFrames(std::span<const std::uint8_t> data, LzwMethod method, int pixelFrames);
    std::int64_t bytesUsed_ = 0;
};

}  // namespace gif
