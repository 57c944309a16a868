#pragma once

namespace saltor {

class DocumentBox;
class Platform;

// The Comments menu's one-line commands; both append at the very end of the Document.
class CommentCommands {
public:
    // Asks for the note; a cancelled box appends the empty note all the same.
    static void addNote(Platform& platform, DocumentBox& document);
    static void addDateMark(Platform& platform, DocumentBox& document);
};

} // namespace saltor
