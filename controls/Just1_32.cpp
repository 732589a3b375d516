// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/Just1_32.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>
#include <QTimer>
#include <QWidget>
#include <cstdlib>
#include <memory>

#include "controls/GuardMessage.h"

namespace controls {

namespace {

TPreviousInstance* current = nullptr;

// Only so many senders are heard at once, each for a while; the rest are dropped, so a
// stalled or flooding stranger costs nothing.
constexpr int kMaxConnections = 8;

// Deleting the socket aborts its connection.
void Drop(QLocalSocket* socket) { socket->deleteLater(); }

}  // namespace

const QByteArray TJustOne32::kComeForward(kComeForwardWord.data(),
                                          static_cast<qsizetype>(kComeForwardWord.size()));

TPreviousInstance::TPreviousInstance(const std::string& programPath, const std::string& runtimeDir)
    : paths_(runtimeDir.empty()
                 ? platform::InstancePathsForThisUser(platform::FileNamePart(programPath))
                 : platform::InstancePathsFor(platform::FileNamePart(programPath), runtimeDir, "", 0)),
      lock_(paths_.lock) {
    if (current == nullptr) current = this;
}

TPreviousInstance::~TPreviousInstance() {
    if (current == this) current = nullptr;
}

TPreviousInstance* TPreviousInstance::Current() { return current; }

TJustOne32::TJustOne32(QWidget* owner, TGuardTimes times) : QObject(owner), owner_(owner), times_(times) {
    setObjectName("JustOne321");
    const TPreviousInstance* instance = TPreviousInstance::Current();
    if (instance == nullptr) return;
    if (instance->Previous()) {
        // Whether or not the running copy answers (it may still be starting, or its
        // desktop may refuse to raise it), this copy ends here.
        if (instance->StyleToHandOver().empty()) {
            AskToComeForward(instance->ServerName(), times_);
        } else {
            AskToOpenStyle(instance->ServerName(), instance->StyleToHandOver(), times_);
        }
        std::exit(0);
    }
    if (instance->Owner()) Listen(instance->ServerName());
}

TJustOne32::~TJustOne32() = default;

QString TJustOne32::About() const { return QStringLiteral("TJustOne32: one running copy at a time"); }

bool TJustOne32::Listening() const { return server_ != nullptr && server_->isListening(); }

void TJustOne32::Listen(const QString& serverName) {
    // A socket file left by a copy that died is replaced: with an access option set, the
    // server binds in a private folder and renames its socket over the name.
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(serverName)) {
        // Without the server a second copy still ends; it only cannot bring us forward.
        delete server_;
        server_ = nullptr;
        return;
    }
    connect(server_, &QLocalServer::newConnection, this, &TJustOne32::Accept);
}

void TJustOne32::Accept() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        if (connections_ >= kMaxConnections) {
            Drop(socket);
            continue;
        }
        ++connections_;
        auto reader = std::make_shared<TGuardMessageReader>();
        connect(socket, &QLocalSocket::readyRead, this, [this, socket, reader] { Receive(socket, *reader); });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QObject::destroyed, this, [this] { --connections_; });
        QTimer::singleShot(times_.senderPatience, socket, [socket] { Drop(socket); });
    }
}

void TJustOne32::Receive(QLocalSocket* socket, TGuardMessageReader& reader) {
    const QByteArray bytes = socket->readAll();
    switch (reader.Feed(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())))) {
        case TGuardMessageReader::State::Incomplete: return;
        case TGuardMessageReader::State::Bad: Drop(socket); return;
        case TGuardMessageReader::State::ComeForward:
            Drop(socket);
            ComeForward();
            return;
        case TGuardMessageReader::State::OpenStyle: {
            const std::string path = reader.Path();
            Drop(socket);
            ComeForward();
            HandOver(path);
            return;
        }
    }
}

// A style opened under a modal dialog would take the dialog's result meant for the style
// before it (a text, a picture), so it waits until no dialog is open.
void TJustOne32::HandOver(const std::string& path) {
    if (QApplication::activeModalWidget() != nullptr) {
        QTimer::singleShot(times_.dialogPoll, this, [this, path] { HandOver(path); });
        return;
    }
    if (OpenStyle) OpenStyle(path);
}

void TJustOne32::ComeForward() {
    if (owner_->isMinimized()) {
        owner_->setWindowState(owner_->windowState() & ~Qt::WindowMinimized);
        owner_->show();
    }
    owner_->raise();
    owner_->activateWindow();
}

bool TJustOne32::AskToComeForward(const QString& serverName, const TGuardTimes& times) {
    return Send(serverName, kComeForward, times);
}

bool TJustOne32::AskToOpenStyle(const QString& serverName, const std::string& absolutePath,
                                const TGuardTimes& times) {
    const std::string message = OpenStyleMessage(absolutePath);
    if (message.empty()) return AskToComeForward(serverName, times);
    return Send(serverName, QByteArray(message.data(), static_cast<qsizetype>(message.size())), times);
}

bool TJustOne32::Send(const QString& serverName, const QByteArray& message, const TGuardTimes& times) {
    const QDeadlineTimer deadline(times.retryFor);
    for (;;) {
        QLocalSocket socket;
        socket.connectToServer(serverName);
        if (socket.waitForConnected(times.connectWait)) {
            // A message is a few kilobytes at most, which a local socket takes in one write.
            socket.write(message);
            return socket.waitForBytesWritten(times.writeWait);
        }
        if (deadline.hasExpired()) return false;
        QThread::msleep(static_cast<unsigned long>(times.retryPause));
    }
}

}  // namespace controls
