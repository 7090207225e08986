#pragma once

#include <QString>

#include <array>
#include <optional>

// The words a box shows its readers and gives screen readers, in the site's
// language rather than the window's.

// One text of a box: a column of the language presets.
enum class BoxText {
    NoteClose, // StickME note's close link, "Hide Box"
    JumpyClose, // Jumpy AD's close link, "[Close Box]"
    Notice, // Timer AD's closing notice
    Button, // Force Emailer's button caption, "Subscribe"
    NoteName, // the accessible names of the boxes ...
    JumpyName,
    TimerName,
    EmailerName,
    WindowName, // ... Window AD's, when its caption is empty
    Minimise, // Window AD's title buttons
    Maximise,
    Restore,
    Close, // ... and close button, Force Emailer's and Timer AD's too
    Thanks, // Force Emailer's sign-up form: the thank-you once it is sent,
    AddressHint, // the address field's visible hint
    AddressName, // and its accessible name
    KeepOpen, // the button that stops Force Emailer's and Timer AD's countdown
    ClosesIn, // the time left, said once to screen readers; %1 the seconds
};
inline constexpr int boxTextCount = int(BoxText::ClosesIn) + 1;

// A language preset: its code ("fr"), its name in itself ("Français") and
// every text of a box in it.
struct BoxLanguage
{
    const char *code;
    const char *name; // UTF-8
    std::array<const char *, boxTextCount> texts; // UTF-8, in BoxText order
};

// English (the defaults), German, French, Spanish, Italian, Dutch, Portuguese
// and Polish, in that order.
extern const std::array<BoxLanguage, 8> boxLanguages;

// The preset with code, or nullptr.
const BoxLanguage *boxLanguage(const QString &code);

// The texts of a box as the ad settings hold them: the preset last chosen and
// the texts set on their own on top of it (a close link caption for both
// close links, a notice, a button caption, a sign-up form's thank-you). An
// unset text is the preset's.
struct BoxTexts
{
    QString language = QStringLiteral("en");
    std::optional<QString> close, notice, button, thanks;

    // The text that goes into the box: the one set on its own, else the preset's.
    QString text(BoxText which) const;
    bool isDefault() const { return *this == BoxTexts(); }

    bool operator==(const BoxTexts &o) const
    {
        return language == o.language && close == o.close && notice == o.notice
            && button == o.button && thanks == o.thanks;
    }
    bool operator!=(const BoxTexts &o) const { return !(*this == o); }
};

// The English text of which, the box's own without any language chosen.
QString defaultBoxText(BoxText which);
