// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/RecentColors.h"

#include <QPixmap>
#include <algorithm>

#include "platform/Application.h"
#include "style/ColorValue.h"

namespace {

// The swatch beside each item's code.
constexpr int kSwatchSide = 16;

QIcon SwatchOf(platform::TColor color) {
    const colorvalue::Channels channels = colorvalue::ChannelsOf(color);
    QPixmap swatch(kSwatchSide, kSwatchSide);
    swatch.fill(QColor(channels.red, channels.green, channels.blue));
    return QIcon(swatch);
}

}  // namespace

std::vector<platform::TColor> WithRecentColor(std::vector<platform::TColor> colors, platform::TColor color,
                                              std::size_t most) {
    colors.erase(std::remove(colors.begin(), colors.end(), color), colors.end());
    colors.insert(colors.begin(), color);
    if (colors.size() > most) colors.resize(most);
    return colors;
}

TRecentColors::TRecentColors(QWidget* parent) : QMenu(tr("Recent Co&lors"), parent) {
    setObjectName("mnuEditRecentColors");
    setEnabled(false);
}

void TRecentColors::Note(platform::TColor color) {
    colors_ = WithRecentColor(std::move(colors_), color, kMost);
    Rebuild();
}

void TRecentColors::Rebuild() {
    // The item being chosen may be on the list being rebuilt: it goes once it is done.
    for (QAction* item : actions()) {
        removeAction(item);
        item->deleteLater();
    }
    for (std::size_t n = 0; n < colors_.size(); ++n) {
        const platform::TColor color = colors_[n];
        // The number is the item's key: Alt+E, L, 1 takes the newest.
        const QString text =
            QStringLiteral("&%1 #%2").arg(n + 1).arg(QString::fromStdString(colorvalue::TagForm(color)));
        QAction* item = addAction(SwatchOf(color), text);
        connect(item, &QAction::triggered, this, platform::ReportingErrors([this, color] {
                    if (Choose) Choose(color);
                }));
    }
    setEnabled(!colors_.empty());
}
