#include "app/mainwindow.h"
#include "generator/supportfolder.h"
#include "generator/userlanguage.h"
#include "host/qthostservices.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QGuiApplication>
#include <QIcon>
#include <QIconEngine>
#include <QImageReader>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <unistd.h>

namespace {

// The program's icon, read from the compiled-in PNG when the window system
// first asks for it (one that takes windows' icons from the desktop entry
// never does). The icon theme is not asked: looking the icon up there reads
// the theme's index, near a third of start-up under X11; desktops show the
// theme's icon from the desktop entry themselves. The reader is Qt's own PNG
// reader: left to detect the format, it first loads every image-format plugin
// to ask whether one of them reads PNG.
class ProgramIconEngine : public QIconEngine
{
public:
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override { return {QSize(64, 64)}; }
    QIconEngine *clone() const override { return new ProgramIconEngine; }

private:
    const QIcon &icon()
    {
        if (m_icon.isNull()) {
            QImageReader reader(QStringLiteral(":/icons/example.tolvane.Zephrin-64.png"), "png");
            reader.setAutoDetectImageFormat(false);
            m_icon = QIcon(QPixmap::fromImage(reader.read()));
        }
        return m_icon;
    }

    QIcon m_icon;
};

// The program's own command line, described in the language installed.
std::unique_ptr<QCommandLineParser> windowCommandLine()
{
    auto parser = std::make_unique<QCommandLineParser>();
    parser->setApplicationDescription(QCoreApplication::translate(
        "main",
        "Makes pop-up ad boxes for web pages: pick a type, set its size, position, "
        "caption, body and colour, and have its page code written, previewed or added "
        "to a page. Designs are opened and saved as JSON files, the same as "
        "zephrin-cli --settings reads. Qt's usual options, such as -platform, apply."));
    // "-reverse" is one option, not -r -e -v ...
    parser->setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser->addOptions({
        {{QStringLiteral("h"), QStringLiteral("help")},
         QCoreApplication::translate("main", "Displays this help.")},
        {{QStringLiteral("v"), QStringLiteral("version")},
         QCoreApplication::translate("main", "Displays the version.")},
    });
    return parser;
}

// Answers --help and --version before the window system starts, so they work
// without a display; nothing for any other command line. Qt's own options
// (-platform, -style, -reverse) are left to QApplication.
std::optional<int> answerWithoutWindow(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const std::unique_ptr<QCommandLineParser> parser = windowCommandLine();
    parser->parse(arguments); // unknown options are Qt's own
    if (parser->isSet(QStringLiteral("help"))) {
        // Names the program in the usage line and speaks the user's language;
        // needs no display.
        QCoreApplication named(argc, argv);
        installTranslations(translationsFolder());
        std::fputs(qPrintable(windowCommandLine()->helpText()), stdout);
        return EXIT_SUCCESS;
    }
    if (parser->isSet(QStringLiteral("version"))) {
        std::printf("zephrin %s\n", ZEPHRIN_VERSION);
        return EXIT_SUCCESS;
    }
    return std::nullopt;
}

} // namespace

int main(int argc, char *argv[])
{
    if (const std::optional<int> answered = answerWithoutWindow(argc, argv))
        return *answered;

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
    QApplication::setWindowIcon(QIcon(new ProgramIconEngine));
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
