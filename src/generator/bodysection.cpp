#include "generator/bodysection.h"

#include "generator/encoder.h"
#include "generator/generatedefaults.h"
#include "generator/signupform.h"
#include "generator/weblinks.h"

namespace {

QString scriptString(const QString &text)
{
    return escapeForScriptLiteral(text, QLatin1Char('\''));
}

// A single-quoted attribute value; a quote in it would end it.
QString attributeValue(const QString &text)
{
    QString value = text;
    value.replace(QLatin1Char('\''), QLatin1String("&#39;"));
    return QLatin1Char('\'') + value + QLatin1Char('\'');
}

// The box's accessible name as an attribute, which its support script keeps;
// nothing for the English name, which the script gives itself.
QString nameAttribute(const AdSettings &s, BoxText which)
{
    const QString name = s.texts.text(which);
    if (name == defaultBoxText(which))
        return QString();
    return QLatin1String(" aria-label=") + attributeValue(name);
}

// Window AD's names for the window and its title buttons, as a last argument
// of ZephrinWindowAd; nothing when all are English, the script's own.
QString windowNames(const AdSettings &s)
{
    static const std::pair<BoxText, const char *> names[] = {
        {BoxText::WindowName, "window"}, {BoxText::Minimise, "minimise"},
        {BoxText::Maximise, "maximise"}, {BoxText::Restore, "restore"},
        {BoxText::Close, "close"},
    };
    QString object;
    bool english = true;
    for (const auto &[which, key] : names) {
        const QString text = s.texts.text(which);
        english = english && text == defaultBoxText(which);
        object += (object.isEmpty() ? QLatin1String("{") : QLatin1String(",")) + QLatin1String(key)
            + QLatin1String(":'") + scriptString(text) + QLatin1Char('\'');
    }
    return english ? QString() : QLatin1String(", ") + object + QLatin1Char('}');
}

// The texts of the countdown's controls, as attributes its support script
// reads; nothing for the English ones, the script's own.
QString countdownTexts(const AdSettings &s)
{
    static const std::pair<BoxText, const char *> texts[] = {
        {BoxText::KeepOpen, " data-keep-open="},
        {BoxText::Close, " data-close="},
        {BoxText::ClosesIn, " data-closes-in="},
    };
    QString attributes;
    for (const auto &[which, attribute] : texts) {
        const QString text = s.texts.text(which);
        if (text != defaultBoxText(which))
            attributes += QLatin1String(attribute) + attributeValue(text);
    }
    return attributes;
}

// The four numbers are script code, not strings, and go in as typed; only
// what would reach the page as a control or outside 7-bit ASCII is rewritten,
// keeping what the code means: a non-ASCII space (white space to the script)
// becomes a plain space, any other such unit its \uXXXX escape (the same name
// inside an identifier, a syntax error anywhere else, as it was raw).
QString scriptCode(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const char16_t unit = c.unicode();
        if (unit == u'\t' || unit == u'\n' || unit == u'\r' || (unit >= 0x20 && unit < 0x7F)) {
            out += c;
        } else if (unit == 0xFEFF || c.category() == QChar::Separator_Space
                   || c.category() == QChar::Separator_Line
                   || c.category() == QChar::Separator_Paragraph) {
            out += QLatin1Char(' ');
        } else {
            out += QLatin1String("\\u") + upperHex(unit, 4);
        }
    }
    return out;
}

// Starts the window once the page has loaded, beside any load handler the
// page has of its own, or at once when the page finished loading before the
// script ran (a block added to a page after it was shown).
QString windowAd(const AdSettings &s)
{
    return QLatin1String(
               "<script>(function(start){if(document.readyState==='complete')start();"
               "else window.addEventListener('load',start);})(function(){new ZephrinWindowAd(")
        + scriptCode(s.vertical) + QLatin1Char(',') + scriptCode(s.horizontal) + QLatin1Char(',')
        + scriptCode(s.width) + QLatin1Char(',') + scriptCode(s.height)
        + QLatin1String(", 'Div', '") + scriptString(s.body) + QLatin1String("', '")
        + scriptString(s.colour) + QLatin1String("', 'black', 'bold 10pt sans-serif','")
        + scriptString(s.caption)
        + QLatin1String("', 'navy', 'white', '#dddddd', 'gray', 'black', true, true, true, true, "
                        "false")
        + windowNames(s) + QLatin1String(");});</script>");
}

QString stickMeNote(const AdSettings &s)
{
    return QLatin1String("<DIV id='fadeinbox' data-zephrin") + nameAttribute(s, BoxText::NoteName)
        + QLatin1String(" Style = "
                        "'filter:progid:DXImageTransform.Microsoft.RandomDissolve(duration=1) "
                        "progid:DXImageTransform.Microsoft.Shadow(color=gray,direction=135) ; "
                        "-moz-opacity:0'>")
        + s.body
        + QLatin1String("<br><div align='right'> <a href='#' onClick='hidefadebox();return "
                        "false'>")
        + s.texts.text(BoxText::NoteClose) + QLatin1String("</a><BR>") + creditLink()
        + QLatin1String("</div></div>");
}

QString jumpyAd(const AdSettings &s)
{
    // Green text reads well only on the untouched white default; the test is
    // deliberately exact, so "ffffff" counts as a chosen colour.
    const QLatin1String textColour = s.colour == QLatin1String(defaultColour)
        ? QLatin1String("green")
        : QLatin1String("white");
    return QLatin1String("<div id='dropin' data-zephrin") + nameAttribute(s, BoxText::JumpyName)
        + QLatin1String(" style='position:absolute;visibility:hidden;left:") + s.horizontal
        + QLatin1String("px;top:") + s.vertical + QLatin1String("px;width:") + s.width
        + QLatin1String("px;height:") + s.height + QLatin1String("px;background-color:") + s.colour
        + QLatin1String("'><div align='right'><a href='#' onClick='dismissbox();return "
                        "false'>")
        + s.texts.text(BoxText::JumpyClose) + QLatin1String("</a></div><font color=") + textColour
        + QLatin1Char('>') + s.body + QLatin1String("<BR><BR>") + creditLink()
        + QLatin1String("</font></div>");
}

QString timerAd(const AdSettings &s)
{
    return QLatin1String("<div") + countdownTexts(s)
        + QLatin1String(" id='sponsorAdDiv' data-zephrin") + nameAttribute(s, BoxText::TimerName)
        + QLatin1String(" style='visibility:hidden'><table "
                        "width='0px' height='0px' bgcolor='#008000'><tr><td><table width='")
        + s.width + QLatin1String("px' height='") + s.height + QLatin1String("px' bgcolor='")
        + s.colour + QLatin1String("'><tr><td align='center' valign='middle'>") + s.body
        + QLatin1String("<p>") + s.texts.text(BoxText::Notice) + QLatin1String("<br><BR>")
        + creditLink() + QLatin1String("</td></tr></table></td></tr></table></div>");
}

// A sign-up form's fields: the address, what the service takes beside it,
// and the fields a person never fills, off-screen. The names come from the
// service table or a design, which keep quotes out of them.
QString signupFields(const AdSettings &s, const SignupForm &form)
{
    QString fields = QLatin1String("<input type=email name='") + form.addressField
        + QLatin1String("' required autocomplete=email placeholder=")
        + attributeValue(s.texts.text(BoxText::AddressHint)) + QLatin1String(" aria-label=")
        + attributeValue(s.texts.text(BoxText::AddressName)) + QLatin1Char('>');
    for (const auto &[name, value] : form.fixedFields)
        fields += QLatin1String("<input type=hidden name='") + name + QLatin1String("' value='")
            + value + QLatin1String("'>");
    fields += QLatin1String("<div aria-hidden=true style='position:absolute;left:-5000px'>");
    for (const QString &name : form.trapFields)
        fields += QLatin1String("<input type=text name='") + name
            + QLatin1String("' tabindex=-1 autocomplete=off value=''>");
    return fields + QLatin1String("</div> ");
}

// No <body> tag of its own: its attributes would be merged into the page's
// body (language, colours, load handler); the support script starts the box.
// An address caption gives the mailto: form; a sign-up form's address gives
// a form that posts into a hidden frame of the box's own, which the support
// script turns into a thank-you. The frame is named after the box's storage
// key, under which the script remembers a reader who signed up.
QString forceEmailer(const AdSettings &s)
{
    // The address and a chosen caption sit in single-quoted attributes.
    // The English caption goes in unquoted, as it always has.
    const QString button = s.texts.text(BoxText::Button);
    const QString buttonValue
        = button == defaultBoxText(BoxText::Button) ? button : attributeValue(button);
    const QString box = QLatin1String("<div class=Section1><div") + countdownTexts(s)
        + QLatin1String(" id=msg data-zephrin") + nameAttribute(s, BoxText::EmailerName)
        + QLatin1Char('>');
    const std::optional<SignupForm> form = signupFormOf(s);
    if (!form) {
        return box + QLatin1String("<p class=MsoNormal>") + s.body
            + QLatin1String("<form name=ewq action=")
            + attributeValue(QLatin1String("mailto:") + s.caption)
            + QLatin1String("><input type=submit name=submit value=") + buttonValue
            + QLatin1String("></form></p><BR>") + creditLink() + QLatin1String("</div></div>");
    }
    const QString frame = rulesStorageKey(AdType::ForceEmailer, s.body);
    return box + QLatin1String("<button type=button data-close aria-label=")
        + attributeValue(s.texts.text(BoxText::Close))
        + QLatin1String(" style='float:right'>&#215;</button><p class=MsoNormal>") + s.body
        + QLatin1String("<form name=ewq action=")
        + attributeValue(QString(form->action).replace(QLatin1Char('&'), QLatin1String("&amp;")))
        + QLatin1String(" method=post target='") + frame + QLatin1String("'>")
        + signupFields(s, *form) + QLatin1String("<input type=submit value=") + buttonValue
        + QLatin1String("></form></p><div role=status><span style='display:none'>")
        + s.texts.text(BoxText::Thanks) + QLatin1String("</span></div><iframe name='") + frame
        + QLatin1String("' sandbox style='display:none'></iframe><BR>") + creditLink()
        + QLatin1String("</div></div>");
}

} // namespace

QString creditLink()
{
    return QLatin1String("<a href=") + QLatin1String(WebLinks::productPage)
        + QLatin1String("><font size=1><U>Ad generated by Zephrin</u></font></a>");
}

QString rawBodySection(const AdSettings &settings)
{
    switch (settings.type) {
    case AdType::WindowAd:
        return windowAd(settings);
    case AdType::StickMeNote:
        return stickMeNote(settings);
    case AdType::JumpyAd:
        return jumpyAd(settings);
    case AdType::TimerAd:
        return timerAd(settings);
    case AdType::ForceEmailer:
        return forceEmailer(settings);
    case AdType::None:
        break;
    }
    return QString();
}
