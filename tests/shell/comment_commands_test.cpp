#include "support/testing.h"

#include "platform/qtplatform.h"
#include "shell/comments.h"

#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QInputDialog>
#include <QTimer>
#include <QLabel>
#include <QLocale>
#include <QTest>
#include <QTextCursor>

using namespace saltor;
using namespace saltor::testing;

namespace {

// Runs one of the three comment commands as the user would.
void runCommand(Program& program, const QString& command)
{
    if (command == QLatin1String("note")) {
        program.platform.inputAnswers.enqueue(QStringLiteral("mind the gap"));
        click(&program.main(), QStringLiteral("addNoteButton"));
    } else if (command == QLatin1String("date")) {
        program.main().mnuAddDateMark_Click();
    } else {
        click(&program.main(), QStringLiteral("addCommentButton"));
        Form* dialog = program.editor->form(QStringLiteral("Addcomment"));
        QVERIFY(dialog);
        auto* comment = child<QPlainTextEdit>(dialog, QStringLiteral("comment"));
        QTest::keyClicks(comment, QStringLiteral("one"));
        QTest::keyClick(comment, Qt::Key_Return);
        QTest::keyClicks(comment, QStringLiteral("two"));
        click(dialog, QStringLiteral("AddButton"));
        Program::settle();
    }
}

} // namespace

class CommentCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void piecesAreByteExact_data();
    void piecesAreByteExact();
    void dateMarkIgnoresTheLocale_data();
    void dateMarkIgnoresTheLocale();
    void commandsAppendAtTheVeryEnd_data();
    void commandsAppendAtTheVeryEnd();
    void cancelledNoteAppendsAnEmptyNote();
    void inputBoxTakesAPastedTextAsOneLine();
    void dialogShowsItsControls();
    void dialogAppendsWhatWasTyped_data();
    void dialogAppendsWhatWasTyped();
    void dialogClosesWithoutAppending_data();
    void dialogClosesWithoutAppending();
};

void CommentCommandsTest::piecesAreByteExact_data()
{
    QTest::addColumn<QString>("piece");
    QTest::addColumn<QString>("expected");

    QTest::newRow("note") << noteComment(QStringLiteral("check the \"bridge\"")) << "// check the \"bridge\"\r\n";
    QTest::newRow("empty note") << noteComment(QString()) << "// \r\n";
    QTest::newRow("blanks only") << noteComment(QStringLiteral("  ")) << "//   \r\n";
    QTest::newRow("date mark") << dateMarkComment(QDate(2026, 12, 6)) << "// 12-06-2026\r\n";
    QTest::newRow("date mark, one-digit month and day") << dateMarkComment(QDate(2001, 1, 9)) << "// 01-09-2001\r\n";
    QTest::newRow("comment") << blockComment(QStringLiteral("text")) << "/* text */\r\n";
    QTest::newRow("empty comment") << blockComment(QString()) << "/*  */\r\n";
    QTest::newRow("two lines") << blockComment(QStringLiteral("one\r\ntwo")) << "/* one\r\ntwo */\r\n";
    QTest::newRow("closing marker inside") << blockComment(QStringLiteral("a */ b")) << "/* a */ b */\r\n";
}

void CommentCommandsTest::piecesAreByteExact()
{
    QFETCH(QString, piece);
    QFETCH(QString, expected);
    QCOMPARE(piece, expected);
}

void CommentCommandsTest::dateMarkIgnoresTheLocale_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::newRow("German") << QLocale(QLocale::German);
    QTest::newRow("Arabic digits") << QLocale(QLocale::Arabic, QLocale::Egypt);
}

void CommentCommandsTest::dateMarkIgnoresTheLocale()
{
    QFETCH(QLocale, locale);
    const QLocale before;
    QLocale::setDefault(locale);
    Program program;
    program.setDocument(QString());
    program.main().mnuAddDateMark_Click();
    program.main().mnuAddDateMark_Click();
    QLocale::setDefault(before);
    QCOMPARE(program.document(), QStringLiteral("// 12-06-2026\r\n// 12-06-2026\r\n"));
}

void CommentCommandsTest::commandsAppendAtTheVeryEnd_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("piece");
    QTest::addColumn<QString>("document");
    QTest::addColumn<int>("anchor");
    QTest::addColumn<int>("position");

    const struct {
        const char* name;
        const char* piece;
    } commands[] = {
        {"note", "// mind the gap\r\n"},
        {"date", "// 12-06-2026\r\n"},
        {"comment", "/* one\r\ntwo */\r\n"},
    };
    const QString lines = QStringLiteral("line one\r\nline two\r\n");
    for (const auto& c : commands) {
        const QString name = QLatin1String(c.name);
        QTest::addRow("%s, caret at the start", c.name) << name << c.piece << lines << 0 << 0;
        QTest::addRow("%s, selection", c.name) << name << c.piece << lines << 2 << 12;
        QTest::addRow("%s, selection to the end", c.name) << name << c.piece << lines << 5 << 18;
        QTest::addRow("%s, no final line end", c.name) << name << c.piece << "typed" << 1 << 3;
    }
}

void CommentCommandsTest::commandsAppendAtTheVeryEnd()
{
    QFETCH(QString, command);
    QFETCH(QString, piece);
    QFETCH(QString, document);
    QFETCH(int, anchor);
    QFETCH(int, position);
    Program program;
    program.setDocument(document);
    QPlainTextEdit* edit = program.main().textPreview();
    setSelection(edit, anchor, position);

    runCommand(program, command);

    QCOMPARE(program.document(), document + piece);
    QCOMPARE(edit->textCursor().anchor(), anchor);
    QCOMPARE(edit->textCursor().position(), position);
    QVERIFY(program.mainEnabled());
}

void CommentCommandsTest::cancelledNoteAppendsAnEmptyNote()
{
    Program program;
    program.setDocument(QStringLiteral("x\r\n"));
    program.main().addNoteButton_Click(); // nothing queued: the box is cancelled
    program.platform.inputAnswers.enqueue(QString());
    program.main().addNoteButton_Click(); // confirmed with nothing entered
    QCOMPARE(program.document(), QStringLiteral("x\r\n// \r\n// \r\n"));
    QCOMPARE(program.platform.inputPrompts.value(0), QStringLiteral("Write your singleline note here:"));
}

void CommentCommandsTest::inputBoxTakesAPastedTextAsOneLine()
{
    // The program's own input box (Add note and Find ask through it): each line break pasted
    // becomes one blank, and a line longer than 32,767 characters is kept whole.
    const QString tail(40000, QLatin1Char('z'));
    QGuiApplication::clipboard()->setText(QStringLiteral("x\r\ny\n") + tail);
    QTimer::singleShot(0, this, [] {
        auto* box = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        QVERIFY(box);
        QTest::keyClick(box->findChild<QLineEdit*>(), Qt::Key_V, Qt::ControlModifier);
        box->accept();
    });
    QtPlatform platform;
    const QString note = noteComment(platform.inputBox(QStringLiteral("Write your singleline note here:")));
    QCOMPARE(note.left(7), QStringLiteral("// x y "));
    QVERIFY(note == QStringLiteral("// x y ") + tail + QStringLiteral("\r\n"));
}

void CommentCommandsTest::dialogShowsItsControls()
{
    Program program;
    Form* dialog = program.open(QStringLiteral("Addcomment"));
    QVERIFY(dialog);
    QVERIFY(program.mainDisabled());
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Add comment"));
    QCOMPARE(dialog->size(), QSize(465, 177));

    auto* comment = child<QPlainTextEdit>(dialog, QStringLiteral("comment"));
    QVERIFY(comment);
    QCOMPARE(dialog->focusWidget(), comment);
    QCOMPARE(comment->toPlainText(), QString());
    QCOMPARE(comment->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(child<QLabel>(dialog, QStringLiteral("Label1"))->text(),
             QStringLiteral("Write your multiline comment here:"));
    auto* frame = child<QGroupBox>(dialog, QStringLiteral("Frame2"));
    QCOMPARE(frame->title(), QStringLiteral("Controls"));
    auto* add = child<QPushButton>(frame, QStringLiteral("AddButton"));
    auto* cancel = child<QPushButton>(frame, QStringLiteral("CancelButton"));
    QCOMPARE(add->text(), QStringLiteral("Add"));
    QCOMPARE(add->toolTip(), QStringLiteral("Adds multiline comment into the preview code window"));
    QCOMPARE(cancel->text(), QStringLiteral("Cancel"));
    QCOMPARE(cancel->toolTip(), QStringLiteral("Close this subform without any changes"));
    QVERIFY(!add->autoDefault() && !cancel->autoDefault());
    // Tab order: comment, AddButton, CancelButton.
    auto nextTabStop = [](QWidget* w) {
        do
            w = w->nextInFocusChain();
        while (!(w->focusPolicy() & Qt::TabFocus));
        return w;
    };
    QCOMPARE(nextTabStop(comment), add);
    QCOMPARE(nextTabStop(add), cancel);
}

void CommentCommandsTest::dialogAppendsWhatWasTyped_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("piece");
    QTest::newRow("two lines") << "first\nsecond" << "/* first\r\nsecond */\r\n";
    QTest::newRow("empty box") << "" << "/*  */\r\n";
    QTest::newRow("closing marker inside") << "keep */ this" << "/* keep */ this */\r\n";
}

void CommentCommandsTest::dialogAppendsWhatWasTyped()
{
    QFETCH(QString, typed);
    QFETCH(QString, piece);
    Program program;
    program.setDocument(QStringLiteral("a\r\n"));
    Form* dialog = program.open(QStringLiteral("Addcomment"));
    auto* comment = child<QPlainTextEdit>(dialog, QStringLiteral("comment"));
    const QStringList lines = typed.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0)
            QTest::keyClick(comment, Qt::Key_Return); // a new line, no button clicked
        QTest::keyClicks(comment, lines.at(i));
    }
    QCOMPARE(program.document(), QStringLiteral("a\r\n"));

    click(dialog, QStringLiteral("AddButton"));
    Program::settle();

    QCOMPARE(program.document(), QStringLiteral("a\r\n") + piece);
    QVERIFY(program.mainEnabled());
    QVERIFY(!program.editor->form(QStringLiteral("Addcomment")));
}

void CommentCommandsTest::dialogClosesWithoutAppending_data()
{
    QTest::addColumn<bool>("escape");
    QTest::newRow("Cancel") << false;
    QTest::newRow("Esc") << true;
}

void CommentCommandsTest::dialogClosesWithoutAppending()
{
    QFETCH(bool, escape);
    Program program;
    program.setDocument(QStringLiteral("a\r\n"));
    Form* dialog = program.open(QStringLiteral("Addcomment"));
    auto* comment = child<QPlainTextEdit>(dialog, QStringLiteral("comment"));
    QTest::keyClicks(comment, QStringLiteral("discarded"));

    if (escape)
        QTest::keyClick(comment, Qt::Key_Escape);
    else
        click(dialog, QStringLiteral("CancelButton"));
    Program::settle();

    QCOMPARE(program.document(), QStringLiteral("a\r\n"));
    QVERIFY(program.mainEnabled());
    QVERIFY(!program.editor->form(QStringLiteral("Addcomment")));
    // The next opening starts empty again.
    dialog = program.open(QStringLiteral("Addcomment"));
    QCOMPARE(child<QPlainTextEdit>(dialog, QStringLiteral("comment"))->toPlainText(), QString());
}

QTEST_MAIN(CommentCommandsTest)
#include "comment_commands_test.moc"
