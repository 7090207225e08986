#pragma once

#include "host/hostservices.h"

#include <QApplication>
#include <QColor>
#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>

// Stands in for the desktop: records what the windows ask for and answers
// with pre-set values, so no test opens a dialog, a browser or the clipboard.
// Files are real: the core reads and writes them, and tests point the
// application folder at a temporary copy.
class FakeHost : public HostServices
{
public:
    QString folder;
    QStringList messages;
    QStringList openedUrls;
    QStringList openedFiles;
    QString clipboard = QStringLiteral("(clipboard before)");
    int clipboardWrites = 0;

    // Colour dialog: the colour to pick, or cancel.
    QColor colourAnswer;
    bool colourCancels = false;
    QColor colourDialogInitial;
    int colourDialogs = 0;

    // File dialogs: the path to pick, or cancel; the modes of the design
    // dialogs shown; where each dialog started.
    QString fileAnswer;
    bool fileCancels = false;
    QStringList fileFilters;
    int fileSelectedFilter = -1;
    QList<FileDialogMode> fileDialogModes;
    QStringList fileDialogStarts;

    // The dialogs' folders are remembered in a settings file of this host's
    // own, never in the user's.
    FakeHost()
        : HostServices(freshSettingsFile())
    { }

    // "Save the changes first?": the answer, and the questions asked.
    UnsavedChangesAnswer unsavedAnswer = UnsavedChangesAnswer::Cancel;
    QStringList unsavedQuestions;

    QString applicationFolder() const override { return folder; }
    void showMessage(QWidget *, const QString &text) override { messages << text; }
    bool chooseColour(QWidget *, const QColor &initial, QColor *chosen) override
    {
        ++colourDialogs;
        colourDialogInitial = initial;
        if (colourCancels)
            return false;
        *chosen = colourAnswer;
        return true;
    }
    UnsavedChangesAnswer askToSaveChanges(QWidget *, const QString &text) override
    {
        unsavedQuestions << text;
        return unsavedAnswer;
    }
    void setClipboardText(const QString &text) override
    {
        clipboard = text;
        ++clipboardWrites;
    }
    void openUrl(const QString &address) override { openedUrls << address; }
    void openFile(const QString &path) override { openedFiles << path; }
    void showWindow(QWidget *window) override { window->show(); }

protected:
    QString showOpenFileDialog(QWidget *, const QStringList &filters, int selectedFilter,
                               const QString &start) override
    {
        fileFilters = filters;
        fileSelectedFilter = selectedFilter;
        fileDialogStarts << start;
        return fileCancels ? QString() : fileAnswer;
    }
    QString showFileDialog(QWidget *, FileDialogMode mode, const QString &,
                           const QStringList &filters, const QString &start) override
    {
        fileFilters = filters;
        fileDialogModes << mode;
        fileDialogStarts << start;
        return fileCancels ? QString() : fileAnswer;
    }

private:
    static QString freshSettingsFile()
    {
        static QTemporaryDir folder;
        static int made = 0;
        return folder.filePath(QStringLiteral("settings-%1.ini").arg(++made));
    }
};

// The visible top-level windows of that objectName (a window's form name).
inline QList<QWidget *> shownWindows(const char *objectName)
{
    QList<QWidget *> found;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->objectName() == QLatin1String(objectName) && w->isVisible())
            found << w;
    }
    return found;
}

// Shows the window and makes it the active one, so keys go to its focus.
inline bool showActive(QWidget *window)
{
    window->show();
    QApplication::setActiveWindow(window);
    return QTest::qWaitForWindowActive(window);
}
