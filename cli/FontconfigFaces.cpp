// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/FontconfigFaces.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <memory>

namespace {

struct PatternFree {
    void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
using Pattern = std::unique_ptr<FcPattern, PatternFree>;

// The pattern's first family name, or empty.
std::string FirstFamily(const FcPattern* pattern) {
    FcChar8* family = nullptr;
    if (FcPatternGetString(pattern, FC_FAMILY, 0, &family) != FcResultMatch || family == nullptr) return {};
    return reinterpret_cast<const char*>(family);
}

}  // namespace

FontconfigFaces::FontconfigFaces() : config_(FcInitLoadConfigAndFonts()) {}

FontconfigFaces::~FontconfigFaces() {
    if (config_ != nullptr) FcConfigDestroy(config_);
}

std::vector<std::string> FontconfigFaces::Families() const {
    std::vector<std::string> families;
    if (config_ == nullptr) return families;
    Pattern any(FcPatternCreate());
    FcObjectSet* objects = FcObjectSetBuild(FC_FAMILY, nullptr);
    FcFontSet* fonts = FcFontList(config_, any.get(), objects);
    FcObjectSetDestroy(objects);
    if (fonts == nullptr) return families;
    for (int i = 0; i < fonts->nfont; ++i) {
        std::string family = FirstFamily(fonts->fonts[i]);
        if (!family.empty()) families.push_back(std::move(family));
    }
    FcFontSetDestroy(fonts);
    std::sort(families.begin(), families.end());
    families.erase(std::unique(families.begin(), families.end()), families.end());
    return families;
}

std::string FontconfigFaces::Face(std::string_view family) const {
    if (config_ == nullptr) return {};
    Pattern pattern(FcPatternCreate());
    const std::string name(family);
    FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(name.c_str()));
    FcConfigSubstitute(config_, pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());
    FcResult result = FcResultNoMatch;
    const Pattern match(FcFontMatch(config_, pattern.get(), &result));
    return match ? FirstFamily(match.get()) : std::string();
}
