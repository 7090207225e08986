#pragma once

#include <QColor>
#include <QString>
#include <QStringList>

class QWidget;

// What a file dialog is for: an existing file to open, or a name to save under.
enum class FileDialogMode { Open, Save };

// The answer to "save the changes first?".
enum class UnsavedChangesAnswer { Save, Discard, Cancel };

// The platform operations the windows use: dialogs, message box, clipboard
// and shell. Windows receive one instance and never call the platform for
// these directly, so tests can stand in for every one of them. Files are read
// and written by the core, not through here.
class HostServices
{
public:
    virtual ~HostServices() = default;

    // Folder of the support files (beside the program in the build folder,
    // share/zephrin when installed), without a trailing separator.
    virtual QString applicationFolder() const = 0;

    // Shows text, exactly as given (never as mark-up), with an OK button,
    // titled with the product name; waits until closed.
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

    // Shows a file dialog titled title, with filters (Qt name filters, the
    // first shown first), starting at startPath (a file or a folder; empty for
    // the current folder). Saving asks before replacing a file, and a name
    // typed without a suffix gets the first filter's. Returns the chosen path,
    // or empty when the user cancels.
    virtual QString chooseFile(QWidget *parent, FileDialogMode mode, const QString &title,
                               const QStringList &filters, const QString &startPath)
        = 0;

    // Asks, with text, whether to save changes before they are lost: Save,
    // Discard or Cancel (also when the question is closed); waits for the answer.
    virtual UnsavedChangesAnswer askToSaveChanges(QWidget *parent, const QString &text) = 0;

    // Replaces whatever the clipboard holds with text.
    virtual void setClipboardText(const QString &text) = 0;

    // Opens a web address, "mailto:" address or local file with the desktop's
    // default application. The result is not reported.
    virtual void openUrl(const QString &address) = 0;
    virtual void openFile(const QString &path) = 0;

    // Shows a top-level window without an owner, bringing it to the front.
    virtual void showWindow(QWidget *window) = 0;
};
