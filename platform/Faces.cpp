// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Faces.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QStringList>
#include <algorithm>
#include <array>

#include "platform/WebFaces.h"

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
    // The toolkit asks fontconfig, which answers a generic family with its configured face.
    std::string GenericFace(std::string_view generic) const override {
        return QFontInfo(QFont(QString::fromUtf8(generic.data(), static_cast<qsizetype>(generic.size()))))
            .family()
            .toStdString();
    }
};

std::unique_ptr<FaceSource>& Source() {
    static std::unique_ptr<FaceSource> source = std::make_unique<FontDatabaseFaces>();
    return source;
}

bool Contains(const std::vector<std::string>& names, std::string_view name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

// The plain names of the source's families, each once, in the source's order.
std::vector<std::string> PlainFamilies() {
    std::vector<std::string> faces;
    for (const std::string& family : Source()->Families()) {
        std::string name = PlainFamilyName(family);
        if (!name.empty() && !Contains(faces, name)) faces.push_back(std::move(name));
    }
    return faces;
}

}  // namespace

std::string PlainFamilyName(std::string_view family) {
    const std::size_t open = family.rfind(" [");
    if (open != std::string_view::npos && !family.empty() && family.back() == ']') {
        family = family.substr(0, open);
    }
    return std::string(family);
}

std::vector<std::string> InstalledFaces() { return FacesAsAuthorsNameThem(PlainFamilies()); }

std::string GenericFace(std::string_view generic) { return Source()->GenericFace(generic); }

void SetFaceSource(std::unique_ptr<FaceSource> source) {
    Source() = source != nullptr ? std::move(source) : std::make_unique<FontDatabaseFaces>();
}

void InstallFontSubstitutions() {
    const std::vector<std::string> installed = PlainFamilies();
    const auto substitute = [&](const QString& face, const QStringList& replacements) {
        QFont::removeSubstitutions(face);
        if (!replacements.isEmpty() && !Contains(installed, face.toStdString())) {
            QFont::insertSubstitutions(face, replacements);
        }
    };
    // A web face the visitor's browser would draw with a twin is drawn with it here too.
    for (const std::string& face : ClassicWebFaces()) {
        QStringList twins;
        for (const std::string& twin : InstalledTwins(face, installed))
            twins.append(QString::fromStdString(twin));
        substitute(QString::fromStdString(face), twins);
    }
    // The faces our windows are designed in; Liberation Sans has the metrics of the classic
    // sans faces, so text fits the layout alike.
    const QStringList sans = {"Liberation Sans", "DejaVu Sans", "Noto Sans", "Sans Serif"};
    substitute("MS Sans Serif", sans);
    substitute("Comic Sans MS", sans);
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
