#pragma once

#include <QByteArray>
#include <QString>

// The preview page file written into the support folder.
inline constexpr char previewPageName[] = "view.html";

// "<body>" body "</body><head>" head "</head>" CR LF, as UTF-8.
QByteArray previewPage(const QString &body, const QString &head);

struct WrittenPreview
{
    QString path; // where the page was written; empty when it could not be
    QString error; // both failures, one per line, when it could not be written
};

// Writes page as previewPageName into folder or, when that cannot be written
// (an installed copy's folder is not the user's), into the user's cache
// folder, creating it. The page is self-contained, so it works from either.
WrittenPreview writePreviewPageFile(const QString &folder, const QByteArray &page);
