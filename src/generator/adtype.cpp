#include "generator/adtype.h"

#include <QCoreApplication>

#include <array>

namespace {

const std::array<AdTypeInfo, 5> catalogue = {{
    {AdType::StickMeNote, "stickme-note", "StickME note",
     QT_TRANSLATE_NOOP("AdCatalogue",
                       "It is used as a regular post it.This ad shows exactly in the middle of the "
                       "browser.User can close it by clicking the Hide box button"),
     "sticky.gif", "sticky.html", "popup1.js", "fadeinbox"},
    {AdType::WindowAd, "window-ad", "Window AD",
     QT_TRANSLATE_NOOP("AdCatalogue",
                       "It is just like any floating window.You can minimize it , maximize it , "
                       "restore it and close it."),
     "window.gif", "window.html", "popup2.js", ""},
    {AdType::JumpyAd, "jumpy-ad", "Jumpy AD",
     QT_TRANSLATE_NOOP(
         "AdCatalogue",
         "Jumpy ads can never be missed.It falls in from the top of the browser window and wiggles "
         "like the name says."),
     "wiggler.gif", "wiggler.html", "popup3.js", "dropin"},
    {AdType::ForceEmailer, "force-emailer", "Force Emailer",
     QT_TRANSLATE_NOOP("AdCatalogue",
                       "Simple slidein ad which can help you gain user's email address.Ad slides "
                       "in from left and disappears in 5 seconds."),
     "optin.gif", "optin.html", "popup4.js", "msg"},
    {AdType::TimerAd, "timer-ad", "Timer AD",
     QT_TRANSLATE_NOOP(
         "AdCatalogue",
         "This type of ad shows only for a particular interval of time.It dissapears after a few "
         "seconds."),
     "bagger.gif", "timer.html", "popup5.js", "sponsorAdDiv"},
}};

} // namespace

const AdTypeInfo &adTypeInfo(AdType type)
{
    Q_ASSERT(type != AdType::None);
    return catalogue[static_cast<int>(type) - 1];
}
