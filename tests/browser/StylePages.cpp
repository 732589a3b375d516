// SPDX-License-Identifier: GPL-3.0-or-later
// style_pages OUTDIR STYLE.vls...: for each style file, the three pages the browser test
// compares, written by the program's own code into OUTDIR/<style name>/:
//
//   legacy.html  the font tag with its text and the body tag (Copy Font Tag with Text, the
//                Body page's copy), in a page with a doctype
//   html5.html   Copy as HTML5 in a page whose head holds Copy as CSS for the body and links
//   export.html  the page Export Page and View in Browser write
//
// with the style's picture copied beside them under its own name, as Export Page copies it.
// All three end with the same link samples. A style is read as `velloran --print` reads it.
#include <filesystem>
#include <iostream>
#include <optional>

#include "platform/AtomicWrite.h"
#include "platform/Error.h"
#include "platform/IniFile.h"
#include "style/CssText.h"
#include "style/Html5Text.h"
#include "style/PlainStyleTarget.h"
#include "style/StyleFile.h"
#include "style/TagText.h"

namespace {

namespace fs = std::filesystem;

TStyle ReadStyleFile(const std::string& path) {
    const platform::IniText text = platform::TIniFile(path).ReadAll();
    std::optional<std::string> face = text.Value("Font", "faceFont");
    PlainStyleTarget target(face ? std::vector<std::string>{*face} : std::vector<std::string>{});
    ReadStyleText(text, target, [](const std::string& file) { return fs::is_regular_file(file); });
    return target.style;
}

std::string Head(std::string_view title, const std::string& sheet) {
    return "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n<title>" +
           HtmlEscape(title) + "</title>\n" + (sheet.empty() ? "" : "<style>\n" + sheet + "</style>\n") +
           "</head>\n";
}

void WritePages(const TStyle& style, const std::string& title, const fs::path& folder) {
    fs::create_directories(folder);
    platform::WriteFileAtomically((folder / "legacy.html").string(),
                                  Head(title, "") + MakeBodyTag(style) + "\n" + MakeFontTag(style, true) +
                                      "\n" + std::string(kPageLinkSamples) + "</BODY>\n</html>\n");
    platform::WriteFileAtomically((folder / "html5.html").string(),
                                  Head(title, MakeCss(style)) + "<body>\n" + MakeHtml5(style) + "\n" +
                                      std::string(kPageLinkSamples) + "</body>\n</html>\n");
    platform::WriteFileAtomically((folder / "export.html").string(), MakeHtml5Page(style, title));
    if (style.PictureMode && !style.PictureName.empty() && !style.PicturePath.empty()) {
        fs::copy_file(style.PicturePath, folder / style.PictureName, fs::copy_options::overwrite_existing);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << "usage: style_pages OUTDIR STYLE.vls...\n";
        return 2;
    }
    try {
        for (int i = 2; i < argc; ++i) {
            const fs::path style = argv[i];
            WritePages(ReadStyleFile(style.string()), style.stem().string(),
                       fs::path(argv[1]) / style.stem());
        }
    } catch (const std::exception& error) {
        std::cerr << error.what() << "\n";
        return 1;
    }
    return 0;
}
