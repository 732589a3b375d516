// SPDX-License-Identifier: GPL-3.0-or-later
// Options > Simulate Color Vision: the preview as visitors with a colour-vision deficiency or
// weak sight see it. A view of the page rather than part of the style, so no style file holds it.
#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>

#include "app/main.h"

namespace {

// The names are marked for the catalogues where they are written, beside the simulations.
QString Text(std::string_view text) {
    return QCoreApplication::translate("Vision", std::string(text).c_str());
}

}  // namespace

void TfrmMain::BuildVisionMenu(QMenu* options) {
    QMenu* menu = options->addMenu(tr("Simulate Color &Vision"));
    // One group across the submenus, so that exactly one simulation is ticked.
    auto* group = new QActionGroup(menu);
    auto add = [this, group](QMenu* into, const QString& text, TSimulation simulation) {
        QAction* action = into->addAction(text);
        action->setCheckable(true);
        action->setChecked(simulation.vision == TVision::Normal);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, simulation] {
            PanelTop->SetVision(simulation);
            SetCaptionFromStyleFile();
        });
        return action;
    };
    for (std::size_t i = 0; i < kVisions.size(); ++i)
        mnuOptionsVision[i] = add(menu, Text(VisionName(kVisions[i])), kVisions[i]);
    menu->addSeparator();
    for (std::size_t kind = 0; kind < kAnomalies.size(); ++kind) {
        QMenu* severities = menu->addMenu(Text(VisionName(kAnomalies[kind])));
        for (int tenths = 1; tenths <= kFullSeverity; ++tenths)
            mnuOptionsAnomaly[kind][static_cast<std::size_t>(tenths - 1)] =
                add(severities, tr("Severity %1").arg(QString::fromStdString(SeverityText(tenths))),
                    {kAnomalies[kind], tenths});
    }
    menu->addSeparator();
    mnuOptionsBlurred = add(menu, Text(VisionName(TVision::BlurredVision)), TVision::BlurredVision);
    mnuOptionsLowContrast = add(menu, Text(VisionName(TVision::ReducedContrast)), TVision::ReducedContrast);
}
