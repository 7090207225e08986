#pragma once

#include "generator/adsettings.h"

#include <QMetaType>

Q_DECLARE_METATYPE(AdSettings)
Q_DECLARE_METATYPE(AdType)

// Settings of type whose fields all hold different texts, so that a test of a
// template sees which field went to which place.
inline AdSettings testSettings(AdType type, const QString &colour = QStringLiteral("FFCC00"))
{
    AdSettings s;
    s.type = type;
    s.height = QStringLiteral("180");
    s.width = QStringLiteral("280");
    s.horizontal = QStringLiteral("200");
    s.vertical = QStringLiteral("100");
    s.caption = QStringLiteral("Cap");
    s.body = QStringLiteral("<B>Hi</B>");
    s.colour = colour;
    return s;
}
