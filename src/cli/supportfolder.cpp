#include "cli/supportfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString supportFolder()
{
    const QString programFolder = QCoreApplication::applicationDirPath();
    QStringList candidates
        = {programFolder, QDir::cleanPath(programFolder + QStringLiteral("/../share/zephrin"))};
    // Where this build installs them, relative to the installed executable.
    const QString installed = QDir::cleanPath(programFolder + QLatin1Char('/')
                                              + QStringLiteral(ZEPHRIN_SUPPORT_FROM_BIN));
    if (!candidates.contains(installed))
        candidates.append(installed);
    for (const QString &folder : candidates) {
        if (QFileInfo::exists(folder + QStringLiteral("/popup1.js")))
            return folder;
    }
    return programFolder;
}
