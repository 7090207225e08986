#include "pages/filestore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <cstring>
#include <memory>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

struct stat statusOf(const QString &path)
{
    struct stat status = {};
    ::lstat(QFile::encodeName(path).constData(), &status);
    return status;
}

bool runningAsRoot()
{
    return ::geteuid() == 0;
}

// A pipe must be refused at once; if it were opened for reading the test would
// hang, so a stuck test ends itself instead of waiting for the harness.
struct HangGuard
{
    HangGuard() { ::alarm(20); }
    ~HangGuard() { ::alarm(0); }
};

} // namespace

class TestFileStore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();

    void readWholeFile_returnsEveryByte_data();
    void readWholeFile_returnsEveryByte();
    void readWholeFile_missingFile_namesFileAndReason();

    void nonRegularFile_isRefused_data();
    void nonRegularFile_isRefused();

    void replace_writesExactContents_data();
    void replace_writesExactContents();
    void replace_missingFile_createdWithUmaskMode();
    void replace_keepsPermissions_data();
    void replace_keepsPermissions();
    void replace_keepsOwnerWhenRoot();
    void replace_symbolicLink_staysLinkAndTargetUpdated();
    void replace_hardLink_refusedAndUnchanged();
    void replace_impossiblePath_refused_data();
    void replace_impossiblePath_refused();
    void replace_fullDisk_leavesPageUnchanged_data();
    void replace_fullDisk_leavesPageUnchanged();
    void replace_readOnlyFile_refusedAndUnchanged();
    void replace_readOnlyFolder_refusedAndUnchanged();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString path(const QString &name) const { return m_dir->filePath(name); }
};

void TestFileStore::init()
{
    // Each test gets a fresh, empty folder.
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestFileStore::readWholeFile_returnsEveryByte_data()
{
    QTest::addColumn<QByteArray>("bytes");

    QByteArray allBytes;
    for (int i = 0; i < 256; ++i)
        allBytes.append(char(i));
    QByteArray big(3 * 1024 * 1024 + 7, 'x');
    for (qsizetype i = 0; i < big.size(); i += 4093)
        big[i] = char(i % 251);

    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("every byte value") << allBytes;
    QTest::newRow("larger than one read") << big;
}

void TestFileStore::readWholeFile_returnsEveryByte()
{
    QFETCH(QByteArray, bytes);
    QVERIFY(writeBytes(path("page.html"), bytes));

    const ReadResult result = readWholeFile(path("page.html"));
    QVERIFY2(result.ok(), qPrintable(result.error));
    QCOMPARE(result.contents, bytes);
}

void TestFileStore::readWholeFile_missingFile_namesFileAndReason()
{
    const ReadResult result = readWholeFile(path("missing.html"));
    QVERIFY(!result.ok());
    QCOMPARE(
        result.error,
        QStringLiteral("Cannot read \"%1\": No such file or directory").arg(path("missing.html")));
}

void TestFileStore::nonRegularFile_isRefused_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");

    QTest::newRow("folder") << QStringLiteral("folder") << QStringLiteral("it is a folder");
    QTest::newRow("pipe") << QStringLiteral("pipe") << QStringLiteral("it is a pipe");
    QTest::newRow("socket") << QStringLiteral("socket") << QStringLiteral("it is a socket");
    QTest::newRow("device") << QStringLiteral("device") << QStringLiteral("it is a device");
    QTest::newRow("link to device")
        << QStringLiteral("link to device") << QStringLiteral("it is a device");
}

void TestFileStore::nonRegularFile_isRefused()
{
    QFETCH(QString, kind);
    QFETCH(QString, reason);

    QString target = path("target");
    int socketFd = -1;
    if (kind == QLatin1String("folder")) {
        QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("target")));
    } else if (kind == QLatin1String("pipe")) {
        QCOMPARE(::mkfifo(QFile::encodeName(target).constData(), 0644), 0);
    } else if (kind == QLatin1String("socket")) {
        socketFd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        QVERIFY(socketFd >= 0);
        sockaddr_un address = {};
        address.sun_family = AF_UNIX;
        const QByteArray name = QFile::encodeName(target);
        QVERIFY(size_t(name.size()) < sizeof address.sun_path);
        std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
        QCOMPARE(::bind(socketFd, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
    } else if (kind == QLatin1String("device")) {
        target = QStringLiteral("/dev/null");
    } else {
        QVERIFY(QFile::link(QStringLiteral("/dev/null"), target));
    }
    const mode_t typeBefore = statusOf(target).st_mode & S_IFMT;

    {
        HangGuard guard;
        const ReadResult read = readWholeFile(target);
        QVERIFY(!read.ok());
        QVERIFY2(read.error.startsWith(QStringLiteral("Cannot read \"%1\": ").arg(target)),
                 qPrintable(read.error));
        QVERIFY2(read.error.contains(reason), qPrintable(read.error));

        const QString written = replaceFileContents(target, "new page\r\n");
        QVERIFY2(written.startsWith(QStringLiteral("Cannot write \"%1\": ").arg(target)),
                 qPrintable(written));
        QVERIFY2(written.contains(reason), qPrintable(written));
    }

    QCOMPARE(statusOf(target).st_mode & S_IFMT, typeBefore);
    QCOMPARE(statusOf(QStringLiteral("/dev/null")).st_mode & S_IFMT, mode_t(S_IFCHR));
    if (socketFd >= 0)
        ::close(socketFd);
    // Nothing half-made was left beside the target.
    const QStringList left
        = kind == QLatin1String("device") ? QStringList() : QStringList {QStringLiteral("target")};
    QCOMPARE(entries(m_dir->path()), left);
}

void TestFileStore::replace_writesExactContents_data()
{
    QTest::addColumn<bool>("exists");
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");

    QTest::newRow("missing file created")
        << false << QByteArray() << QByteArray("<body></body>\r\n");
    QTest::newRow("longer contents") << true << QByteArray("short\r\n") << QByteArray(100000, 'L');
    QTest::newRow("shorter contents") << true << QByteArray(100000, 'L') << QByteArray("s\r\n");
    QTest::newRow("emptied") << true << QByteArray("page\r\n") << QByteArray();
    QTest::newRow("binary-safe") << true << QByteArray("a") << QByteArray("\xFF\xFE<\0\r\0\n\0", 8);
}

void TestFileStore::replace_writesExactContents()
{
    QFETCH(bool, exists);
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);

    if (exists)
        QVERIFY(writeBytes(path("page.html"), before));
    const QString error = replaceFileContents(path("page.html"), after);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QCOMPARE(readBytes(path("page.html")), after);
    QCOMPARE(entries(m_dir->path()), QStringList {QStringLiteral("page.html")});
}

void TestFileStore::replace_missingFile_createdWithUmaskMode()
{
    const mode_t previous = ::umask(027);
    const QString error = replaceFileContents(path("view.html"), "<body></body>\r\n");
    ::umask(previous);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QCOMPARE(statusOf(path("view.html")).st_mode & 07777, mode_t(0640));
}

void TestFileStore::replace_keepsPermissions_data()
{
    QTest::addColumn<int>("mode");

    QTest::newRow("owner and group read") << 0640;
    QTest::newRow("owner only") << 0600;
    QTest::newRow("executable script") << 0755;
    QTest::newRow("world writable") << 0666;
}

void TestFileStore::replace_keepsPermissions()
{
    QFETCH(int, mode);

    const mode_t previous = ::umask(077);
    QVERIFY(writeBytes(path("page.php"), "old\r\n"));
    QCOMPARE(::chmod(QFile::encodeName(path("page.php")).constData(), mode_t(mode)), 0);
    const QString error = replaceFileContents(path("page.php"), "new\r\n");
    ::umask(previous);

    QVERIFY2(error.isEmpty(), qPrintable(error));
    QCOMPARE(readBytes(path("page.php")), QByteArray("new\r\n"));
    QCOMPARE(int(statusOf(path("page.php")).st_mode & 07777), mode);
}

void TestFileStore::replace_keepsOwnerWhenRoot()
{
    if (!runningAsRoot())
        QSKIP("Only root can give a page to another user");

    const QByteArray name = QFile::encodeName(path("page.html"));
    QVERIFY(writeBytes(path("page.html"), "old\r\n"));
    QCOMPARE(::chown(name.constData(), 65534, 65534), 0);
    QCOMPARE(::chmod(name.constData(), 0604), 0);

    const QString error = replaceFileContents(path("page.html"), "new\r\n");
    QVERIFY2(error.isEmpty(), qPrintable(error));
    const struct stat after = statusOf(path("page.html"));
    QCOMPARE(after.st_uid, uid_t(65534));
    QCOMPARE(after.st_gid, gid_t(65534));
    QCOMPARE(after.st_mode & 07777, mode_t(0604));
    QCOMPARE(readBytes(path("page.html")), QByteArray("new\r\n"));
}

void TestFileStore::replace_symbolicLink_staysLinkAndTargetUpdated()
{
    QVERIFY(QDir(m_dir->path()).mkpath(QStringLiteral("site/pages")));
    QVERIFY(QDir(m_dir->path()).mkpath(QStringLiteral("links")));
    QVERIFY(writeBytes(path("site/pages/index.html"), "old\r\n"));
    QVERIFY(QFile::link(QStringLiteral("../site/pages/index.html"), path("links/index.html")));
    QVERIFY(QFile::link(QStringLiteral("links/index.html"), path("chain.html")));

    const QString error = replaceFileContents(path("chain.html"), "new\r\n");
    QVERIFY2(error.isEmpty(), qPrintable(error));

    QVERIFY(QFileInfo(path("chain.html")).isSymLink());
    QVERIFY(QFileInfo(path("links/index.html")).isSymLink());
    QCOMPARE(readBytes(path("site/pages/index.html")), QByteArray("new\r\n"));
    QCOMPARE(entries(path("links")), QStringList {QStringLiteral("index.html")});
    QCOMPARE(entries(path("site/pages")), QStringList {QStringLiteral("index.html")});
}

void TestFileStore::replace_hardLink_refusedAndUnchanged()
{
    QVERIFY(writeBytes(path("page.html"), "old\r\n"));
    QCOMPARE(::link(QFile::encodeName(path("page.html")).constData(),
                    QFile::encodeName(path("other.html")).constData()),
             0);

    const QString error = replaceFileContents(path("page.html"), "new\r\n");
    QVERIFY2(error.startsWith(QStringLiteral("Cannot write \"%1\": ").arg(path("page.html"))),
             qPrintable(error));
    QVERIFY2(error.contains(QStringLiteral("hard links")), qPrintable(error));
    QCOMPARE(readBytes(path("page.html")), QByteArray("old\r\n"));
    QCOMPARE(statusOf(path("page.html")).st_ino, statusOf(path("other.html")).st_ino);
    QCOMPARE(entries(m_dir->path()),
             (QStringList {QStringLiteral("other.html"), QStringLiteral("page.html")}));
}

void TestFileStore::replace_impossiblePath_refused_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("reason");

    QTest::newRow("folder is a regular file")
        << QStringLiteral("file.txt/page.html") << QStringLiteral("Not a directory");
    QTest::newRow("folder missing")
        << QStringLiteral("nowhere/page.html") << QStringLiteral("No such file or directory");
    QTest::newRow("link to missing file")
        << QStringLiteral("dangling.html")
        << QStringLiteral("it is a symbolic link to a missing file");
}

void TestFileStore::replace_impossiblePath_refused()
{
    QFETCH(QString, name);
    QFETCH(QString, reason);

    QVERIFY(writeBytes(path("file.txt"), "text\r\n"));
    QVERIFY(QFile::link(QStringLiteral("gone.html"), path("dangling.html")));

    const QString error = replaceFileContents(path(name), "new\r\n");
    QCOMPARE(error, QStringLiteral("Cannot write \"%1\": %2").arg(path(name), reason));
    QCOMPARE(readBytes(path("file.txt")), QByteArray("text\r\n"));
    QCOMPARE(entries(m_dir->path()),
             (QStringList {QStringLiteral("dangling.html"), QStringLiteral("file.txt")}));
}

void TestFileStore::replace_fullDisk_leavesPageUnchanged_data()
{
    QTest::addColumn<bool>("exists");

    QTest::newRow("existing page") << true;
    QTest::newRow("missing page") << false;
}

void TestFileStore::replace_fullDisk_leavesPageUnchanged()
{
    QFETCH(bool, exists);

    QByteArray original;
    for (int i = 0; i < 200; ++i)
        original.append("<p>line " + QByteArray::number(i) + "</p>\r\n");
    if (exists)
        QVERIFY(writeBytes(path("page.html"), original));

    // A file size limit makes writes fail the way a full disk does, even for root.
    struct rlimit saved;
    QCOMPARE(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 4096;
    QCOMPARE(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const QString error = replaceFileContents(path("page.html"), QByteArray(64 * 1024, 'n'));
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    QVERIFY2(error.startsWith(QStringLiteral("Cannot write \"%1\": ").arg(path("page.html"))),
             qPrintable(error));
    QVERIFY2(error.contains(QString::fromLocal8Bit(std::strerror(EFBIG))), qPrintable(error));
    if (exists) {
        QCOMPARE(readBytes(path("page.html")), original);
        QCOMPARE(entries(m_dir->path()), QStringList {QStringLiteral("page.html")});
    } else {
        QCOMPARE(entries(m_dir->path()), QStringList());
    }
}

void TestFileStore::replace_readOnlyFile_refusedAndUnchanged()
{
    if (runningAsRoot())
        QSKIP("Permission bits do not stop root");

    QVERIFY(writeBytes(path("page.html"), "old\r\n"));
    QCOMPARE(::chmod(QFile::encodeName(path("page.html")).constData(), 0444), 0);

    const QString error = replaceFileContents(path("page.html"), "new\r\n");
    QCOMPARE(error,
             QStringLiteral("Cannot write \"%1\": Permission denied").arg(path("page.html")));
    QCOMPARE(readBytes(path("page.html")), QByteArray("old\r\n"));
    QCOMPARE(statusOf(path("page.html")).st_mode & 07777, mode_t(0444));
}

void TestFileStore::replace_readOnlyFolder_refusedAndUnchanged()
{
    if (runningAsRoot())
        QSKIP("Permission bits do not stop root");

    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("site")));
    QVERIFY(writeBytes(path("site/page.html"), "old\r\n"));
    QCOMPARE(::chmod(QFile::encodeName(path("site")).constData(), 0555), 0);

    const QString error = replaceFileContents(path("site/page.html"), "new\r\n");
    ::chmod(QFile::encodeName(path("site")).constData(), 0755);
    QCOMPARE(error,
             QStringLiteral("Cannot write \"%1\": Permission denied").arg(path("site/page.html")));
    QCOMPARE(readBytes(path("site/page.html")), QByteArray("old\r\n"));
    QCOMPARE(entries(path("site")), QStringList {QStringLiteral("page.html")});
}

QTEST_GUILESS_MAIN(TestFileStore)
#include "tst_filestore.moc"
