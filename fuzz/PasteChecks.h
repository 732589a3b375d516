// SPDX-License-Identifier: GPL-3.0-or-later
// What both Paste Tag fuzz targets check in the values a paste hands to a style: colours are
// colours, the size step stays in 1..7, a face index is inside the face list, faces are named,
// and a paste never sets a picture of its own. Each target adds what its input may set.
#pragma once

#include <cstddef>
#include <cstdlib>
#include <string>
#include <vector>

#include "style/StyleFile.h"

namespace fuzzcheck {

inline const std::vector<std::string> kFaces = {"Arial", "Comic Sans MS", "arial", "Verdana"};
inline constexpr std::size_t kMaxProblemLength = 200;

inline void Check(bool condition) {
    if (!condition) std::abort();
}

class CheckingTarget : public StyleTarget {
public:
    void SetColor(TColorTarget, TColor color) override { Check(color <= 0xFFFFFF); }
    std::vector<std::string> Faces() const override { return kFaces; }
    // One generic the list holds, one it lacks, the others unknown.
    std::string GenericFace(std::string_view generic) const override {
        return generic == "serif" ? "Verdana" : generic == "monospace" ? "Nowhere Mono" : "";
    }
    void SelectFace(int index) override { Check(index >= 0 && index < static_cast<int>(kFaces.size())); }
    void SetCentered(bool) override {}
    void SetBold(bool) override {}
    void SetItalic(bool) override {}
    void SetSizeStep(int step) override { Check(step >= kMinSizeStep && step <= kMaxSizeStep); }
    void SetPicture(const std::string&, const std::string&) override { Check(false); }
    void SetAltFaces(std::vector<std::string> faces) override {
        for (const std::string& face : faces) Check(!face.empty());
    }
    void ShowFontTag() override {}
    void ShowBackColor() override {}
};

}  // namespace fuzzcheck
