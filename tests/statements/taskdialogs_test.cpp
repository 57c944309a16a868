#include "support/testing.h"

#include "shell/dialogframe.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QRadioButton>
#include <QTest>

using namespace saltor;
using namespace saltor::testing;

namespace {

// One task dialog: its action button, its required boxes in the order they are tested, a value
// for each, the statement those values give, and the message of a refusal.
struct FormCase {
    QString form;
    QString action;
    QStringList boxes;
    QStringList values;
    QString statement;
    QString message;
};

const QString kWriteTaskName = QStringLiteral(" Write the name of the task or click on the Cancel button. ");
const QString kWriteHint = QStringLiteral(" Write some text for the hint or click on the Cancel button. ");

const QList<FormCase>& formCases()
{
    static const QList<FormCase> cases = {
        {"createSimpleTask", "AddButton", {"taskName", "taskUnit", "taskDescription"},
         {"tsk1", "player", "Primary task: Seize Guglovo"},
         "tsk1 = player createSimpleTask [\"Primary task: Seize Guglovo\"];\r\n", kFillAllFields},
        {"setCurrentTask", "SetButton", {"unitName", "taskName"}, {"player", "tsk1"},
         "player setCurrentTask tsk1;\r\n", kFillAllFields},
        {"setSimpleTaskDestination", "AddButton", {"taskName", "markerName"}, {"tsk1", "markerOBJ1"},
         "tsk1 setSimpleTaskDestination (getMarkerPos \"markerOBJ1\");\r\n", kFillAllFields},
        {"removeSimpleTask", "SetButton", {"unitName", "taskName"}, {"player", "tsk1"},
         "player removeSimpleTask tsk1;\r\n", kFillAllFields},
        {"taskState", "GetButton", {"taskName", "variable"}, {"tsk1", "getStatus"},
         "getStatus = taskState tsk1;\r\n", kFillAllFields},
        {"currentTask", "GetButton", {"unitName", "variable"}, {"player", "getCurrent"},
         "getCurrent = currentTask player;\r\n", kFillAllFields},
        {"setTaskState", "SetButton", {"taskName"}, {"tsk1"}, "tsk1 setTaskState \"Created\";\r\n", kWriteTaskName},
        {"taskHint", "AddButton", {"hintText"}, {"TEXT"}, "taskHint [\"TEXT\", [1, 1, 1, 1], \"taskNew\"]; \r\n",
         kWriteHint},
    };
    return cases;
}

const FormCase& formCase(const QString& form)
{
    for (const FormCase& c : formCases())
        if (c.form == form)
            return c;
    qFatal("no case for %s", qPrintable(form));
}

const QString kStart = QStringLiteral("// start\r\n");

QWidget* box(QWidget* form, const QString& name)
{
    return child<QWidget>(form, name);
}

void fill(QWidget* form, const FormCase& c, int leaveEmpty = -1)
{
    for (int i = 0; i < c.boxes.size(); ++i)
        typeInto(box(form, c.boxes[i]), i == leaveEmpty ? QString() : c.values[i]);
}

} // namespace

// The task dialogs through their real forms: the required-field test, the statement at the
// end of the document, Cancel and Esc, and design-time values at every opening.
class TaskDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void emptyRequiredFieldIsRefused_data();
    void emptyRequiredFieldIsRefused();
    void filledFormAppendsStatementAndReleasesGuard_data();
    void filledFormAppendsStatementAndReleasesGuard();
    void cancelAndEscapeAppendNothing_data();
    void cancelAndEscapeAppendNothing();
    void reopeningShowsDesignTimeValues_data();
    void reopeningShowsDesignTimeValues();
    void setTaskStateWritesLastChosenState_data();
    void setTaskStateWritesLastChosenState();
    void taskHintPresetsAndIcons_data();
    void taskHintPresetsAndIcons();
    void lineBreakGoesToTheEndOfTheHint();
    void pastedTextStaysOneLine_data();
    void pastedTextStaysOneLine();
};

void TaskDialogsTest::emptyRequiredFieldIsRefused_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<int>("emptied"); // -1: all boxes empty
    for (const FormCase& c : formCases()) {
        QTest::addRow("%s, all empty", qPrintable(c.form)) << c.form << -1;
        for (int i = 0; i < c.boxes.size() && c.boxes.size() > 1; ++i)
            QTest::addRow("%s, %s empty", qPrintable(c.form), qPrintable(c.boxes[i])) << c.form << i;
    }
}

void TaskDialogsTest::emptyRequiredFieldIsRefused()
{
    QFETCH(QString, form);
    QFETCH(int, emptied);
    const FormCase& c = formCase(form);
    Program p;
    p.setDocument(kStart);
    Form* dialog = p.open(form);
    QVERIFY(dialog);
    if (emptied >= 0)
        fill(dialog, c, emptied);

    click(dialog, c.action);
    Program::settle();

    QCOMPARE(p.platform.beeps, 1);
    QCOMPARE(p.platform.messages.size(), 1);
    const FakePlatform::Message& shown = p.platform.messages.first();
    QCOMPARE(shown.prompt, c.message);
    QCOMPARE(shown.buttons, MessageButtons::Ok);
    QCOMPARE(shown.icon, MessageIcon::Exclamation);
    QCOMPARE(shown.title, QStringLiteral("Saltor Editor"));
    QCOMPARE(p.document(), kStart);
    QCOMPARE(p.editor->form(form), dialog);
    QVERIFY(dialog->isVisible());
    QVERIFY(p.mainDisabled());
    for (int i = 0; i < c.boxes.size(); ++i)
        QCOMPARE(textOf(box(dialog, c.boxes[i])), emptied < 0 || i == emptied ? QString() : c.values[i]);
}

void TaskDialogsTest::filledFormAppendsStatementAndReleasesGuard_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("document");
    QTest::addColumn<int>("anchor"); // the caret / selection in textPreview
    QTest::addColumn<int>("position");
    for (const FormCase& c : formCases()) {
        QTest::addRow("%s, ends with CRLF", qPrintable(c.form)) << c.form << kStart << 0 << 0;
        QTest::addRow("%s, no final CRLF", qPrintable(c.form)) << c.form << "// typed" << 8 << 8;
        QTest::addRow("%s, selection", qPrintable(c.form)) << c.form << "line one\r\nline two" << 2 << 12;
        QTest::addRow("%s, empty document", qPrintable(c.form)) << c.form << "" << 0 << 0;
    }
}

void TaskDialogsTest::filledFormAppendsStatementAndReleasesGuard()
{
    QFETCH(QString, form);
    QFETCH(QString, document);
    QFETCH(int, anchor);
    QFETCH(int, position);
    const FormCase& c = formCase(form);
    Program p;
    p.setDocument(document);
    QTextCursor caret = p.main().textPreview()->textCursor();
    caret.setPosition(anchor);
    caret.setPosition(position, QTextCursor::KeepAnchor);
    p.main().textPreview()->setTextCursor(caret);
    Form* dialog = p.open(form);
    QVERIFY(p.mainDisabled());
    fill(dialog, c);

    click(dialog, c.action);
    Program::settle();

    QCOMPARE(p.document(), document + c.statement);
    QCOMPARE(p.platform.beeps, 0);
    QVERIFY(p.platform.messages.isEmpty());
    QVERIFY(!p.editor->form(form));
    QVERIFY(p.mainEnabled());
    QCOMPARE(p.main().textPreview()->textCursor().anchor(), anchor);
    QCOMPARE(p.main().textPreview()->textCursor().position(), position);
}

void TaskDialogsTest::cancelAndEscapeAppendNothing_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<bool>("escape");
    for (const FormCase& c : formCases()) {
        QTest::addRow("%s, Cancel", qPrintable(c.form)) << c.form << false;
        QTest::addRow("%s, Esc", qPrintable(c.form)) << c.form << true;
    }
}

void TaskDialogsTest::cancelAndEscapeAppendNothing()
{
    QFETCH(QString, form);
    QFETCH(bool, escape);
    const FormCase& c = formCase(form);
    Program p;
    p.setDocument(kStart);
    QPointer<Form> dialog = p.open(form);
    fill(dialog, c);

    if (escape)
        QTest::keyClick(box(dialog, c.boxes.first()), Qt::Key_Escape);
    else
        click(dialog, QStringLiteral("CancelButton"));
    Program::settle();

    QCOMPARE(p.document(), kStart);
    QVERIFY(!dialog);
    QVERIFY(!p.editor->form(form));
    QVERIFY(p.mainEnabled());
    QVERIFY(p.platform.messages.isEmpty());
}

void TaskDialogsTest::reopeningShowsDesignTimeValues_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<bool>("afterAction");
    for (const FormCase& c : formCases()) {
        QTest::addRow("%s, after Cancel", qPrintable(c.form)) << c.form << false;
        QTest::addRow("%s, after action", qPrintable(c.form)) << c.form << true;
    }
}

void TaskDialogsTest::reopeningShowsDesignTimeValues()
{
    QFETCH(QString, form);
    QFETCH(bool, afterAction);
    const FormCase& c = formCase(form);
    Program p;
    Form* dialog = p.open(form);
    fill(dialog, c);
    click(dialog, afterAction ? c.action : QStringLiteral("CancelButton"));
    Program::settle();

    dialog = p.open(form);
    QVERIFY(dialog);
    QVERIFY(p.mainDisabled());
    for (const QString& name : c.boxes)
        QCOMPARE(textOf(box(dialog, name)), QString());
    QCOMPARE(dialog->focusWidget(), box(dialog, c.boxes.first()));
}

// The state text comes from the option chosen last; every opening starts at "Created".
void TaskDialogsTest::setTaskStateWritesLastChosenState_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QString>("state");
    QTest::newRow("none") << QStringList() << "\"Created\"";
    QTest::newRow("succeeded") << QStringList{"succeededRadio"} << "\"Succeeded\"";
    QTest::newRow("failed, then assigned") << QStringList{"failedRadio", "assignedRadio"} << "\"Assigned\"";
    QTest::newRow("canceled") << QStringList{"canceledRadio"} << "\"Canceled\"";
    QTest::newRow("back to created") << QStringList{"canceledRadio", "createdRadio"} << "\"Created\"";
}

void TaskDialogsTest::setTaskStateWritesLastChosenState()
{
    QFETCH(QStringList, clicks);
    QFETCH(QString, state);
    Program p;
    p.setDocument(kStart);
    Form* dialog = p.open(QStringLiteral("setTaskState"));
    typeInto(box(dialog, QStringLiteral("taskName")), QStringLiteral("tsk1"));
    for (const QString& name : clicks)
        QTest::mouseClick(child<QRadioButton>(dialog, name), Qt::LeftButton, {}, QPoint(6, 6));
    QCOMPARE(textOf(box(dialog, QStringLiteral("taskStatus"))), state);
    click(dialog, QStringLiteral("SetButton"));
    Program::settle();
    QCOMPARE(p.document(), kStart + QStringLiteral("tsk1 setTaskState ") + state + QStringLiteral(";\r\n"));

    dialog = p.open(QStringLiteral("setTaskState"));
    QVERIFY(child<QRadioButton>(dialog, QStringLiteral("createdRadio"))->isChecked());
    QCOMPARE(textOf(box(dialog, QStringLiteral("taskStatus"))), QStringLiteral("\"Created\""));
}

// Each colour option writes its preset into the four boxes; each icon option its keyword.
void TaskDialogsTest::taskHintPresetsAndIcons_data()
{
    QTest::addColumn<QString>("colour");
    QTest::addColumn<QString>("icon");
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("keyword");
    QTest::newRow("white, new") << "whiteRadio" << "newRadio" << "1, 1, 1, 1" << "taskNew";
    QTest::newRow("green, current") << "greenRadio" << "currentRadio" << "0, 1, 0, 1" << "taskCurrent";
    QTest::newRow("red, done") << "redRadio" << "doneRadio" << "1, 0, 0, 1" << "taskDone";
    QTest::newRow("grey, failed") << "greyRadio" << "failedRadio" << "0.75, 0.75, 0.75, 1" << "taskFailed";
    QTest::newRow("green, canceled") << "greenRadio" << "canceledRadio" << "0, 1, 0, 1" << "taskFailed";
}

void TaskDialogsTest::taskHintPresetsAndIcons()
{
    QFETCH(QString, colour);
    QFETCH(QString, icon);
    QFETCH(QString, list);
    QFETCH(QString, keyword);
    Program p;
    p.setDocument(kStart);
    Form* dialog = p.open(QStringLiteral("taskHint"));
    typeInto(box(dialog, QStringLiteral("hintText")), QStringLiteral("h"));
    // Away and back, so that every preset is really written by its own option.
    child<QRadioButton>(dialog, colour == QLatin1String("greyRadio") ? "redRadio" : "greyRadio")->click();
    child<QRadioButton>(dialog, colour)->click();
    child<QRadioButton>(dialog, icon)->click();
    click(dialog, QStringLiteral("AddButton"));
    Program::settle();
    QCOMPARE(p.document(), kStart + QStringLiteral("taskHint [\"h\", [%1], \"%2\"]; \r\n").arg(list, keyword));
}

void TaskDialogsTest::lineBreakGoesToTheEndOfTheHint()
{
    Program p;
    Form* dialog = p.open(QStringLiteral("taskHint"));
    auto* hint = child<QPlainTextEdit>(dialog, QStringLiteral("hintText"));
    typeInto(hint, QStringLiteral("one\r\ntwo"));
    hint->moveCursor(QTextCursor::Start);
    click(dialog, QStringLiteral("lineBreakButton"));
    click(dialog, QStringLiteral("lineBreakButton"));
    QCOMPARE(textOf(hint), QStringLiteral("one\r\ntwo<br /><br />"));
    QCOMPARE(hint->textCursor().position(), 0);
}

void TaskDialogsTest::pastedTextStaysOneLine_data()
{
    // Pasted with Ctrl+V into taskName, then "!" typed: the box the statement takes.
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("boxText");
    QTest::newRow("CRLF, LF and CR: one blank each") << "a\r\nb\nc\rd\r\n\r\n" << "a b c d  !";
    const QString longLine(40000, QLatin1Char('x'));
    QTest::newRow("longer than 32,767 characters") << longLine << longLine + QLatin1Char('!');
}

void TaskDialogsTest::pastedTextStaysOneLine()
{
    // Every single-line field of the dialogs is made by singleLineBox.
    QFETCH(QString, pasted);
    QFETCH(QString, boxText);
    Program p;
    p.setDocument(kStart);
    Form* dialog = p.open(QStringLiteral("createSimpleTask"));
    auto* name = child<QLineEdit>(dialog, QStringLiteral("taskName"));
    QGuiApplication::clipboard()->setText(pasted);
    QTest::keyClick(name, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClicks(name, QStringLiteral("!"));
    QCOMPARE(name->text().size(), boxText.size());
    QVERIFY(name->text() == boxText);
    typeInto(box(dialog, QStringLiteral("taskUnit")), QStringLiteral("player"));
    typeInto(box(dialog, QStringLiteral("taskDescription")), QStringLiteral("d"));
    click(dialog, QStringLiteral("AddButton"));
    QVERIFY(p.document() == kStart + boxText + QStringLiteral(" = player createSimpleTask [\"d\"];\r\n"));
}

QTEST_MAIN(TaskDialogsTest)
#include "taskdialogs_test.moc"
