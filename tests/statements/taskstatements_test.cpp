#include "statements/taskstatements.h"
#include "statements/twofieldtable.h"

#include <QTest>

using namespace saltor;

// The task statements byte for byte: an example statement of each kind, values of blanks only, double
// quotes, empty component values and multi-line values (their CRLF kept).
class TaskStatementsTest : public QObject {
    Q_OBJECT
private slots:
    void createSimpleTask_data();
    void createSimpleTask();
    void twoFieldRows_data();
    void twoFieldRows();
    void setTaskState_data();
    void setTaskState();
    void taskHint_data();
    void taskHint();
};

void TaskStatementsTest::createSimpleTask_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("expected");
    QTest::newRow("example") << "tsk1" << "player" << "Primary task: Seize Guglovo"
                             << "tsk1 = player createSimpleTask [\"Primary task: Seize Guglovo\"];\r\n";
    QTest::newRow("blanks only") << " " << "  " << "   " << "  =    createSimpleTask [\"   \"];\r\n";
    QTest::newRow("double quote") << "t" << "u" << "say \"hi\"" << "t = u createSimpleTask [\"say \"hi\"\"];\r\n";
    QTest::newRow("multi-line") << "t" << "u" << "a\r\nb" << "t = u createSimpleTask [\"a\r\nb\"];\r\n";
}

void TaskStatementsTest::createSimpleTask()
{
    QFETCH(QString, name);
    QFETCH(QString, unit);
    QFETCH(QString, description);
    QFETCH(QString, expected);
    QCOMPARE(createSimpleTaskStatement(name, unit, description), expected);
}

// Each row of the two-field table, built from its upper and lower values as the dialog does.
void TaskStatementsTest::twoFieldRows_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("upper");
    QTest::addColumn<QString>("lower");
    QTest::addColumn<QString>("expected");
    QTest::newRow("setCurrentTask") << "setCurrentTask" << "player" << "tsk1" << "player setCurrentTask tsk1;\r\n";
    QTest::newRow("setSimpleTaskDestination") << "setSimpleTaskDestination" << "tsk1" << "markerOBJ1"
                                              << "tsk1 setSimpleTaskDestination (getMarkerPos \"markerOBJ1\");\r\n";
    QTest::newRow("removeSimpleTask") << "removeSimpleTask" << "player" << "tsk1" << "player removeSimpleTask tsk1;\r\n";
    QTest::newRow("taskState") << "taskState" << "tsk1" << "getStatus" << "getStatus = taskState tsk1;\r\n";
    QTest::newRow("currentTask") << "currentTask" << "player" << "getCurrent" << "getCurrent = currentTask player;\r\n";
    QTest::newRow("blank unit") << "setCurrentTask" << " " << "tsk1" << "  setCurrentTask tsk1;\r\n";
    QTest::newRow("blanks only, assignment") << "taskState" << "  " << " " << "  = taskState   ;\r\n";
    QTest::newRow("quote in marker") << "setSimpleTaskDestination" << "t" << "a\"b"
                                     << "t setSimpleTaskDestination (getMarkerPos \"a\"b\");\r\n";
    QTest::newRow("multi-line") << "currentTask" << "a\r\nb" << "v" << "v = currentTask a\r\nb;\r\n";
}

void TaskStatementsTest::twoFieldRows()
{
    QFETCH(QString, form);
    QFETCH(QString, upper);
    QFETCH(QString, lower);
    QFETCH(QString, expected);
    const TwoFieldRow* row = twoFieldRow(form);
    QVERIFY(row);
    const auto value = [&](TwoFieldPosition position) { return position == TwoFieldPosition::Upper ? upper : lower; };
    QCOMPARE(twoFieldStatement(value(row->piece1), QString::fromLatin1(row->middle), value(row->piece3),
                               QString::fromLatin1(row->end)),
             expected);
}

void TaskStatementsTest::setTaskState_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("expected");
    QTest::newRow("succeeded") << "tsk1" << "\"Succeeded\"" << "tsk1 setTaskState \"Succeeded\";\r\n";
    QTest::newRow("created") << "tsk1" << "\"Created\"" << "tsk1 setTaskState \"Created\";\r\n";
    QTest::newRow("blanks only") << "  " << "\"Failed\"" << "   setTaskState \"Failed\";\r\n";
    QTest::newRow("quote and line break") << "a\"\r\nb" << "\"Assigned\"" << "a\"\r\nb setTaskState \"Assigned\";\r\n";
}

void TaskStatementsTest::setTaskState()
{
    QFETCH(QString, name);
    QFETCH(QString, status);
    QFETCH(QString, expected);
    QCOMPARE(setTaskStateStatement(name, status), expected);
}

void TaskStatementsTest::taskHint_data()
{
    QTest::addColumn<QStringList>("values"); // hint, red, green, blue, alpha, icon
    QTest::addColumn<QString>("expected");
    QTest::newRow("opening values") << QStringList{"TEXT", "1", "1", "1", "1", "taskNew"}
                                    << "taskHint [\"TEXT\", [1, 1, 1, 1], \"taskNew\"]; \r\n";
    QTest::newRow("grey, failed") << QStringList{"TASK FAILED !<br />Enemy", "0.75", "0.75", "0.75", "1", "taskFailed"}
                                  << "taskHint [\"TASK FAILED !<br />Enemy\", [0.75, 0.75, 0.75, 1], \"taskFailed\"]; \r\n";
    QTest::newRow("empty red, letters") << QStringList{"h", "", "x", "1", "1", "taskDone"}
                                        << "taskHint [\"h\", [, x, 1, 1], \"taskDone\"]; \r\n";
    QTest::newRow("blanks only") << QStringList{"  ", "1", "1", "1", "1", "taskNew"}
                                 << "taskHint [\"  \", [1, 1, 1, 1], \"taskNew\"]; \r\n";
    QTest::newRow("double quote") << QStringList{"a \"b\"", "1", "0", "0", "1", "taskCurrent"}
                                  << "taskHint [\"a \"b\"\", [1, 0, 0, 1], \"taskCurrent\"]; \r\n";
    QTest::newRow("multi-line") << QStringList{"one\r\ntwo", "0", "1", "0", "1", "taskNew"}
                                << "taskHint [\"one\r\ntwo\", [0, 1, 0, 1], \"taskNew\"]; \r\n";
}

void TaskStatementsTest::taskHint()
{
    QFETCH(QStringList, values);
    QFETCH(QString, expected);
    QCOMPARE(taskHintStatement(values[0], values[1], values[2], values[3], values[4], values[5]), expected);
}

QTEST_APPLESS_MAIN(TaskStatementsTest)
#include "taskstatements_test.moc"
