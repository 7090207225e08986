#include "cli/command.h"

#include <QCoreApplication>

#include <cstdio>
#include <unistd.h>

Console::Console()
    : m_errorIsTerminal(::isatty(STDERR_FILENO) == 1)
{
    m_out.open(stdout, QIODevice::WriteOnly | QIODevice::Unbuffered);
    m_err.open(stderr, QIODevice::WriteOnly | QIODevice::Unbuffered);
}

void Console::print(const QString &text)
{
    clearStatus();
    m_out.write(text.toUtf8() + '\n');
}

void Console::write(const QByteArray &bytes)
{
    m_out.write(bytes);
}

void Console::error(const QString &text)
{
    clearStatus();
    m_err.write(text.toUtf8() + '\n');
}

void Console::status(const QString &text)
{
    m_err.write("\r\033[K" + text.toUtf8());
    m_statusShown = true;
}

void Console::clearStatus()
{
    if (m_statusShown)
        m_err.write("\r\033[K");
    m_statusShown = false;
}

int Command::run(const QStringList &arguments, Console &console) const
{
    QCommandLineParser parser;
    parser.setApplicationDescription(summary());
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    parser.addOptions(options());
    const QCommandLineOption help = parser.addHelpOption();
    if (!positionalSyntax().isEmpty())
        parser.addPositionalArgument(positionalSyntax(), QString(), positionalSyntax());
    if (!parser.parse(QStringList {QStringLiteral("zephrin-cli %1").arg(name())}
                      + arguments.mid(1)))
        return badArguments(console, parser.errorText());
    if (parser.isSet(help)) {
        // The usage line names the command, not the program's path, in
        // whatever language the parser's own texts are translated to.
        QString text = parser.helpText();
        // Qt's own text, which Qt's translations translate (not ours).
        const char *const usageText = "Usage: %1";
        const QString usage = QCoreApplication::translate("QCommandLineParser", usageText);
        const QString programUsage = usage.arg(QCoreApplication::arguments().constFirst());
        if (text.startsWith(programUsage))
            text.replace(0, programUsage.size(),
                         usage.arg(QStringLiteral("zephrin-cli %1").arg(name())));
        // Qt ends the text without a line end after an argument with no description.
        if (!text.endsWith(QLatin1Char('\n')))
            text += QLatin1Char('\n');
        console.write(text.toUtf8());
        return ExitDone;
    }
    if (positionalSyntax().isEmpty() && !parser.positionalArguments().isEmpty())
        return badArguments(console,
                            QCoreApplication::translate("Command", "unexpected argument \"%1\"")
                                .arg(parser.positionalArguments().constFirst()));
    return execute(parser, console);
}

int Command::badArguments(Console &console, const QString &text) const
{
    console.error(QStringLiteral("zephrin-cli %1: %2").arg(name(), text));
    console.error(
        QCoreApplication::translate("Command", "Try \"zephrin-cli %1 --help\".").arg(name()));
    return ExitBadArguments;
}
