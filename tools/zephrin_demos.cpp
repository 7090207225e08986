// zephrin_demos: writes the demonstration pages of the support folder and
// renders each into a snapshot image, for scripts/snapshots.
//
//   zephrin_demos pages SUPPORT_DIR              rebuild sticky.html ... timer.html
//   zephrin_demos snapshots SUPPORT_DIR OUT_DIR  render each page to OUT_DIR/<snapshot>.png

#include "demopage.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTimer>
#include <QWebEngineView>

#include <cstdio>

namespace {

// Snapshot images are 281 x 185 pixels; the page is rendered at twice that
// (close to the preview window's browser) and scaled down.
constexpr int snapshotWidth = 281;
constexpr int snapshotHeight = 185;
// Long enough for every box's entrance effect, short of Force Emailer's 5 s.
constexpr int settleMs = 2500;

void fail(const QString &message)
{
    std::fprintf(stderr, "zephrin_demos: %s\n", qPrintable(message));
}

bool writePages(const QDir &support)
{
    for (AdType type : DemoPage::allTypes) {
        const AdTypeInfo &info = adTypeInfo(type);
        QFile script(support.filePath(QString::fromLatin1(info.supportScript)));
        if (!script.open(QIODevice::ReadOnly)) {
            fail(script.fileName() + QStringLiteral(": ") + script.errorString());
            return false;
        }
        QFile page(support.filePath(QString::fromLatin1(info.demoPage)));
        if (!page.open(QIODevice::WriteOnly | QIODevice::Truncate)
            || page.write(DemoPage::pageText(type, script.readAll()).toUtf8()) < 0) {
            fail(page.fileName() + QStringLiteral(": ") + page.errorString());
            return false;
        }
    }
    return true;
}

void wait(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

bool renderSnapshots(const QDir &support, const QDir &out)
{
    QWebEngineView view;
    view.resize(2 * snapshotWidth, 2 * snapshotHeight);
    view.show();
    for (AdType type : DemoPage::allTypes) {
        const AdTypeInfo &info = adTypeInfo(type);
        bool loaded = false;
        QEventLoop loop;
        QObject::connect(&view, &QWebEngineView::loadFinished, &loop, [&](bool ok) {
            loaded = ok;
            loop.quit();
        });
        QTimer::singleShot(15000, &loop, &QEventLoop::quit);
        view.load(
            QUrl::fromLocalFile(support.absoluteFilePath(QString::fromLatin1(info.demoPage))));
        loop.exec();
        if (!loaded) {
            fail(QStringLiteral("could not load ") + QString::fromLatin1(info.demoPage));
            return false;
        }
        wait(settleMs);
        const QImage image = view.grab().toImage().scaled(
            snapshotWidth, snapshotHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const QString name = QFileInfo(QString::fromLatin1(info.snapshot)).completeBaseName()
            + QStringLiteral(".png");
        if (!image.save(out.filePath(name))) {
            fail(QStringLiteral("could not write ") + out.filePath(name));
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    const QString mode = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (argc == 3 && mode == QLatin1String("pages")) {
        QCoreApplication app(argc, argv);
        return writePages(QDir(app.arguments().at(2))) ? 0 : 1;
    }
    if (argc == 4 && mode == QLatin1String("snapshots")) {
        QApplication app(argc, argv);
        return renderSnapshots(QDir(app.arguments().at(2)), QDir(app.arguments().at(3))) ? 0 : 1;
    }
    fail(QStringLiteral("usage: zephrin_demos pages SUPPORT_DIR | snapshots SUPPORT_DIR OUT_DIR"));
    return 2;
}
