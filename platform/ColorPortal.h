// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QVariantMap>
#include <functional>

#include "platform/Color.h"

class QDBusPendingCallWatcher;

namespace platform {

// The desktop portal's colour picker (org.freedesktop.portal.Screenshot, PickColor), the way
// a Wayland desktop lets a program read a pixel of the screen. Everything runs from the event
// loop: the window stays usable while the user picks, and a portal that never answers ends in
// a message rather than a hang.
class TColorPortal : public QObject {
    Q_OBJECT

public:
    using Picked = std::function<void(TColor)>;
    using Failed = std::function<void(const QString& message)>;

    // How long the portal may take to accept the request. Picking itself has no time limit:
    // the user may take as long as they like once the portal's picker shows.
    static constexpr int kAnswerTimeoutMs = 5000;

    // Asks the portal for a colour. Later, `picked` runs with it, or `failed` with the message
    // to show; neither runs when the user cancels in the portal's picker. A request still
    // waiting is dropped by a new one. The request deletes itself when it ends.
    static TColorPortal* Pick(Picked picked, Failed failed);

private slots:
    void Response(uint response, const QVariantMap& results);

private:
    TColorPortal(Picked picked, Failed failed);
    void Send();
    void Answered(QDBusPendingCallWatcher* call);
    void Listen(const QString& requestPath);
    void Fail(const QString& message);
    void End();

    Picked picked_;
    Failed failed_;
    QString requestPath_;
};

}  // namespace platform
