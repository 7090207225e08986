#pragma once

#include "cli/command.h"

#include <QCoreApplication>

// zephrin-cli remove: takes the code block (marker to end) off pages.
class Remove : public Command
{
public:
    QString name() const override { return QStringLiteral("remove"); }
    QString summary() const override;

protected:
    QList<QCommandLineOption> options() const override;
    QString positionalSyntax() const override
    {
        return QCoreApplication::translate("PageRun", "PAGE|FOLDER...");
    }
    int execute(const QCommandLineParser &parser, Console &console) const override;
};
