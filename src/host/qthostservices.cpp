#include "host/qthostservices.h"

#include "generator/supportfolder.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QRegularExpression>
#include <QUrl>

namespace {

const char messageTitle[] = "Zephrin";

// Opens dialog in start, a folder, or at start, a file.
void startAt(QFileDialog &dialog, const QString &start)
{
    if (QFileInfo(start).isDir())
        dialog.setDirectory(start);
    else if (!start.isEmpty())
        dialog.selectFile(start);
}

QString chosenFile(QFileDialog &dialog)
{
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace

QString QtHostServices::applicationFolder() const
{
    return supportFolder();
}

void QtHostServices::showMessage(QWidget *parent, const QString &text)
{
    // Paths and page text may hold "<b>" or "&"; they are shown as they are.
    QMessageBox box(QMessageBox::Information, QString::fromLatin1(messageTitle), text,
                    QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool QtHostServices::chooseColour(QWidget *parent, const QColor &initial, QColor *chosen)
{
    QColorDialog dialog(initial, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    *chosen = dialog.selectedColor();
    return true;
}

QString QtHostServices::showOpenFileDialog(QWidget *parent, const QStringList &filters,
                                           int selectedFilter, const QString &start)
{
    QFileDialog dialog(parent);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilters(filters);
    if (selectedFilter >= 0 && selectedFilter < filters.size())
        dialog.selectNameFilter(filters.at(selectedFilter));
    startAt(dialog, start);
    return chosenFile(dialog);
}

QString QtHostServices::showFileDialog(QWidget *parent, FileDialogMode mode, const QString &title,
                                       const QStringList &filters, const QString &start)
{
    QFileDialog dialog(parent, title);
    const bool saving = mode == FileDialogMode::Save;
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilters(filters);
    // The suffix of the first filter's first pattern: "json" of "Designs (*.json)".
    static const QRegularExpression firstSuffix(QStringLiteral("\\*\\.(\\w+)"));
    const QRegularExpressionMatch suffix = firstSuffix.match(filters.value(0));
    if (saving && suffix.hasMatch())
        dialog.setDefaultSuffix(suffix.captured(1));
    startAt(dialog, start);
    return chosenFile(dialog);
}

UnsavedChangesAnswer QtHostServices::askToSaveChanges(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::Warning, QString::fromLatin1(messageTitle), text,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Save:
        return UnsavedChangesAnswer::Save;
    case QMessageBox::Discard:
        return UnsavedChangesAnswer::Discard;
    default:
        return UnsavedChangesAnswer::Cancel;
    }
}

void QtHostServices::setClipboardText(const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
}

void QtHostServices::openUrl(const QString &address)
{
    QDesktopServices::openUrl(QUrl(address));
}

void QtHostServices::openFile(const QString &path)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void QtHostServices::showWindow(QWidget *window)
{
    window->show();
    window->raise();
    window->activateWindow();
}
