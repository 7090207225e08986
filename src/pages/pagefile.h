#pragma once

#include "pages/filestore.h"
#include "pages/pagetext.h"

#include <QByteArray>
#include <QString>

// Adding the code block to a page file and taking it off again: one route for
// the window and the command line, so both read, check and write pages alike.

enum class PageOutcome {
    Updated, // the page was (or, in a dry run, would be) rewritten
    Unchanged, // the page already reads as it would be written; it was not touched
    Refused, // nothing was written; message says why
};

struct PageResult
{
    PageOutcome outcome = PageOutcome::Refused;
    QString message; // for Refused: the reason, naming the page
    QString note; // for Updated and Unchanged: what the page's owner should know, or empty
};

// A page file read whole and checked, before any code is generated for it.
struct LoadedPage
{
    QString path;
    FileBytes original; // the file's bytes as read (a large page is mapped, not copied)
    PageLayout layout; // where the block goes, found without copying the page
    QString error; // why the page cannot take the code, naming it; empty when it can
    bool ok() const { return error.isEmpty(); }
};

// Reads and checks the page at path (see mapWholeFile and pageLayout).
LoadedPage loadPage(const QString &path);

// Writes page with the block of body and head in place of any block it had,
// through replaceFileContents. A page whose bytes would not change is left
// untouched (same contents, same modification time). With dryRun nothing is
// written; the result says what would happen. The page's own bytes are
// written straight from the bytes as read (a large page's copied file to file
// by the kernel), followed by the block (see codeBlock): no copy of a large
// page is made in memory.
PageResult writeCodeIntoPage(const LoadedPage &page, const QString &body, const QString &head,
                             bool dryRun = false);

// Whether the page's own text gives an element the id attribute id (see
// pageHasElementId in pagetext.h); a large page is searched without going
// through its mapping.
bool pageHasElementId(const LoadedPage &page, QByteArrayView id);

// Whether the page's own text holds text (see pageTextContains).
bool pageTextContains(const LoadedPage &page, QByteArrayView text);

// loadPage, then writeCodeIntoPage.
PageResult addCodeToPage(const QString &path, const QString &body, const QString &head,
                         bool dryRun = false);

// Takes the block (the marker and everything after it, and a line end the
// block brought in front of it) off the page at path, with the same reading
// and writing rules, so add then remove gives the page back byte for byte. A
// page without a block is Unchanged.
PageResult removeCodeFromPage(const QString &path, bool dryRun = false);
