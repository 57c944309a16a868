#include "support/testing.h"

#include "shell/dialogframe.h"

#include <QApplication>
#include <QTest>

using namespace saltor;
using namespace saltor::testing;

namespace {

const QStringList kHostButtons = {"addMarkerButton", "addLineBreakButton", "addPictureButton", "AddButton",
                                  "CancelButton"};

// One markup dialog as its host sees it: which button opens it, which box it fills, and the
// fields with values that give `markup`.
struct MarkupCase {
    const char* form;
    const char* host;
    const char* hostBox;
    const char* opener;
    QColor colour;
    QStringList fields;
    QStringList values;
    QString markup;
};

const QList<MarkupCase>& markupCases()
{
    static const QList<MarkupCase> cases = {
        {"sub_addMarker", "createDiaryRecord", "recordDescription", "addMarkerButton", QColor(192, 192, 255),
         {"markerName", "textAssignedToMarker"}, {"enemyBase", "here is the enemy base"},
         "<marker name=\"\"enemyBase\"\">here is the enemy base</marker> "},
        {"task_addMarker", "setSimpleTaskDescription", "taskDescription", "addMarkerButton", QColor(192, 255, 192),
         {"markerName", "textAssignedToMarker"}, {"m\"1", "two\r\nlines"},
         "<marker name=\"\"m\"1\"\">two\r\nlines</marker> "},
        {"sub_addPicture", "createDiaryRecord", "recordDescription", "addPictureButton", QColor(192, 192, 255),
         {"pictureName", "pictureWidth", "pictureHeight"}, {"myPicture.paa", "256", "256"},
         "<img image=\"\"myPicture.paa\"\" width=\"\"256\"\" height=\"\"256\"\" /> "},
        {"task_addPicture", "setSimpleTaskDescription", "taskDescription", "addPictureButton", QColor(192, 255, 192),
         {"pictureName", "pictureWidth", "pictureHeight"}, {"<p>.paa", " ", "big"},
         "<img image=\"\"<p>.paa\"\" width=\"\" \"\" height=\"\"big\"\" /> "},
    };
    return cases;
}

const MarkupCase& markupCase(const QString& form)
{
    for (const MarkupCase& c : markupCases())
        if (form == QLatin1String(c.form))
            return c;
    qFatal("unknown markup case");
}

void addFormColumn()
{
    QTest::addColumn<QString>("form");
}

void addFormRows()
{
    for (const MarkupCase& c : markupCases())
        QTest::newRow(c.form) << QString::fromLatin1(c.form);
}

// Opens the host, then the markup dialog by clicking the host's button.
Form* openThroughHost(Program& p, const MarkupCase& c)
{
    Form* host = p.open(QLatin1String(c.host));
    click(host, QLatin1String(c.opener));
    return p.editor->form(QLatin1String(c.form));
}

void fill(Form* form, const MarkupCase& c)
{
    for (int i = 0; i < c.fields.size(); ++i)
        typeInto(child<QWidget>(form, c.fields.at(i)), c.values.at(i));
}

bool hostButtonsSwitchedOff(Form* host)
{
    for (const QString& name : kHostButtons)
        if (child<QWidget>(host, name)->isEnabledTo(host))
            return false;
    return true;
}

bool hostUsable(Form* host)
{
    if (!host->isEnabled())
        return false;
    for (const QString& name : kHostButtons)
        if (!child<QWidget>(host, name)->isEnabled())
            return false;
    return true;
}

} // namespace

// The inline markup dialogs: where their markup lands in the host box and how the markup
// guard holds the host while they are open.
class MarkupDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void openedByHostButtonWithHostColours_data();
    void openedByHostButtonWithHostColours();
    void markupGoesToTheEndOfTheHostBox_data();
    void markupGoesToTheEndOfTheHostBox();
    void twoInsertionsInARow();
    void emptyFieldIsRefused_data();
    void emptyFieldIsRefused();
    void everyCloseReleasesTheHostOnly_data();
    void everyCloseReleasesTheHostOnly();
    void hostRefusesWindowCloseWhileMarkupOpen();
    void activatingTheDisabledHostBringsMarkupBack();
    void markerReachesTheTaskStatement();
};

void MarkupDialogsTest::openedByHostButtonWithHostColours_data()
{
    addFormColumn();
    addFormRows();
}

void MarkupDialogsTest::openedByHostButtonWithHostColours()
{
    QFETCH(QString, form);
    const MarkupCase& c = markupCase(form);
    Program p;
    Form* markup = openThroughHost(p, c);
    QVERIFY(markup);
    QVERIFY(markup->isVisible());
    Form* host = p.editor->form(QLatin1String(c.host));
    const QString openerColour = child<QWidget>(host, QLatin1String(c.opener))->palette().color(QPalette::Button).name();
    QCOMPARE(openerColour, c.colour.name());
    for (const char* name : {"AddButton", "CancelButton"})
        QCOMPARE(child<QWidget>(markup, QLatin1String(name))->palette().color(QPalette::Button).name(), c.colour.name());
}

void MarkupDialogsTest::markupGoesToTheEndOfTheHostBox_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("hostText");
    QTest::addColumn<int>("anchor");
    QTest::addColumn<int>("position");
    for (const MarkupCase& c : markupCases()) {
        QTest::addRow("%s, empty box", c.form) << QString::fromLatin1(c.form) << QString() << 0 << 0;
        QTest::addRow("%s, caret at start", c.form) << QString::fromLatin1(c.form) << "first\r\nsecond" << 0 << 0;
        QTest::addRow("%s, selection in the middle", c.form) << QString::fromLatin1(c.form) << "first\r\nsecond" << 2 << 9;
    }
}

void MarkupDialogsTest::markupGoesToTheEndOfTheHostBox()
{
    QFETCH(QString, form);
    QFETCH(QString, hostText);
    QFETCH(int, anchor);
    QFETCH(int, position);
    const MarkupCase& c = markupCase(form);
    Program p;
    Form* host = p.open(QLatin1String(c.host));
    auto* box = child<QPlainTextEdit>(host, QLatin1String(c.hostBox));
    typeInto(box, hostText);
    QTextCursor selection(box->document());
    selection.setPosition(anchor);
    selection.setPosition(position, QTextCursor::KeepAnchor);
    box->setTextCursor(selection);

    click(host, QLatin1String(c.opener));
    Form* markup = p.editor->form(form);
    fill(markup, c);
    click(markup, QStringLiteral("AddButton"));

    QCOMPARE(textOf(box), hostText + c.markup);
    QCOMPARE(box->textCursor().anchor(), anchor);
    QCOMPARE(box->textCursor().position(), position);
    QCOMPARE(p.platform.beeps, 0);
}

void MarkupDialogsTest::twoInsertionsInARow()
{
    Program p;
    Form* host = p.open(QStringLiteral("createDiaryRecord"));
    auto* box = child<QPlainTextEdit>(host, QStringLiteral("recordDescription"));
    typeInto(box, QStringLiteral("See"));

    click(host, QStringLiteral("addMarkerButton"));
    fill(p.editor->form(QStringLiteral("sub_addMarker")), markupCase(QStringLiteral("sub_addMarker")));
    click(p.editor->form(QStringLiteral("sub_addMarker")), QStringLiteral("AddButton"));
    Program::settle();
    click(host, QStringLiteral("addPictureButton"));
    fill(p.editor->form(QStringLiteral("sub_addPicture")), markupCase(QStringLiteral("sub_addPicture")));
    click(p.editor->form(QStringLiteral("sub_addPicture")), QStringLiteral("AddButton"));

    QCOMPARE(textOf(box), QStringLiteral("See<marker name=\"\"enemyBase\"\">here is the enemy base</marker> "
                                         "<img image=\"\"myPicture.paa\"\" width=\"\"256\"\" height=\"\"256\"\" /> "));
}

void MarkupDialogsTest::emptyFieldIsRefused_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<int>("emptyField");
    for (const MarkupCase& c : markupCases())
        for (int i = 0; i < c.fields.size(); ++i)
            QTest::addRow("%s, %s empty", c.form, qPrintable(c.fields.at(i))) << QString::fromLatin1(c.form) << i;
}

void MarkupDialogsTest::emptyFieldIsRefused()
{
    QFETCH(QString, form);
    QFETCH(int, emptyField);
    const MarkupCase& c = markupCase(form);
    Program p;
    Form* markup = openThroughHost(p, c);
    Form* host = p.editor->form(QLatin1String(c.host));
    auto* box = child<QPlainTextEdit>(host, QLatin1String(c.hostBox));
    typeInto(box, QStringLiteral("kept"));
    fill(markup, c);
    typeInto(child<QWidget>(markup, c.fields.at(emptyField)), QString());

    click(markup, QStringLiteral("AddButton"));
    Program::settle();

    QCOMPARE(p.platform.beeps, 1);
    QCOMPARE(p.platform.messages.size(), 1);
    QCOMPARE(p.platform.messages.first().prompt, QStringLiteral(" Fill all fields or click on the Cancel button. "));
    QCOMPARE(p.platform.messages.first().icon, MessageIcon::Exclamation);
    QCOMPARE(p.platform.messages.first().buttons, MessageButtons::Ok);
    QCOMPARE(textOf(box), QStringLiteral("kept"));
    QCOMPARE(p.editor->form(form), markup);
    for (int i = 0; i < c.fields.size(); ++i)
        if (i != emptyField)
            QCOMPARE(textOf(child<QWidget>(markup, c.fields.at(i))), c.values.at(i));
    QVERIFY(!host->isEnabled());
    QVERIFY(hostButtonsSwitchedOff(host));
    QVERIFY(p.mainDisabled());
}

void MarkupDialogsTest::everyCloseReleasesTheHostOnly_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("closeBy");
    for (const MarkupCase& c : markupCases())
        for (const char* way : {"Add", "Cancel", "Escape", "window close"})
            QTest::addRow("%s, %s", c.form, way) << QString::fromLatin1(c.form) << QString::fromLatin1(way);
}

void MarkupDialogsTest::everyCloseReleasesTheHostOnly()
{
    QFETCH(QString, form);
    QFETCH(QString, closeBy);
    const MarkupCase& c = markupCase(form);
    Program p;
    Form* markup = openThroughHost(p, c);
    Form* host = p.editor->form(QLatin1String(c.host));
    auto* box = child<QPlainTextEdit>(host, QLatin1String(c.hostBox));
    QVERIFY(!host->isEnabled());
    QVERIFY(hostButtonsSwitchedOff(host));
    QVERIFY(p.mainDisabled());

    fill(markup, c);
    if (closeBy == QLatin1String("Add"))
        click(markup, QStringLiteral("AddButton"));
    else if (closeBy == QLatin1String("Cancel"))
        click(markup, QStringLiteral("CancelButton"));
    else if (closeBy == QLatin1String("Escape"))
        QTest::keyClick(child<QWidget>(markup, c.fields.first()), Qt::Key_Escape);
    else
        markup->close();
    Program::settle();

    QVERIFY(!p.editor->form(form));
    QVERIFY(hostUsable(host));
    QVERIFY(p.mainDisabled());
    // The user goes on in the host where they left it: on the button that opened the dialog.
    QTRY_COMPARE(host->focusWidget(), child<QWidget>(host, QLatin1String(c.opener)));
    QCOMPARE(textOf(box), closeBy == QLatin1String("Add") ? c.markup : QString());
    QCOMPARE(p.platform.beeps, 0);

    // The host closes as usual afterwards, and only then is Main back.
    click(host, QStringLiteral("CancelButton"));
    Program::settle();
    QVERIFY(p.mainEnabled());
}

void MarkupDialogsTest::hostRefusesWindowCloseWhileMarkupOpen()
{
    for (const MarkupCase& c : markupCases()) {
        Program p;
        Form* markup = openThroughHost(p, c);
        Form* host = p.editor->form(QLatin1String(c.host));
        QVERIFY(!host->close());
        Program::settle();
        QCOMPARE(p.editor->form(QLatin1String(c.host)), host);
        QVERIFY(host->isVisible());
        QCOMPARE(p.editor->form(QLatin1String(c.form)), markup);
        QVERIFY(p.mainDisabled());

        // Clicking the host's buttons does nothing while the markup dialog is open.
        click(host, QStringLiteral("addLineBreakButton"));
        QCOMPARE(textOf(child<QWidget>(host, QLatin1String(c.hostBox))), QString());
    }
}

void MarkupDialogsTest::activatingTheDisabledHostBringsMarkupBack()
{
    Program p;
    Form* markup = openThroughHost(p, markupCase(QStringLiteral("task_addPicture")));
    Form* host = p.editor->form(QStringLiteral("setSimpleTaskDescription"));
    QTRY_COMPARE(QApplication::activeWindow(), markup);

    host->activateWindow();
    QTest::qWait(50); // activation is delivered asynchronously
    QTRY_COMPARE(QApplication::activeWindow(), markup);

    // Minimised by the window manager, it comes back as well: the locked host is no way out.
    markup->showMinimized();
    QTRY_VERIFY(markup->isMinimized());
    host->activateWindow();
    QTRY_VERIFY(!markup->isMinimized());
    QTRY_COMPARE(QApplication::activeWindow(), markup);

    // Once the markup dialog is gone the host keeps the focus.
    click(markup, QStringLiteral("CancelButton"));
    QTRY_COMPARE(QApplication::activeWindow(), host);
    QTest::qWait(20);
    QCOMPARE(QApplication::activeWindow(), host);
}

void MarkupDialogsTest::markerReachesTheTaskStatement()
{
    Program p;
    p.setDocument(QStringLiteral("// start\r\n"));
    Form* host = p.open(QStringLiteral("setSimpleTaskDescription"));
    typeInto(child<QWidget>(host, QStringLiteral("taskName")), QStringLiteral("tsk1"));
    typeInto(child<QWidget>(host, QStringLiteral("taskNameText")), QStringLiteral("Primary objective"));
    typeInto(child<QWidget>(host, QStringLiteral("taskDescription")), QStringLiteral("Go to "));

    click(host, QStringLiteral("addMarkerButton"));
    Form* marker = p.editor->form(QStringLiteral("task_addMarker"));
    QVERIFY(marker);
    typeInto(child<QWidget>(marker, QStringLiteral("markerName")), QStringLiteral("enemyBase"));
    typeInto(child<QWidget>(marker, QStringLiteral("textAssignedToMarker")), QStringLiteral("the base"));
    click(marker, QStringLiteral("AddButton"));
    Program::settle();
    click(host, QStringLiteral("AddButton"));
    Program::settle();

    QCOMPARE(p.document(), QStringLiteral("// start\r\ntsk1 setSimpleTaskDescription [\"Go to <marker name=\"\"enemyBase\"\">"
                                          "the base</marker> \", \"Primary objective\", \"\"];\r\n"));
    QVERIFY(p.mainEnabled());
}

QTEST_MAIN(MarkupDialogsTest)
#include "markupdialogs_test.moc"
