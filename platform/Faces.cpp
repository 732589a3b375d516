#include "platform/Faces.h"

#include <QFontDatabase>
#include <QStringList>
#include <algorithm>

namespace platform {

namespace {

class FontDatabaseFaces : public FaceSource {
public:
    std::vector<std::string> Families() const override {
        std::vector<std::string> families;
        for (const QString& family : QFontDatabase::families()) {
            if (!QFontDatabase::isPrivateFamily(family)) families.push_back(family.toStdString());
        }
        return families;
    }
};

std::unique_ptr<FaceSource>& Source() {
    static std::unique_ptr<FaceSource> source = std::make_unique<FontDatabaseFaces>();
    return source;
}

struct Substitution {
    const char* face;
    QStringList replacements;
};

}  // namespace

std::string PlainFamilyName(std::string_view family) {
    const std::size_t open = family.rfind(" [");
    if (open != std::string_view::npos && !family.empty() && family.back() == ']') {
        family = family.substr(0, open);
    }
    return std::string(family);
}

std::vector<std::string> InstalledFaces() {
    std::vector<std::string> faces;
    for (const std::string& family : Source()->Families()) {
        std::string name = PlainFamilyName(family);
        if (!name.empty() && std::find(faces.begin(), faces.end(), name) == faces.end()) {
            faces.push_back(std::move(name));
        }
    }
    return faces;
}

void SetFaceSource(std::unique_ptr<FaceSource> source) { Source() = std::move(source); }

void InstallFontSubstitutions() {
    // Liberation's faces have the metrics of the classic ones, so text fits the layout alike.
    const QStringList sans = {"Liberation Sans", "DejaVu Sans", "Noto Sans", "Sans Serif"};
    const QStringList serif = {"Liberation Serif", "DejaVu Serif", "Noto Serif", "Serif"};
    const Substitution substitutions[] = {
        {"MS Sans Serif", sans},
        {"Arial", sans},
        {"Times New Roman", serif},
        {"Comic Sans MS", sans},
    };
    for (const auto& s : substitutions) {
        if (!QFontDatabase::hasFamily(s.face)) QFont::insertSubstitutions(s.face, s.replacements);
    }
}

QFont MakeFont(const std::string& face, int height) {
    QFont font(QString::fromStdString(face));
    if (height < 0) {
        font.setPixelSize(-height);
    } else if (height > 0) {
        font.setPointSize(height);
    }
    return font;
}

}  // namespace platform
