#pragma once

#include "generator/adsettings.h"

#include <QList>
#include <QString>

#include <optional>
#include <utility>

// Force Emailer's caption takes either the address that receives
// subscriptions by mail (the box's mailto: form) or the https: address of a
// mailing-list service's sign-up form, to which the box posts a reader's
// address itself. The services below are recognised from that address, so the
// post carries the field names each expects; any other https: address gets
// the field "email", or the one the design names.

// The form the box posts to a mailing-list service.
struct SignupForm
{
    QString action; // the https: address the form posts to, as given
    QString addressField; // the name the reader's address is sent under
    // Fields sent as they stand beside the address (Buttondown's embed=1).
    QList<std::pair<QString, QString>> fixedFields;
    // Fields that stay empty and off-screen, where a person never fills them:
    // the service's own bot field, if it has one, and the box's.
    QStringList trapFields;
};

// The field every sign-up form carries off-screen; a value in it means a bot
// filled the form in, and the box does not post.
inline constexpr char boxTrapField[] = "website";

// Whether text is one e-mail address: LOCAL@DOMAIN, the domain with a dot,
// and no space, control, quote, angle bracket, colon or other character
// that has no place in an address (so no "mailto:" or "javascript:" either).
bool isEmailAddress(const QString &text);

// The sign-up form for caption when it is an https: address with a host and
// nothing that has no place in an address (space, control, quote, angle
// bracket, backslash); nullopt for anything else, an e-mail address
// included. fieldName is the address field for a service not recognised; an
// empty one means "email".
std::optional<SignupForm> signupForm(const QString &caption, const QString &fieldName = {});

// The sign-up form of settings: a Force Emailer's whose caption makes one,
// sending the address under its form field; nullopt for every other box.
std::optional<SignupForm> signupFormOf(const AdSettings &settings);

// What is wrong with the caption of settings, for a message that names the
// field in front of it; empty when nothing is. Force Emailer's caption must
// be an e-mail address or a sign-up form's https: address; the other types
// take any caption.
QString captionProblem(const AdSettings &settings);

// Whether name can be a form field's name in a design: not empty, printable
// ASCII without space, quotes, angle brackets or '&'.
bool isFormFieldName(const QString &name);
