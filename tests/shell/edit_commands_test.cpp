#include "support/testing.h"

#include <QLabel>
#include <QTest>
#include <QTextCursor>

using namespace saltor;
using namespace saltor::testing;

class EditCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void selectAllSelectsTheWholeDocument_data();
    void selectAllSelectsTheWholeDocument();
    void clearAsksFirst_data();
    void clearAsksFirst();
    void cutAndCopyPutTheSelectionOnTheClipboard_data();
    void cutAndCopyPutTheSelectionOnTheClipboard();
    void pasteReplacesTheSelection_data();
    void pasteReplacesTheSelection();
};

void EditCommandsTest::selectAllSelectsTheWholeDocument_data()
{
    QTest::addColumn<QString>("document");
    QTest::addColumn<int>("length");
    QTest::newRow("two lines") << "ab\r\ncd" << 5;
    QTest::newRow("empty") << "" << 0;
}

void EditCommandsTest::selectAllSelectsTheWholeDocument()
{
    QFETCH(QString, document);
    QFETCH(int, length);
    Program program;
    program.setDocument(document);
    QPlainTextEdit* edit = program.main().textPreview();
    setSelection(edit, 1 % (length + 1), 1 % (length + 1));
    program.main().mainCommandButtons().first()->setFocus();

    program.main().mnuSelectAll_Click();

    QCOMPARE(edit->textCursor().selectionStart(), 0);
    QCOMPARE(edit->textCursor().selectionEnd(), length);
    QCOMPARE(program.main().focusWidget(), edit);
}

void EditCommandsTest::clearAsksFirst_data()
{
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QString>("after");
    QTest::newRow("No") << false << "line one\r\nline two\r\n";
    QTest::newRow("Yes") << true << "";
}

void EditCommandsTest::clearAsksFirst()
{
    QFETCH(bool, yes);
    QFETCH(QString, after);
    Program program;
    program.setDocument(QStringLiteral("line one\r\nline two\r\n"));
    program.main().address()->setText(QStringLiteral("/tmp/mission.sqf"));
    program.platform.messageAnswers.enqueue(yes ? MessageAnswer::Yes : MessageAnswer::No);

    program.main().mnuClear_Click();

    QCOMPARE(program.platform.messages.size(), 1);
    const FakePlatform::Message& message = program.platform.messages.first();
    QCOMPARE(message.prompt, QStringLiteral("This will clear everything ! Do you really want to do ?"));
    QCOMPARE(message.buttons, MessageButtons::YesNo);
    QCOMPARE(message.icon, MessageIcon::Exclamation);
    QCOMPARE(message.title, QStringLiteral("Clearing ..."));
    QCOMPARE(program.document(), after);
    QCOMPARE(program.main().address()->text(), QStringLiteral("/tmp/mission.sqf"));
}

void EditCommandsTest::cutAndCopyPutTheSelectionOnTheClipboard_data()
{
    QTest::addColumn<bool>("cut");
    QTest::addColumn<QString>("document");
    QTest::addColumn<int>("anchor");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("after");

    const QString doc = QStringLiteral("ab\r\ncd\r\n");
    QTest::newRow("copy across a CRLF line end") << false << doc << 1 << 4 << "b\r\nc" << doc;
    QTest::newRow("cut across a CRLF line end") << true << doc << 4 << 1 << "b\r\nc" << "ad\r\n";
    QTest::newRow("copy in an LF file") << false << "ab\ncd" << 1 << 4 << "b\nc" << "ab\ncd";
    QTest::newRow("copy with nothing selected") << false << doc << 2 << 2 << "" << doc;
    QTest::newRow("cut with nothing selected") << true << doc << 2 << 2 << "" << doc;
}

void EditCommandsTest::cutAndCopyPutTheSelectionOnTheClipboard()
{
    QFETCH(bool, cut);
    QFETCH(QString, document);
    QFETCH(int, anchor);
    QFETCH(int, position);
    QFETCH(QString, clipboard);
    QFETCH(QString, after);
    Program program;
    program.setDocument(document);
    program.platform.clipboard = QStringLiteral("old");
    QPlainTextEdit* edit = program.main().textPreview();
    setSelection(edit, anchor, position);
    program.main().mainCommandButtons().first()->setFocus();

    if (cut)
        program.main().mnuCut_Click();
    else
        program.main().mnuCopy_Click();

    QVERIFY(program.platform.clipboard.has_value());
    QCOMPARE(*program.platform.clipboard, clipboard);
    QCOMPARE(program.document(), after);
    QCOMPARE(program.main().focusWidget(), edit);
    if (!cut) {
        QCOMPARE(edit->textCursor().anchor(), anchor);
        QCOMPARE(edit->textCursor().position(), position);
    }
}

void EditCommandsTest::pasteReplacesTheSelection_data()
{
    QTest::addColumn<int>("anchor");
    QTest::addColumn<int>("position");
    QTest::addColumn<bool>("hasText");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("caret");

    QTest::newRow("at the caret") << 2 << 2 << true << "XY" << "abXYcd\r\n" << 4;
    QTest::newRow("over a selection") << 3 << 1 << true << "X" << "aXd\r\n" << 2;
    QTest::newRow("two lines") << 2 << 2 << true << "1\r\n2" << "ab1\r\n2cd\r\n" << 5;
    QTest::newRow("no text deletes the selection") << 1 << 3 << false << "" << "ad\r\n" << 1;
    QTest::newRow("no text at the caret") << 2 << 2 << false << "" << "abcd\r\n" << 2;
}

void EditCommandsTest::pasteReplacesTheSelection()
{
    QFETCH(int, anchor);
    QFETCH(int, position);
    QFETCH(bool, hasText);
    QFETCH(QString, clipboard);
    QFETCH(QString, after);
    QFETCH(int, caret);
    Program program;
    program.setDocument(QStringLiteral("abcd\r\n"));
    if (hasText)
        program.platform.clipboard = clipboard;
    QPlainTextEdit* edit = program.main().textPreview();
    setSelection(edit, anchor, position);
    program.main().mainCommandButtons().first()->setFocus();

    program.main().mnuPaste_Click();

    QCOMPARE(program.document(), after);
    QCOMPARE(edit->textCursor().position(), caret);
    QVERIFY(!edit->textCursor().hasSelection());
    QCOMPARE(program.main().focusWidget(), edit);
}

QTEST_MAIN(EditCommandsTest)
#include "edit_commands_test.moc"
