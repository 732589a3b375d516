// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/WebFaces.h"

#include <algorithm>
#include <array>

namespace platform {

namespace {

// The classic web faces a visitor's browser knows, each with the installed faces that have
// its metrics (fontconfig answers the classic name with them), best first. A page that
// names the classic face looks alike on a visitor's machine that has either.
struct WebFace {
    const char* face;
    std::array<const char*, 5> twins;
};

constexpr WebFace kWebFaces[] = {
    {"Arial", {"Liberation Sans", "Arimo"}},
    {"Times New Roman", {"Liberation Serif", "Tinos"}},
    {"Courier New", {"Liberation Mono", "Cousine"}},
    // Arial was drawn to Helvetica's metrics, so Arial's twins fit Helvetica as well.
    {"Helvetica", {"Nimbus Sans", "Nimbus Sans L", "TeX Gyre Heros", "Liberation Sans", "Arimo"}},
    {"Georgia", {"Gelasio"}},
    {"Calibri", {"Carlito"}},
    {"Cambria", {"Caladea"}},
};

constexpr const char* kGenericAliases[] = {"Sans Serif", "Serif", "Monospace"};

bool Contains(const std::vector<std::string>& names, std::string_view name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

}  // namespace

std::vector<std::string> FacesAsAuthorsNameThem(const std::vector<std::string>& plainFamilies) {
    std::vector<std::string> faces;
    for (const std::string& family : plainFamilies) {
        if (!family.empty() && !Contains(faces, family)) faces.push_back(family);
    }
    const std::vector<std::string> installed = faces;
    // Fontconfig's generic aliases are no faces a visitor's browser knows by that name.
    std::erase_if(faces, [](const std::string& face) {
        return std::any_of(std::begin(kGenericAliases), std::end(kGenericAliases),
                           [&](const char* alias) { return face == alias; });
    });
    for (const WebFace& web : kWebFaces) {
        if (Contains(faces, web.face)) continue;
        if (!InstalledTwins(web.face, installed).empty()) faces.emplace_back(web.face);
    }
    return faces;
}

std::vector<std::string> ClassicWebFaces() {
    std::vector<std::string> faces;
    for (const WebFace& web : kWebFaces) faces.emplace_back(web.face);
    return faces;
}

std::vector<std::string> InstalledTwins(std::string_view face, const std::vector<std::string>& installed) {
    std::vector<std::string> twins;
    for (const WebFace& web : kWebFaces) {
        if (face != web.face) continue;
        for (const char* twin : web.twins) {
            if (twin != nullptr && Contains(installed, twin)) twins.emplace_back(twin);
        }
    }
    return twins;
}

}  // namespace platform
