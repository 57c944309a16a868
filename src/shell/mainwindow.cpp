#include "shell/mainwindow.h"

#include "platform/platform.h"
#include "shell/commentcommands.h"
#include "shell/dialogframe.h"
#include "shell/dialogopener.h"
#include "shell/editcommands.h"
#include "shell/filecommands.h"
#include "shell/fonts.h"
#include "shell/keystatusbar.h"
#include "shell/pictures.h"
#include "shell/tabchain.h"
#include "shell/windowsettings.h"

#include <QAction>
#include <QCloseEvent>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <array>

namespace saltor {

namespace {

const QString kHelpFile = QStringLiteral("Saltor Editor Help.chm");

struct ButtonRow {
    const char* frame;
    const char* name;
    const char* caption;
    const char* toolTip;
};

// The left column, top to bottom as the buttons stand (also their tab order).
constexpr std::array<ButtonRow, 12> kButtons = {{
    {"frmRecords", "createDiaryRecordButton", "Create Diary Record", "Open the subform for creating the diary record"},
    {"frmRecords", "createSimpleTaskButton", "Create Task", "Open the subform for creating new task "},
    {"frmRecords", "removeSimpleTaskButton", "Remove Task", "Open the subform for removing existing task"},
    {"frmRecords", "setSimpleTaskDescriptionButton", "Set Task Description", "Open the subform for setting description of the selected task"},
    {"frmRecords", "setSimpleTaskDestinationButton", "Set Task Destination", "Open the subform for setting destination of the selected task"},
    {"frmRecords", "setCurrentTaskButton", "Set Current Task", "Open the subform for setting selected task as to be active"},
    {"frmRecords", "setTaskStateButton", "Set Task State", "Open the subform for setting of state for the selected task"},
    {"frmFunctions", "taskHintButton", "Task Hint", "Open the subform for creating the task hint"},
    {"frmFunctions", "taskStateButton", "Task Status", "Open the subform for getting status of the selected task"},
    {"frmFunctions", "currentTaskButton", "Current Task", "Open the subform for getting information about the active task"},
    {"frmComments", "addNoteButton", "Add note", "Open the subform for inserting singleline note"},
    {"frmComments", "addCommentButton", "Add comment", "Open the subform for inserting multiline comment"},
}};

struct MenuRow {
    const char* menu;      // non-null starts a top-level menu
    const char* menuCaption;
    const char* name;      // null: a separator
    const char* caption;
    const char* shortcut;
};

constexpr std::array<MenuRow, 41> kMenus = {{
    {"mnuFile", "&File", "mnuNew", "&New", "Ctrl+N"},
    {nullptr, nullptr, "mnuOpen", "&Open", "Ctrl+O"},
    {nullptr, nullptr, "mnuSaveAs", "&Save As", "Ctrl+S"},
    {nullptr, nullptr, nullptr, nullptr, nullptr},
    {nullptr, nullptr, "mnuMinimize", "&Minimize", "Ctrl+M"},
    {nullptr, nullptr, nullptr, nullptr, nullptr},
    {nullptr, nullptr, "mnuExit", "E&xit", nullptr},
    {"mnuEdit", "&Edit", "mnuSelectAll", "&Select All", "Ctrl+A"},
    {nullptr, nullptr, nullptr, nullptr, nullptr},
    {nullptr, nullptr, "mnuClear", "C&lear", nullptr},
    {nullptr, nullptr, nullptr, nullptr, nullptr},
    {nullptr, nullptr, "mnuCut", "C&ut", "Ctrl+X"},
    {nullptr, nullptr, "mnuCopy", "&Copy", "Ctrl+C"},
    {nullptr, nullptr, "mnuPaste", "&Paste", "Ctrl+V"},
    {nullptr, nullptr, nullptr, nullptr, nullptr},
    {nullptr, nullptr, "mnuFind", "F&ind", "Ctrl+F"},
    {"mnuRecords", "&Records", "mnuCreateDiaryRecord", "createDiaryRecord", nullptr},
    {nullptr, nullptr, nullptr, nullptr, nullptr},
    {nullptr, nullptr, "mnuCreateSimpleTask", "createSimpleTask", nullptr},
    {nullptr, nullptr, "mnuRemoveSimpleTask", "removeSimpleTask", nullptr},
    {nullptr, nullptr, nullptr, nullptr, nullptr},
    {nullptr, nullptr, "mnuSetSimpleTaskDescription", "setSimpleTaskDescription", nullptr},
    {nullptr, nullptr, "mnuSetSimpleTaskDestination", "setSimpleTaskDestination", nullptr},
    {nullptr, nullptr, nullptr, nullptr, nullptr},
    {nullptr, nullptr, "mnuSetCurrentTask", "setCurrentTask", nullptr},
    {nullptr, nullptr, "mnuSetTaskState", "setTaskState", nullptr},
    {"mnuFunctions", "F&unctions", "mnuTaskHint", "taskHint", nullptr},
    {nullptr, nullptr, nullptr, nullptr, nullptr},
    {nullptr, nullptr, "mnuTaskState", "taskState", nullptr},
    {nullptr, nullptr, "mnuCurrentTask", "currentTask", nullptr},
    {"mnuComments", "&Comments", "mnuAddNote", "Add note", nullptr},
    {nullptr, nullptr, "mnuAddComment", "Add comment", nullptr},
    {nullptr, nullptr, nullptr, nullptr, nullptr},
    {nullptr, nullptr, "mnuAddDateMark", "Add date mark", nullptr},
    {"mnuExtras", "E&xtras", "mnuOverview", "Create \"overview.html\"", nullptr},
    {nullptr, nullptr, "mnuBriefing", "Create \"briefing.html\"", nullptr},
    {nullptr, nullptr, nullptr, nullptr, nullptr},
    {nullptr, nullptr, "mnuMPtemplate", "Insert basic MP template", nullptr},
    {"mnuHelp", "&Help", "mnuHelpContents", "Help Contents", "F1"},
    {nullptr, nullptr, nullptr, nullptr, nullptr},
    {nullptr, nullptr, "mnuAbout", "About", nullptr},
}};

// The controls of Main that open a dialog, with the form each shows, and the twelve command
// buttons with their place (1 to 12) in the order in which the dialog guard switches them,
// which swaps 5 and 6 against the visual order. A row with a place is a button; one without
// is a menu item. addNoteButton opens no form: it runs the Add note command.
struct OpenerRow {
    const char* control;
    const char* form;
    int guardPlace;
};

constexpr std::array<OpenerRow, 27> kOpeners = {{
    {"createDiaryRecordButton", "createDiaryRecord", 1},
    {"mnuCreateDiaryRecord", "createDiaryRecord", 0},
    {"createSimpleTaskButton", "createSimpleTask", 2},
    {"mnuCreateSimpleTask", "createSimpleTask", 0},
    {"removeSimpleTaskButton", "removeSimpleTask", 3},
    {"mnuRemoveSimpleTask", "removeSimpleTask", 0},
    {"setSimpleTaskDescriptionButton", "setSimpleTaskDescription", 4},
    {"mnuSetSimpleTaskDescription", "setSimpleTaskDescription", 0},
    {"setCurrentTaskButton", "setCurrentTask", 5},
    {"mnuSetCurrentTask", "setCurrentTask", 0},
    {"setSimpleTaskDestinationButton", "setSimpleTaskDestination", 6},
    {"mnuSetSimpleTaskDestination", "setSimpleTaskDestination", 0},
    {"setTaskStateButton", "setTaskState", 7},
    {"mnuSetTaskState", "setTaskState", 0},
    {"taskHintButton", "taskHint", 8},
    {"mnuTaskHint", "taskHint", 0},
    {"taskStateButton", "taskState", 9},
    {"mnuTaskState", "taskState", 0},
    {"currentTaskButton", "currentTask", 10},
    {"mnuCurrentTask", "currentTask", 0},
    {"addNoteButton", nullptr, 11},
    {"addCommentButton", "Addcomment", 12},
    {"mnuAddComment", "Addcomment", 0},
    {"mnuOverview", "overview", 0},
    {"mnuBriefing", "debriefing", 0},
    {"mnuMPtemplate", "MP_template", 0},
    {"mnuAbout", "About", 0},
}};

} // namespace

MainWindow::MainWindow(Platform& platform, DialogOpener& dialogs)
    : QMainWindow(nullptr), m_platform(platform), m_dialogs(dialogs), m_textPreview(new DocumentBox),
      m_address(new QLabel), m_edit(*m_textPreview, platform), m_files(*m_textPreview, m_address, platform, this)
{
    setObjectName(QStringLiteral("Main"));
    setWindowTitle(QStringLiteral("Saltor Editor"));
    setWindowIcon(applicationIcon());
    setFont(verdanaFont(8.25));
    // No control box: Minimize and Exit are items of the File menu.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    auto* central = new QWidget;
    auto* row = new QHBoxLayout(central);
    row->setContentsMargins(6, 4, 6, 2);
    row->setSpacing(6);
    row->addWidget(createLeftColumn());
    row->addWidget(createPreviewColumn(), 1);
    setCentralWidget(central);

    m_statusBar = new KeyStatusBar(platform);
    setStatusBar(m_statusBar);
    m_textPreview->installEventFilter(this);

    createMenus();
    connectCommands();

    m_commandButtons.resize(12);
    for (const OpenerRow& row : kOpeners)
        if (row.guardPlace > 0)
            m_commandButtons[row.guardPlace - 1] = findChild<QPushButton*>(QLatin1String(row.control));

    m_files.startNewDocument();
    // Tab and Shift+Tab in the document move the focus, as in the dialogs' multi-line boxes:
    // the document first, then the twelve buttons as they stand.
    m_textPreview->setTabChangesFocus(true);
    QStringList tabOrder{m_textPreview->objectName()};
    for (const ButtonRow& row : kButtons)
        tabOrder << QLatin1String(row.name);
    setTabChain(this, tabOrder);
    m_textPreview->setFocus();

    // The client area is 954 x 581 pixels; the menu bar stands above it.
    setFixedSize(954, 581 + menuBar()->sizeHint().height());
    // Centred on the screen at start-up, whatever the window manager would choose.
    placeWindow(this, StartPosition::CentreScreen, nullptr);
}

MainWindow::~MainWindow() = default;

QWidget* MainWindow::createLeftColumn()
{
    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    column->setFixedWidth(197);

    QHash<QString, QGroupBox*> frames;
    const std::array<std::pair<const char*, const char*>, 3> frameCaptions = {{
        {"frmRecords", "Records"}, {"frmFunctions", "Functions"}, {"frmComments", "Comments"}}};
    for (const auto& [name, caption] : frameCaptions) {
        QGroupBox* box = frame(QLatin1String(name), QLatin1String(caption));
        if (QLatin1String(name) == QLatin1String("frmComments"))
            new QHBoxLayout(box);
        else
            new QVBoxLayout(box);
        box->layout()->setContentsMargins(6, 4, 6, 6);
        box->layout()->setSpacing(3);
        frames.insert(QLatin1String(name), box);
        layout->addWidget(box);
    }
    for (const ButtonRow& row : kButtons) {
        auto* button = new QPushButton(QLatin1String(row.caption));
        button->setObjectName(QLatin1String(row.name));
        button->setToolTip(QLatin1String(row.toolTip));
        button->setFont(defaultDialogFont());
        button->setFixedHeight(25);
        frames.value(QLatin1String(row.frame))->layout()->addWidget(button);
    }
    layout->addStretch(1);

    auto* picture = new QLabel;
    picture->setObjectName(QStringLiteral("Picture1"));
    picture->setPixmap(mainPicture());
    picture->setFixedSize(185, 113);
    layout->addWidget(picture, 0, Qt::AlignHCenter);
    return column;
}

QWidget* MainWindow::createPreviewColumn()
{
    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);

    // A caption bar over the document; it holds no control.
    QGroupBox* caption = frame(QStringLiteral("frmPreview"), QStringLiteral("Preview code window"));
    caption->setFixedHeight(caption->fontMetrics().height() + 6);
    caption->setFlat(true);
    layout->addWidget(caption);

    m_textPreview->setObjectName(QStringLiteral("textPreview"));
    m_textPreview->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_textPreview->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_textPreview->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_textPreview->setFont(verdanaFont(8.25));
    // A tab stop every eight average characters, as in a plain text box (Qt's default of
    // 80 pixels spreads the indented template lines far apart).
    m_textPreview->setTabStopDistance(8 * QFontMetricsF(m_textPreview->font()).averageCharWidth());
    layout->addWidget(m_textPreview, 1);

    auto* fileLine = new QHBoxLayout;
    fileLine->setSpacing(4);
    auto* fileLocation = new QLabel(QStringLiteral("File:"));
    fileLocation->setObjectName(QStringLiteral("fileLocation"));
    fileLocation->setFont(verdanaFont(6.75));
    m_address->setObjectName(QStringLiteral("Address"));
    m_address->setFont(verdanaFont(6.75));
    m_address->setToolTip(QStringLiteral("Address to the opened/saved file"));
    m_address->setTextFormat(Qt::PlainText);
    fileLine->addWidget(fileLocation);
    fileLine->addWidget(m_address, 1);
    layout->addLayout(fileLine);
    return column;
}

void MainWindow::createMenus()
{
    QMenu* menu = nullptr;
    int separator = 0;
    for (const MenuRow& row : kMenus) {
        if (row.menu) {
            menu = menuBar()->addMenu(QLatin1String(row.menuCaption));
            menu->setObjectName(QLatin1String(row.menu));
            menu->menuAction()->setObjectName(QLatin1String(row.menu));
        }
        if (!row.name) {
            QAction* space = menu->addSeparator();
            space->setObjectName(QStringLiteral("Space%1").arg(separator++));
            continue;
        }
        QAction* action = menu->addAction(QLatin1String(row.caption));
        action->setObjectName(QLatin1String(row.name));
        if (row.shortcut)
            action->setShortcut(QKeySequence(QLatin1String(row.shortcut)));
        // Shortcuts work while the document has the focus, and not while Main is disabled.
        action->setShortcutContext(Qt::WindowShortcut);
    }
}

void MainWindow::connectCommands()
{
    auto action = [this](const char* name) { return findChild<QAction*>(QLatin1String(name)); };
    auto button = [this](const char* name) { return findChild<QPushButton*>(QLatin1String(name)); };

    for (const OpenerRow& row : kOpeners) {
        if (!row.form)
            continue;
        const QString form = QLatin1String(row.form);
        auto open = [this, form] { m_dialogs.showDialog(form); };
        if (row.guardPlace > 0)
            connect(button(row.control), &QPushButton::clicked, this, open);
        else
            connect(action(row.control), &QAction::triggered, this, open);
    }

    connect(action("mnuNew"), &QAction::triggered, this, &MainWindow::mnuNew_Click);
    connect(action("mnuOpen"), &QAction::triggered, this, &MainWindow::mnuOpen_Click);
    connect(action("mnuSaveAs"), &QAction::triggered, this, &MainWindow::mnuSaveAs_Click);
    connect(action("mnuMinimize"), &QAction::triggered, this, &MainWindow::mnuMinimize_Click);
    connect(action("mnuExit"), &QAction::triggered, this, &MainWindow::mnuExit_Click);
    connect(action("mnuSelectAll"), &QAction::triggered, this, &MainWindow::mnuSelectAll_Click);
    connect(action("mnuClear"), &QAction::triggered, this, &MainWindow::mnuClear_Click);
    connect(action("mnuCut"), &QAction::triggered, this, &MainWindow::mnuCut_Click);
    connect(action("mnuCopy"), &QAction::triggered, this, &MainWindow::mnuCopy_Click);
    connect(action("mnuPaste"), &QAction::triggered, this, &MainWindow::mnuPaste_Click);
    connect(action("mnuFind"), &QAction::triggered, this, &MainWindow::mnuFind_Click);
    connect(button("addNoteButton"), &QPushButton::clicked, this, &MainWindow::addNoteButton_Click);
    connect(action("mnuAddNote"), &QAction::triggered, this, &MainWindow::addNoteButton_Click);
    connect(action("mnuAddDateMark"), &QAction::triggered, this, &MainWindow::mnuAddDateMark_Click);
    connect(action("mnuHelpContents"), &QAction::triggered, this, &MainWindow::mnuHelpContents_Click);
}

void MainWindow::keepActiveControl()
{
    // Only while enabled: a disabled Main has already lost its focus control.
    if (isEnabled())
        m_activeControl = focusWidget();
}

void MainWindow::SetFocus()
{
    // Minimised through the window manager while the dialog was open: Main comes back, or the
    // user would be left with nothing on the screen.
    if (isMinimized())
        setWindowState(windowState() & ~Qt::WindowMinimized);
    raise();
    activateWindow();
    QWidget* control = m_activeControl ? m_activeControl.data() : m_textPreview;
    m_activeControl = nullptr;
    if (control->isEnabled())
        control->setFocus();
}

void MainWindow::mnuNew_Click()
{
    m_files.newDocument();
}

void MainWindow::mnuOpen_Click()
{
    m_files.loadTextFile();
}

void MainWindow::mnuSaveAs_Click()
{
    m_files.saveDocumentAs();
}

void MainWindow::mnuMinimize_Click()
{
    showMinimized();
}

void MainWindow::mnuExit_Click()
{
    const MessageAnswer answer = m_platform.messageBox(
        QStringLiteral("All unsaved data will be lost. Do you really want to exit ?"),
        MessageButtons::YesNo, MessageIcon::Question, QStringLiteral("Exiting ..."));
    if (answer == MessageAnswer::Yes)
        m_platform.endProgram();
}

void MainWindow::mnuSelectAll_Click() { m_edit.selectAll(); }
void MainWindow::mnuClear_Click() { m_edit.clear(); }
void MainWindow::mnuCut_Click() { m_edit.cut(); }
void MainWindow::mnuCopy_Click() { m_edit.copy(); }
void MainWindow::mnuPaste_Click() { m_edit.paste(); }
void MainWindow::mnuFind_Click() { m_edit.findCommand(); }
void MainWindow::addNoteButton_Click() { CommentCommands::addNote(m_platform, *m_textPreview); }
void MainWindow::mnuAddDateMark_Click() { CommentCommands::addDateMark(m_platform, *m_textPreview); }

void MainWindow::mnuHelpContents_Click()
{
    m_platform.openHelp(kHelpFile);
}

bool MainWindow::event(QEvent* event)
{
    // Activated while a dialog is open (a click on its disabled window): the dialog comes back
    // in front, so it cannot get lost behind Main.
    if (event->type() == QEvent::WindowActivate && !isEnabled())
        QTimer::singleShot(0, this, [this] { m_dialogs.raiseOpenDialog(); });
    return QMainWindow::event(event);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // A window-system close asks the Exit question; while a dialog is open Main takes no
    // input, so the close is refused then.
    event->ignore();
    if (isEnabled())
        mnuExit_Click();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_textPreview)
        return QMainWindow::eventFilter(watched, event);
    if (event->type() == QEvent::ShortcutOverride) {
        // The text box would take Ctrl+X, C, V and A for its own cut, copy, paste and select
        // all; Main's menu commands own those keys, so the shortcut goes to them.
        const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
        for (const QAction* action : findChildren<QAction*>()) {
            if (!action->shortcut().isEmpty() && action->shortcut() == pressed) {
                event->ignore();
                return true;
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace saltor
