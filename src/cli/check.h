#pragma once

#include "cli/command.h"

#include <QCoreApplication>

// zephrin-cli check: what the design would do on a reader's page that needs
// changing, each finding with its rule and the setting to change.
class Check : public Command
{
    Q_DECLARE_TR_FUNCTIONS(Check)

public:
    QString name() const override { return QStringLiteral("check"); }
    QString summary() const override;

protected:
    QList<QCommandLineOption> options() const override;
    int execute(const QCommandLineParser &parser, Console &console) const override;
};
