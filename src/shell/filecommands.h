#pragma once

#include "shell/filedialogstate.h"

#include <QString>

class QLabel;
class QWidget;

namespace saltor {

class DocumentBox;
class Platform;

enum class SaveOutcome { Written, Cancelled, Failed };

// The File menu's New, Open and Save As, and the file routines behind them. Holds Main's
// common file dialog state, shared by Open, Save As and both page generators.
class FileCommands {
public:
    // The file dialogs open over dialogParent (Main); address is Main's file path label.
    FileCommands(DocumentBox& document, QLabel* address, Platform& platform, QWidget* dialogParent);

    // Asks first; on Yes the Document becomes the header line and Address "... not saved yet".
    void newDocument();
    // What New leaves, without asking: the header line, UTF-8 with CRLF, "... not saved yet".
    // Main starts with it too.
    void startNewDocument();

    // Open: lets the user choose a .sqf file, reads it whole into the Document (bytes kept:
    // encoding, mark and every line's terminator) and shows its path. A file that cannot be
    // read is named in a message with the reason; the Document and Address stay as they were.
    void loadTextFile();

    // Save As of the Document, as a script.
    void saveDocumentAs();

    // Lets the user choose a path in the shared file dialog with filter ("description|pattern")
    // and writes content there (Platform::writeFile); asks before replacing anything that stands
    // at the path, a link included, and writes only where the path still leads to what it led
    // to when it was chosen. With isDocument, content is written in the Document's own encoding
    // and Address shows the path afterwards; a Windows-1250 document that no longer fits
    // Windows-1250 is written in UTF-8, and a message says so after the save, as it does what
    // else the user must know of a save that took place. A failed write is named in a message
    // with the reason; the Document and Address stay as they were.
    SaveOutcome saveTextFile(const QString& filter, const QString& content, bool isDocument);

    // The common file dialog's filter and the file name chosen last.
    FileDialogState& fileDialog() { return m_fileDialog; }

private:
    DocumentBox& m_document;
    QLabel* m_address;
    Platform& m_platform;
    QWidget* m_dialogParent;
    FileDialogState m_fileDialog;
};

} // namespace saltor
