// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "style/Style.h"

// How the undo history names and groups a change of the style, from the style before and
// after it. Pure, so that every kind of change is named without a window.

// What a step changed. Steps of the same kind made in one mouse drag merge into one.
enum class TStepKind {
    None,
    FontColor,
    BackColor,
    TextColor,
    LinkColor,
    VisitedColor,
    ActiveColor,
    Face,
    AltFaces,
    Size,
    Bold,
    Italic,
    Centering,
    Text,
    Picture,
    Mode,
    Several,
};

TStepKind StepKind(const TStyle& before, const TStyle& after);

// The step's name as the Edit menu shows it after "Undo " or "Redo ": "Font Color",
// "Add Alternate Face", "Size"... A change of several kinds at once is "Changes".
std::string StepName(const TStyle& before, const TStyle& after);
