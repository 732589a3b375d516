// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the reader of what a second copy (or anyone else of the same user)
// writes to the running copy's socket, cut into pieces where the first byte says. Besides
// crashes, it checks the reader's promises: a path it hands over is absolute, within the
// length limit and without a NUL, and feeding the same bytes whole gives the same answer.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "controls/GuardMessage.h"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::size_t piece = data[0] % 64 + 1;
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    controls::TGuardMessageReader pieces;
    for (std::size_t at = 0; at < bytes.size(); at += piece) pieces.Feed(bytes.substr(at, piece));
    controls::TGuardMessageReader whole;
    whole.Feed(bytes);
    Check(pieces.Current() == whole.Current());
    Check(pieces.Path() == whole.Path());
    if (whole.Current() == controls::TGuardMessageReader::State::OpenStyle) {
        const std::string& path = whole.Path();
        Check(!path.empty() && path.front() == '/' && path.size() <= controls::kMaxGuardPathBytes);
        Check(path.find('\0') == std::string::npos);
    }
    return 0;
}
