#pragma once

#include "generator/adtype.h"
#include "generator/analytics.h"
#include "generator/boxtexts.h"
#include "generator/displayrules.h"
#include "generator/look.h"

#include <QString>

// Everything the generators read from the main window: the selected type and
// the settings fields' texts exactly as typed (nothing trimmed or checked).
struct AdSettings
{
    AdType type = AdType::None;
    QString height; // Text1
    QString width; // Text2
    QString horizontal; // Text3
    QString vertical; // Text4
    QString caption; // Text5; the receiving address for Force Emailer
    QString body; // Txtbody, body HTML
    QString colour; // Text14, six hex digits without '#'
    // Force Emailer: the name a sign-up form at an address no service table
    // row knows sends the reader's address under; empty means "email".
    QString formField;
    DisplayRules rules; // the Display rules tab; none by default
    BoxTexts texts; // the words of the box; English by default
    Analytics analytics = Analytics::None; // the site's analytics told of the box's events
    Look look = Look::Classic;

    bool operator==(const AdSettings &o) const
    {
        return type == o.type && height == o.height && width == o.width
            && horizontal == o.horizontal && vertical == o.vertical && caption == o.caption
            && body == o.body && colour == o.colour && formField == o.formField && rules == o.rules
            && texts == o.texts && analytics == o.analytics && look == o.look;
    }
    bool operator!=(const AdSettings &o) const { return !(*this == o); }
};

// Text with every line break as CR LF, as a typed multi-line text box gives
// it: a lone LF becomes CR LF, CR LF stays, a lone CR stays.
QString withCrLfLineBreaks(const QString &text);
