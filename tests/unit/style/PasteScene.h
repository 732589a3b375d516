// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "style/Style.h"

// The style a paste lands on in the readers' tests: unlike the default and unlike every
// pasted value in each field a tag or a sheet carries, so that each field loaded shows.
inline TStyle StyleBeforePaste() {
    TStyle style;
    style.BackColor = 0x111111;
    style.TextColor = 0x222222;
    style.LinkColor = 0x333333;
    style.VisitedColor = 0x444444;
    style.ActiveColor = 0x555555;
    style.FontColor = 0x666666;
    style.FaceName = "Verdana";
    style.AltFaces = {"Abadi"};
    style.SizeStep = 2;
    style.Bold = true;
    style.Italic = true;
    style.Centered = true;
    style.UserText = "before";
    style.PicturePath = "/p/old.gif";
    style.PictureName = "old.gif";
    return style;
}
