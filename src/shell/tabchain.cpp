#include "shell/tabchain.h"

#include <QWidget>

namespace saltor {

void setTabChain(QWidget* form, const QStringList& names)
{
    QWidget* previous = nullptr;
    for (const QString& name : names) {
        const QList<QWidget*> found = form->findChildren<QWidget*>(name);
        if (found.size() != 1)
            qFatal("tab chain of %s: %lld controls named %s", qPrintable(form->objectName()),
                   static_cast<long long>(found.size()), qPrintable(name));
        if (previous)
            QWidget::setTabOrder(previous, found.first());
        previous = found.first();
    }
}

} // namespace saltor
