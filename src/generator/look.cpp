#include "generator/look.h"

#include "generator/adsettings.h"
#include "generator/colourtext.h"
#include "generator/generatedefaults.h"
#include "generator/signupform.h"

#include <algorithm>
#include <cmath>

namespace {

// part of the way from colour to toward, channel by channel.
ColourValue mixed(ColourValue colour, ColourValue toward, double part)
{
    ColourValue out = 0;
    for (int shift : {16, 8, 0}) {
        const double from = (colour >> shift) & 0xFF;
        const double to = (toward >> shift) & 0xFF;
        out |= ColourValue(std::lround(from + (to - from) * part)) << shift;
    }
    return out;
}

QString cssColour(ColourValue colour)
{
    return QLatin1Char('#') + colourText(colour, QStringLiteral("H"));
}

// The box's colours as custom properties, which the rules take: background,
// text and hairlines, Force Emailer's hint in its address field, and Window
// AD's title bar and the bar's text.
QString palette(AdType type, ColourValue background, const char *line)
{
    const ColourValue text = textColourOn(background);
    QString out = QLatin1String("--z-bg:") + cssColour(background) + QLatin1String(";--z-fg:")
        + cssColour(text) + QLatin1String(";--z-line:") + QLatin1String(line);
    if (type == AdType::ForceEmailer) {
        // The address field's hint: the text colour, paler where it still reads.
        ColourValue hint = text;
        for (double part : {0.2, 0.35}) {
            if (contrastRatio(mixed(text, background, part), background) >= 4.5)
                hint = mixed(text, background, part);
        }
        out += QLatin1String(";--z-hint:") + cssColour(hint);
    }
    if (type == AdType::WindowAd) {
        const ColourValue bar = mixed(background, text, 0.1);
        out += QLatin1String(";--z-bar:") + cssColour(bar) + QLatin1String(";--z-bar-fg:")
            + cssColour(textColourOn(bar));
    }
    return out;
}

// The selector of the box itself: the id its body section gives it, or for
// Window AD, which its script builds, the one box of Zephrin's without an id.
QString boxSelector(AdType type)
{
    if (type == AdType::WindowAd)
        return QStringLiteral("[data-zephrin]:not([id])");
    return QLatin1Char('#') + QLatin1String(adTypeInfo(type).boxId)
        + QLatin1String("[data-zephrin]");
}

// Rules in which "$" stands for the box's selector.
QString forBox(const char *rules, const QString &box)
{
    return QString::fromLatin1(rules).replace(QLatin1Char('$'), box);
}

// The declarations of the element that carries the box's background: Timer
// AD's outer table (whose green frame the modern look gives up), the box
// itself elsewhere. Scripts set some of these on the element itself.
const char card[] = "background:var(--z-bg)!important;color:var(--z-fg)!important;"
                    "border:1px solid var(--z-line)!important;border-radius:12px;"
                    "box-shadow:0 8px 28px #0003!important";

// The close control close of box as a round button drawn as a cross, placed
// by the declarations place (coarsePlace on touch screens, where extra rules
// apply too). Its text stays, out of sight, as its name for screen readers.
QString closeButton(const QString &box, const char *close, const char *place,
                    const char *coarsePlace = "", const char *extra = "")
{
    const QString control = box + QLatin1Char(' ') + QLatin1String(close);
    return control
        + QLatin1String("{width:32px;height:32px;padding:0;border:0;border-radius:50%;"
                        "font-size:0;cursor:pointer;background:linear-gradient(45deg,"
                        "#0000 45%,var(--z-fg) 0 55%,#0000 0) 50%/16px 16px no-repeat,"
                        "linear-gradient(-45deg,#0000 45%,var(--z-fg) 0 55%,#0000 0) 50%/16px "
                        "16px no-repeat;")
        + QLatin1String(place) + QLatin1Char('}') + control
        + QLatin1String(":hover{background-color:var(--z-line)}@media(pointer:coarse){") + control
        + QLatin1String("{width:44px;height:44px;") + QLatin1String(coarsePlace) + QLatin1Char('}')
        + forBox(extra, box) + QLatin1Char('}');
}

// Window AD's title bar in the box's colours, with flat buttons.
const char windowParts[]
    = "$>div:first-child{background:var(--z-bar)!important;color:var(--z-bar-fg)!important;"
      "padding:4px 4px 4px 14px!important}"
      "$>div:first-child>span{font:inherit!important;font-weight:600!important}"
      "$ button{width:32px!important;height:32px!important;border:0!important;border-radius:8px;"
      "background:none!important;color:inherit!important;font:16px/32px sans-serif!important}"
      "$ button:hover{background:var(--z-line)!important}"
      "$>div:last-child{padding:12px 16px!important;color:var(--z-fg)!important}"
      "@media(pointer:coarse){$ button{width:44px!important;height:44px!important;"
      "line-height:44px!important}}";

// Force Emailer: hidden until its script shows it (it would otherwise stand
// in the design's look while the page loads), a form whose button takes the
// text colour as its background. A sign-up form's close button floats at the
// top right.
const char emailerParts[]
    = "$:not([role]){visibility:hidden!important}$ p{margin:0}$ form{margin:12px 0 4px}"
      "$ :is(input,button){font:inherit;border-radius:8px;padding:8px 14px;max-width:100%;"
      "box-sizing:border-box}"
      "$ :is([type=submit],button){background:var(--z-fg);color:var(--z-bg);border:0;"
      "font-weight:600;cursor:pointer}"
      "$ input:not([type=submit]){background:var(--z-bg);color:var(--z-fg);"
      "border:1px solid var(--z-fg)}";
const char signupParts[] = "$ ::placeholder{color:var(--z-hint);opacity:1}";

// Timer AD: one card instead of two nested coloured tables; the inner one
// takes the card's text colour also where a page without a doctype would not
// pass it into a table.
const char timerParts[] = "$ td{padding:0;border:0;background:none}"
                          "$ table table{border:0;background:none;color:inherit}"
                          "$ td td{padding:16px 20px}$ p{margin:12px 0 0}";

// As a box of the look shows, it takes the interface font of its
// --z-font where its parent has the browser's default font, which a
// style rule cannot tell. A box of the classic look has no such property.
const char fontScript[]
    = "<script>addEventListener('zephrin:show',function(e){var b=e.target,u=b.parentNode,"
      "f=getComputedStyle(b).getPropertyValue('--z-font'),i;if(f){"
      "i=u.insertBefore(document.createElement('i'),b);i.style.fontFamily='initial';"
      "if(getComputedStyle(i).fontFamily==getComputedStyle(u).fontFamily)b.style.fontFamily=f;"
      "i.remove()}})</script>";

} // namespace

QString lookName(Look look)
{
    return look == Look::Modern ? QStringLiteral("modern") : QStringLiteral("classic");
}

QString demoPageName(AdType type, Look look, bool signUpForm)
{
    QString name = QLatin1String(adTypeInfo(type).demoPage);
    if (signUpForm && type == AdType::ForceEmailer)
        name.prepend(QLatin1String("signup-"));
    return look == Look::Modern ? QLatin1String("modern-") + name : name;
}

QString demoPageFor(const AdSettings &settings)
{
    if (settings.type == AdType::None)
        return QString();
    return demoPageName(settings.type, settings.look, signupFormOf(settings).has_value());
}

ColourValue textColourOn(ColourValue background)
{
    const ColourValue ink = colourValue(0x1D, 0x1F, 0x24);
    const ColourValue white = colourValue(255, 255, 255);
    const double onInk = contrastRatio(ink, background);
    const double onWhite = contrastRatio(white, background);
    const ColourValue better = onInk >= onWhite ? ink : white;
    return std::max(onInk, onWhite) >= 4.5 ? better : colourValue(0, 0, 0);
}

QString lookElements(const AdSettings &settings)
{
    const AdType type = settings.type;
    if (settings.look != Look::Modern || type == AdType::None)
        return QString();
    const QString &colour = settings.colour;
    // Anything but six hex digits (no colour at all to a browser) counts as white.
    const ColourValue background = colourOfText(colour).value_or(colourValue(255, 255, 255));
    const QString box = boxSelector(type);

    QString css = box + QLatin1Char('{') + palette(type, background, "#0002")
        + QLatin1String(";--z-font:system-ui,sans-serif;line-height:1.45");
    if (type != AdType::TimerAd)
        css += QLatin1Char(';') + QLatin1String(card);
    switch (type) {
    case AdType::StickMeNote:
    case AdType::JumpyAd:
        // Room for the close button; the box grows with its text rather than
        // scroll it, from the height set.
        css += QLatin1String(";padding:16px 48px 16px 20px;height:auto!important");
        if (const int height = settings.height.toInt(); height > 0)
            css += QLatin1String(";min-height:") + QString::number(height) + QLatin1String("px");
        // The design's close link ("Hide Box", "[Close Box]") in the top right corner.
        css += QLatin1Char('}')
            + closeButton(box, "[align=right]>[onclick]", "position:absolute;top:6px;right:6px",
                          "top:0;right:0", "${padding-right:56px}");
        // The design's text colour (green on white, white on a colour) gives
        // way to the box's.
        if (type == AdType::JumpyAd)
            css += box + QLatin1String(">font{color:inherit}");
        break;
    case AdType::WindowAd:
        css += QLatin1Char('}') + forBox(windowParts, box);
        break;
    case AdType::ForceEmailer:
        css += QLatin1String(";padding:16px 20px}") + forBox(emailerParts, box);
        if (signupFormOf(settings)) {
            css += closeButton(box, "[data-close]", "float:right;margin:-8px -12px 0 8px")
                + forBox(signupParts, box);
        }
        break;
    case AdType::TimerAd:
        css += QLatin1String("}") + box + QLatin1String(">table{border-spacing:0;")
            + QLatin1String(card) + QLatin1Char('}') + forBox(timerParts, box);
        break;
    case AdType::None:
        break;
    }
    // A page's own text colours for these would reach into the box.
    css += forBox("$ :is(p,td,li,h1,h2,h3,h4){color:inherit}$ a{color:var(--z-fg)}", box);
    // The credit link's 10 pixels would be hard to read and to hit.
    if (type != AdType::WindowAd) {
        css += box
            + QLatin1String(" font[size='1']{font-size:12px;display:inline-block;"
                            "line-height:24px}");
    }
    if (colour == QLatin1String(defaultColour)) {
        css += QLatin1String("@media(prefers-color-scheme:dark){") + box + QLatin1Char('{')
            + palette(type, colourValue(0x1F, 0x20, 0x23), "#fff3") + QLatin1String("}}");
    }
    return QLatin1String("<style>") + css + QLatin1String("</style>") + QLatin1String(fontScript);
}
