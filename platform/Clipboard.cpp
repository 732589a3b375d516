#include "platform/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace platform {

void SetClipboardText(const std::string& text) {
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

std::string ClipboardText() { return QGuiApplication::clipboard()->text().toStdString(); }

}  // namespace platform
