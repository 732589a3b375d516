// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the style reader as a style file's content, decoded and read from
// memory with the same rules a file on disk goes through. A colour that is not hexadecimal ends the
// read with its message, as it does in the program; anything else escaping, a crash or a hang
// is a fault. Besides that it checks what the main window relies on: the steps come in their
// order, a face index is inside the face list, and no value is longer than the read limit.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Error.h"
#include "platform/IniText.h"
#include "platform/TextEncoding.h"
#include "style/StyleFile.h"

namespace {

constexpr std::size_t kMaxValueBytes = 4 * platform::kIniMaxValueLength;
const std::vector<std::string> kFaces = {"Arial", "Comic Sans MS", "arial", "Verdana", "Arial"};

void Check(bool condition) {
    if (!condition) std::abort();
}

// Counts the steps and checks each value as it arrives.
class CheckingTarget : public StyleTarget {
public:
    void SetColor(TColorTarget, TColor color) override {
        Step(colors_ < 6 ? 0 : -1);
        ++colors_;
        Check(color <= 0xFFFFFF);
    }
    std::vector<std::string> Faces() const override { return kFaces; }
    void SelectFace(int index) override {
        Step(1);
        Check(index >= 0 && index < static_cast<int>(kFaces.size()));
    }
    void SetCentered(bool) override { Step(2); }
    void SetBold(bool) override { Step(3); }
    void SetItalic(bool) override { Step(4); }
    void SetSizeStep(int) override { Step(5); }
    void SetUserText(const std::string& text) override {
        Step(6);
        Check(text.size() <= kMaxValueBytes);
    }
    void SetPicture(const std::string& path, const std::string& name) override {
        Step(7);
        Check(path.size() <= kMaxValueBytes && name.size() <= 255 && name.find('/') == std::string::npos);
    }
    void SelectPictureMode() override { Step(8); }
    void SelectColorMode() override { Step(8); }
    void SetAltFaces(std::vector<std::string> faces) override {
        Step(9);
        for (const std::string& face : faces) Check(face.size() <= kMaxValueBytes);
    }
    void ShowFontTag() override { Step(10); }
    void ShowBackColor() override { Step(11); }

    bool Finished() const { return last_ == 11; }

private:
    // Steps never go back; colours come six in a row, first.
    void Step(int step) {
        Check(step >= 0 && step >= last_);
        last_ = step;
    }

    int colors_ = 0;
    int last_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const platform::IniText text{
        platform::DecodeText(std::string_view(reinterpret_cast<const char*>(data), size)).utf8};
    CheckingTarget target;
    try {
        // Absolute paths "exist", so that both kinds of background are reached.
        ReadStyleText(text, target, [](const std::string& path) { return path.starts_with('/'); });
        Check(target.Finished());
    } catch (const platform::Error& e) {
        // The message quotes the value, which may hold a NUL that ends what() early.
        Check(std::string_view(e.what()).starts_with("'$"));
        Check(!target.Finished());
    }
    return 0;
}
