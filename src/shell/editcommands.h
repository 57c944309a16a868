#pragma once

#include <QString>

namespace saltor {

class MainWindow;

// The Edit menu's commands on the Document and its selection, and Find. Each command gives
// the document the focus; the clipboard is reached through the platform, in plain text.
class EditCommands {
public:
    static void selectAll(MainWindow& main);
    // Asks first; Yes leaves an empty Document (the file path stays as it was).
    static void clear(MainWindow& main);
    // The selection goes to the clipboard with each line break as that line's own
    // terminator; with nothing selected the clipboard is left holding the empty text.
    static void cut(MainWindow& main);
    static void copy(MainWindow& main);
    // Replaces the selection with the clipboard's text (none: the selection is deleted).
    static void paste(MainWindow& main);
    // Asks for the text, then selects its last case-insensitive occurrence in the Document,
    // an occurrence at the very start included; nothing happens when there is none or the
    // Document is empty. The empty text puts the caret at the end.
    static void findCommand(MainWindow& main);
};

} // namespace saltor
