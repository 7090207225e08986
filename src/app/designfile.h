#pragma once

#include "generator/adsettings.h"

#include <QCoreApplication>
#include <QString>

#include <functional>

class HostServices;
class QWidget;

// The design file behind the main window's fields: opens one into them, saves
// them to it, and keeps what it holds, so the window's title names the file
// and marks changes not yet saved, and closing asks about them. Messages and
// dialogs go through the host, over the window.
class DesignFile
{
    Q_DECLARE_TR_FUNCTIONS(DesignFile)
public:
    // fields gives the design as the window's fields hold it (the body's line
    // breaks as typed); apply puts a design into them as a user would.
    DesignFile(HostServices &host, QWidget *window, std::function<AdSettings()> fields,
               std::function<void(const AdSettings &)> apply);

    // The file the fields were last opened from or saved to; empty until one is.
    QString path() const { return m_path; }

    // Asks about unsaved changes, then for a design file, and opens it.
    void chooseAndOpen();
    // Opens the design file at path into the fields; a file that cannot be
    // read or holds what this program does not know is reported and changes
    // nothing. Returns whether it was opened.
    bool open(const QString &path);
    // Saves the fields to the open design's file (asking for one when none is
    // open), or under a new name; returns whether they were saved.
    bool save();
    bool saveAs();
    // Marks the title while the fields differ from the open file.
    void markChanges();
    // Whether the fields may be replaced or closed: nothing unsaved is lost,
    // or the user saved or discarded it.
    bool settleUnsavedChanges();

private:
    // Saves to path, or to a name asked for when path is empty.
    bool saveTo(const QString &path);
    // The file at path holds design: the title names it, unmarked.
    void setSaved(const QString &path, const AdSettings &design);

    HostServices &m_host;
    QWidget *m_window;
    std::function<AdSettings()> m_fields;
    std::function<void(const AdSettings &)> m_apply;
    QString m_path;
    AdSettings m_saved; // the fields as the file holds them
};
