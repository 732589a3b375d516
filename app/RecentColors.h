// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMenu>
#include <functional>
#include <vector>

#include "platform/Color.h"

// Edit > Recent Colors: the last colours picked from the screen in this session, newest
// first, each once. Kept in memory only. Choosing one calls Choose with it; with none the
// submenu is disabled.
class TRecentColors : public QMenu {
    Q_OBJECT

public:
    static constexpr std::size_t kMost = 8;

    explicit TRecentColors(QWidget* parent);

    std::function<void(platform::TColor)> Choose;

    // Puts a picked colour first, taking it off where it stood and the oldest off the end.
    void Note(platform::TColor color);
    const std::vector<platform::TColor>& Colors() const { return colors_; }

private:
    void Rebuild();

    std::vector<platform::TColor> colors_;
};

// `colors` with `color` put first, once, and no more than `most` in all.
std::vector<platform::TColor> WithRecentColor(std::vector<platform::TColor> colors, platform::TColor color,
                                              std::size_t most);
