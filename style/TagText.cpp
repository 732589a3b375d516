// SPDX-License-Identifier: GPL-3.0-or-later
#include "style/TagText.h"

#include "style/ColorValue.h"

std::string MakeFontTag(const TStyle& style, bool withText) {
    std::string tag;
    if (style.Centered) tag += "<CENTER>";
    tag += "<FONT COLOR=\"#" + colorvalue::TagForm(style.FontColor) + "\" ";
    // The closing quote brings its own space and SIZE another: two spaces, as the tag has
    // always been written.
    tag += " SIZE=\"" + std::to_string(style.SizeStep) + "\"";
    tag += " FACE=\"'" + style.FaceName + "'";
    for (const std::string& face : style.AltFaces) tag += ",'" + face + "'";
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
        tag += " BACKGROUND=\"" + style.PictureName + "\" ";
    }
    tag += "BGCOLOR=\"#" + TagForm(style.BackColor) + "\" ";
    tag += "TEXT=\"#" + TagForm(style.TextColor) + "\" ";
    tag += "LINK=\"#" + TagForm(style.LinkColor) + "\" ";
    tag += "VLINK=\"#" + TagForm(style.VisitedColor) + "\" ";
    tag += "ALINK=\"#" + TagForm(style.ActiveColor) + "\" ";
    tag += ">";
    return tag;
}
