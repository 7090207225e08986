#pragma once

#include "host/hostservices.h"

// The host services provided by Qt and the desktop.
class QtHostServices : public HostServices
{
public:
    QString applicationFolder() const override;
    void showMessage(QWidget *parent, const QString &text) override;
    bool chooseColour(QWidget *parent, const QColor &initial, QColor *chosen) override;
    UnsavedChangesAnswer askToSaveChanges(QWidget *parent, const QString &text) override;
    void setClipboardText(const QString &text) override;
    void openUrl(const QString &address) override;
    void openFile(const QString &path) override;
    void showWindow(QWidget *window) override;

protected:
    QString showOpenFileDialog(QWidget *parent, const QStringList &filters, int selectedFilter,
                               const QString &start) override;
    QString showFileDialog(QWidget *parent, FileDialogMode mode, const QString &title,
                           const QStringList &filters, const QString &start) override;
};
