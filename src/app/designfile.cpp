#include "app/designfile.h"

#include "generator/settingsfile.h"
#include "host/hostservices.h"
#include "pages/filestore.h"

#include <QFileInfo>
#include <QWidget>

#include <utility>

namespace {

QStringList designNameFilters()
{
    return {DesignFile::tr("Zephrin designs (*.json)"), DesignFile::tr("All files (*)")};
}

// The fields' captions in the window, for naming them in messages.
const char *const pixelFieldCaptions[] = {
    QT_TRANSLATE_NOOP("SettingsPage", "Height"),
    QT_TRANSLATE_NOOP("SettingsPage", "Width"),
    QT_TRANSLATE_NOOP("SettingsPage", "Horizontal"),
    QT_TRANSLATE_NOOP("SettingsPage", "Vertical"),
};

} // namespace

DesignFile::DesignFile(HostServices &host, QWidget *window, std::function<AdSettings()> fields,
                       std::function<void(const AdSettings &)> apply)
    : m_host(host)
    , m_window(window)
    , m_fields(std::move(fields))
    , m_apply(std::move(apply))
{ }

void DesignFile::chooseAndOpen()
{
    if (!settleUnsavedChanges())
        return;
    const QString path = m_host.chooseFile(m_window, FileDialogKind::Design, FileDialogMode::Open,
                                           tr("Open design"), designNameFilters(), m_path);
    if (!path.isEmpty())
        open(path);
}

bool DesignFile::open(const QString &path)
{
    const DesignReadResult read = readDesignFile(path);
    if (!read.ok()) {
        m_host.showMessage(m_window, tr("%1\nThe design was not opened.").arg(read.error));
        return false;
    }
    m_apply(resolvedSettings(read.design));
    setSaved(path, m_fields());
    return true;
}

bool DesignFile::save()
{
    return saveTo(m_path);
}

bool DesignFile::saveAs()
{
    return saveTo(QString());
}

bool DesignFile::saveTo(const QString &path)
{
    const AdSettings design = m_fields();
    if (const Setting *lost = fieldNotKeptInFile(design)) {
        const auto index
            = static_cast<std::size_t>(lost - &designSetting(SettingGroup::Top, "height"));
        const QString name = index < std::size(pixelFieldCaptions)
            ? QCoreApplication::translate("SettingsPage", pixelFieldCaptions[index])
            : QLatin1String(lost->key);
        m_host.showMessage(m_window,
                           tr("%1 \"%2\" is not a whole number of pixels, so a design file "
                              "cannot keep it. Type a number, or leave it empty for the "
                              "type's default. Nothing was saved.")
                               .arg(name, lost->value.write(design)));
        return false;
    }
    const QString target = path.isEmpty()
        ? m_host.chooseFile(m_window, FileDialogKind::Design, FileDialogMode::Save,
                            tr("Save design"), designNameFilters(), m_path)
        : path;
    if (target.isEmpty())
        return false;
    const QString error = replaceFileContents(target, designJson(design));
    if (!error.isEmpty()) {
        m_host.showMessage(m_window, error);
        return false;
    }
    setSaved(target, design);
    return true;
}

void DesignFile::setSaved(const QString &path, const AdSettings &design)
{
    m_path = path;
    m_saved = design;
    m_window->setWindowFilePath(path);
    m_window->setWindowTitle(tr("%1[*] - Zephrin").arg(QFileInfo(path).fileName()));
    m_window->setWindowModified(false);
}

void DesignFile::markChanges()
{
    const bool changed = m_fields() != m_saved;
    m_window->setWindowModified(changed && !m_path.isEmpty());
}

bool DesignFile::settleUnsavedChanges()
{
    if (!m_window->isWindowModified())
        return true;
    const QString question = tr("The design \"%1\" has changes that are not saved. Save them?")
                                 .arg(QFileInfo(m_path).fileName());
    switch (m_host.askToSaveChanges(m_window, question)) {
    case UnsavedChangesAnswer::Save:
        return save();
    case UnsavedChangesAnswer::Discard:
        return true;
    case UnsavedChangesAnswer::Cancel:
        break;
    }
    return false;
}
