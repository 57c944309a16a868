#include "support/testing.h"

#include <QAction>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

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

} // namespace

// Files no script should be, opened anyway: no crash, no lost document, a clear message where
// a file cannot be used, and every byte back on a save.
class HostileFilesTest : public QObject {
    Q_OBJECT

private slots:
    void roundTripsEveryByte_data();
    void roundTripsEveryByte();
    void pathWithBlanksAndNonAsciiLetters();
    void symbolicLinkIsFollowedAndKept();
    void folderChosenAsFileIsRefused();
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

void HostileFilesTest::symbolicLinkIsFollowedAndKept()
{
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("target.sqf"));
    const QString link = dir.filePath(QStringLiteral("link.sqf"));
    QVERIFY(writeFileBytes(target, QByteArray("old;\r\n")));
    QVERIFY(QFile::link(target, link));

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
