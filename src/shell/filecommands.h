#pragma once

#include <QString>

namespace saltor {

class Editor;
class MainWindow;

enum class SaveOutcome { Written, Cancelled, Failed };

// The File menu's New, Open and Save As, and the file routines behind them.
class FileCommands {
public:
    // Asks first; on Yes the Document becomes the header line and Address "... not saved yet".
    static void newDocument(Editor& editor);
    // What New leaves, without asking: the header line, UTF-8 with CRLF, "... not saved yet".
    // Main starts with it too.
    static void startNewDocument(MainWindow& main);

    // Open: lets the user choose a .sqf file, reads it whole into the Document (bytes kept:
    // encoding, mark and every line's terminator) and shows its path. A file that cannot be
    // read is named in a message with the reason; the Document and Address stay as they were.
    static void loadTextFile(Editor& editor);

    // Lets the user choose a path in the shared file dialog with filter ("description|pattern")
    // and writes content there, atomically; asks before replacing an existing file. With
    // isDocument, content is written in the Document's own encoding and Address shows the path
    // afterwards. A failed write is named in a message with the reason and changes nothing.
    // Save As of the Document, as a script.
    static void saveDocumentAs(Editor& editor);

    static SaveOutcome saveTextFile(Editor& editor, const QString& filter, const QString& content,
                                    bool isDocument);
};

} // namespace saltor
