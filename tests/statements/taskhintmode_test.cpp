#include "support/testing.h"

#include "shell/dialogframe.h"
#include "statements/taskhint.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QTest>

using namespace saltor;
using namespace saltor::testing;

namespace {

const QStringList kColourRadios = {"whiteRadio", "greenRadio", "redRadio", "greyRadio"};
const QStringList kComponents = {"redText", "greenText", "blueText", "alphaText"};

void clickBox(QCheckBox* box, bool mouse)
{
    if (mouse)
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    else
        box->click();
}

// Checks that the dialog shows exactly the Default or the Manual state of the colour mode.
void verifyMode(QWidget* dialog, bool manual)
{
    QCOMPARE(child<QCheckBox>(dialog, "Check_default")->isChecked(), !manual);
    QCOMPARE(child<QCheckBox>(dialog, "Check_manual")->isChecked(), manual);
    for (const QString& name : kColourRadios)
        QVERIFY2(child<QRadioButton>(dialog, name)->isEnabled() == !manual, qPrintable(name));
    for (const QString& name : kComponents) {
        QWidget* box = child<QWidget>(dialog, name);
        QVERIFY2(box->isEnabled() == manual, qPrintable(name));
        QCOMPARE(fieldColor(box), manual ? activeFieldColor() : inactiveFieldColor());
    }
}

} // namespace

// The colour-mode pair of taskHint: exactly one of Default and Manual is ticked after every
// click, the controls follow the mode, and a mode change never touches the colour values.
class TaskHintModeTest : public QObject {
    Q_OBJECT
private slots:
    void clicksEndInTheStatesOfTheMode_data();
    void clicksEndInTheStatesOfTheMode();
    void typedValuesSurviveModeChanges();
};

void TaskHintModeTest::clicksEndInTheStatesOfTheMode_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<bool>("mouse");
    QTest::addColumn<bool>("manual");
    for (bool mouse : {true, false}) {
        const char* how = mouse ? "mouse" : "click()";
        QTest::addRow("opening, %s", how) << QStringList() << mouse << false;
        QTest::addRow("Default, Default clicked, %s", how) << QStringList{"Check_default"} << mouse << false;
        QTest::addRow("Default, Manual clicked, %s", how) << QStringList{"Check_manual"} << mouse << true;
        QTest::addRow("Manual, Manual clicked, %s", how) << QStringList{"Check_manual", "Check_manual"} << mouse << true;
        QTest::addRow("Manual, Default clicked, %s", how) << QStringList{"Check_manual", "Check_default"} << mouse << false;
        QTest::addRow("there and back twice, %s", how)
            << QStringList{"Check_manual", "Check_default", "Check_default", "Check_manual"} << mouse << true;
    }
}

void TaskHintModeTest::clicksEndInTheStatesOfTheMode()
{
    QFETCH(QStringList, clicks);
    QFETCH(bool, mouse);
    QFETCH(bool, manual);
    Program p;
    auto* dialog = qobject_cast<TaskHint*>(p.open(QStringLiteral("taskHint")));
    QVERIFY(dialog);
    for (const QString& name : clicks)
        clickBox(child<QCheckBox>(dialog, name), mouse);

    verifyMode(dialog, manual);
    for (const QString& name : kComponents)
        QCOMPARE(textOf(child<QWidget>(dialog, name)), QStringLiteral("1"));
    QVERIFY(child<QRadioButton>(dialog, "whiteRadio")->isChecked());
    QVERIFY(child<QRadioButton>(dialog, "newRadio")->isChecked());
    QCOMPARE(dialog->selectedIcon(), QStringLiteral("taskNew"));
}

void TaskHintModeTest::typedValuesSurviveModeChanges()
{
    Program p;
    p.setDocument(QStringLiteral("x\r\n"));
    auto* dialog = qobject_cast<TaskHint*>(p.open(QStringLiteral("taskHint")));
    child<QRadioButton>(dialog, "greyRadio")->click();
    child<QRadioButton>(dialog, "doneRadio")->click();
    typeInto(child<QWidget>(dialog, "hintText"), QStringLiteral("h"));

    clickBox(child<QCheckBox>(dialog, "Check_manual"), true);
    const QStringList typed = {"0.1", "", "abc", " 1"};
    for (int i = 0; i < kComponents.size(); ++i) {
        auto* box = child<QLineEdit>(dialog, kComponents[i]);
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, typed[i]);
    }
    clickBox(child<QCheckBox>(dialog, "Check_default"), true);

    verifyMode(dialog, false);
    for (int i = 0; i < kComponents.size(); ++i)
        QCOMPARE(textOf(child<QWidget>(dialog, kComponents[i])), typed[i]);
    QVERIFY(child<QRadioButton>(dialog, "greyRadio")->isChecked());
    QCOMPARE(dialog->selectedIcon(), QStringLiteral("taskDone"));

    click(dialog, QStringLiteral("AddButton"));
    Program::settle();
    QCOMPARE(p.document(), QStringLiteral("x\r\ntaskHint [\"h\", [0.1, , abc,  1], \"taskDone\"]; \r\n"));
}

QTEST_MAIN(TaskHintModeTest)
#include "taskhintmode_test.moc"
