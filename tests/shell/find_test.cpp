#include "support/testing.h"

#include <QTest>
#include <QTextCursor>

using namespace saltor;
using namespace saltor::testing;

class FindTest : public QObject {
    Q_OBJECT

private slots:
    void selectsTheLastOccurrence_data();
    void selectsTheLastOccurrence();
    void changesNothingWithoutOccurrence_data();
    void changesNothingWithoutOccurrence();
    void commandAsksWithItsPrompt();
};

void FindTest::selectsTheLastOccurrence_data()
{
    QTest::addColumn<QString>("document");
    QTest::addColumn<QString>("search");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("selected");

    QTest::newRow("case ignored") << "a task here" << "TASK" << 2 << 4 << "task";
    QTest::newRow("second of two") << "xabcabc" << "abc" << 4 << 3 << "abc";
    QTest::newRow("at the very start") << "abcd" << "abc" << 0 << 3 << "abc";
    QTest::newRow("start and end") << "abcabc" << "abc" << 3 << 3 << "abc";
    QTest::newRow("whole document") << "Abc" << "aBC" << 0 << 3 << "Abc";
    QTest::newRow("accented letter") << "Café CAFÉ café" << "É" << 13 << 1 << "é";
    QTest::newRow("sharp s found as itself") << "STRASSE straße Straße" << "ß" << 19 << 1 << "ß";
    QTest::newRow("SS is not sharp s") << "straße STRASSE x" << "ss" << 11 << 2 << "SS";
    QTest::newRow("CRLF lines") << "alpha\r\nbeta\r\ngamma beta\r\n" << "BETA" << 17 << 4 << "beta";
    QTest::newRow("LF lines") << "one\ntwo\nthree two" << "two" << 14 << 3 << "two";
    QTest::newRow("mixed line ends") << "a\r\nb\nc\rb\r\n" << "B" << 6 << 1 << "b";
    QTest::newRow("empty search: caret at the end") << "hello\r\nworld" << "" << 11 << 0 << "";
}

void FindTest::selectsTheLastOccurrence()
{
    QFETCH(QString, document);
    QFETCH(QString, search);
    QFETCH(int, start);
    QFETCH(int, length);
    QFETCH(QString, selected);

    Program program;
    program.setDocument(document);
    QPlainTextEdit* edit = program.main().textPreview();
    program.main().mainCommandButtons().first()->setFocus();
    program.platform.inputAnswers.enqueue(search);

    program.main().mnuFind_Click();

    const QTextCursor cursor = edit->textCursor();
    QCOMPARE(cursor.selectionStart(), start);
    QCOMPARE(cursor.selectionEnd() - cursor.selectionStart(), length);
    QCOMPARE(cursor.position(), start + length);
    QCOMPARE(cursor.selectedText(), selected);
    QCOMPARE(program.main().focusWidget(), edit);
    QCOMPARE(program.document(), document);
}

void FindTest::changesNothingWithoutOccurrence_data()
{
    QTest::addColumn<QString>("document");
    QTest::addColumn<QString>("search");

    QTest::newRow("absent") << "hello world" << "xyz";
    QTest::newRow("longer than the document") << "abc" << "abcd";
    QTest::newRow("line break where there is none") << "ab cd" << "ab\r\ncd";
    QTest::newRow("sharp s is not SS") << "Straße" << "STRASSE";
    QTest::newRow("empty document") << "" << "abc";
    QTest::newRow("empty document, empty search") << "" << "";
}

void FindTest::changesNothingWithoutOccurrence()
{
    QFETCH(QString, document);
    QFETCH(QString, search);

    Program program;
    program.setDocument(document);
    QPlainTextEdit* edit = program.main().textPreview();
    const int anchor = document.isEmpty() ? 0 : 1;
    const int position = document.isEmpty() ? 0 : 2;
    setSelection(edit, anchor, position);
    QPushButton* focused = program.main().mainCommandButtons().first();
    focused->setFocus();
    program.platform.inputAnswers.enqueue(search);

    program.main().mnuFind_Click();

    QCOMPARE(edit->textCursor().anchor(), anchor);
    QCOMPARE(edit->textCursor().position(), position);
    QCOMPARE(program.main().focusWidget(), focused);
    QCOMPARE(program.document(), document);
    QVERIFY(program.platform.messages.isEmpty());
    QCOMPARE(program.platform.beeps, 0);
}

void FindTest::commandAsksWithItsPrompt()
{
    Program program;
    program.setDocument(QStringLiteral("abc\r\nabc"));
    // No answer queued: the box is cancelled, and the empty text puts the caret at the end.
    program.main().mnuFind_Click();
    QCOMPARE(program.platform.inputPrompts, QStringList{QStringLiteral("Find specific string ...")});
    QCOMPARE(program.main().textPreview()->textCursor().position(), 7);
    QVERIFY(!program.main().textPreview()->textCursor().hasSelection());
}

QTEST_MAIN(FindTest)
#include "find_test.moc"
