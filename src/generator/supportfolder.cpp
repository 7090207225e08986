#include "generator/supportfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#ifndef ZEPHRIN_SUPPORT_RELATIVE_DIR
#error "ZEPHRIN_SUPPORT_RELATIVE_DIR must give the support folder relative to the program's folder"
#endif

QString supportFolderFor(const QString &executableFolder)
{
    const QString installed = QDir::cleanPath(executableFolder + QLatin1Char('/')
                                              + QLatin1String(ZEPHRIN_SUPPORT_RELATIVE_DIR));
    return QFileInfo(installed).isDir() ? installed : QDir::cleanPath(executableFolder);
}

QString supportFolder()
{
    return supportFolderFor(QCoreApplication::applicationDirPath());
}

QString translationsFolder()
{
    return supportFolder() + QLatin1String("/translations");
}
