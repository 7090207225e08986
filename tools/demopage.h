#pragma once

// The demonstration pages of the application folder (sticky.html ...
// timer.html). Each page is built from the same support script and the same
// generator functions a user's page gets, so a demonstration cannot drift
// from the generated code: zephrin_demopages writes them at build time.
//
// Header-only so that the tools and the browser test share it without a library.

#include "generator/adtype.h"
#include "generator/generation.h"

#include <QByteArray>
#include <QString>

#include <array>

namespace DemoPage {

inline constexpr std::array<AdType, 5> allTypes = {
    AdType::StickMeNote, AdType::WindowAd, AdType::JumpyAd, AdType::ForceEmailer, AdType::TimerAd};

// Settings that fit the preview window's browser (about 545 x 377 pixels),
// in look. With signUpForm, Force Emailer's box holds a sign-up form whose
// sign-up lasts one page view, so that "Show again" shows the form again.
inline AdSettings sampleSettings(AdType type, Look look = Look::Classic, bool signUpForm = false)
{
    AdSettings s;
    s.type = type;
    s.look = look;
    s.height = QStringLiteral("150");
    s.width = QStringLiteral("280");
    s.horizontal = QStringLiteral("130");
    s.vertical = QStringLiteral("100");
    s.colour = QStringLiteral("FFFFFF");
    switch (type) {
    case AdType::StickMeNote:
        s.colour = QStringLiteral("FFFF99");
        s.body = QStringLiteral("<b>Note:</b> our shop closes early on Friday.<br>"
                                "This note stays in the middle of the window until you hide it.");
        break;
    case AdType::WindowAd:
        s.height = QStringLiteral("170");
        s.horizontal = QStringLiteral("120");
        s.vertical = QStringLiteral("90");
        s.caption = QStringLiteral("Spring sale");
        s.body = QStringLiteral("<b>Spring sale!</b><br>Everything 20% off this week. "
                                "Drag me by the title bar, or try the buttons.");
        break;
    case AdType::JumpyAd:
        s.colour = QStringLiteral("2E6DA4"); // any colour but white gives white text
        s.body = QStringLiteral("<b>Can't miss it!</b> Free delivery on every order today.");
        break;
    case AdType::ForceEmailer:
        s.horizontal = QStringLiteral("120");
        s.vertical = QStringLiteral("110");
        s.colour = QStringLiteral("EEF4FF");
        s.caption = QStringLiteral("news@tolvane.example");
        s.body = QStringLiteral("<b>Join our newsletter</b><br>One e-mail a month, no spam.");
        if (signUpForm) {
            s.height = QStringLiteral("190");
            s.caption = QStringLiteral("https://tolvane.example/newsletter/subscribe");
            s.rules.storage = DisplayRules::Storage::None;
        }
        break;
    case AdType::TimerAd:
        s.height = QStringLiteral("120");
        s.colour = QStringLiteral("FFFFEE");
        s.body = QStringLiteral("<b>This page is sponsored by Tolvane.</b>");
        break;
    case AdType::None:
        break;
    }
    return s;
}

// The page for the box of s, made from the given support scripts. It is a
// modern page (doctype, UTF-8; for the modern look light or dark as the
// reader's system is) with the head section in its head and the body section
// in its body, as a user pastes them; line ends are LF throughout.
inline QString pageText(const AdSettings &s, const SupportScripts &scripts)
{
    const Look look = s.look;
    const GeneratedCode code = generateCode(s, scripts);
    const AdTypeInfo &info = adTypeInfo(s.type);
    const QString caption = QString::fromLatin1(info.caption);
    QString page
        = QStringLiteral("<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n"
                         "<meta charset=\"utf-8\">\n"
                         "<meta name=\"viewport\" content=\"width=device-width, "
                         "initial-scale=1\">\n<title>Zephrin demonstration: ")
        + caption
        + QStringLiteral("</title>\n<style>body{font:15px/1.4 sans-serif;margin:12px 20px;"
                         "color:#222}h1{font-size:20px;margin:0 0 6px}p{margin:0 0 8px}")
        // A modern site follows the reader's colour scheme; a classic box
        // would take the page's light text with it, so its page stays light.
        + QLatin1String(
              look == Look::Modern
                  ? "@media(prefers-color-scheme:dark){body{background:#18191B;color:#ddd}}"
                  : "")
        + QStringLiteral("</style>\n") + code.head + QStringLiteral("\n</head>\n<body>\n<h1>")
        + caption + QStringLiteral("</h1>\n<p>") + QString::fromLatin1(info.description)
        + QStringLiteral("</p>\n") + code.body
        + QStringLiteral(
              "\n<p>Press \"Show again\" to watch it once more.</p>\n</body>\n</html>\n");
    page.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return page;
}

// A script that turns every word on a demonstration page into a bar of its
// colour, so a snapshot shows the shape of the page and its box in any
// language. Symbols without letters or digits (Window AD's title buttons)
// stay as they are; a button's label becomes a bar on the button.
inline const QString wordlessScript = QStringLiteral(R"js((function () {
  var word = /[\p{L}\p{N}]/u;
  function bar(colour) {
    return 'linear-gradient(' + colour + ',' + colour + ')';
  }
  var walk = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT), texts = [];
  while (walk.nextNode())
    texts.push(walk.currentNode);
  texts.forEach(function (text) {
    var parent = text.parentNode;
    if (!word.test(text.nodeValue) || parent.closest('script, style'))
      return;
    var colour = getComputedStyle(parent).color, pieces = document.createDocumentFragment();
    text.nodeValue.split(/(\s+)/).forEach(function (piece) {
      if (!word.test(piece)) {
        pieces.appendChild(document.createTextNode(piece));
        return;
      }
      var span = document.createElement('span');
      span.textContent = piece;
      span.style.cssText = 'color:transparent;text-decoration-color:transparent;background:'
        + bar(colour) + ' no-repeat 0 60%/100% 45%';
      pieces.appendChild(span);
    });
    parent.replaceChild(pieces, text);
  });
  Array.prototype.forEach.call(document.querySelectorAll('input'), function (input) {
    if (!word.test(input.value))
      return;
    input.style.backgroundImage = bar(getComputedStyle(input).color);
    input.style.backgroundRepeat = 'no-repeat';
    input.style.backgroundPosition = 'center';
    input.style.backgroundSize = '60% 35%';
    input.style.color = 'transparent';
  });
})())js");

} // namespace DemoPage
