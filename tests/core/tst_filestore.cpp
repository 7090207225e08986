#include "pages/filestore.h"
#include "pages/pagefile.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <grp.h>
#include <linux/fs.h>
#include <memory>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace {

// A fault put into the system calls the file store makes, as a failing disk or
// a file system that refuses renames would.
enum class Fault { None, FlushFails, RenameRefused, CopyStopsEarly };
Fault injectedFault = Fault::None;

} // namespace

// The core is linked into this test statically, so these stand in for the C
// library's own functions wherever the file store calls them.
extern "C" int fsync(int fd)
{
    struct stat status;
    if (injectedFault == Fault::FlushFails && ::fstat(fd, &status) == 0
        && S_ISREG(status.st_mode)) {
        errno = EIO;
        return -1;
    }
    return int(::syscall(SYS_fsync, fd));
}

extern "C" int rename(const char *from, const char *to) noexcept
{
    if (injectedFault == Fault::RenameRefused) {
        errno = EPERM;
        return -1;
    }
    return ::renameat(AT_FDCWD, from, AT_FDCWD, to);
}

// Copies a little, then refuses as between two file systems.
extern "C" ssize_t copy_file_range(int in, off64_t *inOffset, int out, off64_t *outOffset,
                                   size_t length, unsigned int flags)
{
    if (injectedFault == Fault::CopyStopsEarly) {
        if (!inOffset || *inOffset > 0) {
            errno = EXDEV;
            return -1;
        }
        length = qMin(length, size_t(1000));
    }
    return ::syscall(SYS_copy_file_range, in, inOffset, out, outOffset, length, flags);
}

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

// Every name under folder with its bytes, so a failure can be checked to have
// changed nothing and left nothing behind.
QMap<QString, QByteArray> snapshot(const QString &folder)
{
    QMap<QString, QByteArray> names;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString name = it.next();
        names.insert(QDir(folder).relativeFilePath(name),
                     it.fileInfo().isDir() ? QByteArray("<folder>") : readBytes(name));
    }
    return names;
}

// Every extended attribute of a file (its ACL among them) with its value.
QMap<QByteArray, QByteArray> attributes(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    QByteArray list(65536, '\0');
    const ssize_t size = ::listxattr(name.constData(), list.data(), size_t(list.size()));
    QMap<QByteArray, QByteArray> values;
    for (const QByteArray &key : list.left(qMax<ssize_t>(size, 0)).split('\0')) {
        QByteArray value(65536, '\0');
        const ssize_t got = key.isEmpty()
            ? -1
            : ::getxattr(name.constData(), key.constData(), value.data(), 65536);
        if (got >= 0)
            values.insert(key, value.left(got));
    }
    return values;
}

// Sets or clears a folder's append-only flag, as chattr +a and -a do; false
// where the file system or the user's privileges do not allow it.
bool setAppendOnly(const QString &folder, bool on)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    int flags = 0;
    bool done = fd >= 0 && ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    flags = on ? flags | FS_APPEND_FL : flags & ~FS_APPEND_FL;
    done = done && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    if (fd >= 0)
        ::close(fd);
    return done;
}

const char noAclTool[] = "setfacl (Debian package acl) is missing or this file system refuses ACLs";

bool setAcl(const QStringList &arguments)
{
    QProcess tool;
    tool.start(QStringLiteral("setfacl"), arguments);
    return tool.waitForFinished() && tool.exitStatus() == QProcess::NormalExit
        && tool.exitCode() == 0;
}

// When the tests run as root, the cases that need another user run as this
// unprivileged user, who also belongs to the group of other people's pages.
const uid_t unprivilegedUser = 65534;
const gid_t sharedGroup = 4242;

// Replaces the page (or with dryRun, asks what refusal that would meet) as the
// unprivileged user in a child process when running as root, so that
// permission bits apply; otherwise in this process.
QString replaceAsUser(const QString &path, const QByteArray &contents, bool dryRun = false)
{
    const auto replace = [&] {
        return dryRun ? replaceRefusal(path) : replaceFileContents(path, contents);
    };
    if (!runningAsRoot())
        return replace();
    int channel[2];
    if (::pipe(channel) != 0)
        return QStringLiteral("<no pipe>");
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        const gid_t groups[] = {sharedGroup};
        QByteArray message = "<could not drop privileges>";
        if (::setgroups(1, groups) == 0 && ::setgid(unprivilegedUser) == 0
            && ::setuid(unprivilegedUser) == 0)
            message = replace().toUtf8();
        const bool sent = ::write(channel[1], message.constData(), size_t(message.size()))
            == ssize_t(message.size());
        ::_exit(sent ? 0 : 1);
    }
    ::close(channel[1]);
    QByteArray message;
    char buffer[4096];
    ssize_t got;
    while ((got = ::read(channel[0], buffer, sizeof buffer)) > 0)
        message.append(buffer, got);
    ::close(channel[0]);
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status)
        || WEXITSTATUS(status) != 0)
        return QStringLiteral("<the child process failed>");
    return QString::fromUtf8(message);
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
    void cleanup();

    void readWholeFile_returnsEveryByte_data();
    void readWholeFile_returnsEveryByte();

    void unusablePath_isRefused_data();
    void unusablePath_isRefused();

    void replace_writesExactContents_data();
    void replace_writesExactContents();
    void replace_keepsModeOwnerAndAttributes_data();
    void replace_keepsModeOwnerAndAttributes();
    void replace_symbolicLink_staysLinkAndTargetUpdated();
    void replace_newPageMadeMeanwhile_isKept_data();
    void replace_newPageMadeMeanwhile_isKept();
    void replace_byUnprivilegedUser_data();
    void replace_byUnprivilegedUser();
    void replace_failedWrite_leavesPageUnchanged_data();
    void replace_failedWrite_leavesPageUnchanged();
    void mappedPage_writtenAsTheSameBytesInMemory_data();
    void mappedPage_writtenAsTheSameBytesInMemory();
    void mappedPage_shortenedWhileRead_isRefusedNotFatal_data();
    void mappedPage_shortenedWhileRead_isRefusedNotFatal();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString path(const QString &name) const { return m_dir->filePath(name); }
};

void TestFileStore::init()
{
    // Each test gets a fresh, empty folder.
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    // Copies kept while a page is updated in place go here, never into the user's cache.
    qputenv("XDG_CACHE_HOME", QFile::encodeName(path("cache")));
}

void TestFileStore::cleanup()
{
    // Read-only and append-only folders would stop the temporary folder's removal.
    QDirIterator it(m_dir->path(), QDir::Dirs | QDir::NoSymLinks | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString folder = it.next();
        ::chmod(QFile::encodeName(folder).constData(), 0755);
        setAppendOnly(folder, false);
    }
    qunsetenv("XDG_CACHE_HOME");
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
    const MappedReadResult mapped = mapWholeFile(path("page.html"));
    QVERIFY2(mapped.ok(), qPrintable(mapped.error));
    QVERIFY(mapped.contents.view() == bytes);
}

void TestFileStore::unusablePath_isRefused_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("readReason");
    QTest::addColumn<QString>("writeReason"); // empty when it is the read reason

    const auto row = [](const char *name, const char *read, const char *write = "") {
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(read)
                            << QString::fromLatin1(write);
    };
    row("folder", "it is a folder, not a file");
    row("pipe", "it is a pipe, not an ordinary file");
    row("socket", "it is a socket, not an ordinary file");
    row("device", "it is a device, not an ordinary file");
    row("link to device", "it is a device, not an ordinary file");
    row("folder is a regular file", "Not a directory");
    row("folder missing", "No such file or directory");
    row("link to missing file", "No such file or directory",
        "it is a symbolic link to a missing file");
}

void TestFileStore::unusablePath_isRefused()
{
    QFETCH(QString, kind);
    QFETCH(QString, readReason);
    QFETCH(QString, writeReason);

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
    } else if (kind == QLatin1String("link to device")) {
        QVERIFY(QFile::link(QStringLiteral("/dev/null"), target));
    } else if (kind == QLatin1String("folder is a regular file")) {
        QVERIFY(writeBytes(path("file.txt"), "text\r\n"));
        target = path("file.txt/page.html");
    } else if (kind == QLatin1String("folder missing")) {
        target = path("nowhere/page.html");
    } else {
        QVERIFY(QFile::link(QStringLiteral("gone.html"), target));
    }
    const mode_t typeBefore = statusOf(target).st_mode & S_IFMT;
    const QStringList namesBefore = entries(m_dir->path());

    {
        HangGuard guard;
        const ReadResult read = readWholeFile(target);
        QCOMPARE(read.error, QStringLiteral("Cannot read \"%1\": %2").arg(target, readReason));
        QCOMPARE(mapWholeFile(target).error, read.error);
        const QString written = replaceFileContents(target, "new page\r\n");
        QCOMPARE(written,
                 QStringLiteral("Cannot write \"%1\": %2")
                     .arg(target, writeReason.isEmpty() ? readReason : writeReason));
        QCOMPARE(replaceRefusal(target), written);
    }

    QCOMPARE(statusOf(target).st_mode & S_IFMT, typeBefore);
    QCOMPARE(statusOf(QStringLiteral("/dev/null")).st_mode & S_IFMT, mode_t(S_IFCHR));
    if (socketFd >= 0)
        ::close(socketFd);
    // Nothing half-made was left beside the target, and nothing changed.
    QCOMPARE(entries(m_dir->path()), namesBefore);
    if (namesBefore.contains(QStringLiteral("file.txt")))
        QCOMPARE(readBytes(path("file.txt")), QByteArray("text\r\n"));
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

void TestFileStore::replace_keepsModeOwnerAndAttributes_data()
{
    QTest::addColumn<int>("mode"); // of the page before; -1 when there is none yet
    QTest::addColumn<QString>("extra"); // what else the page or its folder has
    QTest::addColumn<int>("umaskValue");

    QTest::newRow("new page gets the umask mode") << -1 << QString() << 027;
    // Under this umask a new file gets another mode: the page's own is to be kept.
    QTest::newRow("owner and group read") << 0640 << QString() << 077;
    QTest::newRow("owner only") << 0600 << QString() << 077;
    QTest::newRow("executable script") << 0755 << QString() << 077;
    QTest::newRow("world writable") << 0666 << QString() << 077;
    QTest::newRow("another user's page") << 0604 << QStringLiteral("another owner") << 077;
    // Giving the copy its owner clears set-id bits, so the mode must come after.
    QTest::newRow("another user's set-group-id script")
        << 02755 << QStringLiteral("another owner") << 077;
    QTest::newRow("access ACL") << 0644 << QStringLiteral("access ACL") << 077;
    QTest::newRow("user attribute") << 0644 << QStringLiteral("user attribute") << 077;
    // The temporary file inherits the folder's default ACL, which the page never had.
    QTest::newRow("no ACL under a default ACL") << 0644 << QStringLiteral("default ACL") << 077;
    // A new page gets what the kernel gives any new file there, not the umask alone.
    QTest::newRow("new page under a default ACL") << -1 << QStringLiteral("default ACL") << 077;
}

void TestFileStore::replace_keepsModeOwnerAndAttributes()
{
    QFETCH(int, mode);
    QFETCH(QString, extra);
    QFETCH(int, umaskValue);

    const QString page = path("page.html");
    const QByteArray name = QFile::encodeName(page);
    if (mode >= 0) {
        QVERIFY(writeBytes(page, "old\r\n"));
        if (extra == QLatin1String("another owner")) {
            if (!runningAsRoot())
                QSKIP("Only root can give a page to another user");
            QCOMPARE(::chown(name.constData(), unprivilegedUser, unprivilegedUser), 0);
        }
        QCOMPARE(::chmod(name.constData(), mode_t(mode)), 0); // after chown, which clears set-id
    }
    if (extra == QLatin1String("access ACL")) {
        if (!setAcl({QStringLiteral("-m"), QStringLiteral("u:65534:rw"), page}))
            QSKIP(noAclTool);
    } else if (extra == QLatin1String("user attribute")) {
        if (::setxattr(name.constData(), "user.zephrin.origin", "draft", 5, 0) != 0)
            QSKIP("This file system refuses user extended attributes");
    } else if (extra == QLatin1String("default ACL")
               && !setAcl({QStringLiteral("-d"), QStringLiteral("-m"),
                           QStringLiteral("u:65534:rwx"), m_dir->path()})) {
        QSKIP(noAclTool);
    }

    // An existing page is its own model; a new one is to be as any new file there.
    const QString model = mode >= 0 ? page : path("reference.html");
    const mode_t previous = ::umask(mode_t(umaskValue));
    const int reference = mode >= 0
        ? -1
        : ::open(QFile::encodeName(model).constData(), O_CREAT | O_WRONLY | O_CLOEXEC, 0666);
    if (reference >= 0)
        ::close(reference);
    const struct stat before = statusOf(model);
    const QMap<QByteArray, QByteArray> expected = attributes(model);
    const QString error = replaceFileContents(page, "new\r\n");
    ::umask(previous);

    QVERIFY(mode >= 0 || reference >= 0);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QCOMPARE(readBytes(page), QByteArray("new\r\n"));
    const struct stat after = statusOf(page);
    QCOMPARE(after.st_mode, before.st_mode);
    QCOMPARE(after.st_uid, before.st_uid);
    QCOMPARE(after.st_gid, before.st_gid);
    QCOMPARE(attributes(page), expected);
    if (mode >= 0)
        QVERIFY(after.st_ino != before.st_ino); // replaced by rename
    QCOMPARE(entries(m_dir->path()).size(), mode >= 0 ? 1 : 2);
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

void TestFileStore::replace_newPageMadeMeanwhile_isKept_data()
{
    QTest::addColumn<bool>("hardLink"); // the page exists, with a second name
    QTest::addColumn<QString>("refusal");

    QTest::newRow("new page") << false << "another program created it";
    // A second run over the same site renames its new page into place.
    QTest::newRow("page with another hard link replaced")
        << true << "replaced by another program while Zephrin worked on it; nothing was changed";
}

void TestFileStore::replace_newPageMadeMeanwhile_isKept()
{
    QFETCH(bool, hardLink);
    QFETCH(QString, refusal);
    // Another program makes the page while the new one is being written.
    const QString page = path("page.html");
    if (hardLink) {
        QVERIFY(writeBytes(page, "before\r\n"));
        QCOMPARE(::link(QFile::encodeName(page).constData(),
                        QFile::encodeName(path("other.html")).constData()),
                 0);
    }
    const QString error = replaceFileContents(page, [&](const ByteSink &sink) {
        return writeBytes(path("theirs"), "theirs\r\n")
            && ::rename(QFile::encodeName(path("theirs")).constData(),
                        QFile::encodeName(page).constData())
            == 0
            && sink("mine\r\n");
    });
    QVERIFY2(error.contains(refusal), qPrintable(error));
    QCOMPARE(readBytes(page), QByteArray("theirs\r\n"));
    const QStringList names
        = hardLink ? QStringList {"other.html", "page.html"} : QStringList {"page.html"};
    QCOMPARE(entries(m_dir->path()), names);
    if (hardLink)
        QCOMPARE(readBytes(path("other.html")), QByteArray("before\r\n"));
}

void TestFileStore::replace_failedWrite_leavesPageUnchanged_data()
{
    QTest::addColumn<bool>("exists");
    QTest::addColumn<bool>("hardLink");
    QTest::addColumn<bool>("flushFails"); // the disk fails to flush; otherwise it is full

    QTest::newRow("existing page") << true << false << false;
    QTest::newRow("missing page") << false << false << false;
    // Updated in place, so the failure comes after the page itself was partly written.
    QTest::newRow("page with another hard link") << true << true << false;
    // Written in full, but not safely on the disk: a power cut could lose it.
    QTest::newRow("existing page, flush fails") << true << false << true;
}

void TestFileStore::replace_failedWrite_leavesPageUnchanged()
{
    QFETCH(bool, exists);
    QFETCH(bool, hardLink);
    QFETCH(bool, flushFails);

    QByteArray original;
    for (int i = 0; i < 200; ++i)
        original.append("<p>line " + QByteArray::number(i) + "</p>\r\n");
    if (exists)
        QVERIFY(writeBytes(path("page.html"), original));
    if (hardLink)
        QCOMPARE(::link(QFile::encodeName(path("page.html")).constData(),
                        QFile::encodeName(path("other.html")).constData()),
                 0);
    const QMap<QString, QByteArray> before = snapshot(m_dir->path());

    // A file size limit makes writes fail the way a full disk does, even for root.
    struct rlimit saved;
    QCOMPARE(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 4096;
    if (flushFails)
        injectedFault = Fault::FlushFails;
    else
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const QString error
        = replaceFileContents(path("page.html"), QByteArray(flushFails ? 1024 : 64 * 1024, 'n'));
    injectedFault = Fault::None;
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    QVERIFY2(error.startsWith(QStringLiteral("Cannot write \"%1\": ").arg(path("page.html"))),
             qPrintable(error));
    QVERIFY2(error.contains(QString::fromLocal8Bit(std::strerror(flushFails ? EIO : EFBIG))),
             qPrintable(error));
    QCOMPARE(snapshot(m_dir->path()), before);
}

void TestFileStore::replace_byUnprivilegedUser_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("page");
    QTest::addColumn<bool>("hardLink");
    QTest::addColumn<bool>("cacheWritable");
    QTest::addColumn<QString>("refusal"); // with the paths of the page, its folder and the cache

    const QString mine = QStringLiteral("mine");
    const QString others = QStringLiteral("other's");
    QTest::newRow("shared folder owned by someone else")
        << others << mine << false << true << QString();
    QTest::newRow("group-writable page of another owner")
        << mine << QStringLiteral("other's, group-writable") << false << true << QString();
    QTest::newRow("page writable through an ACL")
        << others << QStringLiteral("other's, ACL for me") << false << true << QString();
    QTest::newRow("hard link") << mine << mine << true << true << QString();
    // Nothing made there can be removed or renamed over the page.
    const QString appendOnly = QStringLiteral("mine, append-only");
    QTest::newRow("append-only folder") << appendOnly << mine << false << true << QString();
    QTest::newRow("new page in an append-only folder")
        << appendOnly << QStringLiteral("missing") << false << true << QString();
    QTest::newRow("folder that refuses renames")
        << QStringLiteral("mine, refuses renames") << mine << false << true << QString();
    QTest::newRow("read-only page") << mine << QStringLiteral("mine, read-only") << false << true
                                    << QStringLiteral("The page \"<page>\" is read-only.");
    QTest::newRow("new page in a folder owned by someone else")
        << others << QStringLiteral("missing") << false << true
        << QStringLiteral(
               "The folder \"<folder>\" is not writable, so \"page.html\" cannot be created "
               "in it.");
    QTest::newRow("read-only folder and no cache folder")
        << QStringLiteral("mine, read-only") << mine << false << false
        << QStringLiteral("Cannot write \"<page>\": no copy of the page could be kept in the "
                          "folder \"<cache>\" (Permission denied), so the page was left as it was");
}

void TestFileStore::replace_byUnprivilegedUser()
{
    QFETCH(QString, folder);
    QFETCH(QString, page);
    QFETCH(bool, hardLink);
    QFETCH(bool, cacheWritable);
    QFETCH(QString, refusal);

    const bool root = runningAsRoot();
    if (!root
        && (folder.startsWith(QLatin1String("other")) || page.startsWith(QLatin1String("other"))))
        QSKIP("Only root can give a file to another user; as root this case runs as an "
              "unprivileged user in a child process");
    const uid_t me = root ? unprivilegedUser : ::geteuid();
    const gid_t myGroup = root ? unprivilegedUser : ::getegid();
    const auto setOwner = [&](const QString &name, bool mineToo, gid_t group, mode_t mode) {
        const QByteArray encoded = QFile::encodeName(name);
        return (!root || ::chown(encoded.constData(), mineToo ? me : 0, group) == 0)
            && ::chmod(encoded.constData(), mode) == 0;
    };

    const bool appendOnly = folder.endsWith(QLatin1String("append-only"));
    const auto takesAppendOnly = [](const QString &folder) {
        return setAppendOnly(folder, true) && setAppendOnly(folder, false);
    };
    if (appendOnly && !takesAppendOnly(m_dir->path())) {
        // /tmp may be a tmpfs, which has no such flag; the build folder may have it.
        auto beside = std::make_unique<QTemporaryDir>(QCoreApplication::applicationDirPath()
                                                      + QStringLiteral("/filestore-XXXXXX"));
        if (!beside->isValid() || !takesAppendOnly(beside->path()))
            QSKIP("This file system or user cannot make a folder append-only (chattr +a)");
        m_dir = std::move(beside);
        qputenv("XDG_CACHE_HOME", QFile::encodeName(path("cache")));
    }
    const QString site = path("site");
    const QString pagePath = path("site/page.html");
    QVERIFY(QDir().mkpath(site));
    QVERIFY(QDir().mkpath(path("cache")));
    QVERIFY(setOwner(m_dir->path(), false, 0, 0755));
    QVERIFY(setOwner(path("cache"), cacheWritable, myGroup, cacheWritable ? 0755 : 0555));
    QVERIFY(writeBytes(path("site/notes.txt"), "another file\n"));
    QVERIFY(setOwner(path("site/notes.txt"), true, myGroup, 0644));
    const QByteArray old = "<p>old page</p>\r\n";
    if (page != QLatin1String("missing")) {
        QVERIFY(writeBytes(pagePath, old));
        if (page == QLatin1String("mine"))
            QVERIFY(setOwner(pagePath, true, myGroup, 0644));
        else if (page == QLatin1String("mine, read-only"))
            QVERIFY(setOwner(pagePath, true, myGroup, 0444));
        else if (page == QLatin1String("other's, group-writable"))
            QVERIFY(setOwner(pagePath, false, sharedGroup, 0664));
        else if (!setAcl({QStringLiteral("-m"), QStringLiteral("u:65534:rw"), pagePath}))
            QSKIP(noAclTool);
    }
    if (hardLink)
        QCOMPARE(::link(QFile::encodeName(pagePath).constData(),
                        QFile::encodeName(path("site/other.html")).constData()),
                 0);
    QVERIFY(setOwner(site, !folder.startsWith(QLatin1String("other")), myGroup,
                     folder.endsWith(QLatin1String("read-only")) ? 0555 : 0755));
    if (appendOnly)
        QVERIFY(setAppendOnly(site, true));

    const struct stat pageBefore = statusOf(pagePath);
    const QMap<QByteArray, QByteArray> attributesBefore = attributes(pagePath);
    QMap<QString, QByteArray> expected = snapshot(site);
    const QByteArray updated = "<p>new</p>\r\n"; // shorter, so the page must be cut
    if (refusal.isEmpty()) {
        expected.insert(QStringLiteral("page.html"), updated);
        if (hardLink)
            expected.insert(QStringLiteral("other.html"), updated);
    }

    if (folder.endsWith(QLatin1String("refuses renames")))
        injectedFault = Fault::RenameRefused;
    const QString dryRun = replaceAsUser(pagePath, updated, true);
    const QString error = replaceAsUser(pagePath, updated);
    injectedFault = Fault::None;
    // A refusal that comes before writing is foreseen by the dry run, word for word.
    QCOMPARE(dryRun, cacheWritable ? error : QString());

    if (refusal.isEmpty() && page == QLatin1String("missing")) {
        QVERIFY2(error.isEmpty(), qPrintable(error));
    } else if (refusal.isEmpty()) {
        QVERIFY2(error.isEmpty(), qPrintable(error));
        // Updated in place: the same file, with everything else about it kept.
        const struct stat pageAfter = statusOf(pagePath);
        QCOMPARE(pageAfter.st_ino, pageBefore.st_ino);
        QCOMPARE(pageAfter.st_uid, pageBefore.st_uid);
        QCOMPARE(pageAfter.st_gid, pageBefore.st_gid);
        QCOMPARE(pageAfter.st_mode, pageBefore.st_mode);
        QCOMPARE(attributes(pagePath), attributesBefore);
    } else {
        const QString cache = QDir(path("cache")).filePath(QCoreApplication::applicationName());
        QCOMPARE(error,
                 QString(refusal)
                     .replace(QStringLiteral("<page>"), pagePath)
                     .replace(QStringLiteral("<folder>"), site)
                     .replace(QStringLiteral("<cache>"), cache));
    }
    QCOMPARE(snapshot(site), expected);
    // No copy is left in the cache either.
    QDirIterator copies(path("cache"), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    QVERIFY2(!copies.hasNext(), qPrintable(copies.next()));
}

void TestFileStore::mappedPage_writtenAsTheSameBytesInMemory_data()
{
    QTest::addColumn<QByteArray>("page");
    QTest::addColumn<bool>("copyStopsEarly");
    QByteArray lines;
    while (lines.size() < 3 * 1024 * 1024)
        lines += "<p>a line of a large page</p>\n";
    // A mapped page's own bytes are copied file to file, or from the mapping
    // where the file system cannot copy.
    QTest::newRow("copied") << lines << false;
    QTest::newRow("copy stops early") << lines << true;
    QTest::newRow("with a block, copy stops early") << lines + insertionMarker
            + "\n<body>old</body><head></head>\n" << true;
    // A mapped page is searched in reads that overlap by the needle's length
    // less one, the first of 4 KB.
    const qsizetype firstRead = 3 + 4096 + insertionMarker.size() - 1;
    QTest::newRow("after a BOM, a block across two reads")
        << "\xEF\xBB\xBF" + QByteArray(firstRead - 3 - 10 - 1, 'x') + '\n' + insertionMarker
            + "\n<body>" + QByteArray(1024 * 1024, 'b') + "</body><head></head>\n"
        << false;
}

void TestFileStore::mappedPage_writtenAsTheSameBytesInMemory()
{
    QFETCH(QByteArray, page);
    QFETCH(bool, copyStopsEarly);
    QVERIFY(writeBytes(path("big.html"), page));
    injectedFault = copyStopsEarly ? Fault::CopyStopsEarly : Fault::None;
    const PageResult result
        = addCodeToPage(path("big.html"), QStringLiteral("b"), QStringLiteral("h"));
    injectedFault = Fault::None;
    QCOMPARE(result.outcome, PageOutcome::Updated);
    QVERIFY(readBytes(path("big.html"))
            == pageWithBlock(preparePage(page), QStringLiteral("b"), QStringLiteral("h")));
    QCOMPARE(entries(m_dir->path()), QStringList {QStringLiteral("big.html")});
}

void TestFileStore::mappedPage_shortenedWhileRead_isRefusedNotFatal_data()
{
    QTest::addColumn<QByteArray>("lineEnd");
    QTest::addColumn<bool>("hardLink"); // a second name sends the page down the in-place route
    // The page's own bytes, CR LF and LF lines alike, go straight from the
    // mapping into the new page.
    QTest::newRow("CR LF page") << QByteArray("\r\n") << false;
    QTest::newRow("LF page") << QByteArray("\n") << false;
    QTest::newRow("page with another hard link, updated in place") << QByteArray("\r\n") << true;
}

void TestFileStore::mappedPage_shortenedWhileRead_isRefusedNotFatal()
{
    QFETCH(QByteArray, lineEnd);
    QFETCH(bool, hardLink);
    const QString page = path(QStringLiteral("big.html"));
    QByteArray text;
    while (text.size() < 3 * 1024 * 1024)
        text += "<p>a line of a large page</p>" + lineEnd;
    QVERIFY(writeBytes(page, text));
    QStringList names {QStringLiteral("big.html")};
    if (hardLink) {
        const QString link = path(QStringLiteral("link.html"));
        QVERIFY(::link(QFile::encodeName(page).constData(), QFile::encodeName(link).constData())
                == 0);
        names << QStringLiteral("link.html");
    }
    const LoadedPage loaded = loadPage(page);
    QVERIFY(loaded.ok());

    // Another program cuts the page down while it is mapped.
    QVERIFY(::truncate(QFile::encodeName(page).constData(), 1000) == 0);
    const PageResult result = writeCodeIntoPage(loaded, QStringLiteral("b"), QStringLiteral("h"));
    QCOMPARE(result.outcome, PageOutcome::Refused);
    QVERIFY2(result.message.contains(QLatin1String("changed by another program")),
             qPrintable(result.message));
    QCOMPARE(readBytes(page), text.left(1000));
    QCOMPARE(entries(m_dir->path()), names);
}

QTEST_GUILESS_MAIN(TestFileStore)
#include "tst_filestore.moc"
