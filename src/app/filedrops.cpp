#include "app/filedrops.h"

#include <QDropEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QUrl>
#include <QWidget>

namespace {

// The one local file (not a folder) a drop brings, when it may be copied (a
// drop taken as a move would have the source delete its file); empty for
// anything else.
QString droppedFile(const QDropEvent *event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() != 1 || !urls.constFirst().isLocalFile()
        || !(event->possibleActions() & Qt::CopyAction))
        return {};
    const QString path = urls.constFirst().toLocalFile();
    return QFileInfo(path).isFile() ? path : QString();
}

} // namespace

FileDrops::FileDrops(QWidget *window)
    : QObject(window)
{
    window->setAcceptDrops(true);
    window->installEventFilter(this);
    watchFields(window);
}

void FileDrops::watchFields(QWidget *part)
{
    // The fields take text drops themselves; a dropped file is the window's.
    for (QLineEdit *field : part->findChildren<QLineEdit *>())
        field->installEventFilter(this);
    for (QPlainTextEdit *field : part->findChildren<QPlainTextEdit *>()) {
        field->installEventFilter(this);
        field->viewport()->installEventFilter(this);
    }
}

bool FileDrops::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove:
        if (auto *drag = static_cast<QDragMoveEvent *>(event); !droppedFile(drag).isEmpty()) {
            drag->setDropAction(Qt::CopyAction);
            drag->accept();
            return true;
        }
        break;
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        const QString path = droppedFile(drop);
        if (path.isEmpty())
            break;
        drop->setDropAction(Qt::CopyAction);
        drop->accept();
        Q_EMIT dropped(path);
        return true;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
