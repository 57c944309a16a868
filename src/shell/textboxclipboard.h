#pragma once

#include <QObject>

class QPlainTextEdit;
class QPoint;
class QWidget;

namespace saltor {

class EditCommands;
class Platform;

// Sends every way of the document's text box to cut, copy, paste and select all through the
// Edit commands, so the clipboard always gets each line's own terminator: its context menu
// (Undo, Redo and Delete stay the box's own) and the Ctrl+Insert, Shift+Delete and
// Shift+Insert keys. It also keeps the box from dragging its own text to another place in it.
class TextBoxClipboard : public QObject {
    Q_OBJECT
public:
    // box is the document's text box, commands its Edit commands.
    static void install(QPlainTextEdit* box, EditCommands& commands, Platform& platform);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TextBoxClipboard(QPlainTextEdit* box, EditCommands& commands, Platform& platform);
    void showContextMenu(const QPoint& at);
    // True for the mouse moves that would drag the box's own selected text.
    bool holdsDragOfOwnText(QEvent* event);

    QPlainTextEdit* m_box;
    QWidget* m_viewport;
    EditCommands& m_commands;
    Platform& m_platform;
    bool m_pressInSelection = false;
};

} // namespace saltor
