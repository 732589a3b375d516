// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ColorPortal.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QPointer>
#include <algorithm>
#include <cmath>

namespace platform {

namespace {

const QString kPortalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kScreenshotInterface = QStringLiteral("org.freedesktop.portal.Screenshot");
const QString kRequestInterface = QStringLiteral("org.freedesktop.portal.Request");

// The Response signal's codes.
constexpr uint kResponseSuccess = 0;
constexpr uint kResponseCancelled = 1;

QString NoAnswer() {
    return TColorPortal::tr("The desktop portal did not answer, so no color can be picked from the screen.");
}
QString NoColor() { return TColorPortal::tr("The desktop portal could not pick a color."); }

QPointer<TColorPortal>& Waiting() {
    static QPointer<TColorPortal> waiting;
    return waiting;
}

// A name unique to this process's requests, so that our Response is told apart from another
// program's.
QString NextToken() {
    static int count = 0;
    return QStringLiteral("velloran%1").arg(++count);
}

// The portal places a request's object at a path built from the caller's bus name and the
// token; listening there before the call goes out means a quick answer cannot be missed.
QString RequestPathFor(const QDBusConnection& bus, const QString& token) {
    QString sender = bus.baseService().mid(1);
    sender.replace('.', '_');
    return kPortalPath + "/request/" + sender + "/" + token;
}

int Channel(double fraction) { return static_cast<int>(std::lround(std::clamp(fraction, 0.0, 1.0) * 255)); }

}  // namespace

TColorPortal::TColorPortal(Picked picked, Failed failed)
    : picked_(std::move(picked)), failed_(std::move(failed)) {}

TColorPortal* TColorPortal::Pick(Picked picked, Failed failed) {
    if (Waiting()) Waiting()->End();
    auto* request = new TColorPortal(std::move(picked), std::move(failed));
    Waiting() = request;
    request->Send();
    return request;
}

void TColorPortal::Send() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        Fail(NoAnswer());
        return;
    }
    const QString token = NextToken();
    Listen(RequestPathFor(bus, token));
    QDBusMessage call =
        QDBusMessage::createMethodCall(kPortalService, kPortalPath, kScreenshotInterface, "PickColor");
    call << QString() << QVariantMap{{"handle_token", token}};
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, kAnswerTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, &TColorPortal::Answered);
}

void TColorPortal::Listen(const QString& requestPath) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!requestPath_.isEmpty()) {
        bus.disconnect(kPortalService, requestPath_, kRequestInterface, "Response", this,
                       SLOT(Response(uint, QVariantMap)));
    }
    requestPath_ = requestPath;
    bus.connect(kPortalService, requestPath_, kRequestInterface, "Response", this,
                SLOT(Response(uint, QVariantMap)));
}

void TColorPortal::Answered(QDBusPendingCallWatcher* call) {
    call->deleteLater();
    const QDBusPendingReply<QDBusObjectPath> reply = *call;
    if (reply.isError()) {
        const QDBusError error = reply.error();
        // No portal on the bus, or one that never took the call, is told as such; a portal's
        // own refusal is passed on in its words.
        const bool absent = error.type() == QDBusError::ServiceUnknown ||
                            error.type() == QDBusError::NoReply || error.type() == QDBusError::Timeout ||
                            error.type() == QDBusError::TimedOut || error.type() == QDBusError::Disconnected;
        Fail(absent ? NoAnswer()
                    : TColorPortal::tr("The desktop portal could not pick a color. %1").arg(error.message()));
        return;
    }
    // Portals older than the handle_token option make up their own request path.
    const QString path = reply.value().path();
    if (path != requestPath_) Listen(path);
}

void TColorPortal::Response(uint response, const QVariantMap& results) {
    if (response == kResponseCancelled) {
        End();
        return;
    }
    double red = 0, green = 0, blue = 0;
    bool read = false;
    const QVariant color = results.value("color");
    if (response == kResponseSuccess && color.canConvert<QDBusArgument>()) {
        const QDBusArgument argument = color.value<QDBusArgument>();
        if (argument.currentSignature() == "(ddd)") {
            argument.beginStructure();
            argument >> red >> green >> blue;
            argument.endStructure();
            read = true;
        }
    }
    if (!read) {
        Fail(NoColor());
        return;
    }
    const Picked picked = picked_;
    End();
    if (picked) picked(static_cast<TColor>(Channel(red) | Channel(green) << 8 | Channel(blue) << 16));
}

void TColorPortal::Fail(const QString& message) {
    const Failed failed = failed_;
    End();
    if (failed) failed(message);
}

void TColorPortal::End() {
    if (!requestPath_.isEmpty()) {
        QDBusConnection::sessionBus().disconnect(kPortalService, requestPath_, kRequestInterface, "Response",
                                                 this, SLOT(Response(uint, QVariantMap)));
    }
    picked_ = nullptr;
    failed_ = nullptr;
    if (Waiting() == this) Waiting() = nullptr;
    deleteLater();
}

}  // namespace platform
