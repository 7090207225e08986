#include "pages/previewpage.h"

QByteArray previewPage(const QString &body, const QString &head)
{
    const QByteArray bodyBytes = body.toUtf8();
    const QByteArray headBytes = head.toUtf8();
    QByteArray page;
    page.reserve(bodyBytes.size() + headBytes.size() + 32);
    page.append("<body>");
    page.append(bodyBytes);
    page.append("</body><head>");
    page.append(headBytes);
    page.append("</head>\r\n");
    return page;
}
