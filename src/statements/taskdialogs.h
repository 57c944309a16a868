#pragma once

namespace saltor {

class Editor;

void registerTaskDialogs(Editor& editor);

} // namespace saltor
