#pragma once

#include "generator/adtype.h"
#include "generator/colourtext.h"

#include <QString>

struct AdSettings;

// How a box looks on the reader's page. Classic is the boxes' own design,
// byte for byte; modern adds style rules for today's sites.
enum class Look {
    Classic,
    Modern,
};

// The look's name on the command line and in settings files: "classic" or "modern".
QString lookName(Look look);

// The file name of type's demonstration page in look: the catalogue's one
// (sticky.html ...) for classic, the same with "modern-" before it for
// modern. Force Emailer's page with a sign-up form (signUpForm) has "signup-"
// before the catalogue's name (signup-optin.html, modern-signup-optin.html).
QString demoPageName(AdType type, Look look, bool signUpForm = false);

// The demonstration page that shows settings best: their type's, in their
// look, with a sign-up form where their Force Emailer's caption makes one.
// Empty for AdType::None.
QString demoPageFor(const AdSettings &settings);

// The style element and the script that settings.look adds after the rest of
// the head section: nothing for classic. For modern, rules that reach Zephrin's box of
// settings.type and the elements inside it only: the page's font, or the
// system's interface font where the page sets none (the script decides
// which as the box shows); the colour of
// settings as the box's background with text and links that read on it at
// 4.5:1 or better; rounded corners, a soft shadow and room around the text;
// a close button of at least 32 x 32 pixels (44 x 44 on touch screens) where
// the box has a close link, keeping the link's text as its name; and, where
// the colour is the untouched default white, a dark box under a dark colour
// scheme. Nothing in it asks for a font, image or other file.
QString lookElements(const AdSettings &settings);

// The text colour for background: a soft black or white, whichever reads
// better, or pure black where that one would fall short of 4.5:1.
ColourValue textColourOn(ColourValue background);
