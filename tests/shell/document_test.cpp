#include "support/testing.h"

#include "platform/textcodec.h"
#include "shell/document.h"

#include <QKeySequence>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QTextCursor>

using namespace saltor;
using namespace saltor::testing;

// The Document keeps every line's terminator, and appends leave the user's caret alone.
class DocumentTest : public QObject {
    Q_OBJECT

private slots:
    void roundTripKeepsTerminators_data();
    void roundTripKeepsTerminators();
    void typedLinesTakeTheFilesOwnLineEnd_data();
    void typedLinesTakeTheFilesOwnLineEnd();
    void editsKeepTheLineEndsTheyDoNotTouch_data();
    void editsKeepTheLineEndsTheyDoNotTouch();
    void textBetweenPositionsKeepsEachLinesTerminator_data();
    void textBetweenPositionsKeepsEachLinesTerminator();
    void appendGoesToTheVeryEnd_data();
    void appendGoesToTheVeryEnd();
    void appendKeepsCaretAndSelection_data();
    void appendKeepsCaretAndSelection();
    void appendKeepsScrollPosition();
    void codecRoundTrip_data();
    void codecRoundTrip();
    void codecDetectsEncoding();
    void windows1250FallsBackToUtf8ForForeignCharacters();
};

void DocumentTest::roundTripKeepsTerminators_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << QString();
    QTest::newRow("crlf") << QStringLiteral("a\r\nb\r\n");
    QTest::newRow("lf") << QStringLiteral("a\nb\n");
    QTest::newRow("cr") << QStringLiteral("a\rb\r");
    QTest::newRow("mixed") << QStringLiteral("a\r\nb\nc\rd");
    QTest::newRow("no final break") << QStringLiteral("line one\r\nline two");
    QTest::newRow("empty lines") << QStringLiteral("\r\n\r\n\n\r");
    QTest::newRow("cr before crlf") << QStringLiteral("a\r\r\nb");
    QTest::newRow("paragraph separator") << QStringLiteral("a") + QChar(0x2029) + QStringLiteral("b\r\n");
    QTest::newRow("frame marks") << QStringLiteral("a") + QChar(0xFDD0) + QStringLiteral("b") + QChar(0xFDD1);
    QTest::newRow("no-break space and tab") << QStringLiteral("a") + QChar(0xA0) + QStringLiteral("\tb\r\n");
    QTest::newRow("nul") << QStringLiteral("a") + QChar(0) + QStringLiteral("b\n");
}

void DocumentTest::roundTripKeepsTerminators()
{
    QFETCH(QString, text);
    QPlainTextEdit edit;
    Document document(&edit);
    document.setText(text);
    QCOMPARE(document.text(), text);
}

void DocumentTest::typedLinesTakeTheFilesOwnLineEnd_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("lineEnd");
    QTest::newRow("crlf file") << QStringLiteral("a\r\nb") << QStringLiteral("\r\n");
    QTest::newRow("lf file") << QStringLiteral("a\nb\n") << QStringLiteral("\n");
    QTest::newRow("cr file") << QStringLiteral("a\rb") << QStringLiteral("\r");
    QTest::newRow("mixed file") << QStringLiteral("a\nb\r\n") << QStringLiteral("\r\n");
    QTest::newRow("one line") << QStringLiteral("a") << QStringLiteral("\r\n");
}

void DocumentTest::typedLinesTakeTheFilesOwnLineEnd()
{
    QFETCH(QString, text);
    QFETCH(QString, lineEnd);
    QPlainTextEdit edit;
    Document document(&edit);
    document.setText(text);
    QCOMPARE(document.defaultLineEnd(), lineEnd);
    document.append(QStringLiteral("x\r\n"));
    QCOMPARE(document.text(), text + QStringLiteral("x") + lineEnd);
}

void DocumentTest::editsKeepTheLineEndsTheyDoNotTouch_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("caret");
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QString>("saved");

    const QString abcd = QStringLiteral("a\r\nbc\nd");
    QTest::newRow("Enter at the start of an LF line") << abcd << 2 << QStringList{"Return"} << "a\r\n\r\nbc\nd";
    QTest::newRow("... undone") << abcd << 2 << QStringList{"Return", "Ctrl+Z"} << abcd;
    QTest::newRow("... redone by Ctrl+Y") << abcd << 2 << QStringList{"Return", "Ctrl+Z", "Ctrl+Y"}
                                          << "a\r\n\r\nbc\nd";
    QTest::newRow("Enter inside an LF line") << abcd << 3 << QStringList{"Return"} << "a\r\nb\r\nc\nd";
    const QString l123 = QStringLiteral("l1\r\nl2\nl3\r\n");
    QTest::newRow("Backspace joins two lines") << l123 << 3 << QStringList{"Backspace"} << "l1l2\nl3\r\n";
    QTest::newRow("... undone") << l123 << 3 << QStringList{"Backspace", "Ctrl+Z"} << l123;
    QTest::newRow("... redone by Ctrl+Shift+Z") << l123 << 3 << QStringList{"Backspace", "Ctrl+Z", "Ctrl+Shift+Z"}
                                                << "l1l2\nl3\r\n";
    QTest::newRow("Delete joins two lines, undone") << l123 << 5 << QStringList{"Delete", "Ctrl+Z"} << l123;
    const QString abcd2 = QStringLiteral("ab\ncd\r\n");
    QTest::newRow("Enter at the end of an LF line") << abcd2 << 2 << QStringList{"Return"} << "ab\r\n\ncd\r\n";
    QTest::newRow("... undone") << abcd2 << 2 << QStringList{"Return", "Ctrl+Z"} << abcd2;
    QTest::newRow("two Enters, both undone") << abcd2 << 1 << QStringList{"Return", "Return", "Ctrl+Z", "Ctrl+Z"}
                                             << abcd2;
    QTest::newRow("typing after Enter, all undone")
        << abcd2 << 2 << QStringList{"Return", "X", "Backspace", "Backspace", "Ctrl+Z", "Ctrl+Z", "Ctrl+Z", "Ctrl+Z"}
        << abcd2;
    QTest::newRow("Enter in an LF file") << "ab\ncd" << 1 << QStringList{"Return"} << "a\nb\ncd";
}

// Through real keys on the document's text box, then read as Save writes it.
void DocumentTest::editsKeepTheLineEndsTheyDoNotTouch()
{
    QFETCH(QString, text);
    QFETCH(int, caret);
    QFETCH(QStringList, keys);
    QFETCH(QString, saved);
    Program program;
    program.setDocument(text);
    QPlainTextEdit* edit = program.main().textPreview();
    setSelection(edit, caret, caret);
    edit->setFocus();

    for (const QString& key : keys) {
        const QKeyCombination combination = QKeySequence::fromString(key)[0];
        QTest::keyClick(edit, combination.key(), combination.keyboardModifiers());
    }

    QCOMPARE(program.document(), saved);
}

void DocumentTest::textBetweenPositionsKeepsEachLinesTerminator_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QString>("text");
    // a CRLF bc LF d CR: the box's positions a0 1 b2 c3 4 d5 6, and the end at 7.
    QTest::newRow("everything") << 0 << 7 << "a\r\nbc\nd\r";
    QTest::newRow("backwards") << 4 << 1 << "\r\nbc";
    QTest::newRow("inside a line") << 2 << 3 << "b";
    QTest::newRow("from a break's start") << 4 << 6 << "\nd";
    QTest::newRow("ending at a line's start") << 3 << 5 << "c\n";
    QTest::newRow("the last break") << 6 << 7 << "\r";
    QTest::newRow("nothing") << 4 << 4 << "";
}

void DocumentTest::textBetweenPositionsKeepsEachLinesTerminator()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QString, text);
    QPlainTextEdit edit;
    Document document(&edit);
    document.setText(QStringLiteral("a\r\nbc\nd\r"));
    QCOMPARE(document.text(from, to), text);
}

void DocumentTest::appendGoesToTheVeryEnd_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("piece");
    QTest::newRow("after final break") << QStringLiteral("// a\r\n") << QStringLiteral("tsk1 = player;\r\n");
    QTest::newRow("continues last line") << QStringLiteral("// a") << QStringLiteral("x;\r\n");
    QTest::newRow("empty document") << QString() << QStringLiteral("x;\r\n");
    QTest::newRow("multi-line piece") << QStringLiteral("a\r\n") << QStringLiteral("/* one\r\ntwo */\r\n");
    QTest::newRow("piece without break") << QStringLiteral("a\r\n") << QStringLiteral("tail");
}

void DocumentTest::appendGoesToTheVeryEnd()
{
    QFETCH(QString, text);
    QFETCH(QString, piece);
    QPlainTextEdit edit;
    Document document(&edit);
    document.setText(text);
    document.append(piece);
    QCOMPARE(document.text(), text + piece);
    document.append(piece);
    QCOMPARE(document.text(), text + piece + piece);
}

void DocumentTest::appendKeepsCaretAndSelection_data()
{
    QTest::addColumn<int>("anchor");
    QTest::addColumn<int>("position");
    const QString text = QStringLiteral("first line\r\nsecond line");
    QTest::newRow("caret at start") << 0 << 0;
    QTest::newRow("caret in the middle") << 5 << 5;
    QTest::newRow("selection") << 2 << 14;
    QTest::newRow("backward selection") << 14 << 2;
    QTest::newRow("caret at end") << 22 << 22;
    QTest::newRow("selection to the end") << 6 << 22;
}

void DocumentTest::appendKeepsCaretAndSelection()
{
    QFETCH(int, anchor);
    QFETCH(int, position);
    QPlainTextEdit edit;
    Document document(&edit);
    document.setText(QStringLiteral("first line\r\nsecond line"));
    QTextCursor cursor(edit.document());
    cursor.setPosition(anchor);
    cursor.setPosition(position, QTextCursor::KeepAnchor);
    edit.setTextCursor(cursor);

    document.append(QStringLiteral("x;\r\n"));

    QCOMPARE(edit.textCursor().anchor(), anchor);
    QCOMPARE(edit.textCursor().position(), position);
    QCOMPARE(document.text(), QStringLiteral("first line\r\nsecond linex;\r\n"));
}

void DocumentTest::appendKeepsScrollPosition()
{
    QPlainTextEdit edit;
    edit.resize(300, 200);
    edit.show();
    Document document(&edit);
    QString text;
    for (int i = 0; i < 500; ++i)
        text += QStringLiteral("line %1\r\n").arg(i);
    document.setText(text);
    edit.verticalScrollBar()->setValue(100);
    QTextCursor cursor(edit.document());
    cursor.setPosition(1000);
    edit.setTextCursor(cursor);
    edit.verticalScrollBar()->setValue(100);

    document.append(QStringLiteral("appended;\r\n"));

    QCOMPARE(edit.verticalScrollBar()->value(), 100);
    QCOMPARE(edit.textCursor().position(), 1000);
}

void DocumentTest::codecRoundTrip_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    QTest::newRow("ascii") << QByteArray("player createDiaryRecord;\r\n");
    QTest::newRow("utf-8") << QByteArray("// \xC5\xBElu\xC5\xA5ou\xC4\x8Dk\xC3\xBD k\xC5\xAF\xC5\x88\r\n");
    QTest::newRow("utf-8 with mark") << QByteArray("\xEF\xBB\xBF// caf\xC3\xA9\n");
    QTest::newRow("windows-1250") << QByteArray("// \x9Elu\x9Dou\xE8k\xFD k\xF9\xF2\r\n");
    QTest::newRow("every byte") << all;
    QTest::newRow("invalid utf-8") << QByteArray("a\xC3(b\xFF\xFE");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("mark only") << QByteArray("\xEF\xBB\xBF");
}

void DocumentTest::codecRoundTrip()
{
    QFETCH(QByteArray, bytes);
    const DecodedText decoded = decodeText(bytes);
    QCOMPARE(encodeText(decoded.text, decoded.format).bytes, bytes);
}

void DocumentTest::codecDetectsEncoding()
{
    const DecodedText utf8 = decodeText(QByteArray("caf\xC3\xA9"));
    QCOMPARE(utf8.format.encoding, Encoding::Utf8);
    QCOMPARE(utf8.text, QStringLiteral("caf\u00E9"));
    QVERIFY(!utf8.format.byteOrderMark);

    const DecodedText marked = decodeText(QByteArray("\xEF\xBB\xBFx"));
    QVERIFY(marked.format.byteOrderMark);
    QCOMPARE(marked.text, QStringLiteral("x"));

    const DecodedText cp1250 = decodeText(QByteArray("\x8A\xE8"));
    QCOMPARE(cp1250.format.encoding, Encoding::Windows1250);
    QCOMPARE(cp1250.text, QStringLiteral("\u0160\u010D"));
}

void DocumentTest::windows1250FallsBackToUtf8ForForeignCharacters()
{
    const TextFormat cp1250{Encoding::Windows1250, false};
    const EncodedText plain = encodeText(QStringLiteral("\u0160x"), cp1250);
    QCOMPARE(plain.format.encoding, Encoding::Windows1250);
    QCOMPARE(plain.bytes, QByteArray("\x8Ax"));

    const EncodedText foreign = encodeText(QStringLiteral("\u0160 \u65E5"), cp1250);
    QCOMPARE(foreign.format.encoding, Encoding::Utf8);
    QCOMPARE(decodeText(foreign.bytes).text, QStringLiteral("\u0160 \u65E5"));
}

QTEST_MAIN(DocumentTest)
#include "document_test.moc"
