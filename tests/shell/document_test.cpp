#include "support/testing.h"

#include "platform/textcodec.h"
#include "shell/documentbox.h"

#include <QAction>
#include <QApplication>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QKeySequence>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>

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
    DocumentBox document;
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
    DocumentBox document;
    document.setText(text);
    QCOMPARE(document.defaultLineEnd(), lineEnd);
    document.append(QStringLiteral("x\r\n"));
    QCOMPARE(document.text(), text + QStringLiteral("x") + lineEnd);
    // Clear empties the document, which is still that file.
    document.clearText();
    document.append(QStringLiteral("x\r\n"));
    QCOMPARE(document.text(), QStringLiteral("x") + lineEnd);
}

void DocumentTest::editsKeepTheLineEndsTheyDoNotTouch_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("caret");
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QString>("saved");
    QTest::addColumn<int>("caretAfter"); // -1: not checked
    const auto row = [](const char* name, const QString& text, int caret, const QStringList& keys,
                        const QString& saved, int caretAfter = -1) {
        QTest::newRow(name) << text << caret << keys << saved << caretAfter;
    };

    const QString abcd = QStringLiteral("a\r\nbc\nd");
    row("Enter at the start of an LF line", abcd, 2, {"Return"}, "a\r\n\r\nbc\nd");
    row("... undone", abcd, 2, {"Return", "Ctrl+Z"}, abcd);
    row("... redone by Ctrl+Y", abcd, 2, {"Return", "Ctrl+Z", "Ctrl+Y"}, "a\r\n\r\nbc\nd");
    row("Enter inside an LF line", abcd, 3, {"Return"}, "a\r\nb\r\nc\nd");
    const QString l123 = QStringLiteral("l1\r\nl2\nl3\r\n");
    row("Backspace joins two lines", l123, 3, {"Backspace"}, "l1l2\nl3\r\n");
    row("... undone, the caret where the lines were joined", l123, 3, {"Backspace", "Ctrl+Z"}, l123, 3);
    row("... redone by Ctrl+Shift+Z", l123, 3, {"Backspace", "Ctrl+Z", "Ctrl+Shift+Z"}, "l1l2\nl3\r\n");
    row("Delete joins two lines, undone", l123, 5, {"Delete", "Ctrl+Z"}, l123);
    const QString abcd2 = QStringLiteral("ab\ncd\r\n");
    row("Enter at the end of an LF line", abcd2, 2, {"Return"}, "ab\r\n\ncd\r\n");
    row("... undone", abcd2, 2, {"Return", "Ctrl+Z"}, abcd2);
    row("two Enters, both undone", abcd2, 1, {"Return", "Return", "Ctrl+Z", "Ctrl+Z"}, abcd2);
    row("typing after Enter, all undone", abcd2, 2,
        {"Return", "X", "Backspace", "Backspace", "Ctrl+Z", "Ctrl+Z", "Ctrl+Z", "Ctrl+Z"}, abcd2);
    row("Enter in an LF file", "ab\ncd", 1, {"Return"}, "a\nb\ncd");
    const QString emptyLine = QStringLiteral("x\r\n\nb\n");
    row("Enter on an empty line", emptyLine, 2, {"Return"}, "x\r\n\r\n\nb\n");
    row("... undone at once", emptyLine, 2, {"Return", "Ctrl+Z"}, emptyLine);
    row("Enter over a selection ending on an empty line, undone at once", emptyLine, 1,
        {"Shift+Down", "Return", "Ctrl+Z"}, emptyLine);

    // A dead key reaches the box as an input-method event: a preedit, then the commit.
    const QString abcr = QStringLiteral("ab\rcd\n");
    row("dead key at a line's start", abcr, 0, {"preedit \u00B4", "commit \u00E9"}, "\u00E9ab\rcd\n");
    row("... undone and redone", abcr, 0, {"preedit \u00B4", "commit \u00E9", "Ctrl+Z", "Ctrl+Y"},
        "\u00E9ab\rcd\n");
    row("... undone", abcr, 0, {"preedit \u00B4", "commit \u00E9", "Ctrl+Z"}, abcr);
    row("dead key cancelled, then Enter", abcr, 3, {"preedit \u00B4", "preedit ", "Return"},
        "ab\r\r\ncd\n");
    row("commit over a selection holding a break, undone", abcr, 1, {"Shift+Right", "Shift+Right", "commit \u00E9",
        "Ctrl+Z"}, abcr);
    row("commit over a selection holding a break", abcr, 1, {"Shift+Right", "Shift+Right", "commit \u00E9"},
        "a\u00E9cd\n");
    row("commit holding a break", abcr, 4, {"commit x\ny"}, "ab\rcx\r\nyd\n");
    row("commit ending in a break while a preedit shows", "ab\ncd", 2, {"preedit zz", "commit zz\n"},
        "abzz\n\ncd");
    row("commit replacing far beyond either end", abcr, 3, {"commit[2147483647,2147483647] x\ny"},
        "ab\rcd\nx\r\ny");

    // Whatever new text Qt gives the caret's format (letters, key text, the whole text of Open, New
    // and Clear) takes no terminator from the break the caret stood on, nor from letters typed there.
    const QString caretOnCr = QStringLiteral("a\r\nb\r");
    row("Open after the caret stood on a line of its own terminator", caretOnCr, 0,
        {"Ctrl+End", "open x\r\ny\r\nz"}, "x\r\ny\r\nz");
    row("Open after a letter typed on such a line", "a\n\r\nb", 2, {"Q", "open x\r\ny\r\nz"},
        "x\r\ny\r\nz");
    row("Open with a selection ending on such a line", "a\n\r\nb", 0, {"Shift+Down", "open x\r\ny\r\nz"},
        "x\r\ny\r\nz");
    row("New after the caret stood on such a line", caretOnCr, 0, {"Ctrl+End", "menu mnuNew"},
        "// Created in Saltor Editor by Tavik\r\n");
    row("Clear there, then typing and Open", caretOnCr, 0, {"Ctrl+End", "menu mnuClear", "Q", "open x\r\ny"},
        "x\r\ny");

    // Every key that makes a line makes a new break.
    const QString emptyAfterLf = QStringLiteral("a\n\r\nb");
    row("key text of a paragraph separator", emptyAfterLf, 2, {"key \u2029"}, "a\n\r\n\r\nb");
    row("key text holding a line feed", emptyAfterLf, 2, {"key x\ny"}, "a\nx\r\ny\r\nb");
    row("Shift+AltGr+Enter", "a\r\nb", 3, {"Shift+AltGr+Return", "X"}, "a\r\nb\r\nx");
    row("Ctrl+AltGr+Enter", "a\r\nb", 3, {"Ctrl+AltGr+Return", "X"}, "a\r\nb\r\nx");

    // Every way in that the box offers, its own and Qt's, over a selection of a line and its own
    // break, which ends at the start of a line of the default line end.
    for (const QString& own : {QStringLiteral("\n"), QStringLiteral("\r")}) {
        const QString text = QStringLiteral("a") + own + QStringLiteral("\r\nb\r\n");
        const QString ending = own == QLatin1String("\n") ? QStringLiteral(" after LF") : QStringLiteral(" after CR");
        const auto way = [&](const char* name, const QString& step, const QString& saved) {
            row(qPrintable(QLatin1String(name) + ending), text, 0, {"Shift+Down", step}, saved);
        };
        way("insertPlainText over a selection ending", "call insertPlainText X\nY", "X\r\nY\r\nb\r\n");
        way("appendPlainText with a selection ending", "call appendPlainText X\nY", text + "\r\nX\r\nY");
        way("appendHtml with a selection ending", "call appendHtml <p>X</p><p>Y</p>", text + "\r\nX\r\nY");
        way("setPlainText with a selection ending", "call setPlainText X\nY", "X\r\nY");
        way("plainText property set with a selection ending", "set plainText X\nY", "X\r\nY");
        way("key text starting with a tab over a selection ending", "key \t\nZ", "\t\r\nZ\r\nb\r\n");
    }

    // The mouse selects as in any text box; a drop from another program is a paste.
    const QString lines = QStringLiteral("one\ntwo\r\nthree\rfour");
    row("triple-click on a line, dragged down two lines", lines, 0,
        {"triple-click 0", "drag to 2", "release", "Delete"}, "four");
    row("text dropped from another program", lines, 0, {"drop 3 x\ny"}, "one\ntwo\r\nthree\rx\r\nyfour");

    // Form feeds and vertical tabs among many lone CRs, joined and split over a selection.
    const QString feeds = QStringLiteral("a\raa\r\r\r\r\f\r\r\r\r\r\r\r\f\r\r\r\r\r\r");
    row("selection deleted in a text of form feeds, then undone", feeds, 0,
        {"Ctrl+A", "Ctrl+C", "Home", "Shift+Ins", "Shift+Up", "Del", "Ctrl+Z", "End", "Shift+Num+Enter", "Left",
         "Shift+PgDown", "Shift+Backspace", "Ctrl+Z", "Ctrl+Z", "Ctrl+Z"},
        feeds);
}

namespace {

// Where a user points at line number `line` of the box: on its first letter.
QPoint pointAt(QPlainTextEdit* edit, int line)
{
    const QTextCursor start(edit->document()->findBlockByNumber(line));
    return edit->cursorRect(start).center() + QPoint(3, 0);
}

// Plays one step of a row on the document's text box: a key ("Shift+Down"; "AltGr+" stands for
// the group-switch modifier), "key TEXT" (a key event bringing that text), "preedit TEXT",
// "commit TEXT" or "commit[START,LENGTH] TEXT" (input-method events), "call SLOT TEXT" and "set
// PROPERTY TEXT" (the box's slot or property, reached by name as any caller may), "open TEXT" (File Open of a
// file holding TEXT), "menu NAME" (a menu item of Main, its question answered Yes), and the mouse:
// "triple-click LINE", "drag to LINE", "release", "drop LINE TEXT" (text dropped by another
// program at the start of a line).
void playStep(Program& program, QPlainTextEdit* edit, const QString& step, QPoint& pointer)
{
    const QString argument = step.section(QLatin1Char(' '), 1);
    const QString verb = step.section(QLatin1Char(' '), 0, 0);
    QWidget* viewport = edit->viewport();
    if (verb == QLatin1String("preedit")) {
        QInputMethodEvent event(argument, {});
        QApplication::sendEvent(edit, &event);
    } else if (verb.startsWith(QLatin1String("commit"))) {
        QInputMethodEvent event;
        const QStringList replacement = verb.section(QLatin1Char('['), 1).remove(QLatin1Char(']')).split(QLatin1Char(','));
        event.setCommitString(argument, replacement.value(0).toInt(), replacement.value(1).toInt());
        QApplication::sendEvent(edit, &event);
    } else if (verb == QLatin1String("call")) {
        QVERIFY(QMetaObject::invokeMethod(edit, qPrintable(argument.section(QLatin1Char(' '), 0, 0)),
                                          Q_ARG(QString, argument.section(QLatin1Char(' '), 1))));
    } else if (verb == QLatin1String("set")) {
        QVERIFY(edit->setProperty(qPrintable(argument.section(QLatin1Char(' '), 0, 0)), argument.section(QLatin1Char(' '), 1)));
    } else if (verb == QLatin1String("key")) {
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, argument, Qt::NoModifier);
    } else if (verb == QLatin1String("open")) {
        program.platform.files.insert(QStringLiteral("/mem/second.sqf"), argument.toUtf8());
        program.platform.fileAnswers.enqueue(QStringLiteral("/mem/second.sqf"));
        program.main().findChild<QAction*>(QStringLiteral("mnuOpen"))->trigger();
    } else if (verb == QLatin1String("menu")) {
        program.platform.messageAnswers.enqueue(MessageAnswer::Yes);
        program.main().findChild<QAction*>(argument)->trigger();
    } else if (verb == QLatin1String("triple-click")) {
        pointer = pointAt(edit, argument.toInt());
        QTest::mouseDClick(viewport, Qt::LeftButton, {}, pointer);
        QTest::mousePress(viewport, Qt::LeftButton, {}, pointer);
    } else if (verb == QLatin1String("drag")) {
        pointer = pointAt(edit, argument.section(QLatin1Char(' '), 1).toInt());
        QTest::mouseMove(viewport, pointer);
    } else if (verb == QLatin1String("release")) {
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, pointer);
    } else if (verb == QLatin1String("drop")) {
        QMimeData data;
        data.setText(argument.section(QLatin1Char(' '), 1));
        const QPoint at = pointAt(edit, argument.section(QLatin1Char(' '), 0, 0).toInt()) - QPoint(3, 0);
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(viewport, &enter);
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(viewport, &drop);
    } else {
        QString sequence = step;
        const bool altGr = sequence.contains(QLatin1String("AltGr+"));
        const QKeyCombination combination = QKeySequence::fromString(sequence.remove(QLatin1String("AltGr+")))[0];
        QTest::keyClick(edit, combination.key(),
                        combination.keyboardModifiers() | (altGr ? Qt::GroupSwitchModifier : Qt::NoModifier));
    }
}

} // namespace

// Through real keys, input-method events and the mouse on the document's text box and through
// Main's commands, then read as Save writes it. No line but the caret's shows an input-method preedit
// afterwards.
void DocumentTest::editsKeepTheLineEndsTheyDoNotTouch()
{
    QFETCH(QString, text);
    QFETCH(int, caret);
    QFETCH(QStringList, keys);
    QFETCH(QString, saved);
    QFETCH(int, caretAfter);
    Program program;
    program.setDocument(text);
    QPlainTextEdit* edit = program.main().textPreview();
    setSelection(edit, caret, caret);
    edit->setFocus();

    QPoint pointer;
    for (const QString& key : keys)
        playStep(program, edit, key, pointer);

    QCOMPARE(program.document(), saved);
    if (caretAfter >= 0)
        QCOMPARE(edit->textCursor().position(), caretAfter);
    for (QTextBlock block = edit->document()->begin(); block.isValid(); block = block.next())
        if (block != edit->textCursor().block())
            QCOMPARE(block.layout()->preeditAreaText(), QString());
}

void DocumentTest::textBetweenPositionsKeepsEachLinesTerminator_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QString>("text");
    // a CRLF bc LF d CR and a line of 100 x: the box's positions a0 1 b2 c3 4 d5 6, x from 7, and
    // the end at 107. A short range is read otherwise than a long one.
    QTest::newRow("everything") << 0 << 107 << QStringLiteral("a\r\nbc\nd\r") + QString(100, QLatin1Char('x'));
    QTest::newRow("the first lines") << 0 << 7 << "a\r\nbc\nd\r";
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
    DocumentBox document;
    document.setText(QStringLiteral("a\r\nbc\nd\r") + QString(100, QLatin1Char('x')));
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
    DocumentBox document;
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
    DocumentBox document;
    document.setText(QStringLiteral("first line\r\nsecond line"));
    QTextCursor cursor(document.document());
    cursor.setPosition(anchor);
    cursor.setPosition(position, QTextCursor::KeepAnchor);
    document.setTextCursor(cursor);

    document.append(QStringLiteral("x;\r\n"));

    QCOMPARE(document.textCursor().anchor(), anchor);
    QCOMPARE(document.textCursor().position(), position);
    QCOMPARE(document.text(), QStringLiteral("first line\r\nsecond linex;\r\n"));
}

void DocumentTest::appendKeepsScrollPosition()
{
    DocumentBox document;
    document.resize(300, 200);
    document.show();
    QString text;
    for (int i = 0; i < 500; ++i)
        text += QStringLiteral("line %1\r\n").arg(i);
    document.setText(text);
    document.verticalScrollBar()->setValue(100);
    QTextCursor cursor(document.document());
    cursor.setPosition(1000);
    document.setTextCursor(cursor);
    document.verticalScrollBar()->setValue(100);

    document.append(QStringLiteral("appended;\r\n"));

    QCOMPARE(document.verticalScrollBar()->value(), 100);
    QCOMPARE(document.textCursor().position(), 1000);
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
