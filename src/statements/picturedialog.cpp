#include "statements/picturedialog.h"

#include "shell/tabchain.h"
#include "shell/fonts.h"
#include "shell/dialogframe.h"
#include "shell/dialogsettings.h"
#include "statements/markup.h"
#include "statements/markupguard.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace saltor {

PictureDialog::PictureDialog(Editor& editor, const MarkupBinding& binding)
    : Form(editor, binding.form, dialogSettings(binding.form)), m_binding(binding)
{
    const QFont fieldFont = markupFieldFont(binding);
    QLabel* label1 = fieldLabel(QStringLiteral("Label1"), QStringLiteral("Link to the picture:"));
    QLabel* label2 = fieldLabel(QStringLiteral("Label2"), QStringLiteral("Width:"));
    QLabel* label3 = fieldLabel(QStringLiteral("Label3"), QStringLiteral("Height:"));
    m_pictureName = singleLineBox(QStringLiteral("pictureName"));
    m_pictureWidth = singleLineBox(QStringLiteral("pictureWidth"));
    m_pictureHeight = singleLineBox(QStringLiteral("pictureHeight"));
    for (QWidget* widget : {static_cast<QWidget*>(label1), static_cast<QWidget*>(label2),
                            static_cast<QWidget*>(label3), static_cast<QWidget*>(m_pictureName),
                            static_cast<QWidget*>(m_pictureWidth), static_cast<QWidget*>(m_pictureHeight)})
        widget->setFont(fieldFont);

    // "(pixels)" is small like an example but not red.
    auto* pixels = new QLabel(QStringLiteral("(pixels)"));
    pixels->setObjectName(QStringLiteral("Label5"));
    pixels->setFont(verdanaFont(6.75));

    QGroupBox* controls = markupControlsFrame(binding, QStringLiteral("Adds image code into the preview code window"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setSpacing(3);
    layout->addLayout(fieldBlock(label1, m_pictureName,
                                 exampleLabel(QStringLiteral("Label4"), QStringLiteral("Example: myPicture.paa"))));

    auto* size = new QGridLayout;
    size->setHorizontalSpacing(6);
    size->setVerticalSpacing(1);
    size->addWidget(label2, 0, 0);
    size->addWidget(label3, 0, 1);
    size->addWidget(m_pictureWidth, 1, 0);
    size->addWidget(m_pictureHeight, 1, 1);
    size->addWidget(pixels, 1, 2);
    size->addWidget(exampleLabel(QStringLiteral("Labe5"), QStringLiteral("Example: 128, 256, 512, 1024 etc.")), 2, 0,
                    1, 3);
    size->setColumnStretch(0, 1);
    size->setColumnStretch(1, 1);
    layout->addLayout(size);
    layout->addStretch(1);
    layout->addWidget(controls);

    auto* add = controls->findChild<QPushButton*>(QStringLiteral("AddButton"));
    auto* cancel = controls->findChild<QPushButton*>(QStringLiteral("CancelButton"));
    setTabChain(this, {QStringLiteral("pictureName"), QStringLiteral("pictureWidth"), QStringLiteral("pictureHeight"),
                       QStringLiteral("AddButton"), QStringLiteral("CancelButton")});
    connect(add, &QPushButton::clicked, this, &PictureDialog::AddButton_Click);
    connect(cancel, &QPushButton::clicked, this, &PictureDialog::CancelButton_Click);
    m_pictureName->setFocus();
}

void PictureDialog::Form_Load()
{
    Form* host = markupHost(*this, m_binding);
    openMarkupGuard(host);
    keepMarkupInFront(this, host);
}

void PictureDialog::AddButton_Click()
{
    runMarkupAction(*this, m_binding, {m_pictureName, m_pictureWidth, m_pictureHeight}, [this] {
        return pictureMarkup(boxText(m_pictureName), boxText(m_pictureWidth), boxText(m_pictureHeight));
    });
}

void PictureDialog::CancelButton_Click()
{
    cancelMarkup(*this, m_binding);
}

} // namespace saltor
