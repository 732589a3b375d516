// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/PrintStyle.h"

#include <filesystem>
#include <ostream>

#include "platform/Error.h"
#include "platform/IniFile.h"
#include "style/CssText.h"
#include "style/PlainStyleTarget.h"
#include "style/StyleFile.h"
#include "style/TagText.h"

namespace {

// The faces the window prefers, for a file that names none.
const std::vector<std::string> kFacesWithoutDisplay = {"Comic Sans MS", "MS Sans Serif", "Arial"};

// The faces the file names, else those the window prefers: with no display there is no list
// of installed faces to choose from.
std::vector<std::string> FacesFor(const std::optional<std::string>& storedFace) {
    return storedFace ? std::vector<std::string>{*storedFace} : kFacesWithoutDisplay;
}

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
        PlainStyleTarget target(FacesFor(face));
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
