// SPDX-License-Identifier: GPL-3.0-or-later
#include "style/StyleSteps.h"

#include <array>

namespace {

struct ColorStep {
    TColorTarget target;
    TStepKind kind;
    const char* name;
};

constexpr std::array<ColorStep, 6> kColorSteps = {{
    {ctFont, TStepKind::FontColor, "Font Color"},
    {ctBackground, TStepKind::BackColor, "Background Color"},
    {ctText, TStepKind::TextColor, "Text Color"},
    {ctLink, TStepKind::LinkColor, "Link Color"},
    {ctVisited, TStepKind::VisitedColor, "Visited Link Color"},
    {ctActive, TStepKind::ActiveColor, "Active Link Color"},
}};

}  // namespace

TStepKind StepKind(const TStyle& before, const TStyle& after) {
    TStepKind found = TStepKind::None;
    const auto note = [&found](bool changed, TStepKind kind) {
        if (!changed || found == kind) return;
        found = found == TStepKind::None ? kind : TStepKind::Several;
    };
    for (const ColorStep& color : kColorSteps) {
        note(TargetField(before, color.target) != TargetField(after, color.target), color.kind);
    }
    note(before.FaceName != after.FaceName, TStepKind::Face);
    note(before.AltFaces != after.AltFaces, TStepKind::AltFaces);
    note(before.SizeStep != after.SizeStep, TStepKind::Size);
    note(before.Bold != after.Bold, TStepKind::Bold);
    note(before.Italic != after.Italic, TStepKind::Italic);
    note(before.Centered != after.Centered, TStepKind::Centering);
    note(before.UserText != after.UserText, TStepKind::Text);
    // A picture chosen on the Font page selects picture mode with it: one step, the picture.
    const bool picture = before.PicturePath != after.PicturePath || before.PictureName != after.PictureName;
    note(picture, TStepKind::Picture);
    note(!picture && before.PictureMode != after.PictureMode, TStepKind::Mode);
    return found;
}

std::string StepName(const TStyle& before, const TStyle& after) {
    const TStepKind kind = StepKind(before, after);
    for (const ColorStep& color : kColorSteps) {
        if (color.kind == kind) return color.name;
    }
    switch (kind) {
        case TStepKind::Face: return "Face";
        case TStepKind::AltFaces:
            if (after.AltFaces.size() > before.AltFaces.size()) return "Add Alternate Face";
            if (after.AltFaces.size() < before.AltFaces.size()) return "Remove Alternate Face";
            return "Alternate Faces";
        case TStepKind::Size: return "Size";
        case TStepKind::Bold: return "Bold";
        case TStepKind::Italic: return "Italic";
        case TStepKind::Centering: return "Centering";
        case TStepKind::Text: return "Text";
        case TStepKind::Picture: return "Picture";
        case TStepKind::Mode: return "Background Mode";
        default: return "Changes";
    }
}
