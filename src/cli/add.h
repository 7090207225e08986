#pragma once

#include "cli/command.h"

#include <QCoreApplication>

// zephrin-cli add: puts the code block into pages, replacing any block they have.
class Add : public Command
{
public:
    QString name() const override { return QStringLiteral("add"); }
    QString summary() const override;

protected:
    QList<QCommandLineOption> options() const override;
    QString positionalSyntax() const override
    {
        return QCoreApplication::translate("PageRun", "PAGE|FOLDER...");
    }
    int execute(const QCommandLineParser &parser, Console &console) const override;
};
