#pragma once

#include <QString>
#include <QStringList>

class HostServices;
class QWidget;

// Creates a preview window (see PreviewFactory). The preview module, which
// holds the window and the web engine, is loaded on the first call; the
// program itself links no web-engine library. Looks for the module beside
// the program, then in the installed module folder.
// Returns nullptr and sets *error (when error is not null) to a message naming
// the module file when it is missing or cannot be loaded; the next call tries
// again.
QWidget *createPreviewWindow(HostServices &host, const QString &demoPage, QString *error);

// The folders searched for the preview module, in order.
QStringList previewModuleFolders();

// For tests: search only folders from now on (an empty list restores the
// default search). A module already loaded stays in memory, but the next
// call looks for the module again.
void setPreviewModuleFolders(const QStringList &folders);
