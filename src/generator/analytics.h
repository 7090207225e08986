#pragma once

#include <QString>

#include <array>

// Whose analytics on the reader's page hears of a box's showing, closing and
// sending: none (the default, no code at all), or the analytics script
// (analytics.js) hands them to the site's own dataLayer, plausible(), _paq
// or umami, when the page has it.
enum class Analytics { None, DataLayer, Plausible, Matomo, Umami };

// Each choice's name in settings files, on the command line and in the
// script, in enum order: "none", "datalayer", "plausible", "matomo", "umami".
inline constexpr std::array<const char *, 5> analyticsNames
    = {"none", "datalayer", "plausible", "matomo", "umami"};

inline QString analyticsName(Analytics analytics)
{
    return QLatin1String(analyticsNames[std::size_t(analytics)]);
}

// The file name of the analytics script in the support folder.
inline constexpr char analyticsScriptName[] = "analytics.js";
