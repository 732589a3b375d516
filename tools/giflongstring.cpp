// giflongstring WIDTH HEIGHT BYTES FILE: writes a well-formed GIF of about BYTES bytes whose
// one WIDTH x HEIGHT frame has a code stream that builds ever longer strings: the minimum
// code size is 9, and after the clear code comes the literal 300, above 255, then each code
// is the next free table entry until the table is full, and then the longest entry over and
// over. A decoder that expands codes the picture no longer needs does work quadratic in the
// stream's length. The fuzz target's seed fuzz/corpus/gif_decode/long-strings.gif is
// `giflongstring 1 1 200000 long-strings.gif`.

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

void Le16(Bytes& out, long v) {
    out.push_back(static_cast<unsigned char>(v & 0xFF));
    out.push_back(static_cast<unsigned char>(v >> 8 & 0xFF));
}

// Packs codes least significant bit first.
class BitWriter {
public:
    void Put(int code, int width) {
        bits_ |= static_cast<unsigned long>(code) << count_;
        for (count_ += width; count_ >= 8; count_ -= 8, bits_ >>= 8)
            bytes.push_back(static_cast<unsigned char>(bits_));
    }
    void Flush() {
        if (count_ > 0) bytes.push_back(static_cast<unsigned char>(bits_));
        count_ = 0;
    }
    Bytes bytes;

private:
    unsigned long bits_ = 0;
    int count_ = 0;
};

Bytes LongStringGif(long width, long height, long size) {
    constexpr int kMinCodeSize = 9, kClear = 512, kEnd = 513, kTableSize = 4096;
    constexpr int kWideLiteral = 300;
    BitWriter codes;
    int codeWidth = kMinCodeSize + 1;
    codes.Put(kClear, codeWidth);
    codes.Put(kWideLiteral, codeWidth);
    // Each code after the first adds a table entry one byte longer than the last, and the
    // code width grows with the table as a decoder's does.
    for (int next = kClear + 2; static_cast<long>(codes.bytes.size()) < size;) {
        codes.Put(next < kTableSize ? next : kTableSize - 1, codeWidth);
        if (next < kTableSize && ++next == 1 << codeWidth && codeWidth < 12) ++codeWidth;
    }
    codes.Put(kEnd, codeWidth);
    codes.Flush();

    Bytes out = {'G', 'I', 'F', '8', '9', 'a'};
    Le16(out, width > 0 ? width : 1);
    Le16(out, height > 0 ? height : 1);
    out.insert(out.end(), {0x80, 0, 0, 0, 0, 0, 255, 255, 255});  // a 2-entry global table
    out.insert(out.end(), {0x2C, 0, 0, 0, 0});                    // image at (0, 0)
    Le16(out, width);
    Le16(out, height);
    out.push_back(0);
    out.push_back(kMinCodeSize);
    for (std::size_t at = 0; at < codes.bytes.size(); at += 255) {
        const std::size_t n = std::min<std::size_t>(255, codes.bytes.size() - at);
        out.push_back(static_cast<unsigned char>(n));
        out.insert(out.end(), codes.bytes.begin() + static_cast<long>(at),
                   codes.bytes.begin() + static_cast<long>(at + n));
    }
    out.push_back(0);
    out.push_back(0x3B);
    return out;
}

}  // namespace

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
    const Bytes gif = LongStringGif(width, height, size);
    std::FILE* file = std::fopen(argv[4], "wb");
    if (file == nullptr || std::fwrite(gif.data(), 1, gif.size(), file) != gif.size() ||
        std::fclose(file) != 0) {
        std::perror(argv[4]);
        return 2;
    }
    return 0;
}
