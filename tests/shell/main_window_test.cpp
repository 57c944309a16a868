#include "support/testing.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTest>

using namespace saltor;
using namespace saltor::testing;

// Main as the user first meets it, and the commands that belong to no dialog.
class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void startsWithHeaderAndNotSavedYet();
    void buttonsHaveCaptionsAndToolTips_data();
    void buttonsHaveCaptionsAndToolTips();
    void guardOrderSwapsTheFifthAndSixthButton();
    void menusFollowTheirTable();
    void statusBarPanelsFollowTheKeys();
    void exitAsksEveryTime_data();
    void exitAsksEveryTime();
    void windowSystemCloseAsksTheExitQuestion();
    void helpOpensTheHelpFileByBareName();
    void minimizeKeepsDocumentAndSelection();
    void fixedClientSize();
    void modifiedEnterStartsAPlainNewLine_data();
    void modifiedEnterStartsAPlainNewLine();
    void startsCentredOnTheScreen();
    void tabLeavesTheDocumentForTheButtons();
};

void MainWindowTest::startsWithHeaderAndNotSavedYet()
{
    Program program;
    QCOMPARE(program.document(), QStringLiteral("// Created in Saltor Editor by Tavik\r\n"));
    QCOMPARE(program.main().address()->text(), QStringLiteral("... not saved yet"));
    QCOMPARE(program.main().windowTitle(), QStringLiteral("Saltor Editor"));
    QVERIFY(program.mainEnabled());
    QCOMPARE(program.main().focusWidget(), program.main().textPreview());
    QCOMPARE(program.main().address()->toolTip(), QStringLiteral("Address to the opened/saved file"));
    QCOMPARE(child<QLabel>(&program.main(), QStringLiteral("fileLocation"))->text(), QStringLiteral("File:"));
    QCOMPARE(child<QGroupBox>(&program.main(), QStringLiteral("frmPreview"))->title(),
             QStringLiteral("Preview code window"));
    QVERIFY(child<QLabel>(&program.main(), QStringLiteral("Picture1")));
    QCOMPARE(program.main().textPreview()->lineWrapMode(), QPlainTextEdit::NoWrap);
}

void MainWindowTest::buttonsHaveCaptionsAndToolTips_data()
{
    QTest::addColumn<QString>("frame");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("toolTip");
    QTest::newRow("createDiaryRecordButton") << "frmRecords" << "Create Diary Record" << "Open the subform for creating the diary record";
    QTest::newRow("createSimpleTaskButton") << "frmRecords" << "Create Task" << "Open the subform for creating new task ";
    QTest::newRow("removeSimpleTaskButton") << "frmRecords" << "Remove Task" << "Open the subform for removing existing task";
    QTest::newRow("setSimpleTaskDescriptionButton") << "frmRecords" << "Set Task Description" << "Open the subform for setting description of the selected task";
    QTest::newRow("setSimpleTaskDestinationButton") << "frmRecords" << "Set Task Destination" << "Open the subform for setting destination of the selected task";
    QTest::newRow("setCurrentTaskButton") << "frmRecords" << "Set Current Task" << "Open the subform for setting selected task as to be active";
    QTest::newRow("setTaskStateButton") << "frmRecords" << "Set Task State" << "Open the subform for setting of state for the selected task";
    QTest::newRow("taskHintButton") << "frmFunctions" << "Task Hint" << "Open the subform for creating the task hint";
    QTest::newRow("taskStateButton") << "frmFunctions" << "Task Status" << "Open the subform for getting status of the selected task";
    QTest::newRow("currentTaskButton") << "frmFunctions" << "Current Task" << "Open the subform for getting information about the active task";
    QTest::newRow("addNoteButton") << "frmComments" << "Add note" << "Open the subform for inserting singleline note";
    QTest::newRow("addCommentButton") << "frmComments" << "Add comment" << "Open the subform for inserting multiline comment";
}

void MainWindowTest::buttonsHaveCaptionsAndToolTips()
{
    QFETCH(QString, frame);
    QFETCH(QString, caption);
    QFETCH(QString, toolTip);
    Program program;
    auto* box = child<QGroupBox>(&program.main(), frame);
    QVERIFY(box);
    auto* button = child<QPushButton>(box, QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(button);
    QCOMPARE(button->text(), caption);
    QCOMPARE(button->toolTip(), toolTip);
}

void MainWindowTest::guardOrderSwapsTheFifthAndSixthButton()
{
    Program program;
    QStringList names;
    for (QPushButton* button : program.main().mainCommandButtons())
        names << button->objectName();
    QCOMPARE(names, QStringList({"createDiaryRecordButton", "createSimpleTaskButton", "removeSimpleTaskButton",
                                 "setSimpleTaskDescriptionButton", "setCurrentTaskButton",
                                 "setSimpleTaskDestinationButton", "setTaskStateButton", "taskHintButton",
                                 "taskStateButton", "currentTaskButton", "addNoteButton", "addCommentButton"}));
}

void MainWindowTest::menusFollowTheirTable()
{
    // Each entry: menu caption, then its items as "name|caption|shortcut"; "-" for a separator.
    const QList<QStringList> expected = {
        {"mnuFile|&File", "mnuNew|&New|Ctrl+N", "mnuOpen|&Open|Ctrl+O", "mnuSaveAs|&Save As|Ctrl+S", "-",
         "mnuMinimize|&Minimize|Ctrl+M", "-", "mnuExit|E&xit|"},
        {"mnuEdit|&Edit", "mnuSelectAll|&Select All|Ctrl+A", "-", "mnuClear|C&lear|", "-", "mnuCut|C&ut|Ctrl+X",
         "mnuCopy|&Copy|Ctrl+C", "mnuPaste|&Paste|Ctrl+V", "-", "mnuFind|F&ind|Ctrl+F"},
        {"mnuRecords|&Records", "mnuCreateDiaryRecord|createDiaryRecord|", "-",
         "mnuCreateSimpleTask|createSimpleTask|", "mnuRemoveSimpleTask|removeSimpleTask|", "-",
         "mnuSetSimpleTaskDescription|setSimpleTaskDescription|",
         "mnuSetSimpleTaskDestination|setSimpleTaskDestination|", "-", "mnuSetCurrentTask|setCurrentTask|",
         "mnuSetTaskState|setTaskState|"},
        {"mnuFunctions|F&unctions", "mnuTaskHint|taskHint|", "-", "mnuTaskState|taskState|",
         "mnuCurrentTask|currentTask|"},
        {"mnuComments|&Comments", "mnuAddNote|Add note|", "mnuAddComment|Add comment|", "-",
         "mnuAddDateMark|Add date mark|"},
        {"mnuExtras|E&xtras", "mnuOverview|Create \"overview.html\"|", "mnuBriefing|Create \"briefing.html\"|", "-",
         "mnuMPtemplate|Insert basic MP template|"},
        {"mnuHelp|&Help", "mnuHelpContents|Help Contents|F1", "-", "mnuAbout|About|"},
    };
    Program program;
    const QList<QAction*> menus = program.main().menuBar()->actions();
    QCOMPARE(menus.size(), expected.size());
    int separator = 0;
    for (int m = 0; m < menus.size(); ++m) {
        const QStringList head = expected[m][0].split(QLatin1Char('|'));
        QMenu* menu = menus[m]->menu();
        QCOMPARE(menu->objectName(), head[0]);
        QCOMPARE(menu->title(), head[1]);
        const QList<QAction*> items = menu->actions();
        QCOMPARE(items.size(), expected[m].size() - 1);
        for (int i = 0; i < items.size(); ++i) {
            const QString row = expected[m][i + 1];
            if (row == QLatin1String("-")) {
                QVERIFY(items[i]->isSeparator());
                QCOMPARE(items[i]->objectName(), QStringLiteral("Space%1").arg(separator++));
                continue;
            }
            const QStringList parts = row.split(QLatin1Char('|'));
            QCOMPARE(items[i]->objectName(), parts[0]);
            QCOMPARE(items[i]->text(), parts[1]);
            QCOMPARE(items[i]->shortcut().toString(), parts[2]);
            QVERIFY(items[i]->isEnabled());
            QVERIFY(!items[i]->isCheckable());
        }
    }
    QCOMPARE(separator, 12);
}

void MainWindowTest::statusBarPanelsFollowTheKeys()
{
    Program program;
    QStatusBar* bar = program.main().statusBar();
    QCOMPARE(bar->objectName(), QStringLiteral("StatusBar1"));
    auto* text = child<QLabel>(bar, QStringLiteral("Panel1"));
    auto* num = child<QLabel>(bar, QStringLiteral("Panel2"));
    auto* caps = child<QLabel>(bar, QStringLiteral("Panel3"));
    auto* ins = child<QLabel>(bar, QStringLiteral("Panel4"));
    QCOMPARE(text->text(), QStringLiteral("Vandrel2 Briefing Editor by Tavik"));
    QCOMPARE(num->text(), QStringLiteral("NUM"));
    QCOMPARE(caps->text(), QStringLiteral("CAPS"));
    QCOMPARE(ins->text(), QStringLiteral("INS"));
    QCOMPARE(num->toolTip(), QStringLiteral("Num Lock is enabled/disabled"));
    QCOMPARE(caps->toolTip(), QStringLiteral("Caps Lock is enabled/disabled"));
    QCOMPARE(ins->toolTip(), QStringLiteral("Ins is enabled/disabled"));

    QVERIFY(!num->isEnabled());
    program.platform.numLock = true;
    program.platform.capsLock = true;
    QTRY_VERIFY_WITH_TIMEOUT(num->isEnabled() && caps->isEnabled(), 2000);
    program.platform.capsLock = false;
    QTRY_VERIFY_WITH_TIMEOUT(!caps->isEnabled(), 2000);

    // The Insert toggle starts off: INS is greyed until the key is pressed.
    QVERIFY(!ins->isEnabled());
    QTest::keyClick(program.main().textPreview(), Qt::Key_Insert);
    QVERIFY(ins->isEnabled());
    QTest::keyClick(program.main().textPreview(), Qt::Key_Insert);
    QVERIFY(!ins->isEnabled());
    // Wherever the focus is in Main, once per press.
    auto* button = child<QPushButton>(&program.main(), QStringLiteral("taskHintButton"));
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Insert);
    QVERIFY(ins->isEnabled());
}

void MainWindowTest::exitAsksEveryTime_data()
{
    QTest::addColumn<bool>("yes");
    QTest::newRow("no") << false;
    QTest::newRow("yes") << true;
}

void MainWindowTest::exitAsksEveryTime()
{
    QFETCH(bool, yes);
    Program program;
    program.platform.messageAnswers.enqueue(yes ? MessageAnswer::Yes : MessageAnswer::No);
    program.main().findChild<QAction*>(QStringLiteral("mnuExit"))->trigger();
    QCOMPARE(program.platform.messages.size(), 1);
    const FakePlatform::Message& asked = program.platform.messages.first();
    QCOMPARE(asked.prompt, QStringLiteral("All unsaved data will be lost. Do you really want to exit ?"));
    QCOMPARE(asked.title, QStringLiteral("Exiting ..."));
    QCOMPARE(asked.icon, MessageIcon::Question);
    QCOMPARE(asked.buttons, MessageButtons::YesNo);
    QCOMPARE(program.platform.endCalls, yes ? 1 : 0);
    QCOMPARE(program.document(), QStringLiteral("// Created in Saltor Editor by Tavik\r\n"));
}

void MainWindowTest::windowSystemCloseAsksTheExitQuestion()
{
    Program program;
    program.platform.messageAnswers.enqueue(MessageAnswer::No);
    QVERIFY(!program.main().close());
    QVERIFY(program.main().isVisible());
    QCOMPARE(program.platform.messages.size(), 1);
    QCOMPARE(program.platform.messages.first().title, QStringLiteral("Exiting ..."));
    QCOMPARE(program.platform.endCalls, 0);

    program.platform.messageAnswers.enqueue(MessageAnswer::Yes);
    program.main().close();
    QCOMPARE(program.platform.endCalls, 1);
}

void MainWindowTest::helpOpensTheHelpFileByBareName()
{
    Program program;
    program.main().findChild<QAction*>(QStringLiteral("mnuHelpContents"))->trigger();
    QCOMPARE(program.platform.helpOpened, QStringList{QStringLiteral("Saltor Editor Help.chm")});
    QVERIFY(program.platform.messages.isEmpty());
    QVERIFY(program.mainEnabled());
}

void MainWindowTest::minimizeKeepsDocumentAndSelection()
{
    Program program;
    QTextCursor cursor(program.main().textPreview()->document());
    cursor.setPosition(3);
    cursor.setPosition(9, QTextCursor::KeepAnchor);
    program.main().textPreview()->setTextCursor(cursor);
    program.main().findChild<QAction*>(QStringLiteral("mnuMinimize"))->trigger();
    QVERIFY(program.main().isMinimized());
    QCOMPARE(program.document(), QStringLiteral("// Created in Saltor Editor by Tavik\r\n"));
    QCOMPARE(program.main().textPreview()->textCursor().selectionStart(), 3);
    QCOMPARE(program.main().textPreview()->textCursor().selectionEnd(), 9);
    QCOMPARE(program.main().address()->text(), QStringLiteral("... not saved yet"));
}

void MainWindowTest::fixedClientSize()
{
    Program program;
    QCOMPARE(program.main().width(), 954);
    QCOMPARE(program.main().centralWidget()->height() + program.main().statusBar()->height(), 581);
    QCOMPARE(program.main().minimumSize(), program.main().maximumSize());
}

void MainWindowTest::startsCentredOnTheScreen()
{
    Program program;
    const QRect screen = program.main().screen()->availableGeometry();
    const QPoint offset = program.main().geometry().center() - screen.center();
    QVERIFY2(qAbs(offset.x()) <= 2 && qAbs(offset.y()) <= 2,
             qPrintable(QStringLiteral("off centre by %1, %2").arg(offset.x()).arg(offset.y())));
}

void MainWindowTest::tabLeavesTheDocumentForTheButtons()
{
    // Tab in the document types nothing: the focus goes round the document and the twelve
    // buttons as they stand; Shift+Tab goes the other way.
    Program program;
    program.main().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&program.main()));
    QPlainTextEdit* preview = program.main().textPreview();
    preview->setFocus();
    QStringList visited;
    for (int i = 0; i < 13; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, QStringList({"createDiaryRecordButton", "createSimpleTaskButton", "removeSimpleTaskButton",
                                   "setSimpleTaskDescriptionButton", "setSimpleTaskDestinationButton",
                                   "setCurrentTaskButton", "setTaskStateButton", "taskHintButton",
                                   "taskStateButton", "currentTaskButton", "addNoteButton", "addCommentButton",
                                   "textPreview"}));
    QTest::keyClick(preview, Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("addCommentButton"));
    QCOMPARE(program.document(), QStringLiteral("// Created in Saltor Editor by Tavik\r\n"));
}

void MainWindowTest::modifiedEnterStartsAPlainNewLine_data()
{
    QTest::addColumn<int>("modifiers");
    QTest::newRow("enter") << int(Qt::NoModifier);
    QTest::newRow("shift+enter") << int(Qt::ShiftModifier);
    QTest::newRow("ctrl+enter") << int(Qt::ControlModifier);
}

void MainWindowTest::modifiedEnterStartsAPlainNewLine()
{
    // Qt would put a Unicode line separator into the text; the script needs a real line break,
    // in the document and in every multi-line box of the dialogs.
    QFETCH(int, modifiers);
    Program program;
    program.setDocument(QString());
    QTest::keyClicks(program.main().textPreview(), QStringLiteral("a"));
    QTest::keyClick(program.main().textPreview(), Qt::Key_Return, Qt::KeyboardModifiers(modifiers));
    QTest::keyClicks(program.main().textPreview(), QStringLiteral("b"));
    QCOMPARE(program.document(), QStringLiteral("a\r\nb"));

    Form* comment = program.open(QStringLiteral("Addcomment"));
    auto* box = child<QPlainTextEdit>(comment, QStringLiteral("comment"));
    QTest::keyClicks(box, QStringLiteral("c"));
    QTest::keyClick(box, Qt::Key_Return, Qt::KeyboardModifiers(modifiers));
    QTest::keyClicks(box, QStringLiteral("d"));
    QCOMPARE(textOf(box), QStringLiteral("c\r\nd"));
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
