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

#include "style/TagParser.h"

namespace {

const std::vector<std::string> kFaces = {"Arial", "Comic Sans MS", "arial", "Verdana"};
constexpr std::size_t kMaxProblemLength = 200;

void Check(bool condition) {
    if (!condition) std::abort();
}

class CheckingTarget : public StyleTarget {
public:
    void SetColor(TColorTarget, TColor color) override { Check(color <= 0xFFFFFF); }
    std::vector<std::string> Faces() const override { return kFaces; }
    void SelectFace(int index) override { Check(index >= 0 && index < static_cast<int>(kFaces.size())); }
    void SetCentered(bool) override {}
    void SetBold(bool) override {}
    void SetItalic(bool) override {}
    void SetSizeStep(int step) override { Check(step >= kMinSizeStep && step <= kMaxSizeStep); }
    void SetUserText(const std::string& text) override {
        Check(!text.empty());
        const auto characters =
            std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; });
        Check(static_cast<std::size_t>(characters) <= kMaxPastedTextLength);
    }
    // A tag holds no folder, so a paste never sets a picture, and with no picture of the
    // style's own it never selects picture mode; a background without a picture selects colour.
    void SetPicture(const std::string&, const std::string&) override { Check(false); }
    void SelectPictureMode() override { Check(false); }
    void SelectColorMode() override {}
    void SetAltFaces(std::vector<std::string> faces) override {
        for (const std::string& face : faces) Check(!face.empty());
    }
    void ShowFontTag() override {}
    void ShowBackColor() override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const TPastedTag tag = ParsePastedTag(text);
    if (tag.kind == TPastedKind::None) Check(tag.colors.empty() && tag.problems.empty());
    CheckingTarget target;
    for (const std::string& problem : LoadPastedTag(tag, target)) Check(problem.size() <= kMaxProblemLength);
    return 0;
}
