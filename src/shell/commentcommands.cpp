#include "shell/commentcommands.h"

#include "platform/platform.h"
#include "shell/comments.h"
#include "shell/editor.h"

namespace saltor {

void CommentCommands::addNote(Editor& editor)
{
    // A cancelled box gives the empty text: the note line is appended all the same.
    const QString note = editor.platform().inputBox(QStringLiteral("Write your singleline note here:"));
    editor.appendToPreview(noteComment(note));
}

void CommentCommands::addDateMark(Editor& editor)
{
    editor.appendToPreview(dateMarkComment(editor.platform().today()));
}

} // namespace saltor
