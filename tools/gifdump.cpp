// SPDX-License-Identifier: GPL-3.0-or-later
// gifdump FILE: prints what the program's GIF decoder makes of a file, for checking the
// decoder from outside.
//
//   screen W H loop L frames N
//   frame I left X top Y width W height H delay D disposal P interlaced 0|1 transparent 0|1
//         tindex T colorbits B fnv HHHHHHHHHHHHHHHH            (one line per frame)
//
// Frames are numbered from 1, as the program numbers them. fnv is the 64-bit FNV-1a hash of
// the frame's pixel indices, row by row from the top, Width bytes a row without padding.
// --decode-only prints only the first line. --steps adds a line "steps N" after the first: the
// decoding work the file took, in the decoder's own steps. Exit status: 0 decoded, 1 not a GIF, 2 the file
// could not be read or the arguments were wrong.

#include <cerrno>
#include <cinttypes>
#include <cstdio>
#include <cstring>
#include <string_view>
#include <vector>

#include "controls/GIFDecoder.h"

namespace {

std::uint64_t Fnv1a(const gif::TGIF& frame) {
    constexpr std::uint64_t kOffsetBasis = 0xcbf29ce484222325;
    constexpr std::uint64_t kPrime = 0x100000001b3;
    std::uint64_t hash = kOffsetBasis;
    for (std::int32_t y = 0; y < frame.Height; ++y)
        for (std::int32_t x = 0; x < frame.Width; ++x) {
            hash ^= frame.Pixel(x, y);
            hash *= kPrime;
        }
    return hash;
}

// Reads the whole file; false with errno set when it cannot be opened or read (a directory
// opens but does not read).
bool ReadFile(const char* path, std::vector<std::uint8_t>& data) {
    std::FILE* file = std::fopen(path, "rb");
    if (file == nullptr) return false;
    std::uint8_t chunk[65536];
    std::size_t count;
    while ((count = std::fread(chunk, 1, sizeof chunk, file)) > 0)
        data.insert(data.end(), chunk, chunk + count);
    const bool ok = !std::ferror(file);
    const int error = errno;
    std::fclose(file);
    errno = error;
    return ok;
}

int Usage() {
    std::fprintf(stderr, "usage: gifdump [--decode-only] [--steps] FILE\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    bool decodeOnly = false;
    bool steps = false;
    const char* path = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (std::string_view(argv[i]) == "--decode-only")
            decodeOnly = true;
        else if (std::string_view(argv[i]) == "--steps")
            steps = true;
        else if (path == nullptr)
            path = argv[i];
        else
            return Usage();
    }
    if (path == nullptr) return Usage();

    std::vector<std::uint8_t> data;
    if (!ReadFile(path, data)) {
        std::fprintf(stderr, "gifdump: cannot read %s: %s\n", path, std::strerror(errno));
        return 2;
    }

    gif::TGIFDecoding gif;
    if (!gif.Decode(data)) {
        std::printf("not a gif\n");
        return 1;
    }
    std::printf("screen %d %d loop %d frames %d\n", gif.ScreenWidth, gif.ScreenHeight, gif.LoopCount,
                gif.FrameCount());
    if (steps) std::printf("steps %" PRIu64 "\n", gif.DecodeSteps);
    if (decodeOnly) return 0;
    int number = 1;
    for (const gif::TGIF& frame : gif.Frames)
        std::printf(
            "frame %d left %d top %d width %d height %d delay %d disposal %d "
            "interlaced %d transparent %d tindex %d colorbits %d fnv %016" PRIx64 "\n",
            number++, frame.Left, frame.Top, frame.Width, frame.Height, frame.Delay, frame.Disposal,
            frame.Interlaced, frame.Transparent, frame.TransparentIndex, frame.ColorBits, Fnv1a(frame));
    return 0;
}
