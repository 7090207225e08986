#pragma once

#include "generator/adsettings.h"
#include "generator/generation.h"

#include <QList>
#include <QString>

// What a design would do on a reader's page that a shop may have to answer
// for: text that is hard to read, controls too small to hit, storage on the
// reader's device without consent, a box that hides most of a phone's screen,
// a sign-up form that needs a mail program. Each finding names the setting
// that changes it.

struct DesignFinding
{
    QString setting; // the settings key, which is also the option: "colour", "height", ...
    QString rule; // where the rule comes from, e.g. "WCAG 2.2 1.4.3 Contrast (Minimum)"
    QString figure; // what was measured: "1.07:1", "19 px", "47 %", "localStorage"
    QString finding; // what is wrong, in the user's language
    QString change; // what to change, in the user's language

    bool operator==(const DesignFinding &o) const
    {
        return setting == o.setting && rule == o.rule && figure == o.figure && finding == o.finding
            && change == o.change;
    }
};

struct DesignCheck
{
    QList<DesignFinding> findings; // empty for a design with nothing to change
    // What the code block adds to a page (a CR LF page, UTF-8): as written,
    // and gzip-compressed as a web server sends it.
    qsizetype blockBytes = 0;
    qsizetype gzipBytes = 0;

    // Both sizes in a sentence, in the user's language.
    QString blockSizes() const;
};

// The share of a phone's screen a box may cover before it counts as hiding
// the page: 30 %, the limit the Better Ads Standards set for ads on mobile
// pages; Google's guidance on intrusive dialogs names no figure of its own.
inline constexpr int phoneScreenWidth = 360;
inline constexpr int phoneScreenHeight = 640;
inline constexpr int maxCoveredPercent = 30;

// Checks settings and their code (generateCode's result for them):
// - in the classic look, the template's own text and link colours against
//   the box colour, by WCAG's contrast formula, under 4.5:1 (text the
//   template leaves uncoloured and links in the browser's defaults: black,
//   #0000EE), and its controls under 24 x 24 px, as a browser draws them at
//   its default 16 px font (the modern look sees to both);
// - display rules that store on the reader's device when the box shows;
// - a box covering more than maxCoveredPercent of a phone screen, as the
//   support script sizes and places it there (Force Emailer grows with its
//   text, so it is left out);
// - a Force Emailer form that posts to a mailto: address.
// Findings come in that order. A size, position or colour that is not a
// number gives no finding of its own kind.
DesignCheck checkDesign(const AdSettings &settings, const GeneratedCode &code);
