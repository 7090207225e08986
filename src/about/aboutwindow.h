#pragma once

#include <QDialog>

#include <memory>

class HostServices;

namespace Ui {
class AboutWindow;
}

// The About window: product and maker facts, three of them links. A click
// on a link line opens it, also when that line is already selected; moving
// the selection with the keyboard opens each line reached once.
class AboutWindow : public QDialog
{
    Q_OBJECT
public:
    explicit AboutWindow(HostServices &host, QWidget *parent = nullptr);
    ~AboutWindow() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fillFacts();
    void openLine(int row);
    void buyProduct();

    HostServices &m_host;
    std::unique_ptr<Ui::AboutWindow> m_ui;
    // True from a mouse press on the list until its release: the selection
    // change the press causes is left to the click, which then acts once.
    bool m_mousePressed = false;
};
