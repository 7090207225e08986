#include "host/qthostservices.h"

#include "generator/supportfolder.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>

namespace {
const char messageTitle[] = "Zephrin";
}

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

QString QtHostServices::chooseOpenFile(QWidget *parent, const QStringList &filters,
                                       int selectedFilter, const QString &currentFileName)
{
    QFileDialog dialog(parent);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilters(filters);
    if (selectedFilter >= 0 && selectedFilter < filters.size())
        dialog.selectNameFilter(filters.at(selectedFilter));
    if (!currentFileName.isEmpty())
        dialog.selectFile(currentFileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return currentFileName;
    return dialog.selectedFiles().constFirst();
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
