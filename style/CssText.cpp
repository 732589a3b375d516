// SPDX-License-Identifier: GPL-3.0-or-later
#include "style/CssText.h"

#include <algorithm>
#include <array>

#include "platform/AsciiCase.h"
#include "style/ColorValue.h"
#include "style/CssValues.h"
#include "style/FileUrl.h"

namespace {

constexpr std::string_view kLegacySizes[] = {"x-small", "small",    "medium",   "large",
                                             "x-large", "xx-large", "xxx-large"};
static_assert(std::size(kLegacySizes) == kMaxSizeStep - kMinSizeStep + 1);

// The generic families are keywords: quoted, "sans-serif" would ask for a face of that name.
std::string Color(TColor color) { return "#" + colorvalue::TagForm(color); }

std::string Declaration(std::string_view property, std::string_view value) {
    return "  " + std::string(property) + ": " + std::string(value) + ";\n";
}

std::string Rule(std::string_view selector, const std::string& declarations) {
    return std::string(selector) + " {\n" + declarations + "}\n";
}

std::string Family(std::string_view face) {
    return IsGenericFamily(face) ? platform::LowerAscii(face) : CssString(face);
}

}  // namespace

std::string CssFontFamily(const TStyle& style) {
    std::string family = Family(style.FaceName);
    for (const std::string& face : style.AltFaces) family += ", " + Family(face);
    return family;
}

std::string_view CssFontSize(int sizeStep) {
    if (sizeStep < kMinSizeStep || sizeStep > kMaxSizeStep) return {};
    return kLegacySizes[sizeStep - kMinSizeStep];
}

std::string CssString(std::string_view text) {
    std::string quoted = "\"";
    for (const char c : text) {
        switch (c) {
            case '"': quoted += "\\\""; break;
            case '\\': quoted += "\\\\"; break;
            // A raw line break ends a CSS string in error; a hexadecimal escape keeps it, and
            // the space after it ends the escape.
            case '\n': quoted += "\\A "; break;
            case '\r': quoted += "\\D "; break;
            case '\f': quoted += "\\C "; break;
            default: quoted += c; break;
        }
    }
    return quoted + "\"";
}

std::string MakeCss(const TStyle& style) {
    std::string body = Declaration("background-color", Color(style.BackColor)) +
                       Declaration("color", Color(style.TextColor));
    // The same condition as the body tag's picture: a picture chosen but not selected stays out.
    if (style.PictureMode && !style.PictureName.empty()) {
        body += Declaration("background-image", "url(" + CssString(RelativeFileUrl(style.PictureName)) + ")");
    }

    std::string font =
        Declaration("color", Color(style.FontColor)) + Declaration("font-family", CssFontFamily(style));
    if (const std::string_view size = CssFontSize(style.SizeStep); !size.empty()) {
        font += Declaration("font-size", size);
    }
    if (style.Bold) font += Declaration("font-weight", "bold");
    if (style.Italic) font += Declaration("font-style", "italic");
    if (style.Centered) font += Declaration("text-align", "center");

    return Rule("body", body) + "\n" +                                                  //
           Rule("a:link", Declaration("color", Color(style.LinkColor))) + "\n" +        //
           Rule("a:visited", Declaration("color", Color(style.VisitedColor))) + "\n" +  //
           Rule("a:active", Declaration("color", Color(style.ActiveColor))) + "\n" +    //
           Rule("." + std::string(kCssFontClass), font);
}
