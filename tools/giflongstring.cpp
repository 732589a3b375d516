// SPDX-License-Identifier: GPL-3.0-or-later
// giflongstring WIDTH HEIGHT BYTES FILE: writes a well-formed GIF of about BYTES bytes whose
// one WIDTH x HEIGHT frame has a code stream that builds ever longer strings (see
// LongStringGif.h). A decoder that expands codes the picture no longer needs does work
// quadratic in the stream's length. The fuzz target's seed
// fuzz/corpus/gif_decode/long-strings.gif is `giflongstring 1 1 200000 long-strings.gif`.

#include <cstdio>
#include <cstdlib>

#include "tests/unit/controls/LongStringGif.h"

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: giflongstring WIDTH HEIGHT BYTES FILE\n");
        return 2;
    }
    const long width = std::atol(argv[1]), height = std::atol(argv[2]), size = std::atol(argv[3]);
    if (width < 0 || width > 65535 || height < 0 || height > 65535 || size < 1) {
        std::fprintf(stderr, "giflongstring: sides 0..65535 and a positive size\n");
        return 2;
    }
    const auto gif = giftest::LongStringGif(static_cast<int>(width), static_cast<int>(height), size);
    std::FILE* file = std::fopen(argv[4], "wb");
    if (file == nullptr || std::fwrite(gif.data(), 1, gif.size(), file) != gif.size() ||
        std::fclose(file) != 0) {
        std::perror(argv[4]);
        return 2;
    }
    return 0;
}
