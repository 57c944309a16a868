#pragma once

#include <QObject>

class QPlainTextEdit;

namespace saltor {

// Makes Shift+Enter (and Ctrl+Enter) start a new line in a text box like Enter does. Qt would
// insert a Unicode line separator there, which the script and the statements would carry as a
// stray character instead of a line break.
class LineBreakKeys : public QObject {
    Q_OBJECT
public:
    static void install(QPlainTextEdit* box);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
};

} // namespace saltor
