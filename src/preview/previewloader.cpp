#include "preview/previewloader.h"

#include "preview/previewfactory.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QOpenGLContext>
#include <QPluginLoader>

// Qt's setter of the context every OpenGL context of the application shares
// with; exported by Qt GUI but declared only in its private headers.
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext *context);

namespace {

struct LoaderState
{
    QStringList folders; // empty: the default folders
    // Kept for the whole run and never unloaded: the windows' code lives in
    // the module.
    QPluginLoader *loader = nullptr;
    PreviewFactory *factory = nullptr;
};

LoaderState &state()
{
    static LoaderState loaderState;
    return loaderState;
}

QString moduleFileName()
{
    return QStringLiteral(ZEPHRIN_PREVIEW_MODULE_FILE);
}

// The web engine draws through OpenGL contexts shared with the application's,
// and fails on its first page without a global share context. QApplication
// makes one at start when Qt::AA_ShareOpenGLContexts is set, but on a desktop
// that costs start-up the time to load the OpenGL driver; this makes the same
// context only when the preview module is about to load. Without OpenGL (as
// offscreen) the context stays invalid and the engine draws in software. It
// lives as long as the process, as QApplication's would.
void shareOpenGLContexts()
{
    if (QOpenGLContext::globalShareContext())
        return;
    auto *context = new QOpenGLContext;
    context->create();
    qt_gl_set_global_share_context(context);
}

} // namespace

QStringList previewModuleFolders()
{
    if (!state().folders.isEmpty())
        return state().folders;
    const QString programFolder = QCoreApplication::applicationDirPath();
    QStringList folders {programFolder};
    const QString installed = QDir::cleanPath(programFolder + QLatin1Char('/')
                                              + QStringLiteral(ZEPHRIN_MODULE_RELATIVE_DIR));
    if (installed != programFolder)
        folders << installed;
    return folders;
}

void setPreviewModuleFolders(const QStringList &folders)
{
    state().folders = folders;
    state().factory = nullptr;
}

namespace {

// The module's path in the first folder that holds it; empty when none does.
QString findModule(const QStringList &folders)
{
    for (const QString &folder : folders) {
        const QString candidate = QDir(folder).filePath(moduleFileName());
        if (QFileInfo::exists(candidate))
            return candidate;
    }
    return QString();
}

// Loads the module at path (once; a module already loaded stays in memory)
// and gives its factory, or nullptr with *error set to why.
PreviewFactory *loadFactory(const QString &path, QString *error)
{
    shareOpenGLContexts();
    QPluginLoader *&loader = state().loader;
    if (!loader || loader->fileName() != QFileInfo(path).canonicalFilePath()) {
        delete loader;
        loader = new QPluginLoader(path);
    }
    auto *factory = qobject_cast<PreviewFactory *>(loader->instance());
    if (!factory) {
        const QString reason = loader->isLoaded()
            ? QCoreApplication::translate("PreviewLoader", "it is not a preview module")
            : loader->errorString();
        *error = QCoreApplication::translate("PreviewLoader",
                                             "The preview module %1 could not be loaded, so the "
                                             "test drive cannot be shown: %2")
                     .arg(QDir::toNativeSeparators(path), reason);
    }
    return factory;
}

} // namespace

QWidget *createPreviewWindow(HostServices &host, const QString &demoPage, QString *error)
{
    PreviewFactory *&factory = state().factory;
    if (!factory) {
        QString message;
        const QStringList folders = previewModuleFolders();
        const QString path = findModule(folders);
        if (path.isEmpty()) {
            message = QCoreApplication::translate(
                          "PreviewLoader",
                          "The preview module %1 is missing, so the test drive cannot be "
                          "shown. It was looked for in: %2")
                          .arg(moduleFileName(), folders.join(QStringLiteral(", ")));
        } else {
            factory = loadFactory(path, &message);
        }
        if (!factory) {
            if (error)
                *error = message;
            return nullptr;
        }
    }
    return factory->createPreviewWindow(host, demoPage);
}
