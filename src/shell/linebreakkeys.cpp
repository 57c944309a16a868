#include "shell/linebreakkeys.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>

namespace saltor {

void LineBreakKeys::install(QPlainTextEdit* box)
{
    box->installEventFilter(new LineBreakKeys(box));
}

bool LineBreakKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    const Qt::KeyboardModifiers extra = key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier);
    if (!enter || !extra)
        return false;
    QKeyEvent plain(QEvent::KeyPress, key->key(), key->modifiers() & ~extra, QStringLiteral("\r"));
    QCoreApplication::sendEvent(watched, &plain);
    return true;
}

} // namespace saltor
