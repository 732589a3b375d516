// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/AccessibleNames.h"

#include <QCoreApplication>

namespace windows {

QString RowButtonName(const QString& buttonText, const QString& rowName) {
    QString text = buttonText;
    // "&&" is a shown ampersand, a single "&" marks the mnemonic.
    text.replace(QLatin1String("&&"), QString(QChar(0xE000))).remove(u'&').replace(QChar(0xE000), u'&');
    text = text.simplified();
    const QString row = rowName.simplified();
    if (row.isEmpty()) return text;
    return text.isEmpty() ? row
                          : QCoreApplication::translate("windows::AccessibleNames", "%1 %2", "button, row")
                                .arg(text, row);
}

}  // namespace windows
