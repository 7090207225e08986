#pragma once

#include <QString>
#include <QStringList>

// The language Zephrin speaks to its user: its own translations (zephrin_LANG.qm
// in the translations folder) and Qt's (qtbase_LANG.qm, for the standard
// dialogs and the command-line parser). The texts in the code are English.

// The language to load for a user who prefers uiLanguages, best first, as
// QLocale::uiLanguages() gives them ("de-AT", "de-Latn-AT", "en-US"): the
// first of them that has a translation in folder, as the suffix of its file
// name ("de" for zephrin_de.qm; "de-AT" takes zephrin_de_AT.qm, or else
// zephrin_de.qm). Empty when English (or the C locale) comes first, since the
// texts are English, or when none has a translation. Looks only at which
// files exist.
QString translationLanguage(const QStringList &uiLanguages, const QString &folder);

// Installs the translations for the system locale's languages
// (QLocale::system(), so LANGUAGE=de is heeded): Zephrin's from folder and
// Qt's of the same language from Qt's translations folder. Loads nothing for
// English. Needs a QCoreApplication, which owns the translators.
void installTranslations(const QString &folder);
