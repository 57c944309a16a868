#pragma once

#include <QObject>

class QPoint;

namespace saltor {

class MainWindow;

// Sends every way of the document's text box to cut, copy, paste and select all through the
// Edit commands, so the clipboard always gets each line's own terminator: its context menu
// (Undo, Redo and Delete stay the box's own) and the Ctrl+Insert, Shift+Delete and
// Shift+Insert keys.
class TextBoxClipboard : public QObject {
    Q_OBJECT
public:
    static void install(MainWindow& main);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit TextBoxClipboard(MainWindow& main);
    void showContextMenu(const QPoint& at);

    MainWindow& m_main;
};

} // namespace saltor
