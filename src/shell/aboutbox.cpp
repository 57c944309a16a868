#include "shell/aboutbox.h"

#include "shell/clickablepicture.h"
#include "shell/editor.h"
#include "shell/fonts.h"
#include "shell/pictures.h"

#include <QLabel>

namespace saltor {

namespace {

const WindowSettings kAboutSettings{QStringLiteral("About Saltor Editor"), false,
                                    StartPosition::CentreOwner, 4530, 2430};

} // namespace

AboutBox::AboutBox(Editor& editor) : Form(editor, QStringLiteral("About"), kAboutSettings)
{
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    setAutoFillBackground(true);
    QPalette red = palette();
    red.setColor(QPalette::Window, QColor(255, 0, 0));
    setPalette(red);

    auto* picture = new ClickablePicture(this);
    picture->setObjectName(QStringLiteral("Picture1"));
    picture->setGeometry(rect());
    picture->setAlignment(Qt::AlignCenter);
    picture->setPixmap(aboutPicture());

    auto* label = new QLabel(QStringLiteral("ver.: 1.4"), picture);
    label->setObjectName(QStringLiteral("Label1"));
    label->setFont(verdanaFont(8.25));
    QPalette light = label->palette();
    light.setColor(QPalette::WindowText, QColor(240, 236, 220));
    label->setPalette(light);
    label->adjustSize();
    label->move(width() - label->width() - 8, height() - label->height() - 6);

    connect(picture, &ClickablePicture::clicked, this, &AboutBox::Picture1_Click);
}

void AboutBox::Picture1_Click()
{
    editor().closeDialogGuard(this);
}

void AboutBox::closeRequested()
{
    Picture1_Click();
}

} // namespace saltor
