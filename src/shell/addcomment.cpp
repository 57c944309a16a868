#include "shell/tabchain.h"
#include "shell/addcomment.h"

#include "shell/comments.h"
#include "shell/dialogframe.h"
#include "shell/dialogsettings.h"
#include "shell/editor.h"

#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace saltor {

Addcomment::Addcomment(Editor& editor)
    : Form(editor, QStringLiteral("Addcomment"), dialogSettings(QStringLiteral("Addcomment")))
{
    m_comment = multiLineBox(QStringLiteral("comment"));
    QLabel* label = fieldLabel(QStringLiteral("Label1"), QStringLiteral("Write your multiline comment here:"));
    QPushButton* add = commandButton(QStringLiteral("AddButton"), QStringLiteral("Add"),
                                     QStringLiteral("Adds multiline comment into the preview code window"));
    QPushButton* cancel = cancelButton();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setSpacing(2);
    QBoxLayout* field = fieldBlock(label, m_comment);
    field->setStretchFactor(m_comment, 1);
    layout->addLayout(field, 1);
    layout->addWidget(controlsFrame(QStringLiteral("Frame2"), add, cancel));

    setTabChain(this, {QStringLiteral("comment"), QStringLiteral("AddButton"), QStringLiteral("CancelButton")});
    m_comment->setFocus();

    connect(add, &QPushButton::clicked, this, &Addcomment::AddButton_Click);
    connect(cancel, &QPushButton::clicked, this, &Addcomment::CancelButton_Click);
}

void Addcomment::AddButton_Click()
{
    editor().appendToPreview(blockComment(boxText(m_comment)));
    editor().closeDialogGuard(this);
}

void Addcomment::CancelButton_Click()
{
    editor().closeDialogGuard(this);
}

} // namespace saltor
