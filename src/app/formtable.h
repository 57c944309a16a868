#pragma once

namespace saltor {

class Editor;

// Makes every dialog form of the program known to editor's showDialog, by its form name:
// the About box and Addcomment, the statement dialogs with their markup dialogs, and the
// Extras generators. The program and every test call it once on a fresh Editor.
void registerForms(Editor& editor);

} // namespace saltor
