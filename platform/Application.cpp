// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Application.h"

#include <QMessageBox>

#include "platform/AccessibleViews.h"

namespace platform {

namespace {

TApplication::ErrorSink& Sink() {
    static TApplication::ErrorSink sink;
    return sink;
}

void ShowBox(QMessageBox::Icon icon, const QString& message) {
    if (Sink()) {
        Sink()(message);
        return;
    }
    QMessageBox box(icon, QApplication::applicationName(), message, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

}  // namespace

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) { InstallAccessibleViews(); }

bool TApplication::notify(QObject* receiver, QEvent* event) {
    bool handled = false;
    RunReportingErrors([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}

void TApplication::ShowError(const QString& message) { ShowBox(QMessageBox::Critical, message); }

void TApplication::ShowWarning(const QString& message) { ShowBox(QMessageBox::Warning, message); }

void TApplication::SetErrorSink(ErrorSink sink) { Sink() = std::move(sink); }

}  // namespace platform
