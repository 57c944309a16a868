#pragma once

#include <QString>

namespace saltor {

class DocumentBox;
class Platform;

// The Edit menu's commands on the Document and its selection, and Find. Each command gives
// the document the focus; the clipboard is reached through the platform, in plain text.
class EditCommands {
public:
    EditCommands(DocumentBox& document, Platform& platform);

    void selectAll();
    // Asks first; Yes leaves an empty Document (the file path stays as it was).
    void clear();
    // The selection goes to the clipboard with each line break as that line's own
    // terminator; with nothing selected the clipboard is left holding the empty text.
    void cut();
    void copy();
    // Replaces the selection with the clipboard's text (none: the selection is deleted).
    void paste();
    // Asks for the text, then selects its last case-insensitive occurrence in the Document,
    // an occurrence at the very start included; nothing happens when there is none or the
    // Document is empty. The empty text puts the caret at the end.
    void findCommand();

private:
    void toClipboard(bool deleteSelection);

    DocumentBox& m_document;
    Platform& m_platform;
};

} // namespace saltor
