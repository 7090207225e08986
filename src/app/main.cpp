#include "app/form1.h"
#include "host/qthostservices.h"

#include <QApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace {

// A small "Z" badge; drawn rather than shipped so start-up reads no file for it.
QIcon programIcon()
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(0, 0, 128));
    painter.setPen(Qt::NoPen);
    painter.drawRoundedRect(QRectF(1, 1, 30, 30), 6, 6);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(24);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, 0, 32, 32), Qt::AlignCenter, QStringLiteral("Z"));
    return QIcon(pixmap);
}

} // namespace

int main(int argc, char *argv[])
{
    // The embedded browser's sandbox cannot run as root; without this the
    // preview window would stay blank for root users.
    if (geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");

    // Past a file-size limit a write should fail with a message, not end the program.
    std::signal(SIGXFSZ, SIG_IGN);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zephrin"));
    QApplication::setOrganizationName(QStringLiteral("Tolvane"));
    QApplication::setWindowIcon(programIcon());

    QtHostServices host;
    Form1 window(host);
    window.move(window.screen()->availableGeometry().center() - window.rect().center());
    window.show();
    // For the start-up benchmark: tell the window's size and end the process
    // once the window has been shown, without the clean-up it does not measure.
    if (qEnvironmentVariableIsSet("ZEPHRIN_EXIT_AFTER_SHOW")) {
        std::printf("shown %dx%d\n", window.width(), window.height());
        QTimer::singleShot(0, &app, [] {
            std::fflush(stdout);
            std::_Exit(0);
        });
    }
    return app.exec();
}
