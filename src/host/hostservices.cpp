#include "host/hostservices.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {

QString folderKey(FileDialogKind kind)
{
    return kind == FileDialogKind::Page ? QStringLiteral("FileDialogs/pageFolder")
                                        : QStringLiteral("FileDialogs/designFolder");
}

} // namespace

HostServices::HostServices(const QString &settingsFile)
    : m_settingsFile(settingsFile)
{ }

HostServices::~HostServices() = default;

QString HostServices::chooseOpenFile(QWidget *parent, const QStringList &filters,
                                     int selectedFilter, const QString &currentFileName)
{
    const QString chosen = showOpenFileDialog(
        parent, filters, selectedFilter,
        currentFileName.isEmpty() ? dialogFolder(FileDialogKind::Page) : currentFileName);
    if (chosen.isEmpty())
        return currentFileName;
    rememberFolder(FileDialogKind::Page, chosen);
    return chosen;
}

QString HostServices::chooseFile(QWidget *parent, FileDialogKind kind, FileDialogMode mode,
                                 const QString &title, const QStringList &filters,
                                 const QString &startPath)
{
    const QString chosen = showFileDialog(parent, mode, title, filters,
                                          startPath.isEmpty() ? dialogFolder(kind) : startPath);
    if (!chosen.isEmpty())
        rememberFolder(kind, chosen);
    return chosen;
}

QString HostServices::dialogFolder(FileDialogKind kind) const
{
    const QString last = settings()->value(folderKey(kind)).toString();
    if (!last.isEmpty() && QFileInfo(last).isDir())
        return last;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

std::unique_ptr<QSettings> HostServices::settings() const
{
    if (m_settingsFile.isEmpty())
        return std::make_unique<QSettings>();
    return std::make_unique<QSettings>(m_settingsFile, QSettings::IniFormat);
}

void HostServices::rememberFolder(FileDialogKind kind, const QString &chosenPath)
{
    settings()->setValue(folderKey(kind), QFileInfo(chosenPath).absolutePath());
}
