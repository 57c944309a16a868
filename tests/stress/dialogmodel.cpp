#include "dialogmodel.h"

#include "extras/briefingpage.h"
#include "extras/mptemplate.h"
#include "extras/overviewpage.h"
#include "shell/comments.h"
#include "shell/dialogframe.h"
#include "statements/markup.h"
#include "statements/recordstatements.h"
#include "statements/taskstatements.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTabWidget>

#include <array>

namespace saltor::stress {

namespace {

const QString kFill = QStringLiteral(" Fill all fields or click on the Cancel button. ");

// The five two-field dialogs: the statement is first + middle + second + end + CRLF, where
// first is the upper box when firstIsUpper and the lower one otherwise.
struct TwoField {
    const char* form;
    const char* button;
    const char* upper;
    const char* lower;
    bool firstIsUpper;
    const char* middle;
    const char* end;
};

constexpr std::array<TwoField, 5> kTwoFields = {{
    {"setCurrentTask", "SetButton", "unitName", "taskName", true, " setCurrentTask ", ";"},
    {"setSimpleTaskDestination", "AddButton", "taskName", "markerName", true,
     " setSimpleTaskDestination (getMarkerPos \"", "\");"},
    {"removeSimpleTask", "SetButton", "unitName", "taskName", true, " removeSimpleTask ", ";"},
    {"taskState", "GetButton", "taskName", "variable", false, " = taskState ", ";"},
    {"currentTask", "GetButton", "unitName", "variable", false, " = currentTask ", ";"},
}};

struct Choice {
    const char* radio;
    const char* value;
};

constexpr std::array<Choice, 5> kTaskStates = {{
    {"createdRadio", "\"Created\""},
    {"assignedRadio", "\"Assigned\""},
    {"succeededRadio", "\"Succeeded\""},
    {"failedRadio", "\"Failed\""},
    {"canceledRadio", "\"Canceled\""},
}};

constexpr std::array<Choice, 5> kHintIcons = {{
    {"newRadio", "taskNew"},
    {"currentRadio", "taskCurrent"},
    {"doneRadio", "taskDone"},
    {"failedRadio", "taskFailed"},
    {"canceledRadio", "taskFailed"},
}};

constexpr std::array<const char*, 4> kColourRadios = {"whiteRadio", "greenRadio", "redRadio", "greyRadio"};
constexpr std::array<const char*, 4> kComponents = {"redText", "greenText", "blueText", "alphaText"};
constexpr std::array<const char*, 4> kSides = {"Check_BLUFOR", "Check_OPFOR", "Check_RES", "Check_CIV"};

struct Section {
    const char* check;
    const char* title;
    const char* description;
    const char* lineBreak;
    const char* caption;
};

constexpr std::array<Section, 7> kSections = {{
    {"Check1", "End1Text1", "End1Text2", "End1lineBreakButton", "End 1"},
    {"Check2", "End2Text1", "End2Text2", "End2lineBreakButton", "End 2"},
    {"Check3", "End3Text1", "End3Text2", "End3lineBreakButton", "End 3"},
    {"Check4", "End4Text1", "End4Text2", "End4lineBreakButton", "End 4"},
    {"Check5", "End5Text1", "End5Text2", "End5lineBreakButton", "End 5"},
    {"Check6", "End6Text1", "End6Text2", "End6lineBreakButton", "End 6"},
    {"Check7", "LooseText1", "LooseText2", "LooselineBreakButton", "Loose"},
}};

QString name(const char* text)
{
    return QString::fromLatin1(text);
}

QWidget* widget(const QWidget* form, const QString& childName)
{
    return form->findChild<QWidget*>(childName);
}

bool ticked(const QWidget* form, const char* box)
{
    const auto* check = form->findChild<QAbstractButton*>(name(box));
    return check && check->isChecked();
}

// The value of the checked option among choices, or "" when none or several are checked.
template <size_t N> QString chosen(const QWidget* form, const std::array<Choice, N>& choices)
{
    QString value;
    int count = 0;
    for (const Choice& choice : choices) {
        if (ticked(form, choice.radio)) {
            value = name(choice.value);
            ++count;
        }
    }
    return count == 1 ? value : QString();
}

// A box switched on is enabled (to its window) in the window colour; switched off it is
// disabled and grey.
QString checkSwitched(const QWidget* form, const char* boxName, bool on, bool emptyWhenOff)
{
    QWidget* box = widget(form, name(boxName));
    if (!box)
        return QStringLiteral("no box %1").arg(name(boxName));
    if (box->isEnabledTo(box->window()) != on)
        return QStringLiteral("%1 is %2 but must be %3")
            .arg(name(boxName), on ? QStringLiteral("disabled") : QStringLiteral("enabled"),
                 on ? QStringLiteral("on") : QStringLiteral("off"));
    if (fieldColor(box) != (on ? activeFieldColor() : inactiveFieldColor()))
        return QStringLiteral("%1 has the wrong background for a box switched %2")
            .arg(name(boxName), on ? QStringLiteral("on") : QStringLiteral("off"));
    if (!on && emptyWhenOff && !boxText(box).isEmpty())
        return QStringLiteral("%1 is switched off but holds \"%2\"").arg(name(boxName), boxText(box));
    return QString();
}

QString checkEnabled(const QWidget* form, const char* controlName, bool on)
{
    QWidget* control = widget(form, name(controlName));
    if (!control)
        return QStringLiteral("no control %1").arg(name(controlName));
    if (control->isEnabledTo(control->window()) != on)
        return QStringLiteral("%1 must be %2").arg(name(controlName), on ? QStringLiteral("enabled") : QStringLiteral("disabled"));
    return QString();
}

template <size_t N> int checkedCount(const QWidget* form, const std::array<const char*, N>& radios)
{
    int count = 0;
    for (const char* radio : radios)
        count += ticked(form, radio) ? 1 : 0;
    return count;
}

} // namespace

const QStringList& mainDialogNames()
{
    static const QStringList names = {
        QStringLiteral("About"), QStringLiteral("Addcomment"), QStringLiteral("createDiaryRecord"),
        QStringLiteral("createSimpleTask"), QStringLiteral("currentTask"), QStringLiteral("debriefing"),
        QStringLiteral("MP_template"), QStringLiteral("overview"), QStringLiteral("removeSimpleTask"),
        QStringLiteral("setCurrentTask"), QStringLiteral("setSimpleTaskDescription"),
        QStringLiteral("setSimpleTaskDestination"), QStringLiteral("setTaskState"), QStringLiteral("taskHint"),
        QStringLiteral("taskState"),
    };
    return names;
}

const QStringList& markupDialogNames()
{
    static const QStringList names = {QStringLiteral("sub_addMarker"), QStringLiteral("sub_addPicture"),
                                      QStringLiteral("task_addMarker"), QStringLiteral("task_addPicture")};
    return names;
}

bool isMarkupDialog(const QString& form)
{
    return markupDialogNames().contains(form);
}

QString markupHostOf(const QString& markupDialog)
{
    return markupDialog.startsWith(QLatin1String("sub_")) ? QStringLiteral("createDiaryRecord")
                                                          : QStringLiteral("setSimpleTaskDescription");
}

QString markupHostBoxOf(const QString& markupDialog)
{
    return markupDialog.startsWith(QLatin1String("sub_")) ? QStringLiteral("recordDescription")
                                                          : QStringLiteral("taskDescription");
}

bool isHostDialog(const QString& form)
{
    return form == QLatin1String("createDiaryRecord") || form == QLatin1String("setSimpleTaskDescription");
}

QString boxTextOf(const QWidget* form, const QString& box)
{
    const QWidget* found = widget(form, box);
    return found ? boxText(found) : QString();
}

std::optional<DialogAction> dialogAction(const QWidget* form)
{
    const QString formName = form->objectName();
    auto text = [form](const char* box) { return boxTextOf(form, name(box)); };
    auto names = [](std::initializer_list<const char*> boxes) {
        QStringList list;
        for (const char* box : boxes)
            list.append(name(box));
        return list;
    };

    for (const TwoField& row : kTwoFields) {
        if (formName != QLatin1String(row.form))
            continue;
        const QString upper = text(row.upper);
        const QString lower = text(row.lower);
        return DialogAction{name(row.button), names({row.upper, row.lower}), kFill,
                            twoFieldStatement(row.firstIsUpper ? upper : lower, name(row.middle),
                                              row.firstIsUpper ? lower : upper, name(row.end))};
    }
    if (formName == QLatin1String("createSimpleTask"))
        return DialogAction{QStringLiteral("AddButton"), names({"taskName", "taskUnit", "taskDescription"}), kFill,
                            createSimpleTaskStatement(text("taskName"), text("taskUnit"), text("taskDescription"))};
    if (formName == QLatin1String("createDiaryRecord")) {
        if (ticked(form, "Check"))
            return DialogAction{QStringLiteral("AddButton"), names({"unitName", "recordDescription", "recordPart"}),
                                kFill,
                                diaryRecordSectionStatement(text("unitName"), text("recordPart"),
                                                            text("recordDescription"))};
        return DialogAction{QStringLiteral("AddButton"), names({"unitName", "recordDescription"}), kFill,
                            diaryRecordStatement(text("unitName"), text("recordDescription"))};
    }
    if (formName == QLatin1String("setSimpleTaskDescription"))
        return DialogAction{QStringLiteral("AddButton"), names({"taskName", "taskDescription", "taskNameText"}), kFill,
                            taskDescriptionStatement(text("taskName"), text("taskDescription"), text("taskNameText"),
                                                     text("waypointName"))};
    if (formName == QLatin1String("setTaskState"))
        return DialogAction{QStringLiteral("SetButton"), names({"taskName"}),
                            QStringLiteral(" Write the name of the task or click on the Cancel button. "),
                            setTaskStateStatement(text("taskName"), chosen(form, kTaskStates))};
    if (formName == QLatin1String("taskHint"))
        return DialogAction{QStringLiteral("AddButton"), names({"hintText"}),
                            QStringLiteral(" Write some text for the hint or click on the Cancel button. "),
                            taskHintStatement(text("hintText"), text("redText"), text("greenText"), text("blueText"),
                                              text("alphaText"), chosen(form, kHintIcons))};
    if (formName == QLatin1String("Addcomment"))
        return DialogAction{QStringLiteral("AddButton"), {}, QString(), blockComment(text("comment"))};
    if (formName == QLatin1String("MP_template")) {
        MpSideTicks sides{};
        for (size_t i = 0; i < kSides.size(); ++i)
            sides[i] = ticked(form, kSides[i]);
        return DialogAction{QStringLiteral("CreateButton"), names({"playableUnitName"}),
                            QStringLiteral(" Write the name for the playable unit or click on the Cancel button. "),
                            mpTemplate(text("playableUnitName"), sides)};
    }
    if (formName.endsWith(QLatin1String("_addMarker")))
        return DialogAction{QStringLiteral("AddButton"), names({"markerName", "textAssignedToMarker"}), kFill,
                            markerMarkup(text("markerName"), text("textAssignedToMarker"))};
    if (formName.endsWith(QLatin1String("_addPicture")))
        return DialogAction{QStringLiteral("AddButton"), names({"pictureName", "pictureWidth", "pictureHeight"}), kFill,
                            pictureMarkup(text("pictureName"), text("pictureWidth"), text("pictureHeight"))};
    return std::nullopt;
}

std::optional<PageAction> pageAction(const QWidget* form)
{
    const QString formName = form->objectName();
    auto text = [form](const char* box) { return boxTextOf(form, name(box)); };
    if (formName == QLatin1String("overview")) {
        OverviewContent content;
        content.picture = ticked(form, "Check1");
        content.description = ticked(form, "Check2");
        if (content.picture) {
            content.link = text("Text1");
            content.width = text("Text2");
            content.height = text("Text3");
        }
        if (content.description)
            content.text = text("Text4");
        return PageAction{QStringLiteral("CreateButton"), QStringLiteral("overview.html (overview.html)"),
                          overviewPage(content)};
    }
    if (formName == QLatin1String("debriefing")) {
        BriefingSections sections;
        for (size_t i = 0; i < kSections.size(); ++i) {
            sections[i].active = ticked(form, kSections[i].check);
            if (sections[i].active) {
                sections[i].title = text(kSections[i].title);
                sections[i].description = text(kSections[i].description);
            }
        }
        return PageAction{QStringLiteral("CreateButton"), QStringLiteral("briefing.html (briefing.html)"),
                          briefingPage(sections)};
    }
    return std::nullopt;
}

FormState formState(const QWidget* form)
{
    FormState state;
    for (const QWidget* child : form->findChildren<QWidget*>()) {
        const QString childName = child->objectName();
        if (childName.isEmpty())
            continue;
        if (qobject_cast<const QLineEdit*>(child) || qobject_cast<const QPlainTextEdit*>(child))
            state.texts.insert(childName, boxText(child));
        const auto* button = qobject_cast<const QAbstractButton*>(child);
        if (button && button->isCheckable())
            state.ticks.insert(childName, button->isChecked());
    }
    return state;
}

FormState stateAfterClick(const QWidget* form, const FormState& before, const QString& control)
{
    const QString formName = form->objectName();
    FormState after = before;
    const QWidget* clicked = widget(form, control);

    if (qobject_cast<const QRadioButton*>(clicked)) {
        // The options of one frame: the clicked one is selected, the others not.
        for (const QRadioButton* radio : clicked->parentWidget()->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly))
            after.ticks[radio->objectName()] = radio == clicked;
        if (formName == QLatin1String("setTaskState"))
            for (const Choice& state : kTaskStates)
                if (control == QLatin1String(state.radio))
                    after.texts[QStringLiteral("taskStatus")] = name(state.value);
        if (formName == QLatin1String("taskHint")) {
            static const QHash<QString, QStringList> presets = {
                {QStringLiteral("whiteRadio"), {"1", "1", "1", "1"}},
                {QStringLiteral("greenRadio"), {"0", "1", "0", "1"}},
                {QStringLiteral("redRadio"), {"1", "0", "0", "1"}},
                {QStringLiteral("greyRadio"), {"0.75", "0.75", "0.75", "1"}},
            };
            if (presets.contains(control))
                for (size_t i = 0; i < kComponents.size(); ++i)
                    after.texts[name(kComponents[i])] = presets.value(control).at(int(i));
        }
        return after;
    }

    const bool was = before.ticks.value(control);
    if (formName == QLatin1String("overview")) {
        // One option always stays ticked: a click on the only ticked one moves the tick.
        bool picture = before.ticks.value(QStringLiteral("Check1"));
        bool description = before.ticks.value(QStringLiteral("Check2"));
        if (control == QLatin1String("Check1")) {
            picture = !was;
            description = description || was;
        } else {
            description = !was;
            picture = picture || was;
        }
        after.ticks[QStringLiteral("Check1")] = picture;
        after.ticks[QStringLiteral("Check2")] = description;
        // A box keeps its text only while its option stays ticked; switched on it starts empty.
        const bool keepPicture = picture && before.ticks.value(QStringLiteral("Check1"));
        const bool keepDescription = description && before.ticks.value(QStringLiteral("Check2"));
        for (const char* box : {"Text1", "Text2", "Text3"})
            if (!keepPicture)
                after.texts[name(box)] = QString();
        if (!keepDescription)
            after.texts[QStringLiteral("Text4")] = QString();
    } else if (formName == QLatin1String("taskHint")) {
        // The clicked mode box ends ticked, the other unticked; nothing else changes.
        const bool defaultMode = control == QLatin1String("Check_default");
        after.ticks[QStringLiteral("Check_default")] = defaultMode;
        after.ticks[QStringLiteral("Check_manual")] = !defaultMode;
    } else {
        after.ticks[control] = !was;
        if (formName == QLatin1String("debriefing") && was) {
            for (const Section& section : kSections) {
                if (control == QLatin1String(section.check)) {
                    after.texts[name(section.title)] = QString();
                    after.texts[name(section.description)] = QString();
                }
            }
        }
    }
    return after;
}

QString stateDifferences(const FormState& expected, const FormState& got)
{
    QStringList differences;
    for (auto it = expected.ticks.cbegin(); it != expected.ticks.cend(); ++it)
        if (got.ticks.value(it.key(), !it.value()) != it.value())
            differences.append(QStringLiteral("%1 is %2").arg(it.key(), it.value() ? QStringLiteral("unticked")
                                                                                   : QStringLiteral("ticked")));
    for (auto it = expected.texts.cbegin(); it != expected.texts.cend(); ++it)
        if (got.texts.value(it.key()) != it.value())
            differences.append(QStringLiteral("%1 holds \"%2\" instead of \"%3\"").arg(it.key(), got.texts.value(it.key()), it.value()));
    if (got.ticks.size() != expected.ticks.size() || got.texts.size() != expected.texts.size())
        differences.append(QStringLiteral("the form's controls changed"));
    differences.sort();
    return differences.mid(0, 4).join(QStringLiteral("; "));
}

QString checkOpeningValues(const QWidget* form)
{
    const QString formName = form->objectName();
    QStringList tickedAtOpening;
    if (formName == QLatin1String("createDiaryRecord"))
        tickedAtOpening = {QStringLiteral("Check")};
    else if (formName == QLatin1String("overview"))
        tickedAtOpening = {QStringLiteral("Check1"), QStringLiteral("Check2")};
    else if (formName == QLatin1String("taskHint"))
        tickedAtOpening = {QStringLiteral("Check_default"), QStringLiteral("whiteRadio"), QStringLiteral("newRadio")};
    else if (formName == QLatin1String("debriefing"))
        tickedAtOpening = {QStringLiteral("Check1")};
    else if (formName == QLatin1String("MP_template"))
        for (const char* side : kSides)
            tickedAtOpening.append(name(side));
    else if (formName == QLatin1String("setTaskState"))
        tickedAtOpening = {QStringLiteral("createdRadio")};

    for (const QWidget* child : form->findChildren<QWidget*>()) {
        const QString childName = child->objectName();
        if (qobject_cast<const QLineEdit*>(child) || qobject_cast<const QPlainTextEdit*>(child)) {
            QString expected;
            for (const char* component : kComponents)
                if (formName == QLatin1String("taskHint") && childName == QLatin1String(component))
                    expected = QStringLiteral("1");
            if (formName == QLatin1String("setTaskState") && childName == QLatin1String("taskStatus"))
                expected = QStringLiteral("\"Created\"");
            if (boxText(child) != expected)
                return QStringLiteral("%1 opens with \"%2\" instead of \"%3\"").arg(childName, boxText(child), expected);
        }
        const auto* button = qobject_cast<const QAbstractButton*>(child);
        if (button && button->isCheckable() && button->isChecked() != tickedAtOpening.contains(childName))
            return QStringLiteral("%1 opens %2").arg(childName, button->isChecked() ? QStringLiteral("ticked")
                                                                                    : QStringLiteral("unticked"));
    }
    if (formName == QLatin1String("debriefing")) {
        const auto* tabs = form->findChild<QTabWidget*>(QStringLiteral("SSTab1"));
        if (!tabs || tabs->currentIndex() != 0)
            return QStringLiteral("debriefing does not open on the tab End 1");
    }
    return QString();
}

QString checkFormRules(const QWidget* form)
{
    const QString formName = form->objectName();
    QStringList broken;
    auto add = [&broken](const QString& problem) {
        if (!problem.isEmpty())
            broken.append(problem);
    };

    if (formName == QLatin1String("createDiaryRecord")) {
        add(checkSwitched(form, "recordPart", ticked(form, "Check"), false));
    } else if (formName == QLatin1String("overview")) {
        const bool picture = ticked(form, "Check1");
        const bool description = ticked(form, "Check2");
        if (!picture && !description)
            add(QStringLiteral("both options of the overview are unticked"));
        for (const char* box : {"Text1", "Text2", "Text3"})
            add(checkSwitched(form, box, picture, true));
        add(checkSwitched(form, "Text4", description, true));
        add(checkEnabled(form, "lineBreakButton", description));
    } else if (formName == QLatin1String("taskHint")) {
        const bool defaultMode = ticked(form, "Check_default");
        if (defaultMode == ticked(form, "Check_manual"))
            add(QStringLiteral("Check_default and Check_manual are both %1")
                    .arg(defaultMode ? QStringLiteral("ticked") : QStringLiteral("unticked")));
        for (const char* radio : kColourRadios)
            add(checkEnabled(form, radio, defaultMode));
        for (const char* box : kComponents)
            add(checkSwitched(form, box, !defaultMode, false));
        if (checkedCount(form, kColourRadios) != 1)
            add(QStringLiteral("not exactly one colour option is selected"));
        if (chosen(form, kHintIcons).isEmpty())
            add(QStringLiteral("not exactly one icon option is selected"));
    } else if (formName == QLatin1String("debriefing")) {
        for (const Section& section : kSections) {
            const bool on = ticked(form, section.check);
            add(checkSwitched(form, section.title, on, true));
            add(checkSwitched(form, section.description, on, true));
            add(checkEnabled(form, section.lineBreak, on));
        }
        const auto* tabs = form->findChild<QTabWidget*>(QStringLiteral("SSTab1"));
        const auto* indicator = form->findChild<QLabel*>(QStringLiteral("TabIndicator"));
        if (!tabs || !indicator || tabs->currentIndex() < 0)
            add(QStringLiteral("no tabs or no TabIndicator"));
        else if (indicator->text() != QStringLiteral("Current tab: ") + name(kSections[size_t(tabs->currentIndex())].caption))
            add(QStringLiteral("TabIndicator reads \"%1\" on the tab %2").arg(indicator->text()).arg(tabs->currentIndex()));
    } else if (formName == QLatin1String("setTaskState")) {
        const QString state = chosen(form, kTaskStates);
        if (state.isEmpty())
            add(QStringLiteral("not exactly one task state is selected"));
        else if (boxTextOf(form, QStringLiteral("taskStatus")) != state)
            add(QStringLiteral("taskStatus holds %1 while %2 is selected").arg(boxTextOf(form, QStringLiteral("taskStatus")), state));
    }
    return broken.join(QStringLiteral("; "));
}

} // namespace saltor::stress
