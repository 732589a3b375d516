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
        {window.MemoTag, QT_TRANSLATE_NOOP("AccessibleNames", "Tag")},
        {window.PC1->tabBar(), QT_TRANSLATE_NOOP("AccessibleNames", "Pages")},
        // The pages' frame, a tab stop that hands the focus to the tab bar.
        {window.PC1, QT_TRANSLATE_NOOP("AccessibleNames", "Pages")},
        {font.lboFont, QT_TRANSLATE_NOOP("AccessibleNames", "Font")},
        {font.LboAltFonts, QT_TRANSLATE_NOOP("AccessibleNames", "Alternate Fonts")},
        {font.SlideBarFontSize, QT_TRANSLATE_NOOP("AccessibleNames", "Font Size")},
        {colors.SlideBarRed, QT_TRANSLATE_NOOP("AccessibleNames", "Red")},
        {colors.SlideBarGreen, QT_TRANSLATE_NOOP("AccessibleNames", "Green")},
        {colors.SlideBarBlue, QT_TRANSLATE_NOOP("AccessibleNames", "Blue")},
        {colors.TxtRed, QT_TRANSLATE_NOOP("AccessibleNames", "Red")},
        {colors.TxtGreen, QT_TRANSLATE_NOOP("AccessibleNames", "Green")},
        {colors.TxtBlue, QT_TRANSLATE_NOOP("AccessibleNames", "Blue")},
        // Announced by the picture's name once there is one.
        {window.lblFilename, QT_TRANSLATE_NOOP("AccessibleNames", "Picture file")},
    };
    for (const auto& [control, name] : names)
        control->setAccessibleName(QCoreApplication::translate("AccessibleNames", name));
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        if (button->text().isEmpty() && button->accessibleName().isEmpty()) {
            button->setAccessibleName(button->toolTip().trimmed());
        }
    }
}

void NamePickerOverlay(QWidget& overlay) {
    overlay.setAccessibleName(QCoreApplication::translate(
        "AccessibleNames",
        "Pick from Screen: arrows move, Shift+arrows move ten, plus and minus zoom, A averages, Enter picks, "
        "Escape cancels"));
}

void DescribeColorUnderPointer(QWidget& overlay, const QString& code) {
    overlay.setAccessibleDescription(code);
}
