#include "support/testing.h"

#include "shell/dialogframe.h"

#include <QCheckBox>
#include <QTest>

using namespace saltor;
using namespace saltor::testing;

namespace {

const QString kStart = QStringLiteral("// start\r\n");

// One beep and one required-field message, nothing appended, the dialog still up.
void verifyOneRefusal(const Program& p)
{
    QCOMPARE(p.document(), kStart);
    QCOMPARE(p.platform.beeps, 1);
    QCOMPARE(p.platform.messages.size(), 1);
    QCOMPARE(p.platform.messages.first().prompt, kFillAllFields);
    QCOMPARE(p.platform.messages.first().icon, MessageIcon::Exclamation);
    QCOMPARE(p.platform.messages.first().buttons, MessageButtons::Ok);
    QCOMPARE(p.platform.messages.first().title, kAppTitle);
    QVERIFY(p.mainDisabled());
}

} // namespace

// The diary record and task description dialogs: their statements, required fields, the
// switchable section box and their design-time values.
class RecordDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void diaryRecordAppendsStatement_data();
    void diaryRecordAppendsStatement();
    void diaryRecordRequiredFields_data();
    void diaryRecordRequiredFields();
    void untickedSectionKeepsItsTextGreyed();
    void typedTwoLineDescriptionGivesTwoLineStatement();
    void taskDescriptionAppendsStatement_data();
    void taskDescriptionAppendsStatement();
    void taskDescriptionRefusesWithOnlyWaypoint();
    void lineBreakTwiceGoesToTheEnd_data();
    void lineBreakTwiceGoesToTheEnd();
    void reopeningShowsDesignTimeValues_data();
    void reopeningShowsDesignTimeValues();
};

void RecordDialogsTest::diaryRecordAppendsStatement_data()
{
    QTest::addColumn<bool>("ticked");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("expected");
    QTest::newRow("with section") << true << "Recon"
                                  << "player createDiaryRecord [\"Diary\", [\"Recon\", \"Our recon observed following...\"]];\r\n";
    QTest::newRow("without section, box ignored")
        << false << "Recon" << "player createDiaryRecord [\"Diary\", \"Our recon observed following...\"];\r\n";
    QTest::newRow("without section, box empty")
        << false << "" << "player createDiaryRecord [\"Diary\", \"Our recon observed following...\"];\r\n";
}

void RecordDialogsTest::diaryRecordAppendsStatement()
{
    QFETCH(bool, ticked);
    QFETCH(QString, section);
    QFETCH(QString, expected);
    Program p;
    p.setDocument(kStart);
    Form* form = p.open(QStringLiteral("createDiaryRecord"));
    QVERIFY(p.mainDisabled());
    typeInto(child<QWidget>(form, QStringLiteral("unitName")), QStringLiteral("player"));
    typeInto(child<QWidget>(form, QStringLiteral("recordPart")), section);
    typeInto(child<QWidget>(form, QStringLiteral("recordDescription")), QStringLiteral("Our recon observed following..."));
    child<QCheckBox>(form, QStringLiteral("Check"))->setChecked(ticked);
    click(form, QStringLiteral("AddButton"));
    Program::settle();

    QCOMPARE(p.document(), kStart + expected);
    QCOMPARE(p.platform.beeps, 0);
    QVERIFY(!p.editor->form(QStringLiteral("createDiaryRecord")));
    QVERIFY(p.mainEnabled());
}

void RecordDialogsTest::diaryRecordRequiredFields_data()
{
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("description");
    QTest::addColumn<bool>("ticked");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("ticked, section empty") << "player" << "" << "d" << true << false;
    QTest::newRow("unticked, section empty") << "player" << "" << "d" << false << true;
    QTest::newRow("unit empty") << "" << "S" << "d" << true << false;
    QTest::newRow("description empty, unticked") << "player" << "S" << "" << false << false;
    QTest::newRow("all empty") << "" << "" << "" << true << false;
    QTest::newRow("blanks count as filled") << " " << " " << " " << true << true;
}

void RecordDialogsTest::diaryRecordRequiredFields()
{
    QFETCH(QString, unit);
    QFETCH(QString, section);
    QFETCH(QString, description);
    QFETCH(bool, ticked);
    QFETCH(bool, accepted);
    Program p;
    p.setDocument(kStart);
    Form* form = p.open(QStringLiteral("createDiaryRecord"));
    typeInto(child<QWidget>(form, QStringLiteral("unitName")), unit);
    typeInto(child<QWidget>(form, QStringLiteral("recordPart")), section);
    typeInto(child<QWidget>(form, QStringLiteral("recordDescription")), description);
    child<QCheckBox>(form, QStringLiteral("Check"))->setChecked(ticked);
    click(form, QStringLiteral("AddButton"));
    Program::settle();

    if (accepted) {
        QVERIFY(p.document().size() > kStart.size());
        QCOMPARE(p.platform.beeps, 0);
        QVERIFY(p.mainEnabled());
        return;
    }
    verifyOneRefusal(p);
    QCOMPARE(p.editor->form(QStringLiteral("createDiaryRecord")), form);
    QCOMPARE(textOf(child<QWidget>(form, QStringLiteral("recordPart"))), section);
    QCOMPARE(child<QCheckBox>(form, QStringLiteral("Check"))->isChecked(), ticked);
}

void RecordDialogsTest::untickedSectionKeepsItsTextGreyed()
{
    Program p;
    Form* form = p.open(QStringLiteral("createDiaryRecord"));
    auto* check = child<QCheckBox>(form, QStringLiteral("Check"));
    auto* part = child<QWidget>(form, QStringLiteral("recordPart"));
    typeInto(part, QStringLiteral("Recon"));

    QTest::mouseClick(check, Qt::LeftButton);
    QVERIFY(!check->isChecked());
    QVERIFY(!part->isEnabled());
    QCOMPARE(fieldColor(part), inactiveFieldColor());
    QVERIFY(inactiveFieldColor() != activeFieldColor());
    QCOMPARE(textOf(part), QStringLiteral("Recon"));
    // The kept text stays readable on the grey.
    const QColor text = part->palette().color(QPalette::Disabled, QPalette::Text);
    QVERIFY(qAbs(text.lightness() - inactiveFieldColor().lightness()) > 40);

    QTest::mouseClick(check, Qt::LeftButton);
    QVERIFY(check->isChecked());
    QVERIFY(part->isEnabled());
    QCOMPARE(fieldColor(part), activeFieldColor());
    QCOMPARE(textOf(part), QStringLiteral("Recon"));
}

void RecordDialogsTest::typedTwoLineDescriptionGivesTwoLineStatement()
{
    Program p;
    p.setDocument(kStart);
    Form* form = p.open(QStringLiteral("createDiaryRecord"));
    typeInto(child<QWidget>(form, QStringLiteral("unitName")), QStringLiteral("player"));
    typeInto(child<QWidget>(form, QStringLiteral("recordPart")), QStringLiteral("Recon"));
    auto* description = child<QWidget>(form, QStringLiteral("recordDescription"));
    // Enter in the multi-line box types a line break and clicks no button.
    QTest::keyClicks(description, QStringLiteral("line one"));
    QTest::keyClick(description, Qt::Key_Return);
    QTest::keyClicks(description, QStringLiteral("line two"));
    QCOMPARE(p.editor->form(QStringLiteral("createDiaryRecord")), form);
    click(form, QStringLiteral("AddButton"));

    QCOMPARE(p.document(),
             kStart + "player createDiaryRecord [\"Diary\", [\"Recon\", \"line one\r\nline two\"]];\r\n");
    QCOMPARE(p.main().textPreview()->blockCount(), 4); // start, two statement lines, the empty last line
}

void RecordDialogsTest::taskDescriptionAppendsStatement_data()
{
    QTest::addColumn<QString>("waypoint");
    QTest::addColumn<QString>("expected");
    QTest::newRow("example")
        << "To target zone"
        << "tsk1 setSimpleTaskDescription [\"Be quick and precise!\", \"Primary objective\", \"To target zone\"];\r\n";
    QTest::newRow("empty waypoint")
        << "" << "tsk1 setSimpleTaskDescription [\"Be quick and precise!\", \"Primary objective\", \"\"];\r\n";
}

void RecordDialogsTest::taskDescriptionAppendsStatement()
{
    QFETCH(QString, waypoint);
    QFETCH(QString, expected);
    Program p;
    p.setDocument(kStart);
    Form* form = p.open(QStringLiteral("setSimpleTaskDescription"));
    QVERIFY(p.mainDisabled());
    typeInto(child<QWidget>(form, QStringLiteral("taskName")), QStringLiteral("tsk1"));
    typeInto(child<QWidget>(form, QStringLiteral("taskNameText")), QStringLiteral("Primary objective"));
    typeInto(child<QWidget>(form, QStringLiteral("taskDescription")), QStringLiteral("Be quick and precise!"));
    typeInto(child<QWidget>(form, QStringLiteral("waypointName")), waypoint);
    click(form, QStringLiteral("AddButton"));
    Program::settle();

    QCOMPARE(p.document(), kStart + expected);
    QCOMPARE(p.platform.beeps, 0);
    QVERIFY(!p.editor->form(QStringLiteral("setSimpleTaskDescription")));
    QVERIFY(p.mainEnabled());
}

void RecordDialogsTest::taskDescriptionRefusesWithOnlyWaypoint()
{
    Program p;
    p.setDocument(kStart);
    Form* form = p.open(QStringLiteral("setSimpleTaskDescription"));
    typeInto(child<QWidget>(form, QStringLiteral("waypointName")), QStringLiteral("To target zone"));
    click(form, QStringLiteral("AddButton"));

    verifyOneRefusal(p);
    QCOMPARE(textOf(child<QWidget>(form, QStringLiteral("waypointName"))), QStringLiteral("To target zone"));
}

void RecordDialogsTest::lineBreakTwiceGoesToTheEnd_data()
{
    QTest::addColumn<QString>("formName");
    QTest::addColumn<QString>("boxName");
    QTest::newRow("diary record") << "createDiaryRecord" << "recordDescription";
    QTest::newRow("task description") << "setSimpleTaskDescription" << "taskDescription";
}

void RecordDialogsTest::lineBreakTwiceGoesToTheEnd()
{
    QFETCH(QString, formName);
    QFETCH(QString, boxName);
    Program p;
    Form* form = p.open(formName);
    auto* box = child<QPlainTextEdit>(form, boxName);

    click(form, QStringLiteral("addLineBreakButton"));
    click(form, QStringLiteral("addLineBreakButton"));
    QCOMPARE(textOf(box), QStringLiteral("<br /><br />"));

    typeInto(box, QStringLiteral("ab\r\ncd"));
    box->moveCursor(QTextCursor::Start);
    click(form, QStringLiteral("addLineBreakButton"));
    QCOMPARE(textOf(box), QStringLiteral("ab\r\ncd<br />"));
    QCOMPARE(box->textCursor().position(), 0);
}

void RecordDialogsTest::reopeningShowsDesignTimeValues_data()
{
    QTest::addColumn<QString>("hostName");
    QTest::addColumn<QString>("formName");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QString>("cancelBy");
    const QString none;
    QTest::newRow("createDiaryRecord")
        << none << "createDiaryRecord" << QStringList{"unitName", "recordPart", "recordDescription"} << "CancelButton";
    QTest::newRow("setSimpleTaskDescription")
        << none << "setSimpleTaskDescription"
        << QStringList{"taskName", "taskNameText", "taskDescription", "waypointName"} << "Escape";
    QTest::newRow("sub_addMarker") << "createDiaryRecord" << "sub_addMarker"
                                   << QStringList{"markerName", "textAssignedToMarker"} << "CancelButton";
    QTest::newRow("task_addMarker") << "setSimpleTaskDescription" << "task_addMarker"
                                    << QStringList{"markerName", "textAssignedToMarker"} << "Escape";
    QTest::newRow("sub_addPicture") << "createDiaryRecord" << "sub_addPicture"
                                    << QStringList{"pictureName", "pictureWidth", "pictureHeight"} << "Escape";
    QTest::newRow("task_addPicture") << "setSimpleTaskDescription" << "task_addPicture"
                                     << QStringList{"pictureName", "pictureWidth", "pictureHeight"} << "CancelButton";
}

void RecordDialogsTest::reopeningShowsDesignTimeValues()
{
    QFETCH(QString, hostName);
    QFETCH(QString, formName);
    QFETCH(QStringList, boxes);
    QFETCH(QString, cancelBy);
    Program p;
    if (!hostName.isEmpty())
        p.open(hostName);

    for (int round = 0; round < 2; ++round) {
        Form* form = p.open(formName);
        QVERIFY(form);
        for (const QString& name : boxes) {
            auto* box = child<QWidget>(form, name);
            QCOMPARE(textOf(box), QString());
            QVERIFY(box->isEnabled());
            QCOMPARE(fieldColor(box), activeFieldColor());
        }
        QCOMPARE(form->focusWidget(), child<QWidget>(form, boxes.first()));
        if (auto* check = form->findChild<QCheckBox*>(QStringLiteral("Check")))
            QVERIFY(check->isChecked());

        for (const QString& name : boxes)
            typeInto(child<QWidget>(form, name), QStringLiteral("typed"));
        if (auto* check = form->findChild<QCheckBox*>(QStringLiteral("Check")))
            check->setChecked(false);
        if (cancelBy == QLatin1String("Escape"))
            QTest::keyClick(child<QWidget>(form, boxes.first()), Qt::Key_Escape);
        else
            click(form, cancelBy);
        Program::settle();
        QVERIFY(!p.editor->form(formName));
    }
    QCOMPARE(p.platform.beeps, 0);
}

QTEST_MAIN(RecordDialogsTest)
#include "recorddialogs_test.moc"
