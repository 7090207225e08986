#pragma once

#include <QByteArray>
#include <QString>

// File access for the user's pages, the support scripts and the preview page.
// Failures come back as a message naming the file and the system's reason;
// nothing here shows any UI.

struct ReadResult
{
    QByteArray contents;
    QString error; // empty on success
    bool ok() const { return error.isEmpty(); }
};

// Reads a whole regular file. Refuses folders, devices, pipes and sockets.
ReadResult readWholeFile(const QString &path);

// Replaces the contents of path with contents, never leaving the file half
// written: the bytes go to a temporary file in the same folder that replaces
// the target only once completely written and flushed. The file's permissions
// are kept; a symbolic link is followed and stays a link. Refuses targets
// that are not regular files (or, if missing, whose folder is not writable),
// and files with other hard links. The owner and group are kept too; when they
// cannot be, the page is left alone and the reason returned. A missing file is
// created with the usual permissions (0666 less the umask). Returns an empty
// string on success.
QString replaceFileContents(const QString &path, const QByteArray &contents);
