// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <string>

#include "platform/InstanceLock.h"

namespace controls {
class TGuardMessageReader;
}
class QLocalServer;
class QLocalSocket;
class QWidget;

namespace controls {

// Finds out at program start whether another copy of the program runs: by a lock named
// after the file name of programPath (the window program passes the front program's name,
// whatever name it was started by), taken before the application object exists. One per
// process; the first made is the one TJustOne32 consults.
class TPreviousInstance {
public:
    // programPath is the program's own path; runtimeDir, when given, replaces the user's
    // runtime folder (tests run side by side, each in a folder of its own).
    explicit TPreviousInstance(const std::string& programPath, const std::string& runtimeDir = {});
    ~TPreviousInstance();
    TPreviousInstance(const TPreviousInstance&) = delete;
    TPreviousInstance& operator=(const TPreviousInstance&) = delete;

    // Another copy holds the lock.
    bool Previous() const { return lock_.State() == platform::LockState::HeldByOther; }
    // This copy holds the lock and is the one the others turn to.
    bool Owner() const { return lock_.State() == platform::LockState::Acquired; }
    QString ServerName() const { return QString::fromStdString(paths_.server); }

    // The style file, an absolute path, that a second copy hands to the running copy
    // instead of only asking it to come forward.
    void SetStyleToHandOver(std::string path) { styleToHandOver_ = std::move(path); }
    const std::string& StyleToHandOver() const { return styleToHandOver_; }

    static TPreviousInstance* Current();

private:
    platform::InstancePaths paths_;
    platform::InstanceLock lock_;
    std::string styleToHandOver_;
};

// How long the guard waits, in milliseconds.
struct TGuardTimes {
    // A sender gets this long to say its word before it is dropped.
    int senderPatience = 2000;
    // A second copy keeps trying this long while the running copy is still starting,
    // pausing between tries.
    int retryFor = 1000;
    int retryPause = 50;
    // Each try waits this long to connect, and then this long for its word to be written.
    int connectWait = 200;
    int writeWait = 500;
    // A style handed over while a modal dialog is open is tried again this often.
    int dialogPoll = 200;
};

// The single-instance component of the main window. Made in a second copy, it asks the
// running copy to come forward and ends this copy at once with exit code 0, before any of
// its windows is shown. Made in the first copy, it listens for that request and brings its
// window forward: restored when minimised, else raised and activated.
//
// The classic way, searching the desktop for a window by its title and raising it, does
// not work here: Wayland lets no program find or raise another's window, and on X11 any
// window of any program may carry the title. A local socket, reachable only by the same
// user, lets the running copy raise its own window instead.
class TJustOne32 : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString About READ About STORED false)

public:
    // The one request the running copy accepts.
    static const QByteArray kComeForward;

    // owner is the window to bring forward.
    explicit TJustOne32(QWidget* owner, TGuardTimes times = {});
    ~TJustOne32() override;

    QString About() const;
    bool Listening() const;

    // In the running copy: called with the path a second copy handed over, after the window
    // came forward and once no modal dialog is open.
    std::function<void(const std::string& path)> OpenStyle;

    // Sends the request to the server, retrying for up to a second while the running copy
    // is still starting. Returns whether it was delivered.
    static bool AskToComeForward(const QString& serverName, const TGuardTimes& times = {});
    // The same, with a style file to open; a path that cannot be sent asks only to come
    // forward.
    static bool AskToOpenStyle(const QString& serverName, const std::string& absolutePath,
                               const TGuardTimes& times = {});

private:
    void Listen(const QString& serverName);
    void Accept();
    void Receive(QLocalSocket* socket, TGuardMessageReader& reader);
    void ComeForward();
    void HandOver(const std::string& path);
    static bool Send(const QString& serverName, const QByteArray& message, const TGuardTimes& times);

    QWidget* owner_;
    TGuardTimes times_;
    QLocalServer* server_ = nullptr;
    int connections_ = 0;
};

}  // namespace controls
