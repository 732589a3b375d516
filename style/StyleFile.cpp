// SPDX-License-Identifier: GPL-3.0-or-later
#include "style/StyleFile.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>
#include <utility>

#include "platform/AsciiCase.h"
#include "platform/IniFile.h"
#include "style/ColorValue.h"

namespace {

constexpr std::string_view kBody = "Body";
constexpr std::string_view kFont = "Font";
constexpr std::string_view kAltFonts = "AltFonts";

// Every text key is read with this default, and a stored value equal to it counts as missing.
constexpr std::string_view kMissing = "ERROR";
constexpr int kMissingInteger = -1;
constexpr int kSizeStepWhenMissing = 6;
constexpr std::string_view kUserTextWhenMissing = "Velloran";

struct ColorKey {
    std::string_view section;
    std::string_view key;
    TColorTarget target;
};

// In the order they are written and read; a read that fails at one has set those before it.
constexpr ColorKey kColorKeys[] = {
    {kBody, "colorBG", ctBackground}, {kBody, "colorText", ctText},     {kBody, "colorVisited", ctVisited},
    {kBody, "colorNew", ctLink},      {kBody, "colorActive", ctActive}, {kFont, "colorFont", ctFont},
};

// IniText seen through the read calls of a file, so that one read serves both.
class TextReader {
public:
    explicit TextReader(const platform::IniText& text) : text_(text) {}

    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const {
        return text_.Value(section, key).value_or(std::string(defaultValue));
    }
    int ReadInteger(std::string_view section, std::string_view key, int defaultValue) const {
        const std::optional<std::string> value = text_.Value(section, key);
        return value ? platform::ParseIniInteger(*value).value_or(defaultValue) : defaultValue;
    }
    std::vector<std::string> ReadSectionValues(std::string_view section) const {
        return text_.SectionValues(section);
    }

private:
    const platform::IniText& text_;
};

template <typename Ini>
std::optional<std::string> ReadText(const Ini& ini, std::string_view section, std::string_view key) {
    std::string value = ini.ReadString(section, key, kMissing);
    if (value == kMissing) return std::nullopt;
    return value;
}

// The alternate faces: one entry per key line of the section, entry i being the value of key
// "AltFonts<i>" (case ignored; missing gives ""). The section is read once and its keys looked
// up in memory, which gives what one read per key would, the first line of a key counting,
// without reading the whole file again for every entry of a long list.
template <typename Ini>
std::vector<std::string> ReadAltFaces(const Ini& ini) {
    const std::vector<std::string> lines = ini.ReadSectionValues(kAltFonts);
    std::unordered_map<std::string, std::string_view> firstValues;
    for (const std::string& line : lines) {
        const std::size_t equals = line.find('=');
        firstValues.try_emplace(platform::LowerAscii(std::string_view(line).substr(0, equals)),
                                std::string_view(line).substr(equals + 1));
    }
    std::vector<std::string> faces;
    faces.reserve(lines.size());
    const std::string keyStem = platform::LowerAscii(kAltFonts);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto found = firstValues.find(keyStem + std::to_string(i));
        if (found == firstValues.end() || found->second == kMissing) {
            faces.emplace_back();
        } else {
            faces.emplace_back(found->second);
        }
    }
    return faces;
}

template <typename Ini>
void ReadStyleFrom(const Ini& ini, StyleTarget& target, const FileExistsCheck& fileExists) {
    const TStyle defaults;
    for (const ColorKey& color : kColorKeys) {
        const std::optional<std::string> value = ReadText(ini, color.section, color.key);
        target.SetColor(color.target,
                        value ? colorvalue::FileFormToColor(*value) : TargetField(defaults, color.target));
    }

    target.SelectFace(ChooseFace(target.Faces(), ReadText(ini, kFont, "faceFont")));

    // Only the exact lower-case letters switch away from the default.
    target.SetCentered(ReadText(ini, kFont, "justify") != "l");
    target.SetBold(ReadText(ini, kFont, "weight") == "b");
    target.SetItalic(ReadText(ini, kFont, "italic") == "i");

    const int size = ini.ReadInteger(kFont, "fontsize", kMissingInteger);
    target.SetSizeStep(size == kMissingInteger ? kSizeStepWhenMissing : size);

    target.SetUserText(ReadText(ini, kFont, "caption").value_or(std::string(kUserTextWhenMissing)));

    if (const std::optional<std::string> background = ReadText(ini, kFont, "background")) {
        if (fileExists(*background)) {
            target.SetPicture(*background, FileNamePart(*background));
            // The stored mode holds either way, so that a colour style opened after a picture
            // style is shown, and written back, in colour mode.
            if (ini.ReadInteger(kFont, "picture", 0) != 0) {
                target.SelectPictureMode();
            } else {
                target.SelectColorMode();
            }
        } else {
            // The picture named is gone: fall back to the colour, keeping whatever picture the
            // window had.
            target.SelectColorMode();
        }
    }

    target.SetAltFaces(ReadAltFaces(ini));

    target.ShowFontTag();
    target.ShowBackColor();
}

}  // namespace

int ChooseFace(const std::vector<std::string>& faces, const std::optional<std::string>& stored) {
    if (faces.empty()) return -1;
    if (!stored) {
        // The default face is named as the list writes it, so it is found exactly.
        const auto first = std::find(faces.begin(), faces.end(), DefaultFaceName(faces));
        return static_cast<int>(std::distance(faces.begin(), first));
    }
    const auto last = std::find(faces.rbegin(), faces.rend(), *stored);
    return last == faces.rend() ? 0 : static_cast<int>(std::distance(last, faces.rend()) - 1);
}

// The file is read once and every key looked up in memory: the keys read as one read per key
// would read them, and a file that exists but cannot be read is reported before anything of
// the style changes, instead of passing for an empty file that Save would then overwrite.
void ReadStyle(const std::string& path, StyleTarget& target, const FileExistsCheck& fileExists) {
    ReadStyleText(platform::TIniFile(path).ReadAll(), target, fileExists);
}

void ReadStyleText(const platform::IniText& text, StyleTarget& target, const FileExistsCheck& fileExists) {
    ReadStyleFrom(TextReader(text), target, fileExists);
}

// Every key is changed in memory and the file replaced once, so a long list of alternate faces
// costs one write, and a failed write leaves the file as it was.
void WriteStyle(const std::string& path, const TStyle& style) {
    platform::TIniFile(path).Change([&style](platform::IniText& ini) {
        for (const ColorKey& color : kColorKeys) {
            ini.SetValue(color.section, color.key, colorvalue::FileForm(TargetField(style, color.target)));
        }
        ini.SetValue(kFont, "faceFont", style.FaceName);
        ini.SetValue(kFont, "justify", style.Centered ? "c" : "l");
        ini.SetValue(kFont, "weight", style.Bold ? "b" : "p");
        ini.SetValue(kFont, "italic", style.Italic ? "i" : "p");
        ini.SetValue(kFont, "fontsize", std::to_string(style.SizeStep));
        ini.SetValue(kFont, "caption", style.UserText);
        ini.SetValue(kFont, "background", style.PicturePath);
        ini.SetValue(kFont, "picture", style.PictureMode ? "1" : "0");

        std::vector<std::pair<std::string, std::string>> altFaces;
        altFaces.reserve(style.AltFaces.size());
        for (std::size_t i = 0; i < style.AltFaces.size(); ++i) {
            altFaces.emplace_back(std::string(kAltFonts) + std::to_string(i), style.AltFaces[i]);
        }
        ini.ReplaceSection(kAltFonts, altFaces);
    });
}
