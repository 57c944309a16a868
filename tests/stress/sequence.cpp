#include "sequence.h"

#include "dialogmodel.h"
#include "mainmodel.h"
#include "randomtext.h"
#include "textcompare.h"
#include "useractions.h"

#include "app/formtable.h"
#include "shell/editor.h"
#include "shell/form.h"
#include "shell/mainwindow.h"
#include "shell/dialogframe.h"
#include "support/testing.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTextCursor>

namespace saltor::stress {

namespace {

using Kind = RandomPlatform::Kind;

QString describe(const RandomPlatform::Asked& asked)
{
    switch (asked.kind) {
    case Kind::Message:
        return QStringLiteral("the message \"%1\" titled \"%2\"").arg(shown(asked.prompt), asked.title);
    case Kind::Input:
        return QStringLiteral("the input box \"%1\"").arg(asked.prompt);
    case Kind::OpenFile:
        return QStringLiteral("an Open dialog");
    case Kind::SaveFile:
        return QStringLiteral("a Save dialog");
    }
    return QString();
}

} // namespace

Sequence::Sequence(quint32 seed, bool traceSteps)
    : m_seed(seed), m_traceSteps(traceSteps), m_random(seed), m_platform(m_random, poolPaths())
{
    m_platform.date = QDate(2000 + int(m_random.bounded(40)), 1 + int(m_random.bounded(12)),
                            1 + int(m_random.bounded(28)));
    seedFiles();
    m_editor = std::make_unique<Editor>(m_platform);
    registerForms(*m_editor);
    m_editor->main().show();
    m_doc = kHeader;
    m_lineEnd = kCrLf;
    m_address = kNotSavedYet;
    rebaselineCursor();
}

Sequence::~Sequence()
{
    m_editor.reset();
    testing::Program::settle();
}

void Sequence::addFile(const QString& path, const QByteArray& bytes, const QString& fileText, Format format)
{
    m_platform.files.insert(path, bytes);
    m_fileTexts.insert(path, fileText);
    m_fileFormats.insert(path, format);
}

void Sequence::seedFiles()
{
    const auto utf8 = [this](const QString& path, const QString& fileText) {
        addFile(path, fileText.toUtf8(), fileText, Format::Utf8);
    };
    utf8(QStringLiteral("/mem/crlf.sqf"), QStringLiteral("// Mission\r\nplayer setCurrentTask tsk1;\r\n"));
    utf8(QStringLiteral("/mem/lf.sqf"), QStringLiteral("first line\nsecond line\n"));
    utf8(QStringLiteral("/mem/cr.sqf"), QStringLiteral("old\rmac\r"));
    utf8(QStringLiteral("/mem/mixed.sqf"), QStringLiteral("a\r\nb\n\nc\r\r"));
    // Empty lines behind line ends that are not the default, the last line too.
    utf8(QStringLiteral("/mem/blank.sqf"), QStringLiteral("// a\n\r\nb\r\r\n\n"));
    utf8(QStringLiteral("/mem/czech.sqf"),
         QString::fromUtf8("// P\xc5\x99\xc3\xadli\xc5\xa1 \xc5\xbelu\xc5\xa5ou\xc4\x8dk\xc3\xbd k\xc5\xaf\xc5\x88\r\n"
                           "hint \"ok\";\r\n"));
    utf8(QStringLiteral("/mem/empty.sqf"), QString());
    utf8(QStringLiteral("/mem/noeol.sqf"), QStringLiteral("no line end"));
    const QString marked = QStringLiteral("tsk1 setTaskState \"Created\";\r\n");
    addFile(QStringLiteral("/mem/bom.sqf"), kByteOrderMark + marked.toUtf8(), marked, Format::Utf8Bom);
    // Windows-1250: S and s with caron, a blank, z with caron.
    addFile(QStringLiteral("/mem/cp1250.sqf"), QByteArray("\x8a\x9a \x9e\r\n"),
            QString::fromUtf8("\xc5\xa0\xc5\xa1 \xc5\xbe\r\n"), Format::Unknown);
    // A file that exists but can be neither read nor written.
    m_platform.files.insert(kLockedPath, QByteArray("secret"));
    m_platform.failingReads.insert(kLockedPath, QStringLiteral("Permission denied"));
    m_platform.failingWrites.insert(kLockedPath, QStringLiteral("Permission denied"));
}

MainWindow& Sequence::main() const
{
    return m_editor->main();
}

Form* Sequence::form(const QString& name) const
{
    return name.isEmpty() ? nullptr : m_editor->form(name);
}

bool Sequence::play()
{
    const int steps = int(m_random.bounded(20, 41));
    for (m_step = 1; m_step <= steps && !m_ended; ++m_step) {
        m_platform.asked.clear();
        m_askedRead = 0;
        const QList<Candidate> list = candidates();
        double total = 0;
        for (const Candidate& candidate : list)
            total += candidate.weight;
        double left = m_random.generateDouble() * total;
        const Candidate* chosen = &list.last();
        for (const Candidate& candidate : list) {
            left -= candidate.weight;
            if (left < 0) {
                chosen = &candidate;
                break;
            }
        }
        m_trace.append(QStringLiteral("%1. %2").arg(m_step).arg(chosen->what));
        chosen->run();
        // Unloaded forms go at once; the event loop (timers, repaints) runs every few steps,
        // as painting the windows is most of a step's cost.
        if (m_step % 4 == 0)
            testing::Program::settle();
        else
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (m_failure.isEmpty())
            checkAfterStep();
        m_played = m_step;
        if (m_traceSteps)
            qInfo("%s", qPrintable(m_trace.last()));
        if (!m_failure.isEmpty())
            return false;
    }
    return true;
}

QString Sequence::failure() const
{
    return m_failure + QStringLiteral("\n  actions:\n    ") + m_trace.join(QStringLiteral("\n    "));
}

void Sequence::fail(const QString& why)
{
    if (m_failure.isEmpty())
        m_failure = QStringLiteral("seed %1, step %2 (%3): %4")
                        .arg(m_seed)
                        .arg(m_step)
                        .arg(m_trace.isEmpty() ? QString() : m_trace.last().section(QLatin1Char(' '), 1), why);
}

void Sequence::note(const QString& detail)
{
    if (!m_trace.isEmpty())
        m_trace.last() += QStringLiteral(" [") + detail + QLatin1Char(']');
}

QList<Sequence::Candidate> Sequence::candidates()
{
    QList<Candidate> list;
    if (m_minimized) {
        list.append({1.0, QStringLiteral("restore Main from the taskbar"), [this] { restoreMain(); }});
        return list;
    }
    if (m_mainDialog.isEmpty()) {
        addMainCandidates(list);
        return list;
    }
    // A dialog is open: Main takes no input, whatever the user does to it.
    list.append({0.25, QStringLiteral("click a button of the disabled Main"), [this] { clickDisabledMainButton(); }});
    list.append({0.2, QStringLiteral("keys into the disabled Main"), [this] { keysIntoDisabledMain(); }});
    list.append({0.05, QStringLiteral("window-system close of the disabled Main"), [this] { closeMain(); }});
    if (!m_markupDialog.isEmpty()) {
        list.append({0.15, QStringLiteral("window-system close of the disabled host ") + m_mainDialog,
                     [this] { closeDisabledHost(); }});
        list.append({0.3, QStringLiteral("click into the disabled host ") + m_mainDialog,
                     [this] { clickIntoDisabledHost(); }});
    }
    if (Form* top = form(m_markupDialog.isEmpty() ? m_mainDialog : m_markupDialog))
        addDialogCandidates(list, top);
    return list;
}

void Sequence::addMainCandidates(QList<Candidate>& list)
{
    for (const Opener& button : kMainButtons) {
        const QString name = QString::fromLatin1(button.control);
        list.append({1.0, QStringLiteral("click ") + name, [this, name] { clickMainButton(name); }});
    }
    for (const Opener& item : kMenuOpeners) {
        const QString name = QString::fromLatin1(item.control);
        list.append({0.4, QStringLiteral("menu ") + name, [this, name] { triggerMenu(name); }});
    }
    for (const Command& item : kMenuCommands) {
        const QString name = QString::fromLatin1(item.action);
        list.append({item.weight, QStringLiteral("menu ") + name, [this, name] { triggerMenu(name); }});
    }
    list.append({1.5, QStringLiteral("type into the document"), [this] { typeIntoDocument(); }});
    list.append({0.4, QStringLiteral("key text holding line breaks into the document"),
                 [this] { keyTextIntoDocument(); }});
    list.append({0.8, QStringLiteral("input method into the document"), [this] { inputMethodIntoDocument(); }});
    list.append({0.6, QStringLiteral("Enter on an empty line"), [this] { enterOnEmptyLine(); }});
    list.append({0.4, QStringLiteral("open two files, the caret on an empty line of the first, then Save As"), [this] { openFromLineStart(); }});
    list.append({1.2, QStringLiteral("select in the document"), [this] { selectInDocument(); }});
    list.append({0.2, QStringLiteral("window-system close of Main"), [this] { closeMain(); }});
}

void Sequence::addDialogCandidates(QList<Candidate>& list, Form* top)
{
    const QString formName = top->objectName();
    const bool about = formName == QLatin1String("About");
    const QString in = QStringLiteral(" in ") + formName;
    for (QWidget* widget : top->findChildren<QWidget*>()) {
        if (!widget->isVisible())
            continue;
        const QString name = widget->objectName();
        const bool reachable = widget->isEnabled();
        if (auto* tabs = qobject_cast<QTabWidget*>(widget)) {
            if (reachable)
                list.append({1.5, QStringLiteral("pick a tab of ") + name + in, [this, tabs] { pickTab(tabs); }});
            continue;
        }
        if (name.isEmpty())
            continue;
        const QString disabledWhat = QStringLiteral("click the disabled ") + name + in;
        if (qobject_cast<QLineEdit*>(widget) || qobject_cast<QPlainTextEdit*>(widget)) {
            if (reachable)
                list.append({2.5, QStringLiteral("type into ") + name + in, [this, widget] { typeIntoBox(widget); }});
            else
                list.append({0.2, disabledWhat, [this, widget] { expectNothing([widget] { clickAt(widget); }); }});
        } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
            double weight = 1.2;
            if (name == QLatin1String("CancelButton"))
                weight = 0.4;
            else if (name == QLatin1String("AddButton") || name == QLatin1String("SetButton")
                     || name == QLatin1String("GetButton") || name == QLatin1String("CreateButton"))
                weight = 1.3;
            if (reachable)
                list.append({weight, QStringLiteral("click ") + name + in, [this, button] { clickDialogButton(button); }});
            else
                list.append({0.4, disabledWhat, [this, widget] { expectNothing([widget] { clickAt(widget); }); }});
        } else if (qobject_cast<QCheckBox*>(widget) || qobject_cast<QRadioButton*>(widget)) {
            if (reachable)
                list.append({1.2, QStringLiteral("click ") + name + in, [this, widget] { clickTickable(widget); }});
            else
                list.append({0.2, disabledWhat, [this, widget] { expectNothing([widget] { clickAt(widget); }); }});
        } else if (auto* label = qobject_cast<QLabel*>(widget)) {
            if (about && name == QLatin1String("Picture1"))
                list.append({1.5, QStringLiteral("click the About picture"), [this, label] { clickAboutPicture(label); }});
            else
                list.append({about ? 0.6 : 0.05, QStringLiteral("click the label ") + name + in,
                             [this, widget] { expectNothing([widget] { clickAt(widget); }); }});
        } else if (qobject_cast<QGroupBox*>(widget)) {
            list.append({0.05, QStringLiteral("click the frame ") + name + in,
                         [this, widget] { expectNothing([widget] { clickAt(widget); }); }});
        }
    }
    list.append({0.4, QStringLiteral("Esc in ") + formName, [this, top] { pressEscape(top); }});
    list.append({0.3, QStringLiteral("Enter in ") + formName, [this, top] { pressEnter(top); }});
    list.append({0.25, QStringLiteral("window-system close of ") + formName, [this, top] { closeWindow(top); }});
}

void Sequence::expectOpened(const QString& name)
{
    Form* opened = form(name);
    if (!opened)
        return fail(name + QStringLiteral(" did not open"));
    if (!opened->isVisible())
        fail(name + QStringLiteral(" opened hidden"));
    const QString values = checkOpeningValues(opened);
    if (!values.isEmpty())
        fail(name + QStringLiteral(": ") + values);
    if (isMarkupDialog(name))
        m_markupDialog = name;
    else
        m_mainDialog = name;
    count(QStringLiteral("opened ") + name);
}

void Sequence::expectClosing(Form* dialog, const std::function<void()>& act)
{
    const QString name = dialog->objectName();
    const bool markup = isMarkupDialog(name);
    Form* host = markup ? form(markupHostOf(name)) : nullptr;
    const QString hostBox = host ? boxTextOf(host, markupHostBoxOf(name)) : QString();
    const QPointer<Form> guard(dialog);
    act();
    if (host && boxTextOf(host, markupHostBoxOf(name)) != hostBox)
        fail(QStringLiteral("closing %1 changed the host box").arg(name));
    (markup ? m_markupDialog : m_mainDialog).clear();
    expectUnloaded(guard, name);
}

void Sequence::expectNothing(const std::function<void()>& act)
{
    const QString before = snapshot();
    act();
    const QString after = snapshot();
    count(QStringLiteral("a click or key that must do nothing"));
    if (after != before)
        fail(QStringLiteral("something changed: ") + difference(before, after));
}

void Sequence::expectUnloaded(const QPointer<Form>& dialog, const QString& name)
{
    if (form(name))
        fail(name + QStringLiteral(" is still loaded"));
    if (dialog && dialog->isVisible())
        fail(name + QStringLiteral(" still shows"));
    m_unloaded.append(dialog);
}

void Sequence::expectAppended(const QString& piece)
{
    // Every line break of the piece takes the document's line end.
    m_doc += withLineEnds(piece, m_lineEnd);
}

Sequence::SaveOutcome Sequence::expectSave(const QString& filter, const QString& content, bool isDocument)
{
    QString path;
    for (;;) {
        const auto* dialog = nextAsked(Kind::SaveFile, QStringLiteral("the Save dialog"));
        if (!dialog)
            return SaveOutcome::Broken;
        checkFileDialog(*dialog, filter);
        if (!dialog->path)
            return SaveOutcome::Cancelled;
        path = *dialog->path;
        m_lastPath = path;
        note(path);
        if (!m_fileTexts.contains(path) && path != kLockedPath)
            break;
        const auto* replace = nextAsked(Kind::Message, QStringLiteral("the question before replacing ") + path);
        if (!replace)
            return SaveOutcome::Broken;
        if (replace->buttons != MessageButtons::YesNo || replace->title != QLatin1String("Replacing ...")
            || !replace->prompt.contains(path))
            fail(QStringLiteral("the question before replacing was ") + describe(*replace));
        if (replace->answer == MessageAnswer::Yes)
            break;
    }
    if (path == kLockedPath) {
        expectFailureNamed(path);
        return SaveOutcome::Failed;
    }
    const QByteArray bytes = m_platform.files.value(path);
    QByteArray expected;
    Format format = Format::Utf8;
    if (isDocument) {
        format = m_docFormat;
        m_address = path;
    }
    // A Windows-1250 document that gained characters Windows-1250 cannot hold is saved in UTF-8,
    // and the user is told so, once: the document is UTF-8 from then on.
    if (format == Format::Unknown && isDocument && m_askedRead < m_platform.asked.size()
        && m_platform.asked.at(m_askedRead).kind == Kind::Message
        && m_platform.asked.at(m_askedRead).prompt.contains(QLatin1String("UTF-8"))) {
        expectFailureNamed(path);
        format = m_docFormat = Format::Utf8;
        count(QStringLiteral("Windows-1250 document saved in UTF-8"));
    }
    // A Windows-1250 document is not predicted byte by byte: Open checks it comes back whole.
    if (format == Format::Utf8)
        expected = content.toUtf8();
    else if (format == Format::Utf8Bom)
        expected = kByteOrderMark + content.toUtf8();
    if (format != Format::Unknown && bytes != expected)
        fail(QStringLiteral("%1 holds %2 bytes that are not the text written in its encoding")
                 .arg(path)
                 .arg(bytes.size()));
    m_fileTexts.insert(path, content);
    m_fileFormats.insert(path, format);
    if (isDocument)
        count(QStringLiteral("document saved"));
    return SaveOutcome::Written;
}

const RandomPlatform::Asked* Sequence::nextAsked(Kind kind, const QString& what)
{
    if (m_askedRead >= m_platform.asked.size()) {
        fail(QStringLiteral("expected %1, but nothing was asked").arg(what));
        return nullptr;
    }
    const RandomPlatform::Asked& asked = m_platform.asked.at(m_askedRead++);
    if (asked.kind != kind) {
        fail(QStringLiteral("expected %1, but %2 was asked").arg(what, describe(asked)));
        return nullptr;
    }
    return &asked;
}

const RandomPlatform::Asked* Sequence::expectMessage(const QString& prompt, MessageButtons buttons, MessageIcon icon,
                                                     const QString& title)
{
    const auto* asked = nextAsked(Kind::Message, QStringLiteral("the message \"%1\"").arg(prompt));
    if (!asked)
        return nullptr;
    if (asked->prompt != prompt || asked->buttons != buttons || asked->icon != icon || asked->title != title) {
        fail(QStringLiteral("expected the message \"%1\" titled \"%2\", got %3").arg(prompt, title, describe(*asked)));
        return nullptr;
    }
    return asked;
}

void Sequence::expectFailureNamed(const QString& path)
{
    const auto* asked = nextAsked(Kind::Message, QStringLiteral("a message naming ") + path);
    if (asked && (asked->buttons != MessageButtons::Ok || asked->icon != MessageIcon::Exclamation
                  || asked->title != kAppTitle || !asked->prompt.contains(path)))
        fail(QStringLiteral("the failure was shown as ") + describe(*asked));
}

void Sequence::checkFileDialog(const RandomPlatform::Asked& dialog, const QString& filter)
{
    if (dialog.filter != filter)
        fail(QStringLiteral("the file dialog has the filter \"%1\" instead of \"%2\"").arg(dialog.filter, filter));
    if (dialog.startName != m_lastPath)
        fail(QStringLiteral("the file dialog starts from \"%1\", not from the name chosen last, \"%2\"")
                 .arg(dialog.startName, m_lastPath));
}

void Sequence::rebaselineCursor()
{
    const QTextCursor cursor = main().textPreview()->textCursor();
    m_anchor = cursor.anchor();
    m_position = cursor.position();
}

QString Sequence::snapshot() const
{
    QString out;
    const auto add = [&out](const QWidget* window) {
        out += window->objectName() + (window->isEnabled() ? QStringLiteral(" on") : QStringLiteral(" off"))
               + (window->isVisible() ? QStringLiteral(" shown\n") : QStringLiteral(" hidden\n"));
        for (const QWidget* widget : window->findChildren<QWidget*>()) {
            if (widget->objectName().isEmpty())
                continue;
            out += widget->objectName() + (widget->isEnabledTo(window) ? QStringLiteral("+") : QStringLiteral("-"));
            if (qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QPlainTextEdit*>(widget))
                out += QStringLiteral("=") + boxText(widget);
            else if (const auto* button = qobject_cast<const QAbstractButton*>(widget); button && button->isCheckable())
                out += button->isChecked() ? QStringLiteral("[x]") : QStringLiteral("[ ]");
            else if (const auto* tabs = qobject_cast<const QTabWidget*>(widget))
                out += QStringLiteral("#") + QString::number(tabs->currentIndex());
            else if (const auto* label = qobject_cast<const QLabel*>(widget))
                out += QStringLiteral(":") + label->text();
            out += QLatin1Char('\n');
        }
    };
    add(&main());
    for (const QStringList* names : {&mainDialogNames(), &markupDialogNames()})
        for (const QString& name : *names)
            if (const Form* open = m_editor->form(name))
                add(open);
    return out;
}

void Sequence::checkAfterStep()
{
    if (m_askedRead < m_platform.asked.size())
        return fail(QStringLiteral("the program asked something unexpected: ")
                    + describe(m_platform.asked.at(m_askedRead)));

    // Which forms are loaded.
    for (const QStringList* names : {&mainDialogNames(), &markupDialogNames()}) {
        for (const QString& name : *names) {
            const Form* open = m_editor->form(name);
            const bool expected = name == m_mainDialog || name == m_markupDialog;
            if (bool(open) != expected)
                return fail(name + (expected ? QStringLiteral(" is not open") : QStringLiteral(" is open")));
            if (open && (!open->isVisible() || open->isUnloading()))
                return fail(name + QStringLiteral(" is loaded but does not show"));
        }
    }
    if (!m_markupDialog.isEmpty() && markupHostOf(m_markupDialog) != m_mainDialog)
        return fail(m_markupDialog + QStringLiteral(" is open without its host"));

    // The dialog guard: Main and its twelve buttons on exactly while no dialog is open.
    const bool mainFree = m_mainDialog.isEmpty();
    if (main().isEnabled() != mainFree)
        return fail(mainFree ? QStringLiteral("Main is disabled with no dialog open")
                             : QStringLiteral("Main is enabled while ") + m_mainDialog + QStringLiteral(" is open"));
    for (const QPushButton* button : main().mainCommandButtons())
        if (button->isEnabledTo(&main()) != mainFree)
            return fail(button->objectName() + (mainFree ? QStringLiteral(" is disabled with no dialog open")
                                                         : QStringLiteral(" is enabled while a dialog is open")));

    // The markup guard: a host and its five buttons on exactly while none of its markup
    // dialogs is open.
    if (isHostDialog(m_mainDialog)) {
        Form* host = form(m_mainDialog);
        const bool hostFree = m_markupDialog.isEmpty();
        if (host->isEnabled() != hostFree)
            return fail(m_mainDialog + (hostFree ? QStringLiteral(" is disabled with no markup dialog open")
                                                 : QStringLiteral(" is enabled under ") + m_markupDialog));
        for (const char* name : {"addMarkerButton", "addLineBreakButton", "addPictureButton", "AddButton", "CancelButton"}) {
            const auto* button = host->findChild<QPushButton*>(QString::fromLatin1(name));
            if (!button || button->isEnabledTo(host) != hostFree)
                return fail(QStringLiteral("the host's %1 is %2").arg(QString::fromLatin1(name),
                                                                       hostFree ? QStringLiteral("disabled") : QStringLiteral("enabled")));
        }
    }

    // The document, the file path and the caret.
    const QString document = main().textPreview()->text();
    if (document != m_doc)
        return fail(QStringLiteral("the document is not what the model expects: ") + difference(m_doc, document));
    if (main().address()->text() != m_address)
        return fail(QStringLiteral("Address shows \"%1\" instead of \"%2\"").arg(main().address()->text(), m_address));
    const QTextCursor cursor = main().textPreview()->textCursor();
    if (cursor.anchor() != m_anchor || cursor.position() != m_position)
        return fail(QStringLiteral("the document's selection moved from %1-%2 to %3-%4")
                        .arg(m_anchor)
                        .arg(m_position)
                        .arg(cursor.anchor())
                        .arg(cursor.position()));

    if (m_platform.beeps != m_beeps)
        return fail(QStringLiteral("%1 beeps instead of %2").arg(m_platform.beeps).arg(m_beeps));
    if (m_platform.helpOpened.size() != m_helps || m_platform.endCalls != m_ends)
        return fail(QStringLiteral("the help file or the end of the program was asked for unexpectedly"));

    // The rules inside the open dialogs.
    for (const QString& name : {m_mainDialog, m_markupDialog}) {
        if (const Form* open = form(name)) {
            const QString broken = checkFormRules(open);
            if (!broken.isEmpty())
                return fail(name + QStringLiteral(": ") + broken);
        }
    }

    // Every form unloaded in this step is deleted once the event loop has run.
    for (const QPointer<Form>& unloaded : std::as_const(m_unloaded))
        if (unloaded)
            return fail(unloaded->objectName() + QStringLiteral(" was unloaded but not deleted"));
    m_unloaded.clear();
}

} // namespace saltor::stress
