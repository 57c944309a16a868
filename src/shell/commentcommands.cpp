#include "shell/commentcommands.h"

#include "platform/platform.h"
#include "shell/comments.h"
#include "shell/documentbox.h"

namespace saltor {

void CommentCommands::addNote(Platform& platform, DocumentBox& document)
{
    const QString note = platform.inputBox(QStringLiteral("Write your singleline note here:"));
    document.append(noteComment(note));
}

void CommentCommands::addDateMark(Platform& platform, DocumentBox& document)
{
    document.append(dateMarkComment(platform.today()));
}

} // namespace saltor
