#pragma once

#include <QColor>
#include <QString>
#include <QStringList>

#include <memory>

class QSettings;
class QWidget;

// What a file dialog is for: an existing file to open, or a name to save under.
enum class FileDialogMode { Open, Save };

// What a file dialog chooses. Each kind opens where a file of that kind was
// last chosen, in this run or an earlier one.
enum class FileDialogKind { Page, Design };

// The answer to "save the changes first?".
enum class UnsavedChangesAnswer { Save, Discard, Cancel };

// The platform operations the windows use: dialogs, message box, clipboard
// and shell. Windows receive one instance and never call the platform for
// these directly, so tests can stand in for every one of them. Files are read
// and written by the core, not through here.
class HostServices
{
public:
    // The dialogs' folders are kept in the user's settings, or in the settings
    // file given (a test's own).
    explicit HostServices(const QString &settingsFile = QString());
    virtual ~HostServices();

    // Folder of the support files (beside the program in the build folder,
    // share/zephrin when installed), without a trailing separator.
    virtual QString applicationFolder() const = 0;

    // Shows text, exactly as given (never as mark-up), with an OK button,
    // titled with the product name; waits until closed.
    virtual void showMessage(QWidget *parent, const QString &text) = 0;

    // Shows the colour dialog starting at initial. Returns true and sets *chosen
    // when the user accepts; returns false on cancel.
    virtual bool chooseColour(QWidget *parent, const QColor &initial, QColor *chosen) = 0;

    // Shows the file-open dialog for a page. filters are Qt name filters in
    // order; selectedFilter is the index shown first. It shows currentFileName,
    // or without one opens in dialogFolder(FileDialogKind::Page). Returns the
    // chosen path, or currentFileName unchanged when the user cancels.
    QString chooseOpenFile(QWidget *parent, const QStringList &filters, int selectedFilter,
                           const QString &currentFileName);

    // Shows a file dialog for a file of kind, titled title, with filters (Qt
    // name filters, the first shown first), starting at startPath (a file or a
    // folder), or without one in dialogFolder(kind). Saving asks before
    // replacing a file, and a name typed without a suffix gets the first
    // filter's. Returns the chosen path, or empty when the user cancels.
    QString chooseFile(QWidget *parent, FileDialogKind kind, FileDialogMode mode,
                       const QString &title, const QStringList &filters, const QString &startPath);

    // Where a dialog of kind opens: the folder of the last file chosen in one,
    // or, before the first choice or when that folder is gone, the user's
    // documents folder (their home folder when there is none).
    QString dialogFolder(FileDialogKind kind) const;

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

protected:
    // The dialogs themselves, as chooseOpenFile and chooseFile describe them,
    // start being a file to show or a folder to open in. Each returns the chosen
    // path, or empty when the user cancels.
    virtual QString showOpenFileDialog(QWidget *parent, const QStringList &filters,
                                       int selectedFilter, const QString &start)
        = 0;
    virtual QString showFileDialog(QWidget *parent, FileDialogMode mode, const QString &title,
                                   const QStringList &filters, const QString &start)
        = 0;

private:
    // The user's settings, or the file given to the constructor.
    std::unique_ptr<QSettings> settings() const;
    void rememberFolder(FileDialogKind kind, const QString &chosenPath);

    QString m_settingsFile;
};
