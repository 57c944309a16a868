#include "support/testing.h"

#include <QTest>

using namespace saltor;
using namespace saltor::testing;

// Every dialog form's window (caption, fixed client size, taskbar entry), its action button
// (name, caption, tool tip) and its CancelButton, and that no button is a default button.
class ActionButtonsTest : public QObject {
    Q_OBJECT
private slots:
    void dialogFrame_data();
    void dialogFrame();
};

void ActionButtonsTest::dialogFrame_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("host"); // a markup dialog opens on top of its host
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("toolTip");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("inTaskbar");

    const auto row = [](const char* form, const char* host, const char* button, const char* caption,
                        const char* toolTip, const char* title, QSize size, bool inTaskbar) {
        QTest::newRow(form) << QString::fromLatin1(form) << QString::fromLatin1(host) << QString::fromLatin1(button)
                            << QString::fromLatin1(caption) << QString::fromLatin1(toolTip)
                            << QString::fromLatin1(title) << size << inTaskbar;
    };
    row("createDiaryRecord", "", "AddButton", "Create",
        "Adds formated code for command createDiaryRecord into the preview code window", "createDiaryRecord",
        QSize(481, 441), true);
    row("createSimpleTask", "", "AddButton", "Create",
        "Adds formated code for command createSimpleTask into the preview code window", "createSimpleTask",
        QSize(433, 193), true);
    row("setSimpleTaskDescription", "", "AddButton", "Set",
        "Adds formated code for command setSimpleTaskDescription into the preview code window",
        "setSimpleTaskDescription", QSize(433, 441), true);
    row("setSimpleTaskDestination", "", "AddButton", "Set",
        "Adds formated code for command setSimpleTaskDestination into the preview code window",
        "setSimpleTaskDestination", QSize(249, 193), false);
    row("setCurrentTask", "", "SetButton", "Set",
        "Add formated code for command setCurrentTask into the preview code window", "setCurrentTask",
        QSize(225, 209), false);
    row("setTaskState", "", "SetButton", "Set",
        "Add formated code for command setTaskState into the preview code window", "setTaskState",
        QSize(225, 289), false);
    row("removeSimpleTask", "", "SetButton", "Set",
        "Add formated code for command removeSimpleTask into the preview code window", "removeSimpleTask",
        QSize(225, 201), false);
    row("taskHint", "", "AddButton", "Add", "Add formated code for command taskHint into the preview code window",
        "taskHint", QSize(345, 369), false);
    row("taskState", "", "GetButton", "Get", "Add formated code for command taskState into the preview code window",
        "taskState", QSize(257, 193), false);
    row("currentTask", "", "GetButton", "Get",
        "Adds formated code for command currentTask into the preview code window", "currentTask", QSize(257, 193),
        false);
    row("Addcomment", "", "AddButton", "Add", "Adds multiline comment into the preview code window", "Add comment",
        QSize(465, 177), false);
    row("sub_addMarker", "createDiaryRecord", "AddButton", "Add", "Adds code for marker into the preview code window",
        "Add marker", QSize(273, 257), false);
    row("task_addMarker", "setSimpleTaskDescription", "AddButton", "Add",
        "Adds code for marker into the preview code window", "Add marker", QSize(273, 257), false);
    row("sub_addPicture", "createDiaryRecord", "AddButton", "Add", "Adds image code into the preview code window",
        "Add picture", QSize(249, 193), false);
    row("task_addPicture", "setSimpleTaskDescription", "AddButton", "Add",
        "Adds image code into the preview code window", "Add picture", QSize(249, 193), false);
    row("overview", "", "CreateButton", "Create", "Create overview.html file with selected items",
        "Saltor Editor - Overview generator", QSize(321, 377), true);
    row("debriefing", "", "CreateButton", "Create", "Create briefing.html file with selected items",
        "Saltor Editor - Debriefing generator", QSize(359, 282), false);
    row("MP_template", "", "CreateButton", "Create", "Create MP briefing template with selected items",
        "Saltor Editor - MP template generator", QSize(201, 265), false);
}

void ActionButtonsTest::dialogFrame()
{
    QFETCH(QString, form);
    QFETCH(QString, host);
    QFETCH(QString, button);
    QFETCH(QString, caption);
    QFETCH(QString, toolTip);
    QFETCH(QString, title);
    QFETCH(QSize, size);
    QFETCH(bool, inTaskbar);
    Program p;
    if (!host.isEmpty())
        QVERIFY(p.open(host));
    Form* dialog = p.open(form);
    QVERIFY(dialog);

    QCOMPARE(dialog->windowTitle(), title);
    QCOMPARE(dialog->minimumSize(), size);
    QCOMPARE(dialog->maximumSize(), size);
    QCOMPARE((dialog->windowFlags() & Qt::WindowType_Mask) != Qt::Tool, inTaskbar);

    auto* action = child<QPushButton>(dialog, button);
    QVERIFY(action);
    QCOMPARE(action->text(), caption);
    QCOMPARE(action->toolTip(), toolTip);
    auto* cancel = child<QPushButton>(dialog, QStringLiteral("CancelButton"));
    QVERIFY(cancel);
    QCOMPARE(cancel->text(), QStringLiteral("Cancel"));
    QCOMPARE(cancel->toolTip(), QStringLiteral("Close this subform without any changes"));
    for (QPushButton* any : dialog->findChildren<QPushButton*>())
        QVERIFY2(!any->isDefault(), qPrintable(any->objectName()));
}

QTEST_MAIN(ActionButtonsTest)
#include "actionbuttons_test.moc"
