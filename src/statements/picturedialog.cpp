#include "statements/picturedialog.h"

#include "shell/dialogframe.h"
#include "shell/fonts.h"
#include "shell/tabchain.h"
#include "statements/markup.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace saltor {

PictureDialog::PictureDialog(Editor& editor, const MarkupBinding& binding) : MarkupDialog(editor, binding)
{
    QLabel* label1 = fieldLabel(QStringLiteral("Label1"), QStringLiteral("Link to the picture:"));
    QLabel* label2 = fieldLabel(QStringLiteral("Label2"), QStringLiteral("Width:"));
    QLabel* label3 = fieldLabel(QStringLiteral("Label3"), QStringLiteral("Height:"));
    QLineEdit* pictureName = singleLineBox(QStringLiteral("pictureName"));
    QLineEdit* pictureWidth = singleLineBox(QStringLiteral("pictureWidth"));
    QLineEdit* pictureHeight = singleLineBox(QStringLiteral("pictureHeight"));
    setFieldFont({label1, label2, label3, pictureName, pictureWidth, pictureHeight});

    // "(pixels)" is small like an example but not red.
    auto* pixels = new QLabel(QStringLiteral("(pixels)"));
    pixels->setObjectName(QStringLiteral("Label5"));
    pixels->setFont(verdanaFont(6.75));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setSpacing(3);
    layout->addLayout(fieldBlock(label1, pictureName,
                                 exampleLabel(QStringLiteral("Label4"), QStringLiteral("Example: myPicture.paa"))));

    auto* size = new QGridLayout;
    size->setHorizontalSpacing(6);
    size->setVerticalSpacing(1);
    size->addWidget(label2, 0, 0);
    size->addWidget(label3, 0, 1);
    size->addWidget(pictureWidth, 1, 0);
    size->addWidget(pictureHeight, 1, 1);
    size->addWidget(pixels, 1, 2);
    size->addWidget(exampleLabel(QStringLiteral("Labe5"), QStringLiteral("Example: 128, 256, 512, 1024 etc.")), 2, 0,
                    1, 3);
    size->setColumnStretch(0, 1);
    size->setColumnStretch(1, 1);
    layout->addLayout(size);
    layout->addStretch(1);
    layout->addWidget(makeControls(QStringLiteral("Adds image code into the preview code window")));

    setTabChain(this, {QStringLiteral("pictureName"), QStringLiteral("pictureWidth"), QStringLiteral("pictureHeight"),
                       QStringLiteral("AddButton"), QStringLiteral("CancelButton")});
    setMarkupAction({pictureName, pictureWidth, pictureHeight}, [pictureName, pictureWidth, pictureHeight] {
        return pictureMarkup(boxText(pictureName), boxText(pictureWidth), boxText(pictureHeight));
    });
    pictureName->setFocus();
}

} // namespace saltor
