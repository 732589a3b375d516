// SPDX-License-Identifier: GPL-3.0-or-later
// Decodes any input with both LZW decoders. Beyond the sanitizers' checks, the two decoders
// must give identical frames: a difference aborts the run.

#include <cstdlib>

#include "controls/GIFDecoder.h"

namespace {

bool SameFrames(const gif::TGIFDecoding& a, const gif::TGIFDecoding& b) {
    if (a.FrameCount() != b.FrameCount() || a.LoopCount != b.LoopCount ||
        a.AnyTransparent != b.AnyTransparent)
        return false;
    for (int i = 0; i < a.FrameCount(); ++i) {
        const gif::TGIF& f = a.Frames[i];
        const gif::TGIF& g = b.Frames[i];
        if (f.Width != g.Width || f.Height != g.Height || f.Delay != g.Delay ||
            f.ColorTable != g.ColorTable || f.Image != g.Image || f.Mask != g.Mask ||
            f.MaskedColorTable != g.MaskedColorTable)
            return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    gif::TGIFDecoding strings;
    gif::TGIFDecoding reference;
    if (strings.Decode(bytes) != reference.Decode(bytes, gif::LzwMethod::Reference) ||
        !SameFrames(strings, reference))
        std::abort();
    return 0;
}
