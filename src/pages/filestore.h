#pragma once

#include "pages/filecontents.h"

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

struct MappedReadResult
{
    FileBytes contents;
    QString error; // empty on success
    bool ok() const { return error.isEmpty(); }
};

// readWholeFile, mapping a file of some megabytes instead of copying it. The
// bytes are those of the file when it was opened. A program that shortens the
// file while it is mapped would make reading past the new end end this
// program with SIGBUS; instead the vanished part reads as zero bytes and
// FileBytes::shortenedWhileRead() tells, so the caller can refuse the page.
MappedReadResult mapWholeFile(const QString &path);

// Replaces the contents of path with contents; a page the user may write is
// never refused, and a failure leaves it byte for byte as it was. Usually the
// bytes go to a temporary file in the same folder that takes the page's owner,
// group, extended attributes (its ACL among them) and permissions, is flushed,
// and only then replaces the page by rename. When that cannot be done (the
// folder is not writable or is append-only, the owner, group or an attribute
// cannot be kept, or the page has other hard links) the page is updated in
// place instead: a complete copy of it is kept first (beside it, or in the
// user's cache folder when its folder is not writable or is append-only), the
// new bytes are written into it, flushed and read back, and on any failure the
// original is written back. The copy is removed afterwards, unless even that
// restoring failed, in which case the message says where the copy is. Nothing
// else is left behind. A symbolic link is followed and stays a link. A missing
// file is created with the permissions the kernel gives a new file (0666 less
// the umask, or the folder's default ACL); in an append-only folder it is made
// empty and written in place, and stays empty if that fails. Refused, with the
// cause in plain words and nothing changed: targets that are not regular
// files, read-only pages, and missing files whose folder is not writable.
// Returns an empty string on success.
QString replaceFileContents(const QString &path, const QByteArray &contents);
// The same with the contents given by a writer. A writer that returns false
// leaves the page as it was. It is called once, or a second time when the
// folder refused the rename after the contents were written and the page is
// then updated in place.
QString replaceFileContents(const QString &path, const ContentWriter &contents);

// While it updates a page in place, the file store keeps a copy of the page
// beside it named "." + the page's name + keptCopyInfix + six random letters
// and digits (".a.html.zephrin-copy-Ab12Cd"), or, when the page's folder takes
// no copy, in cachedCopyFolder() named cachedCopyPrefix() + six random letters
// and digits. A run that was killed may leave it behind.
inline constexpr char keptCopyInfix[] = ".zephrin-copy-";

// The name of the page whose copy kept beside it is named copyName ("a.html"
// for ".a.html.zephrin-copy-Ab12Cd"); empty when copyName names no such copy.
QString keptCopyPageName(const QString &copyName);

// The user's cache folder, where copies are kept for pages whose folders take none.
QString cachedCopyFolder();

// The start of the name of the copy kept in cachedCopyFolder() for the page at
// realPath (every link resolved): the page's name, eight hexadecimal digits
// that tell its path from other pages of that name, and keptCopyInfix
// ("a.html.1f2e3d4c.zephrin-copy-").
QByteArray cachedCopyPrefix(const QByteArray &realPath);

// Whether name is that of a copy kept in cachedCopyFolder() for the page at realPath.
bool isCachedCopyOf(const QString &name, const QByteArray &realPath);

// The new contents of a page are written beside it into a file named
// newContentsPrefix + six random letters and digits (".zephrin-Ab12Cd"),
// which then replaces the page by rename. A run killed before the rename may
// leave it behind, the page as it was.
inline constexpr char newContentsPrefix[] = ".zephrin-";

// Whether name is that of such a file.
bool isNewContentsName(const QString &name);

// The refusal replaceFileContents would give for path without writing
// anything: a target that is not a regular file, a read-only page, a missing
// file whose folder is not writable. Empty when the write would be tried.
QString replaceRefusal(const QString &path);
