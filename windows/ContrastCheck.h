// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <array>
#include <functional>

#include "style/Style.h"

class QKeyEvent;
class QLabel;
class QPushButton;

namespace windows {

// The contrast check: a small tool window, always on top, that lists the WCAG 2 contrast
// ratio of each of the style's text colours against its background colour, with a pass mark
// for the AA and AAA levels. The main window hands it the style on every change; it deletes
// itself when closed, and Escape closes it.
class TfrmContrast : public QWidget {
    Q_OBJECT

public:
    explicit TfrmContrast(QWidget* parent = nullptr);

    // Shows the check for the style; only labels whose text or colours change are touched.
    void ShowStyle(const TStyle& style);

    struct RowLabels {
        QLabel* name;    // the row's name, in the window's own text colour
        QLabel* sample;  // "Sample", written in the row's colour on the background colour
        QLabel* ratio;   // "21.0:1"
        QLabel* aa;      // "Pass" or "Fail"
        QLabel* aaa;
        QPushButton* fix;  // "Fix", shown while the row fails AA
    };
    std::array<RowLabels, 5> Rows;
    // Shown in picture mode: the check is against the colour that shows while the picture loads.
    QLabel* lblPicture;
    // Says when a row's Fix found no colour of its hue that passes.
    QLabel* lblNoFix;

    // Where a Fix sends its colour: the main window sets it as a swatch click would.
    std::function<void(TColorTarget, TColor)> OnFix;
    // A row's Fix: the colour of the same hue and chroma, with the OKLCH lightness nearest its
    // own that passes AA against the background. A row that passes is left as it is.
    void FixRow(std::size_t row);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    TStyle style_;
};

}  // namespace windows
