#pragma once

#include <QObject>

class QWidget;

// Takes the one local file dropped on a window or on any of its text fields,
// which would otherwise take its name as text, and hands its path on.
class FileDrops : public QObject
{
    Q_OBJECT
public:
    // Watches window and the text fields in it.
    explicit FileDrops(QWidget *window);
    // Watches the text fields in part, made after the window.
    void watchFields(QWidget *part);

Q_SIGNALS:
    void dropped(const QString &path);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
