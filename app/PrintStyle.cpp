#include "app/PrintStyle.h"

#include <filesystem>
#include <ostream>

#include "platform/Error.h"
#include "platform/IniFile.h"
#include "style/CssText.h"
#include "style/StyleFile.h"
#include "style/TagText.h"

namespace {

// The faces the window prefers, for a file that names none.
const std::vector<std::string> kFacesWithoutDisplay = {"Comic Sans MS", "MS Sans Serif", "Arial"};

// The style reader's target over a plain style: each value lands as the window's controls
// would hold it.
class PlainStyle : public StyleTarget {
public:
    explicit PlainStyle(std::optional<std::string> storedFace) {
        faces_ = storedFace ? std::vector<std::string>{*storedFace} : kFacesWithoutDisplay;
    }

    void SetColor(TColorTarget target, TColor color) override { TargetField(style, target) = color; }
    std::vector<std::string> Faces() const override { return faces_; }
    void SelectFace(int index) override {
        style.FaceName = index >= 0 ? faces_[static_cast<std::size_t>(index)] : std::string();
    }
    void SetCentered(bool centered) override { style.Centered = centered; }
    void SetBold(bool bold) override { style.Bold = bold; }
    void SetItalic(bool italic) override { style.Italic = italic; }
    // The size bar refuses a step outside its range and keeps its position.
    void SetSizeStep(int step) override {
        if (step >= kMinSizeStep && step <= kMaxSizeStep) style.SizeStep = step;
    }
    void SetUserText(const std::string& text) override { style.UserText = text; }
    void SetPicture(const std::string& path, const std::string& name) override {
        style.PicturePath = path;
        style.PictureName = name;
    }
    void SelectPictureMode() override { style.PictureMode = true; }
    void SelectColorMode() override { style.PictureMode = false; }
    void SetAltFaces(std::vector<std::string> faces) override { style.AltFaces = std::move(faces); }
    void ShowFontTag() override {}
    void ShowBackColor() override {}

    TStyle style;

private:
    std::vector<std::string> faces_;
};

std::string TextOf(const std::string& what, const TStyle& style) {
    if (what == "font") return MakeFontTag(style, false);
    if (what == "font-text") return MakeFontTag(style, true);
    if (what == "body") return MakeBodyTag(style);
    return MakeCss(style);
}

void PrintLine(std::ostream& out, const std::string& text) {
    out << text;
    if (text.empty() || text.back() != '\n') out << '\n';
    out.flush();
}

}  // namespace

int PrintStyle(const std::string& what, const std::string& path, std::ostream& out, std::ostream& err) {
    std::error_code ignored;
    const auto isFile = [&ignored](const std::string& file) {
        return !file.empty() && std::filesystem::is_regular_file(file, ignored);
    };
    // A file that is not there would read as the default style; a script asking for it has
    // the name wrong, and must hear so.
    if (!std::filesystem::exists(path, ignored)) {
        PrintLine(err, "Unable to read " + path);
        return 1;
    }
    try {
        const platform::IniText text = platform::TIniFile(path).ReadAll();
        std::optional<std::string> face = text.Value("Font", "faceFont");
        if (face == "ERROR") face.reset();  // the style files' mark of a missing value
        PlainStyle target(face);
        try {
            ReadStyleText(text, target, isFile);
        } catch (const platform::Error& damage) {
            PrintLine(out, TextOf(what, target.style));
            PrintLine(err, damage.what());
            return 1;
        }
        PrintLine(out, TextOf(what, target.style));
        return 0;
    } catch (const platform::Error& unreadable) {
        PrintLine(err, unreadable.what());
        return 1;
    }
}
