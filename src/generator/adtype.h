#pragma once

#include <QString>

// The five kinds of ad box. The numbers are those of the option buttons
// Option1..Option5 and of the support scripts popup1.js..popup5.js.
enum class AdType {
    None = 0,
    StickMeNote = 1,
    WindowAd = 2,
    JumpyAd = 3,
    ForceEmailer = 4,
    TimerAd = 5,
};

// One row of the ad type catalogue. The paths are file names in the
// application folder.
struct AdTypeInfo
{
    AdType type;
    const char *name; // on the command line and in settings files, e.g. "stickme-note"
    const char *caption; // option button caption, e.g. "StickME note"
    // Text shown under the catalogue; the window shows it translated in the
    // "AdCatalogue" context.
    const char *description;
    const char *snapshot; // e.g. "sticky.gif"
    const char *demoPage; // e.g. "sticky.html"
    const char *supportScript; // e.g. "popup1.js"
    const char *boxId; // the id of the box the body section writes, e.g. "fadeinbox"; "" for none
};

// Catalogue row of a type; type must not be AdType::None.
const AdTypeInfo &adTypeInfo(AdType type);
