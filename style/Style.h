// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/Color.h"

using platform::TColor;

// Everything the user chooses for one font tag and one body tag.
struct TStyle {
    TColor BackColor = 0x000000;
    TColor TextColor = 0xFFFFFF;
    TColor LinkColor = 0xFFFF00;
    TColor VisitedColor = 0x008000;
    TColor ActiveColor = 0x00FFFF;
    bool PictureMode = false;
    std::string PicturePath;
    std::string PictureName;
    TColor FontColor = 0x00FFFF;
    std::string FaceName;
    std::vector<std::string> AltFaces;
    int SizeStep = 6;
    bool Bold = false;
    bool Italic = false;
    bool Centered = true;
    std::string UserText = "Velloran";

    friend bool operator==(const TStyle&, const TStyle&) = default;
};

// The style colour that the colour panel edits.
enum TColorTarget { ctFont, ctBackground, ctText, ctLink, ctVisited, ctActive };

TColor& TargetField(TStyle& style, TColorTarget target);
TColor TargetField(const TStyle& style, TColorTarget target);

inline constexpr int kMinSizeStep = 1;
inline constexpr int kMaxSizeStep = 7;

// The face a style starts with: the first of the preferred faces the list holds (compared
// ignoring case, taken as the list writes it), else the list's first face.
std::string DefaultFaceName(const std::vector<std::string>& sortedFaces);

// What a style holds when nothing has been read for it.
TStyle DefaultStyle(const std::vector<std::string>& sortedFaces);

// The file-name part of a path: what follows the last separator, at most 255 characters.
std::string FileNamePart(std::string_view path);
