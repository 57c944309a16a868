#include "support/testing.h"

#include "shell/dialogframe.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

using namespace saltor;
using namespace saltor::testing;

namespace {

// A dialog with one field, an action and Cancel, as every dialog opened from Main has.
class ProbeForm : public Form {
public:
    explicit ProbeForm(Editor& editor)
        : Form(editor, QStringLiteral("probe"), WindowSettings{QStringLiteral("probe"), false, StartPosition::CentreScreen, 3000, 2000})
    {
        auto* layout = new QVBoxLayout(this);
        field = singleLineBox(QStringLiteral("field"));
        layout->addWidget(field);
        auto* action = commandButton(QStringLiteral("AddButton"), QStringLiteral("Add"));
        layout->addWidget(controlsFrame(QStringLiteral("Frame2"), action, cancelButton()));
        connect(action, &QPushButton::clicked, this, [this] { this->editor().closeDialogGuard(this); });
        connect(findChild<QPushButton*>(QStringLiteral("CancelButton")), &QPushButton::clicked, this,
                [this] { this->editor().closeDialogGuard(this); });
        field->setFocus();
    }
    QLineEdit* field;
};

} // namespace

// Main and its twelve buttons are enabled exactly when no dialog opened from Main is open.
class DialogGuardTest : public QObject {
    Q_OBJECT

private slots:
    void everyWayOfClosingReleasesTheGuard_data();
    void everyWayOfClosingReleasesTheGuard();
    void closingGivesTheFocusBackToMainsControl_data();
    void closingGivesTheFocusBackToMainsControl();
    void reopenedDialogShowsDesignTimeValues();
    void showDialogKeepsOneInstance();
    void shortcutsWorkWhileNoDialogIsOpen();
    void mainTakesNoInputWhileADialogIsOpen();
    void activatingMainBringsTheDialogBack();
    void aboutBoxOpensWithTheGuard();
    void aboutBoxClosesOnPictureOnly();
    void aboutBoxIgnoresKeys();
    void aboutBoxWindowSystemCloseReleasesTheGuard();
    void everyMainOpenerOfAKnownFormEngagesTheGuard();
};

void DialogGuardTest::everyWayOfClosingReleasesTheGuard_data()
{
    QTest::addColumn<QString>("way");
    QTest::newRow("action") << "action";
    QTest::newRow("cancel") << "cancel";
    QTest::newRow("escape") << "escape";
    QTest::newRow("window close") << "close";
}

void DialogGuardTest::everyWayOfClosingReleasesTheGuard()
{
    QFETCH(QString, way);
    Program program;
    program.editor->registerForm(QStringLiteral("probe"), [](Editor& e) { return new ProbeForm(e); });
    Form* form = program.open(QStringLiteral("probe"));
    QVERIFY(program.mainDisabled());
    auto* probe = static_cast<ProbeForm*>(form);

    if (way == QLatin1String("action"))
        click(form, QStringLiteral("AddButton"));
    else if (way == QLatin1String("cancel"))
        click(form, QStringLiteral("CancelButton"));
    else if (way == QLatin1String("escape"))
        QTest::keyClick(probe->field, Qt::Key_Escape);
    else
        form->close();

    QVERIFY(program.mainEnabled());
    QVERIFY(!program.editor->form(QStringLiteral("probe")));
    QVERIFY(!form->isVisible());
    // Disabling Main took the focus from the document; closing gives it back.
    QCOMPARE(program.main().focusWidget(), program.main().textPreview());
}

void DialogGuardTest::closingGivesTheFocusBackToMainsControl_data()
{
    QTest::addColumn<QString>("control");
    QTest::newRow("document") << "textPreview";
    QTest::newRow("a command button") << "removeSimpleTaskButton";
}

void DialogGuardTest::closingGivesTheFocusBackToMainsControl()
{
    QFETCH(QString, control);
    Program program;
    program.editor->registerForm(QStringLiteral("probe"), [](Editor& e) { return new ProbeForm(e); });
    auto* focused = child<QWidget>(&program.main(), control);
    focused->setFocus();
    QCOMPARE(program.main().focusWidget(), focused);

    for (int round = 0; round < 2; ++round) {
        click(program.open(QStringLiteral("probe")), QStringLiteral("CancelButton"));
        QCOMPARE(program.main().focusWidget(), focused);
        Program::settle();
    }
}

void DialogGuardTest::reopenedDialogShowsDesignTimeValues()
{
    Program program;
    program.editor->registerForm(QStringLiteral("probe"), [](Editor& e) { return new ProbeForm(e); });
    auto* first = static_cast<ProbeForm*>(program.open(QStringLiteral("probe")));
    QTest::keyClicks(first->field, QStringLiteral("typed"));
    click(first, QStringLiteral("CancelButton"));
    Program::settle();

    auto* second = static_cast<ProbeForm*>(program.open(QStringLiteral("probe")));
    QCOMPARE(second->field->text(), QString());
    QCOMPARE(second->focusWidget(), second->field);
    QVERIFY(program.mainDisabled());
}

void DialogGuardTest::showDialogKeepsOneInstance()
{
    Program program;
    program.editor->registerForm(QStringLiteral("probe"), [](Editor& e) { return new ProbeForm(e); });
    Form* first = program.open(QStringLiteral("probe"));
    QCOMPARE(program.editor->showDialog(QStringLiteral("probe")), first);
    QCOMPARE(program.editor->form(QStringLiteral("probe")), first);
}

void DialogGuardTest::shortcutsWorkWhileNoDialogIsOpen()
{
    Program program;
    program.main().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&program.main()));
    QTest::keyClick(program.main().textPreview(), Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(program.platform.messages.size(), 1);
    QCOMPARE(program.platform.messages.first().title, QStringLiteral("Creating ..."));
    QTest::keyClick(program.main().textPreview(), Qt::Key_F1);
    QCOMPARE(program.platform.helpOpened.size(), 1);

    // The edit keys reach Main's commands, not the text box's own clipboard handling.
    program.setDocument(QStringLiteral("ab\r\ncd"));
    QTest::keyClick(program.main().textPreview(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(program.main().textPreview(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(program.platform.clipboard, std::optional<QString>(QStringLiteral("ab\r\ncd")));
    program.platform.clipboard = QStringLiteral("xy");
    QTest::keyClick(program.main().textPreview(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(program.document(), QStringLiteral("xy"));
    QTest::keyClick(program.main().textPreview(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(program.main().textPreview(), Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(program.document(), QString());
    QCOMPARE(program.platform.clipboard, std::optional<QString>(QStringLiteral("xy")));
}

void DialogGuardTest::mainTakesNoInputWhileADialogIsOpen()
{
    Program program;
    program.editor->registerForm(QStringLiteral("probe"), [](Editor& e) { return new ProbeForm(e); });
    program.open(QStringLiteral("probe"));
    const QString before = program.document();
    // Main is made the active window, so only its disabled state can stop the shortcuts.
    program.main().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&program.main()));

    QTest::keyClicks(program.main().textPreview(), QStringLiteral("typed"));
    QTest::keyClick(program.main().textPreview(), Qt::Key_N, Qt::ControlModifier);
    QTest::keyClick(program.main().textPreview(), Qt::Key_F1);
    QTest::keyClick(&program.main(), Qt::Key_X, Qt::ControlModifier);
    QTest::mouseClick(program.main().mainCommandButtons().first(), Qt::LeftButton);

    QCOMPARE(program.document(), before);
    QVERIFY(program.platform.messages.isEmpty());
    QVERIFY(program.platform.helpOpened.isEmpty());
    QVERIFY(program.mainDisabled());
}

void DialogGuardTest::activatingMainBringsTheDialogBack()
{
    Program program;
    program.editor->registerForm(QStringLiteral("probe"), [](Editor& e) { return new ProbeForm(e); });
    Form* form = program.open(QStringLiteral("probe"));
    QVERIFY(QTest::qWaitForWindowActive(form));
    program.main().activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(form));

    // A minimized dialog comes back too.
    form->showMinimized();
    QTRY_VERIFY(form->isMinimized());
    program.main().activateWindow();
    QTRY_VERIFY(!form->isMinimized());
    QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(form));
}

void DialogGuardTest::aboutBoxOpensWithTheGuard()
{
    Program program;
    program.main().findChild<QAction*>(QStringLiteral("mnuAbout"))->trigger();
    Form* about = program.editor->form(QStringLiteral("About"));
    QVERIFY(about);
    QVERIFY(about->isVisible());
    QVERIFY(program.mainDisabled());
    QVERIFY(about->windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(about->size(), QSize(302, 162));
    QCOMPARE(about->palette().color(QPalette::Window), QColor(255, 0, 0));
    QCOMPARE(child<QLabel>(about, QStringLiteral("Label1"))->text(), QStringLiteral("ver.: 1.4"));
    QCOMPARE(about->windowTitle(), QStringLiteral("About Saltor Editor"));
}

void DialogGuardTest::aboutBoxClosesOnPictureOnly()
{
    Program program;
    Form* about = program.open(QStringLiteral("About"));
    auto* picture = child<QLabel>(about, QStringLiteral("Picture1"));
    auto* label = child<QLabel>(about, QStringLiteral("Label1"));
    QVERIFY(picture && label);
    // The label stands in the picture's bottom right corner.
    QVERIFY(label->geometry().right() > picture->width() / 2);
    QVERIFY(label->geometry().bottom() > picture->height() / 2);

    QTest::mouseClick(label, Qt::LeftButton);
    QVERIFY(program.editor->form(QStringLiteral("About")));
    QVERIFY(program.mainDisabled());

    QTest::mouseClick(picture, Qt::LeftButton, {}, QPoint(20, 20));
    QVERIFY(!program.editor->form(QStringLiteral("About")));
    QVERIFY(program.mainEnabled());
}

void DialogGuardTest::aboutBoxIgnoresKeys()
{
    Program program;
    Form* about = program.open(QStringLiteral("About"));
    QTest::keyClick(about, Qt::Key_Escape);
    QTest::keyClick(about, Qt::Key_Return);
    QTest::keyClick(about, Qt::Key_Enter);
    QVERIFY(program.editor->form(QStringLiteral("About")));
    QVERIFY(program.mainDisabled());
}

void DialogGuardTest::aboutBoxWindowSystemCloseReleasesTheGuard()
{
    Program program;
    Form* about = program.open(QStringLiteral("About"));
    about->close();
    QVERIFY(!program.editor->form(QStringLiteral("About")));
    QVERIFY(program.mainEnabled());
}

void DialogGuardTest::everyMainOpenerOfAKnownFormEngagesTheGuard()
{
    // Every button and menu item of Main that opens a form opens it with the guard on, and
    // its Cancel (Esc) releases it.
    const QList<QPair<QString, QString>> openers = {
        {"createDiaryRecordButton", "createDiaryRecord"}, {"mnuCreateDiaryRecord", "createDiaryRecord"},
        {"createSimpleTaskButton", "createSimpleTask"}, {"mnuCreateSimpleTask", "createSimpleTask"},
        {"removeSimpleTaskButton", "removeSimpleTask"}, {"mnuRemoveSimpleTask", "removeSimpleTask"},
        {"setSimpleTaskDescriptionButton", "setSimpleTaskDescription"},
        {"mnuSetSimpleTaskDescription", "setSimpleTaskDescription"},
        {"setSimpleTaskDestinationButton", "setSimpleTaskDestination"},
        {"mnuSetSimpleTaskDestination", "setSimpleTaskDestination"},
        {"setCurrentTaskButton", "setCurrentTask"}, {"mnuSetCurrentTask", "setCurrentTask"},
        {"setTaskStateButton", "setTaskState"}, {"mnuSetTaskState", "setTaskState"},
        {"taskHintButton", "taskHint"}, {"mnuTaskHint", "taskHint"},
        {"taskStateButton", "taskState"}, {"mnuTaskState", "taskState"},
        {"currentTaskButton", "currentTask"}, {"mnuCurrentTask", "currentTask"},
        {"addCommentButton", "Addcomment"}, {"mnuAddComment", "Addcomment"},
        {"mnuOverview", "overview"}, {"mnuBriefing", "debriefing"}, {"mnuMPtemplate", "MP_template"},
        {"mnuAbout", "About"},
    };
    Program program;
    for (const auto& [control, formName] : openers) {
        if (auto* button = program.main().findChild<QPushButton*>(control))
            button->click();
        else
            program.main().findChild<QAction*>(control)->trigger();
        Form* form = program.editor->form(formName);
        QVERIFY2(form && form->isVisible(), qPrintable(control));
        QVERIFY2(program.mainDisabled(), qPrintable(control));
        form->close();
        QVERIFY2(program.mainEnabled(), qPrintable(control));
        QVERIFY2(!program.editor->form(formName), qPrintable(control));
        Program::settle();
    }
}

QTEST_MAIN(DialogGuardTest)
#include "dialog_guard_test.moc"
