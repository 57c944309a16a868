#include "extras/formhelpers.h"

#include <QColor>
#include <QPalette>
#include <QWidget>

namespace saltor {

void setFieldBackground(QWidget* box, const QColor& colour)
{
    QPalette palette = box->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, QPalette::Base, colour);
    box->setPalette(palette);
}

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
