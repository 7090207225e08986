// zephrin_snapshots: renders each demonstration page into a snapshot image, for
// scripts/snapshots. The pages themselves are built by zephrin_demopages. The
// words are drawn as bars, so the snapshots suit the window in any language.
//
//   zephrin_snapshots PAGE_DIR OUT_DIR  render each page of PAGE_DIR to OUT_DIR/<snapshot>.png

#include "demopage.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QImage>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <cstdio>

namespace {

// Snapshot images are 281 x 185 pixels; the page is rendered at twice that
// (close to the preview window's browser) and scaled down.
constexpr int snapshotWidth = 281;
constexpr int snapshotHeight = 185;
// Long enough for every box's entrance effect, short of Force Emailer's 5 s.
constexpr int settleMs = 2500;
// Time for the page to be drawn again once its words are bars.
constexpr int repaintMs = 300;

void fail(const QString &message)
{
    std::fprintf(stderr, "zephrin_snapshots: %s\n", qPrintable(message));
}

void wait(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

bool renderSnapshots(const QDir &pages, const QDir &out)
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
        view.load(QUrl::fromLocalFile(pages.absoluteFilePath(QString::fromLatin1(info.demoPage))));
        loop.exec();
        if (!loaded) {
            fail(QStringLiteral("could not load ") + QString::fromLatin1(info.demoPage));
            return false;
        }
        wait(settleMs);
        view.page()->runJavaScript(DemoPage::wordlessScript);
        wait(repaintMs);
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
    if (argc != 3) {
        fail(QStringLiteral("usage: zephrin_snapshots PAGE_DIR OUT_DIR"));
        return 2;
    }
    QApplication app(argc, argv);
    return renderSnapshots(QDir(app.arguments().at(1)), QDir(app.arguments().at(2))) ? 0 : 1;
}
