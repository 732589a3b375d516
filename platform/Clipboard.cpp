// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace platform {

void SetClipboardText(const std::string& text) {
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

void SetClipboardHtml(const std::string& html) {
    auto* data = new QMimeData;  // the clipboard takes it over
    const QString text = QString::fromStdString(html);
    data->setText(text);
    data->setHtml(text);
    QGuiApplication::clipboard()->setMimeData(data);
}

std::string ClipboardHtml() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data != nullptr && data->hasHtml() ? data->html().toStdString() : std::string();
}

std::string ClipboardText() { return QGuiApplication::clipboard()->text().toStdString(); }

}  // namespace platform
