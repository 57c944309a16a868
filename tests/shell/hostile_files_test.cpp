#include "support/testing.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <chrono>
#include <condition_variable>
#include <cstring>
#include <mutex>
#include <thread>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/xattr.h>
#include <unistd.h>

using namespace saltor;
using namespace saltor::testing;

namespace {

QByteArray randomBytes(qsizetype size, quint32 seed)
{
    QRandomGenerator random(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (qsizetype i = 0; i < size; ++i)
        bytes[i] = char(random.bounded(256));
    return bytes;
}

// Opens `in` and saves the document as `out` through the real file system.
void openAndSave(Program& program, const QString& in, const QString& out)
{
    program.platform.useRealFiles = true;
    program.platform.fileAnswers.enqueue(in);
    program.platform.fileAnswers.enqueue(out);
    program.main().findChild<QAction*>(QStringLiteral("mnuOpen"))->trigger();
    program.main().findChild<QAction*>(QStringLiteral("mnuSaveAs"))->trigger();
}

// Makes what `kind` names in dir and gives its path: a named pipe, a socket, a sparse file
// one byte above the size limit; any other kind is a path already there (/dev/zero).
QString makeNode(const QTemporaryDir& dir, const QString& kind)
{
    const QString path = dir.filePath(kind + QStringLiteral(".sqf"));
    const QByteArray name = QFile::encodeName(path);
    if (kind == QLatin1String("pipe")) {
        if (::mkfifo(name.constData(), 0644) != 0)
            return QString();
    } else if (kind == QLatin1String("socket")) {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        if (size_t(name.size()) >= sizeof(address.sun_path))
            return QString();
        std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        const bool bound = fd >= 0 && ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0;
        if (fd >= 0)
            ::close(fd);
        if (!bound)
            return QString();
    } else if (kind == QLatin1String("oversized")) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || !file.resize(kOpenLimitBytes + 1))
            return QString();
    } else {
        return kind;
    }
    return path;
}

// Ends the run, naming what it watches, when that has not returned within 30 s: far above any
// real time, and a refusal that blocks (a pipe with no writer blocks its reader for ever) would
// otherwise hang the suite. How fast a refusal is belongs to the benchmarks.
class Watchdog {
public:
    explicit Watchdog(const QString& what) : m_what(what), m_thread([this] { watch(); }) {}
    ~Watchdog()
    {
        {
            const std::lock_guard<std::mutex> lock(m_mutex);
            m_returned = true;
        }
        m_wake.notify_one();
        m_thread.join();
    }

private:
    void watch()
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        if (!m_wake.wait_for(lock, std::chrono::seconds(30), [this] { return m_returned; }))
            qFatal("%s has not returned within 30 s", qPrintable(m_what));
    }

    const QString m_what;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_returned = false;
    std::thread m_thread; // last, so that it starts once the rest is there
};

} // namespace

// Files no script should be, opened anyway: no crash, no lost document, a clear message where
// a file cannot be used, and every byte back on a save.
class HostileFilesTest : public QObject {
    Q_OBJECT

private slots:
    void roundTripsEveryByte_data();
    void roundTripsEveryByte();
    void pathWithBlanksAndNonAsciiLetters();
    void saveKeepsTheLinkAndTheFilesAttributes();
    void folderChosenAsFileIsRefused();
    void openOfANonFileIsRefusedAtOnce_data();
    void openOfANonFileIsRefusedAtOnce();
    void saveAsOntoANonFile_data();
    void saveAsOntoANonFile();
    void fiftyMegabyteFileRoundTrips();
};

void HostileFilesTest::roundTripsEveryByte_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("binary") << randomBytes(64 * 1024, 7);
    QTest::newRow("nul bytes") << QByteArray("a\0\0b\r\n\0", 7);
    QTest::newRow("invalid utf-8") << QByteArray("ok \xC3\x28 bad \xE2\x82 cut \xF0\x9F\x98");
    QTest::newRow("lone surrogate encoded") << QByteArray("x \xED\xA0\x80 y");
    QTest::newRow("frame marks in utf-8") << QByteArray("a\xEF\xB7\x90" "b\xE2\x80\xA9" "c");
    QTest::newRow("single 5 MB line") << QByteArray(5 * 1024 * 1024, 'x');
    QTest::newRow("only line ends") << QByteArray("\r\n\n\r\r\r\n");
}

void HostileFilesTest::roundTripsEveryByte()
{
    QFETCH(QByteArray, bytes);
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("in.sqf"));
    const QString out = dir.filePath(QStringLiteral("out.sqf"));
    QVERIFY(writeFileBytes(in, bytes));
    Program program;
    openAndSave(program, in, out);
    QVERIFY(program.platform.messages.isEmpty());
    QVERIFY(readFileBytes(out) == bytes);
    QCOMPARE(program.main().address()->text(), out);
}

void HostileFilesTest::pathWithBlanksAndNonAsciiLetters()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("mise en sc\u00E8ne \u017Dlu\u0165ou\u010Dk\u00FD")));
    const QString folder = dir.filePath(QStringLiteral("mise en sc\u00E8ne \u017Dlu\u0165ou\u010Dk\u00FD"));
    const QString in = folder + QStringLiteral("/br\u00EDefing one.sqf");
    const QString out = folder + QStringLiteral("/br\u00EDefing two.sqf");
    const QByteArray bytes("player createDiaryRecord [\"Diary\", \"x\"];\r\n");
    QVERIFY(writeFileBytes(in, bytes));
    Program program;
    openAndSave(program, in, out);
    QVERIFY(program.platform.messages.isEmpty());
    QCOMPARE(readFileBytes(out), bytes);
    QCOMPARE(program.main().address()->text(), out);
}

void HostileFilesTest::saveKeepsTheLinkAndTheFilesAttributes()
{
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("target.sqf"));
    const QString link = dir.filePath(QStringLiteral("link.sqf"));
    QVERIFY(writeFileBytes(target, QByteArray("old;\r\n")));
    QVERIFY(QFile::link(target, link));
    // An extended attribute, where the file system holds them, as an access control list is.
    const QByteArray attribute("user.saltor.kept");
    const bool attributes = ::setxattr(QFile::encodeName(target).constData(), attribute.constData(), "1", 1, 0) == 0;

    Program program;
    program.platform.useRealFiles = true;
    program.platform.fileAnswers.enqueue(link);
    program.main().findChild<QAction*>(QStringLiteral("mnuOpen"))->trigger();
    QCOMPARE(program.document(), QStringLiteral("old;\r\n"));

    program.editor->appendToPreview(QStringLiteral("new;\r\n"));
    program.platform.fileAnswers.enqueue(link);
    program.platform.messageAnswers.enqueue(MessageAnswer::Yes);
    program.main().findChild<QAction*>(QStringLiteral("mnuSaveAs"))->trigger();
    // The link stays a link, and its target holds the new text.
    QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(readFileBytes(target), QByteArray("old;\r\nnew;\r\n"));
    if (attributes)
        QCOMPARE(::getxattr(QFile::encodeName(target).constData(), attribute.constData(), nullptr, 0), ssize_t(1));
}

void HostileFilesTest::folderChosenAsFileIsRefused()
{
    QTemporaryDir dir;
    Program program;
    program.setDocument(QStringLiteral("typed work"));
    program.platform.useRealFiles = true;
    program.platform.fileAnswers.enqueue(dir.path());
    program.main().findChild<QAction*>(QStringLiteral("mnuOpen"))->trigger();
    QCOMPARE(program.document(), QStringLiteral("typed work"));
    QCOMPARE(program.platform.messages.size(), 1);
    QVERIFY(program.platform.messages.first().prompt.contains(QDir::toNativeSeparators(dir.path())));

    program.platform.fileAnswers.enqueue(dir.path());
    program.platform.messageAnswers.enqueue(MessageAnswer::Yes);
    program.main().findChild<QAction*>(QStringLiteral("mnuSaveAs"))->trigger();
    QVERIFY(QFileInfo(dir.path()).isDir());
    QVERIFY(program.platform.messages.last().prompt.contains(QStringLiteral("could not be saved")));
    QCOMPARE(program.main().address()->text(), QStringLiteral("... not saved yet"));
}

void HostileFilesTest::openOfANonFileIsRefusedAtOnce_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("endless device") << QStringLiteral("/dev/zero") << QStringLiteral("It is a device, not a file.");
    QTest::newRow("empty device") << QStringLiteral("/dev/null") << QStringLiteral("It is a device, not a file.");
    QTest::newRow("named pipe") << QStringLiteral("pipe") << QStringLiteral("It is a named pipe, not a file.");
    QTest::newRow("socket") << QStringLiteral("socket") << QStringLiteral("It is a socket, not a file.");
    QTest::newRow("above the size limit")
        << QStringLiteral("oversized")
        << QStringLiteral("It is too large to open: %1 bytes, and the limit is %2 bytes (200 MB).")
               .arg(kOpenLimitBytes + 1)
               .arg(kOpenLimitBytes);
}

void HostileFilesTest::openOfANonFileIsRefusedAtOnce()
{
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString path = makeNode(dir, kind);
    QVERIFY(!path.isEmpty());
    Program program;
    program.setDocument(QStringLiteral("typed work"));
    program.main().address()->setText(QStringLiteral("/m/before.sqf"));
    program.platform.useRealFiles = true;
    program.platform.fileAnswers.enqueue(path);
    {
        const Watchdog watchdog(QStringLiteral("Open of ") + path);
        program.main().findChild<QAction*>(QStringLiteral("mnuOpen"))->trigger();
    }
    QCOMPARE(program.document(), QStringLiteral("typed work"));
    QCOMPARE(program.main().address()->text(), QStringLiteral("/m/before.sqf"));
    QCOMPARE(program.platform.messages.size(), 1);
    QCOMPARE(program.platform.messages.first().prompt,
             QStringLiteral("The file \"%1\" could not be opened.\n%2").arg(path, reason));
    QCOMPARE(program.platform.messages.first().icon, MessageIcon::Exclamation);
}

void HostileFilesTest::saveAsOntoANonFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason"); // empty: the save is written
    QTest::newRow("device") << QStringLiteral("/dev/null") << QString();
    QTest::newRow("named pipe") << QStringLiteral("pipe") << QStringLiteral("It is a named pipe, not a file.");
    QTest::newRow("socket") << QStringLiteral("socket") << QStringLiteral("It is a socket, not a file.");
}

void HostileFilesTest::saveAsOntoANonFile()
{
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString path = makeNode(dir, kind);
    QVERIFY(!path.isEmpty());
    struct stat before;
    QCOMPARE(::stat(QFile::encodeName(path).constData(), &before), 0);
    Program program;
    program.platform.useRealFiles = true;
    program.platform.fileAnswers.enqueue(path);
    program.platform.messageAnswers.enqueue(MessageAnswer::Yes); // it exists: replace it
    {
        const Watchdog watchdog(QStringLiteral("Save As onto ") + path);
        program.main().findChild<QAction*>(QStringLiteral("mnuSaveAs"))->trigger();
    }
    QCOMPARE(program.platform.messages.size(), reason.isEmpty() ? 1 : 2);
    if (reason.isEmpty()) {
        QCOMPARE(program.main().address()->text(), path);
    } else {
        QCOMPARE(program.platform.messages.last().prompt,
                 QStringLiteral("The file \"%1\" could not be saved.\n%2").arg(path, reason));
        QCOMPARE(program.main().address()->text(), QStringLiteral("... not saved yet"));
    }
    // The node stays what it was: nothing replaced it with a regular file.
    struct stat after;
    QCOMPARE(::stat(QFile::encodeName(path).constData(), &after), 0);
    QCOMPARE(after.st_mode & S_IFMT, before.st_mode & S_IFMT);
    QCOMPARE(after.st_ino, before.st_ino);
}

void HostileFilesTest::fiftyMegabyteFileRoundTrips()
{
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("big.sqf"));
    const QString out = dir.filePath(QStringLiteral("big2.sqf"));
    QByteArray bytes;
    bytes.reserve(50 * 1024 * 1024 + 100);
    const QByteArray line("tsk1 setTaskState \"Succeeded\"; // \xC5\xBElu\xC5\xA5ou\xC4\x8Dk\xC3\xBD k\xC5\xAF\xC5\x88\r\n");
    while (bytes.size() < 50 * 1024 * 1024)
        bytes += line;
    QVERIFY(writeFileBytes(in, bytes));
    Program program;
    openAndSave(program, in, out);
    QVERIFY(program.platform.messages.isEmpty());
    QVERIFY(readFileBytes(out) == bytes);
}

QTEST_MAIN(HostileFilesTest)
#include "hostile_files_test.moc"
