// zephrin_snapshots: renders each demonstration page into a snapshot image, for
// scripts/snapshots. The pages themselves are built by zephrin_demopages. The
// words are drawn as bars, so the snapshots suit the window in any language.
//
//   zephrin_snapshots PAGE_DIR OUT_DIR  render each page of PAGE_DIR to OUT_DIR/<snapshot>.png
//   zephrin_snapshots --looks PAGE_DIR OUT_DIR SUFFIX
//       render each page in both looks at 800 x 600 and 360 x 640 to
//       OUT_DIR/<page>-<width>-SUFFIX.png (scripts/screenshots --looks)

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

// The page at path as view shows it once its box has appeared, after script
// (if any) has run in it; a null image when the page does not load.
QImage rendering(QWebEngineView &view, const QString &path, const QString &script = {})
{
    bool loaded = false;
    QEventLoop loop;
    const auto connection
        = QObject::connect(&view, &QWebEngineView::loadFinished, &loop, [&](bool ok) {
              loaded = ok;
              loop.quit();
          });
    QTimer::singleShot(15000, &loop, &QEventLoop::quit);
    view.load(QUrl::fromLocalFile(path));
    loop.exec();
    QObject::disconnect(connection);
    if (!loaded) {
        fail(QStringLiteral("could not load ") + path);
        return QImage();
    }
    wait(settleMs);
    if (!script.isEmpty()) {
        view.page()->runJavaScript(script);
        wait(repaintMs);
    }
    return view.grab().toImage();
}

bool save(const QImage &image, const QString &path)
{
    if (image.isNull())
        return false;
    if (!image.save(path)) {
        fail(QStringLiteral("could not write ") + path);
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

bool renderSnapshots(const QDir &pages, const QDir &out)
{
    QWebEngineView view;
    view.resize(2 * snapshotWidth, 2 * snapshotHeight);
    view.show();
    for (AdType type : DemoPage::allTypes) {
        const AdTypeInfo &info = adTypeInfo(type);
        const QImage image
            = rendering(view, pages.absoluteFilePath(QString::fromLatin1(info.demoPage)),
                        DemoPage::wordlessScript);
        const QString name = QFileInfo(QString::fromLatin1(info.snapshot)).completeBaseName()
            + QStringLiteral(".png");
        if (!save(image.scaled(snapshotWidth, snapshotHeight, Qt::IgnoreAspectRatio,
                               Qt::SmoothTransformation),
                  out.filePath(name)))
            return false;
    }
    return true;
}

// Each demonstration page in both looks on a desktop and on a phone, as
// OUT_DIR/<page>-<width>-suffix.png.
bool renderLooks(const QDir &pages, const QDir &out, const QString &suffix)
{
    QWebEngineView view;
    view.show();
    for (const QSize size : {QSize(800, 600), QSize(360, 640)}) {
        view.resize(size);
        for (AdType type : DemoPage::allTypes) {
            for (Look look : {Look::Classic, Look::Modern}) {
                const QString page = demoPageName(type, look);
                const QString name = QFileInfo(page).completeBaseName() + QLatin1Char('-')
                    + QString::number(size.width()) + QLatin1Char('-') + suffix
                    + QStringLiteral(".png");
                if (!save(rendering(view, pages.absoluteFilePath(page)), out.filePath(name)))
                    return false;
            }
        }
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    const bool looks = args.value(0) == QLatin1String("--looks");
    if (looks)
        args.removeFirst();
    if (args.size() != (looks ? 3 : 2)) {
        fail(QStringLiteral(
            "usage: zephrin_snapshots PAGE_DIR OUT_DIR | --looks PAGE_DIR OUT_DIR SUFFIX"));
        return 2;
    }
    if (looks)
        return renderLooks(QDir(args.at(0)), QDir(args.at(1)), args.at(2)) ? 0 : 1;
    return renderSnapshots(QDir(args.at(0)), QDir(args.at(1))) ? 0 : 1;
}
