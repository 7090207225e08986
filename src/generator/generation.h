#pragma once

#include "generator/adsettings.h"

#include <QByteArray>
#include <QString>

struct LoadedPage;

// The code for one ad design, exactly as the window shows, copies and writes
// it (CR LF line ends included).
struct GeneratedCode
{
    QString body; // the body section, encoded as it goes into a page
    QString head; // the head section: the support script's lines and the style element
    // What the clipboard holds once both sections have been generated: the
    // head section, or the body section when the head is never copied (an
    // empty support script for Window AD or Jumpy AD).
    QString clipboard;
};

// The body section of settings: the type's template filled in from the
// settings, encoded with the self-decoding script for every type but Window AD.
// A null string for AdType::None.
QString generateBody(const AdSettings &settings);

// The head section of settings from the text of the type's support script
// (popupN.js, read as UTF-8), when settings carry display rules of the rules
// script (rules.js), and when they name an analytics of the analytics script
// (analytics.js). A null string for AdType::None.
QString generateHead(const AdSettings &settings, const QByteArray &supportScript,
                     const QByteArray &rulesScript = {}, const QByteArray &analyticsScript = {});

// Whether generating the head section from supportScript puts it on the clipboard.
bool headGoesToClipboard(AdType type, const QByteArray &supportScript);

// Both sections and the clipboard text, as the window's two Generate commands
// run one after the other give them.
GeneratedCode generateCode(const AdSettings &settings, const QByteArray &supportScript,
                           const QByteArray &rulesScript = {},
                           const QByteArray &analyticsScript = {});

// The file name of the rules script in the support folder.
inline constexpr char rulesScriptName[] = "rules.js";

// The Content-Security-Policy directive under which code, generated from
// settings, runs on a page and needs nothing else inline: "script-src" with the
// hashes of every inline script the code brings (the body section's, then the
// head section's, then those of the box's mark-up as the decoder writes it,
// the body HTML's own included) and, where the box's mark-up has inline event
// handlers (the close links, any in the body HTML), 'unsafe-hashes' with
// theirs. Window AD's window takes its body HTML as mark-up that runs
// handlers but no scripts. Line breaks may be CR LF or LF alike. A Force
// Emailer with a sign-up form adds "; form-action ORIGIN; frame-src ORIGIN"
// for the origin of the address the form posts to.
QString scriptSrcPolicy(const AdSettings &settings, const GeneratedCode &code);

// The path of type's support script in supportFolder; empty for AdType::None.
QString supportScriptPath(const QString &supportFolder, AdType type);

// The scripts the head section of some settings is made from.
struct SupportScripts
{
    QByteArray support; // the type's popupN.js, as installed
    QByteArray rules; // rules.js; empty when the settings carry no display rules
    QByteArray analytics; // analytics.js; empty when the settings name no analytics
    QString error; // names the file that could not be read; empty on success
    bool ok() const { return error.isEmpty(); }
};

// Reads settings.type's support script from supportFolder, complete as the
// build installed it, and, when settings carry display rules or name an
// analytics, the rules or analytics script beside it.
SupportScripts readSupportScripts(const QString &supportFolder, const AdSettings &settings);

// generateCode from the scripts read for settings.
GeneratedCode generateCode(const AdSettings &settings, const SupportScripts &scripts);

struct Setting;

// What generating some settings needs besides them, or why it cannot go ahead.
struct PreparedGeneration
{
    SupportScripts scripts; // its error says why generation cannot go ahead
    const Setting *setting = nullptr; // the setting at fault when the settings conflict
    bool ok() const { return scripts.ok(); }
    QString error() const { return scripts.error; }
};

// The one way into generation: checks settings as a whole (display rules
// that could never start the box, naming the setting at fault), then reads
// their scripts from supportFolder as readSupportScripts does.
PreparedGeneration prepareGeneration(const QString &supportFolder, const AdSettings &settings);

// What the author should know when the own text of page (not its block)
// already holds a Zephrin box of type, known by its support script (the box's
// selector "#fadeinbox[data-zephrin]", Window AD's ZephrinWindowAd): two boxes
// of one type on a page do not both work. Empty when it holds none.
QString sameTypeBoxNote(const LoadedPage &page, AdType type);
