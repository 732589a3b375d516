// SPDX-License-Identifier: GPL-3.0-or-later
// Options > Simulate Color Vision: the preview as visitors with a colour-vision deficiency see
// it. A view of the page rather than part of the style, so no style file holds it.
#include <QActionGroup>
#include <QMenu>

#include "app/main.h"

void TfrmMain::BuildVisionMenu(QMenu* options) {
    QMenu* menu = options->addMenu("Simulate Color &Vision");
    auto* group = new QActionGroup(menu);
    for (std::size_t i = 0; i < kVisions.size(); ++i) {
        const TVision vision = kVisions[i];
        const std::string_view name = VisionName(vision);
        QAction* action = menu->addAction(QString::fromUtf8(name.data(), static_cast<int>(name.size())));
        action->setCheckable(true);
        action->setChecked(vision == TVision::Normal);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, vision] {
            PanelTop->SetVision(vision);
            SetCaptionFromStyleFile();
        });
        mnuOptionsVision[i] = action;
    }
}
