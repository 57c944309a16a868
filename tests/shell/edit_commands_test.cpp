#include "support/testing.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
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
    void everyClipboardWayKeepsEachLinesEnd_data();
    void everyClipboardWayKeepsEachLinesEnd();
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
    const QString mixed = QStringLiteral("a\r\nbc\nd\re");
    QTest::newRow("copy all of a mixed file") << false << mixed << 0 << 8 << mixed << mixed;
    QTest::newRow("cut across an LF line end") << true << mixed << 3 << 5 << "c\n" << "a\r\nbd\re";
    QTest::newRow("copy across a CR line end") << false << mixed << 5 << 7 << "d\r" << mixed;
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

void EditCommandsTest::everyClipboardWayKeepsEachLinesEnd_data()
{
    QTest::addColumn<QString>("way"); // keys, or "menu " and the context menu item's name
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("after");

    const QString mixed = QStringLiteral("a\r\nbc\nd");
    QTest::newRow("Ctrl+C") << "Ctrl+C" << mixed << mixed;
    QTest::newRow("Ctrl+Insert") << "Ctrl+Ins" << mixed << mixed;
    QTest::newRow("context menu Copy") << "menu edit-copy" << mixed << mixed;
    QTest::newRow("Ctrl+X") << "Ctrl+X" << mixed << "";
    QTest::newRow("Shift+Delete") << "Shift+Del" << mixed << "";
    QTest::newRow("context menu Cut") << "menu edit-cut" << mixed << "";
    QTest::newRow("Shift+Insert") << "Shift+Ins"
                                  << "P\nQ"
                                  << "P\r\nQ";
    QTest::newRow("context menu Paste") << "menu edit-paste"
                                        << "P\nQ"
                                        << "P\r\nQ";
    QTest::newRow("context menu Delete") << "menu edit-delete"
                                         << "P\nQ"
                                         << "";
}

// The whole of a file with mixed line ends selected; Ctrl+Z then brings it back exactly. Main's
// Edit keys run its commands; the box's own keys and menu use the system clipboard.
void EditCommandsTest::everyClipboardWayKeepsEachLinesEnd()
{
    QFETCH(QString, way);
    QFETCH(QString, clipboard);
    QFETCH(QString, after);
    const QString mixed = QStringLiteral("a\r\nbc\nd");
    Program program;
    program.setDocument(mixed);
    program.platform.setClipboardText(QStringLiteral("P\nQ"));
    QPlainTextEdit* edit = program.main().textPreview();
    setSelection(edit, 0, 6);
    edit->setFocus();

    if (way.startsWith(QLatin1String("menu "))) {
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), edit->viewport()->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(edit->viewport(), &event);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu);
        auto* action = menu->findChild<QAction*>(way.mid(5));
        QVERIFY(action && action->isEnabled());
        action->trigger();
        menu->close();
    } else {
        const QKeyCombination combination = QKeySequence::fromString(way)[0];
        QTest::keyClick(edit, combination.key(), combination.keyboardModifiers());
    }

    QCOMPARE(QGuiApplication::clipboard()->text(), clipboard);
    QCOMPARE(program.document(), after);
    QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(program.document(), mixed);
}

QTEST_MAIN(EditCommandsTest)
#include "edit_commands_test.moc"
