#pragma once

#include <QWidget>
#include <array>

#include "style/Style.h"

class QKeyEvent;
class QLabel;

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
    };
    std::array<RowLabels, 5> Rows;
    // Shown in picture mode: the check is against the colour that shows while the picture loads.
    QLabel* lblPicture;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace windows
