// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the Paste Tag reader as clipboard text, through gumbo's HTML parser
// and our reading of its tree, and loads what it finds into a style. Anything escaping, a
// crash or a hang is a fault. Besides that it checks what the main window relies on: colours
// are colours, the size step stays in 1..7, a face index is inside the face list, the text
// fits a style file, and the message lines stay short however long the input.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/PasteChecks.h"
#include "style/TagParser.h"

namespace {

using fuzzcheck::Check;
using fuzzcheck::kMaxProblemLength;

class TagTarget : public fuzzcheck::CheckingTarget {
public:
    void SetUserText(const std::string& text) override {
        Check(!text.empty());
        const auto characters =
            std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; });
        Check(static_cast<std::size_t>(characters) <= kMaxPastedTextLength);
    }
    // A tag holds no folder, so with no picture of the style's own a paste never selects
    // picture mode; a background without a picture selects colour.
    void SelectPictureMode() override { Check(false); }
    void SelectColorMode() override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const TPastedTag tag = ParsePastedTag(text);
    if (tag.kind == TPastedKind::None) Check(tag.colors.empty() && tag.problems.empty());
    TagTarget target;
    for (const std::string& problem : LoadPastedTag(tag, target)) Check(problem.size() <= kMaxProblemLength);
    return 0;
}
