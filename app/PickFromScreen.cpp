// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PickFromScreen.h"

#include <QGuiApplication>
#include <QPointer>

#include "app/ScreenPicker.h"
#include "app/main.h"
#include "platform/Application.h"
#include "platform/ColorPortal.h"

TPickRoute PreferredPickRoute() {
    return QGuiApplication::platformName().startsWith("wayland") ? TPickRoute::Portal : TPickRoute::Overlay;
}

void PickFromScreen(TfrmMain& window, TPickRoute route) {
    // The window may be gone by the time the colour comes.
    auto apply = [target = QPointer<TfrmMain>(&window)](platform::TColor color) {
        if (target)
            platform::RunReportingErrors([&] { TakePickedColor(*target, color, TColorSource::Pick); });
    };
    if (route == TPickRoute::Portal) {
        platform::TColorPortal::Pick(
            apply, [](const QString& message) { platform::TApplication::ShowError(message); });
    } else {
        TScreenPicker::Start(apply, window.TargetColor());
    }
}

void TakePickedColor(TfrmMain& window, platform::TColor color, TColorSource source) {
    if (source == TColorSource::Pick) window.mnuEditRecentColors->Note(color);
    window.SetBarsFromColor(color);
    window.History()->RecordNow();
}
