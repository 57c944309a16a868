#include "shell/commentcommands.h"

#include "shell/editor.h"

namespace saltor {

void CommentCommands::addNote(Editor&) {}
void CommentCommands::addDateMark(Editor&) {}

} // namespace saltor
