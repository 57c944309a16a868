#pragma once

namespace saltor {

class Editor;

// Makes the shell's own dialog forms (About, Addcomment) known to showDialog.
void registerShellForms(Editor& editor);

} // namespace saltor
