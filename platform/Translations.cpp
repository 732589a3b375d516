// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Translations.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

#include "platform/Translate.h"

namespace platform {

QStringList CatalogueLanguages(const QStringList& uiLanguages) {
    QStringList names;
    for (QString language : uiLanguages) {
        language.replace(u'-', u'_');
        if (language.isEmpty() || language == u"C" || language == u"POSIX") continue;
        const QString base = language.section(u'_', 0, 0);
        if (!names.contains(language)) names.append(language);
        // English is the written text: stop there, but keep a pseudo-language such as en_XA,
        // tried before it.
        if (base == u"en") break;
        if (!names.contains(base)) names.append(base);
    }
    return names;
}

namespace {

QList<QTranslator*>& Installed() {
    static QList<QTranslator*> installed;
    return installed;
}

QString& LoadedLanguage() {
    static QString language;
    return language;
}

}  // namespace

QString InstallTranslations(const QString& folder, const QStringList& uiLanguages) {
    RemoveTranslations();
    for (const QString& language : CatalogueLanguages(uiLanguages)) {
        if (language == u"en") break;
        auto* own = new QTranslator(QCoreApplication::instance());
        if (!own->load(QStringLiteral("velloran_") + language, folder)) {
            delete own;
            continue;
        }
        QCoreApplication::installTranslator(own);
        Installed().append(own);
        // Qt's standard buttons and dialogs; their catalogue is named by the base language.
        auto* qt = new QTranslator(QCoreApplication::instance());
        if (qt->load(QStringLiteral("qtbase_") + language.section(u'_', 0, 0),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            QCoreApplication::installTranslator(qt);
            Installed().append(qt);
        } else {
            delete qt;
        }
        SetTranslator([](const char* context, const char* text) {
            return QCoreApplication::translate(context, text).toStdString();
        });
        LoadedLanguage() = language;
        return language;
    }
    return {};
}

void RemoveTranslations() {
    for (QTranslator* translator : Installed()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    Installed().clear();
    SetTranslator({});
    LoadedLanguage().clear();
}

QString ManualFile(const QString& folder) {
    const QString base = folder.endsWith(u'/') ? folder : folder + u'/';
    const QString language = LoadedLanguage();
    if (!language.isEmpty()) {
        for (const QString& name : {language, language.section(u'_', 0, 0)}) {
            const QString path = base + QStringLiteral("manual.") + name + QStringLiteral(".html");
            if (QFileInfo(path).isFile()) return path;
        }
    }
    return base + QStringLiteral("manual.html");
}

QString TranslationsFolder() {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/translations");
}

}  // namespace platform
