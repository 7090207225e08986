#include "pages/filefilter.h"

const QString pageFileFilter = QStringLiteral(
    "All Files (*.*)|*.*|Asp Files(*.asp)|*.asp|HTML Files (*.htm,*.html)|*.htm;*.html|Php "
    "Files (*.php)|*.php");

QStringList nameFiltersFromPairs(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList result;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts.at(i + 1).split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString &pattern : patterns) {
            if (pattern == QLatin1String("*.*"))
                pattern = QStringLiteral("*");
        }
        // Qt takes the patterns from the last parentheses; with the dialog's
        // details hidden, the description shows exactly as given.
        result << parts.at(i) + QStringLiteral(" (") + patterns.join(QLatin1Char(' '))
                + QLatin1Char(')');
    }
    return result;
}
