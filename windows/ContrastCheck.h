// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <array>
#include <functional>
#include <optional>
#include <string>

#include "style/Contrast.h"
#include "style/Style.h"

class QCheckBox;
class QKeyEvent;
class QLabel;
class QPushButton;

namespace windows {

// The contrast check: a small tool window, always on top, that lists the WCAG 2 contrast
// ratio of each of the style's text colours against its background colour, with a pass mark
// for the AA and AAA levels, and of each link colour against the body text. Each row that
// misses a mark offers a fix and shows the colour it would set, with its ratio, before it is
// applied. The main window hands it the style on every change; it deletes itself when
// closed, and Escape closes it.
class TfrmContrast : public QWidget {
    Q_OBJECT

public:
    explicit TfrmContrast(QWidget* parent = nullptr);

    // Shows the check for the style; only labels whose text or colours change are touched.
    void ShowStyle(const TStyle& style);

    // The five colours against the background, then the three links against the text.
    static constexpr std::size_t kBackgroundRows = 5;
    static constexpr std::size_t kLinkRows = 3;

    struct RowLabels {
        QLabel* name;    // the row's name, in the window's own text colour
        QLabel* sample;  // "Sample", written in the row's colour(s) on the background colour
        QLabel* ratio;   // "21.0:1"
        QLabel* aa;      // "Pass" or "Fail"; for links "Pass", "Fail" or "Not needed"
        QLabel* aaa;
        QLabel* suggestion;  // the fixed colour and its ratio, shown beside its button
        // "Fix AA" while the row fails AA, "Fix AAA" while it passes AA but not AAA, "Fix 3:1"
        // for a link too close to the text; its accessible name adds the row's name.
        QPushButton* fix;
    };
    std::array<RowLabels, kBackgroundRows + kLinkRows> Rows;
    // Checked while the page underlines its links (as browsers do unless told otherwise);
    // then a link needs no contrast against the text, as the line tells it apart.
    QCheckBox* chkUnderlined;
    // Shown in picture mode: the check is against the colour that shows while the picture loads.
    QLabel* lblPicture;
    // Names the rows whose mark no colour of their hue can reach.
    QLabel* lblNoFix;

    // Where a Fix sends its colour: the main window sets it as a swatch click would, as one
    // undo step named `step` ("Fix AA").
    std::function<void(TColorTarget, TColor, const std::string& step)> OnFix;
    // Applies the row's offered fix, if it has one.
    void FixRow(std::size_t row);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    struct Offer {
        std::string step;  // "Fix AA", "Fix AAA", "Fix 3:1"; empty when the row needs none
        std::optional<TColor> color;
        double ratio = 0;
    };
    Offer OfferFor(std::size_t row) const;
    void ShowRow(std::size_t index, const ContrastRow& row, bool link);

    TStyle style_;
    std::array<Offer, kBackgroundRows + kLinkRows> offers_;
};

}  // namespace windows
