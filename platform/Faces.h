#pragma once

#include <QFont>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Where the installed face names come from: the font database, or a fixed list in tests.
class FaceSource {
public:
    virtual ~FaceSource() = default;
    virtual std::vector<std::string> Families() const = 0;
};

// The installed faces as a web author writes them in FACE: plain family names, each once,
// in the order the source gives them.
std::vector<std::string> InstalledFaces();
void SetFaceSource(std::unique_ptr<FaceSource> source);

// "Name [Foundry]", as the font database lists a family that several foundries offer,
// becomes "Name".
std::string PlainFamilyName(std::string_view family);

// Maps the faces our windows are designed in ("MS Sans Serif", "Times New Roman"...) to
// installed ones when the desktop lacks them.
void InstallFontSubstitutions();

// A font of the face with a classic height: a negative height is a pixel size, a positive
// one a point size.
QFont MakeFont(const std::string& face, int height);

}  // namespace platform
