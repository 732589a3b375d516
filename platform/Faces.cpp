// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Faces.h"

#include <QFontDatabase>
#include <QStringList>
#include <algorithm>
#include <array>

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

// The classic web faces a visitor's browser knows, each with the installed faces that have
// its metrics (fontconfig answers the classic name with them), best first. A page that
// names the classic face looks alike on a visitor's machine that has either.
struct WebFace {
    const char* face;
    std::array<const char*, 5> twins;
};

constexpr WebFace kWebFaces[] = {
    {"Arial", {"Liberation Sans", "Arimo"}},
    {"Times New Roman", {"Liberation Serif", "Tinos"}},
    {"Courier New", {"Liberation Mono", "Cousine"}},
    // Arial was drawn to Helvetica's metrics, so Arial's twins fit Helvetica as well.
    {"Helvetica", {"Nimbus Sans", "Nimbus Sans L", "TeX Gyre Heros", "Liberation Sans", "Arimo"}},
    {"Georgia", {"Gelasio"}},
    {"Calibri", {"Carlito"}},
    {"Cambria", {"Caladea"}},
};

constexpr const char* kGenericAliases[] = {"Sans Serif", "Serif", "Monospace"};

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

std::vector<std::string> InstalledFaces() {
    std::vector<std::string> faces = PlainFamilies();
    const std::vector<std::string> installed = faces;
    // Fontconfig's generic aliases are no faces a visitor's browser knows by that name.
    std::erase_if(faces, [](const std::string& face) {
        return std::any_of(std::begin(kGenericAliases), std::end(kGenericAliases),
                           [&](const char* alias) { return face == alias; });
    });
    for (const WebFace& web : kWebFaces) {
        if (Contains(faces, web.face)) continue;
        if (!InstalledTwins(web.face, installed).empty()) faces.emplace_back(web.face);
    }
    return faces;
}

std::vector<std::string> InstalledTwins(std::string_view face, const std::vector<std::string>& installed) {
    std::vector<std::string> twins;
    for (const WebFace& web : kWebFaces) {
        if (face != web.face) continue;
        for (const char* twin : web.twins) {
            if (twin != nullptr && Contains(installed, twin)) twins.emplace_back(twin);
        }
    }
    return twins;
}

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
    for (const WebFace& web : kWebFaces) {
        QStringList twins;
        for (const std::string& twin : InstalledTwins(web.face, installed))
            twins.append(QString::fromStdString(twin));
        substitute(web.face, twins);
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
