#pragma once

namespace saltor {

class Editor;

// The Comments menu's one-line commands; both append at the very end of the Document.
class CommentCommands {
public:
    static void addNote(Editor& editor);
    static void addDateMark(Editor& editor);
};

} // namespace saltor
