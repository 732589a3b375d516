// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/WebFaces.h"

namespace platform {

// Where the installed face names come from: the font database, or a fixed list in tests.
class FaceSource {
public:
    virtual ~FaceSource() = default;
    virtual std::vector<std::string> Families() const = 0;
    // The face shown for a generic family ("serif"...), or empty when unknown.
    virtual std::string GenericFace(std::string_view /*generic*/) const { return {}; }
};

// The installed faces as a web author writes them in FACE: plain family names, each once,
// in the order the source gives them, followed by the classic web faces that are not
// installed themselves but have an installed metric-compatible twin (Arial through
// Liberation Sans, for one).
std::vector<std::string> InstalledFaces();

// The face the source shows for a generic family, or empty.
std::string GenericFace(std::string_view generic);
// Replaces the source of the face names; null puts the font database back.
void SetFaceSource(std::unique_ptr<FaceSource> source);

// "Name [Foundry]", as the font database lists a family that several foundries offer,
// becomes "Name".
std::string PlainFamilyName(std::string_view family);

// Maps the classic web faces to their installed twins, and the faces our windows are
// designed in ("MS Sans Serif"...) to installed ones, when the source lacks them. Reads the
// face source, so it runs again after the source is replaced.
void InstallFontSubstitutions();

// A font of the face with a classic height: a negative height is a pixel size, a positive
// one a point size.
QFont MakeFont(const std::string& face, int height);

}  // namespace platform
