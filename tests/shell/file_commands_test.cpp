#include "support/testing.h"

#include "platform/qtplatform.h"
#include "shell/filecommands.h"
#include "support/savechild.h"
#include "support/smalldisk.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <grp.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace saltor;
using namespace saltor::testing;

namespace {

const QString kHeader = QStringLiteral("// Created in Saltor Editor by Tavik\r\n");

void trigger(Program& program, const char* name)
{
    program.main().findChild<QAction*>(QLatin1String(name))->trigger();
}

// The real platform's write, done as the unprivileged user nobody when the test runs as root:
// root may write anywhere, so a folder's permissions only show for someone else. Gives
// nothing when the privileges cannot be dropped.
std::optional<WriteResult> writeUnprivileged(const QString& path, const QByteArray& bytes)
{
    SaveChild child(path, bytes, true);
    return child.go() ? child.result() : std::nullopt;
}

// What a save must keep of a file besides its bytes: owner, group, mode, links, access list,
// attribute flags, extended flags and project ID, and, when nothing was written, the file itself
// (its inode). "absent" when there is none.
QString fileState(const QString& path, bool withInode)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat info;
    if (::lstat(name.constData(), &info) != 0)
        return QStringLiteral("absent");
    QByteArray acl(256, '\0');
    acl.truncate(qMax<ssize_t>(0, ::lgetxattr(name.constData(), "system.posix_acl_access", acl.data(), size_t(acl.size()))));
    int flags = -1;
    fsxattr extended = {};
    const int fd = S_ISREG(info.st_mode) ? ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC) : -1;
    if (fd >= 0) {
        ::ioctl(fd, FS_IOC_GETFLAGS, &flags);
        ::ioctl(fd, FS_IOC_FSGETXATTR, &extended);
        ::close(fd);
    }
    QString state = QStringLiteral("owner %1 group %2 mode %3 links %4 access list %5 flags %6 extended %7 project %8")
                        .arg(info.st_uid)
                        .arg(info.st_gid)
                        .arg(info.st_mode, 0, 8)
                        .arg(info.st_nlink)
                        .arg(QString::fromLatin1(acl.toHex()))
                        .arg(flags, 0, 16)
                        .arg(extended.fsx_xflags & ~(FS_XFLAG_HASATTR | FS_XFLAG_PREALLOC), 0, 16)
                        .arg(extended.fsx_projid);
    if (withInode)
        state += QStringLiteral(" inode %1").arg(info.st_ino);
    return state;
}

QStringList entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

} // namespace

// New, Open and Save As: bytes kept, failures named, replacements confirmed.
class FileCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void newAnsweredNoChangesNothing();
    void newAnsweredYesRestoresHeader();
    void openCancelledChangesNothing();
    void openReplacesDocumentAndAddress();
    void openFailureIsNamedAndChangesNothing_data();
    void openFailureIsNamedAndChangesNothing();
    void openOfAnEmptyFileEmptiesTheDocument();
    void saveWritesTheDocumentAndShowsThePath();
    void saveCancelledWritesNothing();
    void saveAsksBeforeReplacing();
    void saveFailureIsNamedAndChangesNothing();
    void fileNameCarriesOverBetweenUses();
    void roundTripIsByteIdentical_data();
    void roundTripIsByteIdentical();
    void addedTextIsSavedTheFilesWay_data();
    void addedTextIsSavedTheFilesWay();
    void realWriteOfAnUnusualPath_data();
    void realWriteOfAnUnusualPath();
    void realWriteReplacesAtomically();
    void realWriteKeepsTheFile_data();
    void realWriteKeepsTheFile();
    void saveWritesOnlyTheFileItAskedAbout_data();
    void saveWritesOnlyTheFileItAskedAbout();
    void readOfAFolderIsRefused();
    void readAtTheLimits_data();
    void readAtTheLimits();

private:
    QTemporaryDir m_scratch; // for paths made by the data functions
};

void FileCommandsTest::newAnsweredNoChangesNothing()
{
    Program program;
    program.setDocument(QStringLiteral("mine"));
    program.main().address()->setText(QStringLiteral("/x/a.sqf"));
    trigger(program, "mnuNew");
    QCOMPARE(program.platform.messages.size(), 1);
    const FakePlatform::Message& asked = program.platform.messages.first();
    QCOMPARE(asked.prompt, QStringLiteral("All unsaved data will be lost. Do you really want to do ?"));
    QCOMPARE(asked.title, QStringLiteral("Creating ..."));
    QCOMPARE(asked.icon, MessageIcon::Question);
    QCOMPARE(program.document(), QStringLiteral("mine"));
    QCOMPARE(program.main().address()->text(), QStringLiteral("/x/a.sqf"));
}

void FileCommandsTest::newAnsweredYesRestoresHeader()
{
    Program program;
    program.setDocument(QStringLiteral("mine"));
    program.main().address()->setText(QStringLiteral("/x/a.sqf"));
    program.main().files().fileDialog().setFileName(QStringLiteral("/x/a.sqf"));
    program.platform.messageAnswers.enqueue(MessageAnswer::Yes);
    trigger(program, "mnuNew");
    QCOMPARE(program.document(), kHeader);
    QCOMPARE(program.main().address()->text(), QStringLiteral("... not saved yet"));
    // The next file dialog still starts from the path chosen before.
    QCOMPARE(program.main().files().fileDialog().fileName(), QStringLiteral("/x/a.sqf"));
}

void FileCommandsTest::openCancelledChangesNothing()
{
    Program program;
    trigger(program, "mnuOpen");
    QCOMPARE(program.platform.fileDialogs.size(), 1);
    QCOMPARE(program.platform.fileDialogs.first().save, false);
    QCOMPARE(program.platform.fileDialogs.first().filter, QStringLiteral("SQF files (*.sqf)"));
    QCOMPARE(program.document(), kHeader);
    QCOMPARE(program.main().address()->text(), QStringLiteral("... not saved yet"));
    QVERIFY(program.platform.messages.isEmpty());
}

void FileCommandsTest::openReplacesDocumentAndAddress()
{
    Program program;
    program.platform.files.insert(QStringLiteral("/m/briefing.sqf"), QByteArray("tsk1 = player;\nno header"));
    program.platform.fileAnswers.enqueue(QStringLiteral("/m/briefing.sqf"));
    trigger(program, "mnuOpen");
    QCOMPARE(program.document(), QStringLiteral("tsk1 = player;\nno header"));
    QCOMPARE(program.main().address()->text(), QStringLiteral("/m/briefing.sqf"));
    QVERIFY(program.platform.messages.isEmpty());
}

void FileCommandsTest::openFailureIsNamedAndChangesNothing_data()
{
    QTest::addColumn<bool>("missing");
    QTest::newRow("missing file") << true;
    QTest::newRow("unreadable file") << false;
}

void FileCommandsTest::openFailureIsNamedAndChangesNothing()
{
    QFETCH(bool, missing);
    Program program;
    program.setDocument(QStringLiteral("typed work"));
    const QString path = QStringLiteral("/m/locked.sqf");
    if (!missing) {
        program.platform.files.insert(path, QByteArray("secret"));
        program.platform.failingReads.insert(path, QStringLiteral("Permission denied"));
    }
    program.platform.fileAnswers.enqueue(path);
    trigger(program, "mnuOpen");
    QCOMPARE(program.document(), QStringLiteral("typed work"));
    QCOMPARE(program.main().address()->text(), QStringLiteral("... not saved yet"));
    QCOMPARE(program.platform.messages.size(), 1);
    const FakePlatform::Message& shown = program.platform.messages.first();
    QVERIFY(shown.prompt.contains(path));
    QVERIFY(shown.prompt.contains(missing ? QStringLiteral("No such file") : QStringLiteral("Permission denied")));
    QCOMPARE(shown.icon, MessageIcon::Exclamation);
    QCOMPARE(shown.title, QStringLiteral("Saltor Editor"));
}

void FileCommandsTest::openOfAnEmptyFileEmptiesTheDocument()
{
    Program program;
    program.platform.files.insert(QStringLiteral("/m/empty.sqf"), QByteArray());
    program.platform.fileAnswers.enqueue(QStringLiteral("/m/empty.sqf"));
    trigger(program, "mnuOpen");
    QCOMPARE(program.document(), QString());
    QCOMPARE(program.main().address()->text(), QStringLiteral("/m/empty.sqf"));
}

void FileCommandsTest::saveWritesTheDocumentAndShowsThePath()
{
    Program program;
    program.platform.fileAnswers.enqueue(QStringLiteral("/m/out"));
    trigger(program, "mnuSaveAs");
    QCOMPARE(program.platform.fileDialogs.size(), 1);
    QVERIFY(program.platform.fileDialogs.first().save);
    QCOMPARE(program.platform.fileDialogs.first().filter, QStringLiteral("SQF files (*.sqf)"));
    // No extension is added and no CRLF is written after the content.
    QCOMPARE(program.platform.files.value(QStringLiteral("/m/out")), kHeader.toUtf8());
    QCOMPARE(program.main().address()->text(), QStringLiteral("/m/out"));
}

void FileCommandsTest::saveCancelledWritesNothing()
{
    Program program;
    program.main().files().fileDialog().setFileName(QStringLiteral("/m/before.sqf"));
    trigger(program, "mnuSaveAs");
    QVERIFY(program.platform.files.isEmpty());
    QCOMPARE(program.platform.fileDialogs.first().fileName, QStringLiteral("/m/before.sqf"));
    QCOMPARE(program.main().address()->text(), QStringLiteral("... not saved yet"));
}

void FileCommandsTest::saveAsksBeforeReplacing()
{
    Program program;
    program.platform.files.insert(QStringLiteral("/m/old.sqf"), QByteArray("old"));
    // No to the first name: the dialog comes back; the second name is new.
    program.platform.fileAnswers.enqueue(QStringLiteral("/m/old.sqf"));
    program.platform.fileAnswers.enqueue(QStringLiteral("/m/new.sqf"));
    program.platform.messageAnswers.enqueue(MessageAnswer::No);
    trigger(program, "mnuSaveAs");
    QCOMPARE(program.platform.files.value(QStringLiteral("/m/old.sqf")), QByteArray("old"));
    QCOMPARE(program.platform.files.value(QStringLiteral("/m/new.sqf")), kHeader.toUtf8());
    QCOMPARE(program.platform.messages.size(), 1);
    QVERIFY(program.platform.messages.first().prompt.contains(QStringLiteral("/m/old.sqf")));
    QCOMPARE(program.platform.messages.first().buttons, MessageButtons::YesNo);

    // Yes replaces.
    program.platform.fileAnswers.enqueue(QStringLiteral("/m/old.sqf"));
    program.platform.messageAnswers.enqueue(MessageAnswer::Yes);
    trigger(program, "mnuSaveAs");
    QCOMPARE(program.platform.files.value(QStringLiteral("/m/old.sqf")), kHeader.toUtf8());
    QCOMPARE(program.main().address()->text(), QStringLiteral("/m/old.sqf"));
}

void FileCommandsTest::saveFailureIsNamedAndChangesNothing()
{
    Program program;
    program.platform.failingWrites.insert(QStringLiteral("/full/doc.sqf"), QStringLiteral("No space left on device"));
    program.platform.fileAnswers.enqueue(QStringLiteral("/full/doc.sqf"));
    const SaveOutcome outcome = program.main().files().saveTextFile(QStringLiteral("SQF files (*.sqf)|*.sqf"),
                                                           program.document(), true);
    QCOMPARE(outcome, SaveOutcome::Failed);
    QCOMPARE(program.main().address()->text(), QStringLiteral("... not saved yet"));
    QCOMPARE(program.platform.messages.size(), 1);
    QVERIFY(program.platform.messages.first().prompt.contains(QStringLiteral("/full/doc.sqf")));
    QVERIFY(program.platform.messages.first().prompt.contains(QStringLiteral("No space left on device")));
    QCOMPARE(program.platform.messages.first().icon, MessageIcon::Exclamation);
}

void FileCommandsTest::fileNameCarriesOverBetweenUses()
{
    Program program;
    program.platform.files.insert(QStringLiteral("/m/a.sqf"), QByteArray("a"));
    program.platform.fileAnswers.enqueue(QStringLiteral("/m/a.sqf"));
    trigger(program, "mnuOpen");
    trigger(program, "mnuSaveAs"); // cancelled
    program.main().files().saveTextFile(QStringLiteral("overview.html|overview.html"), QStringLiteral("x"), false);
    QCOMPARE(program.platform.fileDialogs.size(), 3);
    QCOMPARE(program.platform.fileDialogs[1].fileName, QStringLiteral("/m/a.sqf"));
    QCOMPARE(program.platform.fileDialogs[2].fileName, QStringLiteral("/m/a.sqf"));
    QCOMPARE(program.platform.fileDialogs[2].filter, QStringLiteral("overview.html (overview.html)"));
    QCOMPARE(program.main().address()->text(), QStringLiteral("/m/a.sqf"));
}

void FileCommandsTest::roundTripIsByteIdentical_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("utf-8 crlf") << QByteArray("// \xC5\xBElu\xC5\xA5ou\xC4\x8Dk\xC3\xBD\r\ntsk1 = player;\r\n");
    QTest::newRow("utf-8 with mark") << QByteArray("\xEF\xBB\xBF// caf\xC3\xA9\r\nx;\r\n");
    QTest::newRow("two marks, the second is text") << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBFx\r\n");
    QTest::newRow("windows-1250") << QByteArray("// \x9Elu\x9Dou\xE8k\xFD\r\nhint \x8A\r\n");
    QTest::newRow("lf only") << QByteArray("a;\nb;\n");
    QTest::newRow("mixed, no final break") << QByteArray("a\r\nb\nc\rd");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("nul and tab") << QByteArray("a\0b\tc\r\n", 8);
}

void FileCommandsTest::roundTripIsByteIdentical()
{
    QFETCH(QByteArray, bytes);
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("in.sqf"));
    const QString out = dir.filePath(QStringLiteral("out.sqf"));
    QVERIFY(writeFileBytes(in, bytes));

    Program program;
    program.platform.useRealFiles = true;
    program.platform.fileAnswers.enqueue(in);
    program.platform.fileAnswers.enqueue(out);
    trigger(program, "mnuOpen");
    trigger(program, "mnuSaveAs");
    QVERIFY(program.platform.messages.isEmpty());
    QCOMPARE(readFileBytes(out), bytes);
    QCOMPARE(program.main().address()->text(), out);
}

void FileCommandsTest::addedTextIsSavedTheFilesWay_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("added");
    QTest::addColumn<QByteArray>("saved");
    QTest::addColumn<bool>("told"); // a message says the file is now UTF-8
    QTest::newRow("new lines take the file's LF")
        << QByteArray("a;\nb;\n") << QStringLiteral("c;\r\n") << QByteArray("a;\nb;\nc;\n") << false;
    QTest::newRow("Windows-1250 file gaining an arrow is saved as UTF-8, told once")
        << QByteArray("// \x9Elu\x9Dou\xE8k\xFD\r\n") << QStringLiteral("hint \"\u2192\";\r\n")
        << QByteArray("// \xC5\xBElu\xC5\xA5ou\xC4\x8Dk\xC3\xBD\r\nhint \"\xE2\x86\x92\";\r\n") << true;
}

// Open, a statement appended, Save As under another name, then Save As once more.
void FileCommandsTest::addedTextIsSavedTheFilesWay()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, added);
    QFETCH(QByteArray, saved);
    QFETCH(bool, told);
    Program program;
    program.platform.files.insert(QStringLiteral("/m/in.sqf"), file);
    program.platform.fileAnswers.enqueue(QStringLiteral("/m/in.sqf"));
    trigger(program, "mnuOpen");
    program.editor->appendToPreview(added);
    program.platform.fileAnswers.enqueue(QStringLiteral("/m/out.sqf"));
    trigger(program, "mnuSaveAs");
    QCOMPARE(program.platform.files.value(QStringLiteral("/m/out.sqf")), saved);
    QCOMPARE(program.main().address()->text(), QStringLiteral("/m/out.sqf"));
    QCOMPARE(program.platform.messages.size(), told ? 1 : 0);
    if (told) {
        QVERIFY(program.platform.messages.first().prompt.contains(QStringLiteral("/m/out.sqf")));
        QVERIFY(program.platform.messages.first().prompt.contains(QStringLiteral("UTF-8")));
    }
    // Told once at most: the document is UTF-8 from then on.
    program.platform.fileAnswers.enqueue(QStringLiteral("/m/again.sqf"));
    trigger(program, "mnuSaveAs");
    QCOMPARE(program.platform.messages.size(), told ? 1 : 0);
}

void FileCommandsTest::realWriteOfAnUnusualPath_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("exists"); // the replacement is asked first
    QTest::addColumn<QString>("reason"); // empty: written
    const QString loop = m_scratch.filePath(QStringLiteral("loop.sqf"));
    QFile::link(QStringLiteral("loop back.sqf"), loop);
    QFile::link(QStringLiteral("loop.sqf"), m_scratch.filePath(QStringLiteral("loop back.sqf")));
    QTest::newRow("missing folder") << QStringLiteral("/nonexistent-folder-for-test/doc.sqf") << false
                                    << QStringLiteral("No such file or directory");
    QTest::newRow("full disk") << QStringLiteral("/dev/full") << true << QStringLiteral("No space left on device");
    QTest::newRow("looped link") << loop << true << QStringLiteral("Too many levels of symbolic links");
    // Its name, which it cannot sync: a value written, not a file damaged.
    QTest::newRow("pseudo-file of the system") << QStringLiteral("/proc/self/comm") << true << QString();
}

void FileCommandsTest::realWriteOfAnUnusualPath()
{
    QFETCH(QString, path);
    QFETCH(bool, exists);
    QFETCH(QString, reason);
    const bool link = QFileInfo(path).isSymLink();
    const QByteArray name = readFileBytes(QStringLiteral("/proc/self/comm")).trimmed();
    const auto restoreName = qScopeGuard([&] { ::prctl(PR_SET_NAME, name.constData()); });
    Program program;
    program.platform.useRealFiles = true;
    program.platform.fileAnswers.enqueue(path);
    program.platform.messageAnswers.enqueue(MessageAnswer::Yes);
    trigger(program, "mnuSaveAs");
    QCOMPARE(program.main().address()->text(), reason.isEmpty() ? path : QStringLiteral("... not saved yet"));
    QCOMPARE(program.platform.messages.size(), (exists ? 1 : 0) + (reason.isEmpty() ? 0 : 1));
    QCOMPARE(program.platform.messages.first().title,
             exists ? QStringLiteral("Replacing ...") : QStringLiteral("Saltor Editor"));
    if (reason.isEmpty()) {
        // As much of the document as a process name holds.
        QCOMPARE(readFileBytes(path), kHeader.left(15).toUtf8() + '\n');
        return;
    }
    const FakePlatform::Message& failure = program.platform.messages.last();
    QCOMPARE(failure.prompt, QStringLiteral("The file \"%1\" could not be saved.\n%2").arg(path, reason));
    // The device stays a device, the link a link: nothing replaced them with a regular file.
    QVERIFY(!QFileInfo(QStringLiteral("/dev/full")).isFile());
    QCOMPARE(QFileInfo(path).isSymLink(), link);
}

void FileCommandsTest::realWriteReplacesAtomically()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("doc.sqf"));
    QVERIFY(writeFileBytes(path, QByteArray("old content")));
    QVERIFY(saveNow(path, QByteArray("new")).ok);
    QCOMPARE(readFileBytes(path), QByteArray("new"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("doc.sqf")});
}

void FileCommandsTest::realWriteKeepsTheFile_data()
{
    QTest::addColumn<QString>("name");      // of the file, in a folder of its own; %1: folders
                                            // that make the path 4,090 bytes long
    QTest::addColumn<int>("mode");          // of the file there before; 0: none
    QTest::addColumn<int>("owner");         // user and group of that file
    QTest::addColumn<int>("folderMode");
    QTest::addColumn<bool>("unprivileged"); // written by nobody rather than by root
    QTest::addColumn<bool>("secondName");   // a hard link to the file stands beside it
    QTest::addColumn<QString>("disk");      // tmpfs, ext2 (which reserves no space itself), ext4, btrfs
                                            // (which copies every block on write) or xfs
    QTest::addColumn<int>("room");          // bytes left free on the disk; -1: not filled
    QTest::addColumn<int>("size");          // of the new text
    QTest::addColumn<QString>("error");     // empty: written
    QTest::addColumn<QString>("setup");     // besides: "default access list" on the folder, "chattr ARGUMENTS"
                                            // on the file or "folder chattr ARGUMENTS", an "old text as
                                            // long as the new"
    QTest::addColumn<bool>("replaced");     // written, by a new file rather than in place
    const QString doc = QStringLiteral("doc.sqf");
    const int root = 0;
    const int nobody = 65534;
    const QString tmpfs = QStringLiteral("tmpfs"), ext2 = QStringLiteral("ext2"), ext4 = QStringLiteral("ext4"),
                  btrfs = QStringLiteral("btrfs"), xfs = QStringLiteral("xfs");
    const QString none;
    const QString denied = QStringLiteral("Permission denied");
    const QString full = QStringLiteral("No space left on device");
    QTest::newRow("writable file in a read-only folder: written in place")
        << doc << 0644 << nobody << 0755 << true << false << tmpfs << -1 << 3 << none << none << false;
    QTest::newRow("own set-user-ID file in a read-only folder: written in place")
        << doc << 04755 << nobody << 0755 << true << false << tmpfs << -1 << 3 << none << none << false;
    QTest::newRow("read-only file in a read-only folder")
        << doc << 0444 << nobody << 0755 << true << false << tmpfs << -1 << 3 << denied << none << false;
    QTest::newRow("read-only file in a writable folder")
        << doc << 0444 << nobody << 0777 << true << false << tmpfs << -1 << 3 << denied << none << false;
    QTest::newRow("new file in a read-only folder")
        << doc << 0 << nobody << 0755 << true << false << tmpfs << -1 << 3 << denied << none << false;
    QTest::newRow("full disk") << doc << 0644 << root << 0755 << false << false << tmpfs << 0 << 10240 << full
        << none << false;
    QTest::newRow("full disk after a short write")
        << doc << 0644 << root << 0755 << false << false << tmpfs << 4096 << 600 * 1024 << full << none << false;
    QTest::newRow("full disk, new file") << doc << 0 << root << 0755 << false << false << tmpfs << 0 << 10240
        << full << none << false;
    QTest::newRow("full disk, written in place")
        << doc << 0644 << nobody << 0755 << true << false << tmpfs << 0 << 10240 << full << none << false;
    // Only the C library could reserve it there, by reading the file; its saver may not.
    QTest::newRow("full disk, write-only file written in place, no space reserved")
        << doc << 0200 << nobody << 0755 << true << false << ext2 << 4096 << 600 * 1024
        << full + QStringLiteral("\nThe file was being written in place and may now be damaged.") << none << false;
    QTest::newRow("name of 250 bytes")
        << QString(246, QLatin1Char('n')) + QStringLiteral(".sqf") << 0644 << root << 0755 << false << false << tmpfs
        << -1 << 3 << none << none << true;
    QTest::newRow("path of 4,090 bytes")
        << QStringLiteral("%1/doc.sqf") << 0644 << root << 0755 << false << false << tmpfs << -1 << 3 << none
        << none << true;
    QTest::newRow("another owner and group, every mode bit")
        << doc << 07640 << nobody << 0755 << false << false << tmpfs << -1 << 3 << none << none << true;
    QTest::newRow("read-only to its owner") << doc << 0444 << root << 0755 << false << false << tmpfs << -1 << 3
        << none << none << true;
    QTest::newRow("second name") << doc << 0644 << root << 0755 << false << true << tmpfs << -1 << 3 << none
        << none << false;
    QTest::newRow("another user's file in a sticky folder")
        << doc << 0666 << root << 01777 << true << false << tmpfs << -1 << 3 << none << none << false;
    QTest::newRow("folder with a default access list")
        << doc << 0660 << root << 0755 << false << false << ext4 << -1 << 3 << none
        << QStringLiteral("default access list") << true;
    QTest::newRow("attribute flags") << doc << 0644 << root << 0755 << false << false << ext4 << -1 << 3 << none
                                     << QStringLiteral("chattr +dASusc") << true;
    QTest::newRow("no copy-on-write and no compression on btrfs")
        << doc << 0644 << root << 0755 << false << false << btrfs << -1 << 3 << none
        << QStringLiteral("chattr +Cm") << true;
    QTest::newRow("project ID on xfs")
        << doc << 0644 << root << 0755 << false << false << xfs << -1 << 3 << none
        << QStringLiteral("chattr -p 42") << true;
    QTest::newRow("second name on xfs, which shares blocks")
        << doc << 0640 << nobody << 0755 << false << true << xfs << -1 << 3 << none << none << false;
    QTest::newRow("full disk, written in place on btrfs, which copies every block")
        << doc << 0644 << root << 0755 << false << true << btrfs << 64 * 1024 << 4 * 1024 * 1024 << full
        << QStringLiteral("old text as long as the new") << false;
    QTest::newRow("own set-user-ID file, full disk, written in place")
        << doc << 04755 << nobody << 0755 << true << false << tmpfs << 0 << 10240 << full << none << false;
    QTest::newRow("full disk, written in place, reserved by the C library")
        << doc << 0644 << nobody << 0755 << true << false << ext2 << 4096 << 600 * 1024 << full << none << false;
    QTest::newRow("project ID other than its folder's on xfs: written in place")
        << doc << 0644 << root << 0755 << false << false << xfs << -1 << 3 << none
        << QStringLiteral("folder chattr +P -p 7") << false;
}

// A save on a small disk of its own: written, or refused with the reason and the file as it was.
// Either way the file keeps its owner, group, mode and links, and no temporary file is left.
void FileCommandsTest::realWriteKeepsTheFile()
{
    QFETCH(QString, name);
    QFETCH(int, mode);
    QFETCH(int, owner);
    QFETCH(int, folderMode);
    QFETCH(bool, unprivileged);
    QFETCH(bool, secondName);
    QFETCH(QString, disk);
    QFETCH(int, room);
    QFETCH(int, size);
    QFETCH(QString, error);
    QFETCH(QString, setup);
    QFETCH(bool, replaced);
    const bool tmpfs = disk == QLatin1String("tmpfs");
    const QStringList kinds = {QStringLiteral("tmpfs"), QStringLiteral("ext2"), QStringLiteral("ext4"), QStringLiteral("btrfs"),
                               QStringLiteral("xfs")};
    const auto kind = SmallDisk::Kind(kinds.indexOf(disk));
    SmallDisk small(kind, kind == SmallDisk::Kind::Tmpfs ? 256 : kind == SmallDisk::Kind::Btrfs ? 16 * 1024 : 1024);
    // Without the disk, the rows that need no full disk run in a temporary folder. Without
    // root too, only the writes by someone else than the folder's owner run: by the user, who
    // then owns everything, in a folder held read-only.
    const bool root = ::geteuid() == 0;
    if (!small.reason().isEmpty() && (room >= 0 || !tmpfs || (!root && !unprivileged)))
        QSKIP(qPrintable(small.reason()));
    QTemporaryDir scratch;
    QCOMPARE(::chmod(QFile::encodeName(scratch.path()).constData(), 0755), 0);
    const QString folder = (small.reason().isEmpty() ? small.path() : scratch.path()) + QStringLiteral("/folder");
    const QByteArray folderName = QFile::encodeName(folder);
    QCOMPARE(::mkdir(folderName.constData(), 0755), 0);
    if (name.contains(QStringLiteral("%1"))) {
        QString folders;
        for (qsizetype rest = 4090 - folder.size() - name.size() + 1; rest > 0; rest -= 201)
            folders += rest > 201 ? QString(200, QLatin1Char('d')) + QLatin1Char('/') : QString(rest, QLatin1Char('d'));
        name = name.arg(folders);
        QCOMPARE(folder.size() + 1 + name.size(), 4090);
    }
    const QString path = folder + QLatin1Char('/') + name;
    const QString fileFolder = QFileInfo(path).path();
    QVERIFY(QDir().mkpath(fileFolder));
    const QByteArray fileName = QFile::encodeName(path);
    // Longer than most new texts, and than a block of the disk.
    QByteArray old = QByteArray("old content, longer than the new\n").repeated(64);
    if (setup == QLatin1String("old text as long as the new"))
        old = old.repeated(size / old.size() + 1).left(size);
    if (mode) {
        QVERIFY(writeFileBytes(path, old));
        if (root)
            QCOMPARE(::chown(fileName.constData(), uid_t(owner), gid_t(owner)), 0);
        QCOMPARE(::chmod(fileName.constData(), mode_t(mode)), 0);
        if (secondName)
            QCOMPARE(::link(fileName.constData(), QFile::encodeName(folder + QStringLiteral("/second.sqf")).constData()), 0);
    }
    QCOMPARE(::chmod(folderName.constData(), mode_t(root ? folderMode : folderMode & ~0222)), 0);
    // After the file was made, so that it has none of what its folder would give it.
    if (setup == QLatin1String("default access list"))
        QCOMPARE(QProcess::execute(QStringLiteral("setfacl"), {QStringLiteral("-d"), QStringLiteral("-m"), QStringLiteral("u:1234:rw"), folder}), 0);
    if (setup.startsWith(QLatin1String("folder chattr ")))
        QCOMPARE(QProcess::execute(QStringLiteral("chattr"), setup.split(QLatin1Char(' ')).mid(2) << folder), 0);
    if (setup.startsWith(QLatin1String("chattr "))) {
        // On the file emptied, as some flags are taken only then.
        QVERIFY(QFile::resize(path, 0));
        QCOMPARE(QProcess::execute(QStringLiteral("chattr"), setup.split(QLatin1Char(' ')).mid(1) << path), 0);
        QVERIFY(writeFileBytes(path, old));
    }
    if (room >= 0)
        QVERIFY(small.fill(room));
    const QStringList before = entries(fileFolder);
    const QString state = fileState(path, true);

    const QByteArray text = QByteArray("new ").repeated(size / 4 + 1).left(size);
    const std::optional<WriteResult> result =
        unprivileged ? writeUnprivileged(path, text) : saveNow(path, text);
    ::chmod(folderName.constData(), 0755);
    if (!result)
        QSKIP("The write could not run as an unprivileged user.");

    QCOMPARE(result->error, error);
    QCOMPARE(result->ok, error.isEmpty());
    if (!error.contains(QStringLiteral("damaged")))
        QVERIFY(readFileBytes(path) == (result->ok ? text : mode ? old : QByteArray("<unreadable>")));
    // Replaced, the file stands in a new inode with all the same; refused or written in place, it
    // is the very same file.
    const QString after = fileState(path, true);
    QCOMPARE(after.section(QStringLiteral(" inode"), 0, 0), state.section(QStringLiteral(" inode"), 0, 0));
    QCOMPARE(after != state, result->ok && replaced);
    if (secondName)
        QVERIFY(readFileBytes(folder + QStringLiteral("/second.sqf")) == readFileBytes(path));
    QCOMPARE(entries(fileFolder), before);
}

void FileCommandsTest::saveWritesOnlyTheFileItAskedAbout_data()
{
    QTest::addColumn<QString>("route");  // the file: "replace" (one name), "in place" (two), "new" (none)
    QTest::addColumn<QString>("moment"); // of the change: "before" the look-up, while "Replacing ..." is
                                         // "asked", or at the entry of a system call of the save ("write 1"),
                                         // which may fail instead ("fsync 2 EIO")
    QTest::addColumn<QString>("change"); // what another user does then
    QTest::addColumn<bool>("written");   // into the file the user chose
    QTest::addColumn<QString>("said");   // the reason of a failure, or the note of a save
    const QString changed = QStringLiteral("It changed while it was being saved, so nothing was written.");
    const QString folderToLink = QStringLiteral("folder swapped for a link");
    const QString linkAtName = QStringLiteral("link planted at the name");
    const auto row = [](const char* name, const char* route, const char* moment, const QString& change,
                        const QString& said, bool written = false) {
        QTest::newRow(name) << QString::fromLatin1(route) << QString::fromLatin1(moment) << change
                            << (written || said.isEmpty()) << said;
    };
    row("folder swapped while Replacing is asked", "replace", "asked", folderToLink, changed);
    row("folder swapped at the look-up", "replace", "openat 1", folderToLink, changed);
    row("folder swapped while the text is written", "replace", "write 1", folderToLink, QString());
    row("link planted while Replacing is asked", "replace", "asked", linkAtName, changed);
    row("link planted while the text is written", "replace", "write 1", linkAtName, changed);
    row("link planted in place while Replacing is asked", "in place", "asked", linkAtName, changed);
    row("link planted at the open for writing in place", "in place", "openat 2", linkAtName, changed);
    row("folder swapped while written in place", "in place", "write 1", folderToLink, QString());
    row("file made at a new name while Save As asks", "new", "asked", QStringLiteral("file made at the name"), changed);
    row("file made at a new name while its text is written", "new", "write 1", QStringLiteral("file made at the name"),
        changed);
    row("link planted at a new name", "new", "asked", linkAtName, changed);
    row("link to a file not made yet", "new", "before", QStringLiteral("link to a name not taken yet"), QString());
    row("saver killed while the text is written", "replace", "write 1", QStringLiteral("saver killed"), QString());
    row("second save while written in place", "in place", "write 1", QStringLiteral("second save"), QString());
    row("saver killed after the space is reserved", "in place", "write 1", QStringLiteral("saver killed"), QString());
    row("file put in the file's place as they are exchanged", "replace", "renameat2 1",
        QStringLiteral("file put in its place"), changed);
    row("second save as the file is exchanged", "replace", "renameat2 1", QStringLiteral("second save"), QString());
    row("another user's save waiting to write in place as the file is exchanged", "replace", "renameat2 1",
        QStringLiteral("another user's save waiting to write in place"), QString());
    row("folder not synced after the rename", "replace", "fsync 2 EIO", QString(),
        QStringLiteral("It may not be on the disk yet: its folder could not be synced (Input/output error)."), true);
    row("link of another user in a sticky folder", "replace", "before",
        QStringLiteral("link of another user in a sticky folder"), QStringLiteral("Permission denied"));
}

// A save, held at one moment while another user changes what its path leads to, writes the file
// it was asked to write or nothing, and never touches another file. The other file is root's,
// in a folder of its own.
void FileCommandsTest::saveWritesOnlyTheFileItAskedAbout()
{
    QFETCH(QString, route);
    QFETCH(QString, moment);
    QFETCH(QString, change);
    QFETCH(bool, written);
    QFETCH(QString, said);
    const bool root = ::geteuid() == 0;
    const bool sticky = change.contains(QStringLiteral("sticky"));
    if (sticky && !root)
        QSKIP("Making a link of another user and setting fs.protected_symlinks need root.");
    const bool anotherUser = change.startsWith(QLatin1String("another user"));
    if (anotherUser && !root)
        QSKIP("A save by another user needs root.");
    const bool held = moment.contains(QLatin1Char(' '));
    if (held && QStandardPaths::findExecutable(QStringLiteral("strace")).isEmpty())
        QSKIP("strace, which holds the save at one system call, is not installed.");
    QTemporaryDir dir;
    QCOMPARE(::chmod(QFile::encodeName(dir.path()).constData(), 0755), 0);
    const QString home = dir.filePath(QStringLiteral("home"));
    const QString folder = home + QStringLiteral("/victim");
    const QString secret = dir.filePath(QStringLiteral("secret"));
    const QString other = secret + QStringLiteral("/doc.sqf");
    QVERIFY(QDir().mkpath(folder) && QDir().mkpath(secret));
    QString path = folder + QStringLiteral("/doc.sqf");
    if (route != QLatin1String("new"))
        QVERIFY(writeFileBytes(path, QByteArray("old")));
    if (route == QLatin1String("in place"))
        QCOMPARE(::link(QFile::encodeName(path).constData(), QFile::encodeName(folder + QStringLiteral("/second.sqf")).constData()), 0);
    QVERIFY(writeFileBytes(other, QByteArray("secret")));
    QCOMPARE(::chmod(QFile::encodeName(other).constData(), 0600), 0);
    const uid_t user = 1234;
    if (root) {
        for (const QString& own : {home, folder})
            QCOMPARE(::chown(QFile::encodeName(own).constData(), user, user), 0);
    }

    std::optional<QString> symlinks;
    const auto restoreSymlinks = qScopeGuard([&] {
        if (symlinks)
            writeFileBytes(QStringLiteral("/proc/sys/fs/protected_symlinks"), symlinks->toLatin1());
    });
    if (sticky) {
        // A link another user made in a folder that everyone may write, such as /tmp.
        symlinks = QString::fromLatin1(readFileBytes(QStringLiteral("/proc/sys/fs/protected_symlinks")).trimmed());
        if (!writeFileBytes(QStringLiteral("/proc/sys/fs/protected_symlinks"), QByteArray("1")))
            QSKIP("fs.protected_symlinks cannot be set here.");
        QCOMPARE(::chmod(QFile::encodeName(home).constData(), 01777), 0);
        QCOMPARE(::chown(QFile::encodeName(home).constData(), 0, 0), 0);
        path = home + QStringLiteral("/report.sqf");
    }
    const QString otherState = fileState(other, true);

    std::optional<SaveChild> saver;
    std::optional<SaveChild> waiting;
    const auto act = [&] {
        const QByteArray name = QFile::encodeName(path);
        if (change == QLatin1String("folder swapped for a link")) {
            QVERIFY(QDir().rename(folder, folder + QStringLiteral(".old")));
            QVERIFY(QFile::link(secret, folder));
        } else if (change == QLatin1String("link to a name not taken yet")) {
            QVERIFY(QFile::link(secret + QStringLiteral("/new.sqf"), path));
        } else if (change.startsWith(QLatin1String("link"))) {
            ::rename(name.constData(), QFile::encodeName(path + QStringLiteral(".old")).constData());
            QVERIFY(QFile::link(other, path));
            if (sticky)
                QCOMPARE(::lchown(name.constData(), user, user), 0);
        } else if (change == QLatin1String("file made at the name")) {
            QVERIFY(writeFileBytes(path, QByteArray("made meanwhile")));
        } else if (change == QLatin1String("file put in its place")) {
            QCOMPARE(::rename(name.constData(), QFile::encodeName(path + QStringLiteral(".old")).constData()), 0);
            QVERIFY(writeFileBytes(path, QByteArray("made meanwhile")));
        } else if (change == QLatin1String("saver killed")) {
            saver->kill();
        } else if (anotherUser) {
            // A user who may write the file but not read it, nor make a file in its folder, is
            // held as it asks to have the file alone, until the save it waits for has ended.
            QCOMPARE(::chmod(name.constData(), 0662), 0);
            waiting.emplace(path, QByteArray("another user's text"), true);
            QVERIFY2(waiting->go(QStringLiteral("flock")), qPrintable(waiting->reason()));
        } else if (change == QLatin1String("second save")) {
            // Refused at once, rather than mixed with the save under way.
            const WriteResult second = saveNow(path, QByteArray("second text, longer"));
            QCOMPARE(second.error, QStringLiteral("It is being saved by another program at this moment."));
        }
    };
    if (moment == QLatin1String("before"))
        act();
    saver.emplace(path, QByteArray("new text"));
    QVERIFY2(saver->reason().isEmpty(), qPrintable(saver->reason()));
    if (moment == QLatin1String("asked"))
        act();
    QVERIFY2(saver->go(held ? moment.section(QLatin1Char(' '), 0, 0) : QString(), moment.section(QLatin1Char(' '), 1, 1).toInt(),
                       moment.section(QLatin1Char(' '), 2)),
             qPrintable(saver->reason()));
    if (held)
        act();
    const std::optional<WriteResult> result = saver->result();
    if (waiting) {
        const std::optional<WriteResult> second = waiting->result();
        QVERIFY(second);
        QCOMPARE(second->error, QStringLiteral("It changed while it was being saved, so nothing was written."));
    }

    QCOMPARE(fileState(other, true), otherState);
    QCOMPARE(readFileBytes(other), QByteArray("secret"));
    if (change == QLatin1String("saver killed")) {
        QVERIFY(!result);
        QCOMPARE(readFileBytes(path), QByteArray("old"));
    } else {
        QVERIFY(result);
        QCOMPARE(result->ok ? result->note : result->error, said);
        QCOMPARE(result->ok, written);
    }
    if (change.startsWith(QLatin1String("file")))
        QCOMPARE(readFileBytes(path), QByteArray("made meanwhile"));
    // The file the user chose, moved away meanwhile, is as it was.
    if (QFileInfo::exists(path + QStringLiteral(".old")))
        QCOMPARE(readFileBytes(path + QStringLiteral(".old")), QByteArray("old"));
    if (result && result->ok) {
        const QString moved = change == QLatin1String("folder swapped for a link") ? folder + QStringLiteral(".old") : folder;
        QCOMPARE(readFileBytes(moved + QStringLiteral("/doc.sqf")), QByteArray("new text"));
        QCOMPARE(QFileInfo(path).isSymLink(), change.startsWith(QLatin1String("link")));
    }
    // Nothing is left behind, not even by a saver killed half way.
    for (const QString& place : {home, folder, folder + QStringLiteral(".old"), secret})
        QCOMPARE(entries(place).filter(QStringLiteral(".saltor-")), QStringList());
}

void FileCommandsTest::readOfAFolderIsRefused()
{
    QTemporaryDir dir;
    QtPlatform platform;
    const ReadResult read = platform.readFile(dir.path());
    QVERIFY(!read.ok);
    QVERIFY(!read.error.isEmpty());
    const WriteResult write = saveNow(dir.path(), QByteArray("x"));
    QVERIFY(!write.ok);
    QVERIFY(QFileInfo(dir.path()).isDir());
}

void FileCommandsTest::readAtTheLimits_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<qint64>("count");
    QTest::addColumn<QString>("error"); // empty: read whole
    QTest::newRow("size at the limit") << QByteArray("\0") << kOpenLimitBytes << QString();
    QTest::newRow("lines at the limit") << QByteArray("\n") << kOpenLimitLines << QString();
    QTest::newRow("crlf is one line end") << QByteArray("\r\n") << kOpenLimitLines << QString();
    QTest::newRow("lines above the limit")
        << QByteArray("\n") << kOpenLimitLines + 1
        << QStringLiteral("It has too many lines to open: 4000001, and the limit is 4000000.");
    QTest::newRow("lone cr is a line end")
        << QByteArray("x\r") << kOpenLimitLines + 1
        << QStringLiteral("It has too many lines to open: 4000001, and the limit is 4000000.");
    QTest::newRow("frame marks are line ends")
        << QByteArray("\xEF\xB7\x90\xEF\xB7\x91") << kOpenLimitLines / 2 + 1
        << QStringLiteral("It has too many lines to open: 4000002, and the limit is 4000000.");
    QTest::newRow("paragraph separator bytes in windows-1250 are letters")
        << QByteArray("\xE2\x80\xA9\xFF\n") << kOpenLimitLines << QString();
}

void FileCommandsTest::readAtTheLimits()
{
    QFETCH(QByteArray, line);
    QFETCH(qint64, count);
    QFETCH(QString, error);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("limit.sqf"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    if (line == QByteArray("\0", 1))
        QVERIFY(file.resize(count)); // sparse: no time spent writing it
    else
        QVERIFY(file.write(line.repeated(count)) == line.size() * count);
    file.close();

    const ReadResult read = QtPlatform().readFile(path);
    QCOMPARE(read.error, error);
    QCOMPARE(read.ok, error.isEmpty());
    QCOMPARE(read.bytes.size(), error.isEmpty() ? line.size() * count : 0);
}

QTEST_MAIN(FileCommandsTest)
#include "file_commands_test.moc"
