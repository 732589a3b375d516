// SPDX-License-Identifier: GPL-3.0-or-later
// The program's catalogues and Qt's own, chosen by the user's languages (LANGUAGE, then
// LC_ALL, LC_MESSAGES, LANG), so that every window reads in the first of them that the
// program speaks. English needs no catalogue: the texts are written in it.
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

namespace platform {

// The catalogue names to try for these languages, best first ("de_DE" gives "de_DE", "de"),
// up to the first English one: a user who put English before German reads English.
QStringList CatalogueLanguages(const QStringList& uiLanguages);

// Loads velloran_<language>.qm from `folder` and Qt's qtbase_<language>.qm for the first of
// the user's languages (as QLocale::uiLanguages gives them) that has a catalogue, and routes
// the pure layers' texts through them. Returns the language loaded, or an empty string when
// the program stays in English.
QString InstallTranslations(const QString& folder,
                            const QStringList& uiLanguages = QLocale::system().uiLanguages());

// Takes the catalogues out again: every text is English from then on.
void RemoveTranslations();

// The manual in `folder` for the language whose catalogue is loaded: "manual.de_AT.html",
// then "manual.de.html", then the English "manual.html", the first that is there. A
// language the manual was not written in gets the English one rather than none.
QString ManualFile(const QString& folder);

// The folder beside the program where the catalogues are installed.
QString TranslationsFolder();

}  // namespace platform
