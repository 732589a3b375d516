// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AccessibleNames.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QTabBar>
#include <utility>

#include "app/main.h"

void NameControlsForScreenReaders(TfrmMain& window) {
    TFontPanel& font = *window.fontPanel;
    TColorPanel& colors = *window.colorPanel;
    const std::pair<QWidget*, const char*> names[] = {
        {window.MemoTag, "Tag"},
        {window.PC1->tabBar(), "Pages"},
        // The pages' frame, a tab stop that hands the focus to the tab bar.
        {window.PC1, "Pages"},
        {font.lboFont, "Font"},
        {font.LboAltFonts, "Alternate Fonts"},
        {font.SlideBarFontSize, "Font Size"},
        {colors.SlideBarRed, "Red"},
        {colors.SlideBarGreen, "Green"},
        {colors.SlideBarBlue, "Blue"},
        {colors.TxtRed, "Red"},
        {colors.TxtGreen, "Green"},
        {colors.TxtBlue, "Blue"},
        // Announced by the picture's name once there is one.
        {window.lblFilename, "Picture file"},
    };
    for (const auto& [control, name] : names) control->setAccessibleName(QString::fromLatin1(name));
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        if (button->text().isEmpty() && button->accessibleName().isEmpty()) {
            button->setAccessibleName(button->toolTip().trimmed());
        }
    }
}

void NamePickerOverlay(QWidget& overlay) {
    overlay.setAccessibleName(QCoreApplication::translate(
        "TPickerOverlay",
        "Pick from Screen: arrows move, Shift+arrows move ten, plus and minus zoom, A averages, Enter picks, "
        "Escape cancels"));
}

void DescribeColorUnderPointer(QWidget& overlay, const QString& code) {
    overlay.setAccessibleDescription(code);
}
