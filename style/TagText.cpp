// SPDX-License-Identifier: GPL-3.0-or-later
#include "style/TagText.h"

#include "platform/AsciiCase.h"

#include "style/ColorValue.h"
#include "style/CssText.h"
#include "style/CssValues.h"
#include "style/FileUrl.h"

namespace {

// One face of FACE, which browsers read as CSS reads font-family: a generic family bare, as
// the keyword it is, any other face in single quotes. Only what would end the quotes or the
// attribute, or start a reference, is escaped, so that common names stand as they always did.
std::string FaceValue(const std::string& face) {
    if (IsGenericFamily(face)) return platform::LowerAscii(face);
    std::string quoted = "'";
    for (const char c : face) {
        switch (c) {
            case '\\': quoted += "\\\\"; break;
            case '\'': quoted += "\\'"; break;
            case '\n': quoted += "\\A "; break;
            case '\r': quoted += "\\D "; break;
            case '"': quoted += "&quot;"; break;
            case '&': quoted += "&amp;"; break;
            default: quoted += c; break;
        }
    }
    return quoted + "'";
}

}  // namespace

std::string MakeFontTag(const TStyle& style, bool withText) {
    std::string tag;
    if (style.Centered) tag += "<CENTER>";
    tag += "<FONT COLOR=\"#" + colorvalue::TagForm(style.FontColor) + "\" ";
    // The closing quote brings its own space and SIZE another: two spaces, as the tag has
    // always been written.
    tag += " SIZE=\"" + std::to_string(style.SizeStep) + "\"";
    tag += " FACE=\"" + FaceValue(style.FaceName);
    for (const std::string& face : style.AltFaces) tag += "," + FaceValue(face);
    tag += "\">";
    if (style.Italic) tag += "<I>";
    if (style.Bold) tag += "<B>";
    if (withText) tag += style.UserText;
    if (style.Bold) tag += "</B>";
    if (style.Italic) tag += "</I>";
    tag += "</FONT>";
    if (style.Centered) tag += "</CENTER>";
    return tag;
}

std::string MakeBodyTag(const TStyle& style) {
    using colorvalue::TagForm;
    std::string tag = "<BODY ";
    if (style.PictureMode && !style.PictureName.empty()) {
        // BACKGROUND is the body attribute browsers read for a background picture.
        tag += " BACKGROUND=\"" + RelativeFileUrl(style.PictureName) + "\" ";
    }
    tag += "BGCOLOR=\"#" + TagForm(style.BackColor) + "\" ";
    tag += "TEXT=\"#" + TagForm(style.TextColor) + "\" ";
    tag += "LINK=\"#" + TagForm(style.LinkColor) + "\" ";
    tag += "VLINK=\"#" + TagForm(style.VisitedColor) + "\" ";
    tag += "ALINK=\"#" + TagForm(style.ActiveColor) + "\" ";
    tag += ">";
    return tag;
}
