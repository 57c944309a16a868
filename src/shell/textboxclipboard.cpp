#include "shell/textboxclipboard.h"

#include "platform/platform.h"
#include "shell/editcommands.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTextCursor>

#include <memory>

namespace saltor {

namespace {

using Command = void (*)(EditCommands&);

struct MenuCommand {
    const char* action; // the object name Qt gives the item of the box's standard menu
    Command command;
};

constexpr MenuCommand kMenuCommands[] = {
    {"edit-cut", [](EditCommands& edit) { edit.cut(); }},
    {"edit-copy", [](EditCommands& edit) { edit.copy(); }},
    {"edit-paste", [](EditCommands& edit) { edit.paste(); }},
    {"select-all", [](EditCommands& edit) { edit.selectAll(); }},
};

struct KeyCommand {
    QKeySequence::StandardKey key;
    Command command;
};

constexpr KeyCommand kKeyCommands[] = {
    {QKeySequence::Cut, [](EditCommands& edit) { edit.cut(); }},
    {QKeySequence::Copy, [](EditCommands& edit) { edit.copy(); }},
    {QKeySequence::Paste, [](EditCommands& edit) { edit.paste(); }},
};

} // namespace

TextBoxClipboard::TextBoxClipboard(QPlainTextEdit* box, EditCommands& commands, Platform& platform)
    : QObject(box), m_box(box), m_viewport(box->viewport()), m_commands(commands), m_platform(platform)
{
}

void TextBoxClipboard::install(QPlainTextEdit* box, EditCommands& commands, Platform& platform)
{
    auto* routes = new TextBoxClipboard(box, commands, platform);
    box->installEventFilter(routes);
    routes->m_viewport->installEventFilter(routes);
    box->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(box, &QWidget::customContextMenuRequested, routes, &TextBoxClipboard::showContextMenu);
}

bool TextBoxClipboard::eventFilter(QObject* watched, QEvent* event)
{
    // Compared with the viewport kept at the start: while the box is destroyed, its viewport
    // still sends events here, and the box can no longer be asked for it.
    if (watched == m_viewport)
        return holdsDragOfOwnText(event);
    // A disabled box takes no keys: the event only passes the filters on its way to nothing.
    if (event->type() != QEvent::KeyPress || !m_box->isEnabled())
        return QObject::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    for (const KeyCommand& route : kKeyCommands) {
        if (key->matches(route.key)) {
            route.command(m_commands);
            return true;
        }
    }
    return false;
}

bool TextBoxClipboard::holdsDragOfOwnText(QEvent* event)
{
    // A text dragged within the box would move as one edit spanning both places, and every
    // line break between them would lose its own terminator. So the box starts no drag of its
    // own text: a press inside the selection followed by a move does not drag, and the release
    // puts the caret where it is, as a plain click there does.
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const QTextCursor selection = m_box->textCursor();
        const int at = m_box->cursorForPosition(mouse->position().toPoint()).position();
        m_pressInSelection = mouse->button() == Qt::LeftButton && selection.hasSelection()
                             && at >= selection.selectionStart() && at < selection.selectionEnd();
        return false;
    }
    case QEvent::MouseMove:
        return m_pressInSelection;
    case QEvent::MouseButtonRelease:
        m_pressInSelection = false;
        return false;
    default:
        return false;
    }
}

void TextBoxClipboard::showContextMenu(const QPoint& at)
{
    QPlainTextEdit* box = m_box;
    std::unique_ptr<QMenu> menu(box->createStandardContextMenu(at));
    for (const MenuCommand& route : kMenuCommands) {
        QAction* action = menu->findChild<QAction*>(QLatin1String(route.action));
        if (!action)
            continue;
        disconnect(action, &QAction::triggered, nullptr, nullptr);
        connect(action, &QAction::triggered, this, [this, command = route.command] { command(m_commands); });
    }
    // Delete stays the box's own, in an edit block so that the line ends join its undo step.
    if (QAction* remove = menu->findChild<QAction*>(QStringLiteral("edit-delete"))) {
        disconnect(remove, &QAction::triggered, nullptr, nullptr);
        connect(remove, &QAction::triggered, box, [box] {
            QTextCursor cursor = box->textCursor();
            cursor.beginEditBlock();
            cursor.removeSelectedText();
            cursor.endEditBlock();
            box->setTextCursor(cursor);
        });
    }
    // The box asks the system clipboard; Paste takes the text the platform gives.
    if (QAction* paste = menu->findChild<QAction*>(QStringLiteral("edit-paste")))
        paste->setEnabled(!box->isReadOnly() && !m_platform.clipboardText().isEmpty());
    menu->setObjectName(QStringLiteral("textPreviewMenu"));
    menu->exec(box->viewport()->mapToGlobal(at));
}

} // namespace saltor
