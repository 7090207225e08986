#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QFile>
#include <QList>
#include <QString>

// Exit statuses of zephrin-cli.
enum ExitStatus {
    ExitDone = 0, // everything asked was done
    ExitSomeRefused = 1, // some page was refused; the others were done
    ExitCheckFailed = 1, // --check: some page would change or was refused
    ExitFound = 1, // check: the design has findings
    ExitBadArguments = 2, // bad arguments or settings, or no code could be made; nothing written
};

// Standard output and standard error, written as bytes (UTF-8 text).
class Console
{
public:
    Console();
    void print(const QString &text); // text and a line end on standard output
    void write(const QByteArray &bytes); // bytes as they are on standard output
    void error(const QString &text); // text and a line end on standard error
    void status(const QString &text); // rewrites the status line of a terminal
    void clearStatus();
    bool errorIsTerminal() const { return m_errorIsTerminal; }

private:
    QFile m_out;
    QFile m_err;
    bool m_errorIsTerminal = false;
    bool m_statusShown = false;
};

// One command of zephrin-cli: its options, its help and its work.
class Command
{
public:
    virtual ~Command() = default;
    virtual QString name() const = 0;
    virtual QString summary() const = 0; // one line heading the command's --help

    // Parses arguments (the command's name first) and runs the command.
    int run(const QStringList &arguments, Console &console) const;

protected:
    virtual QList<QCommandLineOption> options() const = 0;
    // Positional arguments as shown in the usage line, e.g. "PAGE|FOLDER...".
    virtual QString positionalSyntax() const { return {}; }
    virtual int execute(const QCommandLineParser &parser, Console &console) const = 0;

    // A "zephrin-cli NAME: text" error; returns ExitBadArguments.
    int badArguments(Console &console, const QString &text) const;
};
