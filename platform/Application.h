// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QString>
#include <functional>

namespace platform {

// The program's application object. An operation that fails throws an exception carrying
// the message the user must see; any exception that reaches the event loop is caught here
// and shown in an error box titled with the application's name, and the program goes on,
// as the failed operation left it.
class TApplication : public QApplication {
public:
    TApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // Shows an error the way the event loop does. Tests replace the box with a recorder.
    static void ShowError(const QString& message);
    // Shows a warning, for an operation that was done in part: the same box with the
    // warning icon, through the same recorder in tests.
    static void ShowWarning(const QString& message);
    using ErrorSink = std::function<void(const QString&)>;
    static void SetErrorSink(ErrorSink sink);
};

// Runs an operation as the event loop would: an exception it throws is shown as an error
// and swallowed. For callers that run operations outside an event (start-up).
template <typename Operation>
bool RunReportingErrors(Operation&& operation) {
    try {
        operation();
        return true;
    } catch (const std::exception& e) {
        TApplication::ShowError(QString::fromUtf8(e.what()));
    } catch (...) {
        TApplication::ShowError(QCoreApplication::translate("Errors", "Unexpected error"));
    }
    return false;
}

// The handler wrapped to run as RunReportingErrors runs it, for connecting to a signal.
template <typename Handler>
auto ReportingErrors(Handler handler) {
    return [handler] { RunReportingErrors(handler); };
}

}  // namespace platform
