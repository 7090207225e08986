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

// Replaces the contents of path with contents; a page the user may write is
// never refused, and a failure leaves it byte for byte as it was. Usually the
// bytes go to a temporary file in the same folder that takes the page's owner,
// group, extended attributes (its ACL among them) and permissions, is flushed,
// and only then replaces the page by rename. When that cannot be done (the
// folder is not writable, the owner, group or an attribute cannot be kept, or
// the page has other hard links) the page is updated in place instead: a
// complete copy of it is kept first (beside it, or in the user's cache folder
// when its folder is not writable), the new bytes are written into it, flushed
// and read back, and on any failure the original is written back. The copy is
// removed afterwards, unless even that restoring failed, in which case the
// message says where the copy is. A symbolic link is followed and stays a
// link. A missing file is created with the permissions the kernel gives a new
// file (0666 less the umask, or the folder's default ACL). Refused, with the
// cause in plain words and nothing changed: targets that are not regular
// files, read-only pages, and missing files whose folder is not writable.
// Returns an empty string on success.
QString replaceFileContents(const QString &path, const QByteArray &contents);
