#pragma once

#include "statements/markupdialog.h"

class QLineEdit;
class QPlainTextEdit;

namespace saltor {

// "Add marker": appends a marker link to the end of its host's description box. One class
// serves every marker dialog; the binding row says which host, box, colour and fonts.
class MarkerDialog : public MarkupDialog {
    Q_OBJECT
public:
    MarkerDialog(Editor& editor, const MarkupBinding& binding);

protected:
    QList<const QWidget*> requiredFields() const override;
    QString markup() const override;

private:
    QLineEdit* m_markerName = nullptr;
    QPlainTextEdit* m_textAssignedToMarker = nullptr;
};

} // namespace saltor
