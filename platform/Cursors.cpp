// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Cursors.h"

#include <QPixmap>

// The cursors live in a static library, whose resource initialiser the linker would drop
// unless something refers to it; Q_INIT_RESOURCE must be used outside any namespace.
static void InitCursorResources() {
    static const bool done = [] {
        Q_INIT_RESOURCE(cursors);
        return true;
    }();
    (void)done;
}

namespace platform {

namespace {

struct CursorResource {
    std::string_view name;
    int hotX;
    int hotY;
};

// The hot spot of each cursor: for the hand, its fingertip.
constexpr CursorResource kCursors[] = {
    {"HANDPOINTER", 5, 0},
};

}  // namespace

QCursor LoadCursorResource(std::string_view name) {
    InitCursorResources();
    for (const CursorResource& cursor : kCursors) {
        if (cursor.name != name) continue;
        const QPixmap picture(QStringLiteral(":/cursors/") +
                              QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
        if (picture.isNull()) break;
        return QCursor(picture, cursor.hotX, cursor.hotY);
    }
    return QCursor(Qt::ArrowCursor);
}

}  // namespace platform
