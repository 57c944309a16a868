#pragma once

#include <QString>

class QPlainTextEdit;
class QWidget;

namespace saltor::stress {

// What a user's hands do: keys typed one by one, clicks where a user would click.

// The selection of edit, each block break written as lineEnd.
QString selectedText(const QPlainTextEdit* edit, const QString& lineEnd);

// Types text key by key into target; a line break is the Return key.
void typeKeys(QWidget* target, const QString& typed);

// A mouse click on target: on the indicator of a check box or option button, in the middle of
// anything else.
void clickAt(QWidget* target);

} // namespace saltor::stress
