#pragma once

#include <QList>
#include <QString>

#include <functional>

class QWidget;

namespace saltor {

class Form;

// The statement action of a dialog that Main opened: requireFields on the required boxes
// with message; when all hold text, appendToPreview of build() and the closing steps of the
// dialog guard. Returns false when refused (the dialog stays open, Main stays disabled).
bool runStatementAction(Form& dialog, const QList<const QWidget*>& required, const QString& message,
                        const std::function<QString()>& build);

} // namespace saltor
