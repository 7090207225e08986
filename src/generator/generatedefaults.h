#pragma once

#include "generator/adtype.h"

#include <QString>

#include <array>

// What the Generate command leaves in the Create tab's settings for a type.
struct SettingsFormState
{
    struct Field
    {
        QString text;
        bool enabled = true;
    };
    std::array<Field, 5> fields;       // Text1..Text5
    std::array<bool, 5> labelsEnabled; // Label1..Label5
    QString captionLabel;              // Label5's caption

    bool operator==(const SettingsFormState &o) const;
};

// The placeholder address offered for Force Emailer's receiving address.
inline constexpr char examplePlaceholderAddress[] = "you@example.com";

// Defaults and enabled states of the settings after Generate with type selected.
SettingsFormState generateDefaults(AdType type);
