// The overview dialog: its option pair, the "<br />" button and the save through the shared
// file dialog.
#include "extras/guardedlinebreak.h"
#include "extras/overviewpage.h"
#include "shell/dialogframe.h"
#include "support/testing.h"

#include <QCheckBox>
#include <QLabel>
#include <QPointer>
#include <QTest>

using namespace saltor;
using namespace saltor::testing;

namespace {

enum class Pair { Both, PictureOnly, DescriptionOnly };

const QStringList kPictureBoxes = {"Text1", "Text2", "Text3"};

bool pictureOn(Pair state) { return state != Pair::DescriptionOnly; }
bool descriptionOn(Pair state) { return state != Pair::PictureOnly; }

QCheckBox* check(Form* form, const char* name) { return child<QCheckBox>(form, QLatin1String(name)); }

// Clicks from the opening state (Both) into state.
void driveTo(Form* form, Pair state)
{
    if (state == Pair::PictureOnly)
        check(form, "Check2")->click();
    else if (state == Pair::DescriptionOnly)
        check(form, "Check1")->click();
}

// Checks one box against the state it must be in; typedText is what it must still hold.
void verifyBox(Form* form, const QString& name, bool on, const QString& typedText)
{
    auto* box = child<QWidget>(form, name);
    QVERIFY2(box->isEnabled() == on, qPrintable(name));
    QVERIFY2(fieldColor(box) == (on ? activeFieldColor() : inactiveFieldColor()), qPrintable(name));
    QCOMPARE(textOf(box), typedText);
}

} // namespace

Q_DECLARE_METATYPE(Pair)

class OverviewDialogTest : public QObject {
    Q_OBJECT
private slots:
    void opensInStateBoth();
    void optionPairTransitions_data();
    void optionPairTransitions();
    void lineBreakGoesToTheEnd();
    void guardedLineBreakDoesNothingWhileDisabled();
    void createWritesThePageAndCloses();
    void closingWithoutWriting_data();
    void closingWithoutWriting();
    void failedWriteStaysOpenWithEverythingTyped();
    void fileDialogStartsFromTheNameChosenLast();
};

void OverviewDialogTest::opensInStateBoth()
{
    Program program;
    Form* form = program.open("overview");
    QVERIFY(program.mainDisabled());
    QVERIFY(check(form, "Check1")->isChecked());
    QVERIFY(check(form, "Check2")->isChecked());
    for (const QString& name : kPictureBoxes + QStringList{"Text4"})
        verifyBox(form, name, true, QString());
    QVERIFY(child<QPushButton>(form, "lineBreakButton")->isEnabled());
    QCOMPARE(form->focusWidget(), child<QWidget>(form, "Text1"));
    // The boxes and buttons come first, the options last.
    const QStringList order = {"Text1", "Text2", "Text3", "Text4", "CreateButton", "CancelButton",
                               "Check1", "Check2", "lineBreakButton"};
    QCOMPARE(tabChain(form, order), order);
}

void OverviewDialogTest::optionPairTransitions_data()
{
    QTest::addColumn<Pair>("from");
    QTest::addColumn<QString>("clicked");
    QTest::addColumn<Pair>("to");

    QTest::newRow("Both, Check1") << Pair::Both << "Check1" << Pair::DescriptionOnly;
    QTest::newRow("Both, Check2") << Pair::Both << "Check2" << Pair::PictureOnly;
    QTest::newRow("Description only, Check1") << Pair::DescriptionOnly << "Check1" << Pair::Both;
    QTest::newRow("Description only, Check2") << Pair::DescriptionOnly << "Check2" << Pair::PictureOnly;
    QTest::newRow("Picture only, Check2") << Pair::PictureOnly << "Check2" << Pair::Both;
    QTest::newRow("Picture only, Check1") << Pair::PictureOnly << "Check1" << Pair::DescriptionOnly;
}

void OverviewDialogTest::optionPairTransitions()
{
    QFETCH(Pair, from);
    QFETCH(QString, clicked);
    QFETCH(Pair, to);

    Program program;
    Form* form = program.open("overview");
    driveTo(form, from);
    const QString typed = QStringLiteral("typed");
    for (const QString& name : kPictureBoxes)
        if (pictureOn(from))
            typeInto(child<QWidget>(form, name), typed);
    if (descriptionOn(from))
        typeInto(child<QWidget>(form, "Text4"), typed);

    child<QCheckBox>(form, clicked)->click();

    QCOMPARE(check(form, "Check1")->isChecked(), pictureOn(to));
    QCOMPARE(check(form, "Check2")->isChecked(), descriptionOn(to));
    // A box keeps its text only while its option stays on; one switched off comes back empty.
    const QString pictureText = pictureOn(from) && pictureOn(to) ? typed : QString();
    for (const QString& name : kPictureBoxes)
        verifyBox(form, name, pictureOn(to), pictureText);
    verifyBox(form, "Text4", descriptionOn(to), descriptionOn(from) && descriptionOn(to) ? typed : QString());
    QCOMPARE(child<QPushButton>(form, "lineBreakButton")->isEnabled(), descriptionOn(to));
    QVERIFY(program.mainDisabled());
}

void OverviewDialogTest::lineBreakGoesToTheEnd()
{
    Program program;
    Form* form = program.open("overview");
    auto* text4 = child<QPlainTextEdit>(form, "Text4");
    typeInto(text4, "First");
    text4->moveCursor(QTextCursor::Start);

    click(form, "lineBreakButton");
    QCOMPARE(textOf(text4), QStringLiteral("First<br />\r\n"));
    QCOMPARE(text4->textCursor().position(), 0);

    text4->moveCursor(QTextCursor::End);
    text4->insertPlainText("Second");
    program.platform.fileAnswers.enqueue(QStringLiteral("/out/overview.html"));
    click(form, "CreateButton");
    const QString page = QString::fromUtf8(program.platform.files.value("/out/overview.html"));
    QVERIFY(page.contains(QStringLiteral("\r\n\t\t<p>First<br />\r\nSecond</p>\r\n")));
}

void OverviewDialogTest::guardedLineBreakDoesNothingWhileDisabled()
{
    QPlainTextEdit box;
    box.setPlainText("kept");
    box.setEnabled(false);
    appendGuardedLineBreak(&box);
    QCOMPARE(textOf(&box), QStringLiteral("kept"));
    box.setEnabled(true);
    appendGuardedLineBreak(&box);
    appendGuardedLineBreak(&box);
    QCOMPARE(textOf(&box), QStringLiteral("kept<br />\r\n<br />\r\n"));
}

void OverviewDialogTest::createWritesThePageAndCloses()
{
    Program program;
    const QString address = program.main().address()->text();
    QPointer<Form> form = program.open("overview");
    typeInto(child<QWidget>(form, "Text1"), "pics/map.jpg");
    typeInto(child<QWidget>(form, "Text2"), "256");
    typeInto(child<QWidget>(form, "Text3"), "128");
    typeInto(child<QWidget>(form, "Text4"), "Tom & \"Jerry\"");
    program.platform.fileAnswers.enqueue(QStringLiteral("/out/overview.html"));

    click(form, "CreateButton");

    QCOMPARE(program.platform.fileDialogs.size(), 1);
    QVERIFY(program.platform.fileDialogs[0].save);
    QCOMPARE(program.platform.fileDialogs[0].filter, QStringLiteral("overview.html (overview.html)"));
    const QByteArray expected = overviewPage({true, true, "pics/map.jpg", "256", "128", "Tom & \"Jerry\""}).toUtf8();
    QCOMPARE(program.platform.files.value("/out/overview.html"), expected);
    QVERIFY(program.platform.messages.isEmpty());
    QCOMPARE(program.main().address()->text(), address);
    QCOMPARE(program.editor->form("overview"), nullptr);
    Program::settle();
    QVERIFY(form.isNull());
    QVERIFY(program.mainEnabled());
}

void OverviewDialogTest::closingWithoutWriting_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("file dialog cancelled") << "Create";
    QTest::newRow("Cancel") << "Cancel";
    QTest::newRow("Escape") << "Escape";
}

void OverviewDialogTest::closingWithoutWriting()
{
    QFETCH(QString, how);

    Program program;
    Form* form = program.open("overview");
    typeInto(child<QWidget>(form, "Text1"), "x");
    if (how == "Escape")
        QTest::keyClick(form, Qt::Key_Escape);
    else
        click(form, how + "Button"); // no file answer queued: a file dialog is cancelled

    QCOMPARE(program.platform.fileDialogs.size(), how == "Create" ? 1 : 0);
    QVERIFY(program.platform.files.isEmpty());
    QCOMPARE(program.editor->form("overview"), nullptr);
    QVERIFY(program.mainEnabled());
    Form* again = program.open("overview");
    QCOMPARE(textOf(child<QWidget>(again, "Text1")), QString());
}

void OverviewDialogTest::failedWriteStaysOpenWithEverythingTyped()
{
    Program program;
    Form* form = program.open("overview");
    check(form, "Check1")->click(); // description only
    typeInto(child<QWidget>(form, "Text4"), "Keep me");
    program.platform.failingWrites.insert("/full/overview.html", "No space left on device");
    program.platform.fileAnswers.enqueue(QStringLiteral("/full/overview.html"));

    click(form, "CreateButton");

    QCOMPARE(program.platform.messages.size(), 1);
    QCOMPARE(program.platform.messages[0].icon, MessageIcon::Exclamation);
    QVERIFY(program.platform.messages[0].prompt.contains("No space left on device"));
    QCOMPARE(program.editor->form("overview"), form);
    QVERIFY(form->isVisible());
    QVERIFY(!check(form, "Check1")->isChecked());
    QCOMPARE(textOf(child<QWidget>(form, "Text4")), QStringLiteral("Keep me"));
    QVERIFY(program.mainDisabled());

    // Another file: written, and the dialog closes.
    program.platform.fileAnswers.enqueue(QStringLiteral("/out/overview.html"));
    click(form, "CreateButton");
    QCOMPARE(program.platform.fileDialogs.last().fileName, QStringLiteral("/full/overview.html"));
    QCOMPARE(program.platform.files.value("/out/overview.html"),
             overviewPage({false, true, {}, {}, {}, "Keep me"}).toUtf8());
    QCOMPARE(program.editor->form("overview"), nullptr);
    QVERIFY(program.mainEnabled());
}

void OverviewDialogTest::fileDialogStartsFromTheNameChosenLast()
{
    Program program;
    program.platform.fileAnswers.enqueue(QStringLiteral("/docs/mission.sqf"));
    program.main().mnuSaveAs_Click();

    Form* overview = program.open("overview");
    program.platform.fileAnswers.enqueue(QStringLiteral("/docs/overview.html"));
    click(overview, "CreateButton");
    QCOMPARE(program.platform.fileDialogs.last().fileName, QStringLiteral("/docs/mission.sqf"));
    QCOMPARE(program.main().address()->text(), QStringLiteral("/docs/mission.sqf"));

    Form* debriefing = program.open("debriefing");
    click(debriefing, "CreateButton"); // cancelled
    QCOMPARE(program.platform.fileDialogs.last().fileName, QStringLiteral("/docs/overview.html"));
    QCOMPARE(program.platform.fileDialogs.last().filter, QStringLiteral("briefing.html (briefing.html)"));
}

QTEST_MAIN(OverviewDialogTest)
#include "overviewdialog_test.moc"
