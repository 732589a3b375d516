// SPDX-License-Identifier: GPL-3.0-or-later
#include "style/StyleSteps.h"

#include <array>

#include "platform/Translate.h"

namespace {

struct ColorStep {
    TColorTarget target;
    TStepKind kind;
    const char* name;
};

constexpr std::array<ColorStep, 6> kColorSteps = {{
    {ctFont, TStepKind::FontColor, QT_TRANSLATE_NOOP("Steps", "Font Color")},
    {ctBackground, TStepKind::BackColor, QT_TRANSLATE_NOOP("Steps", "Background Color")},
    {ctText, TStepKind::TextColor, QT_TRANSLATE_NOOP("Steps", "Text Color")},
    {ctLink, TStepKind::LinkColor, QT_TRANSLATE_NOOP("Steps", "Link Color")},
    {ctVisited, TStepKind::VisitedColor, QT_TRANSLATE_NOOP("Steps", "Visited Link Color")},
    {ctActive, TStepKind::ActiveColor, QT_TRANSLATE_NOOP("Steps", "Active Link Color")},
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
        if (color.kind == kind) return platform::Translate("Steps", color.name);
    }
    switch (kind) {
        case TStepKind::Face: return platform::Translate("Steps", "Face");
        case TStepKind::AltFaces:
            if (after.AltFaces.size() > before.AltFaces.size())
                return platform::Translate("Steps", "Add Alternate Face");
            if (after.AltFaces.size() < before.AltFaces.size())
                return platform::Translate("Steps", "Remove Alternate Face");
            return platform::Translate("Steps", "Alternate Faces");
        case TStepKind::Size: return platform::Translate("Steps", "Size");
        case TStepKind::Bold: return platform::Translate("Steps", "Bold");
        case TStepKind::Italic: return platform::Translate("Steps", "Italic");
        case TStepKind::Centering: return platform::Translate("Steps", "Centering");
        case TStepKind::Text: return platform::Translate("Steps", "Text");
        case TStepKind::Picture: return platform::Translate("Steps", "Picture");
        case TStepKind::Mode: return platform::Translate("Steps", "Background Mode");
        default: return platform::Translate("Steps", "Changes");
    }
}
