// SPDX-License-Identifier: GPL-3.0-or-later
// Options > Dark Variant in CSS and Preview Dark Variant: the dark scheme block that the
// sheets carry out, and a look at it in the preview. Neither is part of the style: the first
// is kept in vlr.ini, the second lasts until it is switched off.
#include <QMenu>

#include "app/main.h"
#include "platform/Application.h"
#include "style/Settings.h"

void TfrmMain::BuildDarkVariantMenu(QMenu* options) {
    options->addSeparator();
    mnuOptionsDarkCss = options->addAction(tr("Dar&k Variant in CSS"));
    mnuOptionsDarkCss->setCheckable(true);
    connect(mnuOptionsDarkCss, &QAction::triggered, this, [this](bool on) {
        try {
            MakeSettingsDirFor(SettingsFile());
            WriteDarkVariantOption(SettingsFile(), on);
        } catch (const std::exception& e) {
            // The menu shows what the file holds, so a setting that was not kept is not shown as kept.
            mnuOptionsDarkCss->setChecked(!on);
            platform::TApplication::ShowError(QString::fromUtf8(e.what()));
        }
    });
    mnuOptionsPreviewDark = options->addAction(tr("Preview Dark V&ariant"));
    mnuOptionsPreviewDark->setCheckable(true);
    mnuOptionsPreviewDark->setShortcut(QKeySequence("Ctrl+Shift+D"));
    connect(mnuOptionsPreviewDark, &QAction::toggled, this,
            [this](bool on) { PanelTop->SetDarkVariant(on, style_); });
}
