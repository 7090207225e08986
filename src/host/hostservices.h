#pragma once

#include "pages/filestore.h"

#include <QColor>
#include <QString>

class QWidget;

// The platform operations the windows use: dialogs, message box, clipboard,
// shell and files. Windows receive one instance and never call the platform
// for these directly, so tests can stand in for every one of them.
class HostServices
{
public:
    virtual ~HostServices() = default;

    // Folder of the support files (beside the program in the build folder,
    // share/zephrin when installed), without a trailing separator.
    virtual QString applicationFolder() const = 0;

    // Shows text with an OK button, titled with the product name; waits until closed.
    virtual void showMessage(QWidget *parent, const QString &text) = 0;

    // Shows the colour dialog starting at initial. Returns true and sets *chosen
    // when the user accepts; returns false on cancel.
    virtual bool chooseColour(QWidget *parent, const QColor &initial, QColor *chosen) = 0;

    // Shows the file-open dialog. filters are Qt name filters in order;
    // selectedFilter is the index shown first. Returns the chosen path, or
    // currentFileName unchanged when the user cancels.
    virtual QString chooseOpenFile(QWidget *parent, const QStringList &filters, int selectedFilter,
                                   const QString &currentFileName)
        = 0;

    virtual void clearClipboard() = 0;
    virtual void setClipboardText(const QString &text) = 0;

    // Opens a web address, "mailto:" address or local file with the desktop's
    // default application. The result is not reported.
    virtual void openUrl(const QString &address) = 0;
    virtual void openFile(const QString &path) = 0;

    // Shows a top-level window without an owner, bringing it to the front.
    virtual void showWindow(QWidget *window) = 0;

    virtual ReadResult readFile(const QString &path) = 0;
    // Replaces the file's contents safely; returns an empty string or the failure.
    virtual QString writeFile(const QString &path, const QByteArray &contents) = 0;
};
