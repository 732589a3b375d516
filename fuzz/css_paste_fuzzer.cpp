// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the CSS reading of Paste Tag: the tokenizer, the sheet and
// declaration parser, the value readers and the loading of a sheet into a style. Anything
// escaping, a crash or a hang is a fault. Besides that it checks what the main window relies
// on: colours are colours, the size step stays in 1..7, faces are named, picture mode is
// chosen only for the style's own picture, and the message lines stay short however long the
// input.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/PasteChecks.h"
#include "style/CssPaste.h"

namespace {

using fuzzcheck::Check;
using fuzzcheck::kMaxProblemLength;

constexpr std::string_view kOwnPicture = "tile.gif";

class SheetTarget : public fuzzcheck::CheckingTarget {
public:
    explicit SheetTarget(const TPastedTag& tag) : tag_(tag) {}

    // A sheet holds no text.
    void SetUserText(const std::string&) override { Check(false); }
    void SelectPictureMode() override { Check(tag_.picture == kOwnPicture); }
    void SelectColorMode() override { Check(tag_.picture == ""); }

private:
    const TPastedTag& tag_;
};

void CheckValues(const std::vector<CssDeclaration>& declarations) {
    std::vector<std::string> ignored;
    const CssFontValues font = ReadFontDeclarations(declarations, ignored);
    if (font.sizeStep.value)
        Check(*font.sizeStep.value >= kMinSizeStep && *font.sizeStep.value <= kMaxSizeStep);
    if (font.color.value) Check(font.color.value->color <= 0xFFFFFF);
    const CssBodyValues body = ReadBodyDeclarations(declarations, ignored);
    if (body.background.value) Check(body.background.value->color <= 0xFFFFFF);
    for (const std::string& name : ignored) Check(name.size() <= kMaxProblemLength);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const CssToken& token : TokenizeCss(text)) Check(!token.text.empty());

    const TPastedTag tag = ParsePastedSheet(text);
    if (tag.kind == TPastedKind::None) Check(tag.colors.empty() && tag.problems.empty() && !tag.setsFont);
    SheetTarget target(tag);
    for (const std::string& problem : LoadPastedTag(tag, target, kOwnPicture)) {
        Check(problem.size() <= kMaxProblemLength);
    }
    Check(PastedTagMessage(tag, tag.problems).size() < 64 * 1024);

    CheckValues(ParseCssDeclarations(text));
    for (const CssRule& rule : ParseCssSheet(text).rules) CheckValues(rule.declarations);
    return 0;
}
