#pragma once

#include <QStringList>

class QWidget;

namespace saltor {

// Puts the named children of form into the tab order, in the order given. Every name must
// name exactly one child of form: a misspelt or duplicated name stops the program at once
// with the name, rather than leaving a control out of the keyboard's reach.
void setTabChain(QWidget* form, const QStringList& names);

} // namespace saltor
