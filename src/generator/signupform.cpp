#include "generator/signupform.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QUrl>
#include <QUrlQuery>

namespace {

// A mailing-list service whose sign-up address Zephrin recognises: the
// address's host and path, and what its form sends.
struct SignupService
{
    const char *hostAndPath; // pattern over host + path
    const char *addressField;
    const char *fixedName, *fixedValue; // nullptr: none
    // The service's own bot field, {NAME} standing for the address's query
    // item NAME; nullptr: none.
    const char *botField;
};

// Mailchimp, Buttondown, Kit and MailerLite, as their embedded forms post.
constexpr SignupService services[] = {
    {R"([a-z0-9-]+\.list-manage\.com/subscribe/post)", "EMAIL", nullptr, nullptr, "b_{u}_{id}"},
    {R"(buttondown\.(com|email)/api/emails/embed-subscribe/[^/]+/?)", "email", "embed", "1",
     nullptr},
    {R"(app\.kit\.com/forms/[0-9]+/subscriptions)", "email_address", nullptr, nullptr, nullptr},
    {R"(assets\.mailerlite\.com/jsonp/[0-9]+/forms/[0-9]+/subscribe)", "fields[email]", "ml-submit",
     "1", nullptr},
};

// What never belongs in an address typed as one word: white space,
// controls, quotes, angle brackets and backslashes.
bool hasForeignCharacter(const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() <= 0x20 || c.unicode() == 0x7F || c.isSpace()
            || c.category() == QChar::Other_Control || QStringView(u"\"'<>\\").contains(c))
            return true;
    }
    return false;
}

// The bot field from pattern, or empty when the address lacks a query item it names.
QString botFieldName(const char *pattern, const QUrlQuery &query)
{
    QString name = QString::fromLatin1(pattern);
    static const QRegularExpression item(QStringLiteral("\\{([a-z]+)\\}"));
    for (const QRegularExpressionMatch &m : item.globalMatch(QString::fromLatin1(pattern))) {
        const QString value = query.queryItemValue(m.captured(1));
        if (value.isEmpty() || hasForeignCharacter(value))
            return {};
        name.replace(m.captured(0), value);
    }
    return name;
}

} // namespace

bool isEmailAddress(const QString &text)
{
    static const QRegularExpression address(
        QStringLiteral(R"(^[^@:;,()\[\]]+@[^@:;,()\[\]/?#&=]+\.[^@:;,()\[\]/?#&=.]+$)"));
    return !hasForeignCharacter(text) && address.match(text).hasMatch();
}

std::optional<SignupForm> signupForm(const QString &caption, const QString &fieldName)
{
    if (hasForeignCharacter(caption)
        || !caption.startsWith(QLatin1String("https://"), Qt::CaseInsensitive))
        return std::nullopt;
    const QUrl url(caption, QUrl::StrictMode);
    if (!url.isValid() || url.host().isEmpty())
        return std::nullopt;

    SignupForm form;
    form.action = caption;
    form.addressField = fieldName.isEmpty() ? QStringLiteral("email") : fieldName;
    const QString where = url.host() + url.path();
    for (const SignupService &service : services) {
        const QRegularExpression pattern(
            QRegularExpression::anchoredPattern(QString::fromLatin1(service.hostAndPath)));
        if (!pattern.match(where).hasMatch())
            continue;
        QString botField;
        if (service.botField) {
            botField = botFieldName(service.botField, QUrlQuery(url));
            if (botField.isEmpty())
                break; // not the address of one list: taken as any other
        }
        form.addressField = QString::fromLatin1(service.addressField);
        if (service.fixedName)
            form.fixedFields.append(
                {QString::fromLatin1(service.fixedName), QString::fromLatin1(service.fixedValue)});
        if (!botField.isEmpty())
            form.trapFields.append(botField);
        break;
    }
    form.trapFields.append(QLatin1String(boxTrapField));
    return form;
}

std::optional<SignupForm> signupFormOf(const AdSettings &settings)
{
    if (settings.type != AdType::ForceEmailer)
        return std::nullopt;
    return signupForm(settings.caption, settings.formField);
}

QString captionProblem(const AdSettings &settings)
{
    if (settings.type != AdType::ForceEmailer || isEmailAddress(settings.caption)
        || signupForm(settings.caption))
        return {};
    return QCoreApplication::translate("SignupForm",
                                       "\"%1\" is neither an e-mail address nor the https: "
                                       "address of a sign-up form")
        .arg(settings.caption);
}

bool isFormFieldName(const QString &name)
{
    if (name.isEmpty())
        return false;
    for (const QChar c : name) {
        if (c.unicode() <= 0x20 || c.unicode() >= 0x7F || QStringView(u"\"'<>&").contains(c))
            return false;
    }
    return true;
}
