#include "generator/generatedefaults.h"

#include <QCoreApplication>

bool SettingsFormState::operator==(const SettingsFormState &o) const
{
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (fields[i].text != o.fields[i].text || fields[i].enabled != o.fields[i].enabled)
            return false;
    }
    return labelsEnabled == o.labelsEnabled && captionLabel == o.captionLabel;
}

SettingsFormState generateDefaults(AdType type)
{
    SettingsFormState state;
    const char *const defaults[] = {"180", "280", "200", "200", ""};
    for (std::size_t i = 0; i < state.fields.size(); ++i)
        state.fields[i] = {QString::fromLatin1(defaults[i]), true};
    state.labelsEnabled.fill(true);
    state.captionLabel = QStringLiteral(QT_TRANSLATE_NOOP("SettingsForm", "Caption"));

    const QString notRequired = QStringLiteral("<Not required>");
    switch (type) {
    case AdType::StickMeNote:
        // The note always opens centred, so the position fields mean nothing.
        state.labelsEnabled[2] = state.labelsEnabled[3] = state.labelsEnabled[4] = false;
        state.fields[2] = {QStringLiteral("<Center>"), false};
        state.fields[3] = {QStringLiteral("<Center>"), false};
        state.fields[4] = {notRequired, false};
        break;
    case AdType::JumpyAd:
    case AdType::TimerAd:
        state.fields[4] = {notRequired, false};
        break;
    case AdType::ForceEmailer:
        state.captionLabel = QStringLiteral(QT_TRANSLATE_NOOP("SettingsForm", "Email to:"));
        state.fields[4] = {QString::fromLatin1(examplePlaceholderAddress), true};
        break;
    case AdType::WindowAd:
    case AdType::None:
        break;
    }
    return state;
}
