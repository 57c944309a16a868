#include "shell/dialogframe.h"

#include "platform/platform.h"
#include "platform/singlelinebox.h"
#include "shell/fonts.h"
#include "shell/linebreakkeys.h"
#include "shell/plaintextbox.h"

#include <QApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace saltor {

QColor activeFieldColor()
{
    return QApplication::palette().color(QPalette::Active, QPalette::Base);
}

QColor inactiveFieldColor()
{
    return QApplication::palette().color(QPalette::Active, QPalette::Midlight).darker(108);
}

QColor fieldColor(const QWidget* box)
{
    return box->palette().color(QPalette::Active, QPalette::Base);
}

QString boxText(const QWidget* box)
{
    if (const auto* line = qobject_cast<const QLineEdit*>(box))
        return line->text();
    if (const auto* multi = qobject_cast<const QPlainTextEdit*>(box))
        return textWithCrLf(multi);
    return QString();
}

void setBoxText(QWidget* box, const QString& text)
{
    if (auto* line = qobject_cast<QLineEdit*>(box))
        line->setText(text);
    else if (auto* multi = qobject_cast<QPlainTextEdit*>(box))
        multi->setPlainText(text);
}

bool requireFields(Platform& platform, const QList<const QWidget*>& boxes, const QString& message)
{
    bool anyEmpty = false;
    for (const QWidget* box : boxes)
        anyEmpty = boxText(box).isEmpty() || anyEmpty;
    if (!anyEmpty)
        return true;
    platform.beep();
    platform.messageBox(message, MessageButtons::Ok, MessageIcon::Exclamation);
    return false;
}

void setFieldActive(QWidget* box, bool on)
{
    box->setEnabled(on);
    setFieldColor(box, on ? activeFieldColor() : inactiveFieldColor());
}

void setFieldColor(QWidget* box, const QColor& colour)
{
    QPalette palette = box->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, QPalette::Base, colour);
    // The style's disabled text is about as light as the grey background: a switched-off box
    // would hide the value it keeps. Half way between text and background stays readable.
    const QColor text = palette.color(QPalette::Active, QPalette::Text);
    palette.setColor(QPalette::Disabled, QPalette::Text,
                     QColor((text.red() + colour.red()) / 2, (text.green() + colour.green()) / 2,
                            (text.blue() + colour.blue()) / 2));
    box->setPalette(palette);
}

void appendLineBreak(QPlainTextEdit* box)
{
    appendKeepingView(box, QStringLiteral("<br />"));
}

QLabel* fieldLabel(const QString& name, const QString& text)
{
    auto* label = new QLabel(text);
    label->setObjectName(name);
    label->setFont(verdanaFont(8.25));
    label->setTextFormat(Qt::PlainText);
    return label;
}

QLabel* exampleLabel(const QString& name, const QString& text)
{
    auto* label = new QLabel(text);
    label->setObjectName(name);
    label->setFont(verdanaFont(6.75));
    label->setTextFormat(Qt::PlainText);
    QPalette red = label->palette();
    red.setColor(QPalette::WindowText, QColor(255, 0, 0));
    label->setPalette(red);
    return label;
}

QLineEdit* singleLineBox(const QString& name)
{
    auto* box = new QLineEdit;
    box->setObjectName(name);
    box->setFont(verdanaFont(8.25));
    makeSingleLineBox(box);
    return box;
}

QPlainTextEdit* multiLineBox(const QString& name)
{
    auto* box = new QPlainTextEdit;
    box->setObjectName(name);
    box->setFont(verdanaFont(8.25));
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setTabChangesFocus(true);
    LineBreakKeys::install(box);
    return box;
}

QPushButton* commandButton(const QString& name, const QString& caption, const QString& toolTip)
{
    auto* button = new QPushButton(caption);
    button->setObjectName(name);
    button->setFont(defaultDialogFont());
    button->setToolTip(toolTip);
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

QPushButton* colouredButton(const QString& name, const QString& caption, const QColor& colour)
{
    QPushButton* button = commandButton(name, caption);
    QPalette palette = button->palette();
    palette.setColor(QPalette::Button, colour);
    button->setPalette(palette);
    button->setAutoFillBackground(true);
    return button;
}

QPushButton* cancelButton()
{
    return commandButton(QStringLiteral("CancelButton"), QStringLiteral("Cancel"), kCancelToolTip);
}

QGroupBox* frame(const QString& name, const QString& caption)
{
    auto* box = new QGroupBox(caption);
    box->setObjectName(name);
    box->setFont(defaultDialogFont());
    return box;
}

QGroupBox* controlsFrame(const QString& name, QPushButton* action, QPushButton* cancel)
{
    QGroupBox* box = frame(name, QStringLiteral("Controls"));
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(6, 2, 6, 6);
    row->setSpacing(6);
    row->addStretch(1);
    action->setFixedWidth(75);
    cancel->setFixedWidth(75);
    row->addWidget(action);
    row->addWidget(cancel);
    return box;
}

QBoxLayout* fieldBlock(QLabel* label, QWidget* box, QLabel* example)
{
    auto* block = new QVBoxLayout;
    block->setSpacing(1);
    block->addWidget(label);
    block->addWidget(box);
    if (example)
        block->addWidget(example);
    return block;
}

} // namespace saltor
