// SPDX-License-Identifier: GPL-3.0-or-later
#include "style/Style.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace {

constexpr std::array<std::string_view, 3> kPreferredFaces = {"Comic Sans MS", "MS Sans Serif", "Arial"};
constexpr std::size_t kMaxFileNameLength = 255;

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(),
                      [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}

}  // namespace

TColor& TargetField(TStyle& style, TColorTarget target) {
    switch (target) {
        case ctFont: return style.FontColor;
        case ctBackground: return style.BackColor;
        case ctText: return style.TextColor;
        case ctLink: return style.LinkColor;
        case ctVisited: return style.VisitedColor;
        case ctActive: return style.ActiveColor;
    }
    return style.FontColor;
}

TColor TargetField(const TStyle& style, TColorTarget target) {
    return TargetField(const_cast<TStyle&>(style), target);
}

std::string DefaultFaceName(const std::vector<std::string>& sortedFaces) {
    for (std::string_view preferred : kPreferredFaces) {
        for (const std::string& face : sortedFaces) {
            if (SameIgnoringCase(face, preferred)) return face;
        }
    }
    return sortedFaces.empty() ? std::string() : sortedFaces.front();
}

TStyle DefaultStyle(const std::vector<std::string>& sortedFaces) {
    TStyle style;
    style.FaceName = DefaultFaceName(sortedFaces);
    return style;
}

std::string FileNamePart(std::string_view path) {
    const std::size_t slash = path.find_last_of('/');
    std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    return std::string(name.substr(0, kMaxFileNameLength));
}
