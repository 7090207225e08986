#pragma once

#include "cli/command.h"

// zephrin-cli preview: writes the preview page, the two sections alone.
class Preview : public Command
{
public:
    QString name() const override { return QStringLiteral("preview"); }
    QString summary() const override;

protected:
    QList<QCommandLineOption> options() const override;
    int execute(const QCommandLineParser &parser, Console &console) const override;
};
