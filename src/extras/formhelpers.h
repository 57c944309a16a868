#pragma once

#include <QStringList>

class QWidget;

namespace saltor {

// Puts the named children of form into the tab order, in the order given.
void setTabChain(QWidget* form, const QStringList& names);

} // namespace saltor
