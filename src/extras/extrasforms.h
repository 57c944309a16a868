#pragma once

namespace saltor {

class Editor;

// Makes the Extras dialogs (overview, debriefing, MP_template) known to showDialog.
void registerExtrasForms(Editor& editor);

} // namespace saltor
