#include "extras/formhelpers.h"

#include <QWidget>

namespace saltor {

void setTabChain(QWidget* form, const QStringList& names)
{
    QWidget* previous = nullptr;
    for (const QString& name : names) {
        auto* next = form->findChild<QWidget*>(name);
        if (!next)
            continue;
        if (previous)
            QWidget::setTabOrder(previous, next);
        previous = next;
    }
}

} // namespace saltor
