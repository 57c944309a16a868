#pragma once

#include "shell/form.h"

#include <QList>

class QCheckBox;
class QLineEdit;

namespace saltor {

// The MP_template dialog: appends the multiplayer briefing template, for the playable unit
// and the ticked sides, to the end of the Document.
class MpTemplateDialog : public Form {
    Q_OBJECT
public:
    explicit MpTemplateDialog(Editor& editor);

    // Refused with its own message while playableUnitName is empty; otherwise appends the
    // template and closes.
    void CreateButton_Click();
    void CancelButton_Click();

private:
    QLineEdit* m_unitName = nullptr;
    QList<QCheckBox*> m_sides;
};

} // namespace saltor
