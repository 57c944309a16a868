#include "shell/commentcommands.h"

#include "platform/platform.h"
#include "shell/comments.h"
#include "shell/document.h"

namespace saltor {

void CommentCommands::addNote(Platform& platform, Document& document)
{
    const QString note = platform.inputBox(QStringLiteral("Write your singleline note here:"));
    document.append(noteComment(note));
}

void CommentCommands::addDateMark(Platform& platform, Document& document)
{
    document.append(dateMarkComment(platform.today()));
}

} // namespace saltor
