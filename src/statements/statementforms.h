#pragma once

namespace saltor {

class Editor;

// Makes the statement dialogs and the inline markup dialogs known to showDialog.
void registerStatementForms(Editor& editor);

} // namespace saltor
