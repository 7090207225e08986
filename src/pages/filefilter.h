#pragma once

#include <QString>
#include <QStringList>

// The page file dialog's type list, in the "Description|patterns|..." form.
extern const QString pageFileFilter;

// The entry of pageFileFilter shown first: "HTML Files (*.htm,*.html)".
inline constexpr int initialPageFilterIndex = 2;

// Turns a "Description|patterns|..." list into Qt name filters that show each
// description as it stands and match its patterns; ';' separates patterns,
// and "*.*" matches every file, names without a dot included.
QStringList nameFiltersFromPairs(const QString &filter);
