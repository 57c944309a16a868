#pragma once

namespace saltor {

class Editor;

void registerRecordDialogs(Editor& editor);

} // namespace saltor
