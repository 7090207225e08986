#pragma once

#include "generator/adtype.h"

#include <QString>

#include <array>

// What the Generate command leaves in the Create tab's settings for a type.
// The caption label is English; the window shows it translated in the
// "SettingsForm" context. The placeholders ("<Center>", "<Not required>") are
// field values like any typed text, which generation and design files take as
// they stand, so they are the same in every language.
struct SettingsFormState
{
    struct Field
    {
        QString text;
        bool enabled = true;
    };
    std::array<Field, 5> fields; // Text1..Text5
    std::array<bool, 5> labelsEnabled; // Label1..Label5
    QString captionLabel; // Label5's caption

    bool operator==(const SettingsFormState &o) const;
};

// The placeholder address offered for Force Emailer's receiving address.
inline constexpr char examplePlaceholderAddress[] = "you@example.com";

// The body HTML the window starts with, and the command line's default body.
inline constexpr char sampleBody[]
    = "<B>Company name here</B><BR><BR><u>My ad title here</u><Br>Content of my ad "
      "here.Contact us for free html ad generation help.<BR><i>Thanks</i>";

// The colour an ad has until one is chosen, as RRGGBB.
inline constexpr char defaultColour[] = "FFFFFF";

// Defaults and enabled states of the settings after Generate with type selected.
SettingsFormState generateDefaults(AdType type);
