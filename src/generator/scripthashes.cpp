#include "generator/scripthashes.h"

#include <QCryptographicHash>
#include <QRegularExpression>

QStringList inlineScriptHashes(const QString &html)
{
    static const QRegularExpression scriptElement(
        QStringLiteral("<script\\b([^>]*)>(.*?)</script\\s*>"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression srcAttribute(QStringLiteral("\\bsrc\\s*="),
                                                 QRegularExpression::CaseInsensitiveOption);
    QStringList hashes;
    for (const QRegularExpressionMatch &match : scriptElement.globalMatch(html)) {
        if (match.captured(1).contains(srcAttribute))
            continue;
        // Browsers turn CR LF and lone CR into LF before they see the script.
        QString text = match.captured(2);
        text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
        const QByteArray digest
            = QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Sha256);
        hashes.append(QStringLiteral("'sha256-%1'").arg(QString::fromLatin1(digest.toBase64())));
    }
    return hashes;
}
