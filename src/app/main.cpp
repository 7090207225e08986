#include "app/mainwindow.h"
#include "generator/supportfolder.h"
#include "generator/userlanguage.h"
#include "host/qthostservices.h"

#include <QApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace {

// The icon theme's program icon, as installed with the desktop entry; the
// compiled-in PNG when the theme has none (a build folder, a bare desktop).
// The fallback is read only when needed, by Qt's own PNG reader: left to
// detect the format, the reader first loads every image-format plugin to ask
// whether one of them reads PNG.
QIcon programIcon()
{
    const QIcon themed = QIcon::fromTheme(QStringLiteral("example.tolvane.Zephrin"));
    if (!themed.isNull() && !themed.availableSizes().isEmpty())
        return themed;
    QImageReader reader(QStringLiteral(":/icons/example.tolvane.Zephrin-64.png"), "png");
    reader.setAutoDetectImageFormat(false);
    return QIcon(QPixmap::fromImage(reader.read()));
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
    QApplication::setDesktopFileName(QStringLiteral("example.tolvane.Zephrin"));
    QApplication::setWindowIcon(programIcon());
    installTranslations(translationsFolder());

    QtHostServices host;
    MainWindow window(host);
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
