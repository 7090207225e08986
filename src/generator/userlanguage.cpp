#include "generator/userlanguage.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

// Loads and installs name.qm from folder; false when there is none to load.
bool installTranslation(const QString &name, const QString &folder)
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(name, folder) || !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    return true;
}

} // namespace

QString translationLanguage(const QStringList &uiLanguages, const QString &folder)
{
    for (const QString &uiLanguage : uiLanguages) {
        QString language = uiLanguage;
        language.replace(QLatin1Char('-'), QLatin1Char('_'));
        if (language == QLatin1String("C") || language == QLatin1String("en")
            || language.startsWith(QLatin1String("en_")))
            return QString();
        // "de_Latn_AT", then "de_Latn", then "de".
        for (;;) {
            if (QFileInfo::exists(folder + QLatin1String("/zephrin_") + language
                                  + QLatin1String(".qm")))
                return language;
            const qsizetype cut = language.lastIndexOf(QLatin1Char('_'));
            if (cut < 0)
                break;
            language.truncate(cut);
        }
    }
    return QString();
}

void installTranslations(const QString &folder)
{
    const QString language = translationLanguage(QLocale::system().uiLanguages(), folder);
    if (language.isEmpty())
        return;
    if (installTranslation(QLatin1String("zephrin_") + language, folder))
        installTranslation(QLatin1String("qtbase_") + language,
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}
