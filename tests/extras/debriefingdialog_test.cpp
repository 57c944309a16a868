// The debriefing dialog: its seven sections, the tab indicator and the save.
#include "extras/briefingpage.h"
#include "shell/dialogframe.h"
#include "support/testing.h"

#include <QCheckBox>
#include <QLabel>
#include <QPointer>
#include <QTabWidget>
#include <QTest>

using namespace saltor;
using namespace saltor::testing;

namespace {

struct SectionNames {
    const char* check;
    const char* title;
    const char* description;
    const char* button;
};

const SectionNames kSections[] = {
    {"Check1", "End1Text1", "End1Text2", "End1lineBreakButton"},
    {"Check2", "End2Text1", "End2Text2", "End2lineBreakButton"},
    {"Check3", "End3Text1", "End3Text2", "End3lineBreakButton"},
    {"Check4", "End4Text1", "End4Text2", "End4lineBreakButton"},
    {"Check5", "End5Text1", "End5Text2", "End5lineBreakButton"},
    {"Check6", "End6Text1", "End6Text2", "End6lineBreakButton"},
    {"Check7", "LooseText1", "LooseText2", "LooselineBreakButton"},
};

const QStringList kTabCaptions = {"End 1", "End 2", "End 3", "End 4", "End 5", "End 6", "Loose"};

// A section is on (ticked, boxes and button enabled, boxes in the window colour) or off
// (unticked, all disabled, boxes grey); its boxes hold title and description.
void verifySection(Form* form, const SectionNames& names, bool on, const QString& title = {},
                   const QString& description = {})
{
    QCOMPARE(child<QCheckBox>(form, names.check)->isChecked(), on);
    QCOMPARE(child<QPushButton>(form, names.button)->isEnabled(), on);
    for (const char* name : {names.title, names.description}) {
        auto* box = child<QWidget>(form, name);
        QVERIFY2(box->isEnabled() == on, name);
        QVERIFY2(fieldColor(box) == (on ? activeFieldColor() : inactiveFieldColor()), name);
    }
    QCOMPARE(textOf(child<QWidget>(form, names.title)), title);
    QCOMPARE(textOf(child<QWidget>(form, names.description)), description);
}

QString indicator(Form* form)
{
    return child<QLabel>(form, "TabIndicator")->text();
}

} // namespace

class DebriefingDialogTest : public QObject {
    Q_OBJECT
private slots:
    void opensWithEnd1Only();
    void tabOrderIsTheForms();
    void tabIndicatorFollowsTheTab_data();
    void tabIndicatorFollowsTheTab();
    void sectionCheckBoxFamily_data();
    void sectionCheckBoxFamily();
    void createWritesTheEnd1Example();
    void createReadsTheTickedSectionsInOrder();
    void failedWriteStaysOpenThenACancelCloses();
};

void DebriefingDialogTest::opensWithEnd1Only()
{
    Program program;
    for (int opening = 0; opening < 2; ++opening) {
        Form* form = program.open("debriefing");
        QVERIFY(program.mainDisabled());
        auto* tabs = child<QTabWidget>(form, "SSTab1");
        QCOMPARE(tabs->count(), kTabCaptions.size());
        for (int i = 0; i < tabs->count(); ++i)
            QCOMPARE(tabs->tabText(i), kTabCaptions[i]);
        QCOMPARE(tabs->currentIndex(), 0);
        QCOMPARE(indicator(form), QStringLiteral("Current tab: End 1"));
        for (int i = 0; i < 7; ++i)
            verifySection(form, kSections[i], i == 0);
        QCOMPARE(form->focusWidget(), child<QWidget>(form, "Check1"));

        // What is changed here must be gone at the next opening.
        child<QCheckBox>(form, "Check4")->click();
        typeInto(child<QWidget>(form, "End1Text1"), "typed");
        tabs->setCurrentIndex(6);
        click(form, "CancelButton");
        QVERIFY(program.mainEnabled());
        Program::settle();
    }
}

void DebriefingDialogTest::tabOrderIsTheForms()
{
    // The form's own order: the controls follow the first section, and End5Text2 stands
    // among the End2 controls.
    const QStringList order = {
        "Check1", "End1Text1", "End1Text2", "End1lineBreakButton", "CreateButton", "CancelButton",
        "Check2", "End2Text1", "End2Text2", "End2lineBreakButton", "End5Text2",
        "Check3", "End3Text1", "End3Text2", "End3lineBreakButton",
        "Check4", "End4Text1", "End4Text2", "End4lineBreakButton",
        "Check5", "End5Text1", "End5lineBreakButton",
        "Check6", "End6Text1", "End6Text2", "End6lineBreakButton",
        "Check7", "LooseText1", "LooseText2", "LooselineBreakButton"};
    Program program;
    QCOMPARE(tabChain(program.open("debriefing"), order), order);
}

void DebriefingDialogTest::tabIndicatorFollowsTheTab_data()
{
    QTest::addColumn<QList<int>>("tabs");
    QTest::addColumn<QString>("caption");

    QTest::newRow("Loose") << QList<int>{6} << "Current tab: Loose";
    QTest::newRow("End 3") << QList<int>{2} << "Current tab: End 3";
    QTest::newRow("there and back") << QList<int>{4, 1, 0} << "Current tab: End 1";
}

void DebriefingDialogTest::tabIndicatorFollowsTheTab()
{
    QFETCH(QList<int>, tabs);
    QFETCH(QString, caption);

    Program program;
    Form* form = program.open("debriefing");
    for (int tab : tabs)
        child<QTabWidget>(form, "SSTab1")->setCurrentIndex(tab);
    QCOMPARE(indicator(form), caption);
    for (int i = 0; i < 7; ++i)
        verifySection(form, kSections[i], i == 0);
}

void DebriefingDialogTest::sectionCheckBoxFamily_data()
{
    QTest::addColumn<int>("section");
    for (int i = 0; i < 7; ++i)
        QTest::newRow(kSections[i].check) << i;
}

void DebriefingDialogTest::sectionCheckBoxFamily()
{
    QFETCH(int, section);
    const SectionNames& names = kSections[section];

    Program program;
    Form* form = program.open("debriefing");
    child<QTabWidget>(form, "SSTab1")->setCurrentIndex(section);
    auto* check = child<QCheckBox>(form, names.check);
    auto* description = child<QPlainTextEdit>(form, names.description);
    if (!check->isChecked()) {
        check->click();
        verifySection(form, names, true);
    }

    typeInto(child<QWidget>(form, names.title), "Title");
    typeInto(description, "Text");
    description->moveCursor(QTextCursor::Start);
    click(form, names.button);
    verifySection(form, names, true, "Title", "Text<br />\r\n");

    check->click();
    verifySection(form, names, false);
    // The line-break guard itself: a disabled button would never reach it, so the button is
    // switched on while the box stays off.
    auto* lineBreak = child<QPushButton>(form, names.button);
    lineBreak->setEnabled(true);
    lineBreak->click();
    QCOMPARE(textOf(description), QString());

    check->click();
    verifySection(form, names, true);
    for (int other = 0; other < 7; ++other)
        if (other != section)
            QCOMPARE(child<QCheckBox>(form, kSections[other].check)->isChecked(), other == 0);
}

void DebriefingDialogTest::createWritesTheEnd1Example()
{
    Program program;
    QPointer<Form> form = program.open("debriefing");
    typeInto(child<QWidget>(form, "End1Text1"), "Victory");
    typeInto(child<QWidget>(form, "End1Text2"), "All objectives taken.");
    program.platform.fileAnswers.enqueue(QStringLiteral("/out/briefing.html"));

    click(form, "CreateButton");

    const QByteArray expected =
        "<html>\r\n<head>\r\n\t<title>Briefing</title>\r\n</head>\r\n<body>\r\n\r\n<!-- Notes -->\r\n"
        "\t<h2><a name=\"Main\"></a></h2>\r\n\t<h6></h6>\r\n\t<hr />\r\n\r\n<!-- Briefing -->\r\n"
        "\t<h2><a name=\"Plan\"></a></h2>\r\n\t<hr />\r\n\r\n<!-- Debriefing -->\r\n"
        "<br />\r\n<h2><p><a name=\"Debriefing:End1\">Victory</a></p></h2>\r\n<br />\r\n"
        "\t<p>All objectives taken.</p>\r\n<br />\r\n<hr />\r\n\r\n"
        "\r\n\t\r\n\t\r\n\t\r\n\t\r\n\t\r\n\t\r\n</body>\r\n</html>";
    QCOMPARE(program.platform.files.value("/out/briefing.html"), expected);
    QCOMPARE(program.platform.fileDialogs.size(), 1);
    QCOMPARE(program.platform.fileDialogs[0].filter, QStringLiteral("briefing.html (briefing.html)"));
    QCOMPARE(program.editor->form("debriefing"), nullptr);
    Program::settle();
    QVERIFY(form.isNull());
    QVERIFY(program.mainEnabled());
}

void DebriefingDialogTest::createReadsTheTickedSectionsInOrder()
{
    Program program;
    Form* form = program.open("debriefing");
    child<QCheckBox>(form, "Check1")->click(); // End1 off
    for (int i : {2, 6}) {
        child<QCheckBox>(form, kSections[i].check)->click();
        typeInto(child<QWidget>(form, kSections[i].title), QStringLiteral("T%1").arg(i));
        typeInto(child<QWidget>(form, kSections[i].description), QStringLiteral("line 1\r\nline 2"));
    }
    program.platform.fileAnswers.enqueue(QStringLiteral("/out/briefing.html"));
    click(form, "CreateButton");

    BriefingSections sections;
    sections[2] = {true, "T2", "line 1\r\nline 2"};
    sections[6] = {true, "T6", "line 1\r\nline 2"};
    QCOMPARE(program.platform.files.value("/out/briefing.html"), briefingPage(sections).toUtf8());
}

void DebriefingDialogTest::failedWriteStaysOpenThenACancelCloses()
{
    Program program;
    Form* form = program.open("debriefing");
    child<QCheckBox>(form, "Check5")->click();
    typeInto(child<QWidget>(form, "End5Text1"), "Draw");
    typeInto(child<QWidget>(form, "End5Text2"), "Nobody won.");
    child<QTabWidget>(form, "SSTab1")->setCurrentIndex(4);
    program.platform.failingWrites.insert("/locked/briefing.html", "Permission denied");
    program.platform.fileAnswers.enqueue(QStringLiteral("/locked/briefing.html"));

    click(form, "CreateButton");

    QCOMPARE(program.platform.messages.size(), 1);
    QCOMPARE(program.platform.messages[0].icon, MessageIcon::Exclamation);
    QVERIFY(program.platform.messages[0].prompt.contains("Permission denied"));
    QCOMPARE(program.editor->form("debriefing"), form);
    QVERIFY(program.mainDisabled());
    QCOMPARE(indicator(form), QStringLiteral("Current tab: End 5"));
    verifySection(form, kSections[0], true);
    verifySection(form, kSections[4], true, "Draw", "Nobody won.");

    // Create again, the file dialog cancelled: nothing written, the dialog closes.
    click(form, "CreateButton");
    QCOMPARE(program.platform.fileDialogs.size(), 2);
    QVERIFY(program.platform.files.isEmpty());
    QCOMPARE(program.editor->form("debriefing"), nullptr);
    QVERIFY(program.mainEnabled());
}

QTEST_MAIN(DebriefingDialogTest)
#include "debriefingdialog_test.moc"
