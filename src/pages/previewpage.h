#pragma once

#include <QByteArray>
#include <QString>

// The preview page file written into the application folder.
inline constexpr char previewPageName[] = "view.html";

// "<body>" body "</body><head>" head "</head>" CR LF, as UTF-8.
QByteArray previewPage(const QString &body, const QString &head);
