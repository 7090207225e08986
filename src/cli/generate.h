#pragma once

#include "cli/command.h"

#include <QCoreApplication>

// zephrin-cli generate: prints the body section, the head section or both.
class Generate : public Command
{
    Q_DECLARE_TR_FUNCTIONS(Generate)

public:
    QString name() const override { return QStringLiteral("generate"); }
    QString summary() const override;

protected:
    QList<QCommandLineOption> options() const override;
    int execute(const QCommandLineParser &parser, Console &console) const override;
};
