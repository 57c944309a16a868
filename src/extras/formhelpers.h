#pragma once

#include <QStringList>

class QColor;
class QWidget;

namespace saltor {

// Sets only the background a box shows (what fieldColor reads), leaving Enabled alone: the
// option pair and the section check boxes switch Enabled and colour in steps of their own.
void setFieldBackground(QWidget* box, const QColor& colour);

// Puts the named children of form into the tab order, in the order given.
void setTabChain(QWidget* form, const QStringList& names);

} // namespace saltor
