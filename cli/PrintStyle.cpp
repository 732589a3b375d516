// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/PrintStyle.h"

#include "cli/PrintText.h"

#include <filesystem>
#include <ostream>

#include "platform/Error.h"
#include "platform/IniFile.h"
#include "platform/Translate.h"
#include "style/PlainStyleTarget.h"
#include "style/StyleFile.h"

namespace {

// The faces the window prefers, for a file that names none.
const std::vector<std::string> kFacesWithoutDisplay = {"Comic Sans MS", "MS Sans Serif", "Arial"};

// The faces the file names, else those the window prefers: with no display there is no list
// of installed faces to choose from.
std::vector<std::string> FacesFor(const std::optional<std::string>& storedFace) {
    return storedFace ? std::vector<std::string>{*storedFace} : kFacesWithoutDisplay;
}

// Whether the file holds any key of a style: a file of some other kind (a picture, a
// program) reads as a style with every key missing, which is the default style, and a script
// that printed it would never hear that the file was wrong.
bool HoldsStyleKeys(const platform::IniText& text) {
    return !text.SectionValues("Font").empty() || !text.SectionValues("Body").empty();
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
        PrintLine(err, platform::Arg(platform::Translate("Errors", "Unable to read %1"), {path}));
        return 1;
    }
    try {
        const platform::IniText text = platform::TIniFile(path).ReadAll();
        if (!HoldsStyleKeys(text)) {
            PrintLine(err, platform::Arg(platform::Translate("Reading", "%1 holds no style."), {path}));
            return 1;
        }
        std::optional<std::string> face = text.Value("Font", "faceFont");
        if (face == "ERROR") face.reset();  // the style files' mark of a missing value
        PlainStyleTarget target(FacesFor(face));
        try {
            ReadStyleText(text, target, isFile);
        } catch (const platform::Error& damage) {
            PrintLine(out, PrintedText(what, target.style));
            PrintLine(err, damage.what());
            return 1;
        }
        PrintLine(out, PrintedText(what, target.style));
        return 0;
    } catch (const platform::Error& unreadable) {
        PrintLine(err, unreadable.what());
        return 1;
    }
}
