#pragma once

#include <QDialog>

class HostServices;
class QListWidget;

// The About window: product and maker facts, three of them links.
class Form22 : public QDialog
{
    Q_OBJECT
public:
    explicit Form22(HostServices &host, QWidget *parent = nullptr);

    void Form_Load();
    void List1_Click();
    void Command1_Click();
    void Command2_Click();

private:
    HostServices &m_host;
    QListWidget *m_list = nullptr;
};
