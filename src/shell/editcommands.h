#pragma once

#include <QString>

namespace saltor {

class MainWindow;

// The Edit menu's commands on the Document and its selection, and Find.
class EditCommands {
public:
    static void selectAll(MainWindow& main);
    static void clear(MainWindow& main);
    static void cut(MainWindow& main);
    static void copy(MainWindow& main);
    static void paste(MainWindow& main);
    // Asks for the text, then find() over the whole Document.
    static void findCommand(MainWindow& main);
    // Selects the last case-insensitive occurrence of findstring in totalstring.
    static void find(MainWindow& main, const QString& totalstring, const QString& findstring);
};

} // namespace saltor
