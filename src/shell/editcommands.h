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
    // The selection goes to the clipboard with each line break as the Document's line end;
    // with nothing selected the clipboard is left holding the empty text.
    static void cut(MainWindow& main);
    static void copy(MainWindow& main);
    // Replaces the selection with the clipboard's text (none: the selection is deleted).
    static void paste(MainWindow& main);
    // Asks for the text, then finds it in the whole Document.
    static void findCommand(MainWindow& main);
    // Selects the last case-insensitive occurrence of findstring in totalstring, an
    // occurrence at the very start included; an empty findstring puts the caret at the end.
    // Nothing happens when there is none, or when totalstring is empty. When totalstring is
    // the Document, the selection covers exactly the occurrence, whatever the line ends; a
    // line break in findstring matches any line break. Any other text's positions are
    // taken as they stand, held within the Document.
    static void find(MainWindow& main, const QString& totalstring, const QString& findstring);
    // find() over the Document itself, without reading it as one text first.
    static void findInDocument(MainWindow& main, const QString& findstring);
};

} // namespace saltor
