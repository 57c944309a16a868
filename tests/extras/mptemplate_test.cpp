// The multiplayer template: its text, and the dialog that appends it to the Document.
#include "extras/mptemplate.h"
#include "support/testing.h"

#include <QCheckBox>
#include <QTest>

using namespace saltor;
using namespace saltor::testing;

namespace {

const QString kHeader = QStringLiteral("// Basic MP briefing template created in Saltor Editor by Tavik\r\n\r\n");
const QString kUnitNameMessage =
    QStringLiteral(" Write the name for the playable unit or click on the Cancel button. ");
const char* const kSideBoxes[] = {"Check_BLUFOR", "Check_OPFOR", "Check_RES", "Check_CIV"};

QString block(const char* caseLabel, const char* placeholder)
{
    return QStringLiteral("\t%1\r\n\t\t{\r\n\t\t\t%2\r\n\r\n\t\t};\r\n\r\n")
        .arg(QLatin1String(caseLabel), QLatin1String(placeholder));
}

} // namespace

class MpTemplateTest : public QObject {
    Q_OBJECT
private slots:
    void templateText_data();
    void templateText();
    void allSidesCounts();

    void emptyUnitNameIsRefused();
    void createAppendsTheTickedSides();
    void templateContinuesALastLineWithoutBreak();
    void cancelAndEscapeAppendNothing_data();
    void cancelAndEscapeAppendNothing();
};

void MpTemplateTest::templateText_data()
{
    QTest::addColumn<QString>("unitName");
    QTest::addColumn<MpSideTicks>("ticked");
    QTest::addColumn<QString>("expected");

    const QString west = block("case WEST:", "// briefing code for the BLUFOR");
    const QString east = block("case EAST:", "// briefing code for the OPFOR");
    const QString res = block("case RESISTANCE:", "// briefing code for the RES");
    const QString civ = block("case CIVILIAN:", "// briefing code for the CIV");

    QTest::newRow("all sides") << "player" << MpSideTicks{true, true, true, true}
        << kHeader + "switch (side player) do {\r\n\r\n" + west + east + res + civ + "};\r\n";
    QTest::newRow("no side") << "player" << MpSideTicks{}
        << kHeader + "switch (side player) do {\r\n\r\n};\r\n";
    QTest::newRow("only Civilian") << "player" << MpSideTicks{false, false, false, true}
        << kHeader + "switch (side player) do {\r\n\r\n" + civ + "};\r\n";
    QTest::newRow("west and resistance") << "p1" << MpSideTicks{true, false, true, false}
        << kHeader + "switch (side p1) do {\r\n\r\n" + west + res + "};\r\n";
    QTest::newRow("blanks as name") << "   " << MpSideTicks{}
        << kHeader + "switch (side    ) do {\r\n\r\n};\r\n";
}

void MpTemplateTest::templateText()
{
    QFETCH(QString, unitName);
    QFETCH(MpSideTicks, ticked);
    QFETCH(QString, expected);

    QCOMPARE(mpTemplate(unitName, ticked), expected);
}

void MpTemplateTest::allSidesCounts()
{
    const QString text = mpTemplate("player", {true, true, true, true});
    QCOMPARE(int(text.count(QStringLiteral("\r\n"))), 29);
    QCOMPARE(int(text.count(QLatin1Char('\n'))), 29);
    QCOMPARE(int(text.count(QLatin1Char('\t'))), 32);
    QCOMPARE(int(mpTemplate("player", {}).count(QStringLiteral("\r\n"))), 5);
    QVERIFY(!mpTemplate("player", {}).contains(QLatin1Char('\t')));
}

void MpTemplateTest::emptyUnitNameIsRefused()
{
    Program program;
    const QString before = program.document();
    Form* form = program.open("MP_template");
    child<QCheckBox>(form, "Check_RES")->click();
    QCOMPARE(form->focusWidget(), child<QWidget>(form, "playableUnitName"));

    click(form, "CreateButton");

    QCOMPARE(program.platform.beeps, 1);
    QCOMPARE(program.platform.messages.size(), 1);
    QCOMPARE(program.platform.messages[0].prompt, kUnitNameMessage);
    QCOMPARE(program.platform.messages[0].buttons, MessageButtons::Ok);
    QCOMPARE(program.platform.messages[0].icon, MessageIcon::Exclamation);
    QCOMPARE(program.platform.messages[0].title, QStringLiteral("Saltor Editor"));
    QCOMPARE(program.document(), before);
    QCOMPARE(program.editor->form("MP_template"), form);
    QVERIFY(!child<QCheckBox>(form, "Check_RES")->isChecked());
    QVERIFY(program.mainDisabled());

    typeInto(child<QWidget>(form, "playableUnitName"), "player");
    click(form, "CreateButton");
    QCOMPARE(program.document(), before + mpTemplate("player", {true, true, false, true}));
    QCOMPARE(program.platform.beeps, 1);
    QCOMPARE(program.editor->form("MP_template"), nullptr);
    QVERIFY(program.mainEnabled());
}

void MpTemplateTest::createAppendsTheTickedSides()
{
    for (int side = 0; side < kMpSideCount; ++side) {
        Program program;
        program.setDocument("// mission\r\n");
        Form* form = program.open("MP_template");
        // Only this side stays ticked; toggling a box twice changes nothing.
        for (const char* name : kSideBoxes)
            child<QCheckBox>(form, name)->click();
        child<QCheckBox>(form, kSideBoxes[side])->click();
        child<QCheckBox>(form, kSideBoxes[(side + 1) % kMpSideCount])->click();
        child<QCheckBox>(form, kSideBoxes[(side + 1) % kMpSideCount])->click();
        typeInto(child<QWidget>(form, "playableUnitName"), "unit 1");

        click(form, "CreateButton");

        MpSideTicks ticked{};
        ticked[side] = true;
        QCOMPARE(program.document(), "// mission\r\n" + mpTemplate("unit 1", ticked));
    }
}

void MpTemplateTest::templateContinuesALastLineWithoutBreak()
{
    Program program;
    program.setDocument("hint = 1;");
    Form* form = program.open("MP_template");
    typeInto(child<QWidget>(form, "playableUnitName"), "player");
    click(form, "CreateButton");
    QVERIFY(program.document().startsWith("hint = 1;// Basic MP briefing template"));
    QCOMPARE(program.document(), "hint = 1;" + mpTemplate("player", {true, true, true, true}));
}

void MpTemplateTest::cancelAndEscapeAppendNothing_data()
{
    QTest::addColumn<bool>("escape");
    QTest::newRow("Cancel") << false;
    QTest::newRow("Escape") << true;
}

void MpTemplateTest::cancelAndEscapeAppendNothing()
{
    QFETCH(bool, escape);

    Program program;
    const QString before = program.document();
    Form* form = program.open("MP_template");
    typeInto(child<QWidget>(form, "playableUnitName"), "player");
    if (escape)
        QTest::keyClick(form, Qt::Key_Escape);
    else
        click(form, "CancelButton");
    QCOMPARE(program.document(), before);
    QCOMPARE(program.editor->form("MP_template"), nullptr);
    QVERIFY(program.mainEnabled());

    Form* again = program.open("MP_template");
    QCOMPARE(textOf(child<QWidget>(again, "playableUnitName")), QString());
    for (const char* name : kSideBoxes)
        QVERIFY(child<QCheckBox>(again, name)->isChecked());
}

QTEST_MAIN(MpTemplateTest)
#include "mptemplate_test.moc"
