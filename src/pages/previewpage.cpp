#include "pages/previewpage.h"

#include "pages/filestore.h"
#include "pages/pagetext.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

QByteArray previewPage(const QString &body, const QString &head)
{
    return codeSections(body, head).toUtf8();
}

WrittenPreview writePreviewPageFile(const QString &folder, const QByteArray &page)
{
    const QString inFolder = folder + QLatin1Char('/') + QLatin1String(previewPageName);
    const QString error = replaceFileContents(inFolder, page);
    if (error.isEmpty())
        return {inFolder, {}};
    const QString cacheFolder = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    QString cacheError = QCoreApplication::translate(
        "PreviewPage", "There is no cache folder to write the preview page into.");
    if (!cacheFolder.isEmpty()) {
        const QString inCache = cacheFolder + QLatin1Char('/') + QLatin1String(previewPageName);
        if (!QDir().mkpath(cacheFolder))
            cacheError
                = QCoreApplication::translate("PreviewPage", "Cannot create the folder \"%1\".")
                      .arg(cacheFolder);
        else
            cacheError = replaceFileContents(inCache, page);
        if (cacheError.isEmpty())
            return {inCache, {}};
    }
    return {{}, error + QLatin1Char('\n') + cacheError};
}
