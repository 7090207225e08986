#include "generator/designcheck.h"

#include "generator/bodysection.h"
#include "generator/colourtext.h"
#include "generator/generatedefaults.h"
#include "pages/pagetext.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

// The check's translation context.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(DesignCheck)
};

// A colour the template gives its text or links, as the check names it.
struct Ink
{
    const char *rgb;
    const char *name; // marked for translation in the DesignCheck context
};
constexpr Ink black {"000000", QT_TRANSLATE_NOOP("DesignCheck", "Black text")};
constexpr Ink white {"FFFFFF", QT_TRANSLATE_NOOP("DesignCheck", "White text")};
constexpr Ink green {"008000", QT_TRANSLATE_NOOP("DesignCheck", "Green text")};
constexpr Ink links {"0000EE", QT_TRANSLATE_NOOP("DesignCheck", "Links (#0000EE)")};

QList<Ink> inksOf(const AdSettings &s)
{
    switch (s.type) {
    case AdType::WindowAd:
        return {black}; // its window has no links of its own
    case AdType::JumpyAd:
        return {s.colour == QLatin1String(defaultColour) ? green : white, links};
    case AdType::StickMeNote:
    case AdType::ForceEmailer:
    case AdType::TimerAd:
        return {black, links};
    case AdType::None:
        break;
    }
    return {};
}

void checkContrast(const AdSettings &s, QList<DesignFinding> &findings)
{
    const std::optional<ColourValue> box = colourOfText(s.colour);
    if (!box)
        return;
    const ColourValue black = colourValue(0, 0, 0), white = colourValue(255, 255, 255);
    for (const Ink &ink : inksOf(s)) {
        const ColourValue text = *colourOfText(QLatin1String(ink.rgb));
        const double ratio = contrastRatio(text, *box);
        if (ratio >= 4.5)
            continue;
        // Cut, not rounded: 4.499 must not read as 4.50.
        const QString figure
            = QString::number(std::floor(ratio * 100) / 100, 'f', 2) + QLatin1String(":1");
        // The side of the text's colour on which 4.5:1 can be reached.
        const bool onLight = contrastRatio(text, white) > contrastRatio(text, black);
        QString change = onLight ? Texts::tr("Choose a lighter colour.")
                                 : Texts::tr("Choose a darker colour.");
        // White text wants a dark box and the links a light one: no colour suits both.
        if (s.type == AdType::JumpyAd)
            change = Texts::tr(
                "Choose FFFFFF, which gives Jumpy AD green text; on any other colour its "
                "text is white, which no colour suits together with its links.");
        findings.append({QStringLiteral("colour"),
                         QStringLiteral("WCAG 2.2 1.4.3 Contrast (Minimum)"), figure,
                         Texts::tr("%1 on the box colour %2: contrast %3, under 4.5:1.")
                             .arg(Texts::tr(ink.name), s.colour, figure),
                         change});
    }
}

// The controls the template puts in the box, as Chromium, Firefox and Safari
// draw them at their default fonts: a link 19 px high, a submit button 21 px.
void checkControls(const AdSettings &s, QList<DesignFinding> &findings)
{
    constexpr int linkHeight = 19, buttonHeight = 21;
    const QString link = Texts::tr("the \"%1\" link (%2 px high)");
    QStringList controls;
    switch (s.type) {
    case AdType::StickMeNote:
        controls << link.arg(s.texts.text(BoxText::NoteClose)).arg(linkHeight);
        break;
    case AdType::JumpyAd:
        controls << link.arg(s.texts.text(BoxText::JumpyClose)).arg(linkHeight);
        break;
    case AdType::ForceEmailer:
        controls << Texts::tr("the \"%1\" button (%2 px high)")
                        .arg(s.texts.text(BoxText::Button))
                        .arg(buttonHeight);
        break;
    case AdType::TimerAd:
        break;
    case AdType::WindowAd: // its title buttons are 24 px square
    case AdType::None:
        return;
    }
    // Every box here has the credit link, the lowest of its controls.
    controls << Texts::tr("the credit link (%1 px high)").arg(linkHeight);
    findings.append(
        {QStringLiteral("type"), QStringLiteral("WCAG 2.2 2.5.8 Target Size (Minimum)"),
         QStringLiteral("%1 px").arg(linkHeight),
         Texts::tr("Controls under 24 × 24 px: %1.").arg(controls.join(QLatin1String(", "))),
         Texts::tr("Give the box's controls room in the page's style sheet: [data-zephrin] "
                   "a, [data-zephrin] input {display: inline-block; min-height: 24px}. "
                   "Window AD's buttons are 24 px square.")});
}

void checkStorage(const AdSettings &s, QList<DesignFinding> &findings)
{
    if (!s.rules.storesOnShow())
        return;
    const QString storage = s.rules.showAgain == DisplayRules::ShowAgain::OncePerVisit
        ? QStringLiteral("sessionStorage")
        : QStringLiteral("localStorage");
    findings.append(
        {QStringLiteral("storage"),
         QStringLiteral("ePrivacy Directive 5(3), EDPB Guidelines 2/2023, TDDDG 25"), storage,
         Texts::tr(
             "The box writes to the reader's %1 when it shows, which needs the reader's consent.")
             .arg(storage),
         Texts::tr("Store only when the reader closes the box (on-close), once the site's consent "
                   "tool allows it (consent), or never (none).")});
}

// The rows [top, top + height) of a phone screen that a box covers.
int visibleRows(int top, int height)
{
    return std::max(0, std::min(phoneScreenHeight, top + height) - std::max(0, top));
}

void checkCoveredShare(const AdSettings &s, QList<DesignFinding> &findings)
{
    bool ok[3] = {};
    const int width = s.width.toInt(&ok[0]), height = s.height.toInt(&ok[1]);
    const int top = s.vertical.toInt(&ok[2]);
    // StickME note stands in the middle, whatever its position says.
    if (!ok[0] || !ok[1] || (!ok[2] && s.type != AdType::StickMeNote))
        return;
    // The scripts keep every box 8 px inside each side of the screen's width.
    constexpr int room = phoneScreenWidth - 16;
    int rows = 0;
    switch (s.type) {
    case AdType::StickMeNote: // in the middle, at most the screen less 16 px
        rows = std::min(height, phoneScreenHeight - 16);
        break;
    case AdType::WindowAd:
        rows = visibleRows(std::max(0, top), height);
        break;
    case AdType::JumpyAd:
    case AdType::TimerAd:
        rows = visibleRows(top, height);
        break;
    case AdType::ForceEmailer:
    case AdType::None:
        return;
    }
    const qint64 area = qint64(std::clamp(width, 0, room)) * rows;
    const int percent
        = int(std::lround(100.0 * double(area) / (phoneScreenWidth * phoneScreenHeight)));
    if (percent <= maxCoveredPercent)
        return;
    findings.append({QStringLiteral("height"),
                     QStringLiteral("Google Search: intrusive interstitials and dialogs"),
                     QStringLiteral("%1 %").arg(percent),
                     Texts::tr("On a %1 × %2 phone screen the box covers %3 %, more than %4 %.")
                         .arg(phoneScreenWidth)
                         .arg(phoneScreenHeight)
                         .arg(percent)
                         .arg(maxCoveredPercent),
                     Texts::tr("Make the box lower (or narrower).")});
}

void checkMailForm(const AdSettings &s, QList<DesignFinding> &findings)
{
    if (s.type != AdType::ForceEmailer
        || !rawBodySection(s).contains(QLatin1String("action='mailto:")))
        return;
    findings.append(
        {QStringLiteral("caption"), QStringLiteral("HTML form submission to mailto:"),
         QStringLiteral("mailto:") + s.caption,
         Texts::tr("The sign-up form is sent by mail, which works only for readers with a mail "
                   "program set up."),
         Texts::tr("Give the https: address of a mailing service's sign-up form.")});
}

} // namespace

QString DesignCheck::blockSizes() const
{
    return Texts::tr("The code adds %1 bytes to a page, %2 gzip-compressed.")
        .arg(blockBytes)
        .arg(gzipBytes);
}

DesignCheck checkDesign(const AdSettings &settings, const GeneratedCode &code)
{
    DesignCheck check;
    if (settings.type == AdType::None)
        return check;
    // The modern look picks the text colours for the box's colour and gives
    // its controls room of their own.
    if (settings.look == Look::Classic) {
        checkContrast(settings, check.findings);
        checkControls(settings, check.findings);
    }
    checkStorage(settings, check.findings);
    checkCoveredShare(settings, check.findings);
    checkMailForm(settings, check.findings);

    const QByteArray block = codeBlock(PageLayout(), code.body, code.head);
    check.blockBytes = block.size();
    // qCompress gives a 4-byte length and a zlib stream (2-byte header,
    // 4-byte checksum); gzip wraps the same deflate data in 18 bytes.
    check.gzipBytes = qCompress(block, 9).size() - 4 - 6 + 18;
    return check;
}
